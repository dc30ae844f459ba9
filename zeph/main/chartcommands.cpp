#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QVBoxLayout>

#include <iterator>

#include "chart/chartpage.h"
#include "gui/staticgraph.h"
#include "gui/ui.h"
#include "main/zephdlgj.h"
#include "run/zephrun.h"

// The chart's view commands: the line families shown (remembered between
// runs), the cursor readout under the chart, and printing.

namespace {

// One check item of the families submenu: its command, its text, the
// settings key that remembers it and the flag it sets.
struct FamilyItem {
    int command;
    const char* text;  // the Japanese interface's, and the translation's source
    const char* key;
    bool ChartFamilies::*flag;
};

constexpr FamilyItem kFamilyItems[] = {
    {CZephDlgJ::ID_SHOW_ENTHALPY, QT_TRANSLATE_NOOP("CZephDlgJ", "エンタルピ線"), "enthalpy",
     &ChartFamilies::enthalpy},
    {CZephDlgJ::ID_SHOW_WETBULB, QT_TRANSLATE_NOOP("CZephDlgJ", "湿球温度線"), "wetBulb",
     &ChartFamilies::wetBulb},
    {CZephDlgJ::ID_SHOW_VOLUME, QT_TRANSLATE_NOOP("CZephDlgJ", "比容積線"), "volume",
     &ChartFamilies::volume},
    {CZephDlgJ::ID_SHOW_RH_LABELS, QT_TRANSLATE_NOOP("CZephDlgJ", "相対湿度の値"), "rhLabels",
     &ChartFamilies::rhLabels},
    {CZephDlgJ::ID_SHOW_SHF_SCALE, QT_TRANSLATE_NOOP("CZephDlgJ", "SHF スケール"), "shfScale",
     &ChartFamilies::shfScale},
};

QString SettingsKey(const FamilyItem& item) {
    return QStringLiteral("chart/families/") + QLatin1String(item.key);
}

QSettings ChartSettings() {
    return QSettings(QStringLiteral("Zeph"), QStringLiteral("Zeph"));
}

// A4, or Letter where that is the paper of the desktop's country.
QPageSize::PageSizeId LocalPaper() {
    switch (QLocale().territory()) {
        case QLocale::UnitedStates:
        case QLocale::Canada:
        case QLocale::Mexico:
            return QPageSize::Letter;
        default:
            return QPageSize::A4;
    }
}

}  // namespace

QLayout* CZephDlgJ::CreateChartColumn() {
    m_staticReadout = new QLabel(this);
    m_staticReadout->setObjectName(QString::number(IDC_READOUT));
    m_staticReadout->setTextFormat(Qt::PlainText);
    m_staticReadout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // One line high even while empty, so that the chart does not jump.
    m_staticReadout->setMinimumHeight(m_staticReadout->fontMetrics().height());
    connect(m_Graph, &CStaticGraph::readoutChanged, m_staticReadout, &QLabel::setText);

    const QSettings settings = ChartSettings();
    for (const FamilyItem& item : kFamilyItems) {
        m_Graph->Families.*item.flag = settings.value(SettingsKey(item), true).toBool();
    }

    auto* print = new QAction(this);
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &CZephDlgJ::PrintChart);
    addAction(print);

    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(m_Graph, 1);
    column->addWidget(m_staticReadout, 0);
    return column;
}

QMenu* CZephDlgJ::CreateFamiliesMenu(QWidget* parent) {
    auto* menu = new QMenu(tr("線図の表示"), parent);
    menu->setObjectName(QString::number(ID_FAMILIES));
    menu->menuAction()->setObjectName(QString::number(ID_FAMILIES));
    for (const FamilyItem& item : kFamilyItems) {
        QAction* action = menu->addAction(tr(item.text));
        action->setObjectName(QString::number(item.command));
        action->setData(item.command);
        action->setCheckable(true);
        action->setChecked(m_Graph->Families.*item.flag);
        const int command = item.command;
        connect(action, &QAction::toggled, this,
                [this, command](bool shown) { SetFamilyShown(command, shown); });
    }
    return menu;
}

void CZephDlgJ::SetFamilyShown(int command, bool shown) {
    for (const FamilyItem& item : kFamilyItems) {
        if (item.command != command) continue;
        m_Graph->Families.*item.flag = shown;
        QSettings settings = ChartSettings();
        settings.setValue(SettingsKey(item), shown);
        m_Graph->update();
    }
}

void CZephDlgJ::PrintChart() {
    UpdateData(true);
    const QString name = m_run->SystemNameOr(m_strSystem);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(LocalPaper()), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    printer.setDocName(name);
    if (!zeph::Ui().PrintDialog(this, printer)) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        zeph::ShowMessage(tr("印刷を開始できませんでした。"), zeph::MsgIcon::Stop);
        return;
    }
    PaintChartPage(painter, QRect(0, 0, printer.width(), printer.height()), *m_run,
                   m_Graph->Options(), {name, QDate::currentDate()});
    painter.end();
}
