#include "chart/chartpicture.h"

#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "chart/chartfonts.h"
#include "run/zephrun.h"

void PaintChartPicture(QPainter& painter, const QRect& client, const CZephRun& run,
                       const ChartOptions& options) {
    // The faces the window asks for, for a caller that has none.
    zeph::InstallFontSubstitutes();
    CChartRenderer(false).Paint(painter, client, run.State(), options);
}

QImage ChartPicture(const CZephRun& run, const ChartOptions& options, QSize client, double scale) {
    if (client.isEmpty() || !(scale > 0)) return {};
    QImage image((QSizeF(client) * scale).toSize(), QImage::Format_RGB32);
    if (image.isNull()) return {};
    // Painting coordinates stay the screen's.
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PaintChartPicture(painter, QRect(QPoint(0, 0), client), run, options);
    }
    return image;
}

QImage ChartExportPicture(const CZephRun& run, const ChartOptions& options, QSize client,
                          double pixelRatio) {
    return ChartPicture(run, options, client, pixelRatio * kExportScale);
}

QString WriteChartPng(QIODevice& device, const QImage& image) {
    QImageWriter writer(&device, "png");
    return writer.write(image) ? QString() : writer.errorString();
}

QString WriteChartPdf(QIODevice& device, const CZephRun& run, const ChartOptions& options,
                      const ChartPageInfo& page, const QString& creator) {
    QPdfWriter pdf(&device);
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    pdf.setTitle(page.system);
    pdf.setCreator(creator);
    QPainter painter;
    if (!painter.begin(&pdf)) return QStringLiteral("the PDF page could not be started");
    PaintChartPage(painter, QRect(0, 0, pdf.width(), pdf.height()), run, options, page);
    painter.end();
    return {};
}
