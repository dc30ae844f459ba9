#pragma once

#include <QFrame>
#include <QList>
#include <QPoint>
#include <QString>

#include "chart/zephgraph.h"
#include "corvo/zephdata.h"

class CZephRun;
class QPainter;

// The chart control (identifier 5037): shows a run, repainting the chart at
// the run's pressure and view range with every point and process line of
// its current system on each paint, and again whenever the run says they
// changed. It owns neither the points nor the range. A left click is
// matched against the plotted markers and reported with pointsHit(); other
// buttons and the context-menu request go on to the parent.
class CStaticGraph : public QFrame {
    Q_OBJECT

  public:
    // run must outlive the chart's use.
    explicit CStaticGraph(const CZephRun& run, QWidget* parent = nullptr);
    ~CStaticGraph() override;

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

    // Draws the chart with every point and process line into client (device
    // pixels of painter) and keeps the mapping for HitTest, exactly as a
    // paint of the control does. Used by the paint handler and for pictures
    // of the chart.
    void PaintChart(QPainter& painter, const QRect& client);

    // The run's pressure text read with C-locale atof rules, hPa (0 when it
    // does not start with a number).
    double Pressure() const;

  Q_SIGNALS:
    // A left click on the chart found these points (list order; may be empty).
    void pointsHit(const QList<CZephData>& hits);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const CZephRun& m_run;
};
