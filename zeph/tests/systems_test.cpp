// Systems of a run: reset archives the current system and starts the next,
// finish archives the last and ends the run, the close box records nothing,
// and each capacity result is archived once with its system.

#include <QtTest>

#include "capacitytest.h"

using Id = CZephDlgJ::ControlId;

class SystemsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void resetNumbersSystemsAndKeepsTypedNames();
    void finishArchivesEverySystemInOrder();
    void closeRecordsNothing();
    void capacityResultsAreArchivedOnceWithTheirSystem();
    void resetDropsConditionsNeverRun();
};

void SystemsTest::resetNumbersSystemsAndKeepsTypedNames() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    // A reset of an empty system only writes the default name again.
    rig.Edit(Id::IDC_SYSTEM)->setText(QStringLiteral("scratch"));
    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    QCOMPARE(rig.Edit(Id::IDC_SYSTEM)->text(), QStringLiteral("System 1"));
    QCOMPARE(d.Run().State().systemNames.size(), 0);

    for (const char* db : {"20", "24", "28"}) {
        rig.AddPoint(QString::fromLatin1(db), QStringLiteral("50"));
    }
    QCOMPARE(d.GetPointCount(), 3);
    QCOMPARE(d.Run().State().pointNo, 3);
    rig.Edit(Id::IDC_SYSTEM)->clear();
    rig.Type(Id::IDC_SYSTEM, QStringLiteral("AHU-1"));
    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    QCOMPARE(d.Run().State().systemNames, QStringList{QStringLiteral("AHU-1")});
    QCOMPARE(d.Run().State().allPoints.size(), 3);
    QCOMPARE(d.GetPointCount(), 0);
    QCOMPARE(d.Run().State().pointNo, 0);
    QCOMPARE(rig.Edit(Id::IDC_SYSTEM)->text(), QStringLiteral("System 2"));
    QCOMPARE(rig.Focus(), d.Control(Id::IDC_SYSTEM));
    QCOMPARE(d.m_nFocusField, 1);

    rig.AddPoint(QStringLiteral("22"), QStringLiteral("60"));
    QCOMPARE(d.Run().State().points.first().N, 1);
}

void SystemsTest::finishArchivesEverySystemInOrder() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("50"));
    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    rig.AddPoint(QStringLiteral("24"), QStringLiteral("50"));
    rig.AddPoint(QStringLiteral("25"), QStringLiteral("50"));
    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    rig.AddPoint(QStringLiteral("30"), QStringLiteral("40"));
    rig.MarkSaved();
    rig.ui.answers << zeph::MsgAnswer::No;  // no report
    QTest::mouseClick(d.Control(1), Qt::LeftButton);

    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.Run().State().systemNames,
             (QStringList{QStringLiteral("System 1"), QStringLiteral("System 2"),
                          QStringLiteral("System 3")}));
    QCOMPARE(d.Run().State().allPoints.size(), 4);
    const double dbs[] = {20, 24, 25, 30};
    const int numbers[] = {1, 1, 2, 1};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(d.Run().State().allPoints.at(i).Db, dbs[i]);
        QCOMPARE(d.Run().State().allPoints.at(i).N, numbers[i]);
    }
    QCOMPARE(d.GetPointCount(), 0);
    QCOMPARE(rig.ui.Texts(), QStringList{QStringLiteral("データをファイルに記録しますか　？")});
}

void SystemsTest::closeRecordsNothing() {
    MainDialogRig rig;
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("50"));
    rig.MarkSaved();
    rig.dlg->close();
    QVERIFY(!rig.dlg->isVisible());
    QCOMPARE(rig.dlg->result(), int(QDialog::Rejected));
    QVERIFY(rig.dlg->Run().State().systemNames.isEmpty());
    QVERIFY(rig.dlg->Run().State().allPoints.isEmpty());
    QVERIFY(rig.ui.messages.isEmpty());
    QVERIFY(rig.ui.fileRequests.isEmpty());
}

void SystemsTest::capacityResultsAreArchivedOnceWithTheirSystem() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    rig.ui.answers << zeph::MsgAnswer::No;  // no report
    CAutoCal_Ret result;
    result.name = QStringLiteral("Room A");
    EqcConditions conditions;
    conditions.floorArea = 100;
    d.Run().SetEqcInput(conditions);
    d.Run().SetCapacityResult(result);  // as a capacity run leaves it
    rig.AddPoint(QStringLiteral("26"), QStringLiteral("50"));
    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    QCOMPARE(d.Run().State().eqcResults.size(), 1);
    QCOMPARE(d.Run().State().eqcInput.floorArea, 0.0);
    QCOMPARE(d.Run().State().eqcPending, 0);
    // A second reset and the finish add nothing: the result is archived.
    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    QTest::mouseClick(d.Control(Id::IDOK_FINISH), Qt::LeftButton);
    QCOMPARE(d.Run().State().eqcResults.size(), 1);
    QCOMPARE(d.Run().State().eqcResults.first().name, QStringLiteral("Room A"));
}

// Conditions stored by the capacity dialog's OK and never run end with the
// system: 自動計算 cannot run them in the next one.
void SystemsTest::resetDropsConditionsNeverRun() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    rig.Edit(Id::IDC_SYSTEM)->setText(QStringLiteral("Room A"));
    rig.Choose(Id::IDC_UNIT, 0);  // KCAL
    RunEqcDialog(rig, [](QDialog* dlg) {
        Act(dlg, {"5167=26", "5153=100", "5154=2.7", "5148=10000", "5151=8000"});
        ClickOn(dlg, CAutoEQCDlg::IDC_OK);
    });
    QVERIFY(d.m_btnAutoCalc->isEnabled());
    rig.ui.messages.clear();

    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    QVERIFY(!d.m_btnAutoCalc->isEnabled());
    QCOMPARE(d.Run().State().eqcInput.floorArea, 0.0);
    QCOMPARE(d.Run().State().eqcInput.maxSensible, 0.0);
    QTest::mouseClick(d.m_btnAutoCalc, Qt::LeftButton);
    QCOMPARE(d.GetPointCount(), 0);
    QCOMPARE(rig.Edit(Id::IDC_SYSTEM)->text(), QStringLiteral("System 1"));
    QVERIFY(rig.ui.messages.isEmpty());
    // Finish: no point, so no report question, and no result.
    rig.MarkSaved();
    QTest::mouseClick(d.Control(Id::IDOK_FINISH), Qt::LeftButton);
    QVERIFY(rig.ui.messages.isEmpty());
    QVERIFY(d.Run().State().eqcResults.isEmpty());
}

QTEST_MAIN(SystemsTest)
#include "systems_test.moc"
