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
// Texts a font remembers the advance of; the chart's labels and point
// numbers stay far below.
constexpr qsizetype kMaxMeasured = 4096;

QFont Sized(QFont f) {
    f.setPixelSize(kFontPixels);
    return f;
}

}  // namespace

SheetFont::SheetFont(const QFont& f, double cellUnits)
    : font(Sized(f)),
      metrics(font),
      units(cellUnits),
      ascent(metrics.ascent()),
      cell(metrics.ascent() + metrics.descent()) {}

double SheetFont::Advance(const QString& text) const {
    if (const auto known = m_advances.constFind(text); known != m_advances.cend()) {
        return *known;
    }
    if (m_advances.size() >= kMaxMeasured) m_advances.clear();
    const double advance = metrics.horizontalAdvance(text);
    m_advances.insert(text, advance);
    return advance;
}

QSizeF SheetFont::LogicalSize(const QString& text) const {
    return {Advance(text) * units / cell, units};
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
    const double perUnit = std::min(std::abs(mapping.m11()), std::abs(mapping.m22()));
    const double k = sf.units * perUnit / sf.cell;
    if (!(k > 0) || !std::isfinite(k)) return;
    const double advance = sf.Advance(text);
    QPointF anchor = mapping.map(at);
    const double sheetRight = mapping.map(QPointF(CZephGraph::kSheet, 0)).x();
    if (anchor.x() + advance * k > sheetRight) anchor.setX(sheetRight - advance * k);
    dc.save();
    dc.setTransform(QTransform(k, 0, 0, k, anchor.x(), anchor.y()));
    dc.setFont(sf.font);
    dc.fillRect(QRectF(0, 0, advance, sf.cell), Qt::white);
    dc.setPen(colour);
    dc.drawText(QPointF(0, sf.ascent), text);
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
