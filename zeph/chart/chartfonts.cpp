#include "chart/chartfonts.h"

#include <QString>
#include <QStringList>

namespace zeph {

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

QFont TextFont() {
    return QFont(QStringLiteral("ＭＳ Ｐゴシック"));
}

}  // namespace zeph
