// Switching the language from the context menu while the program runs: the
// main window, the open calculator (keeping what was typed in it), the
// capacity result window, the undo history and the chart's titles all
// change at once, and switching back shows exactly the Japanese texts and
// chart of before.

#include <QtTest>

#include "capacity/autoeqcresultdlg.h"
#include "capacitycases.h"
#include "capacitytest.h"
#include "dialogs/generaldlgj.h"
#include "englishtexts.h"
#include "gui/language.h"
#include "maindlgtest.h"

using Id = CZephDlgJ;

namespace {

void Choose(MainDialogRig& rig, int item) {
    rig.RunCommand(item);
    // The translators' change reaches the windows as posted events, and so
    // do the layouts' requests; the windows made anew replace the old ones,
    // which go later.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString UndoItemText(MainDialogRig& rig) {
    QString text;
    rig.Popup(rig.dlg->m_Graph,
              [&text](QMenu* menu) { text = MainDialogRig::Item(menu, Id::ID_UNDO)->text(); });
    return text;
}

}  // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void menuSwitchesEveryWindowAtOnce();
};

void LanguageSwitchTest::menuSwitchesEveryWindowAtOnce() {
    zeph::InstallLanguage(zeph::Language::Japanese);
    MainDialogRig rig;
    rig.AddPoint(QStringLiteral("26"), QStringLiteral("50"));
    rig.RunCommand(Id::ID_CALCULATOR);
    QVERIFY(rig.dlg->m_pCalculatorDlg->IsOpen());
    TypeInto(rig.dlg->m_pCalculatorDlg, CGeneralDlgJ::IDC_HEAT, QStringLiteral("1000"));
    rig.dlg->Run().SetEqcInput(capacitycases::Conditions(QString()));
    rig.dlg->m_btnAutoCalc->setEnabled(true);
    QTest::mouseClick(rig.dlg->m_btnAutoCalc, Qt::LeftButton);
    QVERIFY(rig.dlg->m_pEqcResultDlg->IsOpen());

    rig.dlg->m_pCalculatorDlg->move(40, 50);
    const QRect calculatorAt = rig.dlg->m_pCalculatorDlg->geometry();
    const QRect resultAt = rig.dlg->m_pEqcResultDlg->Window()->geometry();

    QStringList japanese = ShownTextsIn(rig.dlg.get());
    japanese.sort();
    const QImage japaneseChart = rig.dlg->m_Graph->grab().toImage();
    QCOMPARE(UndoItemText(rig), QStringLiteral("元に戻す: 自動計算"));

    Choose(rig, 35821);
    QCOMPARE(zeph::CurrentLanguage(), zeph::Language::English);
    const QStringList left = JapaneseTextsIn(rig.dlg.get());
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    QCOMPARE(UndoItemText(rig), QStringLiteral("Undo: Auto Calc"));
    QVERIFY(rig.dlg->m_pCalculatorDlg->IsOpen());
    QCOMPARE(
        qobject_cast<QLineEdit*>(Ctl(rig.dlg->m_pCalculatorDlg, CGeneralDlgJ::IDC_HEAT))->text(),
        QStringLiteral("1000"));
    QVERIFY(rig.dlg->m_pEqcResultDlg->IsOpen());
    QVERIFY(rig.dlg->m_pEqcResultDlg->Window()->isVisible());
    // Where they were.
    QCOMPARE(rig.dlg->m_pCalculatorDlg->geometry().topLeft(), calculatorAt.topLeft());
    QCOMPARE(rig.dlg->m_pEqcResultDlg->Window()->geometry().topLeft(), resultAt.topLeft());
    QVERIFY(rig.dlg->m_Graph->grab().toImage() != japaneseChart);

    Choose(rig, 35820);
    QStringList again = ShownTextsIn(rig.dlg.get());
    again.sort();
    QCOMPARE(again, japanese);
    QCOMPARE(rig.dlg->m_Graph->grab().toImage(), japaneseChart);
    rig.MarkSaved();
}

QTEST_MAIN(LanguageSwitchTest)
#include "languageswitch_test.moc"
