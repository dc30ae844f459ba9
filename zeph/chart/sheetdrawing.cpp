#include "chart/sheetdrawing.h"

#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "chart/zephgraph.h"

namespace sheet {

namespace {

// Font pixel size at which the sheet fonts are measured and shaped; the
// painter then scales the glyphs to the chart (keeps fractional sizes).
constexpr int kFontPixels = 200;

QFont Sized(QFont f) {
    f.setPixelSize(kFontPixels);
    return f;
}

}  // namespace

SheetFont::SheetFont(const QFont& f, double cellUnits)
    : font(Sized(f)), metrics(font), units(cellUnits) {}

QSizeF SheetFont::LogicalSize(const QString& text) const {
    const double cell = metrics.ascent() + metrics.descent();
    return {metrics.horizontalAdvance(text) * units / cell, units};
}

QFont GothicFont() {
    QFont f;
    f.setFamilies({QStringLiteral("MS Pゴシック"), QStringLiteral("IPAPGothic"),
                   QStringLiteral("IPA Pゴシック"), QStringLiteral("Noto Sans CJK JP"),
                   QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")});
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(QFont::Normal);
    return f;
}

QFont ArialFont() {
    QFont f;
    f.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(QFont::Normal);
    return f;
}

void DrawText(QPainter& dc, const SheetFont& sf, QPointF at, const QString& text,
              const QColor& colour) {
    const QTransform mapping = dc.transform();
    const double cell = sf.metrics.ascent() + sf.metrics.descent();
    const double perUnit = std::min(std::abs(mapping.m11()), std::abs(mapping.m22()));
    const double k = sf.units * perUnit / cell;
    if (!(k > 0) || !std::isfinite(k)) return;
    const double advance = sf.metrics.horizontalAdvance(text);
    QPointF anchor = mapping.map(at);
    const double sheetRight = mapping.map(QPointF(CZephGraph::kSheet, 0)).x();
    if (anchor.x() + advance * k > sheetRight) anchor.setX(sheetRight - advance * k);
    dc.save();
    dc.setTransform(QTransform(k, 0, 0, k, anchor.x(), anchor.y()));
    dc.setFont(sf.font);
    dc.fillRect(QRectF(0, 0, advance, cell), Qt::white);
    dc.setPen(colour);
    dc.drawText(QPointF(0, sf.metrics.ascent()), text);
    dc.restore();
}

QPen HairlinePen(const QColor& colour) {
    QPen pen(colour);
    pen.setWidthF(1.0);
    pen.setCosmetic(true);
    return pen;
}

QPen WidePen(const QColor& colour, double units, const QTransform& mapping) {
    const double factor = std::sqrt(std::abs(mapping.m11() * mapping.m22()));
    QPen pen(colour);
    pen.setWidthF(std::max(1.0, units * factor));
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

}  // namespace sheet
