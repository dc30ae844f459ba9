// The view-range dialog, driven from the real main window: the range shown,
// bounds and refusals, and what reaches the chart.

#include <QtTest>

#include "dialogscript.h"
#include "maindlgtest.h"

namespace {

// Makes the window active and waits until it is.
void Activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

}  // namespace

class ToolWindowsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void viewRange_data();
    void viewRange();
};

// --- view range ---------------------------------------------------------------

void ToolWindowsTest::viewRange_data() {
    QTest::addColumn<int>("preset");         // 0 L, 1 M, 2 H
    QTest::addColumn<QStringList>("edits");  // "id=text"
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("message");  // the refusal, empty when accepted
    QTest::addColumn<int>("focus");
    QTest::addColumn<QList<double>>("range");  // the chart afterwards

    const QList<double> m = {45, -5, 0.035, 0};
    const QString db = QStringLiteral("0 から 60 までの数値を入力して下さい。");
    QTest::newRow("H unedited") << 2 << QStringList() << false << "" << 0
                                << QList<double>{60, 0, 0.055, 0};
    QTest::newRow("temperature bounds") << 1 << QStringList{"5146=60", "5147=-50"} << false << ""
                                        << 0 << QList<double>{60, -50, 0.035, 0};
    QTest::newRow("20 g/kg") << 1 << QStringList{"5148=20"} << false << "" << 0
                             << QList<double>{45, -5, 0.02, 0};
    QTest::newRow("above 60") << 1 << QStringList{"5146=60.1"} << false << db << 5146 << m;
    QTest::newRow("below -50") << 1 << QStringList{"5147=-50.1"} << false
                               << "-50 から 10 までの数値を入力して下さい。" << 5147 << m;
    QTest::newRow("nan") << 1 << QStringList{"5148=nan"} << false << db << 5148 << m;
    QTest::newRow("empty") << 1 << QStringList{"5149="} << false
                           << "0 から 10 までの数値を入力して下さい。" << 5149 << m;
    QTest::newRow("max below min")
        << 1 << QStringList{"5146=5", "5147=10"} << false
        << "最大表示温度は最小表示温度より大きな値を入力して下さい。" << 5146 << m;
    QTest::newRow("equal humidities")
        << 1 << QStringList{"5148=5", "5149=5"} << false
        << "最大絶対湿度は最小絶対湿度より大きな値を入力して下さい。" << 5148 << m;
    QTest::newRow("cancel after editing") << 1 << QStringList{"5146=30"} << true << "" << 0 << m;
}

void ToolWindowsTest::viewRange() {
    QFETCH(int, preset);
    QFETCH(QStringList, edits);
    QFETCH(bool, cancel);
    QFETCH(QString, message);
    QFETCH(int, focus);
    QFETCH(QList<double>, range);
    MainDialogRig rig;
    rig.Choose(3000, preset);
    QStringList shown;
    bool open = false;
    bool focusBack = false;  // the refused field focused, its text selected
    DialogScript script;
    script.On(341, [&](QDialog* d) {
        Activate(d);
        for (int id : {5146, 5147, 5148, 5149}) shown << CtlEdit(d, id)->text();
        for (const QString& e : edits) {
            TypeInto(d, e.section('=', 0, 0).toInt(), e.section('=', 1));
        }
        ClickOn(d, cancel ? 2 : 1);
        open = d->isVisible();
        if (open) {
            QLineEdit* field = CtlEdit(d, focus);
            focusBack =
                QApplication::focusWidget() == field && field->selectedText() == field->text();
            ClickOn(d, 2);
        }
    });
    rig.RunCommand(35794);
    QTRY_VERIFY2(script.Done(), qPrintable(script.Pending()));
    if (preset == 2) QCOMPARE(shown, (QStringList{"60", "0", "55", "0"}));
    QCOMPARE(open, !message.isEmpty());
    if (open) {
        QCOMPARE(rig.ui.Texts(), QStringList{message});
        QCOMPARE(rig.ui.messages.first().icon, zeph::MsgIcon::Exclamation);
        QVERIFY(focusBack);
    }
    const CStaticGraph* g = rig.dlg->m_Graph;
    // Exact: a range read back unedited is the range that was shown.
    QVERIFY(g->MaxDb == range[0] && g->MinDb == range[1]);
    QVERIFY(g->MaxXi == range[2] && g->MinXi == range[3]);
}

QTEST_MAIN(ToolWindowsTest)
#include "toolwindows_test.moc"
