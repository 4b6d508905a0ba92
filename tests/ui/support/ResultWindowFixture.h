#pragma once
// Fixture of the result-window tests: a sounding made to measure, a result window (the
// Schmertmann window unless another is named) opened on it with a chart order, and readers
// of what its charts hold.
#include <QAction>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/state/HistoryLists.h"
#include "platform/ChartAnnotation.h"
#include "platform/ChartFX.h"
#include "platform/Toolbar.h"
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

    template <class F = Frm_Tumay02> F& Open(const std::string& order) {
        Decl().selection.ChartOrder = order;
        auto& w = Window<F>();
        w.Show();
        ProcessEvents();
        return w;
    }

    static void Click(ResultWindow& w, const char* key) {
        w.Toolbar1->ButtonByKey(QString::fromLatin1(key))->trigger();
    }

    static platform::ChartFX& Chart(ResultWindow& w, int k) {
        return *w.ChartFX[static_cast<std::size_t>(k)];
    }

    // The labels (kind Text) or lines (kind Line) on a chart, in the order they were added.
    static std::vector<const platform::ChartAnnotationObject*>
    Objects(const platform::ChartFX& chart, platform::AnnotationKind kind) {
        std::vector<const platform::ChartAnnotationObject*> found;
        for (const auto& list : chart.Annotations())
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
