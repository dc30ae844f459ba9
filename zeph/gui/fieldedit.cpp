#include "gui/fieldedit.h"

#include <QFocusEvent>

CFieldEdit::CFieldEdit(QWidget* parent) : QLineEdit(parent) {}

void CFieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    Q_EMIT focusGained(event->reason());
}

void CFieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Q_EMIT focusLost(event->reason());
}
