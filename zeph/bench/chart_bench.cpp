// Cost of one full repaint of the chart control into a 1000 × 1000 image,
// with 0, 100 and 1000 plotted points (a mix of the three drawn styles).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "chart/staticgraph.h"
#include "run/zephrun.h"

namespace {

// Points spread over the default range; each process line runs from one of
// the two points before, as the processes of a system produce them.
void FillPoints(CZephRun& run, int count) {
    QList<CZephData> points;
    const auto db = [](int i) { return -5.0 + (i * 37 % 500) / 10.0; };  // −5 … 45 °C
    const auto xi = [](int i) { return (i * 53 % 300) / 10000.0; };      // 0 … 0.03 kg/kg
    for (int i = 0; i < count; ++i) {
        CZephData point;
        point.Style = static_cast<STYLE>(i % 3);
        point.N = i + 1;
        point.Db = db(i);
        point.Xi = xi(i);
        point.Db1 = db(i - 1);
        point.Xi1 = xi(i - 1);
        point.Db2 = db(i - 2);
        point.Xi2 = xi(i - 2);
        points.append(point);
    }
    run.SetPoints(points);
}

void BM_ChartRepaint(benchmark::State& state) {
    CZephRun run;
    CStaticGraph chart(run);
    FillPoints(run, static_cast<int>(state.range(0)));
    QImage image(1000, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        chart.PaintChart(painter, image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ChartRepaint)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
