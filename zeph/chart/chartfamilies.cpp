#include "chart/chartfamilies.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

#include "chart/familylayout.h"
#include "chart/sheetdrawing.h"
#include "chart/zephgraph.h"
#include "corvo/corvofunction.h"

// The line families of the chart: constant enthalpy, wet bulb and specific
// volume, each a curve x(t) that falls as the dry bulb rises, cut to the
// part that lies on the plotting area at or below saturation.

namespace {

// Segments of each family polyline: the curves bend so little that the
// chord stays far below a tenth of a logical unit from them.
constexpr int kSegments = 24;
// Steps of a bisection on a dry-bulb interval: far below 1e-9 °C.
constexpr int kBisectionSteps = 60;
// More lines than this in one family would be a grey wash, not a scale.
constexpr int kMaxLines = 400;
// Logical lengths of the enthalpy scale's ticks and of the label gap.
constexpr double kShortTick = 9;
constexpr double kLongTick = 18;

using Curve = std::function<double(double)>;  // x (kg/kg) of t (°C)

// The part of a curve on the chart.
struct Clip {
    QPolygonF points;
    bool startsOnSaturation = false;  // the upper-left end lies on saturation
    bool endsOnBottom = false;        // the lower-right end lies on MinXi
};

// The first t in [a, b] where the decreasing g turns from positive to not
// positive (a when g(a) is not positive).
double FallingRoot(const Curve& g, double a, double b) {
    if (!(g(a) > 0)) return a;
    for (int i = 0; i < kBisectionSteps; ++i) {
        const double m = (a + b) / 2;
        (g(m) > 0 ? a : b) = m;
    }
    return (a + b) / 2;
}

}  // namespace

namespace familylayout {

Context::Context(const FamilyView& v) : view(v) {
    plot = QRectF(MapF(v.minDb, v.minXi), MapF(v.maxDb, v.maxXi)).normalized();
}

QPointF Context::MapF(double t, double x) const {
    return {view.origin.x() + view.scaleX * t, view.origin.y() + view.scaleY * x};
}

double Context::Saturation(double t) const {
    return f.Abs_p(f.Vp_dbrh(t, 100), view.P);
}

bool Context::Place(QList<SheetLabel>& out, const QString& text, QRectF box) {
    if (!QRectF(0, 0, CZephGraph::kSheet, CZephGraph::kSheet).contains(box)) return false;
    for (const QRectF& other : taken) {
        if (other.intersects(box)) return false;
    }
    taken.append(box);
    out.append({text, box});
    return true;
}

}  // namespace familylayout

namespace {

using familylayout::Context;

// The curve between its crossing of saturation (or the top, or the left
// edge) and its crossing of MinXi (or the right edge), sampled evenly in t.
Clip ClipCurve(const Context& c, const Curve& x) {
    const FamilyView& v = c.view;
    Clip clip;
    const Curve above = [&](double t) {
        const double xs = c.Saturation(t);  // 999 beyond the formula: the top bounds
        return x(t) - std::min(v.maxXi, xs);
    };
    const Curve overBottom = [&](double t) { return x(t) - v.minXi; };
    if (above(v.maxDb) > 0 || !(overBottom(v.minDb) >= 0)) return clip;
    const double t0 = FallingRoot(above, v.minDb, v.maxDb);
    const double t1 =
        overBottom(v.maxDb) >= 0 ? v.maxDb : FallingRoot(overBottom, v.minDb, v.maxDb);
    if (!(t1 > t0)) return clip;
    clip.startsOnSaturation = t0 > v.minDb && c.Saturation(t0) < v.maxXi;
    clip.endsOnBottom = t1 < v.maxDb;
    clip.points.reserve(kSegments + 1);
    for (int k = 0; k <= kSegments; ++k) {
        const double t = t0 + (t1 - t0) * k / kSegments;
        const QPointF p = c.MapF(t, std::clamp(x(t), v.minXi, v.maxXi));
        if (std::isfinite(p.x()) && std::isfinite(p.y())) clip.points << p;
    }
    if (clip.points.size() < 2) clip.points.clear();
    return clip;
}

QPointF Unit(QPointF d) {
    const double len = std::hypot(d.x(), d.y());
    return len > 0 ? d / len : QPointF();
}

// Constant enthalpy every 1 kcal/kg(DA) or 2 kJ/kg(DA), ticks on an oblique
// scale beyond the saturation curve and every fifth value labelled there.
void BuildEnthalpy(Context& c, FamilyGeometry& g) {
    const FamilyView& v = c.view;
    const double factor = v.unitMode == 1 ? c.f.CALWKJ(2) : 1.0;  // display per kcal
    const double step = v.unitMode == 1 ? 2.0 : 1.0;
    const double lo = c.f.Entalpy(v.minDb, v.minXi) * factor;
    const double hi = c.f.Entalpy(v.maxDb, v.maxXi) * factor;
    const int first = static_cast<int>(std::ceil(lo / step));
    const int last = static_cast<int>(std::floor(hi / step));
    if (last - first > kMaxLines) return;
    QPolygonF scale;
    for (int k = first; k <= last; ++k) {
        const double value = k * step;
        const double kcal = value / factor;
        const Clip clip = ClipCurve(c, [&](double t) { return c.f.Ab_hidb(kcal, t); });
        if (clip.points.isEmpty()) continue;
        g.enthalpy.append({value, clip.points});
        const QPointF s = clip.points.first();
        const QPointF d = Unit(clip.points.at(0) - clip.points.at(1));  // up and to the left
        const bool labelled = k % 5 == 0;
        const QPointF end = s + d * (labelled ? kLongTick : kShortTick);
        if (!clip.startsOnSaturation || !c.plot.contains(end)) {
            if (scale.size() >= 2) g.enthalpyScale.append(scale);
            scale.clear();
            continue;
        }
        g.enthalpyTicks.append(QLineF(s, end));
        scale << s + d * kShortTick;
        if (labelled) {
            const QString text = QString::asprintf("%d", static_cast<int>(value));
            const QSizeF size = c.labelFont.LogicalSize(text);
            c.Place(g.enthalpyLabels, text,
                    QRectF(end.x() - size.width() - 2, end.y() + 2, size.width(), size.height()));
        }
    }
    if (scale.size() >= 2) g.enthalpyScale.append(scale);
}

// Constant wet bulb every 1 °C (over ice below 0 °C, as the engine's
// solver), labelled every 5 °C just inside the saturation curve.
void BuildWetBulb(Context& c, FamilyGeometry& g) {
    const FamilyView& v = c.view;
    // A wet-bulb line starting far left of the chart stays below MinXi.
    const int first = static_cast<int>(std::ceil(v.minDb)) - 20;
    const int last = static_cast<int>(std::floor(v.maxDb));
    if (last - first > kMaxLines) return;
    for (int wb = first; wb <= last; ++wb) {
        const Clip clip = ClipCurve(
            c, [&](double t) { return wb >= 0 ? c.f.Ab_dww(t, wb, v.P) : c.f.Ab_dwi(t, wb, v.P); });
        if (clip.points.isEmpty()) continue;
        g.wetBulb.append({double(wb), clip.points});
        if (wb % 5 != 0 || !clip.startsOnSaturation) continue;
        const QString text = QString::asprintf("%d", wb);
        const QSizeF size = c.labelFont.LogicalSize(text);
        const QPointF s = clip.points.first();
        c.Place(g.wetBulbLabels, text,
                QRectF(s.x() + 4, s.y() - size.height() - 2, size.width(), size.height()));
    }
}

// Constant specific volume every 0.01 m³/kg(DA), each labelled at its lower
// end.
void BuildVolume(Context& c, FamilyGeometry& g) {
    const FamilyView& v = c.view;
    const int first = static_cast<int>(std::ceil(c.f.Svol(v.minDb, v.minXi, v.P) * 100 - 1e-9));
    const int last = static_cast<int>(std::floor(c.f.Svol(v.maxDb, v.maxXi, v.P) * 100 + 1e-9));
    if (last - first > kMaxLines) return;
    for (int k = first; k <= last; ++k) {
        const double value = k / 100.0;
        const Clip clip = ClipCurve(c, [&](double t) { return c.f.Ab_vdb(value, t, v.P); });
        if (clip.points.isEmpty()) continue;
        g.volume.append({value, clip.points});
        const QString text = QString::asprintf("%.2f", value);
        const QSizeF size = c.labelFont.LogicalSize(text);
        const QPointF b = clip.points.last();
        const QRectF box = clip.endsOnBottom
                               ? QRectF(b.x() + 3, b.y() + 4, size.width(), size.height())
                               : QRectF(b.x() - size.width() - 3, b.y() - size.height() - 3,
                                        size.width(), size.height());
        c.Place(g.volumeLabels, text, box);
    }
}

// A label on each relative-humidity curve 10 … 90 %: where the chart has
// always put it (near the right edge) when that spot is free, else at the
// nearest free dry bulb along the curve.
void BuildRhLabels(Context& c, FamilyGeometry& g) {
    const FamilyView& v = c.view;
    const double tl = v.maxDb - static_cast<int>(v.maxDb - v.minDb) / 8;
    const int reach = static_cast<int>(v.maxDb - v.minDb);
    for (int percent = 90; percent >= 10; percent -= 10) {
        const QString text = QString::asprintf("%02d %%", percent);
        const QSizeF size = c.labelFont.LogicalSize(text);
        for (int i = 0; i <= 2 * reach; ++i) {
            const double t = tl + (i % 2 == 0 ? -(i / 2) : (i + 1) / 2);  // tl, tl+1, tl-1, …
            if (t < v.minDb || t > v.maxDb) continue;
            const double x = c.f.Abs_p(c.f.Vpre(t) * percent / 100, v.P);
            if (!(x >= v.minXi && x <= v.maxXi)) continue;
            const QPointF p = c.MapF(t, x);
            const QRectF box(p.x() - 25, p.y() + 5 - size.height(), size.width(), size.height());
            if (c.Place(g.rhLabels, text, box)) break;
        }
    }
}

}  // namespace

FamilyGeometry BuildFamilyGeometry(const FamilyView& view) {
    FamilyGeometry g;
    if (!CZephGraph::IsDrawableRange(view.maxDb, view.minDb, view.maxXi, view.minXi)) return g;
    if (!(view.P > 0) || !std::isfinite(view.P)) return g;
    Context c(view);
    familylayout::BuildShfScale(c, g);
    BuildVolume(c, g);
    BuildWetBulb(c, g);
    BuildEnthalpy(c, g);
    BuildRhLabels(c, g);
    return g;
}

namespace {

void DrawLabels(QPainter& dc, const sheet::SheetFont& font, const QList<SheetLabel>& labels) {
    const QColor ink(90, 90, 90);
    for (const SheetLabel& label : labels) {
        sheet::DrawText(dc, font, QPointF(label.box.left(), label.box.bottom()), label.text, ink);
    }
}

void DrawLines(QPainter& dc, QRgb ink, const QList<FamilyLine>& lines) {
    dc.setPen(sheet::HairlinePen(QColor::fromRgb(ink)));
    for (const FamilyLine& line : lines) dc.drawPolyline(line.points);
}

}  // namespace

void DrawFamilies(QPainter& dc, const FamilyGeometry& g, const ChartFamilies& shown) {
    const sheet::SheetFont font(sheet::GothicFont(), familylayout::kLabelUnits);
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    if (shown.volume) DrawLines(dc, familyink::kVolume, g.volume);
    if (shown.wetBulb) DrawLines(dc, familyink::kWetBulb, g.wetBulb);
    if (shown.enthalpy) {
        DrawLines(dc, familyink::kEnthalpy, g.enthalpy);
        dc.drawLines(g.enthalpyTicks);
        for (const QPolygonF& run : g.enthalpyScale) dc.drawPolyline(run);
    }
    if (shown.shfScale) {
        dc.setPen(sheet::HairlinePen(QColor::fromRgb(familyink::kShf)));
        dc.drawLines(g.shfRays);
        dc.drawPolyline(g.shfArc);
        dc.drawLines(g.shfTicks);
    }
    dc.setRenderHint(QPainter::Antialiasing, true);
    if (shown.volume) DrawLabels(dc, font, g.volumeLabels);
    if (shown.wetBulb) DrawLabels(dc, font, g.wetBulbLabels);
    if (shown.enthalpy) DrawLabels(dc, font, g.enthalpyLabels);
    if (shown.shfScale) DrawLabels(dc, font, g.shfLabels);
    if (shown.rhLabels) DrawLabels(dc, font, g.rhLabels);
    dc.restore();
}
