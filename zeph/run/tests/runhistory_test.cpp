// What undo and deleting need of the run, without any window: which
// differences of two states last, a state restored with nothing pending,
// and a point deleted with the points after it renumbered.
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <limits>

#include "run/constants.h"
#include "run/zephrun.h"

namespace {

// Points A … D (C mixed from A and B, D heated from C) and a result waiting
// for Yes.
void FillRun(CZephRun& run) {
    const CZephRun::Origins none, mix{30.0, 0.015, 20.0, 0.008}, heat{25.0, 0.0115, 0, 0};
    const struct {
        const char* name;
        double db, xi;
        int style;
        CZephRun::Origins from;
    } points[] = {{"A", 30.0, 0.015, zeph::kStylePlain, none},
                  {"B", 20.0, 0.008, zeph::kStylePlain, none},
                  {"C", 25.0, 0.0115, zeph::kStyleMix, mix},
                  {"D", 35.0, 0.0115, zeph::kStyleProcess, heat},
                  {"Heat", 40.0, 0.0115, zeph::kStyleProcess, heat}};
    for (const auto& p : points) {
        const auto add = p.db < 40.0 ? CZephRun::ResultAdd::AtOnce : CZephRun::ResultAdd::Pending;
        _CORVO v{};
        v.Db = p.db;
        v.Xi = p.xi;
        QVERIFY(run.ResultStep(v, p.name, p.style, p.from, add));
    }
}

QString Names(const CZephRun& run) {
    QString names;
    for (const CZephData& p : run.State().points) names += p.Pn.c_str() + QString::number(p.N);
    return names;
}

}  // namespace

using Change = std::function<void(RunState&)>;
Q_DECLARE_METATYPE(Change)

class RunHistoryTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void lastingDifferences_data();
    void lastingDifferences();
    void restoreLeavesNothingPending();
    void deletePoint_data();
    void deletePoint();
};

void RunHistoryTest::lastingDifferences_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("lasting");
    QTest::newRow("current point") << Change([](RunState& s) { s.current = {}; }) << false;
    QTest::newRow("a line's origin") << Change([](RunState& s) { s.points[2].Xi2 = 0.01; }) << true;
    QTest::newRow("a name") << Change([](RunState& s) { s.points[2].Pn.push_back('c'); }) << true;
    QTest::newRow("numbering") << Change([](RunState& s) { ++s.pointNo; }) << true;
    QTest::newRow("system name") << Change([](RunState& s) { s.systemName = "N"; }) << true;
    QTest::newRow("conditions") << Change([](RunState& s) { s.eqcInput.roomDb = 26.0; }) << true;
    QTest::newRow("result") << Change([](RunState& s) { s.eqcResult.fanLoad = 1.0; }) << true;
}

void RunHistoryTest::lastingDifferences() {
    QFETCH(Change, change);
    QFETCH(bool, lasting);
    CZephRun run;
    FillRun(run);
    RunState changed = run.State();
    change(changed);
    QCOMPARE(CZephRun::SameLastingState(run.State(), changed), !lasting);
    QCOMPARE(CZephRun::SameLastingState(changed, run.State()), !lasting);
    // A value that is no number still equals its own copy.
    changed.points[3].Mt = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(CZephRun::SameLastingState(changed, RunState(changed)));
}

void RunHistoryTest::restoreLeavesNothingPending() {
    CZephRun run;
    FillRun(run);
    const RunState before = run.State();
    QCOMPARE(before.current.pending, 1);
    run.SetUnitMode(0);
    run.SetRangePreset(2);
    run.SetCapacityResult(CAutoCal_Ret{QStringLiteral("Room")});
    run.ResetSystem(QStringLiteral("North"));

    QSignalSpy points(&run, &CZephRun::pointsChanged);
    QSignalSpy current(&run, &CZephRun::currentPointChanged);
    QSignalSpy system(&run, &CZephRun::systemChanged);
    QSignalSpy view(&run, &CZephRun::viewChanged);
    run.RestoreState(before);
    QCOMPARE(run.State().current, CurrentPoint{});
    RunState pendingAgain = run.State();
    pendingAgain.current = before.current;
    QCOMPARE(pendingAgain, before);
    for (const QSignalSpy* spy : {&points, &current, &system, &view}) QCOMPARE(spy->size(), 1);
}

void RunHistoryTest::deletePoint_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("left");  // names and numbers after the deletion
    QTest::newRow("first") << 1 << "B1C2D3";
    QTest::newRow("a mixing source") << 2 << "A1C2D3";
    QTest::newRow("last") << 4 << "A1B2C3";
    QTest::newRow("none: 0") << 0 << "A1B2C3D4";
    QTest::newRow("none: 5") << 5 << "A1B2C3D4";
}

void RunHistoryTest::deletePoint() {
    QFETCH(int, n);
    QFETCH(QString, left);
    CZephRun run;
    FillRun(run);
    const RunState before = run.State();
    QSignalSpy points(&run, &CZephRun::pointsChanged);
    const bool deleted = n >= 1 && n <= 4;
    QCOMPARE(run.DeletePoint(n), deleted);
    QCOMPARE(Names(run), left);
    QCOMPARE(points.size(), deleted ? 1 : 0);
    if (!deleted) {
        QCOMPARE(run.State(), before);
        return;
    }
    QCOMPARE(run.State().current, CurrentPoint{});
    // The lines of the points left start where they did.
    for (const CZephData& p : run.State().points) {
        const CZephData& was = before.points.at(p.N - (p.N < n ? 1 : 0));
        QVERIFY(p.Db1 == was.Db1 && p.Xi1 == was.Xi1 && p.Db2 == was.Db2 && p.Xi2 == was.Xi2);
    }
    // The next point goes on from the last number.
    run.SetCurrent(before.current);
    QCOMPARE(run.AddCurrentPoint(1), 4);
}

QTEST_GUILESS_MAIN(RunHistoryTest)
#include "runhistory_test.moc"
