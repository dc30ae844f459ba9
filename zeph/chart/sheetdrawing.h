#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPen>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QTransform>

class QPainter;

// Fonts, pens and text of the chart's logical sheet (y upward), shared by
// the background chart and its line families.
namespace sheet {

// A font whose character cell (ascent + descent) spans `units` logical y
// units, the meaning of a positive font height on the sheet. The glyphs
// are shaped at a fixed pixel size and scaled by the painter. Measures
// each text once (not to be shared between threads).
struct SheetFont {
    QFont font;
    QFontMetricsF metrics;
    double units;
    double ascent;  // of the shaped glyphs, pixels
    double cell;    // ascent + descent, pixels
    SheetFont(const QFont& f, double cellUnits);
    // Advance width of text in the shaped glyphs' pixels.
    double Advance(const QString& text) const;
    // Size of text's cell in logical units on a sheet of equal axis scales.
    QSizeF LogicalSize(const QString& text) const;

  private:
    mutable QHash<QString, double> m_advances;
};

// The face of the axis titles and labels: the Japanese proportional Gothic,
// or the nearest Japanese sans-serif installed.
QFont GothicFont();
// The face of the point numbers.
QFont ArialFont();

// Draws text upright with the top-left corner of its character cell at the
// logical point at, on an opaque white cell (the sheet's text background).
// The painter's transform is the logical mapping. The glyphs keep their
// proportions and are scaled by the smaller of the mapping's two factors.
// Text that would pass the right edge of the sheet is moved left to end on
// it.
void DrawText(QPainter& dc, const SheetFont& sf, QPointF at, const QString& text,
              const QColor& colour);

// A pen of one logical unit: a device hairline at any size.
QPen HairlinePen(const QColor& colour);

// A pen `units` logical units wide that grows and shrinks with the chart
// (the geometric mean of the two axis factors keeps the stroke even).
QPen WidePen(const QColor& colour, double units, const QTransform& mapping);

}  // namespace sheet
