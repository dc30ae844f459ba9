// The report of a run: its exact text, its independence from the desktop
// locale, and the finish question that writes it, with every way a write
// can end (written, failed, cancelled, declined, nothing to ask about).

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "capacity/writefile.h"
#include "file_size_limit.h"
#include "maindlgtest.h"
#include "scoped_locale.h"

using Id = CZephDlgJ::ControlId;
using zeph::MsgAnswer;

Q_DECLARE_METATYPE(zeph::MsgAnswer)

namespace {

CZephData Point(int n, const char* name, double db, double wb, double rh, double dp, double hi,
                double xi, double dn) {
    CZephData p;
    p.N = n;
    p.Pn = name;
    p.Db = db;
    p.Wb = wb;
    p.Rh = rh;
    p.Dp = dp;
    p.Hi = hi;
    p.Xi = xi;
    p.Dn = dn;
    return p;
}

// Two systems of three points with a long, a wide, a half-width, an empty
// and a format-like name, and two capacity results (the second with texts
// longer than their fields).
ReportData SampleRun() {
    ReportData data;
    data.points = {
        Point(1, "OA", 33.0, 27.0, 63.0, 25.2, 20.5, 0.0200, 1.1450),
        Point(2, "RoomAir", 26.0, 18.7, 50.0, 14.8, 12.6, 0.010500, 1.1800),
        Point(3, "外気", 10.0, 5.5, 45.5, -1.2, 4.25, 0.003456, 1.2400),
        Point(1, "%s%n", 20.0, 14.0, 50.0, 9.3, 9.4, 0.007300, 1.2000),
        Point(2, "ﾐｯｸｽ", 22.5, 16.0, 52.0, 12.1, 10.7, 0.008800, 1.1900),
        Point(3, "", -5.0, -6.2, 80.0, -7.8, -1.0, 0.002000, 1.3100),
    };
    data.systemNames = {QStringLiteral("AHU-1"), QStringLiteral("系統 %1")};
    const CAutoCal_Ret simple{.name = QStringLiteral("Room %1"),
                              .floorArea = 120.5,
                              .ceilingHeight = 2.7,
                              .totalAirflow = 12345,
                              .outdoorAirflow = 2400,
                              .coilAirflowMax = 12345,
                              .airChangeRate = 38.1,
                              .outdoorAirLoad = 20000,
                              .fanLoad = 3000,
                              .systemReheat = 1720,
                              .sensibleCapacity = 60000,
                              .totalCapacity = 86000};
    const CAutoCal_Ret bypass{.name = QStringLiteral("室B"),
                              .system = 1,
                              .floorArea = 1234.5,
                              .ceilingHeight = 3.0,
                              .totalAirflow = 98000,
                              .outdoorAirflow = 15000,
                              .coilAirflowMax = 80000,
                              .coilAirflowMin = 52000,
                              .bypassAirflow1 = 46000,
                              .bypassAirflow2 = 18000,
                              .airChangeRate = 9.5,
                              .outdoorAirLoad = 215000,
                              .fanLoad = 12900,
                              .systemReheat = 43000,
                              .sensibleCapacity = 990000,
                              .totalCapacity = 1290000};
    data.results = {simple, bypass};
    return data;
}

const char* const kSampleReport = R"report(Location (AHU-1)  Date (2021 08 10)
---------------------------------------------------------------------------
No, Name,  DB  ,  WB  ,  RH  ,Dew Pt,  Entpy  ,Entpy(SI),    Abs   , Density
        , degC , degC ,  (%) , degC ,(Kcal/kg), (KJ/kg) ,(Kg/Kg.DA), (Kg/m3)
---------------------------------------------------------------------------
01,   OA, 33.00, 27.00, 63.00, 25.20,  20.5000,  85.8141,  0.020000,  1.1450
02,RoomAir, 26.00, 18.70, 50.00, 14.80,  12.6000,  52.7442,  0.010500,  1.1800
03, 外気, 10.00,  5.50, 45.50, -1.20,   4.2500,  17.7907,  0.003456,  1.2400

Location (系統 %1)  Date (2021 08 10)
---------------------------------------------------------------------------
No, Name,  DB  ,  WB  ,  RH  ,Dew Pt,  Entpy  ,Entpy(SI),    Abs   , Density
        , degC , degC ,  (%) , degC ,(Kcal/kg), (KJ/kg) ,(Kg/Kg.DA), (Kg/m3)
---------------------------------------------------------------------------
01, %s%n, 20.00, 14.00, 50.00,  9.30,   9.4000,  39.3489,  0.007300,  1.2000
02, ﾐｯｸｽ, 22.50, 16.00, 52.00, 12.10,  10.7000,  44.7908,  0.008800,  1.1900
03,     , -5.00, -6.20, 80.00, -7.80,  -1.0000,  -4.1861,  0.002000,  1.3100
---------------------------- 自動計算データ --------------------------------
Location (Room %1)
床面積： 120.5(㎡) / 天井高： 2.7(m) 
システムの種類：　　単純冷房サイクル
空調機全熱    ：     86,000(kcal/h) / 100.00(kW) 
空調機顕熱    ：     60,000(kcal/h) /  69.76(kW) 
外気負荷      ：     20,000(kcal/h) /  23.25(kW) 
送風機負荷    ：      3,000(kcal/h) /   3.48(kW) 
負荷補正再熱  ：       0.00(kW) 
システム再熱  ：       2.00(kW) 
全送風量      ：     12,345(CMH) 換気回数 38.1(N/H)
コイル通過風量：最大 12,345(CMH) 最小      0(CMH)
ﾊﾞｲﾊﾟｽ風量　　：最大      0(CMH) 最小      0(CMH)
外気量        ：　    2,400(CMH) 
---------------------------- 自動計算データ --------------------------------
Location (室B)
床面積：1,234.5(㎡) / 天井高： 3.0(m) 
システムの種類：　　ﾊﾞｲﾊﾟｽ制御
空調機全熱    ：   1,290,000(kcal/h) / 1,500.00(kW) 
空調機顕熱    ：    990,000(kcal/h) / 1,151.16(kW) 
外気負荷      ：    215,000(kcal/h) / 250.00(kW) 
送風機負荷    ：     12,900(kcal/h) /  15.00(kW) 
負荷補正再熱  ：       0.00(kW) 
システム再熱  ：      50.00(kW) 
全送風量      ：     98,000(CMH) 換気回数  9.5(N/H)
コイル通過風量：最大 80,000(CMH) 最小 52,000(CMH)
ﾊﾞｲﾊﾟｽ風量　　：最大 46,000(CMH) 最小 18,000(CMH)
外気量        ：　   15,000(CMH) 
------------------------------- Data End -----------------------------------
)report";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace

class ReportTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void init();
    void reportText();
    void reportTextIgnoresTheDesktopLocale();
    void displayWidth_data();
    void displayWidth();
    void finishWritesTheReportInTheDocumentsFolder();
    void finishEnds_data();
    void finishEnds();
    void failedWriteKeepsTheOldFileAndAsksAgain();
    void longNameSaves();
    void capacityResultsAreArchivedOnceWithTheirSystem();

  private:
    QTemporaryDir m_home;
    QString m_documents;
};

void ReportTest::initTestCase() {
    // The documents folder of a home of our own: $HOME/Documents.
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + QStringLiteral("/.config")));
    m_documents = m_home.path() + QStringLiteral("/Documents");
}

void ReportTest::init() {
    QDir(m_documents).removeRecursively();
}

void ReportTest::reportText() {
    const std::string text = CWriteFile(SampleRun(), QDate(2021, 8, 10)).Text();
    QCOMPARE(QString::fromStdString(text), QString::fromUtf8(kSampleReport));
}

void ReportTest::reportTextIgnoresTheDesktopLocale() {
    const ScopedLocale german("de_DE.UTF-8");
    if (!german.ok()) {
        QSKIP("the de_DE.UTF-8 locale is not installed");
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string text = CWriteFile(SampleRun(), QDate(2021, 8, 10)).Text();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(QByteArray::fromStdString(text), QByteArray(kSampleReport));
}

void ReportTest::displayWidth_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("ascii") << QStringLiteral("AHU-1") << 5;
    QTest::newRow("kanji and kana") << QStringLiteral("外気ミックス") << 12;
    QTest::newRow("half-width katakana") << QStringLiteral("ﾊﾞｲﾊﾟｽ") << 6;
    QTest::newRow("full-width letters") << QStringLiteral("ＯＡ１") << 6;
    QTest::newRow("combining accent") << QStringLiteral("e\u0301") << 1;
    QTest::newRow("outside the basic plane") << QStringLiteral("\U00020B9F") << 2;
}

void ReportTest::displayWidth() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QCOMPARE(CWriteFile::DisplayWidth(text), width);
}

void ReportTest::finishWritesTheReportInTheDocumentsFolder() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    for (const char* db : {"20", "24", "28"}) {
        rig.AddPoint(QString::fromLatin1(db), QStringLiteral("50"));
    }
    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    for (const char* db : {"10", "15", "30"}) {
        rig.AddPoint(QString::fromLatin1(db), QStringLiteral("40"));
    }
    // Another name is refused (the file library's message, shown as the
    // program's), then the proposed file is taken.
    rig.ui.answers << MsgAnswer::Yes << MsgAnswer::Ok;
    rig.ui.fileAnswers << m_documents + QStringLiteral("/zephdata.txt") << QString();
    QTest::mouseClick(d.Control(Id::IDOK_FINISH), Qt::LeftButton);

    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(rig.ui.Texts(), (QStringList{QStringLiteral("データをファイルに記録しますか　？"),
                                          QStringLiteral(" Not Correct File ! ")}));
    QCOMPARE(rig.ui.messages.at(0).buttons, zeph::MsgButtons::YesNo);
    QCOMPARE(rig.ui.messages.at(1).caption, zeph::AppTitle());
    QCOMPARE(rig.ui.fileRequests.size(), 2);
    for (const CScriptedUi::FileRequest& asked : rig.ui.fileRequests) {
        QVERIFY(asked.save);
        QCOMPARE(asked.request.proposedPath, m_documents + QStringLiteral("/ZephData.txt"));
        QCOMPARE(asked.request.nameFilters, QStringList{QStringLiteral("txt Files (*.txt)")});
    }

    QCOMPARE(FilesIn(m_documents), QStringList{QStringLiteral("ZephData.txt")});
    const QStringList lines =
        QString::fromUtf8(ReadAll(m_documents + QStringLiteral("/ZephData.txt")))
            .split(QLatin1Char('\n'));
    const QString date = QStringLiteral("Date (") + QDate::currentDate().toString(u"yyyy MM dd");
    QCOMPARE(lines.at(0), QStringLiteral("Location (System 1)  ") + date + QLatin1Char(')'));
    QVERIFY(lines.at(5).startsWith(QStringLiteral("01,     , 20.00,")));
    QVERIFY(lines.at(7).startsWith(QStringLiteral("03,     , 28.00,")));
    QCOMPARE(lines.at(8), QString());
    QCOMPARE(lines.at(9), QStringLiteral("Location (System 2)  ") + date + QLatin1Char(')'));
    QVERIFY(lines.at(14).startsWith(QStringLiteral("01,     , 10.00,")));
    QVERIFY(lines.at(16).startsWith(QStringLiteral("03,     , 30.00,")));
    QCOMPARE(lines.at(17), QString(31, QLatin1Char('-')) + QStringLiteral(" Data End ") +
                               QString(35, QLatin1Char('-')));
    QCOMPARE(lines.size(), 19);  // the text ends with its line end
}

void ReportTest::finishEnds_data() {
    QTest::addColumn<bool>("withPoint");
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("no point: nothing asked") << false << QList<MsgAnswer>{} << 0 << 0;
    QTest::newRow("No: nothing written") << true << QList<MsgAnswer>{MsgAnswer::No} << 1 << 0;
    QTest::newRow("Cancel, then No: asked again, nothing written")
        << true << QList<MsgAnswer>{MsgAnswer::Yes, MsgAnswer::No} << 2 << 1;
}

void ReportTest::finishEnds() {
    QFETCH(bool, withPoint);
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(int, questions);
    QFETCH(int, dialogs);
    MainDialogRig rig;
    if (withPoint) {
        rig.AddPoint(QStringLiteral("20"), QStringLiteral("50"));
    }
    rig.ui.answers = answers;  // file dialogs are cancelled
    QTest::mouseClick(rig.dlg->Control(Id::IDOK_FINISH), Qt::LeftButton);
    QCOMPARE(rig.dlg->result(), int(QDialog::Accepted));
    QCOMPARE(rig.ui.messages.size(), questions);
    QCOMPARE(rig.ui.fileRequests.size(), dialogs);
    QVERIFY(FilesIn(m_documents).isEmpty());
}

void ReportTest::failedWriteKeepsTheOldFileAndAsksAgain() {
    QVERIFY(QDir().mkpath(m_documents));
    const QString path = m_documents + QStringLiteral("/ZephData.txt");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the report of last week\n");
    }
    MainDialogRig rig;
    for (const char* db : {"20", "24", "28"}) {
        rig.AddPoint(QString::fromLatin1(db), QStringLiteral("50"));
    }
    rig.ui.answers << MsgAnswer::Yes << MsgAnswer::Ok << MsgAnswer::No;
    rig.ui.fileAnswers << path;
    {
        // Room for the header and a little more, not for the whole report.
        const FileSizeLimit limit(400);
        QTest::mouseClick(rig.dlg->Control(Id::IDOK_FINISH), Qt::LeftButton);
    }
    const QStringList texts = rig.ui.Texts();
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts.at(0), QStringLiteral("データをファイルに記録しますか　？"));
    QCOMPARE(texts.at(1), QStringLiteral("Can not save ") + path +
                              QStringLiteral(" (File too large). An existing file of that name "
                                             "is unchanged."));
    QCOMPARE(rig.ui.messages.at(1).icon, zeph::MsgIcon::Stop);
    QCOMPARE(texts.at(2), texts.at(0));
    QCOMPARE(ReadAll(path), QByteArray("the report of last week\n"));
    QCOMPARE(FilesIn(m_documents), QStringList{QStringLiteral("ZephData.txt")});
    QCOMPARE(rig.dlg->result(), int(QDialog::Accepted));
}

void ReportTest::longNameSaves() {
    // 250 bytes with ".txt", which the folder takes.
    const QString base(246, QLatin1Char('r'));
    QVERIFY(QDir().mkpath(m_documents));
    MainDialogRig rig;
    rig.ui.fileAnswers << QString();
    QCOMPARE(CWriteFile(SampleRun()).Write(base, m_documents), CWriteFile::Result::Written);
    QVERIFY(rig.ui.messages.isEmpty());
    QCOMPARE(FilesIn(m_documents), QStringList{base + QStringLiteral(".txt")});
}

void ReportTest::capacityResultsAreArchivedOnceWithTheirSystem() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    CAutoCal_Ret first;
    first.name = QStringLiteral("Room A");
    first.totalCapacity = 86000;
    CAutoCal_Ret second = first;
    second.name = QStringLiteral("Room B");

    // A result of the first system goes with it at the reset.
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("50"));
    d.Run().SetCapacityResult(first);
    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    QCOMPARE(d.Run().State().eqcResults, QList<CAutoCal_Ret>{first});
    QCOMPARE(d.Run().State().eqcPending, 0);
    // A second reset has nothing new to archive.
    QTest::mouseClick(d.Control(Id::IDC_RESET), Qt::LeftButton);
    QCOMPARE(d.Run().State().eqcResults.size(), 1);

    // The last system's result is archived by the finish, and reported.
    rig.AddPoint(QStringLiteral("24"), QStringLiteral("50"));
    d.Run().SetCapacityResult(second);
    rig.ui.answers << MsgAnswer::Yes;
    rig.ui.fileAnswers << QString();
    QTest::mouseClick(d.Control(Id::IDOK_FINISH), Qt::LeftButton);
    QCOMPARE(d.Run().State().eqcResults, (QList<CAutoCal_Ret>{first, second}));
    QCOMPARE(d.Run().State().eqcPending, 0);
    const QString report =
        QString::fromUtf8(ReadAll(m_documents + QStringLiteral("/ZephData.txt")));
    QCOMPARE(report.count(QStringLiteral(" 自動計算データ ")), 2);
    QVERIFY(report.contains(QStringLiteral("Location (Room A)\n")));
    QVERIFY(report.contains(QStringLiteral("Location (Room B)\n")));
    QVERIFY(report.contains(QStringLiteral("空調機全熱    ：     86,000(kcal/h) / 100.00(kW) \n")));
}

QTEST_MAIN(ReportTest)
#include "report_test.moc"
