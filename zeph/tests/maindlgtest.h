#pragma once

// Helpers shared by the tests that drive the main dialog: a shown, active
// dialog with a scripted user interface, typing into boxes by number, and
// running the context menu.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <functional>
#include <memory>

#include "gui/staticgraph.h"
#include "main/zephdlgj.h"
#include "run/zephrun.h"
#include "scriptedui.h"

struct MainDialogRig {
    CScriptedUi ui;
    CScriptedUi::Scope scope{ui};
    std::unique_ptr<CZephDlgJ> dlg;

    MainDialogRig() : dlg(std::make_unique<CZephDlgJ>()) {
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        if (!QTest::qWaitForWindowActive(dlg.get())) {
            qWarning("main dialog did not become active");
        }
    }

    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(dlg->Control(id)); }

    // Moves the focus into box id the way a click does and types text.
    void Type(int id, const QString& text) {
        QLineEdit* box = Edit(id);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(box, text);
    }

    void Key(int id, Qt::Key key) { QTest::keyClick(dlg->Control(id), key); }

    QWidget* Focus() const { return QApplication::focusWidget(); }

    // Chooses item index of combo id through its drop-down list, as a user
    // does with the mouse.
    void Choose(int id, int index) {
        auto* combo = qobject_cast<QComboBox*>(dlg->Control(id));
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        const QRect item = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!view->isVisible());
    }

    // Opens the context menu with a right click on widget and hands the
    // open menu to act, which triggers an item or closes it.
    void Popup(QWidget* widget, const std::function<void(QMenu*)>& act) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu != nullptr) {
                act(menu);
                ran = true;
                if (menu->isVisible()) {
                    menu->close();
                }
            }
        });
        const QPoint pos(widget->width() / 2, widget->height() / 2);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
        QApplication::sendEvent(widget, &event);
        QVERIFY2(ran, "the context menu did not open");
    }

    static QAction* Item(QMenu* menu, int command) {
        return menu->findChild<QAction*>(QString::number(command));
    }

    void RunCommand(int command) {
        Popup(dlg->m_Graph, [command](QMenu* menu) {
            QAction* action = Item(menu, command);
            QVERIFY(action != nullptr && action->isEnabled());
            action->trigger();
        });
    }

    // The run as it is counts as saved: finishing or closing asks nothing
    // about unsaved changes.
    void MarkSaved() { dlg->UndoStack()->setClean(); }

    // Enters Db and Rh, presses Enter and accepts the point with Yes.
    void AddPoint(const QString& db, const QString& rh) {
        Type(CZephDlgJ::IDC_DB, db);
        Type(CZephDlgJ::IDC_RH, rh);
        Key(CZephDlgJ::IDC_RH, Qt::Key_Return);
        QTest::mouseClick(dlg->Control(CZephDlgJ::IDC_YES), Qt::LeftButton);
    }
};
