#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <functional>
#include <span>

#include "chart/chartpicture.h"
#include "gui/fileui.h"
#include "gui/staticgraph.h"
#include "gui/ui.h"
#include "main/zephdlgj.h"
#include "run/zephrun.h"
#include "tolvex/exfilecontrol.h"
#include "tolvex/stdiofile.h"

// Pictures of the chart: the 16-colour bitmap named after the system, and
// the PNG and PDF export, drawn by the chart library as a windowless caller
// gets them.

namespace {

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
    return SaveRendered(path, [&image](QIODevice& device) { return WriteChartPng(device, image); });
}

QString SavePdf(const CZephRun& run, const ChartOptions& options, const QString& name,
                const QString& path) {
    return SaveRendered(path, [&](QIODevice& device) {
        return WriteChartPdf(device, run, options, {name, QDate::currentDate()}, zeph::AppTitle());
    });
}

}  // namespace

void CZephDlgJ::SaveChartBitmap() {
    if (m_run->State().points.isEmpty()) {
        return;
    }
    UpdateData(true);
    const QString name = m_run->SystemNameOr(m_strSystem);
    QImage image = ChartPicture(*m_run, m_Graph->Options(), m_Graph->contentsRect().size(),
                                m_Graph->devicePixelRatioF());
    if (image.isNull()) {
        zeph::ShowMessage(tr("グラフの表示領域がないため、画像を保存できません。"),
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
    request.caption = tr("画像ファイルに保存");
    request.proposedPath = QDir(folder).filePath(FileNameOf(name, QStringLiteral("png")));
    request.defaultSuffix = QStringLiteral("png");
    request.nameFilters = {tr("PNG 画像 (*.png)"), tr("PDF 文書 (*.pdf)")};
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
            error = SavePng(
                ChartExportPicture(*m_run, m_Graph->Options(), m_Graph->contentsRect().size(),
                                   m_Graph->devicePixelRatioF()),
                *chosen);
        } else if (suffix == QLatin1String("pdf")) {
            error = SavePdf(*m_run, m_Graph->Options(), name, *chosen);
        } else {
            zeph::ShowMessage(tr("ファイル名の拡張子を .png または .pdf にして下さい。"),
                              zeph::MsgIcon::Exclamation);
            continue;
        }
        if (error.isEmpty()) {
            return;
        }
        zeph::ShowMessage(error, zeph::MsgIcon::Stop);
    }
}
