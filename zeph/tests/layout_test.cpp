// The windows fit a 1366 × 768 screen in both languages: the main window in
// both unit modes, every process dialog and tool window, the capacity
// dialog, its result window and the About box lie inside the screen's
// available area, and no label, button or list is narrower than its text. The test runs on an
// offscreen screen of that size.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QtTest>

#include <memory>

#include "alldialogs.h"
#include "capacity/autoeqcresultdlg.h"
#include "capacitycases.h"
#include "capacitytest.h"
#include "gui/language.h"
#include "main/aboutdlg.h"
#include "maindlgtest.h"

namespace {

// What of window does not fit: the window larger than the screen's
// available area, and each visible text control narrower than the least
// width its text needs, as "<language> <class> <objectName>: <text>".
QStringList MisfitsIn(QWidget* window, const QString& language) {
    QStringList found;
    const QRect room = window->screen()->availableGeometry();
    if (window->frameGeometry().width() > room.width() ||
        window->frameGeometry().height() > room.height()) {
        found << QStringLiteral("%1 window %2: %3 × %4")
                     .arg(language, window->windowTitle())
                     .arg(window->frameGeometry().width())
                     .arg(window->frameGeometry().height());
    }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) {
            continue;
        }
        QString text;
        int need = w->minimumSizeHint().width();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->wordWrap() ? QString() : label->text();
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            // The style's least button width is a look, not a need.
            text = button->text();
            need = button->fontMetrics().size(Qt::TextShowMnemonic, text).width() +
                   button->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                   2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            text = combo->currentText();
        } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
            const QHeaderView* header = table->horizontalHeader();
            for (int column = 0; column < table->columnCount(); ++column) {
                const QString heading = table->horizontalHeaderItem(column)->text();
                const int headingNeed = header->fontMetrics().horizontalAdvance(heading) +
                                        2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
                if (header->sectionSize(column) < headingNeed) {
                    found << QStringLiteral("%1 heading \"%2\" is %3 wide, needs %4")
                                 .arg(language, heading)
                                 .arg(header->sectionSize(column))
                                 .arg(headingNeed);
                }
            }
        }
        if (!text.isEmpty() && w->width() < need) {
            found << QStringLiteral("%1 %2 %3: \"%4\" is %5 wide, needs %6")
                         .arg(language, QString::fromLatin1(w->metaObject()->className()),
                              w->objectName(), text)
                         .arg(w->width())
                         .arg(need);
        }
    }
    return found;
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void windowsFit_data();
    void windowsFit();
};

void LayoutTest::initTestCase() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(screen.size(), QSize(1366, 768));
}

void LayoutTest::windowsFit_data() {
    QTest::addColumn<zeph::Language>("language");
    QTest::addColumn<int>("desktopPoints");  // the desktop font's size; 0: Qt's default
    QTest::newRow("Japanese") << zeph::Language::Japanese << 0;
    QTest::newRow("English") << zeph::Language::English << 0;
    // The English interface takes the desktop's font, often larger.
    QTest::newRow("English, 11-point desktop font") << zeph::Language::English << 11;
}

void LayoutTest::windowsFit() {
    QFETCH(zeph::Language, language);
    QFETCH(int, desktopPoints);
    const QFont defaultFont = QApplication::font();
    if (desktopPoints > 0) {
        QFont desktop = defaultFont;
        desktop.setPointSize(desktopPoints);
        QApplication::setFont(desktop);
    }
    const auto restoreFont = qScopeGuard([&defaultFont] { QApplication::setFont(defaultFont); });
    zeph::InstallLanguage(language);
    const QString code = zeph::LanguageCode(language);
    QStringList found;
    {
        MainDialogRig rig;
        for (int unit : {0, 1}) {
            rig.Choose(CZephDlgJ::IDC_UNIT, unit);
            found << MisfitsIn(rig.dlg.get(), code);
        }
        // The Japanese interface keeps its panel of 300 pixels.
        if (language == zeph::Language::Japanese) {
            const auto* panel = rig.dlg->findChild<QScrollArea*>(QStringLiteral("rightPanel"));
            QCOMPARE(panel->widget()->width(), 300);
        }
        RunEqcDialog(rig, [&](QDialog* d) { found << MisfitsIn(d, code); });
        rig.dlg->Run().SetEqcInput(capacitycases::Conditions(QString()));
        rig.dlg->m_btnAutoCalc->setEnabled(true);
        QTest::mouseClick(rig.dlg->m_btnAutoCalc, Qt::LeftButton);
        QDialog* result = rig.dlg->m_pEqcResultDlg->Window();
        QVERIFY(result != nullptr && result->isVisible());
        found << MisfitsIn(result, code);
        rig.MarkSaved();
    }
    ForEachDialog([&](CProcessDlg* dialog) { found << MisfitsIn(dialog, code); });
    CAboutDlg about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    found << MisfitsIn(&about, code);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
