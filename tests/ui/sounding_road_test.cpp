// One sounding from the file window through the project form to the profile window and
// back, with the real windows on the way; soundings with pore-pressure columns once their
// kinds are chosen.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/ChartFX.h"
#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/charts/Frm_CPTData4.h"
#include "ui/import/Frm_ConeFactors.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_Titles.h"
#include "ui/import/PoreKindWindows.h"
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
        ASSERT_TRUE(ReadThroughFileWindow(path));
    }
    Frm_CPTData3* Profile() {
        auto* w = app->windows.FindAs<Frm_CPTData3>();
        return w != nullptr && w->isVisible() ? w : nullptr;
    }
    // The kind of file column 4 chosen in its window (0 u1, 1 u2, 2 u3, 3 other).
    void ChooseColumnFourKind(int option) {
        auto& pore = Window<Frm_Pore1>();
        pore.Show();
        pore.findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(option))->click();
        pore.Command1->click();
    }
    Frm_CPTData4* PoreProfile() {
        auto* w = app->windows.FindAs<Frm_CPTData4>();
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
    // Cancel starts a new sounding: the form closes, and its instance goes with the sounding.
    QPointer<Frm_Titles> closing = &titles;
    titles.CmdCancel->click();
    ProcessEvents();
    EXPECT_TRUE(closing.isNull() || !closing->IsLoaded());
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

TEST_F(SoundingRoad, SampleWithAU2ColumnShowsItsPorePressures) {
    ChooseColumnFourKind(1);
    ASSERT_EQ(Decl().cone.PoreType1, 2);
    ReadAndPlot(test::ProjectFile("samples/STV-04-ft-tsf-u2-no-titles.txt"), 1, "0");
    Window<Frm_Titles>().CmdOK->click();
    ProcessEvents();
    EXPECT_EQ(Profile(), nullptr);
    Frm_CPTData4* w = PoreProfile();
    ASSERT_NE(w, nullptr);
    const platform::ChartFX* pore = w->ChartFX4;
    EXPECT_EQ(pore->Data().TitleText(2),
              QStringLiteral(" Pore Pressure  2 (ton/ft") + QChar(0x00B2) + ") ");
    ASSERT_EQ(pore->Data().PointCount(), 300);
    EXPECT_EQ(pore->Data().SeriesList(0).PointXValue(0), 0.009f);
    EXPECT_EQ(pore->Data().SeriesList(0).PointXValue(2), -0.005f);
    EXPECT_EQ(pore->Data().SeriesList(0).PointXValue(299), 7.039f);
    EXPECT_EQ(pore->Data().AxisList(0).AxisMin(), 60.0f);
    // The corrected tip resistance takes the u2 column.
    EXPECT_FLOAT_EQ(Decl().cone.Qt[300], 29.83f - 0.41f * 7.039f);

    w->Toolbar1->ButtonByKey("Back")->trigger();
    ProcessEvents();
    EXPECT_TRUE(Window<Frm_Titles>().isVisible());
}

TEST_F(SoundingRoad, SiSoundingWithAU1ColumnIsShownInTsf) {
    ChooseColumnFourKind(0);
    ReadAndPlot(test::RealSounding("geolibplus-bro-predrilled-u1.txt"), 2, "9");
    Window<Frm_Titles>().CmdOK->click();
    ProcessEvents();
    Frm_CPTData4* w = PoreProfile();
    ASSERT_NE(w, nullptr);
    const ConeData& cone = Decl().cone;
    ASSERT_EQ(cone.NumPoints, 915);
    EXPECT_TRUE(w->ChartFX4->Data().TitleText(2).startsWith(" Pore Pressure  1 "));
    // The u1 of 0.016 MPa of the first reading, in ton/ft2 like its qc.
    EXPECT_FLOAT_EQ(static_cast<float>(*w->ChartFX4->Data().SeriesList(0).PointXValue(0)),
                    0.016f * 10.44277f);
    EXPECT_FLOAT_EQ(cone.Qc[1], 3.305f * 10.44277f);
    EXPECT_EQ(w->ChartFX4->Data().PointCount(), 915);
    EXPECT_EQ(w->ChartFX4->Data().AxisList(0).AxisMax(), cone.Depth[1]);
    EXPECT_EQ(w->ChartFX4->Data().AxisList(0).AxisMin(), cone.Depth[915]);
}
