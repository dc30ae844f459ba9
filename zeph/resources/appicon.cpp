#include "resources/appicon.h"

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

}  // namespace zeph
