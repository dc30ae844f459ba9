// Cost of one full repaint of the chart control into a 1000 × 1000 image,
// with 0, 100 and 1000 plotted points (a mix of the three drawn styles),
// with every line family, without them, and with the families and the
// kept background picture made afresh (a new pressure); and of one update
// of the cursor readout.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <functional>

#include "gui/staticgraph.h"
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

// Repaints chart into a 1000 × 1000 image once per iteration; before each,
// change (when given) alters the chart.
void Repaint(benchmark::State& state, CStaticGraph& chart,
             const std::function<void()>& change = {}) {
    QImage image(1000, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        if (change) change();
        QPainter painter(&image);
        chart.PaintChart(painter, image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_ChartRepaint(benchmark::State& state) {
    CZephRun run;
    CStaticGraph chart(run);
    FillPoints(run, static_cast<int>(state.range(0)));
    Repaint(state, chart);
}
BENCHMARK(BM_ChartRepaint)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ChartRepaintWithoutFamilies(benchmark::State& state) {
    CZephRun run;
    CStaticGraph chart(run);
    chart.Families = {false, false, false, false, false};
    FillPoints(run, static_cast<int>(state.range(0)));
    Repaint(state, chart);
}
BENCHMARK(BM_ChartRepaintWithoutFamilies)->Arg(100)->Unit(benchmark::kMillisecond);

// Every repaint at a new pressure: the families are computed and the
// background drawn again.
void BM_ChartRepaintNewPressure(benchmark::State& state) {
    CZephRun run;
    CStaticGraph chart(run);
    FillPoints(run, static_cast<int>(state.range(0)));
    int step = 0;
    Repaint(state, chart, [&] { run.SetPressureText(QString::number(1000.0 + (++step % 20))); });
}
BENCHMARK(BM_ChartRepaintNewPressure)->Arg(100)->Unit(benchmark::kMillisecond);

// One readout for a mouse position on a painted 1000 × 1000 chart, moving
// over the sheet (no marker under it).
void BM_Readout(benchmark::State& state) {
    CZephRun run;
    CStaticGraph chart(run);
    chart.resize(1002, 1002);
    chart.grab();
    int step = 0;
    for (auto _ : state) {
        step = (step + 37) % 700;
        benchmark::DoNotOptimize(chart.ReadoutAt(QPoint(300 + step, 850 - step / 2)));
    }
}
BENCHMARK(BM_Readout)->Unit(benchmark::kMicrosecond);

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
