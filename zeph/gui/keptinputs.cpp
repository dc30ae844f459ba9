#include "gui/keptinputs.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>

namespace zeph {

KeptInputs KeepInputs(const QWidget* window) {
    KeptInputs inputs;
    inputs.geometry = window->geometry();
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->objectName().isEmpty()) {
            inputs.texts.insert(edit->objectName(), edit->text());
        }
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isCheckable() && !button->objectName().isEmpty()) {
            inputs.checked.insert(button->objectName(), button->isChecked());
        }
    }
    return inputs;
}

void RestoreInputs(QWidget* window, const KeptInputs& inputs) {
    window->setGeometry(inputs.geometry);
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const auto kept = inputs.checked.constFind(button->objectName());
        if (button->isCheckable() && kept != inputs.checked.cend()) {
            button->setChecked(*kept);
        }
    }
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        const auto kept = inputs.texts.constFind(edit->objectName());
        if (kept != inputs.texts.cend()) {
            edit->setText(*kept);
        }
    }
}

}  // namespace zeph
