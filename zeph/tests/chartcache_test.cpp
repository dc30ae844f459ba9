// The chart keeps a picture of its background between paints: a change of
// what the chart shows or of the target after a paint gives the picture a
// chart painting for the first time gives, and the kept picture is the one
// drawn directly, pixel for pixel.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "gui/language.h"
#include "gui/staticgraph.h"
#include "run/zephrun.h"

namespace {

// Points with process lines of both styles, spread over the default range.
void AddPoints(CZephRun& run) {
    QList<CZephData> points;
    for (int i = 0; i < 12; ++i) {
        CZephData point;
        point.Style = static_cast<STYLE>(i % 3);
        point.N = i + 1;
        point.Db = 2.0 + 3.1 * i;
        point.Xi = 0.002 + 0.0017 * i;
        point.Db1 = 30.0 - 2.0 * i;
        point.Xi1 = 0.006;
        point.Db2 = 12.0;
        point.Xi2 = 0.012 - 0.0005 * i;
        points.append(point);
    }
    run.SetPoints(points);
}

// One paint of chart into a fresh image of size at pixel ratio ratio, the
// client at offset (the painter clipped to it, as the paint handler does).
QImage Render(CStaticGraph& chart, QSize size, double ratio = 1, QPoint offset = {},
              QImage::Format format = QImage::Format_RGB32) {
    QImage image((QSizeF(size) * ratio).toSize(), format);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter painter(&image);
    const QRect client(offset, size - QSize(offset.x(), offset.y()));
    painter.setClipRect(client);
    chart.PaintChart(painter, client);
    return image;
}

}  // namespace

class ChartCacheTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void changeAfterAPaintShows_data();
    void changeAfterAPaintShows();
    void keptPictureIsTheDirectOne_data();
    void keptPictureIsTheDirectOne();
};

void ChartCacheTest::changeAfterAPaintShows_data() {
    QTest::addColumn<QString>("change");
    for (const char* change : {"pressure", "unit mode", "range", "families", "size", "pixel ratio",
                               "client offset", "points", "language"}) {
        QTest::newRow(change) << QString::fromLatin1(change);
    }
}

void ChartCacheTest::changeAfterAPaintShows() {
    QFETCH(QString, change);
    CZephRun run;
    AddPoints(run);
    CStaticGraph chart(run);
    QSize size(700, 640);
    double ratio = 1;
    QPoint offset;
    const QImage before = Render(chart, size);
    QCOMPARE(Render(chart, size), before);  // the kept picture again

    if (change == QLatin1String("pressure")) {
        run.SetPressureText(QStringLiteral("850"));
    } else if (change == QLatin1String("unit mode")) {
        run.SetUnitMode(0);
    } else if (change == QLatin1String("range")) {
        run.SetViewRange(ViewRange{40.0, -3.0, 0.03, 0.004});
    } else if (change == QLatin1String("families")) {
        chart.Families.wetBulb = false;
    } else if (change == QLatin1String("size")) {
        size = QSize(640, 700);
    } else if (change == QLatin1String("pixel ratio")) {
        ratio = 2;
    } else if (change == QLatin1String("client offset")) {
        offset = QPoint(1, 1);
    } else if (change == QLatin1String("language")) {
        zeph::InstallLanguage(zeph::Language::English);  // the axis titles
    } else {
        run.SetPoints(run.State().points.mid(0, 5));
    }
    const QImage after = Render(chart, size, ratio, offset);
    QVERIFY(after != before);
    CStaticGraph fresh(run);
    fresh.Families = chart.Families;
    QCOMPARE(after, Render(fresh, size, ratio, offset));
    zeph::InstallLanguage(zeph::Language::Japanese);
}

void ChartCacheTest::keptPictureIsTheDirectOne_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QPoint>("offset");  // of the client
    QTest::newRow("square") << QSize(800, 800) << 1.0 << QPoint();
    QTest::newRow("wide, framed") << QSize(902, 502) << 1.0 << QPoint(1, 1);
    QTest::newRow("tall, pixel ratio 2") << QSize(400, 600) << 2.0 << QPoint(3, 2);
}

// A painter on an image of 32-bit RGB copies the kept picture; one on an
// image with a straight (not premultiplied) alpha channel draws directly.
void ChartCacheTest::keptPictureIsTheDirectOne() {
    QFETCH(QSize, size);
    QFETCH(double, ratio);
    QFETCH(QPoint, offset);
    CZephRun run;
    AddPoints(run);
    CStaticGraph chart(run);
    Render(chart, size, ratio, offset);
    const QImage kept = Render(chart, size, ratio, offset);
    const QImage direct = Render(chart, size, ratio, offset, QImage::Format_ARGB32);
    QCOMPARE(direct.convertToFormat(QImage::Format_RGB32), kept);
}

QTEST_MAIN(ChartCacheTest)
#include "chartcache_test.moc"
