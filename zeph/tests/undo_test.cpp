// Undo and redo in the main window: every command that changes the run is
// one step, undone and redone by keys and menu with the window showing the
// state restored; the limit of the history; deleting a point.

#include <QLabel>
#include <QUndoStack>
#include <QtTest>

#include <functional>
#include <utility>

#include "capacity/autoeqcresultdlg.h"
#include "capacitytest.h"
#include "corvo/corvoapp.h"
#include "run/constants.h"
#include "run/strings.h"

using Id = CZephDlgJ::ControlId;

namespace {

constexpr double kP = 1013.25;

// Points 1 … 5 (dry bulb, RH) and 6 mixed from 2 and 3; no step made.
void AddPoints(MainDialogRig& rig) {
    constexpr double kStates[][2] = {{20, 50}, {26, 50}, {32, 60}, {5, 50}, {20, 60}};
    CZephRun& run = rig.dlg->Run();
    for (int n = 1; n <= 5; ++n) {
        const _CORVO v = CCorvoApp().cal_DBRH(kStates[n - 1][0], kStates[n - 1][1], kP);
        run.AppendPoint(CZephRun::MakePointRecord(v, n, QStringLiteral("P%1").arg(n), 2));
    }
    _CORVO mix = CCorvoApp().cal_DBRH(29, 55, kP);
    mix.Db1 = run.GetPointValues(2).Db;
    mix.Xi1 = run.GetPointValues(2).Xi;
    mix.Db2 = run.GetPointValues(3).Db;
    mix.Xi2 = run.GetPointValues(3).Xi;
    run.AppendPoint(CZephRun::MakePointRecord(mix, 6, QStringLiteral("Mix"), zeph::kStyleMix));
    run.SetPointNo(6);
    rig.dlg->ClearHistory();
}

// Presses a process button and fills its dialog (template) with "id=text"
// steps before Enter.
void RunProcess(MainDialogRig& rig, int button, int templateId, const QStringList& steps) {
    DialogScript script;
    script.On(templateId, [&steps](QDialog* d) {
        for (const QString& s : steps) TypeInto(d, s.section('=', 0, 0).toInt(), s.section('=', 1));
        PressEnter(d);
    });
    QTest::mouseClick(rig.dlg->Control(button), Qt::LeftButton);
    QVERIFY2(script.Done(), qPrintable(script.Pending()));
}

void StoreConditions(MainDialogRig& rig) {
    RunEqcDialog(rig, [](QDialog* d) {
        Act(d, {"5153=100", "5154=2.7", "5148=10000", "5151=8000"});
        ClickOn(d, CAutoEQCDlg::IDC_OK);
    });
}

// A key pressed in the window, active again after a dialog or menu.
void Press(MainDialogRig& rig, Qt::Key key, Qt::KeyboardModifiers mods) {
    QApplication::setActiveWindow(rig.dlg.get());
    QVERIFY(QTest::qWaitForWindowActive(rig.dlg.get()));
    QWidget* focus = rig.Focus();
    QTest::keyClick(focus != nullptr ? focus : rig.dlg.get(), key, mods);
}

// The window shows the run's state with nothing pending: empty, editable
// point box, the settings in their boxes and selectors, and a result
// window only for the newest result.
void ShowsTheRun(MainDialogRig& rig) {
    CZephDlgJ& d = *rig.dlg;
    const RunState& s = d.Run().State();
    QCOMPARE(s.current, CurrentPoint{});
    for (int id : {3009, 3008, 3007, 3006, 3005, 3004, 3003, 3002}) {
        QVERIFY2(rig.Edit(id)->text().isEmpty() && !rig.Edit(id)->isReadOnly(),
                 qPrintable(QString::number(id)));
    }
    QCOMPARE(rig.Edit(Id::IDC_PRESSURE)->text(), s.pressureText);
    QCOMPARE(d.m_strPressure, s.pressureText);
    QCOMPARE(rig.Edit(Id::IDC_SYSTEM)->text(), s.systemName);
    QCOMPARE(d.m_comboUnit->currentIndex(), s.unitMode);
    QCOMPARE(d.m_staticHiLabel->text(), zeph::LoadResString(s.unitMode == 0 ? 6200 : 6202));
    QCOMPARE(d.m_comboRange->currentIndex(), s.rangePreset);
    if (d.m_pEqcResultDlg->IsOpen()) {
        QVERIFY(s.eqcPending == 1 || !s.eqcResults.isEmpty());
        QCOMPARE(d.m_pEqcResultDlg->Result(),
                 s.eqcPending == 1 ? s.eqcResult : s.eqcResults.last());
    }
}

// What a step restores: the run's lasting state and whether 自動計算 is on.
using Taken = std::pair<RunState, bool>;

Taken Take(const CZephDlgJ& d) {
    return {d.Run().State(), d.m_btnAutoCalc->isEnabled()};
}

bool Holds(const CZephDlgJ& d, const Taken& t) {
    return CZephRun::SameLastingState(d.Run().State(), t.first) &&
           d.m_btnAutoCalc->isEnabled() == t.second;
}

// Points by name and number: "P1 1, …".
QStringList Listed(const CZephDlgJ& d) {
    QStringList list;
    for (const CZephData& p : d.Run().State().points) {
        list << QStringLiteral("%1 %2").arg(QString::fromStdString(p.Pn)).arg(p.N);
    }
    return list;
}

// A position on the chart where a click finds point n alone.
QPoint MarkerOf(const CStaticGraph& chart, int n) {
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            const QList<CZephData> hits = chart.HitTest(QPoint(x, y));
            if (hits.size() == 1 && hits.first().N == n) return {x, y};
        }
    }
    return {-1, -1};
}

}  // namespace

using Command = std::function<void(MainDialogRig&)>;
Q_DECLARE_METATYPE(Command)

class UndoTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void eachCommandIsOneStep_data();
    void eachCommandIsOneStep();
    void historyKeepsTheLast100Steps();
    void keysLeaveTypingToItsBox();
    void menuNamesTheSteps();
    void deletingPoints();
};

void UndoTest::eachCommandIsOneStep_data() {
    QTest::addColumn<Command>("prepare");  // steps of its own allowed
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("step");
    const auto row = [](const char* name, const char* step, Command prepare, Command command) {
        QTest::newRow(name) << prepare << command << QString::fromUtf8(step);
    };
    const Command none = [](MainDialogRig&) {};
    const Command typeDryBulb = [](MainDialogRig& r) { r.Type(Id::IDC_DB, "24"); };
    const Command answerOk = [](MainDialogRig& r) { r.ui.answers = {zeph::MsgAnswer::Ok}; };

    row("Enter, then Y", "点の追加", none, [](MainDialogRig& r) { r.AddPoint("24", "45"); });
    row("constant dry bulb", "点の追加", typeDryBulb, [](MainDialogRig& r) {
        r.RunCommand(CZephDlgJ::ID_CONST_DB);
        r.Type(Id::IDC_RH, "45");
        r.Key(Id::IDC_RH, Qt::Key_Return);
        r.Key(Id::IDC_RH, Qt::Key_Y);
    });
    row("mixing, accepted", "混合", none, [](MainDialogRig& r) {
        RunProcess(r, Id::IDC_MIX, 333, {"5062=2", "5065=3", "5070=3"});
        QTest::mouseClick(r.dlg->Control(Id::IDC_YES), Qt::LeftButton);
    });
    // The preheating point is added at once; the humidified air waits.
    row("humidifier preheats", "加湿", answerOk, [](MainDialogRig& r) {
        RunProcess(r, Id::IDC_HH, 339, {"5126=4", "5125=5"});
    });
    row("Delete on the chart", "点を削除", none, [](MainDialogRig& r) {
        r.dlg->m_Graph->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(r.dlg->m_Graph, Qt::Key_Delete);
    });
    row("reset", "リセット", none,
        [](MainDialogRig& r) { QTest::mouseClick(r.dlg->Control(Id::IDC_RESET), Qt::LeftButton); });
    row("capacity conditions", "空調機容量", none, StoreConditions);
    row("capacity run", "自動計算", StoreConditions,
        [](MainDialogRig& r) { QTest::mouseClick(r.dlg->m_btnAutoCalc, Qt::LeftButton); });
    row("pressure", "圧力の変更", none, [](MainDialogRig& r) {
        r.Edit(Id::IDC_PRESSURE)->clear();
        r.Type(Id::IDC_PRESSURE, "950");
        r.Key(Id::IDC_PRESSURE, Qt::Key_Tab);
    });
    row("unit", "単位の変更", none, [](MainDialogRig& r) { r.Choose(Id::IDC_UNIT, 0); });
    row("range selector", "表示範囲の変更", none,
        [](MainDialogRig& r) { r.Choose(Id::IDC_RANGE, 2); });
    row("range dialog", "表示範囲の変更", none, [](MainDialogRig& r) {
        DialogScript script;
        script.On(341, [](QDialog* d) {
            TypeInto(d, 5146, "40");
            ClickOn(d, 1);
        });
        r.RunCommand(CZephDlgJ::ID_VIEW_RANGE);
        QVERIFY(script.Done());
    });
    row("system name", "システム名の変更", none, [](MainDialogRig& r) {
        r.Type(Id::IDC_SYSTEM, " North");
        r.Key(Id::IDC_SYSTEM, Qt::Key_Tab);
    });
}

void UndoTest::eachCommandIsOneStep() {
    QFETCH(Command, prepare);
    QFETCH(Command, command);
    QFETCH(QString, step);
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    AddPoints(rig);
    prepare(rig);
    const int steps = d.UndoStack()->count();
    const Taken before = Take(d);

    command(rig);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(d.UndoStack()->count(), steps + 1);
    QCOMPARE(d.UndoStack()->undoText(), step);
    const Taken after = Take(d);
    QVERIFY(!Holds(d, before));

    // Undo withdraws a pending point too.
    if (d.Run().State().current.pending == 0) {
        rig.Type(Id::IDC_DB, "22");
        rig.Type(Id::IDC_RH, "40");
        rig.Key(Id::IDC_RH, Qt::Key_Return);
    }
    QCOMPARE(d.Run().State().current.pending, 1);
    Press(rig, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(Holds(d, before));
    ShowsTheRun(rig);

    Press(rig, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(Holds(d, after));
    ShowsTheRun(rig);
    Press(rig, Qt::Key_Z, Qt::ControlModifier);
    Press(rig, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(Holds(d, after));
    QCOMPARE(d.UndoStack()->count(), steps + 1);
}

void UndoTest::historyKeepsTheLast100Steps() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    QCOMPARE(d.UndoStack()->count(), 0);
    // Presets L and H by turns, 105 steps: the fifth leaves L.
    for (int i = 0; i < 105; ++i) d.OnRangeSelected(i % 2 == 0 ? 0 : 2);
    QCOMPARE(d.UndoStack()->count(), 100);
    for (int i = 0; i < 101; ++i) Press(rig, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(d.Run().State().rangePreset, 0);
    QCOMPARE(d.m_comboRange->currentText(), QStringLiteral("L"));

    d.ClearHistory();
    QVERIFY(d.UndoStack()->count() == 0 && d.UndoStack()->isClean());
}

void UndoTest::keysLeaveTypingToItsBox() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    rig.AddPoint("24", "45");
    QCOMPARE(rig.Focus(), d.Control(Id::IDC_DB));
    // Typing is undone in its box first, then the run's steps.
    rig.Type(Id::IDC_DB, "3");
    Press(rig, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(rig.Edit(Id::IDC_DB)->text().isEmpty());
    QCOMPARE(d.GetPointCount(), 1);
    Press(rig, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(d.GetPointCount(), 0);
    // A box locked for display has no typing of its own.
    Press(rig, Qt::Key_Y, Qt::ControlModifier);
    d.ShowStoredPoint(1);
    rig.Edit(Id::IDC_DB)->setFocus();
    Press(rig, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(d.GetPointCount(), 0);
}

void UndoTest::menuNamesTheSteps() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    // Text, with "-" before it when grayed, and the keys shown.
    const auto items = [&rig] {
        QStringList texts;
        rig.Popup(rig.dlg->m_Graph, [&texts](QMenu* menu) {
            for (int c : {CZephDlgJ::ID_UNDO, CZephDlgJ::ID_REDO, CZephDlgJ::ID_DELETE_POINT}) {
                QAction* a = MainDialogRig::Item(menu, c);
                QStringList keys;
                for (const QKeySequence& k : a->shortcuts()) keys << k.toString();
                texts << (a->isEnabled() ? "" : "-") + a->text() + " " + keys.join(',');
            }
        });
        return texts;
    };
    QCOMPARE(items(),
             QStringList({"-元に戻す Ctrl+Z", "-やり直し Ctrl+Y,Ctrl+Shift+Z", "-点を削除 Del"}));

    rig.AddPoint("24", "45");
    rig.AddPoint("30", "40");
    RunProcess(rig, Id::IDC_MIX, 333, {"5062=1", "5065=2", "5070=1"});
    rig.Key(Id::IDC_DB, Qt::Key_Y);
    QCOMPARE(items(), QStringList({"元に戻す: 混合 Ctrl+Z", "-やり直し Ctrl+Y,Ctrl+Shift+Z",
                                   "点を削除 Del"}));
    rig.RunCommand(CZephDlgJ::ID_UNDO);
    QCOMPARE(d.GetPointCount(), 2);
    QCOMPARE(items().mid(0, 2),
             QStringList({"元に戻す: 点の追加 Ctrl+Z", "やり直し: 混合 Ctrl+Y,Ctrl+Shift+Z"}));
    rig.RunCommand(CZephDlgJ::ID_REDO);
    QCOMPARE(d.GetPointCount(), 3);
    // A name typed is a step by the time the menu opens.
    rig.Type(Id::IDC_SYSTEM, "A");
    QCOMPARE(items().first(), QStringLiteral("元に戻す: システム名の変更 Ctrl+Z"));
}

void UndoTest::deletingPoints() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    CStaticGraph* chart = d.m_Graph;
    chart->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(chart, Qt::Key_Delete);
    QCOMPARE(rig.ui.beeps, 1);  // no point to delete

    AddPoints(rig);
    const CZephData was = d.Run().State().points.last();
    chart->repaint();
    const QPoint second = MarkerOf(*chart, 2);
    QVERIFY(second.x() >= 0);
    QTest::mouseClick(chart, Qt::LeftButton, {}, second);
    QCOMPARE(rig.Edit(Id::IDC_NAME)->text(), QStringLiteral("P2"));
    QCOMPARE(rig.Focus(), chart);
    QTest::keyClick(chart, Qt::Key_Delete);
    QCOMPARE(Listed(d), QStringList({"P1 1", "P3 2", "P4 3", "P5 4", "Mix 5"}));
    QCOMPARE(d.Run().State().pointNo, 5);
    // The mixing lines still start at both sources, the deleted one too.
    const CZephData& mix = d.Run().State().points.last();
    QVERIFY(mix.Db1 == was.Db1 && mix.Xi1 == was.Xi1 && mix.Db2 == was.Db2 && mix.Xi2 == was.Xi2);
    ShowsTheRun(rig);

    // Nothing selected: the last point goes.
    QTest::keyClick(chart, Qt::Key_Delete);
    QCOMPARE(Listed(d).last(), QStringLiteral("P5 4"));
    // A pending point is withdrawn first.
    rig.Type(Id::IDC_DB, "22");
    rig.Type(Id::IDC_RH, "40");
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    rig.RunCommand(CZephDlgJ::ID_DELETE_POINT);
    QCOMPARE(Listed(d), QStringList({"P1 1", "P3 2", "P4 3"}));
    ShowsTheRun(rig);
    QCOMPARE(d.UndoStack()->count(), 3);
}

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
