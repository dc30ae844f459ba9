#include "chart/staticgraph.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cstdint>

#include "run/zephrun.h"
#include "tolvex/checkdata.h"

CStaticGraph::CStaticGraph(const CZephRun& run, QWidget* parent) : QFrame(parent), m_run(run) {
    setObjectName(QStringLiteral("5037"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    // The chart paints its whole client area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_run, &CZephRun::pointsChanged, this, qOverload<>(&QWidget::update));
    connect(&m_run, &CZephRun::viewChanged, this, qOverload<>(&QWidget::update));
}

CStaticGraph::~CStaticGraph() = default;

double CStaticGraph::Pressure() const {
    return tolvex::CAtof(m_run.State().pressureText.toUtf8().constData());
}

void CStaticGraph::PaintChart(QPainter& painter, const QRect& client) {
    const ViewRange& range = m_run.State().range;
    CZephGraph graph(range.maxDb, range.minDb, range.maxXi, range.minXi);
    graph.DrawChart(painter, client, Pressure());
    ScaleX = graph.ScaleX;
    ScaleY = graph.ScaleY;
    Origin = graph.Origin;
    Frame = graph.Frame;

    // Each point's lines before its own marker; later points over earlier.
    for (const CZephData& record : m_run.State().points) {
        const CZephData point = record;
        switch (static_cast<int>(point.Style)) {
            case 0:
                graph.DrawProcessLine(painter, Origin, ScaleX, ScaleY, point.Db, point.Xi,
                                      point.Db1, point.Xi1);
                break;
            case 1:
                graph.DrawProcessLine(painter, Origin, ScaleX, ScaleY, point.Db, point.Xi,
                                      point.Db1, point.Xi1);
                graph.DrawProcessLine(painter, Origin, ScaleX, ScaleY, point.Db, point.Xi,
                                      point.Db2, point.Xi2);
                break;
            case 2:
                break;
            default:
                continue;  // a record the chart does not draw
        }
        graph.DrawPoint(painter, Origin, ScaleX, ScaleY, point.Db, point.Xi, point.N);
    }
    painter.resetTransform();
}

void CStaticGraph::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.save();
    painter.setClipRect(client);
    PaintChart(painter, client);
    painter.restore();
    drawFrame(&painter);
}

QList<CZephData> CStaticGraph::HitTest(QPoint pos) const {
    QList<CZephData> hits;
    const QRect client = contentsRect();
    if (Frame == LogicalRect{} || client.width() <= 0 || client.height() <= 0) return hits;
    const ViewRange& range = m_run.State().range;
    if (!CZephGraph::IsDrawableRange(range.maxDb, range.minDb, range.maxXi, range.minXi)) {
        return hits;
    }

    const double px = double(pos.x()) - client.left();
    const double py = double(pos.y()) - client.top();
    const std::int64_t lx =
        CZephGraph::TruncToInt(static_cast<double>(Frame.right) / client.width() * px);
    const std::int64_t ly = CZephGraph::TruncToInt(static_cast<double>(Frame.bottom) /
                                                   client.height() * (client.height() - py));

    for (const CZephData& record : m_run.State().points) {
        const int style = static_cast<int>(record.Style);
        if (style < 0 || style > 2) continue;
        if (!range.Contains(record.GetValues())) {
            continue;  // not drawn, so not clickable
        }
        const QPoint p = CZephGraph::ToLogical(Origin, ScaleX, ScaleY, record.Db, record.Xi);
        if (lx - 10 <= p.x() && p.x() < lx + 5 && ly - 10 <= p.y() && p.y() < ly + 5) {
            hits.append(record);
        }
    }
    return hits;
}

void CStaticGraph::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);  // ignored: the parent sees it
        return;
    }
    event->accept();
    Q_EMIT pointsHit(HitTest(event->position().toPoint()));
}
