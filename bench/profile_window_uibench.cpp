// Loading the chart windows with a sounding of 4000 readings on the offscreen platform: the
// profile window (the clean-up of the readings, the three profiles, showing the window and its
// first paint) and each result window (the layer grid, the classification, its four charts);
// and the linked zoom of the profile window.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <cmath>
#include <memory>

#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/TextFont.h"
#include "platform/Toolbar.h"
#include "ui/app/Forms.h"
#include "ui/charts/Frm_CPTData3.h"

using namespace strelvan;

namespace {

// 4000 readings 0.05 ft apart: a layered profile with some noise.
void FillSounding(ConeData& cone) {
    cone.NumPoints = ConeData::kMaxPoints;
    for (int i = 1; i <= ConeData::kMaxPoints; ++i) {
        const double d = 0.05 * i;
        cone.Depth[i] = static_cast<float>(d);
        cone.Qc[i] = static_cast<float>(40 + 30 * std::sin(d / 7) + 8 * std::sin(i * 1.7) + d);
        cone.Fs[i] = static_cast<float>(0.6 + 0.4 * std::sin(d / 5) + 0.1 * std::cos(i * 2.3));
    }
}

// A run of the program holding that sounding, read from "bench.txt".
std::unique_ptr<AppContext> SoundingApp() {
    auto app = std::make_unique<AppContext>();
    RegisterForms(app->windows);
    FillSounding(app->decl.cone);
    app->decl.importSettings.FileName = "bench.txt";
    return app;
}

// That run with the profile window shown and painted.
std::unique_ptr<AppContext> ProfileWindowApp() {
    auto app = SoundingApp();
    app->windows.Get<Frm_CPTData3>().Show();
    QCoreApplication::processEvents();
    return app;
}

void BM_LoadProfileWindow(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto app = SoundingApp();
        QCoreApplication::processEvents();
        state.ResumeTiming();

        auto& window = app->windows.Get<Frm_CPTData3>();
        window.Show();
        QCoreApplication::processEvents(); // layout and first paint
        benchmark::DoNotOptimize(window.PlotCount);

        state.PauseTiming();
        app.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadProfileWindow)->Unit(benchmark::kMillisecond);

// Painting the whole window once more, as after a resize or an expose.
void BM_PaintProfileWindow(benchmark::State& state) {
    auto app = ProfileWindowApp();
    auto& window = app->windows.Get<Frm_CPTData3>();
    for (auto _ : state) {
        QPixmap shot = window.grab();
        benchmark::DoNotOptimize(shot);
    }
}
BENCHMARK(BM_PaintProfileWindow)->Unit(benchmark::kMillisecond);

// Showing a result window from its load to its first paint, on a sounding the profile window
// has cleaned: the layer grid, the classification and the qc, fs, ratio and soil charts.
void BM_LoadResultWindow(benchmark::State& state) {
    static const char* const kResultWindows[] = {"Frm_Tumay01", "Frm_Tumay02", "Frm_Robert86",
                                                 "Frm_Olsen", "Frm_Fuzzy"};
    const char* name = kResultWindows[state.range(0)];
    state.SetLabel(name);
    for (auto _ : state) {
        state.PauseTiming();
        auto app = ProfileWindowApp();
        app->decl.selection.MethodCode = static_cast<int16_t>(state.range(0) + 1);
        app->decl.selection.ChartOrder = "0 1 2 3";
        state.ResumeTiming();

        app->windows.Show(QString::fromLatin1(name));
        QCoreApplication::processEvents(); // layout and first paint
        benchmark::DoNotOptimize(app->decl.grid.NumLayers);

        state.PauseTiming();
        app.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadResultWindow)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// A zoom of a few readings on the sleeve chart, Zoom All and Zoom Out: the axes go from a
// narrow range with fine ticks back to the whole sounding.
void BM_ZoomAllAndOut(benchmark::State& state) {
    auto app = ProfileWindowApp();
    auto& window = app->windows.Get<Frm_CPTData3>();
    QAction* zoom = window.Toolbar1->ButtonByKey("Zoom");
    for (auto _ : state) {
        window.ChartFX2->DragZoom(100.0, 100.2);
        zoom->trigger();
        zoom->trigger();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ZoomAllAndOut)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::UseTextFont();
    Form::SetModalBlocking(false);
    // A message box would wait for a click: each is answered at once.
    platform::SetMessageResponder([](const Message&) { return platform::MsgAnswer::Ok; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
