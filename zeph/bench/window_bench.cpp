// Cost of opening the main window (its controls built, the right-hand
// panel fitted to its texts, shown) and of switching the interface's
// language with the calculator and the capacity result window open.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "capacity/autoeqcresultdlg.h"
#include "dialogs/generaldlgj.h"
#include "gui/language.h"
#include "main/zephdlgj.h"

namespace {

void BM_MainWindowOpen(benchmark::State& state) {
    for (auto _ : state) {
        CZephDlgJ window;
        window.show();
        QCoreApplication::sendPostedEvents();
        benchmark::DoNotOptimize(window.width());
    }
}
BENCHMARK(BM_MainWindowOpen)->Unit(benchmark::kMillisecond);

void BM_LanguageSwitch(benchmark::State& state) {
    CZephDlgJ window;
    window.show();
    window.m_pCalculatorDlg->Create();
    window.m_pEqcResultDlg->Create();
    bool english = false;
    for (auto _ : state) {
        english = !english;
        zeph::InstallLanguage(english ? zeph::Language::English : zeph::Language::Japanese);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    zeph::InstallLanguage(zeph::Language::Japanese);
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

}  // namespace
