// Entering points in the point box: solving, showing, accepting, rejecting,
// constant properties, clicks on plotted points, the range and engine
// messages, and reading numbers whatever the desktop locale.

#include <QtTest>

#include <clocale>
#include <cmath>

#include "corvo/corvoapp.h"
#include "maindlgtest.h"
#include "scoped_locale.h"

using Id = CZephDlgJ::ControlId;
using zeph::MsgIcon;

namespace {

constexpr double kKjPerKcal = 4.18605157382981;

QString Box(const MainDialogRig& rig, int id) {
    return rig.Edit(id)->text();
}

}  // namespace

class PointEntryTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void dryBulbAndHumidityGivePointOne();
    void onlyExactlyTwoFilledBoxesCalculate();
    void outsideTheViewRangeIsRefused();
    void unsolvableEntryShowsTheEngineMessageThenTheRangeMessage();
    void noClearsAndRefocuses();
    void yesWithNothingPendingAddsNothing();
    void constantDryBulbKeepsItsValue();
    void clickOnAPlottedPointShowsItLocked();
    void enthalpyIsEnteredInTheShownUnit();
    void aCommaInAValueIsRefusedOnEnter();
    void storedPointsAreReadByNumber();
    void numbersReadTheSameUnderAGermanLocale();
    void editingAfterTheCalculationWithdrawsThePoint();
};

void PointEntryTest::dryBulbAndHumidityGivePointOne() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    rig.Type(Id::IDC_NAME, QStringLiteral("RA"));
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_RH, QStringLiteral("50"));
    rig.Key(Id::IDC_RH, Qt::Key_Return);

    const _CORVO r = CCorvoApp().cal_DBRH(26, 50, 1013.25);
    QCOMPARE(Box(rig, 3008), QStringLiteral(" 26.00"));
    QCOMPARE(Box(rig, 3006), QStringLiteral(" 50.00"));
    QCOMPARE(Box(rig, 3003), QStringLiteral("  0.01050"));
    QCOMPARE(Box(rig, 3007), QString::asprintf("%6.2f", r.Wb));
    QCOMPARE(Box(rig, 3005), QString::asprintf("%6.2f", r.Dp));
    QCOMPARE(Box(rig, 3004), QString::asprintf("%9.5f", r.Hi * kKjPerKcal));
    QCOMPARE(Box(rig, 3002), QString::asprintf("%9.5f", r.Dn));
    QCOMPARE(Box(rig, 3009), QStringLiteral("RA"));
    // Handbook values at 26 °C, 50 %, 1013.25 hPa: the enthalpy box is in
    // kJ/kg, not kcal/kg.
    QVERIFY(std::abs(Box(rig, 3007).toDouble() - 18.7) < 0.1);
    QVERIFY(std::abs(Box(rig, 3005).toDouble() - 14.8) < 0.1);
    QVERIFY(std::abs(Box(rig, 3004).toDouble() - 52.9) < 0.2);
    QVERIFY(std::abs(Box(rig, 3002).toDouble() - 1.16) < 0.02);

    QCOMPARE(d.Run().State().current.pending, 1);
    QCOMPARE(d.GetPointCount(), 0);
    for (int id : {3009, 3008, 3007, 3006, 3005, 3004, 3003, 3002}) {
        QVERIFY(!rig.Edit(id)->isReadOnly());
    }
    QVERIFY(rig.ui.messages.isEmpty());

    rig.Key(Id::IDC_RH, Qt::Key_Y);
    QCOMPARE(d.GetPointCount(), 1);
    const CZephData& p = d.Run().State().points.first();
    QCOMPARE(p.N, 1);
    QCOMPARE(int(p.Style), 2);
    QCOMPARE(QString::fromStdString(p.Pn), QStringLiteral("RA"));
    QCOMPARE(p.Db, r.Db);
    QCOMPARE(p.Xi, r.Xi);
    QCOMPARE(p.Hi, r.Hi);
    QCOMPARE(p.Mt, 0.0);
    for (int id : {3009, 3008, 3007, 3006, 3005, 3004, 3003, 3002}) {
        QVERIFY(Box(rig, id).isEmpty());
    }
    QCOMPARE(rig.Focus(), d.Control(Id::IDC_DB));
    QCOMPARE(d.Run().State().current.pending, 0);

    rig.AddPoint(QStringLiteral("30"), QStringLiteral("40"));
    QCOMPARE(d.GetPointCount(), 2);
    QCOMPARE(d.Run().State().points.at(1).N, 2);
    QCOMPARE(d.Run().State().pointNo, 2);
}

void PointEntryTest::onlyExactlyTwoFilledBoxesCalculate() {
    MainDialogRig rig;
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_WB, QStringLiteral("20"));
    rig.Type(Id::IDC_RH, QStringLiteral("50"));
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);
    QCOMPARE(Box(rig, 3008), QStringLiteral("26"));
    QVERIFY(Box(rig, 3005).isEmpty());
    rig.Edit(Id::IDC_WB)->clear();
    rig.Edit(Id::IDC_RH)->clear();
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);
    QVERIFY(rig.ui.messages.isEmpty());
}

void PointEntryTest::outsideTheViewRangeIsRefused() {
    MainDialogRig rig;
    rig.Type(Id::IDC_DB, QStringLiteral("70"));
    rig.Type(Id::IDC_RH, QStringLiteral("10"));
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    QCOMPARE(rig.ui.messages.size(), 1);
    QCOMPARE(rig.ui.messages.first().text, QStringLiteral("データが表示範囲を超えています"));
    QVERIFY(rig.ui.messages.first().icon == MsgIcon::Exclamation);
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);
    QCOMPARE(Box(rig, 3008), QStringLiteral("70"));
    QCOMPARE(Box(rig, 3006), QStringLiteral("10"));
    QVERIFY(Box(rig, 3007).isEmpty());
    QVERIFY(!rig.Edit(3008)->isReadOnly());
}

void PointEntryTest::unsolvableEntryShowsTheEngineMessageThenTheRangeMessage() {
    MainDialogRig rig;
    // Dew point and humidity ratio are not independent: no solver exists.
    rig.Type(Id::IDC_DP, QStringLiteral("10"));
    rig.Type(Id::IDC_XI, QStringLiteral("0.008"));
    rig.Key(Id::IDC_XI, Qt::Key_Return);
    QCOMPARE(rig.ui.Texts(), (QStringList{QStringLiteral("Not Available Function !"),
                                          QStringLiteral("データが表示範囲を超えています")}));
    QVERIFY(rig.ui.messages.at(0).icon == MsgIcon::Stop);
    QVERIFY(rig.ui.messages.at(0).buttons == zeph::MsgButtons::Ok);
    QVERIFY(rig.ui.messages.at(1).icon == MsgIcon::Exclamation);
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);

    // A solver's own failure: the dew point above the dry bulb.
    rig.ui.Clear();
    rig.Edit(Id::IDC_XI)->clear();
    rig.Type(Id::IDC_DB, QStringLiteral("5"));
    rig.Key(Id::IDC_DB, Qt::Key_Return);
    QCOMPARE(rig.ui.messages.size(), 2);
    QVERIFY(rig.ui.messages.at(0).text.startsWith(QStringLiteral("Out of Range ( ")));
    QVERIFY(rig.ui.messages.at(0).icon == MsgIcon::Stop);
    QCOMPARE(rig.ui.messages.at(1).text, QStringLiteral("データが表示範囲を超えています"));
}

void PointEntryTest::noClearsAndRefocuses() {
    MainDialogRig rig;
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_RH, QStringLiteral("50"));
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    rig.dlg->LockFields();
    QTest::mouseClick(rig.dlg->Control(Id::IDC_NO), Qt::LeftButton);
    QCOMPARE(rig.dlg->GetPointCount(), 0);
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);
    for (int id : {3009, 3008, 3007, 3006, 3005, 3004, 3003, 3002}) {
        QVERIFY(Box(rig, id).isEmpty());
        QVERIFY(!rig.Edit(id)->isReadOnly());
    }
    QCOMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_DB));
    QCOMPARE(rig.dlg->m_nFocusField, 1);
}

void PointEntryTest::yesWithNothingPendingAddsNothing() {
    MainDialogRig rig;
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    QTest::mouseClick(rig.dlg->Control(Id::IDC_YES), Qt::LeftButton);
    QCOMPARE(rig.dlg->GetPointCount(), 0);
    QVERIFY(Box(rig, 3008).isEmpty());
    QCOMPARE(rig.dlg->Run().State().pointNo, 0);
}

void PointEntryTest::constantDryBulbKeepsItsValue() {
    MainDialogRig rig;
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_RH, QStringLiteral("50"));
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    rig.RunCommand(CZephDlgJ::ID_CONST_DB);
    QCOMPARE(Box(rig, 3008), QStringLiteral(" 26.00"));
    QVERIFY(rig.Edit(3008)->isReadOnly());
    for (int id : {3007, 3006, 3005, 3004, 3003, 3002}) {
        QVERIFY(Box(rig, id).isEmpty());
        QVERIFY(!rig.Edit(id)->isReadOnly());
    }
    rig.Type(Id::IDC_RH, QStringLiteral("80"));
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    QCOMPARE(rig.dlg->Run().State().current.values.Db, 26.0);
    QCOMPARE(Box(rig, 3006), QStringLiteral(" 80.00"));
    QCOMPARE(rig.dlg->Run().State().current.pending, 1);

    // Constant relative humidity keeps 80 % and frees the dry bulb again.
    rig.RunCommand(CZephDlgJ::ID_CONST_RH);
    QVERIFY(!rig.Edit(3008)->isReadOnly());
    QVERIFY(rig.Edit(3006)->isReadOnly());
    rig.Type(Id::IDC_DB, QStringLiteral("20"));
    rig.Key(Id::IDC_DB, Qt::Key_Return);
    QCOMPARE(rig.dlg->Run().State().current.values.Rh, 80.0);
    QCOMPARE(rig.dlg->Run().State().current.values.Db, 20.0);
}

void PointEntryTest::clickOnAPlottedPointShowsItLocked() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("40"));
    rig.Type(Id::IDC_NAME, QStringLiteral("SA"));
    rig.AddPoint(QStringLiteral("26"), QStringLiteral("50"));
    QCOMPARE(d.GetPointCount(), 2);
    CStaticGraph* g = d.m_Graph;
    QTRY_VERIFY(g->ScaleX != 0);

    // Find a client position whose hit box holds point 2 only.
    const CZephData target = d.Run().State().points.at(1);
    // The sheet is the largest square centred in the client.
    const QRectF sheet = CZephGraph::SheetArea(g->contentsRect());
    const QPoint logical =
        CZephGraph::ToLogical(g->Origin, g->ScaleX, g->ScaleY, target.Db, target.Xi);
    const QPoint guess = QPointF(sheet.left() + logical.x() * sheet.width() / 1160,
                                 sheet.bottom() - logical.y() * sheet.height() / 1160)
                             .toPoint();
    QPoint pos;
    for (int dy = -8; dy <= 8 && pos.isNull(); ++dy) {
        for (int dx = -8; dx <= 8 && pos.isNull(); ++dx) {
            const QList<CZephData> hits = g->HitTest(guess + QPoint(dx, dy));
            if (hits.size() == 1 && hits.first().N == 2) {
                pos = guess + QPoint(dx, dy);
            }
        }
    }
    QVERIFY(!pos.isNull());

    QTest::mouseClick(g, Qt::LeftButton, {}, pos);
    QCOMPARE(Box(rig, 3009), QStringLiteral("SA"));
    QCOMPARE(Box(rig, 3008), QStringLiteral(" 26.00"));
    QCOMPARE(Box(rig, 3006), QStringLiteral(" 50.00"));
    for (int id : {3009, 3008, 3007, 3006, 3005, 3004, 3003, 3002}) {
        QVERIFY(rig.Edit(id)->isReadOnly());
    }
    QCOMPARE(d.Run().State().current.pending, 0);
    QTest::mouseClick(d.Control(Id::IDC_YES), Qt::LeftButton);
    QCOMPARE(d.GetPointCount(), 2);
    QVERIFY(!rig.Edit(3008)->isReadOnly());
    QVERIFY(Box(rig, 3008).isEmpty());

    // A click on empty paper changes nothing.
    rig.Type(Id::IDC_DB, QStringLiteral("15"));
    const QRect client = g->contentsRect();
    QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(client.left() + 3, client.top() + 3));
    QCOMPARE(Box(rig, 3008), QStringLiteral("15"));
    QVERIFY(!rig.Edit(3008)->isReadOnly());
}

void PointEntryTest::enthalpyIsEnteredInTheShownUnit() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    const _CORVO ref = CCorvoApp().cal_DBRH(26, 50, 1013.25);

    // SI: the kJ/kg typed is turned into kcal/kg for the engine.
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_HI, QString::asprintf("%.10g", ref.Hi * kKjPerKcal));
    rig.Key(Id::IDC_HI, Qt::Key_Return);
    QCOMPARE(Box(rig, 3006), QStringLiteral(" 50.00"));
    QVERIFY(std::abs(d.Run().State().current.values.Hi - ref.Hi) < 1e-8);
    QVERIFY(std::abs(d.Run().State().current.values.Xi - ref.Xi) < 1e-9);

    // KCAL: the value typed goes to the engine as it is.
    QTest::mouseClick(d.Control(Id::IDC_NO), Qt::LeftButton);
    rig.Choose(Id::IDC_UNIT, 0);
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_HI, QString::asprintf("%.10g", ref.Hi));
    rig.Key(Id::IDC_HI, Qt::Key_Return);
    QCOMPARE(Box(rig, 3006), QStringLiteral(" 50.00"));
    QCOMPARE(Box(rig, 3004), QString::asprintf("%9.5f", ref.Hi));
    QVERIFY(std::abs(d.Run().State().current.values.Hi - ref.Hi) < 1e-8);
}

void PointEntryTest::aCommaInAValueIsRefusedOnEnter() {
    MainDialogRig rig;
    rig.Type(Id::IDC_RH, QStringLiteral("50"));
    rig.Type(Id::IDC_DB, QStringLiteral("26,5"));
    rig.Key(Id::IDC_DB, Qt::Key_Return);
    QCOMPARE(rig.ui.beeps, 1);
    QVERIFY(Box(rig, 3008).isEmpty());
    QCOMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_DB));
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);
    QVERIFY(rig.ui.messages.isEmpty());

    // Thousands separators mean thousands: 1,000 °C is refused by the
    // engine, never read as 1 °C.
    rig.Type(Id::IDC_DB, QStringLiteral("1,000"));
    rig.Key(Id::IDC_DB, Qt::Key_Return);
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);
    QCOMPARE(rig.ui.messages.size(), 2);
    QCOMPARE(rig.ui.messages.at(1).text, QStringLiteral("データが表示範囲を超えています"));
}

void PointEntryTest::storedPointsAreReadByNumber() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    rig.Type(Id::IDC_NAME, QStringLiteral("OA"));
    rig.AddPoint(QStringLiteral("32"), QStringLiteral("60"));
    rig.AddPoint(QStringLiteral("26"), QStringLiteral("50"));
    QCOMPARE(d.Run().GetPointName(1), QStringLiteral("OA"));
    QCOMPARE(d.GetPointValues(2).Db, 26.0);
    for (int n : {0, 3, -1}) {
        QCOMPARE(d.GetPointValues(n).Db, 999.0);
        QVERIFY(d.Run().GetPointName(n).isEmpty());
    }

    d.ShowStoredPoint(1);
    QCOMPARE(Box(rig, 3009), QStringLiteral("OA"));
    QCOMPARE(Box(rig, 3008), QStringLiteral(" 32.00"));
    QVERIFY(rig.Edit(3008)->isReadOnly());
    QCOMPARE(d.Run().State().current.pending, 1);
    QTest::mouseClick(d.Control(Id::IDC_YES), Qt::LeftButton);
    QCOMPARE(d.GetPointCount(), 3);
    const CZephData& copy = d.Run().State().points.at(2);
    QCOMPARE(int(copy.Style), 3);
    QCOMPARE(copy.N, 3);
    QCOMPARE(copy.Db, 32.0);
    QCOMPARE(QString::fromStdString(copy.Pn), QStringLiteral("OA"));
}

void PointEntryTest::numbersReadTheSameUnderAGermanLocale() {
    const ScopedLocale german("de_DE.UTF-8");
    if (!german.ok()) {
        QSKIP("the de_DE.UTF-8 locale is not installed");
    }
    const bool comma = std::localeconv()->decimal_point[0] == ',';
    {
        MainDialogRig rig;
        rig.Type(Id::IDC_DB, QStringLiteral("26.5"));
        rig.Type(Id::IDC_RH, QStringLiteral("50"));
        rig.Key(Id::IDC_RH, Qt::Key_Return);
        const double db = rig.dlg->Run().State().current.values.Db;
        const QString shown = Box(rig, 3008);
        std::setlocale(LC_ALL, "C");
        QVERIFY(comma);
        QCOMPARE(db, 26.5);
        QCOMPARE(shown, QStringLiteral(" 26.50"));
    }
}

void PointEntryTest::editingAfterTheCalculationWithdrawsThePoint() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_RH, QStringLiteral("50"));
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    QCOMPARE(Box(rig, 3007), QStringLiteral(" 18.71"));
    // Tab into the wet-bulb box selects its first three characters: typing
    // 20 leaves "20.71" on show, which is not the state that was solved.
    rig.Edit(Id::IDC_DB)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(rig.Edit(Id::IDC_DB), Qt::Key_Tab);
    QTest::keyClicks(rig.Edit(Id::IDC_WB), QStringLiteral("20"));
    QCOMPARE(Box(rig, 3007), QStringLiteral("20.71"));
    rig.Key(Id::IDC_WB, Qt::Key_Y);
    QCOMPARE(d.GetPointCount(), 0);
    QCOMPARE(rig.ui.beeps, 1);
    QCOMPARE(Box(rig, 3007), QStringLiteral("20.71"));  // kept for Enter to solve

    // Enter solves what the boxes show once only two properties are left.
    for (int id : {3006, 3005, 3004, 3003}) rig.Edit(id)->clear();
    rig.Key(Id::IDC_WB, Qt::Key_Return);
    rig.Key(Id::IDC_WB, Qt::Key_Y);
    QCOMPARE(d.GetPointCount(), 1);
    QCOMPARE(d.Run().State().points.first().Wb, CCorvoApp().cal_DBWB(26, 20.71, 1013.25).Wb);
}

QTEST_MAIN(PointEntryTest)
#include "pointentry_test.moc"
