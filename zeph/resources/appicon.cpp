#include "resources/appicon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>

namespace zeph {
namespace {

// Traces a curve of the shape of the saturation line over the sheet's unit
// square: y = a · (e^(k·x) − 1), with relative humidity r scaling it.
QPolygonF SaturationShape(double r) {
    QPolygonF curve;
    constexpr int kSteps = 24;
    for (int i = 0; i <= kSteps; ++i) {
        const double x = static_cast<double>(i) / kSteps;
        const double y = r * 0.9 * (std::exp(2.4 * x) - 1.0) / (std::exp(2.4) - 1.0);
        curve << QPointF(x, y);
    }
    return curve;
}

QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    // The sheet.
    p.setPen(QPen(QColor(90, 90, 90), std::max(1.0, s / 32.0)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.1, s * 0.1);

    // Plotting area in pixels; the curves are traced in the unit square and
    // mapped with y upward.
    const QRectF area(s * 0.16, s * 0.14, s * 0.66, s * 0.68);
    auto map = [&area](QPointF u) {
        return QPointF(area.left() + u.x() * area.width(), area.bottom() - u.y() * area.height());
    };

    // Axes: dry bulb along the bottom, humidity up the right edge.
    p.setPen(QPen(QColor(0, 0, 255), std::max(1.0, s / 20.0)));
    p.drawLine(map({0, 0}), map({1, 0}));
    p.drawLine(map({1, 0}), map({1, 1}));

    p.setBrush(Qt::NoBrush);
    for (double r : {0.5, 1.0}) {
        QPolygonF curve = SaturationShape(r);
        for (QPointF& point : curve) {
            point = map(point);
        }
        const QColor colour = r == 1.0 ? QColor(0, 0, 0) : QColor(150, 150, 150);
        p.setPen(QPen(colour, std::max(1.0, s / (r == 1.0 ? 22.0 : 30.0))));
        p.drawPolyline(curve);
    }

    // One plotted state point.
    p.setPen(QPen(QColor(255, 0, 0), std::max(1.5, s / 14.0)));
    const QPointF marker = map({0.62, 0.3});
    p.drawEllipse(marker, s * 0.09, s * 0.1);
    return pixmap;
}

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(DrawIcon(size));
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
