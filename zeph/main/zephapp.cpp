#include "main/zephapp.h"

#include <QApplication>

#include "chart/chartfonts.h"
#include "main/rundocument.h"
#include "main/zephdlgj.h"
#include "resources/appicon.h"

int CZephJApp::InitInstance(std::optional<zeph::Language> commandLine, const QString& runFile) {
    zeph::InstallFontSubstitutes();
    zeph::InstallLanguage(zeph::StartupLanguage(commandLine));
    QApplication::setWindowIcon(zeph::AppIcon());
    // The window takes the interface's font itself.
    CZephDlgJ dialog;
    if (!runFile.isEmpty()) {
        // A file that cannot be read is refused with its reason; the
        // program then starts with an empty run.
        dialog.Document().OpenPath(runFile);
    }
    dialog.exec();
    // The run ends with the dialog; there is no message loop of its own.
    return 0;
}

namespace zeph {

QString RunFileArgument(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--lang")) {
            ++i;  // and its value
        } else if (!argument.startsWith(QLatin1Char('-'))) {
            return argument;
        }
    }
    return {};
}

bool DisplayNamed(const char* display, const char* waylandDisplay, const char* qpaPlatform) {
    auto named = [](const char* value) { return value != nullptr && value[0] != '\0'; };
    return named(display) || named(waylandDisplay) || named(qpaPlatform);
}

QString NoDesktopMessage(const QString& reason) {
    QString line = QStringLiteral("zeph: Zeph needs a graphical desktop");
    if (reason.isEmpty()) {
        line += QStringLiteral(", and none was found (DISPLAY and WAYLAND_DISPLAY are not set).");
    } else {
        line += QStringLiteral(", and none could be opened (") + reason + QStringLiteral(").");
    }
    return line;
}

}  // namespace zeph
