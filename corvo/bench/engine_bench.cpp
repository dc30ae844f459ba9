// Per-call cost of the engine's property functions, solvers and processes
// at typical inputs and at the slowest inputs each search meets.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "corvo/corvoapp.h"
#include "corvo/message.h"

namespace {

constexpr double P0 = 1013.25;

// Failing cases would otherwise write their message to standard error.
const bool kQuiet = [] {
    corvo::SetMessageSink([](const std::string&) {});
    return true;
}();

const CCorvoApp& Engine() {
    static const CCorvoApp e;
    return e;
}

template <typename F>
void Run(benchmark::State& state, F f) {
    for (auto _ : state) benchmark::DoNotOptimize(f(Engine()));
}

// One call per iteration, cycling through `grid`, so that the time per
// iteration is the mean cost of one call over the grid.
template <typename T, typename F>
void RunOverGrid(benchmark::State& state, const std::vector<T>& grid, F f) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(Engine(), grid[i]));
        if (++i == grid.size()) i = 0;
    }
}

// Temperatures −10 … 50 °C in 0.5 K steps: both branches of Vpre.
const std::vector<double>& TemperatureGrid() {
    static const std::vector<double> g = [] {
        std::vector<double> v;
        for (int i = -20; i <= 100; ++i) v.push_back(0.5 * i + 0.03);
        return v;
    }();
    return g;
}

// Dry bulb −10 … 50 °C in 2.5 K steps by relative humidity 5 … 100 % in
// 5 % steps at standard pressure; hot humid pairs above 100 hPa of vapour
// fail as they do in use, and 100 % takes the saturated shortcut.
struct DbRh {
    double db, rh;
};
const std::vector<DbRh>& DbRhGrid() {
    static const std::vector<DbRh> g = [] {
        std::vector<DbRh> v;
        for (int i = 0; i <= 24; ++i) {
            for (int j = 1; j <= 20; ++j) v.push_back({-10 + 2.5 * i + 0.01, 5.0 * j});
        }
        return v;
    }();
    return g;
}

// ---- property functions ----
void BM_Vpre_Water(benchmark::State& s) {
    Run(s, [](auto& e) { return e.Vpre(25.0); });
}
void BM_Vpre_Ice(benchmark::State& s) {
    Run(s, [](auto& e) { return e.Vpre(-15.0); });
}
// The unit in which the solvers' costs are compared.
void BM_Vpre_Grid(benchmark::State& s) {
    RunOverGrid(s, TemperatureGrid(), [](auto& e, double t) { return e.Vpre(t); });
}
void BM_Dew_t_Typical(benchmark::State& s) {
    Run(s, [](auto& e) { return e.Dew_t(16.8); });
}
// Scans the whole coarse bound: a vapour pressure no temperature reaches.
void BM_Dew_t_NaN(benchmark::State& s) {
    Run(s, [](auto& e) { return e.Dew_t(NAN); });
}
void BM_Wb_dbxi_Typical(benchmark::State& s) {
    Run(s, [](auto& e) { return e.Wb_dbxi(26, 0.0105, P0); });
}
// Refined first with the ice relation, then with the water relation.
void BM_Wb_dbxi_IceThenWater(benchmark::State& s) {
    Run(s, [](auto& e) { return e.Wb_dbxi(8, 0.0030, P0); });
}
void BM_Wb_dbxi_NaN(benchmark::State& s) {
    Run(s, [](auto& e) { return e.Wb_dbxi(26, NAN, P0); });
}

// ---- solvers ----
void BM_DBWB(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_DBWB(26, 18.7, P0); });
}
void BM_DBRH(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_DBRH(26, 50, P0); });
}
void BM_DBRH_Grid(benchmark::State& s) {
    RunOverGrid(s, DbRhGrid(), [](auto& e, DbRh p) { return e.cal_DBRH(p.db, p.rh, P0); });
}
// The states of that grid, for the solvers that share its searches.
const std::vector<_CORVO>& StateGrid() {
    static const std::vector<_CORVO> g = [] {
        std::vector<_CORVO> v;
        for (DbRh p : DbRhGrid()) {
            const _CORVO r = Engine().cal_DBRH(p.db, p.rh, P0);
            if (r.Db != 999) v.push_back(r);
        }
        return v;
    }();
    return g;
}
void BM_DBWB_Grid(benchmark::State& s) {
    RunOverGrid(s, StateGrid(),
                [](auto& e, const _CORVO& r) { return e.cal_DBWB(r.Db, r.Wb, P0); });
}
void BM_DBDP_Grid(benchmark::State& s) {
    RunOverGrid(s, StateGrid(),
                [](auto& e, const _CORVO& r) { return e.cal_DBDP(r.Db, r.Dp, P0); });
}
void BM_DBX_Grid(benchmark::State& s) {
    RunOverGrid(s, StateGrid(), [](auto& e, const _CORVO& r) { return e.cal_DBX(r.Db, r.Xi, P0); });
}
void BM_WBRH_Grid(benchmark::State& s) {
    RunOverGrid(s, StateGrid(),
                [](auto& e, const _CORVO& r) { return e.cal_WBRH(r.Wb, r.Rh, P0); });
}
void BM_DBRH_Saturated(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_DBRH(26, 100, P0); });
}
void BM_DBDP(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_DBDP(26, 14.8, P0); });
}
void BM_DBH(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_DBH(26, 12.6, P0); });
}
void BM_DBX(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_DBX(26, 0.0105, P0); });
}
void BM_WBRH(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_WBRH(18.7, 50, P0); });
}
// Dry, hot air: the longest coarse scan up to the dry bulb.
void BM_WBRH_Worst(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_WBRH(30, 15, P0); });
}
void BM_WBDP(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_WBDP(18.7, 14.8, P0); });
}
void BM_WBDP_Worst(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_WBDP(25, 10, P0); });
}
void BM_WBH(benchmark::State& s) {
    const _CORVO r = Engine().cal_DBRH(26, 50, P0);
    Run(s, [&](auto& e) { return e.cal_WBH(r.Wb, r.Hi, P0); });
}
// Hot dry air: the dry bulb lies 24 K above the wet bulb, 1 K per step.
void BM_WBH_Worst(benchmark::State& s) {
    const _CORVO r = Engine().cal_DBRH(45, 10, P0);
    Run(s, [&](auto& e) { return e.cal_WBH(r.Wb, r.Hi, P0); });
}
void BM_WBX(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_WBX(18.7, 0.0105, P0); });
}
void BM_RHDP(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_RHDP(50, 14.8, P0); });
}
void BM_RHH(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_RHH(50, 12.6, P0); });
}
// Low humidity and high enthalpy: the dry bulb lies near 71 °C.
void BM_RHH_Worst(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_RHH(10, 30, P0); });
}
void BM_RHX(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_RHX(50, 0.0105, P0); });
}
void BM_DPH(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_DPH(14.8, 12.6, P0); });
}
void BM_HX(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_HX(12.6, 0.0105, P0); });
}
// A rejected input: the cost of the error path with a silent sink.
void BM_HX_Rejected(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_HX(60, 0.01, P0); });
}

// ---- processes ----
const _CORVO& Room() {
    static const _CORVO r = Engine().cal_DBRH(26, 50, P0);
    return r;
}
void BM_SHF(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_SHF(Room(), 0.8, 0.95, 99, P0, 10); });
}
// A line almost tangent to the outlet humidity curve: about 1600 passes.
void BM_SHF_Tangent(benchmark::State& s) {
    const _CORVO R = Engine().cal_DBRH(20.25, 81.5, P0);
    Run(s, [&](auto& e) { return e.cal_SHF(R, 0.4465, 0.916, 99, P0, 10); });
}
void BM_SHF_Limit(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_SHF(Room(), 0.5, 0.95, 99, P0, 10); });
}
void BM_SHF_FixedSaTemp(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_SHF_FixedSaTemp(Room(), 0.8, 15, P0); });
}
void BM_SHF_FixedOffTemp(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_SHF_FixedOffTemp(Room(), 0.0098, 0.8, 0.95, P0); });
}
void BM_SHF_AirQtyTh(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_SHF_AirQtyTh(Room(), 0.8, 0.95, 5000, 3000, P0); });
}
void BM_SHFOnPointDt(benchmark::State& s) {
    const _CORVO A = Engine().cal_SHF(Room(), 0.8, 0.95, 99, P0, 10);
    Run(s, [&](auto& e) { return e.cal_SHFOnPointDt(A, Room(), 5, P0); });
}
void BM_SHFOnPointQtyTh(benchmark::State& s) {
    const _CORVO A = Engine().cal_SHF(Room(), 0.8, 0.95, 99, P0, 10);
    Run(s, [&](auto& e) { return e.cal_SHFOnPointQtyTh(A, Room(), 3000, 5000, P0); });
}
void BM_SHFOnPointDh(benchmark::State& s) {
    const _CORVO A = Engine().cal_SHF(Room(), 0.8, 0.95, 99, P0, 10);
    Run(s, [&](auto& e) { return e.cal_SHFOnPointDh(A, Room(), 1.5, P0); });
}
void BM_Heat_Temp(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_Heat_Temp(Room(), 10, P0); });
}
void BM_Heat_Air(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_Heat_Air(Room(), 5000, 3000, 0.7, P0); });
}
void BM_Heat_Hum(benchmark::State& s) {
    Run(s, [](auto& e) { return e.cal_Heat_Hum(Room(), 641, 0.002, P0); });
}
void BM_Mix(benchmark::State& s) {
    const _CORVO O = Engine().cal_DBRH(33, 60, P0);
    Run(s, [&](auto& e) { return e.cal_Mix(O, Room(), 1, P0); });
}
void BM_Dlt(benchmark::State& s) {
    const _CORVO O = Engine().cal_DBRH(33, 60, P0);
    Run(s, [&](auto& e) { return e.cal_Dlt(O, Room()); });
}

}  // namespace

BENCHMARK(BM_Vpre_Water);
BENCHMARK(BM_Vpre_Ice);
BENCHMARK(BM_Vpre_Grid);
BENCHMARK(BM_Dew_t_Typical);
BENCHMARK(BM_Dew_t_NaN);
BENCHMARK(BM_Wb_dbxi_Typical);
BENCHMARK(BM_Wb_dbxi_IceThenWater);
BENCHMARK(BM_Wb_dbxi_NaN);
BENCHMARK(BM_DBWB);
BENCHMARK(BM_DBRH);
BENCHMARK(BM_DBRH_Grid);
BENCHMARK(BM_DBWB_Grid);
BENCHMARK(BM_DBDP_Grid);
BENCHMARK(BM_DBX_Grid);
BENCHMARK(BM_WBRH_Grid);
BENCHMARK(BM_DBRH_Saturated);
BENCHMARK(BM_DBDP);
BENCHMARK(BM_DBH);
BENCHMARK(BM_DBX);
BENCHMARK(BM_WBRH);
BENCHMARK(BM_WBRH_Worst);
BENCHMARK(BM_WBDP);
BENCHMARK(BM_WBDP_Worst);
BENCHMARK(BM_WBH);
BENCHMARK(BM_WBH_Worst);
BENCHMARK(BM_WBX);
BENCHMARK(BM_RHDP);
BENCHMARK(BM_RHH);
BENCHMARK(BM_RHH_Worst);
BENCHMARK(BM_RHX);
BENCHMARK(BM_DPH);
BENCHMARK(BM_HX);
BENCHMARK(BM_HX_Rejected);
BENCHMARK(BM_SHF);
BENCHMARK(BM_SHF_Tangent);
BENCHMARK(BM_SHF_Limit);
BENCHMARK(BM_SHF_FixedSaTemp);
BENCHMARK(BM_SHF_FixedOffTemp);
BENCHMARK(BM_SHF_AirQtyTh);
BENCHMARK(BM_SHFOnPointDt);
BENCHMARK(BM_SHFOnPointQtyTh);
BENCHMARK(BM_SHFOnPointDh);
BENCHMARK(BM_Heat_Temp);
BENCHMARK(BM_Heat_Air);
BENCHMARK(BM_Heat_Hum);
BENCHMARK(BM_Mix);
BENCHMARK(BM_Dlt);
