#pragma once

#include <QFrame>
#include <QList>
#include <QPoint>
#include <QString>

#include "chart/zephgraph.h"
#include "corvo/zephdata.h"

// The chart control (identifier 5037): holds the points of the current
// system, the pressure text and the view range, and repaints the chart with
// every point and process line on each paint. A left click is matched
// against the plotted markers and reported with pointsHit().
class CStaticGraph : public QFrame {
    Q_OBJECT

  public:
    explicit CStaticGraph(QWidget* parent = nullptr);
    ~CStaticGraph() override;

    // The main window appends, reads and empties these directly and then
    // calls update().
    QList<CZephData> PointList;
    QString PressureText = QStringLiteral("1013.25");
    double MaxDb = 45.0;
    double MinDb = -5.0;
    double MaxXi = 0.035;
    double MinXi = 0.0;

    // Copies of the chart's mapping after the last paint (zero before it).
    int ScaleX = 0;
    int ScaleY = 0;
    QPoint Origin;
    LogicalRect Frame;

    // The records (copies, in list order) whose markers lie in the hit box
    // of the client position pos, using the mapping of the last paint.
    QList<CZephData> HitTest(QPoint pos) const;

  Q_SIGNALS:
    // A left click on the chart found these points (list order; may be empty).
    void pointsHit(const QList<CZephData>& hits);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
