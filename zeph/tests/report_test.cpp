// The finish question that writes the report of a run, with every way a
// write can end (written, failed, cancelled, declined, nothing to ask
// about); the report's text is tested with the run.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "file_size_limit.h"
#include "maindlgtest.h"
#include "run/writefile.h"
#include "samplereport.h"

using Id = CZephDlgJ::ControlId;
using zeph::MsgAnswer;

Q_DECLARE_METATYPE(zeph::MsgAnswer)

namespace {

using sample::SampleRun;

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
    rig.MarkSaved();
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
    rig.MarkSaved();
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
    rig.MarkSaved();
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
