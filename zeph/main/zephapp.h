#pragma once

#include <QString>

#include <optional>

#include "gui/language.h"

// Start-up of the program: prepares the process-wide settings the main
// window relies on (the interface language among them), runs the main
// dialog modally and returns when it ends. The one setting kept between
// runs is the language chosen in the context menu.
class CZephJApp {
  public:
    // Runs the main dialog in the language of the command line (--lang),
    // else the saved or the desktop's; returns the exit status (0).
    int InitInstance(std::optional<zeph::Language> commandLine = std::nullopt);
};

namespace zeph {

// True when a window can be shown at all: an X11 or Wayland display is
// named, or a Qt platform plugin is chosen explicitly. Arguments are the
// values of DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM (nullptr: unset).
bool DisplayNamed(const char* display, const char* waylandDisplay, const char* qpaPlatform);

// The one line printed when the program cannot reach a graphical desktop;
// reason may be empty.
QString NoDesktopMessage(const QString& reason);

}  // namespace zeph
