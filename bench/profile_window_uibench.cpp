// Loading the profile window with a sounding of 4000 readings on the offscreen platform:
// the clean-up of the readings, the three profiles, showing the window and its first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <cmath>

#include "platform/AppContext.h"
#include "platform/Form.h"
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

void BM_LoadProfileWindow(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto app = std::make_unique<AppContext>();
        RegisterForms(app->windows);
        FillSounding(app->decl.cone);
        app->decl.importSettings.FileName = "bench.txt";
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
    auto app = std::make_unique<AppContext>();
    RegisterForms(app->windows);
    FillSounding(app->decl.cone);
    auto& window = app->windows.Get<Frm_CPTData3>();
    window.Show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QPixmap shot = window.grab();
        benchmark::DoNotOptimize(shot);
    }
}
BENCHMARK(BM_PaintProfileWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Form::SetModalBlocking(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
