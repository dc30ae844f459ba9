// Pictures of the chart: the 16-colour bitmap with the system name in the
// documents folder, and the PNG and PDF export, with their failures.

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdint>
#include <span>
#include <vector>

#include "chart/chartpicture.h"
#include "file_size_limit.h"
#include "maindlgtest.h"
#include "tolvex/bitmap.h"

using Id = CZephDlgJ::ControlId;

namespace {

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves the report (finish, Yes) or a picture (its command) of a chart of
// two points to path, chosen in the file dialog; the failure message shown,
// or an empty text.
QString SaveTo(const QString& writer, const QString& path) {
    MainDialogRig rig;
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("50"));
    rig.AddPoint(QStringLiteral("30"), QStringLiteral("60"));
    rig.ui.fileAnswers << path;
    if (writer == QLatin1String("report")) {
        rig.ui.answers << zeph::MsgAnswer::Yes << zeph::MsgAnswer::Ok << zeph::MsgAnswer::No;
        QTest::mouseClick(rig.dlg->Control(Id::IDOK_FINISH), Qt::LeftButton);
    } else {
        rig.RunCommand(writer == QLatin1String("bmp") ? CZephDlgJ::ID_SAVE_BITMAP
                                                      : CZephDlgJ::ID_EXPORT_PICTURE);
    }
    for (const QString& text : rig.ui.Texts()) {
        if (text.startsWith(QStringLiteral("Can not save "))) {
            return text;
        }
    }
    return {};
}

}  // namespace

class ChartPictureTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void init();
    void bitmapHoldsTheChartAndTheSystemName();
    void exportWritesTheChosenFormat_data();
    void exportWritesTheChosenFormat();
    void exportedPngIsTheLibrarysPicture();
    void exportReportsWhatItCannotWriteAndAsksAgain();
    void longSystemNameSavesUnderItsDefaultName_data();
    void longSystemNameSavesUnderItsDefaultName();
    void everyWriter_data();
    void writesThroughASymbolicLink();
    void writesThroughASymbolicLink_data() { everyWriter_data(); }
    void failureGivesTheSystemsReason();
    void failureGivesTheSystemsReason_data() { everyWriter_data(); }

  private:
    QTemporaryDir m_home;
    QString m_documents;
};

void ChartPictureTest::initTestCase() {
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + QStringLiteral("/.config")));
    m_documents = m_home.path() + QStringLiteral("/Documents");
}

void ChartPictureTest::init() {
    QDir(m_documents).removeRecursively();
}

void ChartPictureTest::bitmapHoldsTheChartAndTheSystemName() {
    MainDialogRig rig;
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("50"));
    rig.AddPoint(QStringLiteral("30"), QStringLiteral("60"));
    rig.Edit(Id::IDC_SYSTEM)->setText(QStringLiteral("AHU/1"));
    QTemporaryDir work;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    rig.ui.fileAnswers << QString();  // the proposed file
    rig.RunCommand(CZephDlgJ::ID_SAVE_BITMAP);
    const QString after = QDir::currentPath();
    QDir::setCurrent(before);

    QCOMPARE(after, work.path());
    QVERIFY(FilesIn(work.path()).isEmpty());
    QCOMPARE(rig.ui.fileRequests.size(), 1);
    const QString path = m_documents + QStringLiteral("/AHU_1.bmp");
    QCOMPARE(rig.ui.fileRequests.at(0).request.proposedPath, path);
    QCOMPARE(FilesIn(m_documents), QStringList{QStringLiteral("AHU_1.bmp")});
    QVERIFY(rig.ui.messages.isEmpty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.at(10), char(118));  // pixels after the 16-entry colour table
    QCOMPARE(bytes.at(28), char(4));    // bits per pixel
    QImageReader reader(path);
    const QImage saved = reader.read();
    QVERIFY2(!saved.isNull(), qPrintable(reader.errorString()));
    CStaticGraph& chart = *rig.dlg->m_Graph;
    QCOMPARE(saved.size(), chart.contentsRect().size());

    // The chart as it is, in the 16 colours, but for the name at (10, 10).
    QImage plain(saved.size(), QImage::Format_RGB32);
    QPainter painter(&plain);
    chart.PaintChart(painter, plain.rect());
    painter.end();
    const std::vector<std::uint8_t> quantized =
        tolvex::EncodeBitmap({plain.width(), plain.height(),
                              std::span(reinterpret_cast<const std::uint32_t*>(plain.constBits()),
                                        static_cast<std::size_t>(plain.width()) * plain.height())},
                             4);
    const QImage expected = QImage::fromData(quantized.data(), int(quantized.size()), "BMP");
    QCOMPARE(expected.size(), saved.size());
    const QRect nameBox(10, 10, 60, 16);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < saved.height(); ++y) {
        for (int x = 0; x < saved.width(); ++x) {
            if (saved.pixel(x, y) != expected.pixel(x, y)) {
                ++(nameBox.contains(x, y) ? inside : outside);
            }
        }
    }
    QCOMPARE(outside, 0);
    QVERIFY(inside > 20);
}

void ChartPictureTest::exportWritesTheChosenFormat_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("png") << QStringLiteral("chart.png");
    QTest::newRow("pdf") << QStringLiteral("chart.PDF");
}

void ChartPictureTest::exportWritesTheChosenFormat() {
    QFETCH(QString, file);
    MainDialogRig rig;
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("50"));
    rig.AddPoint(QStringLiteral("30"), QStringLiteral("60"));
    const QString path = m_documents + QLatin1Char('/') + file;
    rig.ui.fileAnswers << path;
    rig.RunCommand(CZephDlgJ::ID_EXPORT_PICTURE);

    QCOMPARE(rig.ui.fileRequests.size(), 1);
    const zeph::FileDialogRequest& request = rig.ui.fileRequests.at(0).request;
    QCOMPARE(request.proposedPath, m_documents + QStringLiteral("/System 1.png"));
    QCOMPARE(request.nameFilters,
             (QStringList{QStringLiteral("PNG 画像 (*.png)"), QStringLiteral("PDF 文書 (*.pdf)")}));
    QVERIFY(request.overwritePrompt);
    QVERIFY(rig.ui.messages.isEmpty());
    QCOMPARE(FilesIn(m_documents), QStringList{file});

    if (file.endsWith(QLatin1String(".png"))) {
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), rig.dlg->m_Graph->contentsRect().size() * 2);
        QVERIFY(!reader.read().isNull());
    } else {
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b"));
        QCOMPARE(QString::fromLatin1(bytes).count(page), 1);
    }
}

// The window exports what the chart library draws for the run, the families
// shown in the window and the size of the chart on the screen.
void ChartPictureTest::exportedPngIsTheLibrarysPicture() {
    MainDialogRig rig;
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("50"));
    rig.AddPoint(QStringLiteral("30"), QStringLiteral("60"));
    rig.RunCommand(CZephDlgJ::ID_SHOW_WETBULB);
    const QString path = m_documents + QStringLiteral("/chart.png");
    rig.ui.fileAnswers << path;
    rig.RunCommand(CZephDlgJ::ID_EXPORT_PICTURE);
    rig.RunCommand(CZephDlgJ::ID_SHOW_WETBULB);  // shown again for the next test

    const CStaticGraph& chart = *rig.dlg->m_Graph;
    const ChartOptions withoutWetBulb{{true, false, true, true, true}};
    const QImage drawn = ChartExportPicture(rig.dlg->Run(), withoutWetBulb,
                                            chart.contentsRect().size(), chart.devicePixelRatioF());
    QImage saved = QImage(path).convertToFormat(drawn.format());
    saved.setDevicePixelRatio(drawn.devicePixelRatio());  // a PNG holds pixels only
    QCOMPARE(saved, drawn);
}

void ChartPictureTest::exportReportsWhatItCannotWriteAndAsksAgain() {
    MainDialogRig rig;
    const QString missing = m_home.path() + QStringLiteral("/no such folder/chart.png");
    rig.ui.fileAnswers << m_documents + QStringLiteral("/chart.jpg") << missing;
    rig.RunCommand(CZephDlgJ::ID_EXPORT_PICTURE);  // the third dialog is cancelled

    QCOMPARE(rig.ui.fileRequests.size(), 3);
    QCOMPARE(rig.ui.fileRequests.at(2).request.proposedPath, missing);
    QCOMPARE(rig.ui.messages.size(), 2);
    QCOMPARE(rig.ui.messages.at(0).text,
             QStringLiteral("ファイル名の拡張子を .png または .pdf にして下さい。"));
    QVERIFY(rig.ui.messages.at(1).text.startsWith(QStringLiteral("Can not save ") + missing));
    QCOMPARE(rig.ui.messages.at(1).icon, zeph::MsgIcon::Stop);
    QVERIFY(FilesIn(m_documents).isEmpty());
}

void ChartPictureTest::longSystemNameSavesUnderItsDefaultName_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("extension");
    QTest::newRow("bitmap") << int(CZephDlgJ::ID_SAVE_BITMAP) << QStringLiteral("bmp");
    QTest::newRow("png") << int(CZephDlgJ::ID_EXPORT_PICTURE) << QStringLiteral("png");
}

void ChartPictureTest::longSystemNameSavesUnderItsDefaultName() {
    QFETCH(int, command);
    QFETCH(QString, extension);
    // 250 bytes with the extension, which the folder takes.
    const QString name(246, QLatin1Char('s'));
    MainDialogRig rig;
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("50"));
    rig.Edit(Id::IDC_SYSTEM)->setText(name);
    QVERIFY(QDir().mkpath(m_documents));
    rig.ui.fileAnswers << QString();  // the proposed file
    rig.RunCommand(command);
    QCOMPARE(rig.ui.fileRequests.size(), 1);
    QVERIFY(rig.ui.messages.isEmpty());
    QCOMPARE(FilesIn(m_documents), QStringList{name + QLatin1Char('.') + extension});
}

void ChartPictureTest::everyWriter_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("start");  // how the written file begins
    QTest::newRow("report") << QStringLiteral("report") << QStringLiteral("ZephData.txt")
                            << QByteArray("Location (System 1)");
    QTest::newRow("bmp") << QStringLiteral("bmp") << QStringLiteral("chart.bmp")
                         << QByteArray("BM");
    QTest::newRow("png") << QStringLiteral("png") << QStringLiteral("chart.png")
                         << QByteArray("\x89PNG");
    QTest::newRow("pdf") << QStringLiteral("pdf") << QStringLiteral("chart.pdf")
                         << QByteArray("%PDF");
}

void ChartPictureTest::writesThroughASymbolicLink() {
    QFETCH(QString, writer);
    QFETCH(QString, file);
    QFETCH(QByteArray, start);
    const QString real = m_documents + QStringLiteral("/kept/") + file;
    QVERIFY(QDir().mkpath(m_documents + QStringLiteral("/kept")));
    QVERIFY(QFile::link(QStringLiteral("kept/") + file, m_documents + QLatin1Char('/') + file));
    QCOMPARE(SaveTo(writer, m_documents + QLatin1Char('/') + file), QString());
    QVERIFY(QFileInfo(m_documents + QLatin1Char('/') + file).isSymLink());
    QVERIFY(ReadAll(real).startsWith(start));
    QCOMPARE(FilesIn(m_documents + QStringLiteral("/kept")), QStringList{file});
}

void ChartPictureTest::failureGivesTheSystemsReason() {
    QFETCH(QString, writer);
    QFETCH(QString, file);
    QVERIFY(QDir().mkpath(m_documents));
    const QString path = m_documents + QLatin1Char('/') + file;
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    QString failure;
    {
        const FileSizeLimit limit(100);  // less than any of the four files
        failure = SaveTo(writer, path);
    }
    QCOMPARE(failure, QStringLiteral("Can not save ") + path +
                          QStringLiteral(" (File too large). An existing file of that name "
                                         "is unchanged."));
    QCOMPARE(ReadAll(path), QByteArray("old"));
    QCOMPARE(FilesIn(m_documents), QStringList{file});
}

QTEST_MAIN(ChartPictureTest)
#include "chartpicture_test.moc"
