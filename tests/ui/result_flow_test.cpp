// A sounding from its file to the Schmertmann window: the file window, the project form,
// the profile window's Classify Soil menu and the chart selection, as the user goes.
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <set>

#include "engine/charts/SoilTypeLegend.h"
#include "engine/classification/LayerBlocks.h"
#include "engine/import/ConeReader.h"
#include "engine/import/ProjectEntry.h"
#include "engine/import/Units.h"
#include "platform/ImageControl.h"
#include "platform/Text.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_Titles.h"
#include "ui/results/Frm_Select.h"
#include "ui/support/ResultWindowFixture.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::ResultWindowTest;

namespace {

class ResultFlow : public ResultWindowTest {
protected:
    template <class T> static T* Child(QWidget& w, const char* name) {
        T* c = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static void Pick(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // From the profile window's Classify Soil menu through the selection to the result
    // window, with the charts and the layer thickness picked on the way.
    Frm_Tumay02* ClassifyBySchmertmann(const std::function<void(Frm_Select&)>& choose) {
        auto* profile = app->windows.FindAs<Frm_CPTData3>();
        EXPECT_TRUE(profile && profile->isVisible());
        if (profile == nullptr)
            return nullptr;
        profile->munSubCS[1]->trigger();
        EXPECT_EQ(Decl().selection.MethodCode, 2);
        auto* select = app->windows.FindAs<Frm_Select>();
        EXPECT_TRUE(select && select->isVisible());
        if (select == nullptr)
            return nullptr;
        choose(*select);
        QTest::mouseClick(Child<QPushButton>(*select, "CmdNext"), Qt::LeftButton);
        ProcessEvents();
        EXPECT_FALSE(app->windows.IsLoaded("Frm_Select"));
        return app->windows.FindAs<Frm_Tumay02>();
    }

    // What a classified window must show, whatever the sounding.
    void ExpectClassifiedAndDescribed(Frm_Tumay02& w) {
        const LayerGrid& g = Decl().grid;
        const int n = g.NumLayers;
        ASSERT_GT(n, 10);
        std::set<int> types;
        for (int k = 1; k <= n; ++k) {
            const int type = Decl().results.TypeTumay02[static_cast<std::size_t>(k)];
            ASSERT_GE(type, 0);
            ASSERT_LE(type, 16);
            ASSERT_GT(g.LayerQc[static_cast<std::size_t>(k)], 0.0f);
            ASSERT_LE(g.LayerRatio[static_cast<std::size_t>(k)], 6.0f) << k;
            types.insert(type);
        }
        EXPECT_GE(types.size(), 2u);
        ChartFX& soil = Chart(w, 3);
        ASSERT_EQ(soil.PointCount(), n);
        int coloured = 0;
        for (int i = 0; i < n; ++i)
            coloured += soil.PointColor(i).has_value() ? 1 : 0;
        EXPECT_GT(coloured, n * 9 / 10);

        ChartFX& text = Chart(w, 4);
        const auto blocks = AutomaticLayerBlocks(n, Decl().selection.PointsPerLayer);
        ASSERT_TRUE(blocks);
        const auto labels = Labels(text);
        ASSERT_EQ(labels.size(), blocks->blocks.size());
        for (const auto* label : labels)
            EXPECT_FALSE(label->Text().trimmed().isEmpty());
        EXPECT_EQ(Chart(w, 0).PointCount(), n);
        EXPECT_EQ(Chart(w, 2).PointCount(), n);
    }
};

} // namespace

TEST_F(ResultFlow, FromASampleFileToTheSchmertmannWindow) {
    auto& open = Window<Frm_OpenFile>();
    open.Show();
    const QString path = test::ProjectFile("samples/STV-01-ft-tsf-comma.txt");
    AnswerNextOpenDialog(path);
    QTest::mouseClick(Child<QPushButton>(open, "CmdOpenFile"), Qt::LeftButton);
    ASSERT_EQ(Decl().importSettings.ImportError, 0);
    QTest::mouseClick(Child<QPushButton>(open, "CmdPlot"), Qt::LeftButton);
    auto& titles = Window<Frm_Titles>();
    ASSERT_TRUE(titles.isVisible());
    titles.cmbTitle[kBoxElev]->setEditText("8.5");
    titles.CmdOK->click();
    ProcessEvents();
    const std::size_t messagesBefore = messages.size();

    Frm_Tumay02* w = ClassifyBySchmertmann([&](Frm_Select& select) {
        // The layer text in place of the sleeve friction, layers of 3 ft.
        QTest::mouseClick(Child<platform::ImageControl>(select, "Image1(1)"), Qt::LeftButton);
        auto* charts = Child<QComboBox>(select, "ComboChart");
        Pick(charts, 4);
        auto* thick = Child<QComboBox>(select, "ComboThick");
        Pick(thick, thick->findText("3"));
    });
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(messages.size(), messagesBefore) << messages.back().text;
    EXPECT_EQ(w->windowTitle(),
              " Classification using: Schmertmann (1978) - File: " + QString(path));
    EXPECT_EQ(Decl().selection.ChartOrder, "0 4 2 3");
    EXPECT_EQ(Decl().selection.PointsPerLayer, 9);
    EXPECT_EQ(w->ChartSlot, (std::array<int16_t, 4>{0, 4, 2, 3}));
    ExpectClassifiedAndDescribed(*w);
    EXPECT_EQ(Decl().grid.NumLayers, 182); // 59.8 ft
    // The sample's clay and sand layers are named on the chart.
    QString all;
    for (const auto* label : Labels(Chart(*w, 4)))
        all += label->Text() + "|";
    EXPECT_TRUE(all.contains("Clay")) << all.toStdString();
    EXPECT_TRUE(all.contains("Sand")) << all.toStdString();
    EXPECT_EQ(Labels(Chart(*w, 4))[0]->FontSize(), 7);

    // Against elevation and back; then back to the selection.
    Click(*w, "YAxis");
    EXPECT_EQ(Chart(*w, 0).SeriesList(0).PointValue(0), 8.5f - Decl().grid.LayerDepth[1]);
    Click(*w, "Back");
    ProcessEvents();
    EXPECT_FALSE(w->IsLoaded());
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Select"));
    EXPECT_TRUE(app->windows.IsLoaded("Frm_CPTData3"));
    EXPECT_EQ(endProgramCalls, 0);
}

TEST_F(ResultFlow, RealSoundingsThroughTheWindow) {
    const char* files[][2] = {{"pygef-cpt2-waternet-soft.txt", "8"},
                              {"pileresponse-example-cptu.txt", "8"},
                              {"geolibplus-bro-179092-short.txt", "8"}};
    for (const auto& [file, titleLines] : files) {
        SCOPED_TRACE(file);
        messages.clear();
        ImportSettings& settings = Decl().importSettings;
        settings.FileName = S(test::RealSounding(file));
        settings.NumTitleLines = static_cast<int16_t>(std::atoi(titleLines));
        settings.UnitsOption = 2;
        ReadConeData(settings, Decl().cone);
        ASSERT_EQ(settings.ImportError, 0);
        ASSERT_TRUE(ConvertMetric(Decl().cone, settings).converted);
        Window<Frm_CPTData3>().Show();
        Frm_Tumay02* w = ClassifyBySchmertmann([](Frm_Select&) {});
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(messages.empty()) << messages.front().text;
        EXPECT_EQ(Decl().selection.ChartOrder, "0 1 2 3");
        // The layer texts as well.
        Decl().selection.ChartOrder = "0 2 3 4";
        w->SelectChart();
        ExpectClassifiedAndDescribed(*w);
        app->windows.UnloadAndRelease("Frm_Tumay02");
        app->windows.UnloadAndRelease("Frm_CPTData3");
        ProcessEvents();
    }
}
