#include "chart/zephgraph.h"

#include <QColor>
#include <QCoreApplication>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "chart/sheetdrawing.h"
#include "corvo/corvofunction.h"

namespace {

using sheet::HairlinePen;
using sheet::SheetFont;
using sheet::WidePen;

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

// Largest magnitude, logical units, that an in-range position may reach;
// keeps every sum of a product and the origin far inside int.
constexpr double kCoordLimit = 1.0e9;

int Saturate(std::int64_t v) {
    if (v > kIntMax) return kIntMax;
    if (v < kIntMin) return kIntMin;
    return static_cast<int>(v);
}

}  // namespace

CZephGraph::CZephGraph() : CZephGraph(45.0, -5.0, 0.035, 0.0) {}

CZephGraph::CZephGraph(double maxDb, double minDb, double maxXi, double minXi)
    : MaxDb(maxDb), MinDb(minDb), MaxXi(maxXi), MinXi(minXi) {}

CZephGraph::~CZephGraph() = default;

int CZephGraph::TruncToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(kIntMax)) return kIntMax;
    if (v <= static_cast<double>(kIntMin)) return kIntMin;
    return static_cast<int>(v);
}

QPoint CZephGraph::ToLogical(QPoint origin, int scaleX, int scaleY, double t, double x) {
    const std::int64_t lx = std::int64_t{TruncToInt(scaleX * t)} + origin.x();
    const std::int64_t ly = std::int64_t{TruncToInt(scaleY * x)} + origin.y();
    return {Saturate(lx), Saturate(ly)};
}

bool CZephGraph::IsDrawableRange(double maxDb, double minDb, double maxXi, double minXi) {
    const double spanDb = maxDb - minDb;
    const double spanXi = maxXi - minXi;
    if (!std::isfinite(spanDb) || !std::isfinite(spanXi)) return false;  // NaN or infinite bounds
    if (!(spanDb > 0) || !(spanXi > 0)) return false;
    const double scaleX = std::trunc(1000.0 / spanDb);
    const double scaleY = std::trunc(1000.0 / spanXi);
    // One unit per °C and per g/kg at least: finer scales would collapse the
    // grid and make the tick loops run away.
    if (scaleX < 1 || scaleY < 1000) return false;
    if (scaleX >= kCoordLimit || scaleY >= kCoordLimit) return false;
    return std::abs(scaleX * minDb) < kCoordLimit && std::abs(scaleX * maxDb) < kCoordLimit &&
           std::abs(scaleY * minXi) < kCoordLimit && std::abs(scaleY * maxXi) < kCoordLimit;
}

QRectF CZephGraph::SheetArea(const QRect& client) {
    const double side = std::min(client.width(), client.height());
    return {client.left() + (client.width() - side) / 2.0,
            client.top() + (client.height() - side) / 2.0, side, side};
}

QTransform CZephGraph::SheetTransform(const QRect& client) {
    const QRectF area = SheetArea(client);
    const double k = area.width() / kSheet;
    return QTransform(k, 0, 0, -k, area.left(), area.bottom());
}

bool CZephGraph::Drawable() const {
    return IsDrawableRange(MaxDb, MinDb, MaxXi, MinXi);
}

bool CZephGraph::InRange(double t, double x) const {
    return MinDb <= t && t <= MaxDb && MinXi <= x && x <= MaxXi;
}

QPoint CZephGraph::Map(double t, double x) const {
    return ToLogical(Origin, ScaleX, ScaleY, t, x);
}

void CZephGraph::SetUpMapping() {
    ScaleX = TruncToInt(1000.0 / (MaxDb - MinDb));
    ScaleY = TruncToInt(1000.0 / (MaxXi - MinXi));
    Frame = {0, 0, kSheet, kSheet};
    Origin = QPoint(Saturate(std::int64_t{kMargin} - TruncToInt(ScaleX * MinDb)),
                    Saturate(std::int64_t{kMargin} - TruncToInt(ScaleY * MinXi)));
}

void CZephGraph::DrawChart(QPainter& dc, const QRect& client, double P) {
    SetUpMapping();
    dc.resetTransform();
    dc.fillRect(client, Qt::white);
    dc.setTransform(SheetTransform(client));
    if (client.isEmpty() || !Drawable()) return;
    DrawGrid(dc, P);
    DrawAxisLabels(dc);
    DrawRhCurves(dc, P);
}

// Grey dry-bulb lines from the bottom axis to saturation and humidity lines
// from the right edge to saturation, then the blue axes with their ticks.
// Counted from MinDb and MinXi, one line every 5 °C and every 0.005 kg/kg.
void CZephGraph::DrawGrid(QPainter& dc, double P) {
    const CCorvoFunction f;
    const int n = TruncToInt(MaxDb - MinDb);
    const int N = TruncToInt(1000 * MaxXi - 1000 * MinXi);
    const double spanDb = MaxDb - MinDb;
    const double spanXi = MaxXi - MinXi;

    dc.setRenderHint(QPainter::Antialiasing, false);
    dc.setPen(HairlinePen(QColor(150, 150, 150)));
    for (int i = 0; i <= n; ++i) {
        if (i % 5 != 0) continue;
        const double t = MinDb + i;
        const double xs = f.Abs_p(f.Vp_dbrh(t, 100), P);  // saturation humidity at t
        const double top = xs < MaxXi ? xs : MaxXi;       // 999 and NaN reach the top
        if (top < MinXi) continue;  // saturated below the bottom edge: no line to draw
        dc.drawLine(Map(t, MinXi), Map(t, top));
    }
    for (int i = 1; i <= N - 1; ++i) {
        if (i % 5 != 0) continue;
        const double x = MinXi + i / 1000.0;
        const double td = f.Dew_t(f.Vp_xi(x, P));  // dew point of x
        const double left = td > MinDb ? td : MinDb;
        if (!(left < MaxDb)) continue;  // saturation right of the chart (or none)
        dc.drawLine(Map(MaxDb, x), Map(left, x));
    }

    dc.setPen(WidePen(QColor(0, 0, 255), 2, dc.transform()));
    dc.drawLine(Map(MinDb, MinXi), Map(MaxDb, MinXi));
    for (int i = 0; i <= n - 1; ++i) {
        const double t = MinDb + i;
        const double len = i % 5 == 0 ? spanXi / 50 : spanXi / 150;
        dc.drawLine(Map(t, MinXi), Map(t, MinXi + len));
    }
    dc.drawLine(Map(MaxDb, MinXi), Map(MaxDb, MaxXi));
    for (int i = 0; i <= N; ++i) {
        const double x = MinXi + i / 1000.0;
        const double len = i % 5 == 0 ? spanDb / 50 : spanDb / 150;
        dc.drawLine(Map(MaxDb, x), Map(MaxDb - len, x));
    }
    dc.setPen(QPen(Qt::black));
}

QString CZephGraph::DryBulbTitle() {
    return QCoreApplication::translate("CZephGraph", "温度 （℃）");
}

QString CZephGraph::HumidityTitle() {
    return QCoreApplication::translate("CZephGraph", "絶対湿度 (Kg/Kg)(DA)");
}

// The axis titles, the temperature under every dry-bulb line and the
// humidity right of every humidity line (and of the top tick).
void CZephGraph::DrawAxisLabels(QPainter& dc) {
    const SheetFont font(sheet::GothicFont(), 25);
    const QColor ink(Qt::black);
    const int n = TruncToInt(MaxDb - MinDb);
    const int N = TruncToInt(1000 * MaxXi - 1000 * MinXi);
    dc.setRenderHint(QPainter::Antialiasing, true);

    sheet::DrawText(dc, font, QPoint((Frame.right - Frame.left) / 2, Frame.top + 40),
                    DryBulbTitle(), ink);
    for (int i = 0; i <= n; ++i) {
        if (i % 5 != 0) continue;
        const double t = MinDb + i;
        const QPoint p = Map(t, MinXi - (MaxXi - MinXi) / 50);
        sheet::DrawText(dc, font, QPoint(p.x() - 5, p.y() + 10), QString::asprintf("%2.1f", t),
                        ink);
    }
    sheet::DrawText(dc, font, QPoint(Frame.right - 220, Frame.bottom - 30), HumidityTitle(), ink);
    for (int i = 1; i <= N; ++i) {
        if (i % 5 != 0) continue;
        const double x = MinXi + i / 1000.0;
        const QPoint p = Map(MaxDb, x);
        sheet::DrawText(dc, font, QPoint(p.x() + 5, p.y() + 15), QString::asprintf("%1.3f", x),
                        ink);
    }
}

// The saturation curve (black) and the relative-humidity curves 90 … 10 %
// (grey), polylines in steps of 1/3 °C cut off at the top of the plotting
// area. Their labels belong to the line families (chartfamilies.h).
void CZephGraph::DrawRhCurves(QPainter& dc, double P) {
    const CCorvoFunction f;
    const QPen black = HairlinePen(Qt::black);
    const QPen grey = HairlinePen(QColor(180, 180, 180));
    const int n = TruncToInt(MaxDb - MinDb);

    // Parts of a curve below MinXi would run through the bottom margin.
    const QPoint bottomLeft = Map(MinDb, MinXi);
    const QRectF above(QPointF(bottomLeft.x() - kSheet, bottomLeft.y()),
                       QPointF(bottomLeft.x() + 2 * kSheet, bottomLeft.y() + 2 * kSheet));

    dc.setRenderHint(QPainter::Antialiasing, true);
    double r = 1.0;
    for (int curve = 0; curve < 10; ++curve, r -= 0.1) {
        QPolygon line;
        line.reserve(3 * n + 1);
        for (int i = 0; i <= 3 * n; ++i) {
            const double t = MinDb + i / 3.0;
            const double x = f.Abs_p(f.Vpre(t) * r, P);
            if (!(x < MaxXi)) break;  // leaves the top (999 and NaN too)
            line << Map(t, x);
        }
        if (line.size() >= 2) {
            dc.save();
            dc.setClipRect(above.normalized(), Qt::IntersectClip);
            dc.setPen(r == 1.0 ? black : grey);
            dc.drawPolyline(line);
            dc.restore();
        }
    }
    dc.setPen(QPen(Qt::black));
}

void CZephGraph::DrawLineMark(QPainter& dc, QPoint from, QPoint to) {
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, true);
    dc.setPen(HairlinePen(QColor(0, 0, 255)));
    dc.drawLine(from, to);
    dc.restore();
}

void CZephGraph::DrawPointMark(QPainter& dc, const SheetFont& font, QPoint p, int number) {
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, true);
    dc.setPen(WidePen(QColor(255, 0, 0), 3, dc.transform()));
    dc.setBrush(Qt::NoBrush);
    dc.drawEllipse(QRectF(QPointF(p.x() - 6, p.y() - 7), QPointF(p.x() + 6, p.y() + 7)));
    sheet::DrawText(dc, font, QPoint(p.x() + 6, p.y() - 2), QString::number(number), Qt::black);
    dc.restore();
}

SheetFont CZephGraph::PointFont() {
    return SheetFont(sheet::ArialFont(), 30);
}

void CZephGraph::DrawProcessLine(QPainter& dc, QPoint origin, int scaleX, int scaleY, double t1,
                                 double x1, double t2, double x2) {
    if (!Drawable() || !InRange(t1, x1) || !InRange(t2, x2)) return;
    DrawLineMark(dc, ToLogical(origin, scaleX, scaleY, t1, x1),
                 ToLogical(origin, scaleX, scaleY, t2, x2));
}

void CZephGraph::DrawPoint(QPainter& dc, QPoint origin, int scaleX, int scaleY, double t, double x,
                           int number) {
    if (!Drawable() || !InRange(t, x)) return;
    // One font for every marker of the repaint: measuring a font costs more
    // than drawing the marker.
    if (!m_pointFont) m_pointFont = std::make_unique<SheetFont>(PointFont());
    DrawPointMark(dc, *m_pointFont, ToLogical(origin, scaleX, scaleY, t, x), number);
}
