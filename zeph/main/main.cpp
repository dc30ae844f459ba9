#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "gui/language.h"
#include "main/zephapp.h"

namespace {

// While the application object connects to the display, Qt reports a
// missing or unreachable display as a fatal error and aborts. This handler
// turns that into one plain line and a non-zero exit; the warnings that led
// up to it are kept back and their first one named as the reason.
QString g_startupReason;
QtMessageHandler g_previousHandler = nullptr;

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    const bool platform =
        context.category != nullptr && QByteArray(context.category).startsWith("qt.qpa");
    if (type == QtFatalMsg) {
        const QString reason =
            g_startupReason.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0) : g_startupReason;
        std::fprintf(stderr, "%s\n", qPrintable(zeph::NoDesktopMessage(reason)));
        std::fflush(stderr);
        std::_Exit(2);
    }
    if (platform && type != QtDebugMsg) {
        if (g_startupReason.isEmpty()) {
            g_startupReason = message.section(QLatin1Char('\n'), 0, 0);
        }
        return;
    }
    if (g_previousHandler != nullptr) {
        g_previousHandler(type, context, message);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // The command line is read before the desktop is reached, so that a
    // wrong option is told as such even without one.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const zeph::LanguageOption language = zeph::ParseLanguageOption(arguments);
    if (!language.error.isEmpty()) {
        std::fprintf(stderr, "zeph: %s\n", qPrintable(language.error));
        return 2;
    }

    if (!zeph::DisplayNamed(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                            std::getenv("QT_QPA_PLATFORM"))) {
        std::fprintf(stderr, "%s\n", qPrintable(zeph::NoDesktopMessage(QString())));
        return 2;
    }

    g_previousHandler = qInstallMessageHandler(StartupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_previousHandler);

    // Qt has set the desktop's locale; numbers are read and written with
    // C rules all the same ('.' as the decimal point), and every conversion
    // in the program uses locale-independent functions besides.
    std::setlocale(LC_NUMERIC, "C");

    QApplication::setApplicationName(QStringLiteral("ZephJ"));
    // Lets Wayland desktops match the window to the installed desktop entry
    // and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("zeph"));
    CZephJApp zeph;
    return zeph.InitInstance(language.language, zeph::RunFileArgument(arguments));
}
