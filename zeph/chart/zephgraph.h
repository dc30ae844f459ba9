#pragma once

#include <QPoint>
#include <QRect>

class QPainter;

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
// stretched over the whole target. Lives for one repaint.
class CZephGraph {
  public:
    CZephGraph();  // default range 45, −5, 0.035, 0
    CZephGraph(double maxDb, double minDb, double maxXi, double minXi);
    virtual ~CZephGraph();

    // Sets the mapping for a target of the given device size and draws the
    // background chart at total pressure P (hPa).
    void DrawChart(QPainter& dc, const QRect& client, double P);
    // One state-point marker with its number; nothing outside the range.
    void DrawPoint(QPainter& dc, QPoint origin, int scaleX, int scaleY, double t, double x,
                   int number);
    // One straight process line; nothing when either end is outside.
    void DrawProcessLine(QPainter& dc, QPoint origin, int scaleX, int scaleY, double t1, double x1,
                         double t2, double x2);
    // Logical position of the state (t °C, x kg/kg).
    static QPoint ToLogical(QPoint origin, int scaleX, int scaleY, double t, double x);

    double MaxDb;
    double MinDb;
    double MaxXi;
    double MinXi;
    int ScaleX = 0;
    int ScaleY = 0;
    QPoint Origin;
    LogicalRect Frame;
};
