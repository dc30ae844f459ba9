// The conventions every process dialog shares, on a small dialog of three
// fields over a fake host: Enter, Escape and the close box, the Up/Down
// field cycle, point-number and ranged checks, and placement over the chart.

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "dialogs/dialoghost.h"
#include "dialogs/processdlg.h"
#include "dialogscript.h"
#include "run/pointtext.h"
#include "scriptedui.h"

namespace {

class FakeHost : public CDialogHost {
  public:
    int GetPointCount() const override { return count; }
    _CORVO GetPointValues(int) const override { return zeph::FailedState(); }
    void ShowError(int code) override { errors << code; }
    int UnitMode() const override { return 0; }
    QString PressureText() const override { return QStringLiteral("1013.25"); }
    QWidget* ChartWidget() const override { return chart; }

    int count = 3;
    QList<int> errors;
    QWidget* chart = nullptr;
};

class ThreeFieldDlg : public CProcessDlg {
  public:
    explicit ThreeFieldDlg(CDialogHost* host) : CProcessDlg(999, QStringLiteral("Test"), host) {
        auto* layout = new QVBoxLayout(this);
        for (int id : {101, 102, 103}) layout->addWidget(MakeEdit(id));
        auto* cancel = MakeButton(2, QStringLiteral("Cancel"));
        layout->addWidget(cancel);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        SetFieldCycle({101, 102, 103});
    }
    void OnCalculate() override { ++calculations; }

    using CProcessDlg::ReadPointNo;
    using CProcessDlg::ReadRanged;
    int calculations = 0;
};

}  // namespace

class ProcessDlgTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void enterCalculatesEscapeIsSwallowedCloseBoxCancels();
    void arrowsCycleFromWhereTheFocusIs();
    void pointNumbers_data();
    void pointNumbers();
    void rangedFieldsPromptWithTheirBounds();
    void opensOverTheChartCorner();
};

void ProcessDlgTest::enterCalculatesEscapeIsSwallowedCloseBoxCancels() {
    FakeHost host;
    ThreeFieldDlg dlg(&host);
    DialogScript script;
    script.On(999, [&](QDialog* d) {
        Ctl(d, 2)->setFocus();  // Enter on a focused button still calculates
        PressEnter(d);
        QTest::keyClick(Ctl(d, 101), Qt::Key_Escape);
        QVERIFY(d->isVisible());
        d->close();
    });
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QVERIFY(script.Done());
    QCOMPARE(dlg.calculations, 1);
}

void ProcessDlgTest::arrowsCycleFromWhereTheFocusIs() {
    FakeHost host;
    ThreeFieldDlg dlg(&host);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    dlg.Edit(103)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(dlg.Edit(103), Qt::Key_Down);  // wraps to the first
    QCOMPARE(QApplication::focusWidget(), dlg.Edit(101));
    QTest::keyClick(dlg.Edit(101), Qt::Key_Up);  // and back
    QCOMPARE(QApplication::focusWidget(), dlg.Edit(103));
    dlg.Edit(102)->setEnabled(false);
    dlg.Edit(101)->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(dlg.Edit(101), Qt::Key_Down);  // a disabled field is passed over
    QCOMPARE(QApplication::focusWidget(), dlg.Edit(103));
}

void ProcessDlgTest::pointNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("first") << "1" << true;
    QTest::newRow("last") << "3" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("count + 1") << "4" << false;
    QTest::newRow("fraction") << "1.5" << false;
    QTest::newRow("whole with point") << "2.0" << true;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("beyond int") << "99999999999999999999" << false;
    QTest::newRow("negative") << "-1" << false;
}

void ProcessDlgTest::pointNumbers() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    FakeHost host;
    ThreeFieldDlg dlg(&host);
    dlg.Edit(101)->setText(text);
    int n = 0;
    QCOMPARE(dlg.ReadPointNo(101, &n), valid);
    if (valid) QCOMPARE(n, int(text.toDouble()));
}

void ProcessDlgTest::rangedFieldsPromptWithTheirBounds() {
    CScriptedUi ui;
    CScriptedUi::Scope scope(ui);
    FakeHost host;
    ThreeFieldDlg dlg(&host);
    double v = -1;
    for (const char* bad : {"60.1", "5x", "", "nan", "inf", "1e1"}) {
        dlg.Edit(102)->setText(QString::fromLatin1(bad));
        QVERIFY2(!dlg.ReadRanged(102, -50, 60, &v), bad);
    }
    QCOMPARE(ui.messages.size(), 6);
    QCOMPARE(ui.messages.first().text, QStringLiteral("-50 から 60 までの数値を入力して下さい。"));
    QCOMPARE(ui.messages.first().icon, zeph::MsgIcon::Exclamation);
    dlg.Edit(102)->setText(QStringLiteral(" -50 "));
    QVERIFY(dlg.ReadRanged(102, -50, 60, &v));
    QCOMPARE(v, -50.0);
}

void ProcessDlgTest::opensOverTheChartCorner() {
    QWidget window;
    window.resize(600, 500);
    auto* chart = new QWidget(&window);
    chart->setGeometry(40, 30, 300, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    FakeHost host;
    host.chart = chart;
    ThreeFieldDlg dlg(&host);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTRY_COMPARE(dlg.frameGeometry().topLeft(), chart->mapToGlobal(QPoint(0, 0)));
}

QTEST_MAIN(ProcessDlgTest)
#include "processdlg_test.moc"
