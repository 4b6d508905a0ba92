// A sounding from its file to the result windows of the chart methods: the file window, the
// project form, the profile window's Classify Soil menu and the chart selection, as the user
// goes.
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "engine/charts/SoilTypeLegend.h"
#include "engine/classification/LayerBlocks.h"
#include "engine/classification/Methods.h"
#include "engine/import/ConeReader.h"
#include "engine/import/ProjectEntry.h"
#include "engine/import/Units.h"
#include "platform/Text.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_Titles.h"
#include "ui/results/Frm_Select.h"
#include "ui/support/ResultWindowFixture.h"
#include "ui/support/Soundings.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::ResultWindowTest;

namespace {

const MethodRow& kSchmertmann = RowOf(Method::Schmertmann);
const MethodRow& kRobertson = RowOf(Method::Robertson86);
const MethodRow& kOlsen = RowOf(Method::DouglasOlsen);

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

    // Reads a sample file in the file window with the units picked there and confirms the
    // project form with a ground elevation; the profile window is then on show, and the file
    // window's report of the read is the only message so far.
    QString OpenSample(const char* file, int unitsOption) {
        auto& open = Window<Frm_OpenFile>();
        open.Show();
        Child<QRadioButton>(open, qPrintable(QStringLiteral("Opt_Units(%1)").arg(unitsOption)))
            ->click();
        const QString path = test::ProjectFile(QStringLiteral("samples/") + file);
        EXPECT_TRUE(ReadThroughFileWindow(path));
        auto& titles = Window<Frm_Titles>();
        titles.cmbTitle[kBoxElev]->setEditText("8.5");
        titles.CmdOK->click();
        ProcessEvents();
        EXPECT_EQ(messages.size(), 1u);
        messages.clear();
        return path;
    }

    // From the profile window's Classify Soil menu through the selection to the result
    // window, with the charts and the layer thickness picked on the way.
    ResultWindow* ClassifyBy(const MethodRow& method,
                             const std::function<void(Frm_Select&)>& choose = {}) {
        return qobject_cast<ResultWindow*>(ClassifyThroughSelection(
            method.Code(), QString::fromLatin1(method.resultWindow), choose));
    }

    // The layer text in place of the sleeve friction, layers of 3 ft.
    static void TextInPlaceOfSleeveIn3ft(Frm_Select& select) {
        TextInPlaceOfSleeve(select);
        auto* thick = Child<QComboBox>(select, "ComboThick");
        Pick(thick, thick->findText("3"));
    }

    // What a window classified by the method must show, whatever the sounding.
    void ExpectClassifiedAndDescribed(ResultWindow& w, const MethodRow& method) {
        const LayerGrid& g = Decl().grid;
        const int n = g.NumLayers;
        ASSERT_GT(n, 10);
        std::set<int> types;
        for (int k = 1; k <= n; ++k) {
            const auto i = static_cast<std::size_t>(k);
            const int type = (Decl().results.*method.types)[i];
            ASSERT_GE(type, 0);
            ASSERT_LE(type, method.typeCount);
            ASSERT_GT(g.LayerQc[i], 0.0f);
            ASSERT_GE(g.LayerRatio[i], 0.0f) << k;
            ASSERT_LE(g.LayerRatio[i], 20.0f) << k;
            types.insert(type);
        }
        EXPECT_GE(types.size(), 2u);
        ChartFX& soil = Chart(w, 3);
        ASSERT_EQ(soil.Data().PointCount(), n);
        int coloured = 0;
        for (int i = 0; i < n; ++i)
            coloured += soil.Data().PointColor(i).has_value() ? 1 : 0;
        EXPECT_GT(coloured, n * 9 / 10);

        ChartFX& text = Chart(w, 4);
        const auto blocks = AutomaticLayerBlocks(n, Decl().selection.PointsPerLayer);
        ASSERT_TRUE(blocks);
        const auto labels = Labels(text);
        ASSERT_EQ(labels.size(), blocks->blocks.size());
        for (const auto* label : labels)
            EXPECT_FALSE(label->Text().trimmed().isEmpty());
        EXPECT_EQ(Chart(w, 0).Data().PointCount(), n);
        EXPECT_EQ(Chart(w, 2).Data().PointCount(), n);
    }

    static QString AllLabels(const ChartFX& chart) {
        QString all;
        for (const auto* label : Labels(chart))
            all += label->Text() + "|";
        return all;
    }
};

} // namespace

TEST_F(ResultFlow, FromASampleFileToTheSchmertmannWindow) {
    const QString path = OpenSample("STV-01-ft-tsf-comma.txt", 1);
    ResultWindow* w = ClassifyBy(kSchmertmann, TextInPlaceOfSleeveIn3ft);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_EQ(w->windowTitle(),
              " Classification using: Schmertmann (1978) - File: " + QString(path));
    EXPECT_EQ(Decl().selection.ChartOrder, "0 4 2 3");
    EXPECT_EQ(Decl().selection.PointsPerLayer, 9);
    EXPECT_EQ(w->ChartSlot, (std::array<int16_t, 4>{0, 4, 2, 3}));
    ExpectClassifiedAndDescribed(*w, kSchmertmann);
    EXPECT_EQ(Decl().grid.NumLayers, 182); // 59.8 ft
    // The sample's clay and sand layers are named on the chart.
    const QString all = AllLabels(Chart(*w, 4));
    EXPECT_TRUE(all.contains("Clay")) << all.toStdString();
    EXPECT_TRUE(all.contains("Sand")) << all.toStdString();
    EXPECT_EQ(Labels(Chart(*w, 4))[0]->FontSize(), 7);

    // Against elevation and back; then back to the selection.
    Click(*w, "YAxis");
    EXPECT_EQ(Chart(*w, 0).Data().SeriesList(0).PointValue(0), 8.5f - Decl().grid.LayerDepth[1]);
    Click(*w, "Back");
    ProcessEvents();
    EXPECT_FALSE(w->IsLoaded());
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Select"));
    EXPECT_TRUE(app->windows.IsLoaded("Frm_CPTData3"));
    EXPECT_EQ(endProgramCalls, 0);
}

TEST_F(ResultFlow, FromASampleFileToTheRobertsonAndThenTheOlsenWindow) {
    const QString path = OpenSample("STV-02-m-mpa-blank.txt", 2);
    ResultWindow* robertson = ClassifyBy(kRobertson, TextInPlaceOfSleeveIn3ft);
    ASSERT_NE(robertson, nullptr);
    EXPECT_TRUE(robertson->isVisible());
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_EQ(robertson->windowTitle(),
              " Classification using: Robertson et al. (1986) - File: " + QString(path));
    EXPECT_EQ(robertson->ChartSlot, (std::array<int16_t, 4>{0, 4, 2, 3}));
    ExpectClassifiedAndDescribed(*robertson, kRobertson);
    const QString zones = AllLabels(Chart(*robertson, 4));
    EXPECT_TRUE(zones.contains("Clay")) << zones.toStdString();
    EXPECT_TRUE(zones.contains("Sand")) << zones.toStdString();

    // Back to the selection and on to Douglas and Olsen, which closes the Robertson window.
    Click(*robertson, "Back");
    ProcessEvents();
    auto* select = app->windows.FindAs<Frm_Select>();
    ASSERT_NE(select, nullptr);
    QTest::mouseClick(Child<QPushButton>(*select, "CmdCancel"), Qt::LeftButton);
    ProcessEvents();
    ResultWindow* olsen = ClassifyBy(kOlsen);
    ASSERT_NE(olsen, nullptr);
    EXPECT_TRUE(olsen->isVisible());
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Robert86"));
    EXPECT_EQ(olsen->windowTitle(),
              " Classification using: Douglas and Olsen - File: " + QString(path));
    EXPECT_EQ(Decl().selection.ChartOrder, "0 1 2 3");
    Decl().selection.ChartOrder = "0 2 3 4";
    olsen->SelectChart();
    ExpectClassifiedAndDescribed(*olsen, kOlsen);
    EXPECT_TRUE(AllLabels(Chart(*olsen, 4)).contains("Clay"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ResultFlow, RealSoundingsThroughTheWindows) {
    const std::pair<const char*, const MethodRow*> runs[] = {
        {"pygef-cpt2-waternet-soft.txt", &kSchmertmann},
        {"pileresponse-example-cptu.txt", &kSchmertmann},
        {"geolibplus-bro-179092-short.txt", &kSchmertmann},
        {"pygef-cpt-mos-cptu.txt", &kRobertson},
        {"pygef-cpt4-sand.txt", &kOlsen}};
    for (const auto& [file, method] : runs) {
        SCOPED_TRACE(file);
        messages.clear();
        ASSERT_TRUE(test::ReadRealSoundingNamed(Decl(), file));
        Window<Frm_CPTData3>().Show();
        ResultWindow* w = ClassifyBy(*method);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(messages.empty()) << messages.front().text;
        EXPECT_EQ(Decl().selection.ChartOrder, "0 1 2 3");
        // The layer texts as well.
        Decl().selection.ChartOrder = "0 2 3 4";
        w->SelectChart();
        ExpectClassifiedAndDescribed(*w, *method);
        app->windows.UnloadAndRelease(method->resultWindow);
        app->windows.UnloadAndRelease("Frm_CPTData3");
        ProcessEvents();
    }
}
