// The main window in the English interface: the window, its context menu
// with every submenu, the capacity dialog and the result window show no
// Japanese character, and the undo history names its steps in English.

#include <QtTest>

#include "capacity/autoeqcresultdlg.h"
#include "capacitycases.h"
#include "capacitytest.h"
#include "englishtexts.h"
#include "gui/language.h"
#include "maindlgtest.h"

using Id = CZephDlgJ;

class EnglishMainWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void windowAndMenuShowNoJapanese();
    void capacityWindowsShowNoJapanese();
};

void EnglishMainWindowTest::initTestCase() {
    zeph::InstallLanguage(zeph::Language::English);
    QCOMPARE(zeph::CurrentLanguage(), zeph::Language::English);
}

void EnglishMainWindowTest::windowAndMenuShowNoJapanese() {
    MainDialogRig rig;
    QStringList found;
    for (int unit : {0, 1}) {
        rig.Choose(Id::IDC_UNIT, unit);
        found << JapaneseTextsIn(rig.dlg.get());
    }
    // A point, so that the history names a step and the boxes hold values.
    rig.AddPoint(QStringLiteral("26"), QStringLiteral("50"));
    rig.Popup(rig.dlg->m_Graph, [&found](QMenu* menu) {
        // The language submenu names each language in its own on purpose.
        auto* language = menu->findChild<QMenu*>(QStringLiteral("35809"));
        QVERIFY(language != nullptr);
        delete language;
        found << JapaneseTextsIn(menu);
        QCOMPARE(MainDialogRig::Item(menu, Id::ID_UNDO)->text(), QStringLiteral("Undo: Add point"));
    });
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    rig.MarkSaved();
}

void EnglishMainWindowTest::capacityWindowsShowNoJapanese() {
    MainDialogRig rig;
    QStringList found;
    RunEqcDialog(rig, [&found](QDialog* d) { found << JapaneseTextsIn(d); });
    rig.dlg->Run().SetEqcInput(capacitycases::Conditions(QString()));
    rig.dlg->m_btnAutoCalc->setEnabled(true);
    QTest::mouseClick(rig.dlg->m_btnAutoCalc, Qt::LeftButton);
    QDialog* result = rig.dlg->m_pEqcResultDlg->Window();
    QVERIFY(result != nullptr && result->isVisible());
    found << JapaneseTextsIn(result);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    // The messages the run gave on the way (the report offer among them).
    for (const QString& text : rig.ui.Texts()) {
        QVERIFY2(!HasJapanese(text), qPrintable(text));
    }
    rig.MarkSaved();
}

QTEST_MAIN(EnglishMainWindowTest)
#include "mainwindow_en_test.moc"
