#pragma once

#include <QLineEdit>

// An edit box of the main dialog that reports when it gains or loses the
// keyboard focus, after its own handling, together with the reason (so that
// the dialog can tell a user's move from a window deactivation).
class CFieldEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit CFieldEdit(QWidget* parent = nullptr);

    // Empties the box as the program does: unlike clear(), nothing the
    // box's own undo (Ctrl+Z) would bring back.
    void Empty() { setText(QString()); }

  Q_SIGNALS:
    void focusGained(Qt::FocusReason reason);
    void focusLost(Qt::FocusReason reason);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
