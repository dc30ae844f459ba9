#pragma once

#include <QString>

// Start-up of the program: prepares the process-wide settings the main
// window relies on, runs the main dialog modally and returns when it ends.
// The program keeps no setting between runs.
class CZephJApp {
  public:
    // Runs the main dialog; returns the exit status of the program (0).
    int InitInstance();
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
