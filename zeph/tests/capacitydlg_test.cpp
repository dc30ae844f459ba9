// The capacity dialog from the real main window: what it shows on opening,
// the boxes that follow each other while typing, and what OK accepts and
// stores. Values are checked against the engine.

#include <QLabel>
#include <QtTest>

#include "capacitytest.h"
#include "corvo/corvoapp.h"
#include "run/strings.h"

using Id = CZephDlgJ::ControlId;
using Dlg = CAutoEQCDlg;

namespace {

constexpr double kP = 1013.25;
const double kW = CCorvoFunction().CALWKJ(1);  // W per kcal/h

// "id=text" of an engine value as the dialog shows it.
QString Box(int id, double v) {
    return QString::asprintf("%d=%.2f", id, v);
}

// What the dialog shows for "id=…; id=…": each text, or "ro" / "rw" for
// the read-only state when that is what is asked; "focus=id" names the box
// with the focus.
QString Shown(QDialog* d, const QString& expected) {
    QStringList shown;
    for (const QString& e : expected.split(QStringLiteral("; "))) {
        if (e.startsWith(QLatin1String("focus="))) {
            QWidget* focus = d->focusWidget();
            shown << "focus=" + (focus != nullptr ? focus->objectName() : QString());
            continue;
        }
        const int id = e.section('=', 0, 0).toInt();
        QString text;
        if (auto* label = qobject_cast<QLabel*>(Ctl(d, id))) {
            text = label->text();
        } else if (e.endsWith(QLatin1String("=ro")) || e.endsWith(QLatin1String("=rw"))) {
            text = CtlEdit(d, id)->isReadOnly() ? "ro" : "rw";
        } else {
            text = CtlEdit(d, id)->text();
        }
        shown << QString::number(id) + '=' + text;
    }
    return shown.join(QStringLiteral("; "));
}

QStringList Texts(const QList<int>& ids) {
    QStringList texts;
    for (int id : ids) texts << zeph::LoadResString(id);
    return texts;
}

}  // namespace

class CapacityDialogTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void opening_data();
    void opening();
    void live_data();
    void live();
    void ok_data();
    void ok();
};

void CapacityDialogTest::opening_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("stored");  // loads and coil data stored before
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<QString>("expected");

    const CCorvoApp e;
    QTest::newRow("defaults, EQC button")
        << 0 << false << false
        << "5155=System 1; 5153=; 5154=; 5161=0; 5162=31.70; 5163=26.70; " +
               Box(5165, e.cal_DBWB(31.7, 26.7, kP).Rh) + "; 5167=25.00; 5170=50.00; " +
               Box(5168, e.cal_DBRH(25, 50, kP).Wb) +
               "; 5148=; 5151=; 5152=; 5172=1013.25; 5173=0.95; 5175=6; 5176=10; "
               "5178=(Kcal/h); 5181=(Kcal/h); 5163=rw; 5165=ro; 5168=rw; 5170=ro; 5156=ro; "
               "5159=ro";
    QTest::newRow("stored loads in W, menu")
        << 1 << true << true
        << "5155=; 5153=100; 5154=2.7; 5148=10000; 5151=8000; 5152=0.800; 5156=5000; "
           "5159=4000; 5160=0.800; 5172=1000; 5176=12; 5178=(W); 5180=(W); 5156=rw; 5159=rw; " +
               Box(5168, e.cal_DBRH(24, 40, 1000).Wb);
}

void CapacityDialogTest::opening() {
    QFETCH(int, unit);
    QFETCH(bool, stored);
    QFETCH(bool, fromMenu);
    QFETCH(QString, expected);

    MainDialogRig rig;
    rig.Choose(Id::IDC_UNIT, unit);
    if (stored) {
        rig.dlg->Run().SetEqcInput(EqcConditions{QStringLiteral("Room"), 1, 1000, 0, 0, 0, 24, 40,
                                                 100, 2.7, 0, 300, 8000 / kW, 2000 / kW, 4000 / kW,
                                                 1000 / kW, 0, 12});
    }
    QString shown;
    RunEqcDialog(
        rig, [&](QDialog* d) { shown = Shown(d, expected); }, fromMenu);
    QCOMPARE(shown, expected);
    QVERIFY(rig.ui.messages.isEmpty());
}

void CapacityDialogTest::live_data() {
    QTest::addColumn<QString>("steps");  // see Act(), separated by "; "
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QList<int>>("messages");

    const CCorvoApp e;
    QTest::newRow("outdoor WB gives the RH")
        << "5163=20" << Box(5165, e.cal_DBWB(31.7, 20, kP).Rh) << QList<int>{};
    const double rh = QString::asprintf("%.2f", e.cal_DBWB(31.7, 26.7, kP).Rh).toDouble();
    QTest::newRow("outdoor DB keeps the RH shown")
        << "5162=30" << Box(5163, e.cal_DBRH(30, rh, kP).Wb) << QList<int>{};
    // 150 % is no state: the box keeps what "15" gave, and nobody is told.
    QTest::newRow("outdoor RH past saturation, quietly")
        << "click=5166; 5165=150" << Box(5163, e.cal_DBRH(31.7, 15, kP).Wb) + "; 5163=ro; 5165=rw"
        << QList<int>{};
    QTest::newRow("room RH gives the WB")
        << "click=5171; 5170=60" << Box(5168, e.cal_DBRH(25, 60, kP).Wb) << QList<int>{};
    QTest::newRow("room WB gives the RH")
        << "5168=18" << Box(5170, e.cal_DBWB(25, 18, kP).Rh) << QList<int>{};
    QTest::newRow("dry bulb not a number") << "5167=2x"
                                           << "5167=2x" << QList<int>{6129};
    QTest::newRow("Enter does nothing") << "5148=10000; enter"
                                        << "5148=10000" << QList<int>{};
    QTest::newRow("sensible above the total") << "5148=10000; 5151=12000"
                                              << "5152=0.120" << QList<int>{6130};
    QTest::newRow("a new total keeps the SHF") << "5148=10000; 5151=7777; 5148=12000; leave"
                                               << "5151=9336; 5152=0.778" << QList<int>{};
    QTest::newRow("a total below the sensible load") << "5148=10000; 5151=8000; 5148=5000; leave"
                                                     << "5151=8000; 5152=0.800" << QList<int>{6131};
    QTest::newRow("minimum sensible follows each keystroke")
        << "system=1; 5156=5000; 5159=4000; 5156=6000"
        << "5159=4800; 5160=0.800" << QList<int>{};
    QTest::newRow("minimum total left below the sensible load")
        << "system=1; 5159=4000; 5156=3000; leave"
        << "5159=4000; 5160=" << QList<int>{6131};
    // A number is typed one key at a time: its start is no error.
    QTest::newRow("a negative dry bulb, key by key") << "5167=-5"
                                                     << "5167=-5" << QList<int>{};
    QTest::newRow("an exponent, key by key") << "5162=1e308"
                                             << "5162=1e308" << QList<int>{};
    QTest::newRow("a sign and point, key by key") << "click=5171; 5170=-.; 5170=+"
                                                  << "5170=+" << QList<int>{};
    QTest::newRow("a box left half typed") << "5167=-; leave"
                                           << "5167=-; focus=5167" << QList<int>{6129};
    QTest::newRow("a box left with no number the checker takes")
        << "5163=1e3; leave"
        << "5163=1e3; focus=5163" << QList<int>{6129};
    QTest::newRow("a box left empty") << "5162=; leave"
                                      << "5162=; focus=5162" << QList<int>{6129};
    // The focus given back is no leaving: one message per key or move of
    // the user, never an exchange between two wrong boxes.
    QTest::newRow("two wrong boxes, a message per move")
        << "5162=x; 5167=y; click=5163"
        << "5167=y; focus=5167" << QList<int>{6129, 6129, 6129, 6129};
    QTest::newRow("numbers take 64 characters, names more")
        << "5153=" + QString(100, '1') + "; 5167=" + QString(70, '2') + "; 5155=" + QString(70, 'R')
        << "5153=" + QString(64, '1') + "; 5167=" + QString(64, '2') + "; 5155=" + QString(70, 'R')
        << QList<int>{};
    QTest::newRow("a system resets the outdoor air")
        << "5162=35; 5163=30; system=1"
        << "5162=31.70; 5163=26.70; " + Box(5165, e.cal_DBWB(31.7, 26.7, kP).Rh) + "; 5156=rw"
        << QList<int>{};
}

void CapacityDialogTest::live() {
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    QFETCH(QList<int>, messages);

    MainDialogRig rig;
    QString shown;
    bool open = false;
    RunEqcDialog(rig, [&](QDialog* d) {
        Act(d, steps.split(QStringLiteral("; ")));
        QTest::qWait(0);  // a focus given back after a message
        shown = Shown(d, expected);
        open = d->isVisible();
    });
    QVERIFY(open);
    QCOMPARE(shown, expected);
    QCOMPARE(rig.ui.Texts(), Texts(messages));
}

void CapacityDialogTest::ok_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("sensibleTyped");
    QTest::addColumn<QString>("steps");  // after the floor, ceiling and loads
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<double>("sensible");  // stored, kcal/h; 0: refused
    QTest::addColumn<int>("focus");        // the box given the focus; 0: not asked

    const QString hint = QStringLiteral("線図右上の「自動計算ボタン」を押して下さい。");
    QTest::newRow("SHF 0.61 accepted") << 0 << "6100"
                                       << "" << QStringList{hint} << 6100.0 << 0;
    QTest::newRow("SHF 0.6 refused") << 0 << "6000"
                                     << "" << Texts({6135}) << 0.0 << 0;
    QTest::newRow("loads in W") << 1 << "8000"
                                << "" << QStringList{hint} << 8000 / kW << 0;
    QTest::newRow("no floor area") << 0 << "8000"
                                   << "5153=" << Texts({6132}) << 0.0 << 0;
    QTest::newRow("C.F out of range")
        << 0 << "8000"
        << "5173=1.2" << QStringList{QStringLiteral("0.7 から 1 までの数値を入力して下さい。")}
        << 0.0 << 0;
    QTest::newRow("sensible above the total") << 0 << "12000"
                                              << "" << Texts({6130, 6130}) << 0.0 << 0;
    QTest::newRow("room dry bulb not a number") << 0 << "8000"
                                                << "5167=2x" << Texts({6129, 6129}) << 0.0 << 0;
    const auto refused = [](const char* text) { return QStringList{QString::fromUtf8(text)}; };
    QTest::newRow("floor area under 0.1")
        << 0 << "8000"
        << "5153=0.05" << refused("0.1 から 100000 までの数値を入力して下さい。") << 0.0
        << int(Dlg::IDC_FLOOR_AREA);
    QTest::newRow("ceiling under 0.1")
        << 0 << "8000"
        << "5154=0.0000001" << refused("0.1 から 50 までの数値を入力して下さい。") << 0.0
        << int(Dlg::IDC_CEILING);
    const char* minAboveMax = "最小負荷が最大負荷を超えています、再度入力して下さい。";
    QTest::newRow("minimum total above the maximum")
        << 0 << "8000"
        << "system=1; 5156=12000; 5159=9000" << refused(minAboveMax) << 0.0
        << int(Dlg::IDC_MIN_TOTAL);
    QTest::newRow("minimum sensible above the maximum")
        << 0 << "8000"
        << "system=1; 5156=9000; 5159=8500" << refused(minAboveMax) << 0.0
        << int(Dlg::IDC_MIN_SENSIBLE);
    QTest::newRow("outdoor wet bulb above its dry bulb")
        << 0 << "8000"
        << "5163=35" << refused("外気の湿球温度が乾球温度を超えています、再度入力して下さい。")
        << 0.0 << int(Dlg::IDC_OA_WB);
    QTest::newRow("room RH above 100 %")
        << 0 << "8000"
        << "click=5171; 5170=120"
        << refused("室内の相対湿度が100％を超えています、再度入力して下さい。") << 0.0
        << int(Dlg::IDC_ROOM_RH);
}

void CapacityDialogTest::ok() {
    QFETCH(int, unit);
    QFETCH(QString, sensibleTyped);
    QFETCH(QString, steps);
    QFETCH(QStringList, messages);
    QFETCH(double, sensible);
    QFETCH(int, focus);
    const bool accepted = sensible > 0.0;

    MainDialogRig rig;
    rig.Choose(Id::IDC_UNIT, unit);
    bool stayed = false;
    RunEqcDialog(rig, [&](QDialog* d) {
        Act(d, {"5153=100", "5154=2.7", "5148=10000", "5151=" + sensibleTyped});
        if (!steps.isEmpty()) Act(d, steps.split(QStringLiteral("; ")));
        ClickOn(d, Dlg::IDC_OK);
        stayed = d->isVisible();
        if (focus != 0) QCOMPARE(d->focusWidget(), Ctl(d, focus));
    });
    QCOMPARE(rig.ui.Texts(), messages);
    QCOMPARE(rig.ui.messages.last().icon,
             accepted ? zeph::MsgIcon::Question : zeph::MsgIcon::Exclamation);
    QCOMPARE(stayed, !accepted);
    QCOMPARE(rig.dlg->m_btnAutoCalc->isEnabled(), accepted);
    // The result of a run, not the conditions, is what gets archived.
    QCOMPARE(rig.dlg->Run().State().eqcPending, 0);
    const EqcConditions& c = rig.dlg->Run().State().eqcInput;
    QCOMPARE(c.floorArea, accepted ? 100.0 : 0.0);
    if (!accepted) return;
    QCOMPARE(c.maxSensible, sensible);
    QCOMPARE(c.maxLatent, 10000 / (unit == 1 ? kW : 1.0) - sensible);
    QCOMPARE(c.roomName, QStringLiteral("System 1"));
    QCOMPARE(c.ceilingHeight, 2.7);
    QCOMPARE(c.roomDb, 25.0);
    QCOMPARE(c.outdoorWb, 26.7);
    QCOMPARE(c.contactFactor, 0.95);
    // Opened again, the loads read as they were typed.
    QString loads;
    RunEqcDialog(rig, [&](QDialog* d) { loads = Shown(d, "5148=; 5151="); });
    QCOMPARE(loads, "5148=10000; 5151=" + sensibleTyped);
}

QTEST_MAIN(CapacityDialogTest)
#include "capacitydlg_test.moc"
