#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QTransform>

#include <memory>

class QPainter;
namespace sheet {
struct SheetFont;
}  // namespace sheet

// A rectangle held as its four edges, as the chart's logical frame is
// specified (left, top, right, bottom), without QRect's "right = left +
// width − 1" convention.
struct LogicalRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const LogicalRect&, const LogicalRect&) = default;
};

// Draws the psychrometric chart (dry bulb °C across, humidity ratio
// kg/kg(DA) upward) on a logical sheet of 1160 × 1160 units with y upward,
// the largest square centred in the target (so that slopes read true in a
// tall or wide window). Lives for one repaint.
//
// DrawChart leaves the logical mapping set on the painter; DrawPoint and
// DrawProcessLine draw through it and must follow DrawChart on the same
// painter.
class CZephGraph {
  public:
    // Side of the logical sheet and the margin around the plotting area,
    // logical units.
    static constexpr int kSheet = 1160;
    static constexpr int kMargin = 80;

    CZephGraph();  // default range 45, −5, 0.035, 0
    CZephGraph(double maxDb, double minDb, double maxXi, double minXi);
    virtual ~CZephGraph();

    // Computes ScaleX, ScaleY, Origin and Frame for the range; DrawChart
    // does this first.
    void SetUpMapping();
    // Sets the mapping for the target rectangle client (device pixels) and
    // draws the background chart at total pressure P (hPa). A range the
    // chart cannot show (see IsDrawableRange) leaves a plain white sheet.
    void DrawChart(QPainter& dc, const QRect& client, double P);
    // True when the range gives a usable chart (IsDrawableRange).
    bool Drawable() const;
    // True when the state lies inside the range, edges included.
    bool InRange(double t, double x) const;
    // One state-point marker (t °C, x kg/kg) with its number; nothing
    // outside the range.
    void DrawPoint(QPainter& dc, QPoint origin, int scaleX, int scaleY, double t, double x,
                   int number);
    // One straight process line between (t1, x1) and (t2, x2); nothing when
    // either end is outside the range.
    void DrawProcessLine(QPainter& dc, QPoint origin, int scaleX, int scaleY, double t1, double x1,
                         double t2, double x2);
    // Logical position of the state (t °C, x kg/kg): each product truncated
    // toward zero, then the origin added. Saturates at the int limits (NaN
    // counts as 0), so no input is undefined behaviour.
    static QPoint ToLogical(QPoint origin, int scaleX, int scaleY, double t, double x);

    // True when the view range gives a usable chart: finite bounds, each
    // maximum above its minimum, at least 1 logical unit per °C and per
    // g/kg (spans up to 1000 °C and 1 kg/kg, which also bounds every loop
    // of the drawing), and every in-range position representable in int.
    static bool IsDrawableRange(double maxDb, double minDb, double maxXi, double minXi);
    // Truncation toward zero that saturates at the int limits; NaN gives 0.
    static int TruncToInt(double v);
    // The square of client (device pixels) that the sheet covers: the
    // largest one, centred.
    static QRectF SheetArea(const QRect& client);
    // The logical-to-device mapping of the sheet over SheetArea(client):
    // logical (0, 0) at its bottom-left corner, (1160, 1160) at the
    // top-right one.
    static QTransform SheetTransform(const QRect& client);

    // A process line between two logical positions and a state-point
    // marker (red ring and its number in font) at one, through the logical
    // mapping set on dc; DrawProcessLine and DrawPoint draw with these.
    static void DrawLineMark(QPainter& dc, QPoint from, QPoint to);
    static void DrawPointMark(QPainter& dc, const sheet::SheetFont& font, QPoint p, int number);
    // The font of the point numbers.
    static sheet::SheetFont PointFont();
    // The titles of the dry-bulb and humidity axes in the language of the
    // interface.
    static QString DryBulbTitle();
    static QString HumidityTitle();

    double MaxDb;
    double MinDb;
    double MaxXi;
    double MinXi;
    int ScaleX = 0;
    int ScaleY = 0;
    QPoint Origin;
    LogicalRect Frame;

  private:
    // The font of the point numbers, made by the first marker drawn.
    std::unique_ptr<sheet::SheetFont> m_pointFont;

    void DrawGrid(QPainter& dc, double P);
    void DrawAxisLabels(QPainter& dc);
    void DrawRhCurves(QPainter& dc, double P);
    QPoint Map(double t, double x) const;
};
