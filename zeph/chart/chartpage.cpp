#include "chart/chartpage.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

#include "chart/chartfonts.h"
#include "chart/chartpicture.h"
#include "corvo/corvofunction.h"
#include "run/zephrun.h"

namespace {

// The title block's texts are the Japanese interface's and the sources of
// their translations (context ChartPage); the table's columns stay as they
// are.

// The title block's share of the page width at least, and the gap between
// the chart and the block (a fraction of the page height).
constexpr double kBlockShare = 0.28;
constexpr double kGap = 0.03;

}  // namespace

QStringList TitleBlockLines(const RunState& run, const ChartPageInfo& info) {
    const bool si = run.unitMode == 1;
    const double factor = si ? CCorvoFunction().CALWKJ(2) : 1.0;
    QStringList lines;
    lines << info.system;
    lines << QCoreApplication::translate("ChartPage", "大気圧 %1 hPa")
                 .arg(run.pressureText.trimmed());
    lines << QCoreApplication::translate("ChartPage", "日付 %1")
                 .arg(info.date.toString(QStringLiteral("yyyy/MM/dd")));
    lines << QString();
    lines << QStringLiteral("No.  DB ℃  RH %  WB ℃  h ") +
                 (si ? QStringLiteral("kJ/kg(DA)") : QStringLiteral("kcal/kg(DA)")) +
                 QStringLiteral("  x kg/kg(DA)  ") +
                 QCoreApplication::translate("ChartPage", "名称");
    for (const CZephData& p : run.points) {
        const int style = static_cast<int>(p.Style);
        if (style < 0 || style > 2) continue;  // a record the chart does not draw
        lines << QString::asprintf("%d  %.1f  %.1f  %.1f  %.2f  %.5f  ", p.N, p.Db, p.Rh, p.Wb,
                                   p.Hi * factor, p.Xi) +
                     QString::fromStdString(p.Pn);
    }
    return lines;
}

void PaintChartPage(QPainter& painter, const QRect& page, const CZephRun& run,
                    const ChartOptions& options, const ChartPageInfo& info) {
    if (page.isEmpty()) return;
    const int gap = static_cast<int>(page.height() * kGap);
    const int side = std::min(page.height(), static_cast<int>(page.width() * (1 - kBlockShare)));
    const QRect sheet(page.left(), page.top(), side, side);
    const QRect block(sheet.right() + 1 + gap, page.top(), page.right() - sheet.right() - gap,
                      page.height());

    painter.save();
    painter.setClipRect(sheet);
    PaintChartPicture(painter, sheet, run, options);
    painter.restore();

    // The block's font: as large as lets every line fit, at most a twentieth
    // of the page height per line.
    const QStringList lines = TitleBlockLines(run.State(), info);
    // The face resolved as the window's controls have it.
    QFont font = zeph::TextFont().resolve(QGuiApplication::font());
    font.setPixelSize(100);
    const QFontMetricsF probe(font, painter.device());
    double widest = 1;
    for (const QString& line : lines) widest = std::max(widest, probe.horizontalAdvance(line));
    const double byWidth = 100 * block.width() / widest;
    const double byHeight = 100 * block.height() / (probe.lineSpacing() * (lines.size() + 1));
    const int pixels = std::max(
        1, static_cast<int>(
               std::min({byWidth, byHeight, page.height() / 20.0 * 100 / probe.lineSpacing()})));
    font.setPixelSize(pixels);
    const QFontMetricsF metrics(font, painter.device());
    painter.save();
    painter.setPen(Qt::black);
    double y = block.top() + metrics.ascent();
    for (int i = 0; i < lines.size(); ++i) {
        QFont lineFont = font;
        lineFont.setBold(i == 0);  // the system name
        painter.setFont(lineFont);
        painter.drawText(QPointF(block.left(), y), lines.at(i));
        y += metrics.lineSpacing();
    }
    painter.restore();
}
