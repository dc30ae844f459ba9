// The run without any window: numbering and reading of points, the archive
// of systems and capacity results, and which change each step announces.
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "run/pointtext.h"
#include "run/zephrun.h"

namespace {

constexpr double kP = 1013.25;

_CORVO State(double db, double xi, double mt = 0.0) {
    _CORVO v{};
    v.Db = db;
    v.Wb = db - 5.0;
    v.Rh = 50.0;
    v.Xi = xi;
    v.Hi = 10.0 + db;
    v.Mt = mt;
    return v;
}

// Makes c the current point, pending, and accepts it.
void Accept(CZephRun& run, const QString& name, const _CORVO& values) {
    CurrentPoint c;
    c.pending = 1;
    c.name = name;
    c.values = values;
    run.SetCurrent(c);
    run.AddCurrentPoint(run.State().current.pending);
}

}  // namespace

class ZephRunTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void pointsAreNumberedAndRead();
    void solvingAnEntry_data();
    void solvingAnEntry();
    void resultStep();
    void processes();
    void resetArchivesEachSystemAndResultOnce();
    void notifications_data();
    void notifications();
};

void ZephRunTest::pointsAreNumberedAndRead() {
    CZephRun run;
    Accept(run, QStringLiteral("A"), State(20.0, 0.008, 12.5));
    Accept(run, QStringLiteral("B"), State(30.0, 0.012));
    // Anything but 1 adds nothing and gives the last number.
    QCOMPARE(run.AddCurrentPoint(0), 2);
    QCOMPARE(run.GetPointCount(), 2);
    QCOMPARE(run.State().points.at(1).N, 2);
    QCOMPARE(run.GetPointName(1), QStringLiteral("A"));
    QCOMPARE(run.GetPointValues(1).Db, 20.0);
    QCOMPARE(run.GetPointValues(1).Mt, 0.0);  // the auxiliary temperature is not stored
    for (int n : {0, 3, -1}) {
        QVERIFY(corvo::IsFailed(run.GetPointValues(n)));
        QCOMPARE(run.GetPointValues(n).Dn, zeph::kFailed);
        QVERIFY(run.GetPointName(n).isEmpty());
    }
    // A failed run's points go again; the numbering goes back with them.
    Accept(run, QStringLiteral("C"), State(25.0, 0.010));
    run.KeepFirstPoints(2, 2);
    QCOMPARE(run.GetPointCount(), 2);
    QCOMPARE(run.AddCurrentPoint(1), 3);
    QCOMPARE(run.State().points.at(2).N, 3);
    QVERIFY(run.InDisplayRange(State(45.0, 0.035)));
    QVERIFY(!run.InDisplayRange(State(45.01, 0.01)));
    QVERIFY(!run.InDisplayRange(State(20.0, -0.0001)));
}

using Entry = CZephRun::PointEntry;
using Outcome = CZephRun::SolveOutcome;
Q_DECLARE_METATYPE(Entry)

void ZephRunTest::solvingAnEntry_data() {
    QTest::addColumn<int>("unitMode");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<double>("db");
    QTest::addColumn<double>("rh");
    const auto row = [](const char* name, int unit, Entry e, Outcome o, double db, double rh) {
        QTest::newRow(name) << unit << e << int(o) << db << rh;
    };
    row("db rh", 1, {"P1", "26", "", "50", "", "", ""}, Outcome::Pending, 26.0, 50.0);
    row("db wb", 1, {"P2", "26", "20", "", "", "", ""}, Outcome::Pending, 26.0, 0.0);
    // 50 kcal/kg is 209.3 kJ/kg: read in the unit of the unit mode.
    row("enthalpy in kcal", 0, {"P1", "", "", "", "", "16", "0.01"}, Outcome::Pending, 0.0, 0.0);
    row("enthalpy in kJ", 1, {"P1", "", "", "", "", "66.97682518127696", "0.01"}, Outcome::Pending,
        0.0, 0.0);
    row("out of range", 1, {"hot", "60", "", "50", "", "", ""}, Outcome::OutOfRange, 0.0, 0.0);
    row("one value", 1, {"P1", "26", "", "", "", "", ""}, Outcome::Refused, 0.0, 0.0);
}

void ZephRunTest::solvingAnEntry() {
    QFETCH(int, unitMode);
    QFETCH(Entry, entry);
    QFETCH(int, outcome);
    QFETCH(double, db);
    QFETCH(double, rh);
    CZephRun run;
    run.SetUnitMode(unitMode);
    QCOMPARE(int(run.CalcPointAt(entry, 1013.25)), outcome);
    const CurrentPoint& c = run.State().current;
    QCOMPARE(c.name, entry.name);  // whatever the outcome
    QCOMPARE(c.pending, outcome == int(Outcome::Pending) ? 1 : 0);
    QCOMPARE(run.GetPointCount(), 0);
    if (db != 0.0) {
        QVERIFY(qAbs(c.values.Db - db) < 1e-9);
    }
    if (rh != 0.0) {
        QVERIFY(qAbs(c.values.Rh - rh) < 1e-6);
    }
    if (!entry.hi.isEmpty() && outcome == int(Outcome::Pending)) {
        // Both units name the same state: 16 kcal/kg.
        QVERIFY(qAbs(c.values.Hi - 16.0) < 1e-6);
        QCOMPARE(c.style, int(zeph::kStylePlain));
    }
}

void ZephRunTest::resultStep() {
    CZephRun run;
    const _CORVO a = State(20.0, 0.008);
    const _CORVO b = State(30.0, 0.012);
    const CZephRun::Origins both = CZephRun::OriginOf(a, b);
    QVERIFY(run.ResultStep(State(25.0, 0.010, 7.5), QStringLiteral("Mix"), zeph::kStyleMix, both,
                           CZephRun::ResultAdd::Pending));
    const CurrentPoint& c = run.State().current;
    QCOMPARE(c.pending, 1);
    QCOMPARE(c.style, int(zeph::kStyleMix));
    QVERIFY(c.values.Db1 == 20.0 && c.values.Xi1 == 0.008);
    QVERIFY(c.values.Db2 == 30.0 && c.values.Xi2 == 0.012);
    QCOMPARE(run.GetPointCount(), 0);

    // At once: in the list, current, no longer pending; Mt stays with it.
    QVERIFY(run.ResultStep(State(15.0, 0.009, 7.5), QStringLiteral("S.A"), zeph::kStyleProcess,
                           CZephRun::OriginOf(a), CZephRun::ResultAdd::AtOnce));
    QCOMPARE(run.GetPointCount(), 1);
    QCOMPARE(c.pending, 0);
    QCOMPARE(c.values.Mt, 7.5);
    QCOMPARE(run.State().points.at(0).Mt, 0.0);
    QCOMPARE(run.State().points.at(0).Db1, 20.0);
    QCOMPARE(run.GetPointName(1), QStringLiteral("S.A"));

    // Outside the view range (and the failed record): nothing changes.
    for (const _CORVO& r : {State(46.0, 0.01), zeph::FailedState()}) {
        QVERIFY(!run.ResultStep(r, QStringLiteral("Heat"), zeph::kStyleProcess, {},
                                CZephRun::ResultAdd::AtOnce));
        QCOMPARE(run.GetPointCount(), 1);
        QCOMPARE(c.name, QStringLiteral("S.A"));
    }

    // A stored point shown again: not drawn, pending; none: the failed record.
    run.ShowStoredPoint(1);
    QVERIFY(c.pending == 1 && c.style == zeph::kStyleHidden && c.values.Db == 15.0);
    run.ShowStoredPoint(2);
    QVERIFY(c.pending == 0 && corvo::IsFailed(c.values) && c.name.isEmpty());
}

// Three room states solved by the engine, then the processes that ask
// nothing, checked by balances and symmetries rather than by their formulas.
void ZephRunTest::processes() {
    CZephRun run;
    for (const char* db : {"26", "32", "14"}) {
        QCOMPARE(run.CalcPointAt({"", db, "", "50", "", "", ""}, kP),
                 CZephRun::SolveOutcome::Pending);
        run.AddCurrentPoint(1);
    }
    const _CORVO a = run.GetPointValues(1);
    const _CORVO b = run.GetPointValues(2);
    const CurrentPoint& c = run.State().current;
    const auto near = [](double x, double y, double tol) { return qAbs(x - y) <= tol; };

    // Equal parts: moisture and enthalpy halfway, lines from both sources.
    QVERIFY(run.ProcMix(1, 2, 1.0, kP));
    QVERIFY(near(c.values.Xi, (a.Xi + b.Xi) / 2, 1e-9));
    QVERIFY(near(c.values.Hi, (a.Hi + b.Hi) / 2, 1e-6));
    QVERIFY(c.pending == 1 && c.style == zeph::kStyleMix && c.name == QStringLiteral("Mix"));
    QVERIFY(c.values.Db1 == a.Db && c.values.Db2 == b.Db);

    // Heating keeps the moisture and adds the temperature asked for.
    QVERIFY(run.ProcHeatByTemp(1, 5.0, kP));
    QVERIFY(near(c.values.Xi, a.Xi, 1e-12) && near(c.values.Db, a.Db + 5.0, 1e-6));
    QVERIFY(!run.ProcHeatByTemp(2, 30.0, kP));  // 62 °C is off the chart
    QCOMPARE(c.pending, 0);

    // A point between two: the same whichever comes first, on the segment.
    QVERIFY(run.ProcSlopeDt(1, 2, 2.0, kP));
    const _CORVO between = c.values;
    QVERIFY(run.ProcSlopeDt(2, 1, 2.0, kP));
    QCOMPARE(c.values.Db, between.Db);
    QCOMPARE(c.values.Xi, between.Xi);
    QVERIFY(a.Db < between.Db && between.Db < b.Db && c.name == QStringLiteral("B.P"));
    QVERIFY(run.ProcSlopeDh(1, 2, 1.0, kP));
    QVERIFY(a.Hi < c.values.Hi && c.values.Hi < b.Hi);

    // The difference of a point with itself is zero, and not drawn.
    run.ProcDelta(1, 1);
    QVERIFY(c.values.Db == 0.0 && c.values.Hi == 0.0 && c.style == zeph::kStyleHidden);
    QCOMPARE(c.pending, 1);

    // The air flow grows with the heat it carries, in proportion, between
    // the same two states; nothing is added. No room point: no air flow.
    double tOff = 16.0;
    const double flow = run.AirflowForSupplyTemp(1, 0.8, 0.95, kP, tOff, 10000.0);
    double tOff2 = 16.0;
    const double flow2 = run.AirflowForSupplyTemp(1, 0.8, 0.95, kP, tOff2, 20000.0);
    QVERIFY(flow > 0.0 && tOff >= 16.0 && tOff2 == tOff);
    QVERIFY(near(flow2, 2.0 * flow, 1e-9 * flow));
    QCOMPARE(run.GetPointCount(), 3);
    QCOMPARE(c.pending, 0);
    QCOMPARE(run.AirflowForSupplyTemp(9, 0.8, 0.95, kP, tOff, 10000.0), 0.0);
}

void ZephRunTest::resetArchivesEachSystemAndResultOnce() {
    CZephRun run;
    CAutoCal_Ret first;
    first.name = QStringLiteral("Room A");
    EqcConditions conditions;
    conditions.floorArea = 100.0;
    run.SetEqcInput(conditions);
    run.SetCapacityResult(first);
    Accept(run, QStringLiteral("A"), State(20.0, 0.008));

    CZephRun::ResetOutcome out = run.ResetSystem(QStringLiteral("North"));
    QVERIFY(out.capacityArchived && out.systemFinished);
    QCOMPARE(run.State().eqcResults, QList<CAutoCal_Ret>{first});
    QCOMPARE(run.State().eqcInput.floorArea, 0.0);
    QCOMPARE(run.State().systemNames, QStringList{QStringLiteral("North")});
    QCOMPARE(run.GetPointCount(), 0);
    QCOMPARE(run.State().pointNo, 0);
    QCOMPARE(run.NextSystemName(), QStringLiteral("System 2"));

    // An empty system finishes nothing and archives nothing again; stored
    // conditions end with the system all the same.
    run.SetEqcInput(conditions);
    out = run.ResetSystem(QStringLiteral("Empty"));
    QCOMPARE(run.State().eqcInput.floorArea, 0.0);
    QVERIFY(!out.capacityArchived && !out.systemFinished);
    QCOMPARE(run.State().systemNames.size(), 1);
    QCOMPARE(run.State().eqcResults.size(), 1);

    // A second result replaces a first one not yet archived only after
    // archiving it; the finish archives the last one.
    CAutoCal_Ret second = first;
    second.name = QStringLiteral("Room B");
    CAutoCal_Ret third = first;
    third.name = QStringLiteral("Room C");
    run.SetCapacityResult(second);
    run.SetCapacityResult(third);
    Accept(run, QStringLiteral("B"), State(25.0, 0.010));
    run.FinishRun(QStringLiteral("South"));
    QCOMPARE(run.State().eqcResults, (QList<CAutoCal_Ret>{first, second, third}));
    QCOMPARE(run.State().systemNames,
             (QStringList{QStringLiteral("North"), QStringLiteral("South")}));
    QCOMPARE(run.State().allPoints.size(), 2);
    run.EndRun();
    QCOMPARE(run.GetPointCount(), 0);
    QCOMPARE(run.State().eqcPending, 0);
}

using RunStep = std::function<void(CZephRun&)>;
Q_DECLARE_METATYPE(RunStep)

void ZephRunTest::notifications_data() {
    // Expected signals as "points current system view", 1 for emitted.
    QTest::addColumn<RunStep>("step");
    QTest::addColumn<QString>("emitted");
    QTest::newRow("accept") << RunStep([](CZephRun& r) { r.AddCurrentPoint(1); }) << "1 0 0 0";
    QTest::newRow("accept nothing")
        << RunStep([](CZephRun& r) { r.AddCurrentPoint(0); }) << "0 0 0 0";
    QTest::newRow("current") << RunStep([](CZephRun& r) { r.SetCurrentPending(1); }) << "0 1 0 0";
    QTest::newRow("reset empty") << RunStep([](CZephRun& r) { r.ResetSystem({}); }) << "0 0 1 0";
    QTest::newRow("reset") << RunStep([](CZephRun& r) {
        r.AddCurrentPoint(1);
        r.ResetSystem({});
    }) << "1 1 1 0";
    QTest::newRow("range") << RunStep([](CZephRun& r) { r.SetViewRange({}); }) << "0 0 0 1";
    QTest::newRow("preset H") << RunStep([](CZephRun& r) {
        r.SetRangePreset(2);
        QCOMPARE(r.State().rangePreset, 2);
        QCOMPARE(r.State().range.maxDb, 60.0);
    }) << "0 0 0 1";
    QTest::newRow("no such preset") << RunStep([](CZephRun& r) {
        r.SetRangePreset(3);
        QCOMPARE(r.State().rangePreset, 1);
        QCOMPARE(r.State().range, ViewRange{});
    }) << "0 0 0 0";
    QTest::newRow("pressure") << RunStep([](CZephRun& r) { r.SetPressureText("900"); })
                              << "0 0 0 1";
    QTest::newRow("capacity") << RunStep([](CZephRun& r) { r.SetCapacityResult({}); }) << "0 0 1 0";
}

void ZephRunTest::notifications() {
    QFETCH(RunStep, step);
    QFETCH(QString, emitted);
    CZephRun run;
    QSignalSpy points(&run, &CZephRun::pointsChanged);
    QSignalSpy current(&run, &CZephRun::currentPointChanged);
    QSignalSpy system(&run, &CZephRun::systemChanged);
    QSignalSpy view(&run, &CZephRun::viewChanged);
    step(run);
    const auto seen = [](const QSignalSpy& s) { return s.isEmpty() ? '0' : '1'; };
    QCOMPARE(QString("%1 %2 %3 %4")
                 .arg(seen(points))
                 .arg(seen(current))
                 .arg(seen(system))
                 .arg(seen(view)),
             emitted);
}

QTEST_GUILESS_MAIN(ZephRunTest)
#include "zephrun_test.moc"
