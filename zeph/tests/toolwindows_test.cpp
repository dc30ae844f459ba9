// The view-range dialog and the two tool windows, driven from the real main
// window: ranges and their refusals, coil capacity by air volume or heat and
// its error codes, the calculator's cases and guards, and the tool windows'
// life beside a modal main window.

#include <QLabel>
#include <QtTest>

#include <cmath>

#include "corvo/corvoapp.h"
#include "dialogs/coilcapdlgj.h"
#include "dialogs/generaldlgj.h"
#include "dialogscript.h"
#include "maindlgtest.h"
#include "run/strings.h"
#include "tolvex/checkdata.h"

namespace {

QString Grouped(double v) {
    return QString::fromStdString(CCheckData().nci(0, v));
}

QString LabelText(QWidget* dialog, int id) {
    return qobject_cast<QLabel*>(Ctl(dialog, id))->text();
}

// Makes the window active and waits until it is.
void Activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Points 1: 26 °C / 50 %, 2: 14 °C / 95 %, 3: the same as 1.
void AddCoilPoints(MainDialogRig& rig) {
    rig.AddPoint(QStringLiteral("26"), QStringLiteral("50"));
    rig.AddPoint(QStringLiteral("14"), QStringLiteral("95"));
    rig.AddPoint(QStringLiteral("26"), QStringLiteral("50"));
    QCOMPARE(rig.dlg->GetPointCount(), 3);
    rig.ui.Clear();
}

}  // namespace

class ToolWindowsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void viewRange_data();
    void viewRange();
    void coilCapacity_data();
    void coilCapacity();
    void coilCapacityErrors_data();
    void coilCapacityErrors();
    void calculator_data();
    void calculator();
    void calculatorGuardsItsInputsAndKeepsItsTexts();
    void toolWindowsAreChildrenThatComeAndGo();
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
    QTest::newRow("nan") << 1 << QStringList{"5148=nan"} << false
                         << "1 から 60 までの数値を入力して下さい。" << 5148 << m;
    QTest::newRow("humidity below 1 g/kg") << 1 << QStringList{"5148=0.99", "5149=0"} << false
                                           << "1 から 60 までの数値を入力して下さい。" << 5148 << m;
    QTest::newRow("humidity at 1 g/kg") << 1 << QStringList{"5148=1", "5149=0"} << false << "" << 0
                                        << QList<double>{45, -5, 0.001, 0};
    QTest::newRow("span under 1 K")
        << 1 << QStringList{"5146=5.5", "5147=5"} << false
        << "最大表示温度と最小表示温度の差は 1 ℃ 以上として下さい。" << 5146 << m;
    QTest::newRow("span of 1 K") << 1 << QStringList{"5146=6", "5147=5"} << false << "" << 0
                                 << QList<double>{6, 5, 0.035, 0};
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
    const ViewRange& g = rig.dlg->Run().State().range;
    // Exact: a range read back unedited is the range that was shown.
    QVERIFY(g.maxDb == range[0] && g.minDb == range[1]);
    QVERIFY(g.maxXi == range[2] && g.minXi == range[3]);
}

// --- coil capacity ------------------------------------------------------------

void ToolWindowsTest::coilCapacity_data() {
    QTest::addColumn<int>("unit");  // 0 KCAL, 1 SI
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("given");  // 5054 air volume or 5056 heat
    QTest::addColumn<QString>("amount");
    QTest::newRow("KCAL, A higher") << 0 << 1 << 2 << 5054 << "10000";
    QTest::newRow("KCAL, B higher") << 0 << 2 << 1 << 5054 << "10,000";
    QTest::newRow("SI, air volume") << 1 << 1 << 2 << 5054 << "10000";
    QTest::newRow("SI, heat") << 1 << 2 << 1 << 5056 << "100,000";
}

void ToolWindowsTest::coilCapacity() {
    QFETCH(int, unit);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, given);
    QFETCH(QString, amount);
    MainDialogRig rig;
    AddCoilPoints(rig);
    rig.Choose(5138, unit);
    rig.RunCommand(35791);
    CCoilCapDlgJ* dlg = rig.dlg->m_pCoilCapDlg;
    QVERIFY(dlg->IsOpen());
    Activate(dlg);
    TypeInto(dlg, 5118, QString::number(a));
    TypeInto(dlg, 5119, QString::number(b));
    TypeInto(dlg, given, amount);
    PressEnter(dlg);

    const _CORVO A = rig.dlg->GetPointValues(a);
    const _CORVO B = rig.dlg->GetPointValues(b);
    const _CORVO& high = A.Hi > B.Hi ? A : B;
    const _CORVO& low = A.Hi > B.Hi ? B : A;
    CCorvoApp app;
    const double fQ = app.CALWKJ(unit);
    const double dh = std::fabs(A.Hi - B.Hi);
    const double value = CCheckData().atof_e(amount.toStdString());
    const double volume = given == 5054 ? value : value / fQ / dh / 1.20479;
    const double total = dh * volume * 1.20479 * fQ;
    const double hM = app.cal_DBX(high.Db, low.Xi, 1013.25).Hi;
    const double latent = std::fabs(high.Hi - hM) * volume * 1.20479 * fQ;
    QVERIFY(rig.ui.messages.isEmpty());
    QCOMPARE(CtlEdit(dlg, 5054)->text(), Grouped(volume));
    QCOMPARE(CtlEdit(dlg, 5056)->text(), Grouped(total));
    QCOMPARE(LabelText(dlg, 5066), Grouped(std::trunc(total) - std::trunc(latent)));
    QCOMPARE(LabelText(dlg, 5071), Grouped(latent));
    QCOMPARE(LabelText(dlg, 5038), zeph::LoadResString(unit == 0 ? 6203 : 6204));
    QCOMPARE(LabelText(dlg, 5140), zeph::LoadResString(unit == 0 ? 6206 : 6207));
    QCOMPARE(LabelText(dlg, 5141), zeph::LoadResString(unit == 0 ? 6209 : 6210));
    QCOMPARE(dlg->InputMode, given == 5054 ? 1 : 0);
}

void ToolWindowsTest::coilCapacityErrors_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("given");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<int>("message");  // string number; 0: the engine's own
    QTest::addColumn<int>("focus");
    const QString p = QStringLiteral("1013.25");
    QTest::newRow("A empty") << ""
                             << "2" << 5054 << "10000" << p << 6111 << 5118;
    QTest::newRow("A beyond the list") << "4"
                                       << "2" << 5054 << "10000" << p << 6111 << 5118;
    QTest::newRow("B equal to A") << "1"
                                  << "1" << 5054 << "10000" << p << 6111 << 5119;
    QTest::newRow("B zero") << "1"
                            << "0" << 5054 << "10000" << p << 6111 << 5119;
    QTest::newRow("air volume empty") << "1"
                                      << "2" << 5054 << "" << p << 6117 << 5054;
    QTest::newRow("air volume zero") << "1"
                                     << "2" << 5054 << "0" << p << 6117 << 5054;
    QTest::newRow("air volume letters") << "1"
                                        << "2" << 5054 << "abc" << p << 6117 << 5054;
    QTest::newRow("heat negative") << "1"
                                   << "2" << 5056 << "-5" << p << 6118 << 5056;
    QTest::newRow("heat, equal enthalpies") << "1"
                                            << "3" << 5056 << "1000" << p << 6111 << 5119;
    QTest::newRow("pressure not a number") << "1"
                                           << "2" << 5054 << "10000"
                                           << "abc" << 0 << 0;
}

void ToolWindowsTest::coilCapacityErrors() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, given);
    QFETCH(QString, amount);
    QFETCH(QString, pressure);
    QFETCH(int, message);
    QFETCH(int, focus);
    MainDialogRig rig;
    AddCoilPoints(rig);
    rig.Edit(3011)->setText(pressure);
    QString focused;
    QStringList results;
    DialogScript script;
    // The "CAP" button's own dialog, run modally.
    script.On(336, [&](QDialog* d) {
        Activate(d);  // the focus, which picks the given quantity, needs it
        TypeInto(d, 5118, a);
        TypeInto(d, 5119, b);
        TypeInto(d, given, amount);
        ClickOn(d, 5002);
        // The dialog's own focus, whether or not the window is active yet.
        focused = d->focusWidget() != nullptr ? d->focusWidget()->objectName() : QString();
        results << LabelText(d, 5066) << LabelText(d, 5071);
        ClickOn(d, 2);
    });
    QTest::mouseClick(rig.dlg->Control(5099), Qt::LeftButton);
    QVERIFY2(script.Done(), qPrintable(script.Pending()));
    QCOMPARE(rig.ui.messages.size(), 1);
    if (message != 0) {
        QCOMPARE(rig.ui.messages.first().text, zeph::LoadResString(message));
        QCOMPARE(rig.ui.messages.first().icon, zeph::MsgIcon::Question);
        QCOMPARE(focused, QString::number(focus));
    } else {
        QCOMPARE(rig.ui.messages.first().icon, zeph::MsgIcon::Stop);
    }
    QCOMPARE(results, (QStringList{"", ""}));
}

// --- calculator ---------------------------------------------------------------

void ToolWindowsTest::calculator_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("inputs");   // Q, V, Δh, Δt, SHF
    QTest::addColumn<QStringList>("results");  // empty when refused
    QTest::addColumn<int>("message");          // string of the refusal
    const QStringList qv = {"  10,000", "   2,000", "4.150", "17.26", "1.000"};
    QTest::newRow("Q, V") << 0 << QStringList{"10000", "2000", "", "", "1"} << qv << 0;
    QTest::newRow("separators") << 0 << QStringList{"10,000", "2,000", "", "", "1.0"} << qv << 0;
    QTest::newRow("rounded up") << 0 << QStringList{"10001", "2000", "", "", "1"}
                                << QStringList{"  10,010", "   2,000", "4.151", "17.26", "1.000"}
                                << 0;
    QTest::newRow("Q, Δh") << 0 << QStringList{"10000", "", "4.15", "", "1"}
                           << QStringList{"  10,000", "   2,010", "4.150", "17.26", "1.000"} << 0;
    QTest::newRow("Q, Δt") << 0 << QStringList{"10000", "", "", "17.26", "1"}
                           << QStringList{"  10,000", "   2,010", "4.150", "17.26", "1.000"} << 0;
    QTest::newRow("V, Δh") << 0 << QStringList{"", "2000", "4.15", "", "1"}
                           << QStringList{"  10,000", "   2,000", "4.150", "17.26", "1.000"} << 0;
    QTest::newRow("V, Δt, SHF 0.8")
        << 0 << QStringList{"", "2000", "", "10", "0.8"}
        << QStringList{"   7,250", "   2,000", "3.005", "10.00", "0.800"} << 0;
    // 10080 W is 10080.000000000002 after kcal/h and back: still 10,080.
    QTest::newRow("SI, Q, V") << 1 << QStringList{"10,080", "2000", "", "", "1"}
                              << QStringList{"  10,080", "   2,000", "15.060", "14.96", "1.000"}
                              << 0;
    QTest::newRow("Δh with Δt") << 0 << QStringList{"", "", "4", "10", "1"} << QStringList{}
                                << 6105;
    QTest::newRow("V zero") << 0 << QStringList{"10000", "0", "", "", "1"} << QStringList{} << 6107;
    QTest::newRow("SHF zero divides")
        << 0 << QStringList{"", "2000", "", "10", "0"} << QStringList{} << 6107;
    QTest::newRow("one quantity") << 0 << QStringList{"10000", "", "", "", "1"} << QStringList{}
                                  << 6107;
    QTest::newRow("not a number") << 0 << QStringList{"5x", "2000", "", "", "1"} << QStringList{}
                                  << 6107;
}

void ToolWindowsTest::calculator() {
    QFETCH(int, unit);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    QFETCH(int, message);
    MainDialogRig rig;
    rig.Choose(5138, unit);
    rig.RunCommand(35789);
    CGeneralDlgJ* calc = rig.dlg->m_pCalculatorDlg;
    Activate(calc);
    const int in[] = {3014, 3011, 3004, 3008, 3009};
    const int out[] = {3015, 3012, 3005, 3019, 3020};
    for (int i = 0; i < 5; ++i) CtlEdit(calc, in[i])->setText(inputs[i]);
    QTest::keyClick(CtlEdit(calc, 3014), Qt::Key_Return);
    if (message != 0) {
        QCOMPARE(rig.ui.Texts(), QStringList{zeph::LoadResString(message)});
        QCOMPARE(rig.ui.messages.first().icon, zeph::MsgIcon::Question);
        QVERIFY(Ctl(calc, 3014)->isVisible());  // still the input view
        return;
    }
    QVERIFY(rig.ui.messages.isEmpty());
    QStringList shown;
    for (int id : out) {
        QVERIFY(Ctl(calc, id)->isVisible());
        shown << CtlEdit(calc, id)->text();
    }
    QCOMPARE(shown, results);
    QCOMPARE(LabelText(calc, 5144), zeph::LoadResString(unit == 0 ? 6220 : 6221));
    QCOMPARE(LabelText(calc, 5139), zeph::LoadResString(unit == 0 ? 6215 : 6217));
}

void ToolWindowsTest::calculatorGuardsItsInputsAndKeepsItsTexts() {
    MainDialogRig rig;
    rig.RunCommand(35789);
    CGeneralDlgJ* calc = rig.dlg->m_pCalculatorDlg;
    Activate(calc);
    // Leaving a field that holds no number, inside the window: beep, back.
    TypeInto(calc, 3014, QStringLiteral("1x"));
    QTest::keyClick(CtlEdit(calc, 3014), Qt::Key_Tab);
    QCOMPARE(rig.ui.beeps, 1);
    QTRY_COMPARE(QApplication::focusWidget(), Ctl(calc, 3014));
    QCOMPARE(CtlEdit(calc, 3014)->selectedText(), QStringLiteral("1x"));
    // The window losing the focus is not leaving the field.
    Activate(rig.dlg.get());
    QCOMPARE(rig.ui.beeps, 1);

    Activate(calc);
    TypeInto(calc, 3014, QStringLiteral("10000"));
    TypeInto(calc, 3011, QStringLiteral("2000"));
    TypeInto(calc, 3004, QStringLiteral("5"));  // a third quantity: refused
    QCOMPARE(rig.ui.Texts(), QStringList{zeph::LoadResString(6104)});
    QCOMPARE(rig.ui.messages.first().icon, zeph::MsgIcon::Question);
    QVERIFY(CtlEdit(calc, 3004)->text().isEmpty());

    ClickOn(calc, 5020);
    QVERIFY(Ctl(calc, 3015)->isVisible() && !Ctl(calc, 3014)->isVisible());
    ClickOn(calc, 3013);  // リセット: the inputs again, unchanged
    QVERIFY(Ctl(calc, 3014)->isVisible() && !Ctl(calc, 3015)->isVisible());
    QCOMPARE(CtlEdit(calc, 3014)->text(), QStringLiteral("10000"));

    // OK reads the texts and closes; the next opening shows them again. The
    // close box keeps nothing of what was typed since.
    ClickOn(calc, 1);
    QTRY_VERIFY(!calc->IsOpen());
    rig.RunCommand(35789);
    QVERIFY(calc->IsOpen() && Ctl(calc, 3014)->isVisible());
    QCOMPARE(CtlEdit(calc, 3011)->text(), QStringLiteral("2000"));
    CtlEdit(calc, 3014)->setText(QStringLiteral("500"));
    calc->close();
    QTRY_VERIFY(!calc->IsOpen());
    rig.RunCommand(35789);
    QCOMPARE(CtlEdit(calc, 3014)->text(), QStringLiteral("10000"));
    QCOMPARE(rig.ui.messages.size(), 1);
}

// --- the windows' life --------------------------------------------------------

void ToolWindowsTest::toolWindowsAreChildrenThatComeAndGo() {
    MainDialogRig rig;
    // As the program runs it: modal, so a window outside it takes no input.
    rig.dlg->hide();
    rig.dlg->setWindowModality(Qt::ApplicationModal);
    rig.dlg->show();
    Activate(rig.dlg.get());
    rig.RunCommand(35789);
    rig.RunCommand(35789);
    const auto calcs = rig.dlg->findChildren<CGeneralDlgJ*>();
    QCOMPARE(calcs.size(), 1);
    CGeneralDlgJ* calc = calcs.first();
    QVERIFY(calc->IsOpen() && calc->parentWidget() == rig.dlg.get());
    Activate(calc);
    // Keys through the window system, where a modal window blocks others.
    for (Qt::Key k : {Qt::Key_4, Qt::Key_2}) QTest::keyClick(calc->windowHandle(), k);
    QCOMPARE(CtlEdit(calc, 3014)->text(), QStringLiteral("42"));
    // The main window's numbers stay its own.
    QCOMPARE(rig.Edit(3011)->text(), QStringLiteral("1013.25"));
    QCOMPARE(rig.dlg->Control(3014), nullptr);

    // Coil capacity: closed with its button, reopened empty.
    rig.RunCommand(35791);
    CCoilCapDlgJ* coil = rig.dlg->m_pCoilCapDlg;
    QVERIFY(coil->IsOpen());
    CtlEdit(coil, 5118)->setText(QStringLiteral("1"));
    ClickOn(coil, 2);
    QTRY_VERIFY(!coil->IsOpen());
    QCOMPARE(rig.dlg->m_pCoilCapDlg, coil);
    rig.RunCommand(35791);
    QVERIFY(coil->IsOpen() && CtlEdit(coil, 5118)->text().isEmpty());

    // Finish takes both windows with it.
    QPointer<QWidget> c1(calc), c2(coil);
    ClickOn(rig.dlg.get(), 1);
    QVERIFY(c1.isNull() && c2.isNull());
    QVERIFY(rig.dlg->m_pCalculatorDlg == nullptr && rig.dlg->m_pCoilCapDlg == nullptr);
}

QTEST_MAIN(ToolWindowsTest)
#include "toolwindows_test.moc"
