#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <map>
#include <vector>

#include "platform/Form.h"
#include "platform/ImageControl.h"
#include "platform/Text.h"
#include "ui/results/ChartPictures.h"
#include "ui/results/Frm_Select.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::ImageControl;
using strelvan::test::UiTest;

namespace {

const QStringList kResultWindows = {"Frm_Tumay01", "Frm_Tumay02", "Frm_Robert86", "Frm_Olsen",
                                    "Frm_Fuzzy"};

// What happened to a stand-in result window under one name, over all its instances.
struct Probe {
    int loads = 0;
    int unloads = 0;
    std::vector<bool> manualFlagAtLoad;
};

// A stand-in for a result window that records its loads and the manual-layer flag it sees.
class ProbeForm : public Form {
public:
    ProbeForm(AppContext& app, const QString& name, Probe& probe)
        : Form(app, name), probe_(probe) {}

protected:
    void Form_Load() override {
        ++probe_.loads;
        probe_.manualFlagAtLoad.push_back(Decl().selection.ManualFlag);
    }
    void Form_Unload() override { ++probe_.unloads; }

private:
    Probe& probe_;
};

class SelectTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        for (const QString& name : kResultWindows)
            app->windows.Register(
                name, [this, name](AppContext& a) { return new ProbeForm(a, name, probes[name]); });
    }

    // Shows the selection window by name, as the profile window's menu does.
    void Open(int16_t method) {
        Decl().selection.MethodCode = method;
        app->windows.Show(QStringLiteral("Frm_Select"));
        sel = app->windows.FindAs<Frm_Select>();
        ASSERT_TRUE(sel);
    }

    template <class T> T* Control(const QString& name) {
        T* c = sel->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    ImageControl* Slot(int i) { return Control<ImageControl>(QStringLiteral("Image1(%1)").arg(i)); }

    void ClickSlot(int i) { QTest::mouseClick(Slot(i), Qt::LeftButton); }
    // A pick in a drop-down list, as the list's popup makes it.
    void Pick(const QString& comboName, int index) {
        QComboBox* combo = Control<QComboBox>(comboName);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void PickChart(int chart) { Pick(QStringLiteral("ComboChart"), chart); }
    void PickThickness(const QString& text) {
        Pick(QStringLiteral("ComboThick"), Control<QComboBox>("ComboThick")->findText(text));
    }
    void Click(const char* button) {
        QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
    }

    // The chart whose picture each slot shows, -1 for an empty slot; the picture must be
    // that of the chart named by the slot's tag.
    std::vector<int> Shown() {
        static const auto pictures = ChartPictures();
        std::vector<int> shown;
        for (int i = 0; i < 4; ++i) {
            ImageControl* slot = Slot(i);
            if (!slot->HasPicture()) {
                shown.push_back(-1);
                continue;
            }
            const int chart = slot->Tag.toInt();
            EXPECT_EQ(slot->pixmap().toImage(), pictures.at(chart).toImage()) << "slot " << i;
            shown.push_back(chart);
        }
        return shown;
    }

    QPointer<Frm_Select> sel;
    std::map<QString, Probe> probes;
};

TEST_F(SelectTest, LoadShowsTheDefaultChoiceAndNextTakesItAtOnce) {
    Decl().selection.PointsPerLayer = 15; // left from an earlier visit
    Open(2);
    EXPECT_EQ(Control<QGroupBox>("Frame2")->title(), "Select Order of  Charts for Display");
    EXPECT_EQ(Control<QGroupBox>("Frame3")->title(), "Select Thickness of Soil Layers");
    EXPECT_EQ(Control<QLabel>("Label1")->text(), "Define Soil Behavior Types every :");
    EXPECT_EQ(Control<QLabel>("LblUnit")->text(), "ft");
    EXPECT_EQ(Control<QPushButton>("CmdNext")->text(), "Next");
    EXPECT_EQ(Control<QPushButton>("CmdCancel")->text(), "Back");
    QComboBox* charts = Control<QComboBox>("ComboChart");
    QStringList entries;
    for (int i = 0; i < charts->count(); ++i)
        entries << charts->itemText(i);
    EXPECT_EQ(entries,
              QStringList({"Measured Tip Resistance [qc] ", "Measured Unit Sleeve Friction [fs] ",
                           "Friction Ratio [%}", " Soil Behavior Types [Graph] ",
                           " Soil Behavior Types [Text] "}));
    QComboBox* thick = Control<QComboBox>("ComboThick");
    EXPECT_EQ(thick->count(), 4);
    EXPECT_EQ(thick->itemText(0), "2");
    EXPECT_EQ(thick->itemText(3), "5");
    EXPECT_EQ(thick->currentText(), "3");
    EXPECT_TRUE(Control<QGroupBox>("Frame3")->isVisible());
    EXPECT_EQ(Shown(), std::vector<int>({0, 1, 2, 3}));
    EXPECT_EQ(Decl().selection.PointsPerLayer, 10); // 10 although the list shows 3 ft

    Click("CmdNext");
    EXPECT_EQ(Decl().selection.ChartOrder, "0 1 2 3");
    EXPECT_EQ(Decl().selection.PointsPerLayer, 10);
    EXPECT_EQ(probes["Frm_Tumay02"].loads, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SelectTest, TheFiveChartPicturesAreDistinct) {
    const auto pictures = ChartPictures();
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        ASSERT_FALSE(pictures[i].isNull());
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_NE(pictures[i].toImage(), pictures[j].toImage()) << i << " " << j;
    }
}

TEST_F(SelectTest, ClearedSlotsAreClosedUpOnNext) {
    Open(2);
    ClickSlot(0);
    ClickSlot(2);
    EXPECT_EQ(Shown(), std::vector<int>({-1, 1, -1, 3}));
    ClickSlot(2); // an empty slot stays empty
    EXPECT_EQ(Shown(), std::vector<int>({-1, 1, -1, 3}));
    Click("CmdNext");
    EXPECT_EQ(Shown(), std::vector<int>({1, 3, -1, -1}));
    EXPECT_EQ(Decl().selection.ChartOrder, "1 3");
}

TEST_F(SelectTest, PicksFillTheFirstEmptySlotWithChartsTheMethodAccepts) {
    Open(2);
    ClickSlot(1);
    PickChart(4);
    EXPECT_EQ(Shown(), std::vector<int>({0, 4, 2, 3}));
    PickChart(1); // four slots full: ignored
    EXPECT_EQ(Shown(), std::vector<int>({0, 4, 2, 3}));
    Click("CmdNext");
    EXPECT_EQ(Decl().selection.ChartOrder, "0 4 2 3");
}

TEST_F(SelectTest, TheSameChartTwiceStandsTwiceInTheOrder) {
    Open(3);
    ClickSlot(3);
    ClickSlot(1);
    PickChart(4);
    PickChart(4);
    EXPECT_EQ(Shown(), std::vector<int>({0, 4, 2, 4}));
    Click("CmdNext");
    EXPECT_EQ(Decl().selection.ChartOrder, "0 4 2 4");
}

TEST_F(SelectTest, ProbabilisticAndFuzzyMethodsTakeNoLayerTextAndNoThickness) {
    for (int16_t method : {1, 5}) {
        SCOPED_TRACE(method);
        Open(method);
        EXPECT_FALSE(Control<QGroupBox>("Frame3")->isVisible());
        ClickSlot(3);
        PickChart(4);
        EXPECT_EQ(Shown(), std::vector<int>({0, 1, 2, -1}));
        PickChart(3);
        EXPECT_EQ(Shown(), std::vector<int>({0, 1, 2, 3}));
        Click("CmdNext");
        EXPECT_EQ(Decl().selection.PointsPerLayer, 10);
        EXPECT_EQ(Decl().selection.ChartOrder, "0 1 2 3");
        ProcessEvents();
    }
}

TEST_F(SelectTest, ThicknessPicksSetTheLayersPerDescription) {
    Open(4);
    PickThickness("3"); // the entry already shown, picked again
    EXPECT_EQ(Decl().selection.PointsPerLayer, 9);
    PickThickness("5");
    EXPECT_EQ(Decl().selection.PointsPerLayer, 15);
    PickThickness("3");
    EXPECT_EQ(Decl().selection.PointsPerLayer, 9);
    Click("CmdNext");
    EXPECT_EQ(Decl().selection.PointsPerLayer, 9);
}

TEST_F(SelectTest, NoChartChosenGivesTheMessageAndStays) {
    Decl().selection.ChartOrder = "0 1";
    Open(2);
    for (int i = 0; i < 4; ++i)
        ClickSlot(i);
    Click("CmdNext");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " No Charts were selected for display..  ");
    EXPECT_EQ(messages[0].title, "");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(Decl().selection.ChartOrder, "0 1");
    EXPECT_EQ(probes["Frm_Tumay02"].loads, 0);
    ProcessEvents();
    ASSERT_TRUE(sel);
    EXPECT_TRUE(sel->IsLoaded());
    EXPECT_TRUE(sel->isVisible());
    // The user may still choose and go on.
    PickChart(3);
    Click("CmdNext");
    EXPECT_EQ(Decl().selection.ChartOrder, "3");
    EXPECT_EQ(probes["Frm_Tumay02"].loads, 1);
}

TEST_F(SelectTest, WithoutAMethodNothingIsAcceptedAndNextOnlyCloses) {
    Decl().selection.ManualFlag = true;
    Open(0);
    EXPECT_TRUE(Control<QGroupBox>("Frame3")->isVisible());
    ClickSlot(0);
    PickChart(0);
    EXPECT_EQ(Shown(), std::vector<int>({-1, 1, 2, 3}));
    Click("CmdNext");
    ProcessEvents();
    EXPECT_TRUE(sel.isNull());
    for (const QString& name : kResultWindows)
        EXPECT_EQ(probes[name].loads, 0) << name.toStdString();
    EXPECT_TRUE(Decl().selection.ManualFlag);
    EXPECT_EQ(endProgramCalls, 1); // no window is left open in this test
}

TEST_F(SelectTest, BackClosesAndTheNextVisitStartsAfresh) {
    Decl().selection.ChartOrder = "3 4";
    Open(2);
    ClickSlot(0);
    PickThickness("5");
    Click("CmdCancel");
    ProcessEvents();
    EXPECT_TRUE(sel.isNull());
    EXPECT_EQ(Decl().selection.ChartOrder, "3 4");
    EXPECT_EQ(Decl().selection.PointsPerLayer, 15);
    EXPECT_EQ(probes["Frm_Tumay02"].loads, 0);

    Open(2);
    EXPECT_EQ(Shown(), std::vector<int>({0, 1, 2, 3}));
    EXPECT_EQ(Control<QComboBox>("ComboThick")->currentText(), "3");
    EXPECT_EQ(Decl().selection.PointsPerLayer, 10);
}

// After a manual-layer export the result window that holds the layers loads once more with
// the flag set; the flag is cleared only after it has been shown.
TEST_F(SelectTest, TheManualFlagIsClearedBeforeTheWindowLoads) {
    for (int16_t method : {2, 3, 4, 5}) {
        const QString shown = Q(ResultWindowsFor(method).shown);
        SCOPED_TRACE(shown.toStdString());
        app->windows.Show(shown);
        app->windows.Unload(shown); // its Back key after an export
        Decl().selection.ManualFlag = true;
        Open(method);
        Click("CmdNext");
        EXPECT_EQ(probes[shown].manualFlagAtLoad, std::vector<bool>({false, false}));
        EXPECT_FALSE(Decl().selection.ManualFlag);
    }
}

TEST_F(SelectTest, ProbabilisticMethodLeavesTheFlag) {
    Decl().selection.ManualFlag = true;
    Open(1);
    Click("CmdNext");
    EXPECT_EQ(probes["Frm_Tumay01"].manualFlagAtLoad, std::vector<bool>({true}));
    EXPECT_TRUE(Decl().selection.ManualFlag);
}

struct WindowCase {
    int16_t method;
    QString shown;
    QStringList unloaded;
    QStringList released;
};

class SelectWindowTableTest : public SelectTest,
                              public ::testing::WithParamInterface<WindowCase> {};

// Every other result window is open before Next; the shown one opens on Next.
TEST_P(SelectWindowTableTest, ShowsUnloadsAndReleasesByMethod) {
    const WindowCase& c = GetParam();
    std::map<QString, QPointer<Form>> before;
    for (const QString& name : kResultWindows)
        if (name != c.shown) {
            app->windows.Show(name);
            before[name] = app->windows.Find(name);
        }
    Open(c.method);
    Click("CmdNext");

    ASSERT_NE(app->windows.Find(c.shown), nullptr);
    EXPECT_TRUE(app->windows.Find(c.shown)->isVisible());
    EXPECT_EQ(probes[c.shown].loads, 1);
    EXPECT_EQ(probes[c.shown].unloads, 0);
    for (const auto& [name, form] : before) {
        SCOPED_TRACE(name.toStdString());
        const bool unloaded = c.unloaded.contains(name);
        const bool released = c.released.contains(name);
        EXPECT_EQ(probes[name].unloads, unloaded ? 1 : 0);
        EXPECT_EQ(app->windows.Find(name) == nullptr, released);
        // A released window that was not unloaded stays open.
        ASSERT_TRUE(form);
        EXPECT_EQ(form->isVisible(), !unloaded);
    }
    ProcessEvents();
    EXPECT_TRUE(sel.isNull());
    EXPECT_EQ(app->windows.Find("Frm_Select"), nullptr);
    EXPECT_EQ(endProgramCalls, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, SelectWindowTableTest,
    ::testing::Values(WindowCase{1,
                                 "Frm_Tumay01",
                                 {"Frm_Tumay02", "Frm_Robert86"},
                                 {"Frm_Tumay02", "Frm_Robert86", "Frm_Fuzzy", "Frm_Olsen"}},
                      WindowCase{2,
                                 "Frm_Tumay02",
                                 {"Frm_Robert86"},
                                 {"Frm_Tumay01", "Frm_Robert86", "Frm_Fuzzy", "Frm_Olsen"}},
                      WindowCase{3,
                                 "Frm_Robert86",
                                 {"Frm_Tumay02"},
                                 {"Frm_Tumay01", "Frm_Tumay02", "Frm_Fuzzy", "Frm_Olsen"}},
                      WindowCase{4,
                                 "Frm_Olsen",
                                 {"Frm_Tumay02"},
                                 {"Frm_Tumay01", "Frm_Tumay02", "Frm_Fuzzy", "Frm_Robert86"}},
                      WindowCase{5,
                                 "Frm_Fuzzy",
                                 {"Frm_Tumay02"},
                                 {"Frm_Tumay01", "Frm_Tumay02", "Frm_Robert86", "Frm_Olsen"}}));

} // namespace
