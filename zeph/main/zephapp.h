#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "gui/language.h"

// Start-up of the program: prepares the process-wide settings the main
// window relies on (the interface language among them), runs the main
// dialog modally and returns when it ends. Kept between runs (QSettings):
// the language chosen, the chart's line families and the recent files.
class CZephJApp {
  public:
    // Runs the main dialog in the language of the command line (--lang),
    // else the saved or the desktop's; returns the exit status (0).
    // runFile, when given, is opened at once.
    int InitInstance(std::optional<zeph::Language> commandLine = std::nullopt,
                     const QString& runFile = QString());
};

namespace zeph {

// The run file named on the command line (zeph [--lang ja|en] [FILE]): the
// first argument that is no option; empty when there is none.
QString RunFileArgument(const QStringList& arguments);

// True when a window can be shown at all: an X11 or Wayland display is
// named, or a Qt platform plugin is chosen explicitly. Arguments are the
// values of DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM (nullptr: unset).
bool DisplayNamed(const char* display, const char* waylandDisplay, const char* qpaPlatform);

// The one line printed when the program cannot reach a graphical desktop;
// reason may be empty.
QString NoDesktopMessage(const QString& reason);

}  // namespace zeph
