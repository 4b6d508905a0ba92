#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

#include "platform/ChartFX.h"
#include "platform/Printer.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/properties/Frm_SoilFactors.h"
#include "ui/support/Soundings.h"
#include "ui/support/StandInForm.h"
#include "ui/support/TestPrinter.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::UiTest;

namespace {

using test::kTsf;

class CPTData3Window : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        test::RegisterStandIns(*app, {"Frm_SoilFactors", "Frm_Export"});
        CreateHistoryLists(Decl().history);
        test::LeveeProject(Decl());
    }

    void Sounding(float lastDepth) { test::EvenSounding(Decl().cone, lastDepth); }

    Frm_CPTData3& Open() {
        auto& w = Window<Frm_CPTData3>();
        w.Show();
        ProcessEvents();
        return w;
    }

    void Click(Frm_CPTData3& w, const char* key) { w.Toolbar1->ButtonByKey(key)->trigger(); }

    void CutAt(Frm_CPTData3& w, const QString& text) {
        w.Combo1->setEditText(text);
        Click(w, "Depth");
    }

    static QStringList Items(const QComboBox* box) {
        QStringList items;
        for (int k = 0; k < box->count(); ++k)
            items << box->itemText(k);
        return items;
    }
};

} // namespace

TEST_F(CPTData3Window, LoadingCleansTheReadingsAndFillsTheWindow) {
    Sounding(60);
    ConeData& cone = Decl().cone;
    cone.Qc[3] = 0;     // plotted as 1
    cone.Qc[4] = -2;    // plotted as 1
    cone.Fs[5] = -0.1f; // plotted as 0
    cone.Fs[6] = 30.0f; // ratio far above 20
    auto& w = Open();
    EXPECT_EQ(w.windowTitle(), "CPT Data -  File:  C:/soundings/levee-7.txt");
    test::ExpectLeveeBoxes(w);

    EXPECT_EQ(cone.Qc[3], 1);
    EXPECT_EQ(cone.Qc[4], 1);
    EXPECT_EQ(cone.Fs[5], 0);
    EXPECT_EQ(cone.Ratio[5], 0);
    EXPECT_EQ(cone.Ratio[6], 20);
    EXPECT_EQ(w.PlotCount, 120);
    EXPECT_EQ(w.MaxQc, 80);
    EXPECT_EQ(w.MaxRatio, 20);
    EXPECT_EQ(w.AxisMode(), 1);
    EXPECT_EQ(Items(w.Combo1), QStringList({"0", "10", "20", "30", "40", "50", "60"}));
    EXPECT_EQ(w.Combo1->currentText(), "");
}

TEST_F(CPTData3Window, ThreeChartsHoldTheProfiles) {
    Sounding(60);
    auto& w = Open();
    const ConeData& cone = Decl().cone;
    ChartFX* charts[] = {w.ChartFX1, w.ChartFX2, w.ChartFX3};
    EXPECT_EQ(w.ChartFX1->Data().TitleText(2), " Tip Resistance (" + kTsf + ") ");
    EXPECT_EQ(w.ChartFX2->Data().TitleText(2), " Sleeve Resistance (" + kTsf + ") ");
    EXPECT_EQ(w.ChartFX3->Data().TitleText(2), " Sleeve/Tip Ratio (%) ");
    EXPECT_EQ(w.ChartFX1->Data().TitleColor(2), 0xFF0000);
    EXPECT_EQ(w.ChartFX2->Data().TitleColor(2), 0);
    EXPECT_EQ(w.ChartFX3->Data().TitleColor(2), 0x0000FF);
    EXPECT_EQ(w.ChartFX1->Data().AxisList(0).AxisTitle(), "Depth (ft)");
    EXPECT_EQ(w.ChartFX1->Data().AxisList(0).AxisFontSize(), 10);
    EXPECT_EQ(w.ChartFX2->Data().AxisList(0).AxisTitle(), "");
    EXPECT_EQ(w.ChartFX1->Data().ChartSetting5(), std::nullopt);
    EXPECT_EQ(w.ChartFX2->Data().ChartSetting5(), 10);
    EXPECT_EQ(w.ChartFX3->Data().ChartSetting5(), 10);
    for (ChartFX* c : charts) {
        EXPECT_EQ(c->Data().ChartSetting7(), 50);
        EXPECT_EQ(c->Data().ChartSetting16(), 2);
        EXPECT_EQ(c->Data().PointCount(), 120);
        EXPECT_FALSE(c->Data().DataOpen(platform::kChartValues));
        // Depth from the first reading at the top to the last one plotted at the bottom.
        EXPECT_EQ(c->Data().AxisList(0).AxisMax(), 0.5f);
        EXPECT_EQ(c->Data().AxisList(0).AxisMin(), 60.0f);
        EXPECT_LT(c->VerticalPixel(0.5), c->VerticalPixel(60));
        EXPECT_EQ(c->Data().SeriesList(0).PointValue(119), 60.0f);
    }
    EXPECT_EQ(w.ChartFX1->Data().SeriesList(0).PointXValue(9), cone.Qc[10]);
    EXPECT_EQ(w.ChartFX2->Data().SeriesList(0).PointXValue(9), cone.Fs[10]);
    EXPECT_EQ(w.ChartFX3->Data().SeriesList(0).PointXValue(9), cone.Ratio[10]);
    // Value-axis steps: Int(max / 6) when above 1, else as stored.
    EXPECT_EQ(w.ChartFX1->Data().AxisList(2).AxisStep(), 13.0);         // max qc 80
    EXPECT_EQ(w.ChartFX2->Data().AxisList(2).AxisStep(), std::nullopt); // max fs 0.8
    EXPECT_EQ(w.ChartFX3->Data().AxisList(2).AxisStep(), std::nullopt); // max ratio about 1.3
}

TEST_F(CPTData3Window, DepthListEndsWithAnUnevenLastDepth) {
    Sounding(64.5f);
    auto& w = Open();
    EXPECT_EQ(Items(w.Combo1), QStringList({"0", "10", "20", "30", "40", "50", "60", "64.5"}));
}

TEST_F(CPTData3Window, DepthKeyCutsAllThreeProfiles) {
    Sounding(60);
    auto& w = Open();
    CutAt(w, "30");
    EXPECT_EQ(w.PlotCount, 60); // reading 60 is at 30 ft
    for (ChartFX* c : {w.ChartFX1, w.ChartFX2, w.ChartFX3}) {
        EXPECT_EQ(c->Data().PointCount(), 60);
        EXPECT_EQ(c->Data().AxisList(0).AxisMin(), 30.0f); // the last plotted reading, on the chart
    }
    EXPECT_EQ(w.MaxQc, 80); // not recomputed for the cut

    CutAt(w, "100"); // beyond the last reading: the count stays
    EXPECT_EQ(w.PlotCount, 60);
    EXPECT_EQ(w.ChartFX2->Data().PointCount(), 60);

    CutAt(w, "0.2"); // above the first reading: one reading
    EXPECT_EQ(w.PlotCount, 1);
    EXPECT_EQ(w.ChartFX1->Data().PointCount(), 1);
    EXPECT_EQ(w.ChartFX1->Data().AxisList(0).AxisMax(), 0.5f);
    EXPECT_EQ(w.ChartFX1->Data().AxisList(0).AxisMin(), 0.5f);

    CutAt(w, ""); // empty: the last reading's depth
    EXPECT_EQ(w.Combo1->currentText(), "60");
    EXPECT_EQ(w.PlotCount, 120);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CPTData3Window, DepthThatIsNotANumberChangesNothing) {
    Sounding(60);
    auto& w = Open();
    CutAt(w, "30");
    CutAt(w, "thirty");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " The depth to plot to must be a number. ");
    EXPECT_EQ(messages[0].title, " Data Plot Message");
    EXPECT_EQ(w.PlotCount, 60);
    EXPECT_EQ(w.ChartFX3->Data().PointCount(), 60);
    EXPECT_EQ(w.Combo1->currentText(), "thirty");
}

TEST_F(CPTData3Window, ToggleWithoutElevationOnlyTells) {
    Sounding(60);
    auto& w = Open();
    Click(w, "YAxis");
    ExpectElevationRefused();
    EXPECT_EQ(w.AxisMode(), 1);
    EXPECT_EQ(w.ChartFX1->Data().AxisList(0).AxisTitle(), "Depth (ft)");
    EXPECT_EQ(w.ChartFX1->Data().SeriesList(0).PointValue(0), 0.5f);
}

TEST_F(CPTData3Window, ToggleWithElevationPlotsElevationsUpward) {
    Sounding(64.5f);
    Decl().project.GroundElev = 12.5f;
    auto& w = Open();
    EXPECT_EQ(w.TxtElevation->text(), "12.5");
    CutAt(w, "30");
    Click(w, "YAxis");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.AxisMode(), -1);
    EXPECT_EQ(w.PlotCount, 60); // the cut stays
    EXPECT_EQ(w.ChartFX1->Data().AxisList(0).AxisTitle(), "Elevation (ft)");
    EXPECT_EQ(Items(w.Combo1),
              QStringList({"12.5", "2.5", "-7.5", "-17.5", "-27.5", "-37.5", "-47.5", "-52"}));
    EXPECT_EQ(w.Combo1->currentText(), "");
    for (ChartFX* c : {w.ChartFX1, w.ChartFX2, w.ChartFX3}) {
        EXPECT_EQ(c->Data().SeriesList(0).PointValue(0), 12.0f);
        EXPECT_EQ(c->Data().AxisList(0).AxisMax(), 12.0f);
        EXPECT_EQ(c->Data().AxisList(0).AxisMin(), -17.5f);
        EXPECT_LT(c->VerticalPixel(12), c->VerticalPixel(-17.5)); // the highest at the top
    }
    CutAt(w, "-10"); // the first reading at or below -10 ft is at 22.5 ft depth
    EXPECT_EQ(w.PlotCount, 45);
    Click(w, "YAxis");
    EXPECT_EQ(w.AxisMode(), 1);
    EXPECT_EQ(w.ChartFX1->Data().AxisList(0).AxisTitle(), "Depth (ft)");
    EXPECT_EQ(w.ChartFX1->Data().AxisList(0).AxisMin(), 22.5f);
}

TEST_F(CPTData3Window, ClassifySoilMenuSetsTheMethodAndShowsTheSelection) {
    Sounding(20);
    auto& w = Open();
    EXPECT_EQ(w.munCS->title(), "Classify Soil");
    const QStringList captions = {"Probabilistic Region Estimation (Zhang and Tumay, 1999)",
                                  "Schmertmann, 1978", "Roberston et. al ,1986",
                                  "Douglas and Olsen, 1981",
                                  "Fuzzy Classification (Zhang and Tumay, 1999)"};
    for (int k = 1; k <= 5; ++k) {
        QAction* entry = w.findChild<QAction*>(QStringLiteral("munSubCS%1").arg(k));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->text(), captions[k - 1]);
        app->windows.Unload("Frm_Select");
        entry->trigger();
        EXPECT_EQ(Decl().selection.MethodCode, k);
        EXPECT_TRUE(app->windows.IsLoaded("Frm_Select"));
        EXPECT_TRUE(w.isVisible()); // the profile window stays open
    }
}

TEST_F(CPTData3Window, ToolbarKeysAtTheirPositions) {
    Sounding(20);
    auto& w = Open();
    const char* keys[] = {"Back", "YAxis", "Zoom", "Print", "Export", "Exit", "Depth"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(w.Toolbar1->Item(2 * (i + 1))->objectName(), keys[i]);
    EXPECT_EQ(w.Toolbar1->Item(6)->toolTip(), "Zoom all graphs");
    EXPECT_EQ(w.Toolbar1->Item(8)->toolTip(), "Print All   ");
    EXPECT_EQ(w.Toolbar1->Item(12)->text(), "       ");
    EXPECT_EQ(w.Toolbar1->Item(18)->objectName(), "Properties");
    EXPECT_EQ(w.Toolbar1->Item(18)->text(), "Soil Properties");
    EXPECT_EQ(w.Combo1->parentWidget(), w.Toolbar1);
    EXPECT_TRUE(w.Combo1->isEditable());

    // Print prints a page; Export and Properties hand over by name.
    Click(w, "Print");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(printed->pages.size(), 1u);
    Click(w, "Export");
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Export"));
    // Soil Properties offers the three properties; each opens the soil factors for itself.
    Click(w, "Properties");
    EXPECT_TRUE(w.munSP->isVisible());
    EXPECT_FALSE(app->windows.IsLoaded("Frm_SoilFactors"));
    const QStringList captions = {"Constrained Modulus", "Undrained Shear Strength",
                                  "Overconsolidation Ratio"};
    const int16_t choices[] = {0, 4, 5};
    for (int k = 0; k < 3; ++k) {
        QAction* entry = w.findChild<QAction*>(QStringLiteral("munSubSP%1").arg(k + 1));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->text(), captions[k]);
        entry->trigger(); // the window of the property before stays open: it loads afresh
        ASSERT_TRUE(app->windows.IsLoaded("Frm_SoilFactors"));
        EXPECT_EQ(Decl().props.PropChoice, choices[k]);
        EXPECT_EQ(app->windows.FindAs<Frm_SoilFactors>()->Choice, choices[k]);
    }
    EXPECT_TRUE(w.isVisible());
}

TEST_F(CPTData3Window, BackAndCloseBoxShowTheProjectFormAgain) {
    Sounding(20);
    Form* projectForm = app->windows.Instance("Frm_Titles");
    ASSERT_NE(projectForm, nullptr);
    projectForm->Show();
    projectForm->Hide(); // as it hides when it hands over
    QPointer<Frm_CPTData3> w = &Open();
    Click(*w, "Back");
    ProcessEvents();
    EXPECT_TRUE(projectForm->isVisible());
    EXPECT_TRUE(w.isNull()); // the instance is cleared
    EXPECT_EQ(endProgramCalls, 0);

    projectForm->Hide();
    w = &Open();
    w->close();
    ProcessEvents();
    EXPECT_TRUE(projectForm->isVisible());
    EXPECT_TRUE(w.isNull());
}

TEST_F(CPTData3Window, ExitReleasesTheHistoryAndEndsTheProgram) {
    Sounding(20);
    auto& w = Open();
    Click(w, "Exit");
    // The key itself ends the program; the registry would also end it once no window is
    // left loaded, so the count is read before that can happen.
    EXPECT_EQ(endProgramCalls, 1);
    ProcessEvents();
    EXPECT_FALSE(Decl().history.Created);
    EXPECT_GE(endProgramCalls, 1);
    EXPECT_FALSE(app->windows.IsLoaded("Frm_CPTData3"));
}

TEST_F(CPTData3Window, RealSoundingsAfterConversion) {
    for (const test::RealFile& real : test::kRealFiles) {
        SCOPED_TRACE(real.file);
        ASSERT_TRUE(test::ReadRealSounding(Decl(), real));
        const ConeData& cone = Decl().cone;
        const int n = cone.NumPoints;
        auto& w = Open();
        EXPECT_EQ(w.PlotCount, n);
        for (ChartFX* c : {w.ChartFX1, w.ChartFX2, w.ChartFX3}) {
            EXPECT_EQ(c->Data().PointCount(), n);
            EXPECT_EQ(c->Data().AxisList(0).AxisMax(), cone.Depth[1]);
            EXPECT_EQ(c->Data().AxisList(0).AxisMin(), cone.Depth[n]);
        }
        for (int i = 1; i <= n; ++i) {
            ASSERT_GT(cone.Qc[i], 0) << i;
            ASSERT_GE(cone.Fs[i], 0) << i;
            ASSERT_LE(cone.Ratio[i], 20) << i;
        }
        EXPECT_EQ(w.ChartFX1->Data().SeriesList(0).PointXValue(n - 1), cone.Qc[n]);
        EXPECT_LE(w.MaxRatio, 20);
        app->windows.UnloadAndRelease("Frm_CPTData3");
        ProcessEvents();
    }
}

TEST_F(CPTData3Window, PrintKeyPrintsTheProfilesOfARealSounding) {
    ASSERT_TRUE(test::ReadRealSounding(Decl(), {"pygef-cpt-mos-cptu.txt", 9}));
    Decl().project.GroundElev = -1.25f;
    auto& w = Open();
    printed = test::PrintToImages(150);
    Click(w, "Print");
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(printed->pages.size(), 1u);
    const QImage& sheet = printed->pages[0];
    const QString keep = qEnvironmentVariable("STRELVAN_PAGE_PNG");
    if (!keep.isEmpty())
        sheet.save(keep + "/profile-window-page.png");

    const platform::PrintedPage& page = platform::CurrentPrinter().LastPage();
    EXPECT_EQ(page.orientation, 2);
    EXPECT_GT(sheet.width(), sheet.height());
    QStringList texts;
    for (const platform::PrintedText& t : page.texts)
        texts << t.text;
    EXPECT_EQ(texts, QStringList({"Project Number: ", "LA-1024", "Title: Levee reach 7", "Date: ",
                                  "03/14/2024", "Parish: Orleans", "CPT NO: 7", "Station: 12+50",
                                  "         Offset: 25 L", "Elevation (ft): ", "-1.25"}));
    // The three profiles side by side, each drawn in its own colour inside its rectangle.
    ASSERT_EQ(page.charts.size(), 3u);
    const char* names[] = {"ChartFX1", "ChartFX2", "ChartFX3"};
    const QColor colours[] = {QColor(0, 0, 255), QColor(0, 0, 0), QColor(255, 0, 0)};
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(names[k]);
        const platform::PrintedChart& c = page.charts[k];
        EXPECT_EQ(c.chartName, names[k]);
        int line = 0;
        for (int y = c.top; y < c.bottom; y += 2)
            for (int x = c.left; x < c.right; ++x) {
                const QColor p = sheet.pixelColor(printed->origin + QPoint(x, y));
                if (std::abs(p.red() - colours[k].red()) < 40 &&
                    std::abs(p.green() - colours[k].green()) < 40 &&
                    std::abs(p.blue() - colours[k].blue()) < 40)
                    ++line;
            }
        EXPECT_GT(line, 200);
    }
    // The window and its readings are as they were.
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.ChartFX1->Data().PointCount(), Decl().cone.NumPoints);
}
