#pragma once

#include <QDate>
#include <QRect>
#include <QString>
#include <QStringList>

class CStaticGraph;
class QPainter;

// What the title block of a printed chart names besides the chart's own
// data: the system and the date.
struct ChartPageInfo {
    QString system;
    QDate date;
};

// The lines of the title block: the system name, the pressure, the date,
// a heading and one line per drawn point of chart with its main values
// (enthalpy in the chart's unit mode).
QStringList TitleBlockLines(const CStaticGraph& chart, const ChartPageInfo& info);

// One landscape page of the chart, the same for the printer and the PDF
// file: the chart as on the screen (families included) in the largest
// square on the left of page (device units of painter), the title block in
// the column to its right.
void PaintChartPage(QPainter& painter, const QRect& page, CStaticGraph& chart,
                    const ChartPageInfo& info);
