#pragma once

// Driving modal dialogs from a test: a script of steps, each waiting for a
// modal dialog with a given objectName (its template number) to be the
// active modal window and then acting on it (typing, clicking OK or
// Cancel). Steps run in order, one per dialog appearance; a dialog that
// stays open after its step (an error shown) can be the next step's target.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QTest>
#include <QTimer>

#include <functional>

class DialogScript : public QObject {
  public:
    using Act = std::function<void(QDialog*)>;

    DialogScript() {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
    }

    // Adds a step for the dialog named name (its template number).
    DialogScript& On(int templateId, Act act) {
        m_steps.append({QString::number(templateId), std::move(act)});
        m_timer.start();
        return *this;
    }

    // True when every step has run.
    bool Done() const { return m_steps.isEmpty(); }
    // Names of the steps that have not run, for failure messages.
    QString Pending() const {
        QStringList names;
        for (const Step& s : m_steps) names << s.name;
        return names.join(QLatin1Char(','));
    }

  private:
    struct Step {
        QString name;
        Act act;
    };

    void Tick() {
        if (m_steps.isEmpty()) {
            m_timer.stop();
            return;
        }
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // Activation follows the show asynchronously; until it has come, the
        // focus (and so a key press) would still go to the window below.
        if (dialog == nullptr || !dialog->isVisible() ||
            dialog->objectName() != m_steps.first().name ||
            QApplication::activeWindow() != dialog) {
            return;
        }
        Step step = m_steps.takeFirst();
        step.act(dialog);
    }

    QTimer m_timer;
    QList<Step> m_steps;
};

// Controls of a dialog by their numeric identifier.
inline QWidget* Ctl(QWidget* dialog, int id) {
    return dialog->findChild<QWidget*>(QString::number(id));
}
inline QLineEdit* CtlEdit(QWidget* dialog, int id) {
    return qobject_cast<QLineEdit*>(Ctl(dialog, id));
}

// Replaces the text of edit id as a user does: focus in, clear, type.
inline void TypeInto(QWidget* dialog, int id, const QString& text) {
    QLineEdit* edit = CtlEdit(dialog, id);
    edit->setFocus(Qt::MouseFocusReason);
    edit->clear();
    QTest::keyClicks(edit, text);
}

// A left click in the middle of control id.
inline void ClickOn(QWidget* dialog, int id) {
    QTest::mouseClick(Ctl(dialog, id), Qt::LeftButton);
}

// Enter pressed with the focus where it is.
inline void PressEnter(QWidget* dialog) {
    // The dialog's own focus child, so that the key cannot reach the window
    // below while activation is still under way.
    QWidget* target = dialog->focusWidget();
    QTest::keyClick(target != nullptr ? target : dialog, Qt::Key_Return);
}
