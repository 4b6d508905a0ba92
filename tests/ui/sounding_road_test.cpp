// One sounding from the file window through the project form to the profile window and
// back, with the real windows on the way.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/import/Frm_ConeFactors.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_Titles.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::UiTest;

namespace {
class SoundingRoad : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        CreateHistoryLists(Decl().history);
        Window<Frm_OpenFile>().Show();
    }

    template <class T> T* FileChild(const char* name) {
        auto* file = app->windows.FindAs<Frm_OpenFile>();
        return file == nullptr ? nullptr : file->findChild<T*>(QString::fromLatin1(name));
    }
    // Reads a file with the given units option and title-line count, then goes on to the
    // project form.
    void ReadAndPlot(const QString& path, int unitsOption, const char* titleLines) {
        FileChild<QRadioButton>(qPrintable(QStringLiteral("Opt_Units(%1)").arg(unitsOption)))
            ->click();
        FileChild<QComboBox>("CombTitleLines")->setEditText(QString::fromLatin1(titleLines));
        AnswerNextOpenDialog(path);
        FileChild<QPushButton>("CmdOpenFile")->click();
        ASSERT_EQ(Decl().importSettings.ImportError, 0);
        FileChild<QPushButton>("CmdPlot")->click();
        ASSERT_TRUE(Window<Frm_Titles>().isVisible());
    }
    Frm_CPTData3* Profile() {
        auto* w = app->windows.FindAs<Frm_CPTData3>();
        return w != nullptr && w->isVisible() ? w : nullptr;
    }
    void Back() {
        Profile()->Toolbar1->ButtonByKey("Back")->trigger();
        ProcessEvents();
    }
};
} // namespace

TEST_F(SoundingRoad, SiSoundingIsConvertedOnceAndCancelGivesAFreshFileWindow) {
    QPointer<Form> firstFileWindow = app->windows.Find("Frm_OpenFile");
    ReadAndPlot(test::RealSounding("geolibplus-monnickendam-cptu.txt"), 2, "9");
    Frm_Titles& titles = Window<Frm_Titles>();
    titles.cmbTitle[kBoxProjNum]->setEditText("LA-9");
    titles.cmbTitle[kBoxElev]->setEditText("2.5");
    titles.CmdOK->click();
    ProcessEvents();
    ASSERT_NE(Profile(), nullptr);
    EXPECT_EQ(Profile()->TxtProjNum->text(), "LA-9");
    EXPECT_FALSE(titles.isVisible());
    EXPECT_TRUE(firstFileWindow.isNull());
    const ConeData& cone = Decl().cone;
    EXPECT_EQ(Decl().importSettings.UnitsOption, 1);
    EXPECT_FLOAT_EQ(cone.Depth[1], 1.70f * 3.28084f);
    EXPECT_FLOAT_EQ(cone.Depth[1192], 25.52f * 3.28084f);
    EXPECT_FLOAT_EQ(cone.Qc[1192], 15.316f * 10.44277f);

    // Back shows the form as it was left; a second OK converts nothing.
    Back();
    ASSERT_TRUE(titles.isVisible());
    EXPECT_EQ(titles.cmbTitle[kBoxProjNum]->currentText(), "LA-9");
    const float lastDepth = cone.Depth[1192];
    titles.CmdOK->click();
    ProcessEvents();
    ASSERT_NE(Profile(), nullptr);
    EXPECT_EQ(cone.Depth[1192], lastDepth);
    EXPECT_EQ(Decl().history.HistProject.Count(), 1u);

    Back();
    titles.CmdCancel->click();
    ProcessEvents();
    EXPECT_FALSE(titles.IsLoaded());
    auto* fileWindow = app->windows.FindAs<Frm_OpenFile>();
    ASSERT_NE(fileWindow, nullptr);
    EXPECT_TRUE(fileWindow->isVisible());
    EXPECT_FALSE(FileChild<QPushButton>("CmdPlot")->isEnabled());
    EXPECT_TRUE(FileChild<QRadioButton>("Opt_Units(1)")->isChecked());
    EXPECT_EQ(Decl().importSettings.UnitsOption, 1);
    EXPECT_EQ(Decl().importSettings.NumTitleLines, 10);
    EXPECT_EQ(endProgramCalls, 0);
}

TEST_F(SoundingRoad, MillivoltSampleGoesThroughTheConeFactors) {
    ReadAndPlot(test::ProjectFile("samples/STV-03-millivolt-tab.txt"), 0, "10");
    QPointer<Form> fileWindow = app->windows.Find("Frm_OpenFile");
    Window<Frm_Titles>().CmdOK->click();
    auto* factors = app->windows.FindAs<Frm_ConeFactors>();
    ASSERT_NE(factors, nullptr);
    EXPECT_EQ(Profile(), nullptr);
    EXPECT_EQ(Decl().cone.Qc[1], 0.04199f); // still millivolts
    factors->CmdNext->click();
    ProcessEvents();
    ASSERT_NE(Profile(), nullptr);
    EXPECT_TRUE(fileWindow.isNull());
    EXPECT_FALSE(Window<Frm_Titles>().isVisible());
    EXPECT_FLOAT_EQ(Decl().cone.Depth[1], 0.05f * 3.28084f);
    EXPECT_FLOAT_EQ(Decl().cone.Qc[1], 0.04199f * 50.0f / 0.09576f);
    EXPECT_FLOAT_EQ(Decl().cone.Fs[1], 0.12298f * 0.5f / 0.09576f);
}
