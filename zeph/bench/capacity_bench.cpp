// Cost of one capacity run for the base case (room 26 °C / 50 %, 100 m² ×
// 2.7 m, 6 N/H, 10000 / 8000 kcal/h, C.F 0.95, supply 10 °C, no outdoor
// air), with and without outdoor air: the room and coil points, the
// fan-load iteration and the result, in the run alone (no window), every
// question answered as OK would.
#include <benchmark/benchmark.h>

#include "run/zephrun.h"

namespace {

EqcConditions BaseCase(double outdoorAirflow) {
    EqcConditions c;
    c.roomName = QStringLiteral("Room");
    c.pressure = 1013.25;
    c.outdoorDb = 31.7;
    c.outdoorWb = 26.7;
    c.outdoorAirflow = outdoorAirflow;
    c.roomDb = 26.0;
    c.roomRh = 50.0;
    c.floorArea = 100.0;
    c.ceilingHeight = 2.7;
    c.airChangeRate = 6.0;
    c.maxSensible = 8000.0;
    c.maxLatent = 2000.0;
    c.contactFactor = 0.95;
    c.supplyTemp = 10.0;
    return c;
}

void BM_CapacityRun(benchmark::State& state) {
    const double outdoorAirflow = static_cast<double>(state.range(0));
    const int expectedPoints = outdoorAirflow > 0 ? 4 : 2;
    CDefaultAnswers answers;
    CZephRun run;
    run.SetPrompt(&answers);
    for (auto _ : state) {
        // Each run starts from an empty chart.
        state.PauseTiming();
        run.Restart();
        run.SetEqcInput(BaseCase(outdoorAirflow));
        state.ResumeTiming();
        benchmark::DoNotOptimize(run.RunCapacityCalculation());
    }
    if (run.GetPointCount() != expectedPoints || run.State().eqcPending != 1) {
        state.SkipWithError("the base case did not produce its result");
    }
}
BENCHMARK(BM_CapacityRun)->Arg(0)->Arg(500)->Unit(benchmark::kMicrosecond);

}  // namespace
