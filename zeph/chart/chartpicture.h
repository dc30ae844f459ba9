#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include "chart/chartpage.h"
#include "chart/chartrenderer.h"

class CZephRun;
class QIODevice;
class QPainter;

// Pictures of a run's chart for any caller, with or without a window: the
// chart itself, the exported PNG and PDF, drawn exactly as the window shows
// and exports them.

// The exported picture has this many device pixels per pixel of the chart
// on the screen.
constexpr double kExportScale = 2.0;

// Resolution of the PDF's device units: one unit is one screen pixel of a
// 96-dpi desktop, so the chart's one-pixel lines print 0.26 mm wide.
constexpr int kPdfDpi = 96;

// Draws the chart of run as the window shows it into client (device pixels
// of painter): the sheet at the run's pressure, view range and unit mode,
// the line families of options, and every point and process line of the
// run's current system.
void PaintChartPicture(QPainter& painter, const QRect& client, const CZephRun& run,
                       const ChartOptions& options);

// The chart of run on a client of the given size (pixels on the screen) as
// an image of scale device pixels per pixel, antialiased; a null image for
// an empty client.
QImage ChartPicture(const CZephRun& run, const ChartOptions& options, QSize client, double scale);

// The exported PNG's picture: ChartPicture at kExportScale times the
// screen's pixel ratio. A caller without a screen gives the client it wants
// and ratio 1.
QImage ChartExportPicture(const CZephRun& run, const ChartOptions& options, QSize client,
                          double pixelRatio = 1.0);

// Writes image to device as PNG; the reason it failed, or an empty text.
QString WriteChartPng(QIODevice& device, const QImage& image);

// Writes the chart's PDF to device: one A4 landscape page laid out as a
// printed one (PaintChartPage, with page's system name and date), drawn as
// vectors, titled with the system name and made by creator. The reason it
// failed, or an empty text.
QString WriteChartPdf(QIODevice& device, const CZephRun& run, const ChartOptions& options,
                      const ChartPageInfo& page, const QString& creator);
