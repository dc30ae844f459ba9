// Cost of the states mode per year of hourly rows (8,760 of dry bulb and
// relative humidity), split into reading the CSV, solving through the
// engine's dispatch, the engine call alone, and writing the CSV.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "corvo/corvoapp.h"
#include "csvreader.h"
#include "numbertext.h"
#include "statetable.h"
#include "statewriter.h"

namespace {

using namespace zeph::batch;

constexpr int kHours = 8760;
constexpr double P0 = 1013.25;

// An hourly weather year: a seasonal and a daily swing of the dry bulb,
// the relative humidity falling as it warms during the day.
struct Hour {
    double db;
    double rh;
};
const std::vector<Hour>& Year() {
    static const std::vector<Hour> year = [] {
        std::vector<Hour> hours;
        for (int h = 0; h < kHours; ++h) {
            const double season =
                std::sin(2 * std::numbers::pi * h / kHours - std::numbers::pi / 2);
            const double day =
                std::sin(2 * std::numbers::pi * (h % 24) / 24 - std::numbers::pi / 2);
            hours.push_back(
                {std::round((16 + 12 * season + 4 * day) * 10) / 10, std::round(65 - 20 * day)});
        }
        return hours;
    }();
    return year;
}

const std::string& YearCsv() {
    static const std::string csv = [] {
        std::string text = "db,rh\n";
        for (const Hour& h : Year()) {
            AppendNumber(text, h.db);
            text += ',';
            AppendNumber(text, h.rh);
            text += '\n';
        }
        return text;
    }();
    return csv;
}

template <typename PerRecord>
void ReadYear(PerRecord perRecord) {
    std::string csv = YearCsv();
    std::FILE* in = fmemopen(csv.data(), csv.size(), "r");
    CsvReader reader(in);
    CsvReader::Record record;
    reader.Next(record);  // the header
    while (reader.Next(record)) perRecord(record);
    std::fclose(in);
}

InputColumns DbRhColumns() {
    InputColumns columns;
    ReadHeader({"db", "rh"}, columns);
    return columns;
}

void BM_ReadCsvYear(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t fields = 0;
        ReadYear([&](const CsvReader::Record& r) { fields += r.fields.size(); });
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(BM_ReadCsvYear)->Unit(benchmark::kMillisecond);

void BM_EngineYear(benchmark::State& state) {
    const CCorvoApp engine;
    for (auto _ : state) {
        for (const Hour& h : Year()) benchmark::DoNotOptimize(engine.cal_DBRH(h.db, h.rh, P0));
    }
}
BENCHMARK(BM_EngineYear)->Unit(benchmark::kMillisecond);

void BM_ReadAndSolveYear(benchmark::State& state) {
    const InputColumns columns = DbRhColumns();
    StateSolver solver(EnthalpyUnit::kKj, P0);
    StateRow row;
    for (auto _ : state) {
        ReadYear([&](const CsvReader::Record& r) { solver.Solve(r, columns, row); });
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(BM_ReadAndSolveYear)->Unit(benchmark::kMillisecond);

void BM_WriteCsvYear(benchmark::State& state) {
    const InputColumns columns = DbRhColumns();
    std::vector<StateRow> rows(kHours);
    {
        StateSolver solver(EnthalpyUnit::kKj, P0);
        std::size_t i = 0;
        ReadYear([&](const CsvReader::Record& r) { solver.Solve(r, columns, rows[i++]); });
    }
    std::string out;
    for (auto _ : state) {
        out.clear();
        StateWriter writer(TableFormat::kCsv, EnthalpyUnit::kKj, columns);
        writer.Begin(out);
        for (const StateRow& row : rows) writer.Row(row, out);
        writer.End(out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_WriteCsvYear)->Unit(benchmark::kMillisecond);

}  // namespace
