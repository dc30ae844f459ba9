#include "gui/staticgraph.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cstdint>

#include "chart/chartreadout.h"
#include "run/zephrun.h"

CStaticGraph::CStaticGraph(const CZephRun& run, QWidget* parent) : QFrame(parent), m_run(run) {
    setObjectName(QStringLiteral("5037"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    // The chart paints its whole client area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    connect(&m_run, &CZephRun::pointsChanged, this, qOverload<>(&QWidget::update));
    connect(&m_run, &CZephRun::viewChanged, this, qOverload<>(&QWidget::update));
}

CStaticGraph::~CStaticGraph() = default;

const ViewRange& CStaticGraph::Range() const {
    return m_run.State().range;
}

double CStaticGraph::Pressure() const {
    return ChartPressure(m_run.State());
}

void CStaticGraph::PaintChart(QPainter& painter, const QRect& client) {
    const ChartMapping mapping = m_renderer.Paint(painter, client, m_run.State(), Options());
    ScaleX = mapping.scaleX;
    ScaleY = mapping.scaleY;
    Origin = mapping.origin;
    Frame = mapping.frame;
}

void CStaticGraph::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.save();
    painter.setClipRect(client);
    PaintChart(painter, client);
    painter.restore();
    drawFrame(&painter);
    // A change of unit, pressure or range repaints: the state under a
    // resting mouse reads anew with the new mapping.
    if (m_mousePos) ShowReadout(ReadoutAt(*m_mousePos));
}

std::optional<QPointF> CStaticGraph::LogicalAt(QPoint pos) const {
    const QRect client = contentsRect();
    if (Frame == LogicalRect{} || client.width() <= 0 || client.height() <= 0) return {};
    if (!CZephGraph::IsDrawableRange(Range().maxDb, Range().minDb, Range().maxXi, Range().minXi))
        return {};
    const QRectF sheet = CZephGraph::SheetArea(client);
    const double px = double(pos.x()) - sheet.left();
    const double py = double(pos.y()) - sheet.top();
    return QPointF(static_cast<double>(Frame.right) / sheet.width() * px,
                   static_cast<double>(Frame.bottom) / sheet.height() * (sheet.height() - py));
}

QList<CZephData> CStaticGraph::HitTest(QPoint pos) const {
    QList<CZephData> hits;
    const std::optional<QPointF> logical = LogicalAt(pos);
    if (!logical) return hits;
    const std::int64_t lx = CZephGraph::TruncToInt(logical->x());
    const std::int64_t ly = CZephGraph::TruncToInt(logical->y());

    for (const CZephData& record : m_run.State().points) {
        const int style = static_cast<int>(record.Style);
        if (style < 0 || style > 2) continue;
        if (!Range().Contains(record.GetValues())) {
            continue;  // not drawn, so not clickable
        }
        const QPoint p = CZephGraph::ToLogical(Origin, ScaleX, ScaleY, record.Db, record.Xi);
        if (lx - 10 <= p.x() && p.x() < lx + 5 && ly - 10 <= p.y() && p.y() < ly + 5) {
            hits.append(record);
        }
    }
    return hits;
}

std::optional<QPointF> CStaticGraph::StateAt(QPoint pos) const {
    const std::optional<QPointF> logical = LogicalAt(pos);
    if (!logical || ScaleX == 0 || ScaleY == 0) return {};
    const QList<CZephData> hits = HitTest(pos);
    if (!hits.isEmpty()) return QPointF(hits.last().Db, hits.last().Xi);
    const double t = (logical->x() - Origin.x()) / ScaleX;
    const double x = (logical->y() - Origin.y()) / ScaleY;
    if (!(Range().minDb <= t && t <= Range().maxDb && Range().minXi <= x && x <= Range().maxXi))
        return {};
    return QPointF(t, x);
}

QString CStaticGraph::ReadoutAt(QPoint pos) const {
    const std::optional<QPointF> state = StateAt(pos);
    return state ? ReadoutText(state->x(), state->y(), Pressure(), m_run.State().unitMode)
                 : QString();
}

void CStaticGraph::ShowReadout(const QString& text) {
    if (text == m_readout) return;
    m_readout = text;
    Q_EMIT readoutChanged(text);
}

void CStaticGraph::mouseMoveEvent(QMouseEvent* event) {
    m_mousePos = event->position().toPoint();
    ShowReadout(ReadoutAt(*m_mousePos));
    QFrame::mouseMoveEvent(event);
}

void CStaticGraph::leaveEvent(QEvent* event) {
    m_mousePos.reset();
    ShowReadout(QString());
    QFrame::leaveEvent(event);
}

void CStaticGraph::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);  // ignored: the parent sees it
        return;
    }
    event->accept();
    Q_EMIT pointsHit(HitTest(event->position().toPoint()));
}
