#pragma once

#include <QFont>

namespace zeph {

// Font families the program asks for by their traditional names, mapped to
// the metrically close fonts installed on this desktop. Safe to call more
// than once.
void InstallFontSubstitutes();

// The program's face for running text: the window's controls and the title
// block of a printed chart (MS P Gothic, or its substitute).
QFont TextFont();

}  // namespace zeph
