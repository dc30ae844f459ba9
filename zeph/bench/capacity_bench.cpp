// Cost of one capacity run for the base case (room 26 °C / 50 %, 100 m² ×
// 2.7 m, 6 N/H, 10000 / 8000 kcal/h, C.F 0.95, supply 10 °C, no outdoor
// air): the room and coil points, the fan-load iteration, the result and its
// window, with every message answered at once.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>

#include "capacity/autoeqcresultdlg.h"
#include "gui/staticgraph.h"
#include "gui/ui.h"
#include "main/zephdlgj.h"
#include "run/zephrun.h"

namespace {

// Answers every message box with its first button, at once.
class CAnsweringUi : public zeph::CUserInterface {
  public:
    zeph::MsgAnswer MessageBox(QWidget*, const QString&, const QString&, zeph::MsgIcon,
                               zeph::MsgButtons buttons) override {
        return buttons == zeph::MsgButtons::YesNo ? zeph::MsgAnswer::Yes : zeph::MsgAnswer::Ok;
    }
    void Beep() override {}
    std::optional<QString> OpenFileDialog(QWidget*, const zeph::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<QString> SaveFileDialog(QWidget*, const zeph::FileDialogRequest&) override {
        return std::nullopt;
    }
    bool PrintDialog(QWidget*, QPrinter&) override { return false; }
};

EqcConditions BaseCase() {
    EqcConditions c;
    c.roomName = QStringLiteral("Room");
    c.pressure = 1013.25;
    c.outdoorDb = 31.7;
    c.outdoorWb = 26.7;
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

// The offscreen platform warns about every window it cannot size; the
// result window opens once per run.
void DropWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtWarningMsg) fprintf(stderr, "%s\n", qPrintable(text));
}

void BM_CapacityRun(benchmark::State& state) {
    CAnsweringUi ui;
    zeph::CUserInterface* previous = zeph::SetUi(&ui);
    const QtMessageHandler handler = qInstallMessageHandler(DropWarnings);
    {
        CZephDlgJ dlg;
        for (auto _ : state) {
            // Each run starts from an empty chart and a closed result window.
            state.PauseTiming();
            dlg.Run().Restart();
            dlg.Run().SetEqcInput(BaseCase());
            dlg.m_pEqcResultDlg->DestroyWindow();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            state.ResumeTiming();
            dlg.RunCapacityCalculation();
        }
        if (dlg.GetPointCount() != 2 || dlg.Run().State().eqcPending != 1) {
            state.SkipWithError("the base case did not produce its result");
        }
    }
    qInstallMessageHandler(handler);
    zeph::SetUi(previous);
}
BENCHMARK(BM_CapacityRun)->Unit(benchmark::kMillisecond);

}  // namespace
