// One redraw of the diagram window: the snapshot, the display list and the
// picture, and the painting alone onto a canvas that is kept.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "analysis/orientation.h"
#include "core/project.h"
#include "diagrams/diagrams.h"
#include "ui/drawing/diagram_raster.h"
#include "ui/drawing/diagram_renderer.h"

namespace vornexa {
namespace {

Parms Development(float sigmaH) {
    Parms work;
    work.AzimSigmaH = sigmaH;
    work.AzimEntries = sigmaH + 15;
    work.AzimLeftCross = sigmaH + 105;
    work.AzimRightCross = sigmaH + 285;
    return work;
}

Parms Longwall(int16_t longType) {
    Parms work;
    work.PlanType = kPlanLongwall;
    work.LongType = longType;
    work.AzimSigmaH = 65;
    work.AzimHeadGate = 20;
    return work;
}

Parms Banded(Parms work, float tolerance) {
    work.SigmaHTolerance = tolerance;
    return work;
}

DisplayList Build(const Parms& work, Parms& view) {
    UpdateViewParms(work, view);
    return work.PlanType != 0 ? Long_Paint(view) : Dev_Paint(view);
}

void BM_Redraw(benchmark::State& bench, Parms work) {
    Parms view;
    for (auto _ : bench) {
        const QImage image = RenderDisplayList(Build(work, view));
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The window's redraws while SigmaH is dragged a degree at a time: what moves
// is painted, the rest is kept from the redraw before.
void BM_Drag(benchmark::State& bench, Parms work) {
    Parms view;
    DiagramRaster raster;
    const float start = work.AzimSigmaH;
    int step = 0;
    for (auto _ : bench) {
        work.AzimSigmaH = start + static_cast<float>(step++ % 360);
        benchmark::DoNotOptimize(raster.Render(Build(work, view), 1.0).constBits());
    }
}

void BM_PaintOnly(benchmark::State& bench, Parms work) {
    Parms view;
    const DisplayList list = Build(work, view);
    QImage canvas(DisplayList::kWidth, DisplayList::kHeight, QImage::Format_RGB32);
    for (auto _ : bench) {
        QPainter painter(&canvas);
        PaintDisplayList(painter, list);
        painter.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}

BENCHMARK_CAPTURE(BM_Redraw, development_sigmaH_0, Development(0))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Redraw, development_sigmaH_45, Development(45))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Redraw, longwall_type_A, Longwall(0))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Redraw, development_band_40, Banded(Development(45), 40))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Redraw, longwall_band_40, Banded(Longwall(0), 40))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Redraw, longwall_type_B, Longwall(1))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Drag, development, Development(0))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Drag, longwall_type_A, Longwall(0))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintOnly, development_sigmaH_0, Development(0))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintOnly, development_sigmaH_45, Development(45))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintOnly, longwall_type_A, Longwall(0))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintOnly, longwall_type_B, Longwall(1))->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vornexa

int main(int argc, char** argv) {
    // Text needs a font database, and so an application, but never a screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
