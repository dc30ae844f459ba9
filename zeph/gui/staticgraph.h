#pragma once

#include <QFrame>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <optional>

#include "chart/chartfamilies.h"
#include "chart/chartrenderer.h"
#include "chart/zephgraph.h"
#include "corvo/zephdata.h"

class CZephRun;
class QPainter;
struct ViewRange;

// The chart control (identifier 5037): shows a run, repainting the chart at
// the run's pressure, view range and unit mode with every point and process
// line of its current system on each paint, and again whenever the run says
// they changed; it owns neither the points nor the range. A left click is matched
// against the plotted markers and reported with pointsHit(); other buttons
// and the context-menu request go on to the parent. Moving the mouse over
// the sheet reports the state under it with readoutChanged(). The drawing
// is the chart library's (CChartRenderer), the same as every picture of the
// chart.
class CStaticGraph : public QFrame {
    Q_OBJECT

  public:
    // run must outlive the chart's use.
    explicit CStaticGraph(const CZephRun& run, QWidget* parent = nullptr);
    ~CStaticGraph() override;

    // The run the chart shows.
    const CZephRun& Run() const { return m_run; }

    // The line families drawn beneath the points.
    ChartFamilies Families;
    // What the chart shows besides the run, for pictures of it.
    ChartOptions Options() const { return {Families}; }

    // Copies of the chart's mapping after the last paint (zero before it).
    int ScaleX = 0;
    int ScaleY = 0;
    QPoint Origin;
    LogicalRect Frame;

    // The records (copies, in list order) whose markers lie in the hit box
    // of pos (widget coordinates, as mouse events give them), using the
    // mapping of the last paint: the marker's logical position p must lie
    // within lx − 10 ≤ p.x < lx + 5 and ly − 10 ≤ p.y < ly + 5 around the
    // click's logical position (lx, ly). Only drawn markers are found: style
    // 0, 1 or 2, inside the view range; nothing before the first paint.
    QList<CZephData> HitTest(QPoint pos) const;

    // The state (dry bulb °C, humidity ratio kg/kg) under pos (widget
    // coordinates) by the mapping of the last paint: nothing outside the
    // plotting area or before the first paint. Over a drawn marker (its hit
    // box, as a click finds it) the state is that point's own.
    std::optional<QPointF> StateAt(QPoint pos) const;
    // The cursor readout for pos (see ReadoutText): empty outside the
    // plotting area.
    QString ReadoutAt(QPoint pos) const;

    // Draws the chart with every point and process line into client (device
    // pixels of painter) and keeps the mapping for HitTest, exactly as a
    // paint of the control does. Used by the paint handler and for pictures
    // of the chart.
    void PaintChart(QPainter& painter, const QRect& client);

    // The pressure text read with C-locale atof rules, hPa (0 when it does
    // not start with a number).
    double Pressure() const;

  Q_SIGNALS:
    // A left click on the chart found these points (list order; may be empty).
    void pointsHit(const QList<CZephData>& hits);
    // The readout text for the mouse position changed (empty: none).
    void readoutChanged(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    const ViewRange& Range() const;

    const CZephRun& m_run;
    // The click's logical position for pos, with the mapping of the last
    // paint; nothing before it or for an unusable range.
    std::optional<QPointF> LogicalAt(QPoint pos) const;
    void ShowReadout(const QString& text);

    CChartRenderer m_renderer;
    QString m_readout;
    // Where the mouse rests over the chart (nothing once it left).
    std::optional<QPoint> m_mousePos;
};
