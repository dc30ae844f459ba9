// The run kept in a file from the main window: save, the title's mark of
// unsaved changes, opening again, refusals that leave the run alone, the
// question before finish and close, and the recent files.

#include <QTemporaryDir>
#include <QtTest>

#include "file_size_limit.h"
#include "main/rundocument.h"
#include "main/zephapp.h"
#include "maindlgtest.h"
#include "run/runfile.h"

using Id = CZephDlgJ::ControlId;
using zeph::MsgAnswer;

namespace {

const QString kSaveQuestion = QStringLiteral("「無題」の変更を保存しますか?");

// A window with two points of a system named "North".
struct DocumentRig : MainDialogRig {
    DocumentRig() {
        AddPoint(QStringLiteral("20"), QStringLiteral("50"));
        AddPoint(QStringLiteral("30"), QStringLiteral("60"));
        Edit(Id::IDC_SYSTEM)->setText(QStringLiteral("North"));
    }
    CRunDocument& Doc() { return dlg->Document(); }
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class RunDocumentTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void init();
    void savedRunOpensAgainTheSame();
    void refusedFileLeavesTheRun_data();
    void refusedFileLeavesTheRun();
    void failedSaveKeepsTheOldFileAndTheMark();
    void unsavedChangesAreOfferedBeforeFinish_data();
    void unsavedChangesAreOfferedBeforeFinish();
    void closeCanBeCancelled();
    void recentFilesNewestFirst();
    void runFileOnTheCommandLine_data();
    void runFileOnTheCommandLine();

  private:
    QTemporaryDir m_home;
    QString m_documents;
};

void RunDocumentTest::initTestCase() {
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + QStringLiteral("/.config")));
    m_documents = m_home.path() + QStringLiteral("/Documents");
}

void RunDocumentTest::init() {
    QSettings(QStringLiteral("Zeph"), QStringLiteral("Zeph")).clear();
    QDir(m_documents).removeRecursively();
}

void RunDocumentTest::savedRunOpensAgainTheSame() {
    DocumentRig rig;
    CZephDlgJ& d = *rig.dlg;
    QVERIFY(d.isWindowModified());
    // Save As proposes the system name in the documents folder.
    rig.ui.fileAnswers << QString();
    QTest::keyClick(&d, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    const QString path = m_documents + QStringLiteral("/North.zeph");
    QCOMPARE(rig.ui.fileRequests.at(0).request.proposedPath, path);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(d.windowTitle(), QStringLiteral("North.zeph[*] - Psychrometric Chart"));
    QVERIFY(!d.isWindowModified());

    // A change marks the run; Ctrl+S saves it where it is, and undoing
    // back to the saved state clears the mark.
    rig.AddPoint(QStringLiteral("25"), QStringLiteral("40"));
    QVERIFY(d.isWindowModified());
    QTest::keyClick(&d, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(rig.ui.fileRequests.size(), 1);
    QVERIFY(!d.isWindowModified());
    d.UndoStack()->undo();
    QVERIFY(d.isWindowModified());
    d.UndoStack()->redo();
    QVERIFY(!d.isWindowModified());

    // Another window opens it: the same run, no history.
    MainDialogRig other;
    QVERIFY(other.dlg->Document().OpenPath(path));
    QVERIFY(CZephRun::SameLastingState(other.dlg->Run().State(), d.Run().State()));
    QCOMPARE(other.Edit(Id::IDC_SYSTEM)->text(), QStringLiteral("North"));
    QVERIFY(!other.dlg->UndoStack()->canUndo());
    QVERIFY(!other.dlg->isWindowModified());
    QVERIFY(other.ui.messages.isEmpty());
}

void RunDocumentTest::refusedFileLeavesTheRun_data() {
    QTest::addColumn<QByteArray>("content");  // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("RM, 26.00, 50.00\n");
    QTest::newRow("newer version") << QByteArray(R"({"format": "zeph-run", "version": 99})");
}

void RunDocumentTest::refusedFileLeavesTheRun() {
    QFETCH(QByteArray, content);
    const QString path = m_home.path() + QStringLiteral("/bad.zeph");
    QFile::remove(path);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    DocumentRig rig;
    const RunState before = rig.dlg->Run().State();
    QVERIFY(!rig.Doc().OpenPath(path));
    QCOMPARE(rig.ui.messages.size(), 1);
    const QString message = rig.ui.messages.at(0).text;
    QVERIFY2(message.contains(path) && message.count('\n') == 1, qPrintable(message));
    QCOMPARE(message.section('\n', 1), LoadRunFile(path).reason);
    QVERIFY(CZephRun::SameLastingState(rig.dlg->Run().State(), before));
    QVERIFY(rig.Doc().Path().isEmpty());
}

void RunDocumentTest::failedSaveKeepsTheOldFileAndTheMark() {
    DocumentRig rig;
    const QString path = m_home.path() + QStringLiteral("/kept.zeph");
    QVERIFY(SaveRunFile(path, RunState{}));
    const QByteArray old = ReadAll(path);
    rig.ui.fileAnswers << path;
    {
        // Room for less than the run's file: the write fails part way.
        const FileSizeLimit limit(old.size());
        QVERIFY(!rig.Doc().SaveAs());
    }
    QCOMPARE(ReadAll(path), old);
    QVERIFY(rig.dlg->isWindowModified());
    QCOMPARE(rig.ui.messages.size(), 1);
    QVERIFY(rig.ui.messages.at(0).text.startsWith(QStringLiteral("ファイル「") + path));
    QCOMPARE(rig.ui.messages.at(0).icon, zeph::MsgIcon::Stop);
}

void RunDocumentTest::unsavedChangesAreOfferedBeforeFinish_data() {
    QTest::addColumn<MsgAnswer>("answer");  // Yes: save, No: discard
    QTest::addColumn<bool>("finished");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save") << MsgAnswer::Yes << true << true;
    QTest::newRow("discard") << MsgAnswer::No << true << false;
    QTest::newRow("cancel") << MsgAnswer::Cancel << false << false;
}

void RunDocumentTest::unsavedChangesAreOfferedBeforeFinish() {
    QFETCH(MsgAnswer, answer);
    QFETCH(bool, finished);
    QFETCH(bool, saved);
    DocumentRig rig;
    rig.ui.saveAnswers << answer;
    rig.ui.fileAnswers << QString();  // the proposed file
    rig.ui.answers << MsgAnswer::No;  // no report
    QTest::mouseClick(rig.dlg->Control(Id::IDOK_FINISH), Qt::LeftButton);
    QCOMPARE(rig.ui.messages.at(0).text, kSaveQuestion);
    QCOMPARE(rig.ui.messages.at(0).buttons, zeph::MsgButtons::SaveDiscardCancel);
    QCOMPARE(rig.dlg->isVisible(), !finished);
    QCOMPARE(QFileInfo::exists(m_documents + QStringLiteral("/North.zeph")), saved);
    // The report question follows unless the user went back to the run.
    QCOMPARE(rig.ui.messages.size(), finished ? 2 : 1);
    if (!finished) {
        QCOMPARE(rig.dlg->GetPointCount(), 2);
    }
}

void RunDocumentTest::closeCanBeCancelled() {
    DocumentRig rig;
    rig.ui.saveAnswers << MsgAnswer::Cancel;
    rig.dlg->close();
    QVERIFY(rig.dlg->isVisible());
    QCOMPARE(rig.ui.Texts(), QStringList{kSaveQuestion});
    rig.dlg->close();  // discarded this time
    QVERIFY(!rig.dlg->isVisible());
}

void RunDocumentTest::recentFilesNewestFirst() {
    DocumentRig rig;
    QStringList paths;
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
        paths.prepend(m_home.path() + QLatin1Char('/') + QLatin1String(name) + ".zeph");
        rig.ui.fileAnswers << paths.first();
        QVERIFY(rig.Doc().SaveAs());
    }
    QFile::remove(paths.at(1));  // a file gone is not offered
    const QStringList expected = {paths.at(0), paths.at(2), paths.at(3), paths.at(4)};
    QCOMPARE(rig.Doc().RecentFiles(), expected);
    // The menu offers them as commands; the second opens "c".
    rig.AddPoint(QStringLiteral("10"), QStringLiteral("30"));
    rig.RunCommand(CZephDlgJ::ID_RECENT_FIRST + 1);
    QCOMPARE(rig.Doc().Path(), paths.at(2));
    QCOMPARE(rig.dlg->GetPointCount(), 2);
    QCOMPARE(rig.ui.Texts().last(), QStringLiteral("「f.zeph」の変更を保存しますか?"));
}

void RunDocumentTest::runFileOnTheCommandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("file") << QStringList{"a.zeph"} << "a.zeph";
    QTest::newRow("after --lang") << QStringList{"--lang", "en", "b.zeph"} << "b.zeph";
    QTest::newRow("after --lang=") << QStringList{"--lang=ja", "c.zeph"} << "c.zeph";
    QTest::newRow("language only") << QStringList{"--lang", "en"} << QString();
}

void RunDocumentTest::runFileOnTheCommandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QCOMPARE(zeph::RunFileArgument(arguments), file);
}

QTEST_MAIN(RunDocumentTest)
#include "rundocument_test.moc"
