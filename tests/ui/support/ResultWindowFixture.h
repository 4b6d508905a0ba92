#pragma once
// Fixture of the result-window tests: a sounding made to measure, a result window (the
// Schmertmann window unless another is named) opened on it with a chart order or reached from
// the profile window through the chart selection, and readers of what its charts hold.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/state/HistoryLists.h"
#include "platform/ChartAnnotation.h"
#include "platform/ChartFX.h"
#include "platform/ImageControl.h"
#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/results/Frm_Select.h"
#include "ui/results/Frm_Tumay02.h"
#include "ui/support/StandInForm.h"
#include "ui/support/UiTest.h"

namespace strelvan::test {

// qc and fs in ton/ft2 at a depth in ft.
using Reading = std::function<std::pair<float, float>(float depth)>;

// Clay above 10 ft, sand from 10 to 20 ft, silty soil below.
inline std::pair<float, float> Layered(float depth) {
    if (depth < 10.0f)
        return {8.0f, 0.3f};
    if (depth < 20.0f)
        return {150.0f, 0.9f};
    return {40.0f, 1.2f};
}

class ResultWindowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegisterStandIns(*app, {"Frm_Manual", "Frm_Export"});
        CreateHistoryLists(Decl().history);
        Decl().importSettings.FileName = "C:/soundings/levee-7.txt";
        ChartSelection& s = Decl().selection;
        s.MethodCode = 2;
        s.ChartOrder = "0 1 2 3";
        s.PointsPerLayer = 10;
        s.ManualFlag = false;
    }

    // Readings every 0.1 ft from 0.1 ft down to lastDepth (a multiple of 0.1 ft); the grid
    // then has Int(lastDepth / 0.328) layers.
    void Sounding(float lastDepth, const Reading& reading = Layered) {
        ConeData& cone = Decl().cone;
        cone = ConeData{};
        const int n = static_cast<int>(lastDepth * 10.0f + 0.5f);
        for (int i = 1; i <= n; ++i) {
            const float d = static_cast<float>(i) / 10.0f;
            const auto [qc, fs] = reading(d);
            cone.Depth[static_cast<std::size_t>(i)] = d;
            cone.Qc[static_cast<std::size_t>(i)] = qc;
            cone.Qt[static_cast<std::size_t>(i)] = qc;
            cone.Fs[static_cast<std::size_t>(i)] = fs;
        }
        cone.NumPoints = static_cast<int16_t>(n);
    }
    // A sounding whose grid has exactly n layers: its last reading is the first tenth of a
    // foot past n x 0.328 ft.
    void SoundingOfLayers(int n) { Sounding(std::ceil(n * 3.28f + 0.01f) / 10.0f); }

    template <class F = Frm_Tumay02> F& Open(const std::string& order) {
        Decl().selection.ChartOrder = order;
        auto& w = Window<F>();
        w.Show();
        ProcessEvents();
        return w;
    }

    // From the profile window's Classify Soil menu, entry `method`, through the chart
    // selection (choose sets its charts and layer thickness on the way) to the window named
    // `result`, which Next shows; the selection is gone by then. nullptr, with a failure,
    // when the profile window or the selection is not on show.
    Form* ClassifyThroughSelection(int16_t method, const QString& result,
                                   const std::function<void(Frm_Select&)>& choose = {}) {
        auto* profile = app->windows.FindAs<Frm_CPTData3>();
        EXPECT_TRUE(profile && profile->isVisible());
        if (profile == nullptr)
            return nullptr;
        profile->munSubCS[static_cast<std::size_t>(method - 1)]->trigger();
        EXPECT_EQ(Decl().selection.MethodCode, method);
        auto* select = app->windows.FindAs<Frm_Select>();
        EXPECT_TRUE(select && select->isVisible());
        if (select == nullptr)
            return nullptr;
        if (choose)
            choose(*select);
        QTest::mouseClick(select->findChild<QPushButton*>("CmdNext"), Qt::LeftButton);
        ProcessEvents();
        EXPECT_FALSE(app->windows.IsLoaded("Frm_Select"));
        return app->windows.Find(result);
    }
    template <class F>
    F* ClassifyThroughSelection(int16_t method,
                                const std::function<void(Frm_Select&)>& choose = {}) {
        return qobject_cast<F*>(
            ClassifyThroughSelection(method, QString::fromLatin1(F::kFormName), choose));
    }

    // A choice in the selection window: the layer text in place of the sleeve friction.
    static void TextInPlaceOfSleeve(Frm_Select& select) {
        QTest::mouseClick(select.findChild<platform::ImageControl*>("Image1(1)"), Qt::LeftButton);
        auto* charts = select.findChild<QComboBox*>("ComboChart");
        charts->setCurrentIndex(4);
        emit charts->activated(4);
    }

    // The result windows (the family and the probability window) by their toolbar and charts.
    template <class W> static void Click(W& w, const char* key) {
        w.Toolbar1->ButtonByKey(QString::fromLatin1(key))->trigger();
    }

    template <class W> static platform::ChartFX& Chart(W& w, int k) {
        return *w.ChartFX[static_cast<std::size_t>(k)];
    }

    // The labels (kind Text) or lines (kind Line) on a chart, in the order they were added.
    static std::vector<const platform::ChartAnnotationObject*>
    Objects(const platform::ChartFX& chart, platform::AnnotationKind kind) {
        std::vector<const platform::ChartAnnotationObject*> found;
        for (const auto& list : chart.Data().Annotations())
            for (int i = 0; i < list->Count(); ++i)
                if (list->Item(i).Kind() == kind)
                    found.push_back(&list->Item(i));
        return found;
    }
    static std::vector<const platform::ChartAnnotationObject*>
    Labels(const platform::ChartFX& chart) {
        return Objects(chart, platform::AnnotationKind::Text);
    }
    static std::vector<const platform::ChartAnnotationObject*>
    Lines(const platform::ChartFX& chart) {
        return Objects(chart, platform::AnnotationKind::Line);
    }
    // The position values at which the objects stand.
    static std::vector<double>
    Positions(const std::vector<const platform::ChartAnnotationObject*>& objects) {
        std::vector<double> values;
        for (const auto* o : objects) {
            EXPECT_EQ(o->VerticalPlace().mode, platform::ChartPlace::Mode::Value);
            values.push_back(o->VerticalPlace().value);
        }
        return values;
    }
};

} // namespace strelvan::test
