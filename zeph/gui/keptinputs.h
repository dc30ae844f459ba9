#pragma once

#include <QHash>
#include <QRect>
#include <QString>

class QWidget;

namespace zeph {

// What the user has put into a window of boxes, to carry it over to the
// same window made anew (in another language): where it is and the texts
// of its line edits, by the controls' numbers (object names).
struct KeptInputs {
    QRect geometry;
    QHash<QString, QString> texts;
};

KeptInputs KeepInputs(const QWidget* window);
// Puts inputs back into the controls of window that have the same numbers;
// others are left as they are.
void RestoreInputs(QWidget* window, const KeptInputs& inputs);

}  // namespace zeph
