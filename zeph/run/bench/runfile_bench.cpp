// Cost of the run file for a run of 1,000 points (five systems of 200,
// four finished and one being drawn, every state solved by the engine, so
// that each value takes its full seventeen digits, and 20 capacity
// results): written to bytes, read from bytes, saved to a file and opened
// from it.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "corvo/corvoapp.h"
#include "run/runfile.h"

namespace {

constexpr int kSystems = 5;
constexpr int kPointsPerSystem = 200;
constexpr double kP = 1013.25;

QList<CZephData> SystemPoints(int system) {
    const CCorvoApp corvo;
    QList<CZephData> points;
    for (int i = 0; i < kPointsPerSystem; ++i) {
        CZephData point;
        point.N = i + 1;
        point.Style = static_cast<STYLE>(i % 4);
        point.Pn = i % 2 == 0 ? "OA" : "外気";
        point.SetValues(corvo.cal_DBRH(-5.0 + (i * 37 + system) % 500 / 10.0,
                                       10.0 + (i * 53 % 800) / 10.0, kP));
        point.Db1 = point.Db - 1.0 / 3.0;
        point.Xi1 = point.Xi * 0.9;
        points.append(point);
    }
    return points;
}

RunState ThousandPointRun() {
    RunState run;
    for (int s = 0; s < kSystems - 1; ++s) {
        run.allPoints.append(SystemPoints(s));
        run.systemNames.append(QStringLiteral("系統 %1").arg(s + 1));
    }
    run.systemCount = kSystems - 1;
    run.archivedCount = static_cast<int>(run.allPoints.size());
    run.points = SystemPoints(kSystems - 1);
    run.pointNo = kPointsPerSystem;
    CAutoCal_Ret result{.name = QStringLiteral("室"), .pressure = kP, .floorArea = 120.5};
    for (int i = 0; i < 20; ++i) {
        result.totalCapacity = 86000.0 / (i + 3);
        run.eqcResults.append(result);
    }
    return run;
}

void BM_RunFileBytes(benchmark::State& state) {
    const RunState run = ThousandPointRun();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunFileBytes(run));
    }
    state.SetBytesProcessed(state.iterations() * RunFileBytes(run).size());
}

void BM_ReadRunFile(benchmark::State& state) {
    const QByteArray bytes = RunFileBytes(ThousandPointRun());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadRunFile(bytes));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Through QSaveFile: written to a temporary file, synced and renamed.
void BM_SaveRunFile(benchmark::State& state) {
    const RunState run = ThousandPointRun();
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.zeph"));
    for (auto _ : state) {
        if (!SaveRunFile(path, run)) {
            state.SkipWithError("the save failed");
        }
    }
}

void BM_LoadRunFile(benchmark::State& state) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.zeph"));
    SaveRunFile(path, ThousandPointRun());
    for (auto _ : state) {
        if (!LoadRunFile(path).state) {
            state.SkipWithError("the file was refused");
        }
    }
}

}  // namespace

BENCHMARK(BM_RunFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRunFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveRunFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadRunFile)->Unit(benchmark::kMillisecond);
