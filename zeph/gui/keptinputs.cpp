#include "gui/keptinputs.h"

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
    return inputs;
}

void RestoreInputs(QWidget* window, const KeptInputs& inputs) {
    window->setGeometry(inputs.geometry);
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        const auto kept = inputs.texts.constFind(edit->objectName());
        if (kept != inputs.texts.cend()) {
            edit->setText(*kept);
        }
    }
}

}  // namespace zeph
