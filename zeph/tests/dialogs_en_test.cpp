// The process dialogs and tool windows in the English interface: opened in
// both unit modes they show no Japanese character in any title, label,
// button, header or tooltip, and the messages they give are English too.

#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <memory>

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
#include "englishtexts.h"
#include "gui/language.h"
#include "run/pointtext.h"
#include "run/strings.h"
#include "scriptedui.h"

namespace {

// A host that shows error codes as the main window does.
class EnglishHost : public CDialogHost {
  public:
    int GetPointCount() const override { return 2; }
    _CORVO GetPointValues(int) const override { return zeph::FailedState(); }
    void ShowError(int code) override {
        zeph::ShowMessage(zeph::ErrorText(code), zeph::MsgIcon::Question);
    }
    int UnitMode() const override { return unitMode; }
    QString PressureText() const override { return QStringLiteral("1013.25"); }
    QWidget* ChartWidget() const override { return nullptr; }

    int unitMode = 0;
};

// Opens the dialog as its opener would, without a modal loop: a tool
// window through Create(), which fills it for the unit mode.
void Open(CProcessDlg* dialog) {
    if (auto* tool = qobject_cast<CToolDlg*>(dialog)) {
        tool->Create();
    } else {
        dialog->show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
}

void Type(QWidget* dialog, int id, const char* text) {
    TypeInto(dialog, id, QString::fromLatin1(text));
}

}  // namespace

class EnglishDialogsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void dialogsShowNoJapanese();
    void messagesAreEnglish();
};

void EnglishDialogsTest::initTestCase() {
    zeph::InstallLanguage(zeph::Language::English);
    QCOMPARE(zeph::CurrentLanguage(), zeph::Language::English);
}

void EnglishDialogsTest::dialogsShowNoJapanese() {
    using Make = std::function<CProcessDlg*(CDialogHost*)>;
    const QList<Make> dialogs = {
        [](CDialogHost* h) { return new CShfDlgJ(h); },
        [](CDialogHost* h) { return new CMixDlgJ(h); },
        [](CDialogHost* h) { return new CHeatDlgJ(h); },
        [](CDialogHost* h) { return new CCalPointDlgJ(h); },
        [](CDialogHost* h) { return new CDeltaDlgJ(h); },
        [](CDialogHost* h) { return new CHHDlgJ(h); },
        [](CDialogHost* h) { return new CReHeaterDlgJ(h); },
        [](CDialogHost* h) { return new CSlopCalDlgJ(h); },
        [](CDialogHost* h) { return new CGeneralDlgJ(h); },
        [](CDialogHost* h) { return new CCoilCapDlgJ(h); },
        [](CDialogHost* h) { return new CAirChangeDlgJ(h); },
        [](CDialogHost* h) { return new CGraphViewRangeDlg(h); },
    };
    EnglishHost host;
    QStringList found;
    for (int unitMode : {0, 1}) {
        host.unitMode = unitMode;
        for (const Make& make : dialogs) {
            const std::unique_ptr<CProcessDlg> dialog(make(&host));
            Open(dialog.get());
            QVERIFY(!dialog->windowTitle().isEmpty());
            found << JapaneseTextsIn(dialog.get());
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void EnglishDialogsTest::messagesAreEnglish() {
    CScriptedUi ui;
    CScriptedUi::Scope scope(ui);
    EnglishHost host;

    // An error code shown through the host.
    CShfDlgJ cooling(&host);
    Open(&cooling);
    PressEnter(&cooling);

    // The view range's own refusals and the range prompt.
    CGraphViewRangeDlg range(&host);
    Open(&range);
    Type(&range, CGraphViewRangeDlg::IDC_MAX_DB, "10");
    Type(&range, CGraphViewRangeDlg::IDC_MIN_DB, "10");
    PressEnter(&range);
    Type(&range, CGraphViewRangeDlg::IDC_MIN_DB, "9.5");
    PressEnter(&range);
    Type(&range, CGraphViewRangeDlg::IDC_MAX_DB, "abc");
    PressEnter(&range);

    // The air-change table: a heat too large for the room, a row that is
    // not one.
    CAirChangeDlgJ airChanges(&host);
    Open(&airChanges);
    Type(&airChanges, CAirChangeDlgJ::IDC_VOLUME, "10");
    Type(&airChanges, CAirChangeDlgJ::IDC_HEAT, "5000");
    ClickOn(&airChanges, CAirChangeDlgJ::IDC_TRIAL);
    auto* table = qobject_cast<QTableWidget*>(Ctl(&airChanges, CAirChangeDlgJ::IDC_LIST));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(5, 5));

    // The calculator refuses a third quantity.
    CGeneralDlgJ calculator(&host);
    Open(&calculator);
    Type(&calculator, CGeneralDlgJ::IDC_HEAT, "1000");
    Type(&calculator, CGeneralDlgJ::IDC_AIR, "500");
    Type(&calculator, CGeneralDlgJ::IDC_DH, "5");

    const QStringList texts = ui.Texts();
    QCOMPARE(texts.size(), 7);
    for (const QString& text : texts) {
        QVERIFY2(!text.isEmpty() && !HasJapanese(text), qPrintable(text));
    }
    QCOMPARE(texts.at(3), QStringLiteral("Enter a number from 0 to 60."));
}

QTEST_MAIN(EnglishDialogsTest)
#include "dialogs_en_test.moc"
