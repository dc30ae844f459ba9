#pragma once

class QWidget;

namespace zeph {

// Gives panel the fixed width least, or more when a label in it would be
// cut at that width (a longer text of the interface's language, a larger
// desktop font): the panel widens until every label gets the width of its
// text. Returns the width given.
int FixWidthForTexts(QWidget* panel, int least);

}  // namespace zeph
