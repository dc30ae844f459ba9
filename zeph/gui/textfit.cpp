#include "gui/textfit.h"

#include <QLabel>
#include <QLayout>
#include <QWidget>

#include <algorithm>

namespace zeph {

namespace {

// How much wider than now the widest cut label of panel needs to be; 0
// when none is cut.
int LabelShortfall(const QWidget* panel) {
    int shortfall = 0;
    for (const QLabel* label : panel->findChildren<QLabel*>()) {
        if (!label->isHidden() && !label->wordWrap() && !label->text().isEmpty()) {
            shortfall = std::max(shortfall, label->minimumSizeHint().width() - label->width());
        }
    }
    return shortfall;
}

// Lays panel and every widget in it out at their present sizes, as showing
// them would; a hidden widget's layout otherwise waits for its first show.
void LayOut(QWidget* panel) {
    QList<QWidget*> widgets = panel->findChildren<QWidget*>();  // parents first
    widgets.prepend(panel);
    for (QWidget* w : std::as_const(widgets)) {
        if (QLayout* layout = w->layout()) {
            layout->invalidate();
            layout->activate();
        }
    }
}

}  // namespace

int FixWidthForTexts(QWidget* panel, int least) {
    // Each pass lays the panel out at a width and widens it by the largest
    // shortfall; a layout that shares the extra width among columns may
    // need a few passes.
    constexpr int kPasses = 8;
    int width = least;
    for (int pass = 0; pass < kPasses; ++pass) {
        panel->setFixedWidth(width);
        panel->resize(width, std::max(panel->height(), panel->minimumSizeHint().height()));
        LayOut(panel);
        const int shortfall = LabelShortfall(panel);
        if (shortfall <= 0) {
            break;
        }
        width += shortfall;
    }
    return width;
}

}  // namespace zeph
