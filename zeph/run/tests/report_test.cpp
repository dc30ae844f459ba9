// The report text of a run without any window: word for word, whatever
// the desktop locale, with names padded by their display width.

#include <QDate>
#include <QLocale>
#include <QTest>

#include "run/writefile.h"
#include "samplereport.h"
#include "scoped_locale.h"

using sample::kSampleReport;
using sample::SampleRun;

class ReportTextTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void reportText();
    void reportTextIgnoresTheDesktopLocale();
    void displayWidth_data();
    void displayWidth();
    void reportOfARun();
};

void ReportTextTest::reportText() {
    const std::string text = CWriteFile(SampleRun(), QDate(2021, 8, 10)).Text();
    QCOMPARE(QString::fromStdString(text), QString::fromUtf8(kSampleReport));
}

void ReportTextTest::reportTextIgnoresTheDesktopLocale() {
    const ScopedLocale german("de_DE.UTF-8");
    if (!german.ok()) {
        QSKIP("the de_DE.UTF-8 locale is not installed");
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string text = CWriteFile(SampleRun(), QDate(2021, 8, 10)).Text();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(QByteArray::fromStdString(text), QByteArray(kSampleReport));
}

void ReportTextTest::displayWidth_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("ascii") << QStringLiteral("AHU-1") << 5;
    QTest::newRow("kanji and kana") << QStringLiteral("外気ミックス") << 12;
    QTest::newRow("half-width katakana") << QStringLiteral("ﾊﾞｲﾊﾟｽ") << 6;
    QTest::newRow("full-width letters") << QStringLiteral("ＯＡ１") << 6;
    QTest::newRow("combining accent") << QStringLiteral("e\u0301") << 1;
    QTest::newRow("outside the basic plane") << QStringLiteral("\U00020B9F") << 2;
}

void ReportTextTest::displayWidth() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QCOMPARE(CWriteFile::DisplayWidth(text), width);
}

void ReportTextTest::reportOfARun() {
    RunState run;
    run.allPoints = SampleRun().points;
    run.systemNames = SampleRun().systemNames;
    run.eqcResults = SampleRun().results;
    run.points = {SampleRun().points.first()};  // not finished: not reported
    const std::string text = CWriteFile(ReportOf(run), QDate(2021, 8, 10)).Text();
    QCOMPARE(QByteArray::fromStdString(text), QByteArray(kSampleReport));
}

QTEST_GUILESS_MAIN(ReportTextTest)
#include "report_test.moc"
