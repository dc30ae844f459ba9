// The chart library without a window: a QGuiApplication alone draws the
// exported picture and the PDF page of a run.
#include <QBuffer>
#include <QDate>
#include <QImage>
#include <QTest>

#include "chart/chartpicture.h"
#include "chart/zephgraph.h"
#include "run/zephrun.h"

namespace {

CZephData Point(int number, double db, double xi) {
    CZephData point;
    point.Style = static_cast<STYLE>(2);
    point.N = number;
    point.Db = db;
    point.Xi = xi;
    return point;
}

bool IsRed(QRgb c) {
    return qRed(c) > 160 && qGreen(c) < 130 && qBlue(c) < 130;
}

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void pictureIsTwiceTheScreensWithItsPoint_data();
    void pictureIsTwiceTheScreensWithItsPoint();
    void pdfIsOnePageTitledWithTheSystem();
};

void ExportTest::pictureIsTwiceTheScreensWithItsPoint_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("square") << QSize(500, 500) << 1.0 << QSize(1000, 1000);
    QTest::newRow("wide, ratio 1.5") << QSize(700, 400) << 1.5 << QSize(2100, 1200);
}

// The one marker lies where the chart's mapping puts the point, in pixels
// of the exported scale, and nowhere else.
void ExportTest::pictureIsTwiceTheScreensWithItsPoint() {
    QFETCH(QSize, client);
    QFETCH(double, ratio);
    QFETCH(QSize, pixels);
    CZephRun run;
    run.AppendPoint(Point(1, 26.0, 0.0105));
    const QImage image = ChartExportPicture(run, ChartOptions{}, client, ratio);
    QCOMPARE(image.size(), pixels);
    QCOMPARE(image.devicePixelRatio(), ratio * kExportScale);

    CZephGraph graph;
    graph.SetUpMapping();
    const QPoint logical =
        CZephGraph::ToLogical(graph.Origin, graph.ScaleX, graph.ScaleY, 26.0, 0.0105);
    const QPointF centre =
        CZephGraph::SheetTransform(QRect(QPoint(0, 0), client)).map(QPointF(logical)) * ratio *
        kExportScale;
    const double reach = 12 * pixels.width() / double(client.width());
    int near = 0;
    int far = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!IsRed(image.pixel(x, y))) continue;
            const bool close =
                std::abs(x - centre.x()) <= reach && std::abs(y - centre.y()) <= reach;
            ++(close ? near : far);
        }
    }
    QVERIFY(near > 0);
    QCOMPARE(far, 0);
}

void ExportTest::pdfIsOnePageTitledWithTheSystem() {
    CZephRun run;
    run.AppendPoint(Point(1, 26.0, 0.0105));
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QCOMPARE(WriteChartPdf(pdf, run, ChartOptions{}, {QStringLiteral("AHU"), QDate(2026, 5, 1)},
                           QStringLiteral("test")),
             QString());
    const QByteArray bytes = pdf.data();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
    QVERIFY(bytes.contains(QByteArray("/Title (\xfe\xff\0A\0H\0U)", 15)));
}

QTEST_MAIN(ExportTest)
#include "export_test.moc"
