// The report in the English interface: with the English translation
// installed the capacity blocks read in English, in the columns of the
// Japanese layout, and nothing else changes; without it the report is the
// Japanese one again, byte for byte.

#include <QDate>
#include <QTest>
#include <QTranslator>

#include "japanese_text.h"
#include "run/writefile.h"
#include "samplereport.h"

namespace {

// The sample run with names that are English too: what is left of Japanese
// then can only come from the report itself.
ReportData EnglishNamedRun() {
    ReportData data = sample::SampleRun();
    for (CZephData& point : data.points) {
        if (HasJapanese(QString::fromStdString(point.Pn))) {
            point.Pn = "OA2";
        }
    }
    data.systemNames = {QStringLiteral("AHU-1"), QStringLiteral("AHU-2")};
    data.results[1].name = QStringLiteral("Room B");
    return data;
}

const char* const kEnglishCapacityBlocks =
    R"report(---------------------------- Capacity Calculation --------------------------
Location (Room %1)
Floor area            : 120.5(m²) / Ceiling height: 2.7(m) 
System type           : Simple cooling cycle
Total capacity        :     86,000(kcal/h) / 100.00(kW) 
Sensible capacity     :     60,000(kcal/h) /  69.76(kW) 
Outdoor air load      :     20,000(kcal/h) /  23.25(kW) 
Fan load              :      3,000(kcal/h) /   3.48(kW) 
Load correction reheat:       0.00(kW) 
System reheat         :       2.00(kW) 
Total airflow         :     12,345(CMH) Air changes 38.1(N/H)
Coil airflow          :max  12,345(CMH) min       0(CMH)
Bypass airflow        :max       0(CMH) min       0(CMH)
Outdoor airflow       :      2,400(CMH) 
---------------------------- Capacity Calculation --------------------------
Location (Room B)
Floor area            :1,234.5(m²) / Ceiling height: 3.0(m) 
System type           : Bypass control
Total capacity        :   1,290,000(kcal/h) / 1,500.00(kW) 
Sensible capacity     :    990,000(kcal/h) / 1,151.16(kW) 
Outdoor air load      :    215,000(kcal/h) / 250.00(kW) 
Fan load              :     12,900(kcal/h) /  15.00(kW) 
Load correction reheat:       0.00(kW) 
System reheat         :      50.00(kW) 
Total airflow         :     98,000(CMH) Air changes  9.5(N/H)
Coil airflow          :max  80,000(CMH) min  52,000(CMH)
Bypass airflow        :max  46,000(CMH) min  18,000(CMH)
Outdoor airflow       :     15,000(CMH) 
------------------------------- Data End -----------------------------------
)report";

}  // namespace

class EnglishReportTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void englishCapacityBlocks();
};

void EnglishReportTest::englishCapacityBlocks() {
    const QDate date(2021, 8, 10);
    const QString japanese = QString::fromStdString(CWriteFile(EnglishNamedRun(), date).Text());
    QString english;
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/zeph_en.qm")));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        english = QString::fromStdString(CWriteFile(EnglishNamedRun(), date).Text());
    }
    QVERIFY2(!HasJapanese(english), qPrintable(english));
    // The tables of points are the same in both; the capacity blocks follow.
    const qsizetype blocks =
        japanese.indexOf(QString(28, QLatin1Char('-')) + QStringLiteral(" 自動計算データ"));
    QVERIFY(blocks > 0);
    QCOMPARE(english.left(blocks), japanese.left(blocks));
    QCOMPARE(english.mid(blocks), QString::fromUtf8(kEnglishCapacityBlocks));
    // The translator gone, the report is the Japanese one again.
    QCOMPARE(QByteArray::fromStdString(CWriteFile(sample::SampleRun(), date).Text()),
             QByteArray(sample::kSampleReport));
}

QTEST_GUILESS_MAIN(EnglishReportTest)
#include "report_en_test.moc"
