#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolTip>

#include "gui/fieldedit.h"
#include "main/undocommands.h"
#include "main/zephdlgj.h"

// The keys the main dialog takes before its controls (Enter, Escape, the
// arrows, N, Y, F1) and what happens when its boxes gain or lose the focus.

void CZephDlgJ::FocusField(int index) {
    if (index > 6) {
        index = 1;
    }
    if (index <= 0) {
        index = 6;
    }
    m_nFocusField = index;
    CFieldEdit* box = ValueBox(index);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    m_nFocusField = index;
}

void CZephDlgJ::OnFieldFocusIn(CFieldEdit* box, Qt::FocusReason reason) {
    // A box reached by the arrows on a short screen is scrolled into view.
    m_rightPanel->ensureWidgetVisible(box);
    // Coming back to the window (after a message box, another program or a
    // menu) is not a move into the box: the name box must not lose its text.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    if (box == m_editSystem) {
        m_nFocusField = 0;
        box->selectAll();
    } else if (box == m_editName) {
        // Room for a new name; a name shown for information stays.
        if (!box->isReadOnly()) {
            box->Empty();
        }
    } else if (box == m_editWb) {
        m_nFocusField = 2;
        box->setSelection(0, 3);
    } else {
        for (int i : {1, 3, 4, 5, 6}) {
            if (box == ValueBox(i)) {
                m_nFocusField = i;
            }
        }
    }
}

void CZephDlgJ::OnFieldFocusOut(CFieldEdit* box, Qt::FocusReason reason) {
    if (box == m_editPressure) {
        OnPressureLeft();
        return;
    }
    // The focus leaving with the window (a message box, another program, a
    // menu) is not the user leaving the box.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    for (int i = 1; i <= 7; ++i) {
        if (box == ValueBox(i)) {
            CheckNumberField(box);
            return;
        }
    }
}

bool CZephDlgJ::HandleKey(QWidget* target, QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            CalcPoint();
            return true;
        case Qt::Key_Escape:
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (mods & Qt::AltModifier) {
                return false;  // Alt+arrow opens a drop-down list
            }
            if (target == m_editName || target == m_editSystem || target == m_editPressure ||
                target == m_editDn) {
                // From a box outside the cycle, the cycle starts at its ends
                // rather than at whichever property box was visited last.
                FocusField(event->key() == Qt::Key_Down ? 1 : 6);
            } else {
                FocusField(m_nFocusField + (event->key() == Qt::Key_Down ? 1 : -1));
            }
            return true;
        case Qt::Key_N:
        case Qt::Key_Y: {
            if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
                return false;
            }
            // Names are typed into the point-name and system boxes: there
            // the letters are text.
            auto* edit = qobject_cast<QLineEdit*>(target);
            if ((target == m_editName || target == m_editSystem) && edit && !edit->isReadOnly()) {
                return false;
            }
            if (event->key() == Qt::Key_Y) {
                AcceptPoint();
            } else {
                RejectPoint();
            }
            return true;
        }
        case Qt::Key_F1:
            if (!target->toolTip().isEmpty()) {
                QToolTip::showText(target->mapToGlobal(QPoint(0, target->height())),
                                   target->toolTip(), target);
            }
            return true;
        default:
            return false;
    }
}

bool CZephDlgJ::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (key && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        auto* widget = static_cast<QWidget*>(watched);
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        // Undo and redo reach the history past a box with nothing typed to
        // undo.
        if (event->type() == QEvent::ShortcutOverride ? m_history->TakesKey(widget, keyEvent)
                                                      : HandleKey(widget, keyEvent)) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
