#include <QLineF>
#include <QPolygonF>
#include <QString>
#include <cmath>

#include "chart/familylayout.h"

// The protractor of the sensible heat factor: rays from a centre in the
// free upper-left corner of the chart, each parallel to the SHF line of its
// value through the reference state 26 °C, 50 %, and an arc with ticks every
// 0.05 and labels every 0.1 from 0.3 to 1.0. An SHF line of a process is
// read by laying a ruler from the centre to the value and moving it, kept
// parallel, onto the room point.

namespace familylayout {

namespace {

constexpr double kRefDb = 26.0;  // °C
constexpr double kRefRh = 50.0;  // %
constexpr double kRadius = 150;  // logical units
constexpr double kInset = 210;   // centre right of the plotting area's left edge
constexpr double kDrop = 45;     // centre below the top of the plotting area
constexpr double kMargin = 50;   // room for the labels around the arc
constexpr int kArcSteps = 28;

}  // namespace

void BuildShfScale(Context& c, FamilyGeometry& g) {
    const FamilyView& v = c.view;
    // Direction on the sheet of the SHF line s through the reference state,
    // towards lower temperatures (as the engine's cooling: the sensible part
    // of the enthalpy drop is s of the whole).
    const double xr = c.f.Abs_p(c.f.Vp_dbrh(kRefDb, kRefRh), v.P);
    const double hr = c.f.Entalpy(kRefDb, xr);
    const auto direction = [&](double s) {
        const double t2 = kRefDb - 1;
        const double h2 = hr - (hr - c.f.Entalpy(t2, xr)) / s;
        const double x2 = c.f.Ab_hidb(h2, t2);
        const QPointF d(v.scaleX * (t2 - kRefDb), v.scaleY * (x2 - xr));
        const double len = std::hypot(d.x(), d.y());
        return len > 0 && std::isfinite(len) ? d / len : QPointF();
    };
    if (!(xr > 0 && xr < 1)) return;
    const QPointF steepest = direction(0.3);
    if (steepest.isNull()) return;

    const QPointF centre(c.plot.left() + kInset, c.plot.top() + c.plot.height() - kDrop);
    // The corner is free when the lower-right corner of the protractor's box
    // is above saturation and the box lies on the plotting area.
    const QRectF box(QPointF(centre.x() - kRadius - kMargin, centre.y() + kDrop / 2),
                     QPointF(centre.x() + kMargin, centre.y() + steepest.y() * kRadius - kMargin));
    const QRectF area = box.normalized();
    if (!c.plot.contains(area)) return;
    const double tCorner = (area.right() - v.origin.x()) / v.scaleX;
    const double xCorner = (area.top() - v.origin.y()) / v.scaleY;
    if (!(xCorner > c.Saturation(tCorner))) return;
    c.taken.append(area);

    for (int i = 0; i <= kArcSteps; ++i) {
        const double s = 1.0 - 0.7 * i / kArcSteps;
        g.shfArc << centre + direction(s) * kRadius;
    }
    for (int k = 20; k >= 6; --k) {  // SHF = k / 20: 1.00, 0.95, … 0.30
        const double s = k / 20.0;
        const QPointF d = direction(s);
        const bool major = k % 2 == 0;
        g.shfTicks.append(QLineF(centre + d * kRadius, centre + d * (kRadius + (major ? 10 : 5))));
        if (!major) continue;
        g.shfRays.append(QLineF(centre, centre + d * kRadius));
        const QString text = QString::asprintf("%.1f", s);
        const QSizeF size = c.labelFont.LogicalSize(text);
        const QPointF end = centre + d * (kRadius + 14);
        const QRectF labelBox(end.x() - size.width(), end.y() - size.height() / 2, size.width(),
                              size.height());
        // Near 1.0 the rays crowd: a label that would cover the one before
        // is left out (its tick and ray stay).
        if (!g.shfLabels.isEmpty() && g.shfLabels.last().box.intersects(labelBox)) continue;
        g.shfLabels.append({text, labelBox});
    }
    const QString title = QStringLiteral("SHF");
    const QSizeF size = c.labelFont.LogicalSize(title);
    g.shfLabels.append(
        {title, QRectF(centre.x() + 6, centre.y() + 4, size.width(), size.height())});
}

}  // namespace familylayout
