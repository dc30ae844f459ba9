// The processes that ask, and the capacity chain, without any window: the
// run's questions answered by a script, its messages recorded in order.
#include <QtTest>

#include "capacitycases.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/zephrun.h"

using namespace capacitycases;

namespace {

// Answers from a script and records what the run said and asked.
struct ScriptedPrompt : CRunPrompt {
    QStringList messages;
    QStringList events;  // "reheater", "airchange", "result", "result at once", "ended"
    zeph::MsgAnswer answer = zeph::MsgAnswer::Ok;
    std::optional<ReheaterChoice> reheater;
    std::optional<AirChangeChoice> airChange;
    AirChangeQuestion asked;

    zeph::MsgAnswer Message(const QString& text, zeph::MsgIcon, zeph::MsgButtons) override {
        messages << text;
        return answer;
    }
    std::optional<ReheaterChoice> ChooseReheater(double) override {
        events << "reheater";
        return reheater;
    }
    std::optional<AirChangeChoice> ChooseAirChange(const AirChangeQuestion& q) override {
        events << "airchange";
        asked = q;
        return airChange;
    }
    void ResultProduced(bool atOnce) override { events << (atOnce ? "result at once" : "result"); }
    void ProcessEnded() override { events << "ended"; }
};

QStringList Names(const CZephRun& run) {
    QStringList names;
    for (const CZephData& p : run.State().points) names << QString::fromStdString(p.Pn);
    return names;
}

// Solves db / rh as the point box would and accepts it.
void AddPoint(CZephRun& run, double db, double rh) {
    CZephRun::PointEntry e;
    e.db = zeph::Format("%f", db);
    e.rh = zeph::Format("%f", rh);
    QCOMPARE(run.CalcPointAt(e, kP), CZephRun::SolveOutcome::Pending);
    run.AddCurrentPoint(1);
}

}  // namespace

class RunProcessesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void capacityChain_data();
    void capacityChain();
    void capacityRunThatFailsChangesNothing();
    void coolingReheatChoices();
    void humidifierPreheat_data();
    void humidifierPreheat();
};

void RunProcessesTest::capacityChain_data() {
    QTest::addColumn<QString>("changes");
    QTest::addColumn<double>("reheatTo");  // the re-heater's supply temperature; 0: not asked
    QTest::newRow("base") << "" << 0.0;
    QTest::newRow("bypass for the air changes") << "N=20" << 0.0;
    QTest::newRow("bypass to the supply temperature") << "T=16" << 0.0;
    QTest::newRow("reheat") << "S=6100" << 16.0;
    QTest::newRow("outdoor air") << "A=500" << 0.0;
    QTest::newRow("bypass control") << "sys=1 N=20 min=5000/4000" << 0.0;
}

void RunProcessesTest::capacityChain() {
    QFETCH(QString, changes);
    QFETCH(double, reheatTo);
    const EqcConditions c = Conditions(changes);
    const Expected& x = Captured(changes);
    CZephRun run;
    ScriptedPrompt prompt;
    run.SetPrompt(&prompt);
    run.SetUnitMode(0);
    run.SetEqcInput(c);
    if (reheatTo > 0) prompt.reheater = CRunPrompt::ReheaterChoice{0, reheatTo};

    QVERIFY(run.RunCapacityCalculation());
    QCOMPARE(prompt.events.contains("reheater"), reheatTo > 0);
    QCOMPARE(prompt.messages, x.messages);
    QCOMPARE(Names(run), x.names);
    for (int i = 0; i < x.points.size(); ++i) {
        QCOMPARE(run.GetPointValues(i + 1).Db, x.points[i].first);
        QCOMPARE(run.GetPointValues(i + 1).Xi, x.points[i].second);
    }
    CompareResults(run.State().eqcResult, ResultOf(x, c));
    QCOMPARE(run.State().eqcPending, 1);
    QCOMPARE(run.State().eqcInput.fanLoad, x.fanLoad);
    QCOMPARE(run.State().systemName, QStringLiteral("Room 1"));
    QCOMPARE(run.State().pressureText, QStringLiteral("1013.25"));
    QCOMPARE(run.State().current.pending, 0);
}

void RunProcessesTest::capacityRunThatFailsChangesNothing() {
    // More outdoor air than the coil passes: refused after the coil points.
    CZephRun run;
    ScriptedPrompt prompt;
    run.SetPrompt(&prompt);
    AddPoint(run, 20, 50);
    run.SetSystemName(QStringLiteral("Typed"));
    run.SetPressureText(QStringLiteral("1000"));
    const EqcConditions c = Conditions("A=5000");
    run.SetEqcInput(c);
    QVERIFY(!run.RunCapacityCalculation());
    QCOMPARE(prompt.messages.last(), zeph::ErrorText(zeph::kErrOutdoorAir));
    QCOMPARE(Names(run), QStringList{QString()});
    QCOMPARE(run.State().pointNo, 1);
    QCOMPARE(run.State().systemName, QStringLiteral("Typed"));
    QCOMPARE(run.State().pressureText, QStringLiteral("1000"));
    QCOMPARE(run.State().eqcInput.outdoorAirflow, 5000.0);
    QCOMPARE(run.State().eqcInput.fanLoad, 0.0);
    QCOMPARE(run.State().eqcPending, 0);
}

void RunProcessesTest::coolingReheatChoices() {
    // SHF 0.5 does not reach the coil line: reheat, chosen by the prompt.
    CZephRun run;
    ScriptedPrompt prompt;
    run.SetPrompt(&prompt);
    AddPoint(run, 26, 50);
    double out = -1;
    QCOMPARE(run.ProcCooling(1, 1, 1, 0.5, 0.95, kP, 10, out), 0);  // re-heater cancelled
    QCOMPARE(prompt.messages, QStringList{zeph::LoadResString(6100)});
    QCOMPARE(run.GetPointCount(), 1);

    // By air changes: 10 per hour of 270 m³ carrying 10000 kcal/h.
    prompt.reheater = CRunPrompt::ReheaterChoice{1, 0};
    prompt.airChange = CRunPrompt::AirChangeChoice{10, 270, 10000};
    prompt.events.clear();
    QCOMPARE(run.ProcCooling(1, 1, 1, 0.5, 0.95, kP, 10, out), 3);
    QCOMPARE(out, 10.0);
    QCOMPARE(prompt.events,
             (QStringList{"reheater", "airchange", "result at once", "result at once"}));
    QCOMPARE(Names(run), (QStringList{QString(), "S.A", "OFF"}));
    // The supply air carries the heat: 2700 m³/h from the room's enthalpy.
    const double dh = run.GetPointValues(1).Hi - run.GetPointValues(2).Hi;
    QVERIFY(qAbs(2700 * zeph::kAirDensity * dh - 10000) < 1);
    // The coil outlet lies at the supply air's humidity ratio.
    QCOMPARE(run.GetPointValues(3).Xi, run.GetPointValues(2).Xi);
    QCOMPARE(prompt.asked.room.Db, 26.0);
}

void RunProcessesTest::humidifierPreheat_data() {
    QTest::addColumn<int>("mode");  // 0 steam, 1 water
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("steam, preheat declined") << 0 << false << QStringList{"", ""};
    QTest::newRow("steam, preheated") << 0 << true << QStringList{"", "", "Heat"};
    QTest::newRow("water, preheated") << 1 << true << QStringList{"", "", "Heat"};
}

void RunProcessesTest::humidifierPreheat() {
    QFETCH(int, mode);
    QFETCH(bool, accept);
    QFETCH(QStringList, names);
    // Cold dry air to 20 °C / 70 %: humidified alone it would pass 95 %.
    CZephRun run;
    ScriptedPrompt prompt;
    run.SetPrompt(&prompt);
    AddPoint(run, 5, 50);
    AddPoint(run, 20, 70);
    prompt.answer = accept ? zeph::MsgAnswer::Ok : zeph::MsgAnswer::Cancel;
    const bool pending = mode == 0 ? run.ProcHumSteam(1, 2, kP) : run.ProcHumHotWater(1, 2, kP);
    QCOMPARE(pending, accept);
    QCOMPARE(prompt.messages, QStringList{zeph::LoadResString(6101)});
    QCOMPARE(Names(run), names);
    QCOMPARE(run.State().current.pending, accept ? 1 : 0);
    if (!accept) {
        QCOMPARE(prompt.events, QStringList{"ended"});
        return;
    }
    // Heated at constant moisture, then humidified to B's humidity ratio.
    QCOMPARE(run.GetPointValues(3).Xi, run.GetPointValues(1).Xi);
    QCOMPARE(run.State().current.name, QStringLiteral("Hum"));
    QVERIFY(qAbs(run.State().current.values.Xi - run.GetPointValues(2).Xi) < 1e-9);
    QVERIFY(run.State().current.values.Rh <= 95.0 + 1e-6);
}

QTEST_GUILESS_MAIN(RunProcessesTest)
#include "runprocesses_test.moc"
