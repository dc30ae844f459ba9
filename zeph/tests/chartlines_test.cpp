// The chart's line families, cursor readout and printed page: engine states
// lie on their lines, the readout over a point gives that point's values,
// hidden families draw nothing, the families menu is remembered, and the
// printed page carries the title block.
#include <QDate>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/chartfamilies.h"
#include "chart/chartpage.h"
#include "chart/zephgraph.h"
#include "corvo/corvoapp.h"
#include "gui/staticgraph.h"
#include "maindlgtest.h"
#include "run/zephrun.h"
#include "text_recorder.h"

namespace {

constexpr double kP = 1013.25;
constexpr double kPixelsPerUnit = 1000.0 / CZephGraph::kSheet;  // a 1000 × 1000 chart

// The default view ("M") as the chart maps it.
FamilyView DefaultView(int unitMode) {
    return {45.0, -5.0, 0.035, 0.0, kP, unitMode, QPoint(180, 80), 20, 28571};
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    const double u = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0;
    const QPointF d = p - (a + ab * u);
    return std::hypot(d.x(), d.y());
}

// Distance (logical units) from p to the line of value in lines, or
// infinity when the family has no such line.
double DistanceToLine(const QList<FamilyLine>& lines, double value, QPointF p) {
    double best = std::numeric_limits<double>::infinity();
    for (const FamilyLine& line : lines) {
        if (std::abs(line.value - value) > 1e-9) continue;
        for (qsizetype i = 1; i < line.points.size(); ++i) {
            best = std::min(best, DistanceToSegment(p, line.points.at(i - 1), line.points.at(i)));
        }
    }
    return best;
}

// The device position of the state (t, x) on chart as its last paint
// mapped it (truncated to logical units, as markers are drawn).
QPoint ScreenPos(const CStaticGraph& chart, double t, double x) {
    const QPoint l = CZephGraph::ToLogical(chart.Origin, chart.ScaleX, chart.ScaleY, t, x);
    const QRectF sheet = CZephGraph::SheetArea(chart.contentsRect());
    const double k = sheet.width() / CZephGraph::kSheet;
    return QPointF(sheet.left() + l.x() * k, sheet.bottom() - l.y() * k).toPoint();
}

// A mouse move over widget to pos, as the window system delivers it.
void MoveMouse(QWidget* widget, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

CZephData PointOf(const _CORVO& state, int number) {
    CZephData point;
    point.Style = static_cast<STYLE>(2);
    point.N = number;
    point.SetValues(state);
    return point;
}

}  // namespace

class ChartLinesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QStringLiteral("Zeph"), QStringLiteral("Zeph")).clear(); }

    void statesLieOnTheirLines_data();
    void statesLieOnTheirLines();
    void readoutOverAPointGivesItsValues_data();
    void readoutOverAPointGivesItsValues();
    void readoutOffTheChartAndAboveSaturation();
    void hiddenFamiliesDrawNothing_data();
    void hiddenFamiliesDrawNothing();
    void familiesMenuIsRemembered();
    void printedPageCarriesTheTitleBlock();
};

void ChartLinesTest::statesLieOnTheirLines_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("unitMode");
    QTest::addColumn<double>("value");  // of the line, in the family's display unit
    QTest::addColumn<double>("db");     // the state: dry bulb and humidity ratio
    QTest::addColumn<double>("xi");

    const CCorvoApp engine;
    const double kj = engine.CALWKJ(2);
    const auto add = [](const char* row, const char* family, int mode, double value,
                        const _CORVO& s) {
        QTest::newRow(row) << QString::fromLatin1(family) << mode << value << s.Db << s.Xi;
    };
    add("h 12 kcal at 26 °C", "h", 0, 12.0, engine.cal_DBH(26.0, 12.0, kP));
    add("h 5 kcal at 10 °C", "h", 0, 5.0, engine.cal_DBH(10.0, 5.0, kP));
    add("h 60 kJ at 30 °C", "h", 1, 60.0, engine.cal_DBH(30.0, 60.0 / kj, kP));
    add("wb 20 at 30 °C", "wb", 1, 20.0, engine.cal_DBWB(30.0, 20.0, kP));
    add("wb 8 at 20 °C", "wb", 1, 8.0, engine.cal_DBWB(20.0, 8.0, kP));
    add("wb −2 over ice at 5 °C", "wb", 1, -2.0, engine.cal_DBWB(5.0, -2.0, kP));
    const double x = 0.008;
    add("v 0.86", "v", 1, 0.86, engine.cal_DBX(engine.Db_vxi(0.86, x, kP), x, kP));
    add("v 0.80", "v", 1, 0.80, engine.cal_DBX(engine.Db_vxi(0.80, 0.002, kP), 0.002, kP));
}

void ChartLinesTest::statesLieOnTheirLines() {
    QFETCH(QString, family);
    QFETCH(int, unitMode);
    QFETCH(double, value);
    QFETCH(double, db);
    QFETCH(double, xi);
    QVERIFY(db != 999);

    const FamilyView view = DefaultView(unitMode);
    const FamilyGeometry g = BuildFamilyGeometry(view);
    const QList<FamilyLine>& lines = family == QLatin1String("h")    ? g.enthalpy
                                     : family == QLatin1String("wb") ? g.wetBulb
                                                                     : g.volume;
    const QPointF p(view.origin.x() + view.scaleX * db, view.origin.y() + view.scaleY * xi);
    const double pixels = DistanceToLine(lines, value, p) * kPixelsPerUnit;
    QVERIFY2(pixels < 0.5, qPrintable(QString::number(pixels)));
}

void ChartLinesTest::readoutOverAPointGivesItsValues_data() {
    QTest::addColumn<int>("unitMode");
    QTest::addColumn<QSize>("size");  // of the chart's client
    QTest::addColumn<double>("db");
    QTest::addColumn<double>("rh");
    QTest::addColumn<QString>("expected");
    QTest::newRow("kcal, square")
        << 0 << QSize(1000, 1000) << 26.0 << 50.0
        << QStringLiteral(
               "DB 26.0 ℃  RH 50.0 %  WB 18.7 ℃  DP 14.8 ℃  h 12.64 kcal/kg(DA)  "
               "x 0.01050 kg/kg(DA)  v 0.862 m³/kg");
    QTest::newRow("SI, wide window")
        << 1 << QSize(1200, 700) << 33.0 << 60.0
        << QStringLiteral(
               "DB 33.0 ℃  RH 60.0 %  WB 26.4 ℃  DP 24.2 ℃  h 82.14 kJ/kg(DA)  "
               "x 0.01911 kg/kg(DA)  v 0.894 m³/kg");
    QTest::newRow("SI, below freezing, tall window")
        << 1 << QSize(500, 900) << -2.0 << 80.0
        << QStringLiteral(
               "DB -2.0 ℃  RH 80.0 %  WB -3.0 ℃  DP -4.6 ℃  h 4.36 kJ/kg(DA)  "
               "x 0.00255 kg/kg(DA)  v 0.771 m³/kg");
}

// The mouse over a marker reads what the point box shows for that point.
void ChartLinesTest::readoutOverAPointGivesItsValues() {
    QFETCH(int, unitMode);
    QFETCH(QSize, size);
    QFETCH(double, db);
    QFETCH(double, rh);
    QFETCH(QString, expected);

    CZephRun run;
    CStaticGraph chart(run);
    run.SetUnitMode(unitMode);
    chart.resize(size + QSize(2, 2));
    run.AppendPoint(PointOf(CCorvoApp().cal_DBRH(db, rh, kP), 1));
    chart.grab();

    const QPoint pos = ScreenPos(chart, db, run.State().points.at(0).Xi);

    QSignalSpy spy(&chart, &CStaticGraph::readoutChanged);
    MoveMouse(&chart, pos);
    QCOMPARE(chart.ReadoutAt(pos), expected);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), expected);

    // The other unit mode, the mouse resting: the line reads in that unit.
    run.SetUnitMode(1 - unitMode);
    chart.grab();
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(1).at(0).toString(), chart.ReadoutAt(pos));
    QVERIFY(spy.at(1).at(0).toString().contains(unitMode == 0 ? u"kJ/kg(DA)" : u"kcal/kg(DA)"));
}

void ChartLinesTest::readoutOffTheChartAndAboveSaturation() {
    CZephRun run;
    CStaticGraph chart(run);
    chart.resize(1002, 1002);
    QVERIFY(chart.ReadoutAt(QPoint(500, 500)).isEmpty());  // before the first paint
    chart.grab();
    const auto at = [&](double t, double x) { return ScreenPos(chart, t, x); };
    QCOMPARE(chart.ReadoutAt(at(5.0, 0.030)), QStringLiteral("過飽和"));
    QVERIFY(chart.ReadoutAt(at(30.0, 0.010)).startsWith(QStringLiteral("DB 30.0 ℃  RH ")));
    QVERIFY(chart.ReadoutAt(at(-7.0, 0.010)).isEmpty());  // left margin
    QVERIFY(chart.ReadoutAt(at(30.0, 0.036)).isEmpty());  // above the top
    QVERIFY(chart.ReadoutAt(QPoint(3, 3)).isEmpty());
}

void ChartLinesTest::hiddenFamiliesDrawNothing_data() {
    QTest::addColumn<int>("family");
    QTest::newRow("enthalpy") << 0;
    QTest::newRow("wet bulb") << 1;
    QTest::newRow("specific volume") << 2;
    QTest::newRow("RH labels") << 3;
    QTest::newRow("SHF scale") << 4;
}

// Each family drawn alone changes the bare chart; with every family hidden
// the chart is the bare one, pixel for pixel.
void ChartLinesTest::hiddenFamiliesDrawNothing() {
    QFETCH(int, family);
    const QRect client(0, 0, 800, 800);
    const FamilyGeometry g = BuildFamilyGeometry(DefaultView(1));
    const auto render = [&](const ChartFamilies* shown) {
        QImage image(client.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        CZephGraph graph;
        graph.DrawChart(painter, client, kP);
        if (shown != nullptr) DrawFamilies(painter, g, *shown);
        return image;
    };
    const QImage bare = render(nullptr);
    const ChartFamilies none{false, false, false, false, false};
    QCOMPARE(render(&none), bare);

    ChartFamilies alone = none;
    bool* flags[] = {&alone.enthalpy, &alone.wetBulb, &alone.volume, &alone.rhLabels,
                     &alone.shfScale};
    *flags[family] = true;
    QVERIFY(render(&alone) != bare);
}

void ChartLinesTest::familiesMenuIsRemembered() {
    const int commands[] = {CZephDlgJ::ID_SHOW_ENTHALPY, CZephDlgJ::ID_SHOW_WETBULB,
                            CZephDlgJ::ID_SHOW_VOLUME, CZephDlgJ::ID_SHOW_RH_LABELS,
                            CZephDlgJ::ID_SHOW_SHF_SCALE};
    {
        MainDialogRig rig;
        QCOMPARE(rig.dlg->m_Graph->Families, ChartFamilies{});  // all shown at first
        rig.Popup(rig.dlg->m_Graph, [&](QMenu* menu) {
            QAction* sub = MainDialogRig::Item(menu, CZephDlgJ::ID_FAMILIES);
            QVERIFY(sub != nullptr && sub->menu() != nullptr);
            QCOMPARE(sub->text(), QStringLiteral("線図の表示"));
            for (int c : commands) {
                QAction* item = MainDialogRig::Item(menu, c);
                QVERIFY(item != nullptr && item->isCheckable() && item->isChecked());
            }
        });
        rig.RunCommand(CZephDlgJ::ID_SHOW_WETBULB);
        rig.RunCommand(CZephDlgJ::ID_SHOW_SHF_SCALE);
        const ChartFamilies expected{true, false, true, true, false};
        QCOMPARE(rig.dlg->m_Graph->Families, expected);
    }
    MainDialogRig next;  // the next run starts with the last choice
    const ChartFamilies remembered{true, false, true, true, false};
    QCOMPARE(next.dlg->m_Graph->Families, remembered);
    next.Popup(next.dlg->m_Graph, [&](QMenu* menu) {
        QVERIFY(!MainDialogRig::Item(menu, CZephDlgJ::ID_SHOW_WETBULB)->isChecked());
        QVERIFY(MainDialogRig::Item(menu, CZephDlgJ::ID_SHOW_VOLUME)->isChecked());
    });
    next.RunCommand(CZephDlgJ::ID_SHOW_WETBULB);
    QVERIFY(next.dlg->m_Graph->Families.wetBulb);

    // The readout line under the chart follows the mouse.
    auto* readout = qobject_cast<QLabel*>(next.dlg->Control(CZephDlgJ::IDC_READOUT));
    QVERIFY(readout != nullptr);
    CStaticGraph* chart = next.dlg->m_Graph;
    chart->grab();  // the mapping of a paint
    const QRectF sheet = CZephGraph::SheetArea(chart->contentsRect());
    MoveMouse(chart,
              (sheet.topLeft() + QPointF(0.6 * sheet.width(), 0.7 * sheet.height())).toPoint());
    QVERIFY2(readout->text().startsWith(QStringLiteral("DB ")), qPrintable(readout->text()));
}

void ChartLinesTest::printedPageCarriesTheTitleBlock() {
    MainDialogRig rig;
    rig.Edit(CZephDlgJ::IDC_SYSTEM)->setText(QStringLiteral("空調機 AC-1"));
    rig.AddPoint(QStringLiteral("26"), QStringLiteral("50"));
    rig.AddPoint(QStringLiteral("33"), QStringLiteral("60"));
    QCOMPARE(rig.dlg->Run().State().points.size(), 2);

    // The page as the printer and the PDF file get it.
    TextRecorder page;
    {
        QPainter painter(&page);
        PaintChartPage(painter, QRect(0, 0, page.width(), page.height()), rig.dlg->Run(),
                       rig.dlg->m_Graph->Options(),
                       {QStringLiteral("空調機 AC-1"), QDate(2026, 12, 7)});
    }
    const QStringList block = {
        QStringLiteral("空調機 AC-1"),
        QStringLiteral("大気圧 1013.25 hPa"),
        QStringLiteral("日付 2026/12/07"),
        QStringLiteral("No.  DB ℃  RH %  WB ℃  h kJ/kg(DA)  x kg/kg(DA)  名称"),
        QStringLiteral("1  26.0  50.0  18.7  52.90  0.01050  "),
        QStringLiteral("2  33.0  60.0  26.4  82.14  0.01911  "),
    };
    // Text items break where the script changes (between kana and Latin).
    const QString text = page.texts.join(QString());
    for (const QString& line : block) {
        QVERIFY2(text.contains(line), qPrintable(line + " / " + page.texts.join('|')));
    }
    QVERIFY(page.texts.contains(QStringLiteral("0.035")));  // the chart is on the page too

    // Ctrl+P prints through the print dialog; a cancelled dialog prints nothing.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    rig.ui.printAnswers = {std::nullopt};
    QTest::keyClick(rig.dlg.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(rig.ui.printRequests, 1);
    QVERIFY(!QFile::exists(path));
    rig.ui.printAnswers = {path};
    rig.RunCommand(CZephDlgJ::ID_PRINT);
    QCOMPARE(rig.ui.printRequests, 2);
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
    QVERIFY(rig.ui.messages.isEmpty());
}

QTEST_MAIN(ChartLinesTest)
#include "chartlines_test.moc"
