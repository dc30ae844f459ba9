// The process dialogs and tool windows in the English interface: opened in
// both unit modes they show no Japanese character in any title, label,
// button, header or tooltip, and the messages they give are English too.

#include <QTableWidget>
#include <QtTest>

#include <memory>

#include "alldialogs.h"
#include "dialogscript.h"
#include "englishtexts.h"
#include "gui/language.h"
#include "scriptedui.h"

namespace {

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
    QStringList found;
    ForEachDialog([&found](CProcessDlg* dialog) {
        QVERIFY(!dialog->windowTitle().isEmpty());
        found << JapaneseTextsIn(dialog);
    });
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void EnglishDialogsTest::messagesAreEnglish() {
    CScriptedUi ui;
    CScriptedUi::Scope scope(ui);
    TextHost host;

    // An error code shown through the host.
    CShfDlgJ cooling(&host);
    OpenDialog(&cooling);
    PressEnter(&cooling);

    // The view range's own refusals and the range prompt.
    CGraphViewRangeDlg range(&host);
    OpenDialog(&range);
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
    OpenDialog(&airChanges);
    Type(&airChanges, CAirChangeDlgJ::IDC_VOLUME, "10");
    Type(&airChanges, CAirChangeDlgJ::IDC_HEAT, "5000");
    ClickOn(&airChanges, CAirChangeDlgJ::IDC_TRIAL);
    auto* table = qobject_cast<QTableWidget*>(Ctl(&airChanges, CAirChangeDlgJ::IDC_LIST));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(5, 5));

    // The calculator refuses a third quantity.
    CGeneralDlgJ calculator(&host);
    OpenDialog(&calculator);
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
