// Cooling from the main window: the SHF dialog and its checks, the coil
// outlet, reheat to a supply temperature, the air-change table, and the air
// flow for a supply temperature. Numbers are checked against the engine.

#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "corvo/corvoapp.h"
#include "dialogs/shfdlgj.h"
#include "dialogscript.h"
#include "maindlgtest.h"
#include "run/strings.h"

using Id = CZephDlgJ::ControlId;
using zeph::LoadResString;

namespace {

constexpr double kP = 1013.25;

// A main dialog (KCAL unless said) with the room db / rh as point 1.
struct CoolingRig : MainDialogRig {
    explicit CoolingRig(int unit = 0, const QString& db = "26", const QString& rh = "50") {
        Choose(Id::IDC_UNIT, unit);
        AddPoint(db, rh);
        ui.Clear();
    }
    const CZephData& Point(int n) const { return dlg->Run().State().points.at(n - 1); }
    QString Name(int n) const { return QString::fromStdString(Point(n).Pn); }
    void PressShf() { QTest::mouseClick(dlg->Control(Id::IDC_SHF), Qt::LeftButton); }
};

// Fills the SHF dialog; a supply temperature clears 自動計算 first.
void FillShf(QDialog* d, const QString& point, const QString& shf, const QString& supply = {}) {
    TypeInto(d, CShfDlgJ::IDC_POINTNO, point);
    TypeInto(d, CShfDlgJ::IDC_SHF, shf);
    if (!supply.isEmpty()) {
        ClickOn(d, CShfDlgJ::IDC_AUTOCALC);
        TypeInto(d, CShfDlgJ::IDC_SUPPLYTEMP, supply);
    }
}

// Enter in the SHF dialog, whichever window the desktop has activated.
void EnterIn(QDialog* d) {
    QTest::keyClick(Ctl(d, CShfDlgJ::IDC_SHF), Qt::Key_Return);
}

void ClickRow(QTableWidget* table, int row) {
    const QRect cell = table->visualItemRect(table->item(row, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

QStringList Texts(QDialog* d, std::initializer_list<int> ids) {
    QStringList texts;
    for (int id : ids) texts << CtlEdit(d, id)->text();
    return texts;
}

}  // namespace

class CoolingTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void cooling_data();
    void cooling();
    void shfDialogChecks_data();
    void shfDialogChecks();
    void shfDialogKeysAndCheckBoxes();
    void airChangeTable_data();
    void airChangeTable();
    void entryPointsOfTheCapacityCalculation();
};

// From the SHF button to the points in the list, for each way of choosing
// the supply air.
void CoolingTest::cooling_data() {
    QTest::addColumn<QString>("setup");         // "db/rh SHF", then "manual": supply 15, no boxes
    QTest::addColumn<QStringList>("reheat");    // typed into the re-heater, one per OK
    QTest::addColumn<QStringList>("messages");  // "engine" for the engine's own
    QTest::addColumn<QStringList>("added");     // labels added at once after point 1
    QTest::addColumn<bool>("pending");          // "OFF" waits for Yes

    const QString e6100 = LoadResString(6100), e6136 = LoadResString(6136);
    const QString range = QStringLiteral("データが表示範囲を超えています");
    const QStringList none, saOff = {"S.A", "OFF"};
    QTest::newRow("automatic, coil reachable") << "26/50 0.8" << none << none << none << true;
    QTest::newRow("reheat to a supply temperature")
        << "26/50 0.5" << QStringList{"9.99", "12"} << QStringList{e6100, LoadResString(6112)}
        << saOff << false;
    QTest::newRow("both check boxes clear")
        << "26/50 0.8 manual" << none << none << QStringList{"S.A"} << false;
    QTest::newRow("dry room: low coil warning first")
        << "22/30 0.8" << QStringList{"12"} << QStringList{e6136, e6100} << saOff << false;
    // No state on the SHF line at the lowered limit: the engine's message and
    // the range message end it, no reheat is offered.
    QTest::newRow("dry room: no limit state")
        << "22/30 0.5" << none << QStringList{e6136, "engine", range} << none << false;
}

void CoolingTest::cooling() {
    QFETCH(QString, setup);
    QFETCH(QStringList, reheat);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, added);
    QFETCH(bool, pending);
    const QStringList room = setup.section(' ', 0, 0).split('/');
    const QString shf = setup.section(' ', 1, 1);
    const bool manual = setup.endsWith("manual");

    CoolingRig rig(0, room.at(0), room.at(1));
    CZephDlgJ& d = *rig.dlg;
    const _CORVO a = rig.Point(1).GetValues();
    QString reheaterShowed;
    DialogScript script;
    script.On(CShfDlgJ::IDD, [&](QDialog* dlg) {
        FillShf(dlg, "1", shf, manual ? "15" : "");
        if (manual) ClickOn(dlg, CShfDlgJ::IDC_REHEAT);
        EnterIn(dlg);
    });
    for (const QString& text : reheat) {
        script.On(337, [&reheaterShowed, text](QDialog* dlg) {
            if (reheaterShowed.isEmpty()) reheaterShowed = CtlEdit(dlg, 5087)->text();
            TypeInto(dlg, 5087, text);
            ClickOn(dlg, 5007);
        });
    }
    rig.PressShf();
    QVERIFY2(script.Done(), qPrintable(script.Pending()));

    QStringList texts;  // a run of engine messages counts as one
    for (const QString& t : rig.ui.Texts()) {
        const QString text = t.startsWith("Out of Range") ? QStringLiteral("engine") : t;
        if (text != "engine" || texts.isEmpty() || texts.last() != text) texts << text;
    }
    QCOMPARE(texts, messages);
    if (!messages.isEmpty()) {
        const bool warning = messages.first() == LoadResString(6136);
        QCOMPARE(rig.ui.messages.first().icon,
                 warning ? zeph::MsgIcon::Exclamation : zeph::MsgIcon::Question);
    }
    if (!reheat.isEmpty()) QCOMPARE(reheaterShowed, QStringLiteral(" 10.00"));

    QCOMPARE(d.GetPointCount(), 1 + int(added.size()));
    const CCorvoApp corvo;
    for (int i = 0; i < added.size(); ++i) {
        const CZephData& p = rig.Point(2 + i);
        const CZephData& from = rig.Point(1 + i);  // S.A from the room, OFF from S.A
        QCOMPARE(rig.Name(2 + i), added.at(i));
        QCOMPARE(int(p.Style), 0);
        QCOMPARE(p.Db1, from.Db);
        QCOMPARE(p.Xi1, from.Xi);
        if (added.at(i) == "S.A") {
            const double t = manual ? 15.0 : reheat.last().toDouble();
            QCOMPARE(p.Db, t);
            QCOMPARE(p.Xi, corvo.cal_SHF_FixedSaTemp(a, shf.toDouble(), t, kP).Xi);
        } else {
            QCOMPARE(p.Db, corvo.cal_RHX(95.0, from.Xi, kP).Db);
        }
    }
    QCOMPARE(d.Run().State().current.pending, pending ? 1 : 0);
    const int count = d.GetPointCount();
    if (pending) {
        QCOMPARE(rig.Edit(Id::IDC_NAME)->text(), QStringLiteral("OFF"));
        QCOMPARE(rig.Edit(Id::IDC_DB)->text(), QStringLiteral(" 13.64"));
        QCOMPARE(rig.Edit(Id::IDC_RH)->text(), QStringLiteral(" 95.00"));
        QVERIFY(rig.Edit(Id::IDC_DB)->isReadOnly());
    }
    // Yes adds a pending point, and never one already added at once.
    QTest::mouseClick(d.Control(Id::IDC_YES), Qt::LeftButton);
    QCOMPARE(d.GetPointCount(), count + (pending ? 1 : 0));
    if (pending) {
        QCOMPARE(rig.Point(2).Db, corvo.cal_SHF(a, 0.8, 0.95, 99, kP, 10).Db);
        QCOMPARE(int(rig.Point(2).Style), 0);
        QCOMPARE(rig.Point(2).Db1, a.Db);
    }
}

// The checks of the SHF dialog in their order, with the real main window as
// host: point 1 is 26 °C / 50 %, point 2 has a dew point below 0 °C.
void CoolingTest::shfDialogChecks_data() {
    QTest::addColumn<QString>("fields");  // point, SHF, CF[, supply]; "_" empty
    QTest::addColumn<int>("code");        // 0: accepted
    QTest::addColumn<int>("focus");

    QTest::newRow("SHF 0.5") << "1 0.5 0.95" << 0 << 0;
    QTest::newRow("SHF 1.0, CF 0.7") << "1 1.0 0.7" << 0 << 0;
    QTest::newRow("CF 1.0") << "1 0.8 1.0" << 0 << 0;
    QTest::newRow("SHF 0.49") << "1 0.49 0.95" << 3 << 5061;
    QTest::newRow("SHF 1.01") << "1 1.01 0.95" << 3 << 5061;
    QTest::newRow("SHF empty") << "1 _ 0.95" << 3 << 5061;
    QTest::newRow("CF 0.69") << "1 0.8 0.69" << 4 << 5062;
    QTest::newRow("CF with letters") << "1 0.8 0.9x" << 4 << 5062;
    QTest::newRow("point 0") << "0 0.8 0.95" << 1 << 5129;
    QTest::newRow("point beyond the list") << "3 0.8 0.95" << 1 << 5129;
    QTest::newRow("point 1.5") << "1.5 0.8 0.95" << 1 << 5129;
    QTest::newRow("cold point, before SHF") << "2 x 0.95" << 17 << 5129;
    QTest::newRow("supply at the dry bulb") << "1 0.8 0.95 26" << 2 << 5069;
    QTest::newRow("supply below the dry bulb") << "1 0.8 0.95 25.99" << 0 << 0;
}

void CoolingTest::shfDialogChecks() {
    QFETCH(QString, fields);
    QFETCH(int, code);
    QFETCH(int, focus);
    static const QMap<int, int> kMessage = {{1, 6111}, {2, 6112}, {3, 6113}, {4, 6114}, {17, 6137}};
    QStringList f = fields.replace('_', QString()).split(' ');
    f << QString();  // no supply temperature unless given

    CoolingRig rig;
    rig.AddPoint("5", "40");
    rig.ui.Clear();
    CShfDlgJ dlg(rig.dlg.get(), rig.dlg.get());
    QString focused;
    DialogScript script;
    script.On(CShfDlgJ::IDD, [&](QDialog* d) {
        FillShf(d, f.at(0), f.at(1), f.at(3));
        TypeInto(d, CShfDlgJ::IDC_CF, f.at(2));
        EnterIn(d);
        if (d->isVisible()) {
            focused = d->focusWidget()->objectName();
            d->close();
        }
    });
    const int result = dlg.exec();
    QVERIFY(script.Done());
    QCOMPARE(result, int(code == 0 ? QDialog::Accepted : QDialog::Rejected));
    if (code == 0) {
        QVERIFY(rig.ui.messages.isEmpty());
        QCOMPARE(dlg.PointNo, 1);
        QCOMPARE(dlg.Shf, f.at(1).toDouble());
        QCOMPARE(dlg.ContactFactor, f.at(2).toDouble());
        QCOMPARE(dlg.AutoCalc, f.at(3).isEmpty() ? 1 : 0);
        QCOMPARE(dlg.PointDb, 26.0);
    } else {
        QCOMPARE(rig.ui.Texts(), QStringList{LoadResString(kMessage.value(code))});
        QCOMPARE(rig.ui.messages.first().icon, zeph::MsgIcon::Question);
        QCOMPARE(focused, QString::number(focus));
    }
}

// Escape does nothing, the close box cancels and leaves a pending point
// pending; Down wraps; the check boxes open the supply temperature.
void CoolingTest::shfDialogKeysAndCheckBoxes() {
    CoolingRig rig;
    rig.Type(Id::IDC_DB, "20");
    rig.Type(Id::IDC_RH, "40");
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    QCOMPARE(rig.dlg->Run().State().current.pending, 1);

    QStringList seen;
    DialogScript script;
    script.On(CShfDlgJ::IDD, [&](QDialog* d) {
        QApplication::setActiveWindow(d);
        seen << Texts(d, {5062, 5069});
        const auto enabled = [d] {
            return QString::number(Ctl(d, 5041)->isEnabled()) +
                   QString::number(Ctl(d, 5069)->isEnabled()) +
                   QString::number(qobject_cast<QCheckBox*>(Ctl(d, 5041))->isChecked());
        };
        seen << enabled();
        ClickOn(d, 5040);  // automatic cleared: reheat and supply open
        seen << enabled();
        ClickOn(d, 5041);  // reheat cleared too: supply stays open
        seen << enabled();
        ClickOn(d, 5040);  // automatic again: reheat checked and locked
        seen << enabled();
        CtlEdit(d, 5062)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(CtlEdit(d, 5062), Qt::Key_Down);
        seen << d->focusWidget()->objectName();
        QTest::keyClick(CtlEdit(d, 5129), Qt::Key_Escape);
        seen << QString::number(d->isVisible());
        d->close();
    });
    rig.PressShf();
    QVERIFY(script.Done());
    QCOMPARE(seen, (QStringList{"0.95", "10.0", "001", "111", "110", "001", "5129", "1"}));
    QVERIFY(rig.ui.messages.isEmpty());
    QCOMPARE(rig.dlg->Run().State().current.pending, 1);
    QCOMPARE(rig.dlg->GetPointCount(), 1);
}

// The air-change table after SHF 0.5 (lowest coil outlet 10 °C) and the
// re-heater's "換気回数優先".
void CoolingTest::airChangeTable_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("typed");  // volume, heat, count; empty: from the capacity input
    QTest::addColumn<int>("pick");       // row picked, -1 none
    QTest::addColumn<QString>("rows");   // counts from the top, "*" marks "Too Low !"
    QTest::addColumn<double>("heatKcal");
    QTest::addColumn<QString>("shown");  // the fields after the table

    const double w = CCorvoFunction().CALWKJ(1);
    QTest::newRow("N 10, too low at 6")
        << 0 << "100 6000 10" << 2 << "06* 07 08 09 10" << 6000.0 << "100 6,000 10";
    QTest::newRow("N 30, volume cut to what is shown")
        << 0 << "100.9 6000 30" << 0 << "21 22 23 24 25 26 27 28 29 30" << 6000.0 << "100 6,000 30";
    QTest::newRow("SI, from the capacity input")
        << 1 << "" << 2 << "06* 07 08 09 10" << 6977 / w << "100 6,977 10";
    QTest::newRow("heat too large") << 0 << "100 10000 10" << -1 << "" << 0.0 << "100 10,000 10";
}

void CoolingTest::airChangeTable() {
    QFETCH(int, unit);
    QFETCH(QString, typed);
    QFETCH(int, pick);
    QFETCH(QString, rows);
    QFETCH(double, heatKcal);
    QFETCH(QString, shown);

    CoolingRig rig(unit);
    const _CORVO a = rig.Point(1).GetValues();
    if (typed.isEmpty()) {  // 25 m² × 4 m; 500 + 3000 + 2500 kcal/h
        rig.dlg->Run().SetCapacityResult(CAutoCal_Ret{});
        EqcConditions c;
        c.floorArea = 25;
        c.ceilingHeight = 4;
        c.fanLoad = 500;
        c.maxSensible = 3000;
        c.maxLatent = 2500;
        rig.dlg->Run().SetEqcInput(c);
    }
    QStringList opened, table, fields, afterTooLow;
    DialogScript script;
    script.On(CShfDlgJ::IDD, [](QDialog* d) {
        FillShf(d, "1", "0.5");
        EnterIn(d);
    });
    script.On(337, [](QDialog* d) {
        ClickOn(d, 5085);
        ClickOn(d, 5007);
    });
    script.On(330, [&](QDialog* d) {
        opened << Texts(d, {5088, 5089, 5017}) << qobject_cast<QLabel*>(Ctl(d, 5038))->text()
               << QString::number(Ctl(d, 1)->isEnabled());
        const QStringList values = typed.split(' ', Qt::SkipEmptyParts);
        for (int i = 0; i < values.size(); ++i) TypeInto(d, QList{5088, 5089, 5017}[i], values[i]);
        ClickOn(d, 5095);
        auto* t = qobject_cast<QTableWidget*>(Ctl(d, 5147));
        for (int r = 0; r < t->rowCount(); ++r) {
            table << t->item(r, 0)->text() + ' ' + t->item(r, 1)->text();
        }
        fields = Texts(d, {5088, 5089, 5017});
        if (rows.contains('*')) {
            ClickRow(t, 0);
            afterTooLow << CtlEdit(d, 5017)->text() << QString::number(Ctl(d, 1)->isEnabled());
        }
        if (pick < 0) {
            d->close();
            return;
        }
        ClickRow(t, pick);
        ClickOn(d, 1);
    });
    rig.PressShf();
    QVERIFY2(script.Done(), qPrintable(script.Pending()));

    const QString label = LoadResString(unit == 1 ? 6204 : 6203);
    const QString start = typed.isEmpty() ? "100 6,977 10" : "  10";
    QCOMPARE(opened, start.split(' ') << label << "0");
    QCOMPARE(fields.join(' '), shown);

    const double V = fields.at(0).toDouble();
    const CCorvoApp corvo;
    QStringList expected;
    for (const QString& row : rows.split(' ', Qt::SkipEmptyParts)) {
        const QString count = QString(row).remove('*');
        const double ts =
            corvo.cal_SHF_AirQtyTh(a, 0.5, 0.95, heatKcal, V * count.toDouble(), kP).Db;
        QCOMPARE(ts < 10.0, row.endsWith('*'));
        expected << count + ' ' + (ts < 10.0 ? "Too Low !" : QString::asprintf("%3.2f", ts));
    }
    QCOMPARE(table, expected);

    QStringList texts = {LoadResString(6100)};
    if (rows.contains('*')) texts << QStringLiteral("有効な行を選定してください。");
    if (rows.isEmpty()) texts << QStringLiteral("入力した熱量が大きすぎます。");
    QCOMPARE(rig.ui.Texts(), texts);
    QCOMPARE(rig.ui.messages.last().icon, zeph::MsgIcon::Question);
    if (rows.contains('*')) QCOMPARE(afterTooLow, (QStringList{"", "0"}));
    if (pick < 0) {
        QCOMPARE(rig.dlg->GetPointCount(), 1);
        return;
    }
    // S.A from the room with the picked count times the volume shown, then
    // OFF from S.A, both at once.
    const double n = expected.at(pick).section(' ', 0, 0).toDouble();
    const _CORVO s = corvo.cal_SHF_AirQtyTh(a, 0.5, 0.95, heatKcal, V * n, kP);
    QCOMPARE(rig.dlg->GetPointCount(), 3);
    QCOMPARE(rig.Name(2) + ' ' + rig.Name(3), QStringLiteral("S.A OFF"));
    QCOMPARE(rig.Point(2).Db, s.Db);
    QCOMPARE(rig.Point(2).Xi, s.Xi);
    QCOMPARE(rig.Point(3).Db, corvo.cal_RHX(95, s.Xi, kP).Db);
    QCOMPARE(rig.Point(3).Db1, s.Db);
}

// Called directly as the capacity calculation does: the air flow adds and
// shows nothing; the return values say what happened.
void CoolingTest::entryPointsOfTheCapacityCalculation() {
    CoolingRig rig;
    CZephDlgJ& d = *rig.dlg;
    const _CORVO a = rig.Point(1).GetValues();
    const _CORVO r = CCorvoApp().cal_SHF(a, 0.8, 0.95, 99, kP, 10);

    double tOff = 10;
    const double flow = d.Run().AirflowForSupplyTemp(1, 0.8, 0.95, kP, tOff, 10000);
    QVERIFY(std::abs(flow - 2195.5) < 0.1);
    QCOMPARE(flow, 10000 / ((a.Hi - r.Hi) * 1.20479));
    QCOMPARE(tOff, r.Db);
    tOff = 30;  // supply above the room: no heat leaves with the air
    QCOMPARE(d.Run().AirflowForSupplyTemp(1, 0.8, 0.95, kP, tOff, 10000), 0.0);
    QCOMPARE(d.GetPointCount(), 1);
    QVERIFY(rig.ui.messages.isEmpty());

    // The coil outlet waits as point 2; a cancelled re-heater gives none.
    double out = -1;
    QCOMPARE(d.Run().ProcCooling(1, 1, 1, 0.8, 0.95, kP, 10, out), 2);
    DialogScript script;
    script.On(337, [](QDialog* dlg) { dlg->close(); });
    QCOMPARE(d.Run().ProcCooling(1, 1, 1, 0.5, 0.95, kP, 10, out), 0);
    QVERIFY(script.Done());
    QCOMPARE(out, -1.0);
    QCOMPARE(d.GetPointCount(), 1);
}

QTEST_MAIN(CoolingTest)
#include "cooling_test.moc"
