// The chart control drawn into images and clicked as a user would: the
// mapping numbers, where markers and process lines land in device pixels,
// what the view range lets through, the hit box, ranges the chart cannot
// show and pressure texts that are not numbers.
#include <QContextMenuEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <functional>
#include <limits>

#include "chart/zephgraph.h"
#include "gui/staticgraph.h"
#include "run/zephrun.h"
#include "scoped_locale.h"

namespace {

constexpr int kSheet = CZephGraph::kSheet;

CZephData MakePoint(int number, int style, double db, double xi, double db1 = 0, double xi1 = 0,
                    double db2 = 0, double xi2 = 0) {
    CZephData point;
    point.N = number;
    point.Style = static_cast<STYLE>(style);
    point.Db = db;
    point.Xi = xi;
    point.Db1 = db1;
    point.Xi1 = xi1;
    point.Db2 = db2;
    point.Xi2 = xi2;
    return point;
}

void SetRange(CZephRun& run, double maxDb, double minDb, double maxXi, double minXi) {
    run.SetViewRange(ViewRange{maxDb, minDb, maxXi, minXi});
}

// One repaint of the chart into an image that covers exactly its client.
QImage Render(CStaticGraph& chart, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);  // anything the chart fails to paint stays black
    QPainter painter(&image);
    chart.PaintChart(painter, image.rect());
    return image;
}

// Device pixel of a logical position on a client of the given size: the
// sheet is the largest square centred in the client.
QPointF DevicePosF(QPointF logical, QSize size) {
    const double side = std::min(size.width(), size.height());
    const double left = (size.width() - side) / 2;
    const double top = (size.height() - side) / 2;
    return {left + logical.x() * side / kSheet, top + side - logical.y() * side / kSheet};
}
QPoint DevicePos(QPoint logical, QSize size) {
    return DevicePosF(logical, size).toPoint();
}

QPoint LogicalOf(const CStaticGraph& chart, double db, double xi) {
    return CZephGraph::ToLogical(chart.Origin, chart.ScaleX, chart.ScaleY, db, xi);
}

bool IsRed(QRgb c) {
    return qRed(c) > 160 && qGreen(c) < 130 && qBlue(c) < 130;
}
// The process-line blue, antialiased against white or grey.
bool IsBlue(QRgb c) {
    return qBlue(c) > 200 && qBlue(c) - qRed(c) > 50 && qBlue(c) - qGreen(c) > 50;
}
// The dry-bulb and humidity grid grey, drawn without antialiasing.
bool IsGridGrey(QRgb c) {
    return qRed(c) == 150 && qGreen(c) == 150 && qBlue(c) == 150;
}

int Count(const QImage& image, QRect area, const std::function<bool(QRgb)>& pick) {
    int n = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pick(image.pixel(x, y))) ++n;
    return n;
}

QRect Around(QPoint centre, int radius) {
    return QRect(centre - QPoint(radius, radius), centre + QPoint(radius, radius));
}

// Grid-grey pixels on the device line between two logical positions,
// sampled at 40 evenly spaced points (1 pixel of tolerance across it).
int GreyAlong(const QImage& image, QPoint from, QPoint to) {
    int n = 0;
    for (int k = 0; k <= 40; ++k) {
        const QPoint p = DevicePos(from + (to - from) * (k / 40.0), image.size());
        if (Count(image, Around(p, 1), IsGridGrey) > 0) ++n;
    }
    return n;
}

}  // namespace

class ChartTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void cleanup() { std::setlocale(LC_ALL, "C"); }

    void mappingNumbers_data();
    void mappingNumbers();
    void toLogicalNeverOverflows();
    void markerLandsOnItsDevicePosition_data();
    void markerLandsOnItsDevicePosition();
    void viewRangeBounds_data();
    void viewRangeBounds();
    void processLinesByStyle();
    void gridCountedFromTheMinimum_data();
    void gridCountedFromTheMinimum();
    void hitBoxEdges_data();
    void hitBoxEdges();
    void twoMarkersInOneBoxReportBoth();
    void nothingIsHitBeforeThePaint();
    void pointsOutsideTheRangeAreNotHit();
    void unusableRangeDrawsAWhiteSheet_data();
    void unusableRangeDrawsAWhiteSheet();
    void pressureTextReadWithCRules();
    void rightClickReachesTheParent();
};

void ChartTest::mappingNumbers_data() {
    QTest::addColumn<double>("maxDb");
    QTest::addColumn<double>("minDb");
    QTest::addColumn<double>("maxXi");
    QTest::addColumn<double>("minXi");
    QTest::addColumn<int>("scaleX");
    QTest::addColumn<int>("scaleY");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QPoint>("topRight");  // ToLogical(maxDb, maxXi)

    QTest::newRow("M (default)") << 45.0 << -5.0 << 0.035 << 0.0 << 20 << 28571 << QPoint(180, 80)
                                 << QPoint(1080, 1079);
    QTest::newRow("L") << 20.0 << -30.0 << 0.01 << 0.0 << 20 << 100000 << QPoint(680, 80)
                       << QPoint(1080, 1080);
    QTest::newRow("H") << 60.0 << 0.0 << 0.055 << 0.0 << 16 << 18181 << QPoint(80, 80)
                       << QPoint(1040, 1079);
    QTest::newRow("60 °C span ends short of 1080")
        << 50.0 << -10.0 << 0.035 << 0.0 << 16 << 28571 << QPoint(240, 80) << QPoint(1040, 1079);
    QTest::newRow("humidity above 0")
        << 40.0 << -3.0 << 0.03 << 0.004 << 23 << 38461 << QPoint(149, -73) << QPoint(1069, 1080);
}

void ChartTest::mappingNumbers() {
    QFETCH(double, maxDb);
    QFETCH(double, minDb);
    QFETCH(double, maxXi);
    QFETCH(double, minXi);
    QFETCH(int, scaleX);
    QFETCH(int, scaleY);
    QFETCH(QPoint, origin);
    QFETCH(QPoint, topRight);

    CZephRun run;
    CStaticGraph chart(run);
    SetRange(run, maxDb, minDb, maxXi, minXi);
    QCOMPARE(chart.ScaleX, 0);  // nothing before the first paint
    QCOMPARE(chart.Frame, LogicalRect{});

    // The mapping is logical: the same at every size of the control.
    for (QSize size : {QSize(1160, 1160), QSize(300, 700), QSize(1400, 500)}) {
        Render(chart, size);
        QCOMPARE(chart.ScaleX, scaleX);
        QCOMPARE(chart.ScaleY, scaleY);
        QCOMPARE(chart.Origin, origin);
        QCOMPARE(chart.Frame, (LogicalRect{0, 0, 1160, 1160}));
        QCOMPARE(LogicalOf(chart, minDb, minXi), QPoint(80, 80));
        QCOMPARE(LogicalOf(chart, maxDb, maxXi), topRight);
    }
}

void ChartTest::toLogicalNeverOverflows() {
    const int big = std::numeric_limits<int>::max();
    const int small = std::numeric_limits<int>::min();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QPoint origin(180, 80);

    // Products truncate toward zero before the origin is added.
    QCOMPARE(CZephGraph::ToLogical(origin, 20, 28571, -5.0, 0.0), QPoint(80, 80));
    QCOMPARE(CZephGraph::ToLogical(origin, 20, 28571, -4.99, 0.0349999), QPoint(81, 1079));
    // A 999 record on a tiny range, infinities and NaN saturate instead of
    // overflowing; NaN counts as 0.
    QCOMPARE(CZephGraph::ToLogical(origin, big, big, 999.0, -999.0), QPoint(big, small + 80));
    QCOMPARE(CZephGraph::ToLogical(QPoint(big, small), 20, 20, inf, -inf), QPoint(big, small));
    QCOMPARE(CZephGraph::ToLogical(QPoint(-10, small), 20, 20, -inf, -1.0), QPoint(small, small));
    QCOMPARE(CZephGraph::ToLogical(origin, 20, 28571, nan, nan), origin);
}

void ChartTest::markerLandsOnItsDevicePosition_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("db");
    QTest::addColumn<double>("xi");
    QTest::newRow("sheet size") << QSize(1160, 1160) << 26.0 << 0.0105;
    QTest::newRow("dialog size") << QSize(600, 560) << 33.0 << 0.019;
    QTest::newRow("tall") << QSize(500, 900) << 10.0 << 0.004;
    QTest::newRow("wide") << QSize(1400, 500) << 40.0 << 0.030;
}

// Drives the real paint handler (frame included) and looks for the red
// ring where ToLogical puts the point, and nowhere else.
void ChartTest::markerLandsOnItsDevicePosition() {
    QFETCH(QSize, size);
    QFETCH(double, db);
    QFETCH(double, xi);

    CZephRun run;
    CStaticGraph chart(run);
    chart.resize(size + QSize(2, 2));
    QCOMPARE(chart.contentsRect(), QRect(QPoint(1, 1), size));
    run.AppendPoint(MakePoint(1, 2, db, xi));
    const QImage image = chart.grab().toImage();

    const QPoint centre = DevicePos(LogicalOf(chart, db, xi), size) + QPoint(1, 1);
    // Ring of 6 × 7 logical units with a 3-unit pen, plus 2 pixels of slack.
    const double side = std::min(size.width(), size.height());
    const int rx = int(std::ceil(8 * side / kSheet)) + 2;
    const int ry = int(std::ceil(9 * side / kSheet)) + 2;
    const QRect box(centre.x() - rx, centre.y() - ry, 2 * rx + 1, 2 * ry + 1);

    const int inside = Count(image, box, IsRed);
    QVERIFY(inside > 0);
    QCOMPARE(Count(image, image.rect(), IsRed), inside);  // no red anywhere else
    // Centred: the ring shows on all four sides of the position.
    QVERIFY(Count(image, QRect(box.left(), box.top(), rx, box.height()), IsRed) > 0);
    QVERIFY(Count(image, QRect(centre.x() + 1, box.top(), rx, box.height()), IsRed) > 0);
    QVERIFY(Count(image, QRect(box.left(), box.top(), box.width(), ry), IsRed) > 0);
    QVERIFY(Count(image, QRect(box.left(), centre.y() + 1, box.width(), ry), IsRed) > 0);
    if (size == QSize(1160, 1160)) QVERIFY(!IsRed(image.pixel(centre)));  // outline only
}

void ChartTest::viewRangeBounds_data() {
    QTest::addColumn<double>("db");
    QTest::addColumn<double>("xi");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("on the top-right corner") << 45.0 << 0.035 << true;
    QTest::newRow("on the bottom-left corner") << -5.0 << 0.0 << true;
    QTest::newRow("just right of the range") << 45.01 << 0.01 << false;
    QTest::newRow("just left of the range") << -5.01 << 0.001 << false;
    QTest::newRow("just above the range") << 20.0 << 0.0351 << false;
    QTest::newRow("just below the range") << 20.0 << -0.0001 << false;
    QTest::newRow("failed calculation") << 999.0 << 999.0 << false;
}

void ChartTest::viewRangeBounds() {
    QFETCH(double, db);
    QFETCH(double, xi);
    QFETCH(bool, drawn);

    const QSize size(800, 800);
    CZephRun run;
    CStaticGraph chart(run);
    run.AppendPoint(MakePoint(1, 2, db, xi));
    const QImage image = Render(chart, size);
    const int red = Count(image, image.rect(), IsRed);
    if (!drawn) {
        QCOMPARE(red, 0);
        return;
    }
    const QPoint centre = DevicePos(LogicalOf(chart, db, xi), size);
    QVERIFY(red > 0);
    QCOMPARE(Count(image, Around(centre, 10), IsRed), red);
}

// Style 0 draws the line to (Db1, Xi1), style 1 also the one to (Db2, Xi2),
// style 2 the marker alone, any other style nothing at all; a line with one
// end outside the range is left out.
void ChartTest::processLinesByStyle() {
    const QSize size(1160, 1160);
    CZephRun run;
    CStaticGraph chart(run);
    const QImage bare = Render(chart, size);
    const QPoint mid1 = DevicePos(LogicalOf(chart, 20.0, 0.010), size);  // (25, .012)–(15, .008)
    const QPoint mid2 = DevicePos(LogicalOf(chart, 30.0, 0.011), size);  // (25, .012)–(35, .010)
    const auto lines = [&](int style, double db2) {
        run.SetPoints({MakePoint(1, style, 25.0, 0.012, 15.0, 0.008, db2, 0.010)});
        const QImage image = Render(chart, size);
        return QPair<bool, bool>(Count(image, Around(mid1, 3), IsBlue) > 0,
                                 Count(image, Around(mid2, 3), IsBlue) > 0);
    };
    QCOMPARE(Count(bare, Around(mid1, 3), IsBlue), 0);
    QCOMPARE(Count(bare, Around(mid2, 3), IsBlue), 0);

    QCOMPARE(lines(1, 35.0), qMakePair(true, true));
    QCOMPARE(lines(0, 35.0), qMakePair(true, false));
    QCOMPARE(lines(2, 35.0), qMakePair(false, false));
    QCOMPARE(lines(1, 45.5), qMakePair(true, false));  // second origin outside the range

    run.SetPoints({MakePoint(1, 3, 25.0, 0.012, 15.0, 0.008, 35.0, 0.010)});
    QCOMPARE(Render(chart, size), bare);

    // The marker is drawn after its own lines: where the line from the
    // previous point enters the ring (5.4 units left of and 3.1 below the
    // centre for this slope), the ring stays red.
    const QPoint centre = DevicePos(LogicalOf(chart, 25.0, 0.012), size);
    const QRect entry = Around(centre + QPoint(-6, 3), 1);
    QImage lineOnly(size, QImage::Format_RGB32);
    {
        QPainter painter(&lineOnly);
        CZephGraph graph;
        graph.DrawChart(painter, lineOnly.rect(), 1013.25);
        graph.DrawProcessLine(painter, graph.Origin, graph.ScaleX, graph.ScaleY, 25.0, 0.012, 15.0,
                              0.008);
    }
    run.SetPoints({MakePoint(1, 2, 15.0, 0.008), MakePoint(2, 0, 25.0, 0.012, 15.0, 0.008)});
    const QImage image = Render(chart, size);
    int crossed = 0;
    for (int y = entry.top(); y <= entry.bottom(); ++y) {
        for (int x = entry.left(); x <= entry.right(); ++x) {
            if (!IsBlue(lineOnly.pixel(x, y))) continue;
            ++crossed;
            QVERIFY(IsRed(image.pixel(x, y)));
        }
    }
    QVERIFY(crossed > 0);
}

void ChartTest::gridCountedFromTheMinimum_data() {
    QTest::addColumn<double>("maxDb");
    QTest::addColumn<double>("minDb");
    QTest::addColumn<double>("maxXi");
    QTest::addColumn<double>("minXi");
    QTest::addColumn<bool>("humidity");  // a humidity line, else a dry-bulb line
    QTest::addColumn<double>("at");      // its humidity or temperature
    QTest::addColumn<bool>("present");

    QTest::newRow("0.030 line") << 45.0 << -5.0 << 0.035 << 0.0 << true << 0.030 << true;
    QTest::newRow("no line at the top 0.035")
        << 45.0 << -5.0 << 0.035 << 0.0 << true << 0.035 << false;
    QTest::newRow("from 0.004: 0.009") << 40.0 << -3.0 << 0.03 << 0.004 << true << 0.009 << true;
    QTest::newRow("from 0.004: not 0.010")
        << 40.0 << -3.0 << 0.03 << 0.004 << true << 0.010 << false;
    QTest::newRow("from −3 °C: 7") << 40.0 << -3.0 << 0.03 << 0.004 << false << 7.0 << true;
    QTest::newRow("from −3 °C: not 10") << 40.0 << -3.0 << 0.03 << 0.004 << false << 10.0 << false;
    QTest::newRow("default: 30 °C") << 45.0 << -5.0 << 0.035 << 0.0 << false << 30.0 << true;
}

void ChartTest::gridCountedFromTheMinimum() {
    QFETCH(double, maxDb);
    QFETCH(double, minDb);
    QFETCH(double, maxXi);
    QFETCH(double, minXi);
    QFETCH(bool, humidity);
    QFETCH(double, at);
    QFETCH(bool, present);

    CZephRun run;
    CStaticGraph chart(run);
    SetRange(run, maxDb, minDb, maxXi, minXi);
    const QImage image = Render(chart, QSize(1160, 1160));
    // A stretch clear of the ticks and of saturation: the humidity lines
    // just left of the right axis, the dry-bulb lines just above the bottom.
    const double span = humidity ? maxDb - minDb : maxXi - minXi;
    const QPoint from = humidity ? LogicalOf(chart, maxDb - span / 20, at)
                                 : LogicalOf(chart, at, minXi + span / 40);
    const QPoint to = humidity ? LogicalOf(chart, maxDb - span / 10, at)
                               : LogicalOf(chart, at, minXi + span / 15);
    const int grey = GreyAlong(image, from, to);
    if (present)
        QVERIFY2(grey >= 30, qPrintable(QString::number(grey)));
    else
        QVERIFY2(grey <= 5, qPrintable(QString::number(grey)));
}

void ChartTest::hitBoxEdges_data() {
    QTest::addColumn<QPoint>("offset");  // click minus marker, logical units, y up
    QTest::addColumn<bool>("hit");
    QTest::newRow("on the marker") << QPoint(0, 0) << true;
    QTest::newRow("10 right") << QPoint(10, 0) << true;
    QTest::newRow("11 right") << QPoint(11, 0) << false;
    QTest::newRow("10 above") << QPoint(0, 10) << true;
    QTest::newRow("11 above") << QPoint(0, 11) << false;
    QTest::newRow("4 left") << QPoint(-4, 0) << true;
    QTest::newRow("5 left") << QPoint(-5, 0) << false;
    QTest::newRow("4 below") << QPoint(0, -4) << true;
    QTest::newRow("5 below") << QPoint(0, -5) << false;
    QTest::newRow("corner 10 right 10 above") << QPoint(10, 10) << true;
    QTest::newRow("corner 4 left 4 below") << QPoint(-4, -4) << true;
}

// Clicks the shown control: on a 1160 × 1160 client a pixel is one logical
// unit, so the click lands exactly offset from the marker.
void ChartTest::hitBoxEdges() {
    QFETCH(QPoint, offset);
    QFETCH(bool, hit);

    CZephRun run;
    CStaticGraph chart(run);
    chart.resize(kSheet + 2, kSheet + 2);
    run.SetPoints(
        {MakePoint(1, 2, 20.0, 0.02), MakePoint(2, 3, 20.0, 0.02), MakePoint(3, 2, 30.0, 0.01)});
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QCOMPARE(chart.contentsRect().size(), QSize(kSheet, kSheet));
    chart.repaint();

    QSignalSpy spy(&chart, &CStaticGraph::pointsHit);
    const QPoint click = LogicalOf(chart, 20.0, 0.02) + offset;
    QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(click.x() + 1, kSheet - click.y() + 1));
    QCOMPARE(spy.count(), 1);
    const auto hits = spy.at(0).at(0).value<QList<CZephData>>();
    // The style-3 record at the same place is never found.
    QCOMPARE(hits.size(), hit ? 1 : 0);
    if (hit) QCOMPARE(hits.at(0).N, 1);
}

void ChartTest::twoMarkersInOneBoxReportBoth() {
    CZephRun run;
    CStaticGraph chart(run);
    chart.resize(kSheet + 2, kSheet + 2);
    run.SetPoints({MakePoint(1, 2, 20.0, 0.0200), MakePoint(2, 2, 30.0, 0.01),
                   MakePoint(3, 0, 20.1, 0.0201, 30.0, 0.01)});
    chart.grab();  // one paint sets the mapping

    const QPoint marker = LogicalOf(chart, 20.0, 0.02);
    const auto hits = chart.HitTest(QPoint(marker.x() + 1 + 3, kSheet - marker.y() + 1 - 3));
    QCOMPARE(hits.size(), 2);
    QCOMPARE(hits.at(0).N, 1);
    QCOMPARE(hits.at(1).N, 3);  // the later one last: it is what stays on display
}

void ChartTest::nothingIsHitBeforeThePaint() {
    CZephRun run;
    CStaticGraph chart(run);
    chart.resize(600, 560);
    run.SetPoints({MakePoint(1, 2, 0.0, 0.0), MakePoint(2, 2, -5.0, 0.0)});
    // Before any paint the mapping is zero and would put every marker at
    // the click's own logical origin.
    QVERIFY(chart.HitTest(QPoint(1, 559)).isEmpty());
    QVERIFY(chart.HitTest(QPoint(0, 0)).isEmpty());
    chart.grab();
    const QPoint marker = DevicePos(LogicalOf(chart, -5.0, 0.0), QSize(598, 558)) + QPoint(1, 1);
    QCOMPARE(chart.HitTest(marker).size(), 1);
    const int far = std::numeric_limits<int>::max();
    QVERIFY(chart.HitTest(QPoint(-far - 1, far)).isEmpty());  // no overflow at the int limits
}

// A point left outside by a change of range maps into the margin, where
// no marker is drawn; a click there finds nothing.
void ChartTest::pointsOutsideTheRangeAreNotHit() {
    CZephRun run;
    CStaticGraph chart(run);
    chart.resize(kSheet + 2, kSheet + 2);
    run.SetPoints({MakePoint(1, 2, 45.5, 0.02), MakePoint(2, 2, 20.0, 0.0352)});
    chart.grab();
    for (const CZephData& point : run.State().points) {
        const QPoint marker = LogicalOf(chart, point.Db, point.Xi);
        QVERIFY(chart.HitTest(QPoint(marker.x() + 1, kSheet - marker.y() + 1)).isEmpty());
    }
    SetRange(run, 60.0, 0.0, 0.055, 0.0);  // the H range shows them both
    chart.grab();
    for (const CZephData& point : run.State().points) {
        const QPoint marker = LogicalOf(chart, point.Db, point.Xi);
        QCOMPARE(chart.HitTest(QPoint(marker.x() + 1, kSheet - marker.y() + 1)).size(), 1);
    }
}

void ChartTest::unusableRangeDrawsAWhiteSheet_data() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<double>("maxDb");
    QTest::addColumn<double>("minDb");
    QTest::addColumn<double>("maxXi");
    QTest::addColumn<double>("minXi");
    QTest::newRow("temperatures inverted") << 5.0 << 10.0 << 0.035 << 0.0;
    QTest::newRow("temperatures equal") << 10.0 << 10.0 << 0.035 << 0.0;
    QTest::newRow("humidities inverted") << 45.0 << -5.0 << 0.0 << 0.01;
    QTest::newRow("humidities equal") << 45.0 << -5.0 << 0.01 << 0.01;
    QTest::newRow("NaN") << nan << -5.0 << 0.035 << 0.0;
    QTest::newRow("infinite") << inf << -5.0 << 0.035 << 0.0;
    QTest::newRow("span beyond 1000 °C") << 1.0e9 << -1.0e9 << 0.035 << 0.0;
    QTest::newRow("span beyond 1 kg/kg") << 45.0 << -5.0 << 1.0e300 << 0.0;
    QTest::newRow("span too fine for int") << 1.0e-12 << 0.0 << 0.035 << 0.0;
    QTest::newRow("far from 0 °C") << 1.0e10 + 10 << 1.0e10 << 0.035 << 0.0;
}

// Nothing but white, with points on and beyond the bounds, no failure and
// no hit.
void ChartTest::unusableRangeDrawsAWhiteSheet() {
    QFETCH(double, maxDb);
    QFETCH(double, minDb);
    QFETCH(double, maxXi);
    QFETCH(double, minXi);

    CZephRun run;
    CStaticGraph chart(run);
    chart.resize(302, 302);
    SetRange(run, maxDb, minDb, maxXi, minXi);
    run.SetPoints({MakePoint(1, 2, minDb, minXi), MakePoint(2, 1, maxDb, maxXi, minDb, minXi),
                   MakePoint(3, 0, 999.0, 999.0, minDb, maxXi)});
    const QImage image = Render(chart, QSize(300, 300));
    QCOMPARE(Count(image, image.rect(), [](QRgb c) { return c != qRgb(255, 255, 255); }), 0);
    QCOMPARE(chart.Frame, (LogicalRect{0, 0, 1160, 1160}));
    for (int x = 0; x < 300; x += 7)
        for (int y = 0; y < 300; y += 7) QVERIFY(chart.HitTest(QPoint(x, y)).isEmpty());
}

// atof rules in the C locale whatever the desktop's locale: leading
// numbers count, anything else reads as 0 (the curves then vanish).
void ChartTest::pressureTextReadWithCRules() {
    const QSize size(600, 560);
    CZephRun run;
    CStaticGraph chart(run);
    const auto at = [&](const char* text) {
        run.SetPressureText(QString::fromUtf8(text));
        return Render(chart, size);
    };
    const QImage standard = at("1013.25");
    const QImage zero = at("0");
    QVERIFY(standard != zero);
    QCOMPARE(at("abc"), zero);
    QCOMPARE(at(""), zero);
    QCOMPARE(at("  1013.25 hPa"), standard);
    QCOMPARE(chart.Pressure(), 1013.25);

    const ScopedLocale german("de_DE.UTF-8");
    if (!german.ok()) QSKIP("de_DE.UTF-8 locale not installed");
    QCOMPARE(at("1013.25"), standard);
    QCOMPARE(chart.Pressure(), 1013.25);
}

namespace {
class MenuParent : public QWidget {
  public:
    int menus = 0;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        ++menus;
        event->accept();
    }
};
}  // namespace

void ChartTest::rightClickReachesTheParent() {
    CZephRun run;
    MenuParent parent;
    parent.resize(700, 600);
    auto* chart = new CStaticGraph(run, &parent);
    chart->setGeometry(5, 5, 602, 562);
    run.SetPoints({MakePoint(1, 2, 20.0, 0.02)});
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    chart->repaint();
    QSignalSpy spy(chart, &CStaticGraph::pointsHit);

    const QPoint marker = DevicePos(LogicalOf(*chart, 20.0, 0.02), QSize(600, 560)) + QPoint(1, 1);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(marker), chart->mapToGlobal(marker),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(chart, &press);
    QVERIFY(!press.isAccepted());  // left for the parent
    QCOMPARE(spy.count(), 0);

    QContextMenuEvent menu(QContextMenuEvent::Mouse, marker, chart->mapToGlobal(marker));
    QApplication::sendEvent(chart, &menu);
    QCOMPARE(parent.menus, 1);
    QCOMPARE(spy.count(), 0);
}

QTEST_MAIN(ChartTest)
#include "chart_test.moc"
