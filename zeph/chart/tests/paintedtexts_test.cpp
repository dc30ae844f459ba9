// The texts painted on the chart and its page follow the interface's
// language: the axis titles and the title block read in Japanese without a
// translation and in English with the program's, and the English page holds
// no Japanese character, while a point's name (data) stays as typed.
#include <QDate>
#include <QPainter>
#include <QTest>
#include <QTranslator>

#include <memory>

#include "chart/chartpicture.h"
#include "japanese_text.h"
#include "run/zephrun.h"
#include "text_recorder.h"

namespace {

CZephData NamedPoint() {
    CZephData point;
    point.Style = static_cast<STYLE>(2);
    point.N = 1;
    point.Db = 26.0;
    point.Rh = 50.0;
    point.Xi = 0.0105;
    point.Pn = "S.A";
    return point;
}

}  // namespace

class PaintedTextsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void chartAndPageFollowTheLanguage_data();
    void chartAndPageFollowTheLanguage();
};

void PaintedTextsTest::chartAndPageFollowTheLanguage_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Japanese") << false
                              << QStringList{QStringLiteral("温度 （℃）"),
                                             QStringLiteral("絶対湿度 (Kg/Kg)(DA)"),
                                             QStringLiteral("大気圧 1013.25 hPa"),
                                             QStringLiteral("日付 2026/12/07")};
    QTest::newRow("English") << true
                             << QStringList{QStringLiteral("Dry bulb (°C)"),
                                            QStringLiteral("Humidity ratio (kg/kg DA)"),
                                            QStringLiteral("Pressure 1013.25 hPa"),
                                            QStringLiteral("Date 2026/12/07")};
}

void PaintedTextsTest::chartAndPageFollowTheLanguage() {
    QFETCH(bool, english);
    QFETCH(QStringList, expected);
    std::unique_ptr<QTranslator> translator;
    if (english) {
        translator = std::make_unique<QTranslator>();
        QVERIFY(translator->load(QStringLiteral(":/i18n/zeph_en.qm")));
        QVERIFY(QCoreApplication::installTranslator(translator.get()));
    }
    CZephRun run;
    run.AppendPoint(NamedPoint());
    TextRecorder device;
    {
        QPainter painter(&device);
        PaintChartPicture(painter, QRect(0, 0, 800, 800), run, ChartOptions{});
        PaintChartPage(painter, QRect(0, 0, 2000, 1400), run, ChartOptions{},
                       ChartPageInfo{QStringLiteral("System 1"), QDate(2026, 12, 7)});
    }
    // A text of two scripts arrives in a piece for each, one after the other.
    const QString painted = device.texts.join(QString());
    for (const QString& text : std::as_const(expected)) {
        QVERIFY2(painted.contains(text), qPrintable(text));
    }
    QVERIFY(painted.contains(QStringLiteral("S.A")));
    if (english) {
        for (const QString& text : std::as_const(device.texts)) {
            QVERIFY2(!HasJapanese(text), qPrintable(text));
        }
    }
}

QTEST_MAIN(PaintedTextsTest)
#include "paintedtexts_test.moc"
