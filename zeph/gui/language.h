#pragma once

#include "run/language.h"

class QMenu;
class QWidget;

// The interface's language in the windows: its font, and the menu that
// switches it.
namespace zeph {

// Gives window the font of the interface: the program's Japanese dialog
// font for Japanese, the desktop's font for English.
void ApplyInterfaceFont(QWidget* window);

// Switches to language from the menu at once and remembers it for the next
// start: the translators are replaced and every window retranslates itself
// on QEvent::LanguageChange.
void ChooseLanguage(Language language);

// The context submenu "言語 / Language" (objectName 35809) with the check
// items 日本語 (35820) and English (35821), each named in its own language;
// the checked one is the language chosen last in this run, else the
// current one. Choosing an item calls ChooseLanguage.
QMenu* CreateLanguageMenu(QWidget* parent);

}  // namespace zeph
