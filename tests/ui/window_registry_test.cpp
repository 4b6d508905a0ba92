#include <QPointer>

#include "platform/Form.h"
#include "platform/OpenDialog.h"
#include "platform/Toolbar.h"
#include "ui/support/UiTest.h"
#include <QAction>

using namespace strelvan;
using strelvan::test::UiTest;

namespace {
// A window that counts its loads and keeps a window-level variable.
class CountingForm : public Form {
public:
    static constexpr const char* kFormName = "Frm_Counting";
    explicit CountingForm(AppContext& app) : Form(app, kFormName) {}
    int loads = 0;
    int unloads = 0;
    int kept = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
};

class WindowRegistryTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        app->windows.Register<CountingForm>();
    }
};
} // namespace

TEST_F(WindowRegistryTest, DefaultInstanceIsCreatedOnFirstUseAndLoadedOnShow) {
    EXPECT_EQ(app->windows.Find("Frm_Counting"), nullptr);
    auto& f = Window<CountingForm>();
    EXPECT_EQ(app->windows.Find("Frm_Counting"), &f);
    EXPECT_EQ(f.loads, 0);
    f.Show();
    f.Show();
    EXPECT_EQ(f.loads, 1);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.objectName(), "Frm_Counting");
}

TEST_F(WindowRegistryTest, UnloadKeepsTheInstanceAndItsVariables) {
    auto& f = Window<CountingForm>();
    f.Show();
    f.kept = 42;
    f.Unload();
    EXPECT_FALSE(f.IsLoaded());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.unloads, 1);
    auto& again = Window<CountingForm>();
    EXPECT_EQ(&again, &f);
    again.Show();
    EXPECT_EQ(again.loads, 2);
    EXPECT_EQ(again.kept, 42);
}

TEST_F(WindowRegistryTest, ReleaseGivesAFreshInstance) {
    QPointer<CountingForm> first = &Window<CountingForm>();
    first->kept = 7;
    app->windows.Release("Frm_Counting");
    ProcessEvents();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(Window<CountingForm>().kept, 0);
}

TEST_F(WindowRegistryTest, ReleasedOpenWindowStaysOpenUntilUnloaded) {
    QPointer<CountingForm> first = &Window<CountingForm>();
    first->Show();
    app->windows.Release("Frm_Counting");
    ProcessEvents();
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(first->isVisible());
    auto& second = Window<CountingForm>();
    EXPECT_NE(&second, first.data());
    first->Unload();
    ProcessEvents();
    EXPECT_TRUE(first.isNull());
}

TEST_F(WindowRegistryTest, CloseBoxUnloads) {
    auto& f = Window<CountingForm>();
    f.Show();
    f.close();
    EXPECT_FALSE(f.IsLoaded());
    EXPECT_EQ(f.unloads, 1);
}

TEST_F(WindowRegistryTest, ProgramEndsWhenTheLastWindowIsUnloaded) {
    auto& f = Window<CountingForm>();
    f.Show();
    f.Hide();
    ProcessEvents();
    EXPECT_EQ(endProgramCalls, 0); // hidden but loaded
    f.Unload();
    f.Show(); // a handler may show another window after unloading its own
    ProcessEvents();
    EXPECT_EQ(endProgramCalls, 0);
    f.Unload();
    ProcessEvents();
    EXPECT_EQ(endProgramCalls, 1);
}

TEST_F(WindowRegistryTest, UnknownNamesDoNothing) {
    EXPECT_EQ(app->windows.Instance("Frm_Nothing"), nullptr);
    app->windows.Show("Frm_Nothing");
    app->windows.UnloadAndRelease("Frm_Nothing");
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Nothing"));
}

TEST(OpenDialogFilter, TranslatesTheBarSeparatedFilter) {
    EXPECT_EQ(platform::QtNameFilters(
                  "ASCII Files (*.dat; *.txt; *.prn)|*.dat;*.txt;*.prn |All Files (*.*)|*.*"),
              "ASCII Files (*.dat *.txt *.prn);;All Files (*)");
}

TEST(ToolbarTest, PositionsCountPlaceholdersAndClicksReportTheKey) {
    platform::Toolbar bar;
    bar.AddPlaceholder();
    QAction* back = bar.AddButton("Back", "   ", "Back to previous form");
    bar.AddPlaceholder();
    QAction* zoom = bar.AddButton("Zoom", "Zoom All     ");
    EXPECT_EQ(bar.ItemCount(), 4);
    EXPECT_EQ(bar.Item(2), back);
    EXPECT_EQ(bar.Item(4), zoom);
    EXPECT_EQ(bar.Item(5), nullptr);
    EXPECT_EQ(bar.ButtonByKey("Zoom"), zoom);
    QStringList keys;
    QObject::connect(&bar, &platform::Toolbar::ButtonClick, [&](const QString& k) { keys << k; });
    zoom->trigger();
    back->trigger();
    EXPECT_EQ(keys, QStringList({"Zoom", "Back"}));
    EXPECT_EQ(back->toolTip(), "Back to previous form");
}
