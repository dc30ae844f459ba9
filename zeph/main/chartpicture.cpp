#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdint>
#include <functional>
#include <span>

#include "chart/chartpage.h"
#include "chart/staticgraph.h"
#include "gui/fileui.h"
#include "gui/ui.h"
#include "main/zephdlgj.h"
#include "run/zephrun.h"
#include "tolvex/exfilecontrol.h"
#include "tolvex/stdiofile.h"

// Pictures of the chart: the 16-colour bitmap named after the system, and
// the PNG and PDF export.

namespace {

// Resolution of the PDF's device units: one unit is one screen pixel of a
// 96-dpi desktop, so the chart's one-pixel lines print 0.26 mm wide.
constexpr int kPdfDpi = 96;

// The chart's client as drawn now, at scale × its device pixels; painting
// coordinates stay the widget's.
QImage ChartImage(CStaticGraph& chart, double scale) {
    const QSize size = chart.contentsRect().size();
    const qreal ratio = chart.devicePixelRatioF() * scale;
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    chart.PaintChart(painter, QRect(QPoint(0, 0), size));
    return image;
}

// A file name from the system name: a '/' cannot point into another folder.
QString FileNameOf(const QString& name, const QString& extension) {
    QString file = name;
    file.replace(QLatin1Char('/'), QLatin1Char('_'));
    return file + QLatin1Char('.') + extension;
}

QString Failure(const QString& path, const QString& reason) {
    return QStringLiteral("Can not save ") + QDir::toNativeSeparators(path) + QStringLiteral(" (") +
           reason + QStringLiteral("). An existing file of that name is unchanged.");
}

// Writes what render puts into its device to path the way the library
// writes every file: the old file replaced only when all of it is written, a
// symbolic link written through, the system's reason for a failure. render
// returns the reason it failed, or an empty text.
QString SaveRendered(const QString& path, const std::function<QString(QIODevice&)>& render) {
    CStdioFile file;
    if (!file.Open(path.toStdString(), CStdioFile::Mode::Overwrite)) {
        return QString::fromStdString(file.GetErrorMessage());
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (QString reason = render(buffer); !reason.isEmpty()) {
        return Failure(path, reason);  // the file is dropped unchanged
    }
    file.Write(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
    return file.Close() ? QString() : QString::fromStdString(file.GetErrorMessage());
}

QString SavePng(const QImage& image, const QString& path) {
    return SaveRendered(path, [&image](QIODevice& device) {
        QImageWriter writer(&device, "png");
        return writer.write(image) ? QString() : writer.errorString();
    });
}

// One A4 landscape page laid out as a printed one (PaintChartPage), drawn
// as vectors.
QString SavePdf(CStaticGraph& chart, const QString& name, const QString& path) {
    return SaveRendered(path, [&](QIODevice& device) {
        QPdfWriter pdf(&device);
        pdf.setResolution(kPdfDpi);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        pdf.setTitle(name);
        pdf.setCreator(zeph::AppTitle());
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return QStringLiteral("the PDF page could not be started");
        }
        PaintChartPage(painter, QRect(0, 0, pdf.width(), pdf.height()), chart,
                       {name, QDate::currentDate()});
        painter.end();
        return QString();
    });
}

}  // namespace

void CZephDlgJ::SaveChartBitmap() {
    if (m_run->State().points.isEmpty()) {
        return;
    }
    UpdateData(true);
    const QString name = m_run->SystemNameOr(m_strSystem);
    QImage image = ChartImage(*m_Graph, 1.0);
    if (image.isNull()) {
        zeph::ShowMessage(QStringLiteral("グラフの表示領域がないため、画像を保存できません。"),
                          zeph::MsgIcon::Stop);
        return;
    }
    {
        // Black on the sheet's white, the top of the text at (10, 10).
        QPainter painter(&image);
        painter.setFont(m_Graph->font());
        painter.setPen(Qt::black);
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(Qt::white);
        painter.drawText(QRect(QPoint(10, 10), m_Graph->contentsRect().size()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    }
    const tolvex::RgbImage rgb{image.width(), image.height(),
                               std::span(reinterpret_cast<const std::uint32_t*>(image.constBits()),
                                         static_cast<std::size_t>(image.width()) * image.height())};
    // The library proposes the file in the folder given, reports a file it
    // cannot write and asks again; the working directory stays as it is.
    CExFileControl().BitmapFileSave(name.toStdString(), rgb, 4,
                                    zeph::DocumentsFolder().toStdString());
}

void CZephDlgJ::ExportChartPicture() {
    UpdateData(true);
    const QString name = m_run->SystemNameOr(m_strSystem);
    QString folder = zeph::DocumentsFolder();
    if (folder.isEmpty()) {
        folder = QDir::currentPath();
    }
    zeph::FileDialogRequest request;
    request.caption = QStringLiteral("画像ファイルに保存");
    request.proposedPath = QDir(folder).filePath(FileNameOf(name, QStringLiteral("png")));
    request.defaultSuffix = QStringLiteral("png");
    request.nameFilters = {QStringLiteral("PNG 画像 (*.png)"), QStringLiteral("PDF 文書 (*.pdf)")};
    request.overwritePrompt = true;
    for (;;) {
        const std::optional<QString> chosen = zeph::Ui().SaveFileDialog(this, request);
        if (!chosen) {
            return;
        }
        request.proposedPath = *chosen;
        const QString suffix = QFileInfo(*chosen).suffix().toLower();
        QString error;
        if (suffix == QLatin1String("png")) {
            error = SavePng(ChartImage(*m_Graph, 2.0), *chosen);
        } else if (suffix == QLatin1String("pdf")) {
            error = SavePdf(*m_Graph, name, *chosen);
        } else {
            zeph::ShowMessage(
                QStringLiteral("ファイル名の拡張子を .png または .pdf にして下さい。"),
                zeph::MsgIcon::Exclamation);
            continue;
        }
        if (error.isEmpty()) {
            return;
        }
        zeph::ShowMessage(error, zeph::MsgIcon::Stop);
    }
}
