#pragma once

#include <QDate>
#include <QRect>
#include <QString>
#include <QStringList>

#include "chart/chartrenderer.h"

class CZephRun;
class QPainter;
struct RunState;

// What the title block of a printed chart names besides the chart's own
// data: the system and the date.
struct ChartPageInfo {
    QString system;
    QDate date;
};

// The lines of the title block: the system name, the pressure, the date,
// a heading and one line per drawn point of the run with its main values
// (enthalpy in the run's unit mode).
QStringList TitleBlockLines(const RunState& run, const ChartPageInfo& info);

// One landscape page of the chart, the same for the printer and the PDF
// file: the chart of run as on the screen (the families of options) in the
// largest square on the left of page (device units of painter), the title
// block in the column to its right, set in the program's text face.
void PaintChartPage(QPainter& painter, const QRect& page, const CZephRun& run,
                    const ChartOptions& options, const ChartPageInfo& info);
