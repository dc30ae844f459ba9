#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

#include <memory>

#include "dialogs/coilcapdlgj.h"
#include "dialogs/generaldlgj.h"
#include "gui/language.h"
#include "main/aboutdlg.h"
#include "main/commandnames.h"
#include "main/rundocument.h"
#include "main/undocommands.h"
#include "main/zephdlgj.h"
#include "run/strings.h"
#include "run/zephrun.h"

// The context menu of the main dialog (tool windows, constant properties,
// view range, chart pictures, the language) and the About box at its end.

using zeph::LoadResString;

QMenu* CZephDlgJ::CreatePopupMenu() {
    auto* menu = new QMenu(tr("一般機能"), this);
    menu->setObjectName(QStringLiteral("326"));
    auto add = [menu](int command, const QString& text, bool enabled) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::number(command));
        action->setData(command);
        action->setEnabled(enabled);
        return action;
    };
    m_document->AddMenuItems(add, [menu](int command, const QString& text) {
        QMenu* sub = menu->addMenu(text);
        sub->setObjectName(QString::number(command));
        sub->menuAction()->setObjectName(QString::number(command));
        return sub;
    });
    menu->addSeparator();
    m_history->AddMenuItems(add);
    menu->addSeparator();
    add(ID_CALCULATOR, tr("簡易計算器"), m_pCalculatorDlg != nullptr);
    add(ID_COILCAP, tr("コイル容量"), m_pCoilCapDlg != nullptr);
    add(ID_EQC_INPUT, tr("空調容量"), true);
    menu->addSeparator();
    add(ID_CONST_DB, tr("乾球温度一定"), !m_strDb.isEmpty());
    add(ID_CONST_WB, tr("湿球温度一定"), !m_strWb.isEmpty());
    add(ID_CONST_RH, tr("相対湿度一定"), !m_strRh.isEmpty());
    add(ID_CONST_DP, tr("露点温度一定"), !m_strDp.isEmpty());
    add(ID_CONST_HI, tr("エンタルピ一定"), !m_strHi.isEmpty());
    add(ID_CONST_XI, tr("絶対湿度一定"), !m_strXi.isEmpty());
    menu->addSeparator();
    QAction* range = add(ID_VIEW_RANGE, tr("表示範囲オプション"), true);
    range->setStatusTip(LoadResString(ID_VIEW_RANGE).section(QLatin1Char('\n'), 0, 0));
    menu->addMenu(CreateFamiliesMenu(menu));
    menu->addSeparator();
    add(ID_SAVE_BITMAP, tr("ビットマップ画像の保存"), !m_run->State().points.isEmpty());
    add(ID_EXPORT_PICTURE, tr("画像ファイルに保存 (PNG / PDF)..."), true);
    add(ID_PRINT, tr("印刷..."), true)->setShortcut(QKeySequence::Print);
    menu->addSeparator();
    menu->addMenu(zeph::CreateLanguageMenu(menu));
    const QString about = LoadResString(101);
    if (!about.isEmpty()) {
        menu->addSeparator();
        add(ID_ABOUT, about, true);
    }
    return menu;
}

void CZephDlgJ::ShowPopupMenu(const QPoint& globalPos) {
    UpdateData(true);
    std::unique_ptr<QMenu> menu(CreatePopupMenu());
    int chosen = 0;
    // The items of the menu and of its submenus that carry a command.
    for (QAction* action : menu->findChildren<QAction*>()) {
        if (!action->isSeparator() && action->menu() == nullptr && action->data().toInt() != 0) {
            connect(action, &QAction::triggered, menu.get(),
                    [&chosen, action] { chosen = action->data().toInt(); });
        }
    }
    menu->exec(globalPos);
    menu.reset();
    if (chosen != 0) {
        OnMenuCommand(chosen);
    }
}

void CZephDlgJ::OnMenuCommand(int command) {
    switch (command) {
        case ID_CONST_DB:
        case ID_CONST_WB:
        case ID_CONST_RH:
        case ID_CONST_DP:
        case ID_CONST_HI:
        case ID_CONST_XI:
            OnConstantProperty(command);
            break;
        case ID_CALCULATOR:
            OpenToolWindow(m_pCalculatorDlg);
            break;
        case ID_COILCAP:
            OpenToolWindow(m_pCoilCapDlg);
            break;
        case ID_VIEW_RANGE:
            OnViewRangeDialog();
            break;
        case ID_EQC_INPUT: {
            const CRunHistory::Step step(*m_history, zeph::ProcessStepSource(IDC_EQC));
            OnEqcCommand(false);
            break;
        }
        case ID_OPEN:
            m_document->Open();
            break;
        case ID_SAVE:
            m_document->Save();
            break;
        case ID_SAVE_AS:
            m_document->SaveAs();
            break;
        case ID_UNDO:
            m_history->Undo();
            break;
        case ID_REDO:
            m_history->Redo();
            break;
        case ID_DELETE_POINT:
            m_history->DeletePoint();
            break;
        case ID_SAVE_BITMAP:
            SaveChartBitmap();
            break;
        case ID_EXPORT_PICTURE:
            ExportChartPicture();
            break;
        case ID_PRINT:
            PrintChart();
            break;
        case ID_ABOUT:
            ShowAboutBox();
            break;
        default:
            if (command >= ID_RECENT_FIRST &&
                command < ID_RECENT_FIRST + CRunDocument::kRecentCount) {
                m_document->OpenRecent(command - ID_RECENT_FIRST);
            }
            break;
    }
}

void CZephDlgJ::contextMenuEvent(QContextMenuEvent* event) {
    ShowPopupMenu(event->globalPos());
    event->accept();
}

void CZephDlgJ::ShowAboutBox() {
    CAboutDlg about(this);
    about.exec();
}
