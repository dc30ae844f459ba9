// The numeric fields of the process dialogs and tool windows: each refuses a
// value outside its range with the range prompt and the focus on the field,
// and takes the value at its bound; every numeric field, here and in the
// main window, refuses a 65th character.

#include <QLineEdit>
#include <QtTest>

#include <functional>
#include <memory>

#include "corvo/corvoapp.h"
#include "dialogs/airchangedlgj.h"
#include "dialogs/calpointdlgj.h"
#include "dialogs/coilcapdlgj.h"
#include "dialogs/deltadlgj.h"
#include "dialogs/dialoghost.h"
#include "dialogs/generaldlgj.h"
#include "dialogs/graphviewrangedlg.h"
#include "dialogs/heatdlgj.h"
#include "dialogs/hhdlgj.h"
#include "dialogs/mixdlgj.h"
#include "dialogs/reheaterdlgj.h"
#include "dialogs/shfdlgj.h"
#include "dialogs/slopcaldlgj.h"
#include "dialogscript.h"
#include "maindlgtest.h"
#include "scriptedui.h"

namespace {

constexpr double kP = 1013.25;

// Points 1: 26 °C / 50 %, 2: 14 °C / 95 % (drier than 1).
class PointsHost : public CDialogHost {
  public:
    PointsHost() {
        const CCorvoApp e;
        m_points = {e.cal_DBRH(26, 50, kP), e.cal_DBRH(14, 95, kP)};
    }
    int GetPointCount() const override { return static_cast<int>(m_points.size()); }
    _CORVO GetPointValues(int n) const override { return m_points.at(n - 1); }
    void ShowError(int code) override { errors << code; }
    int UnitMode() const override { return 0; }
    QString PressureText() const override { return QStringLiteral("1013.25"); }
    QWidget* ChartWidget() const override { return nullptr; }

    QList<int> errors;

  private:
    QList<_CORVO> m_points;
};

using Factory = std::function<std::unique_ptr<CProcessDlg>(CDialogHost*)>;

template <class Dlg>
Factory Make() {
    return [](CDialogHost* host) { return std::make_unique<Dlg>(host); };
}

// The dialogs by name, as the rows give them.
Factory DialogNamed(const QString& name) {
    if (name == "shf") return Make<CShfDlgJ>();
    if (name == "heat") return Make<CHeatDlgJ>();
    if (name == "mix") return Make<CMixDlgJ>();
    if (name == "hh") return Make<CHHDlgJ>();
    if (name == "slope") return Make<CSlopCalDlgJ>();
    if (name == "delta") return Make<CDeltaDlgJ>();
    if (name == "cp") return Make<CCalPointDlgJ>();
    if (name == "range") return Make<CGraphViewRangeDlg>();
    if (name == "reheater") {
        return [](CDialogHost* host) {
            auto d = std::make_unique<CReHeaterDlgJ>(host);
            d->MinOffCoilTemp = 12.0;
            return d;
        };
    }
    if (name == "airchange") {
        return [](CDialogHost* host) {
            auto d = std::make_unique<CAirChangeDlgJ>(host);
            d->RoomState = host->GetPointValues(1);
            d->Shf = 0.8;
            d->ContactFactor = 0.95;
            d->Pressure = kP;
            d->MinOffCoilTemp = 10.0;
            return d;
        };
    }
    if (name == "coil") return Make<CCoilCapDlgJ>();
    return Make<CGeneralDlgJ>();
}

// Opens the dialog as its user sees it (tool windows freshly initialised)
// and makes it the active window.
void Open(CProcessDlg* d) {
    if (auto* tool = qobject_cast<CToolDlg*>(d)) {
        tool->Create();
    } else {
        d->show();
    }
    QApplication::setActiveWindow(d);
    QVERIFY(QTest::qWaitForWindowActive(d));
}

// Runs the steps of a row: "id=text" replaces the text of edit id (the
// focus put there first, as a click does), a bare "id" clicks control id.
void Run(CProcessDlg* d, const QStringList& steps) {
    for (const QString& step : steps) {
        const int id = step.section('=', 0, 0).toInt();
        if (step.contains('=')) {
            QLineEdit* edit = CtlEdit(d, id);
            QVERIFY2(edit != nullptr, qPrintable(step));
            edit->setFocus(Qt::MouseFocusReason);
            edit->setText(step.section('=', 1));
        } else {
            QVERIFY2(Ctl(d, id) != nullptr, qPrintable(step));
            ClickOn(d, id);
        }
    }
}

QString Prompt(const char* min, const char* max) {
    return QStringLiteral("%1 から %2 までの数値を入力して下さい。")
        .arg(QLatin1String(min), QLatin1String(max));
}

}  // namespace

class FieldRangesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void refusedOutsideTakenAtTheBound_data();
    void refusedOutsideTakenAtTheBound();
    void numericFieldsTakeAtMost64Characters_data();
    void numericFieldsTakeAtMost64Characters();
    void mainWindowBoxesTakeAtMost64Characters();
};

void FieldRangesTest::refusedOutsideTakenAtTheBound_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("setup");  // steps before the field is typed
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("bound");
    QTest::addColumn<int>("calc");  // the button that calculates
    QTest::addColumn<QString>("prompt");

    const QString digits64(64, QLatin1Char('9'));
    const QString temp = Prompt("-50", "100");
    const QString heat = Prompt("0", "1000000000");
    const QStringList shf{"5129=1", "5061=0.8", "5040"};
    const QStringList heatByLoad{"5045=1", "5043=1000", "5073=1000"};
    const QStringList hotWater{"5126=2", "5125=1", "5113", "5135"};
    const QStringList room{"5088=300", "5089=3000", "5017=10"};

    QTest::newRow("cooling supply temperature") << "shf" << shf << 5069 << "-50.5"
                                                << "-50" << 5030 << temp;
    QTest::newRow("re-heater supply temperature") << "reheater" << QStringList() << 5087 << "100.01"
                                                  << "100" << 5007 << temp;
    QTest::newRow("re-heater 64 digits")
        << "reheater" << QStringList() << 5087 << digits64 << "100" << 5007 << temp;
    QTest::newRow("heating load") << "heat" << heatByLoad << 5043 << "1000000001"
                                  << "1000000000" << 5060 << heat;
    QTest::newRow("heating air volume")
        << "heat" << heatByLoad << 5073 << digits64 << "1000000000" << 5060 << heat;
    // Point 1 is at 26 °C: the air may rise to the engine's 100 °C.
    QTest::newRow("heating rise") << "heat" << QStringList{"5041", "5045=1"} << 5050 << "74.01"
                                  << "74" << 5060 << Prompt("0", "74");
    QTest::newRow("mixing ratio") << "mix" << QStringList{"5062=1", "5065=2"} << 5070 << "1000001"
                                  << "1000000" << 5006 << Prompt("0", "1000000");
    QTest::newRow("mixing ratio 64 digits") << "mix" << QStringList{"5062=1", "5065=2"} << 5070
                                            << digits64 << "0.5" << 5006 << Prompt("0", "1000000");
    // Saturated air above 45.8 °C passes the engine's vapour-pressure limit.
    QTest::newRow("hot water too hot") << "hh" << hotWater << 5127 << "45.9"
                                       << "45.8" << 5114 << Prompt("0", "45.8");
    QTest::newRow("hot water frozen") << "hh" << hotWater << 5127 << "-0.1"
                                      << "0" << 5114 << Prompt("0", "45.8");
    QTest::newRow("room volume") << "airchange" << room << 5088 << "10000001"
                                 << "10000000" << 5095 << Prompt("0", "10000000");
    QTest::newRow("room heat") << "airchange" << room << 5089 << "1000000001"
                               << "1000000000" << 5095 << heat;
    QTest::newRow("air changes") << "airchange" << room << 5017 << "1001"
                                 << "1000" << 5095 << Prompt("0", "1000");
    QTest::newRow("coil air volume")
        << "coil" << QStringList{"5118=1", "5119=2"} << 5054 << "1000000001"
        << "1000000000" << 5002 << heat;
    QTest::newRow("coil heat") << "coil" << QStringList{"5118=1", "5119=2"} << 5056 << digits64
                               << "1000000000" << 5002 << heat;
    QTest::newRow("calculator heat")
        << "calc" << QStringList{"3011=2000"} << 3014 << "-1000000001"
        << "-1000000000" << 5020 << Prompt("-1000000000", "1000000000");
    QTest::newRow("calculator air volume") << "calc" << QStringList{"3014=10000"} << 3011 << "-1"
                                           << "1000000000" << 5020 << heat;
    QTest::newRow("calculator enthalpy difference")
        << "calc" << QStringList{"3011=2000"} << 3004 << "1000.5"
        << "1000" << 5020 << Prompt("-1000", "1000");
    QTest::newRow("calculator temperature difference")
        << "calc" << QStringList{"3011=2000"} << 3008 << "150.5"
        << "-150" << 5020 << Prompt("-150", "150");
    QTest::newRow("calculator SHF 64 digits")
        << "calc" << QStringList{"3011=2000", "3008=10"} << 3009 << digits64 << "1" << 5020
        << Prompt("0", "1");
}

void FieldRangesTest::refusedOutsideTakenAtTheBound() {
    QFETCH(QString, dialog);
    QFETCH(QStringList, setup);
    QFETCH(int, field);
    QFETCH(QString, bad);
    QFETCH(QString, bound);
    QFETCH(int, calc);
    QFETCH(QString, prompt);
    CScriptedUi ui;
    CScriptedUi::Scope scope(ui);
    PointsHost host;
    for (const QString& text : {bad, bound}) {
        std::unique_ptr<CProcessDlg> d = DialogNamed(dialog)(&host);
        Open(d.get());
        Run(d.get(), setup);
        Run(d.get(), {QStringLiteral("%1=%2").arg(field).arg(text), QString::number(calc)});
        if (text == bad) {
            QCOMPARE(ui.Texts(), QStringList{prompt});
            QCOMPARE(ui.messages.first().icon, zeph::MsgIcon::Exclamation);
            QVERIFY(d->isVisible());
            QLineEdit* edit = CtlEdit(d.get(), field);
            QCOMPARE(d->focusWidget(), edit);
            QCOMPARE(edit->selectedText(), edit->text());
        } else {
            QVERIFY2(!ui.Texts().contains(prompt), qPrintable(ui.Texts().join('|')));
        }
        QVERIFY(host.errors.isEmpty());
        ui.Clear();
    }
}

void FieldRangesTest::numericFieldsTakeAtMost64Characters_data() {
    QTest::addColumn<QString>("dialog");
    for (const char* name : {"shf", "reheater", "airchange", "heat", "mix", "hh", "slope", "delta",
                             "cp", "range", "coil", "calc"}) {
        QTest::newRow(name) << name;
    }
}

void FieldRangesTest::numericFieldsTakeAtMost64Characters() {
    QFETCH(QString, dialog);
    CScriptedUi ui;
    CScriptedUi::Scope scope(ui);
    PointsHost host;
    std::unique_ptr<CProcessDlg> d = DialogNamed(dialog)(&host);
    Open(d.get());
    int typedInto = 0;
    for (QLineEdit* edit : d->findChildren<QLineEdit*>()) {
        // Results the user cannot type into are not fields.
        if (edit->isReadOnly() && !edit->isVisible()) continue;
        edit->setEnabled(true);
        edit->setReadOnly(false);
        edit->clear();
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(edit, QString(65, QLatin1Char('1')));
        QVERIFY2(edit->text() == QString(64, QLatin1Char('1')), qPrintable(edit->objectName()));
        // Emptied again, so that the calculator does not count a third
        // quantity.
        edit->clear();
        ++typedInto;
    }
    QVERIFY(typedInto > 0);
}

void FieldRangesTest::mainWindowBoxesTakeAtMost64Characters() {
    MainDialogRig rig;
    using Id = CZephDlgJ;
    // The pressure last: leaving it with 64 digits is refused.
    for (int id : {Id::IDC_DB, Id::IDC_WB, Id::IDC_RH, Id::IDC_DP, Id::IDC_HI, Id::IDC_XI,
                   Id::IDC_DN, Id::IDC_PRESSURE}) {
        rig.Edit(id)->clear();
        rig.Type(id, QString(65, QLatin1Char('1')));
        QCOMPARE(rig.Edit(id)->text(), QString(64, QLatin1Char('1')));
    }
}

QTEST_MAIN(FieldRangesTest)
#include "fieldranges_test.moc"
