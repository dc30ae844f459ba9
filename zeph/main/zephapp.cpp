#include "main/zephapp.h"

#include <QApplication>

#include "chart/chartfonts.h"
#include "main/zephdlgj.h"
#include "resources/appicon.h"

int CZephJApp::InitInstance() {
    zeph::InstallFontSubstitutes();
    QApplication::setWindowIcon(zeph::AppIcon());
    CZephDlgJ dialog;
    dialog.exec();
    // The run ends with the dialog; there is no message loop of its own.
    return 0;
}

namespace zeph {

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
