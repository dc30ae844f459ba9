#pragma once

#include <QLineF>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QRgb>
#include <QString>

class QPainter;

// Which of the chart's line families are shown; all by default.
struct ChartFamilies {
    bool enthalpy = true;
    bool wetBulb = true;
    bool volume = true;
    bool rhLabels = true;
    bool shfScale = true;
    friend bool operator==(const ChartFamilies&, const ChartFamilies&) = default;
};

// What the families are computed for: the view range (°C, kg/kg(DA)), the
// total pressure P (hPa), the unit mode (0 kcal/kg, 1 kJ/kg) and the
// chart's mapping (logical units per °C and per kg/kg, origin).
struct FamilyView {
    double maxDb = 0, minDb = 0, maxXi = 0, minXi = 0;
    double P = 0;
    int unitMode = 1;
    QPoint origin;
    int scaleX = 0, scaleY = 0;
    friend bool operator==(const FamilyView&, const FamilyView&) = default;
};

// One line of a family: its value (kcal/kg(DA) or kJ/kg(DA) by the unit
// mode, °C, m³/kg(DA)) and its polyline in logical units (y upward), from
// its upper-left end to its lower-right one. Positions are exact, not
// truncated to whole units.
struct FamilyLine {
    double value = 0;
    QPolygonF points;
};

// A label on the sheet: its text and the logical box its cell covers.
struct SheetLabel {
    QString text;
    QRectF box;
};

// Everything the families draw, computed once per view.
struct FamilyGeometry {
    QList<FamilyLine> enthalpy;
    QList<QLineF> enthalpyTicks;       // the oblique scale beyond saturation
    QList<QPolygonF> enthalpyScale;    // its base line, one run per gap
    QList<SheetLabel> enthalpyLabels;  // every fifth line
    QList<FamilyLine> wetBulb;
    QList<SheetLabel> wetBulbLabels;  // every 5 °C, at saturation
    QList<FamilyLine> volume;
    QList<SheetLabel> volumeLabels;  // every line
    QList<SheetLabel> rhLabels;      // 10 … 90 %
    // The SHF protractor: rays from its centre, the arc and its ticks.
    QList<QLineF> shfRays;
    QPolygonF shfArc;
    QList<QLineF> shfTicks;
    QList<SheetLabel> shfLabels;
};

// The colours of the family lines (the labels are grey).
namespace familyink {
constexpr QRgb kEnthalpy = 0xffe6b48c;  // light orange
constexpr QRgb kWetBulb = 0xff8cc8e6;   // light blue
constexpr QRgb kVolume = 0xffaad296;    // light green
constexpr QRgb kShf = 0xff9678be;       // violet
}  // namespace familyink

// Computes every family with the engine for view: the lines clipped to
// the plotting area and to saturation, and the labels placed so that none
// covers another. A view the chart cannot show, or a pressure that is not
// positive, gives nothing.
FamilyGeometry BuildFamilyGeometry(const FamilyView& view);

// Draws the shown families of g, thin and light, on a painter whose
// transform is the chart's logical mapping.
void DrawFamilies(QPainter& dc, const FamilyGeometry& g, const ChartFamilies& shown);
