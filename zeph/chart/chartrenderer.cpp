#include "chart/chartrenderer.h"

#include <QPainter>
#include <QPen>

#include "run/runstate.h"
#include "tolvex/checkdata.h"

double ChartPressure(const RunState& state) {
    return tolvex::CAtof(state.pressureText.toUtf8().constData());
}

CChartRenderer::CChartRenderer(bool keepBackground) : m_keepBackground(keepBackground) {}
CChartRenderer::~CChartRenderer() = default;

const FamilyGeometry& CChartRenderer::Families(const FamilyView& view) {
    if (!m_familyView || !(*m_familyView == view)) {
        m_familyGeometry = BuildFamilyGeometry(view);
        m_familyView = view;
    }
    return m_familyGeometry;
}

ChartMapping CChartRenderer::Paint(QPainter& painter, const QRect& client, const RunState& state,
                                   const ChartOptions& options) {
    const ViewRange& range = state.range;
    const double P = ChartPressure(state);
    CZephGraph graph(range.maxDb, range.minDb, range.maxXi, range.minXi);
    graph.SetUpMapping();
    // The families depend on the view only, not on the size of the target.
    const FamilyView view{range.maxDb,    range.minDb,  range.maxXi,  range.minXi, P,
                          state.unitMode, graph.Origin, graph.ScaleX, graph.ScaleY};
    const auto drawSheet = [&](QPainter& dc, const QRect& area) {
        graph.DrawChart(dc, area, P);
        if (!area.isEmpty()) DrawFamilies(dc, Families(view), options.families);
    };
    if (m_keepBackground && m_sheet.Draw(painter, client, view, options.families, drawSheet)) {
        // The painter as DrawChart leaves it.
        painter.setTransform(CZephGraph::SheetTransform(client));
        if (graph.Drawable()) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(Qt::black));
        }
    } else {
        drawSheet(painter, client);
    }

    // Each point's lines before its own marker; later points over earlier.
    if (graph.Drawable()) {
        if (!m_pointFont) m_pointFont.emplace(CZephGraph::PointFont());
        const auto at = [&](double t, double x) {
            return CZephGraph::ToLogical(graph.Origin, graph.ScaleX, graph.ScaleY, t, x);
        };
        const auto line = [&](double t1, double x1, double t2, double x2) {
            if (graph.InRange(t1, x1) && graph.InRange(t2, x2)) {
                CZephGraph::DrawLineMark(painter, at(t1, x1), at(t2, x2));
            }
        };
        for (const CZephData& point : state.points) {
            switch (static_cast<int>(point.Style)) {
                case 0:
                    line(point.Db, point.Xi, point.Db1, point.Xi1);
                    break;
                case 1:
                    line(point.Db, point.Xi, point.Db1, point.Xi1);
                    line(point.Db, point.Xi, point.Db2, point.Xi2);
                    break;
                case 2:
                    break;
                default:
                    continue;  // a record the chart does not draw
            }
            if (graph.InRange(point.Db, point.Xi)) {
                CZephGraph::DrawPointMark(painter, *m_pointFont, at(point.Db, point.Xi), point.N);
            }
        }
    }
    painter.resetTransform();
    return {graph.ScaleX, graph.ScaleY, graph.Origin, graph.Frame};
}
