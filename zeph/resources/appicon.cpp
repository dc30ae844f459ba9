#include "resources/appicon.h"

#include <QFont>
#include <QSize>
#include <QString>

namespace zeph {

QIcon AppIcon() {
    // Rendered at build time from resources/zeph.svg, the picture the
    // desktop shows for the program too.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/zeph-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void InstallFontSubstitutes() {
    struct Substitute {
        const char* family;
        const char* installed;
    };
    static const Substitute kSubstitutes[] = {
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"MS Pゴシック", "IPAPGothic"},
        {"MS PGothic", "IPAPGothic"},
        {"Arial", "Liberation Sans"},
    };
    for (const Substitute& s : kSubstitutes) {
        const QString family = QString::fromUtf8(s.family);
        const QString installed = QString::fromUtf8(s.installed);
        if (!QFont::substitutes(family).contains(installed)) {
            QFont::insertSubstitution(family, installed);
        }
    }
}

}  // namespace zeph
