#include "reportmode.h"

#include <QBuffer>
#include <QDate>
#include <QGuiApplication>
#include <QString>

#include <iostream>
#include <memory>

#include "batchlanguage.h"
#include "chart/chartfonts.h"
#include "chart/chartpicture.h"
#include "cli.h"
#include "optionwalk.h"
#include "outputfile.h"
#include "run/runfile.h"
#include "run/writefile.h"
#include "run/zephrun.h"

namespace zeph::batch {
namespace {

constexpr std::string_view kMode = "report";

// The chart's size on the screen the PNG is drawn for: the chart of a
// window of the default size (1040 × 720) on the desktop the program is
// tested on.
constexpr QSize kPictureClient(640, 640);

constexpr std::string_view kHelp =
    R"(Usage: zeph-batch report RUN.zeph [-o REPORT.txt] [--png FILE] [--pdf FILE]
                           [--lang ja|en]

Writes the report the program offers when a run is finished, for the run
saved in RUN.zeph: the run is finished as OK finishes it (the system being
drawn, under its typed name, and a capacity result not yet archived join
the finished ones), and the report is the same text, byte for byte, that
the program writes then: one table of points per system and one block per
capacity result, dated today. UTF-8 with '\n' line ends.

Pictures: the chart of the system being drawn as the program's export
item draws it, with every line family shown: --png is the picture of a
chart of 640 x 640 pixels on a screen of pixel ratio 1, at twice that
many pixels (1280 x 1280), as the export item doubles the chart on the
screen; --pdf is one A4
landscape page laid out as a printed one, dated today. They are drawn
without a display (Qt's offscreen platform).

Output: standard output, or REPORT.txt; each file appears complete or not
at all.

Options:
  -o, --output OUT  write the report to OUT instead of standard output
  --png FILE        also write the chart as a PNG picture to FILE
  --pdf FILE        also write the chart as a PDF page to FILE
)" ZEPH_BATCH_LANGUAGE_HELP R"(  -h, --help        show this help

Exit status: 0 when the report was written; 2 for a usage, input or output
error (a run file that is refused is named with the reason; nothing is
written).
)";

// The chart pictures of run that options ask for, into png and pdf; the
// reason one could not be drawn, or nothing.
std::optional<std::string> DrawPictures(const CZephRun& run, const ReportOptions& options,
                                        QByteArray& png, QByteArray& pdf) {
    const ChartOptions allFamilies;
    QBuffer buffer;
    if (!options.png.empty()) {
        buffer.setBuffer(&png);
        buffer.open(QIODevice::WriteOnly);
        const QImage image = ChartExportPicture(run, allFamilies, kPictureClient);
        if (const QString reason = WriteChartPng(buffer, image); !reason.isEmpty()) {
            return options.png + ": " + reason.toStdString();
        }
        buffer.close();
    }
    if (!options.pdf.empty()) {
        buffer.setBuffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        const ChartPageInfo page{run.SystemNameOr(run.State().systemName), QDate::currentDate()};
        const QString reason =
            WriteChartPdf(buffer, run, allFamilies, page, QString::fromUtf8(kProgramName));
        if (!reason.isEmpty()) return options.pdf + ": " + reason.toStdString();
        buffer.close();
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ParseReportOptions(std::span<const std::string_view> args,
                                              ReportOptions& options) {
    const OptionError error = WalkOptions(
        args, {"-o", "--output", "--png", "--pdf", "--lang"}, false, options.help,
        [&](std::string_view arg) -> OptionError {
            if (!options.input.empty()) return "more than one run file: " + Quoted(arg);
            if (arg.empty()) return "the run file name is empty";
            options.input = std::string(arg);
            return std::nullopt;
        },
        [&](std::string_view name, std::string_view value) -> OptionError {
            if (name == "--lang") return ReadLanguage(value, options.language);
            const bool picture = name == "--png" || name == "--pdf";
            if (value.empty() || (picture && value == "-")) {
                return "option " + std::string(name) + " needs a file name";
            }
            (name == "--png"   ? options.png
             : name == "--pdf" ? options.pdf
                               : options.output) = std::string(value);
            return std::nullopt;
        });
    if (error) return error;
    if (options.input.empty() && !options.help) return "no run file given";
    return std::nullopt;
}

int RunReport(std::span<const std::string_view> args) {
    ReportOptions options;
    if (const std::optional<std::string> error = ParseReportOptions(args, options)) {
        PrintModeUsageError(kMode, *error);
        return kExitError;
    }
    if (options.help) {
        std::cout << kHelp;
        return std::cout.flush() ? kExitAllSolved : kExitError;
    }

    // The pictures need Qt Gui, without a display; only started when asked.
    const bool pictures = !options.png.empty() || !options.pdf.empty();
    std::unique_ptr<QCoreApplication> app;
    if (pictures) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = StartWithLanguage<QGuiApplication>(options.language);
        // The faces the program's chart asks for, as the window has them.
        zeph::InstallFontSubstitutes();
    } else {
        app = StartWithLanguage(options.language);
    }

    const RunFileResult read = LoadRunFile(QString::fromStdString(options.input));
    if (!read.state) {
        PrintError(options.input + ": " + read.reason.toStdString());
        return kExitError;
    }
    CZephRun run;
    run.RestoreState(*read.state);
    QByteArray png, pdf;
    if (pictures) {
        if (const std::optional<std::string> error = DrawPictures(run, options, png, pdf)) {
            PrintError(*error);
            return kExitError;
        }
    }

    // The finish of the window: the system being drawn joins the archive.
    run.FinishRun(read.state->systemName);
    OutputFile report, pngFile, pdfFile;
    std::string error;
    const auto open = [&error](OutputFile& file, const std::string& path) {
        return path.empty() || file.Open(path, error);
    };
    if (!open(report, options.output) || !open(pngFile, options.png) ||
        !open(pdfFile, options.pdf)) {
        PrintError(error);
        return kExitError;
    }
    report.Buffer() = CWriteFile(ReportOf(run.State())).Text();
    pngFile.Buffer().assign(png.constData(), png.size());
    pdfFile.Buffer().assign(pdf.constData(), pdf.size());
    const auto commit = [&error](OutputFile& file, const std::string& path) {
        return path.empty() || file.Commit(error);
    };
    if (!commit(pngFile, options.png) || !commit(pdfFile, options.pdf) ||
        !commit(report, options.output)) {
        PrintError(error);
        return kExitError;
    }
    return kExitAllSolved;
}

}  // namespace zeph::batch
