// The capacity calculation from the real main window: the points each run
// adds, its messages and the result, checked against the numbers the
// program gave when the chain last changed on purpose and against the
// balances the result must keep; the runs that cannot finish; the result
// window; and the archive of results.

#include <QLabel>
#include <QtTest>

#include <utility>

#include "capacity/autoeqcresultdlg.h"
#include "capacitycases.h"
#include "capacitytest.h"
#include "run/capacitychain.h"
#include "run/strings.h"
#include "tolvex/checkdata.h"

using Id = CZephDlgJ::ControlId;
using zeph::LoadResString;
using namespace capacitycases;

namespace {

// A main dialog in KCAL with conditions c stored as the dialog's OK leaves
// them; Run() presses 自動計算.
struct CapacityRig : MainDialogRig {
    explicit CapacityRig(const EqcConditions& c) {
        Choose(Id::IDC_UNIT, 0);
        dlg->Run().SetEqcInput(c);
        dlg->m_btnAutoCalc->setEnabled(true);
    }
    void Run() { QTest::mouseClick(dlg->m_btnAutoCalc, Qt::LeftButton); }
    QStringList Names() const {
        QStringList names;
        for (const CZephData& p : dlg->Run().State().points) names << QString::fromStdString(p.Pn);
        return names;
    }
    QString Shown(int id) const {
        QDialog* w = dlg->m_pEqcResultDlg->Window();
        return w != nullptr ? w->findChild<QLabel*>(QString::number(id))->text() : QString();
    }
};

}  // namespace

class CapacityTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void chain_data();
    void chain();
    void runsThatCannotFinish_data();
    void runsThatCannotFinish();
    void resultNumbersMustBeFinite_data();
    void resultNumbersMustBeFinite();
    void resultWindow();
    void eachResultIsArchivedOnce();
};

void CapacityTest::chain_data() {
    QTest::addColumn<QString>("changes");
    QTest::addColumn<double>("reheatTo");  // typed into the re-heater; 0: not asked

    QTest::newRow("base") << "" << 0.0;
    QTest::newRow("N 20: bypass for the air changes") << "N=20" << 0.0;
    QTest::newRow("supply 16: bypass to the supply temperature") << "T=16" << 0.0;
    QTest::newRow("SHF 0.61: reheat") << "S=6100" << 16.0;
    QTest::newRow("outdoor air 500") << "A=500" << 0.0;
    QTest::newRow("bypass control, minimum load") << "sys=1 N=20 min=5000/4000" << 0.0;
    QTest::newRow("bypass control, no minimum load") << "sys=1" << 0.0;
}

void CapacityTest::chain() {
    QFETCH(QString, changes);
    QFETCH(double, reheatTo);
    const EqcConditions c = Conditions(changes);
    const Expected& x = Captured(changes);

    CapacityRig rig(c);
    CZephDlgJ& d = *rig.dlg;
    DialogScript script;
    if (reheatTo > 0) {
        script.On(337, [reheatTo](QDialog* dlg) {
            TypeInto(dlg, 5087, QString::number(reheatTo));
            ClickOn(dlg, 5007);
        });
    }
    rig.Run();
    QVERIFY(script.Done());

    QCOMPARE(rig.ui.Texts(), x.messages);
    QCOMPARE(rig.Names(), x.names);
    for (int i = 0; i < x.points.size(); ++i) {
        QCOMPARE(d.GetPointValues(i + 1).Db, x.points[i].first);
        QCOMPARE(d.GetPointValues(i + 1).Xi, x.points[i].second);
    }
    const CAutoCal_Ret& r = d.Run().State().eqcResult;
    CompareResults(r, ResultOf(x, c));
    // Balances: the air flow is the room volume times the air-change rate;
    // the coil and bypass air flows make up the total; the capacity is the
    // room's loads, the outdoor air's, the fan's and the reheat.
    QVERIFY(qFuzzyCompare(r.airChangeRate * c.floorArea * c.ceilingHeight, r.totalAirflow));
    if (r.coilAirflowMin > 0) {
        QVERIFY(qFuzzyCompare(r.coilAirflowMin + r.bypassAirflow1, r.totalAirflow));
        QVERIFY(qFuzzyCompare(r.coilAirflowMax + r.bypassAirflow2, r.totalAirflow));
    } else {
        QVERIFY(qFuzzyCompare(r.coilAirflowMax + r.bypassAirflow1, r.totalAirflow));
    }
    QVERIFY(qFuzzyCompare(r.totalCapacity, c.maxSensible + c.maxLatent + r.outdoorAirLoad +
                                               r.fanLoad + r.systemReheat));
    QCOMPARE(d.Run().State().eqcPending, 1);
    QCOMPARE(d.Run().State().eqcInput.fanLoad, x.fanLoad);
    // The room names the system; nothing waits for Yes; one run per OK.
    QCOMPARE(rig.Edit(Id::IDC_SYSTEM)->text(), QStringLiteral("Room 1"));
    QCOMPARE(rig.Edit(Id::IDC_PRESSURE)->text(), QStringLiteral("1013.25"));
    QCOMPARE(d.Run().State().current.pending, 0);
    QTest::mouseClick(d.Control(Id::IDC_YES), Qt::LeftButton);
    QCOMPARE(d.GetPointCount(), int(x.points.size()));
    QVERIFY(!d.m_btnAutoCalc->isEnabled());
    QVERIFY(d.m_pEqcResultDlg->IsOpen());
    if (changes.isEmpty()) {  // the numbers a user reads
        QVERIFY(x.messages.at(0).contains(QStringLiteral("[ 13.7 ℃]")));
        QVERIFY(x.messages.at(1).contains(QStringLiteral("[   8.5  N/H ]")));
        QCOMPARE(rig.ui.messages.at(0).icon, zeph::MsgIcon::Question);
        QCOMPARE(d.Run().State().eqcResult.totalAirflow, d.Run().State().eqcResult.coilAirflowMax);
    }
}

void CapacityTest::runsThatCannotFinish_data() {
    QTest::addColumn<QString>("changes");
    QTest::addColumn<int>("range");  // view-range preset
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("messages");

    const QStringList coilMessages = Captured("").messages;
    QTest::newRow("supply near the room's dry bulb")
        << "T=25.9" << 1 << QStringList{} << QStringList{zeph::kNoAirflowText};
    QTest::newRow("room out of the view range")
        << "" << 0 << QStringList{} << QStringList{"データが表示範囲を超えています"};
    QTest::newRow("re-heater cancelled")
        << "S=6100" << 1 << QStringList{} << QStringList{LoadResString(6100)};
    QTest::newRow("outdoor air above the coil's")
        << "A=5000" << 1 << QStringList{} << coilMessages + QStringList{LoadResString(6120)};
    QTest::newRow("outdoor wet bulb above its dry bulb")
        << "A=500 oawb=40" << 1 << QStringList{}
        << coilMessages +
               QStringList{"Out of Range (  cal_DBWB  ) !", "データが表示範囲を超えています"};
    // The air-change rate of a room of 10⁻³⁰⁵ m³ is no number.
    QTest::newRow("floor area too small for the room")
        << "floor=1e-5 ceiling=1e-300" << 1 << QStringList{} << QStringList{LoadResString(6132)};
    QTest::newRow("floor area under 0.1")
        << "floor=0.05" << 1 << QStringList{} << QStringList{LoadResString(6132)};
}

void CapacityTest::runsThatCannotFinish() {
    QFETCH(QString, changes);
    QFETCH(int, range);
    QFETCH(QStringList, names);
    QFETCH(QStringList, messages);

    CapacityRig rig(Conditions(changes));
    // The run finds a point and a name of the system's own: it leaves them.
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("50"));
    rig.Choose(Id::IDC_RANGE, range);
    rig.Edit(Id::IDC_PRESSURE)->setText(QStringLiteral("1000.00"));
    const EqcConditions stored = rig.dlg->Run().State().eqcInput;
    DialogScript script;
    script.On(337, [](QDialog* d) { d->close(); });
    rig.ui.messages.clear();
    rig.Run();

    QCOMPARE(rig.ui.Texts(), messages);
    QCOMPARE(rig.Names().mid(1), names);
    QCOMPARE(rig.dlg->Run().State().pointNo, 1);
    QCOMPARE(rig.Edit(Id::IDC_SYSTEM)->text(), QStringLiteral("System 1"));
    QCOMPARE(rig.Edit(Id::IDC_PRESSURE)->text(), QStringLiteral("1000.00"));
    QCOMPARE(rig.dlg->Run().State().eqcInput.fanLoad, stored.fanLoad);
    QCOMPARE(rig.dlg->Run().State().eqcPending, 0);
    QCOMPARE(rig.dlg->Run().State().eqcResult, CAutoCal_Ret{});
    QVERIFY(!rig.dlg->m_pEqcResultDlg->IsOpen());
    QVERIFY(!rig.dlg->m_btnAutoCalc->isEnabled());
    QTest::mouseClick(rig.dlg->Control(Id::IDC_YES), Qt::LeftButton);
    QCOMPARE(rig.Names().mid(1), names);
}

// A result with a number that is none is never shown or kept: each field
// counts.
void CapacityTest::resultNumbersMustBeFinite_data() {
    QTest::addColumn<int>("field");  // index in kCapacityNumbers; -1: none spoilt
    QTest::addColumn<double>("value");

    QTest::newRow("all finite") << -1 << 0.0;
    for (int i = 0; i < int(std::size(kCapacityNumbers)); ++i) {
        QTest::addRow("field %d infinite", i + 3) << i << double(INFINITY);
        QTest::addRow("field %d not a number", i + 3) << i << double(NAN);
    }
}

void CapacityTest::resultNumbersMustBeFinite() {
    QFETCH(int, field);
    QFETCH(double, value);
    CAutoCal_Ret r = ResultOf(Captured(""), Conditions(""));
    if (field >= 0) r.*kCapacityNumbers[field] = value;
    QCOMPARE(r.AllFinite(), field < 0);
}

// Fixed kcal/h and kW texts; a second run refreshes the open window; OK
// destroys it and keeps the object; finish destroys it.
void CapacityTest::resultWindow() {
    CAutoCal_Ret big;
    big.totalCapacity = 86000;
    QCOMPARE(CAutoEQC_ResultDlg::FieldText(5183, big), QStringLiteral("86,000"));
    QCOMPARE(CAutoEQC_ResultDlg::FieldText(5184, big), QStringLiteral("100.00"));

    CapacityRig rig(Conditions(""));
    rig.Choose(Id::IDC_UNIT, 1);  // the window's units do not follow
    rig.Run();
    const CAutoCal_Ret r = ResultOf(Captured(""), Conditions(""));
    QDialog* w = rig.dlg->m_pEqcResultDlg->Window();
    QVERIFY(w != nullptr && w->isVisible());
    QCOMPARE(w->objectName(), QStringLiteral("345"));
    QCOMPARE(w->windowTitle(), QStringLiteral("空調機選定ダイアログ"));
    QCOMPARE(w->parentWidget(), rig.dlg.get());
    const CCheckData check;
    const auto nci = [&check](int digits, double v) {
        return QString::fromStdString(check.nci(digits, v));
    };
    QCOMPARE(rig.Shown(5183), nci(0, r.totalCapacity));
    QCOMPARE(rig.Shown(5186), nci(2, r.sensibleCapacity / 860));
    QCOMPARE(rig.Shown(5193), nci(0, r.totalAirflow));
    QCOMPARE(rig.Shown(5200), nci(1, r.supplyDb));
    // A simple cycle without reheat.
    QCOMPARE(
        rig.Shown(5191) + ' ' + rig.Shown(5195) + ' ' + rig.Shown(5197) + ' ' + rig.Shown(5199),
        QStringLiteral("0.00 0 0 8.5"));

    rig.dlg->Run().SetEqcInput(Conditions("N=20"));
    rig.dlg->m_btnAutoCalc->setEnabled(true);
    rig.Run();
    QCOMPARE(rig.dlg->m_pEqcResultDlg->Window(), w);
    QCOMPARE(rig.Shown(5193), QStringLiteral("5,400"));

    QTest::mouseClick(w->findChild<QWidget*>(QStringLiteral("1")), Qt::LeftButton);
    QVERIFY(!rig.dlg->m_pEqcResultDlg->IsOpen());
    QCOMPARE(rig.dlg->m_pEqcResultDlg->Result().totalAirflow, 5400.0);
    rig.dlg->m_pEqcResultDlg->Create();
    QVERIFY(rig.dlg->m_pEqcResultDlg->IsOpen());
    QCOMPARE(rig.Shown(5193), QStringLiteral("5,400"));
    rig.ui.answers << zeph::MsgAnswer::No;  // no report
    QTest::mouseClick(rig.dlg->Control(Id::IDOK_FINISH), Qt::LeftButton);
    QVERIFY(!rig.dlg->m_pEqcResultDlg->IsOpen());
}

// From the dialog to the archive: each result once, a second run of the
// same system included; a reset takes the conditions (and 自動計算) with
// the result; OK without a run adds nothing at finish.
void CapacityTest::eachResultIsArchivedOnce() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    const auto ok = [](QDialog* dlg) {
        Act(dlg, {"5153=100", "5154=2.7", "5148=10000", "5151=8000"});
        ClickOn(dlg, CAutoEQCDlg::IDC_OK);
    };
    RunEqcDialog(rig, ok, true);  // from the menu: no room name
    QTest::mouseClick(d.m_btnAutoCalc, Qt::LeftButton);
    QCOMPARE(d.Run().State().eqcResult.name, QStringLiteral("System 1"));
    QCOMPARE(d.GetPointCount(), 2);
    RunEqcDialog(rig, ok);
    QTest::mouseClick(d.m_btnAutoCalc, Qt::LeftButton);
    QCOMPARE(d.GetPointCount(), 4);
    QCOMPARE(d.Run().State().eqcResults.size(), 1);

    RunEqcDialog(rig, ok);
    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    QCOMPARE(d.Run().State().eqcResults.size(), 2);
    QCOMPARE(d.Run().State().eqcInput.floorArea, 0.0);
    QVERIFY(!d.m_btnAutoCalc->isEnabled());
    RunEqcDialog(rig, ok);
    rig.ui.answers << zeph::MsgAnswer::No;  // no report
    QTest::mouseClick(d.Control(Id::IDOK_FINISH), Qt::LeftButton);
    QCOMPARE(d.Run().State().eqcResults.size(), 2);
    QCOMPARE(d.Run().State().systemNames, (QStringList{"System 1", "System 2"}));
}

QTEST_MAIN(CapacityTest)
#include "capacity_test.moc"
