// The file dialogs of the user-interface seam: the desktop dialog starts
// where it is asked to and adds the extension of the type chosen; the file
// library's dialogs and messages reach the program's interface while a main
// dialog lives.

#include <QComboBox>
#include <QFileDialog>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include "maindlgtest.h"
#include "tolvex/fileui.h"

class FileUiTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void desktopSaveDialogStartsAtTheProposalAndFollowsTheType();
    void fileLibraryTalksThroughTheMainDialogsInterface();
};

void FileUiTest::desktopSaveDialogStartsAtTheProposalAndFollowsTheType() {
    QTemporaryDir folderDir;
    const QString folder = folderDir.path();
    // Qt's own dialog reads a typed name against the working directory too:
    // a folder "chart" there (as in the build tree) would be taken.
    const QString working = QDir::currentPath();
    QDir::setCurrent(folder);
    auto back = qScopeGuard([&working] { QDir::setCurrent(working); });
    zeph::FileDialogRequest request;
    request.proposedPath = folder + QStringLiteral("/System 1.png");
    request.defaultSuffix = QStringLiteral("png");
    request.nameFilters = {QStringLiteral("PNG 画像 (*.png)"), QStringLiteral("PDF 文書 (*.pdf)")};
    QString shown;
    QStringList proposed;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        // A failed check below must not leave the dialog waiting.
        auto close = qScopeGuard([dialog] { static_cast<QDialog*>(dialog)->reject(); });
        shown = dialog->directory().absolutePath();
        proposed = dialog->selectedFiles();
        // The user picks the second type from the list with the keyboard.
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types != nullptr);
        QTest::keyClick(types, Qt::Key_Down);
        QCOMPARE(dialog->selectedNameFilter(), request.nameFilters.at(1));
        dialog->selectFile(QStringLiteral("chart"));
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        close.dismiss();
    });
    zeph::CDesktopUserInterface desktop;
    const std::optional<QString> chosen = desktop.SaveFileDialog(nullptr, request);
    QCOMPARE(shown, folder);
    QCOMPARE(proposed, QStringList{request.proposedPath});
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, folder + QStringLiteral("/chart.pdf"));
}

void FileUiTest::fileLibraryTalksThroughTheMainDialogsInterface() {
    tolvex::FileDialogRequest request;
    request.proposedPath = "/data/ZephData.txt";
    request.defaultExtension = "txt";
    request.filters = {{"txt Files (*.txt)", "*.txt"}, {"Text Files (*.txt)", "*.txt"}};
    request.createPrompt = true;
    {
        MainDialogRig rig;
        rig.ui.answers << zeph::MsgAnswer::No;
        rig.ui.fileAnswers << QStringLiteral("/data/その他.txt");
        tolvex::CFileUserInterface& ui = tolvex::FileUserInterface();
        QCOMPARE(ui.MessageBox("Can not save", tolvex::MsgIcon::Stop, tolvex::MsgButtons::YesNo),
                 tolvex::MsgAnswer::No);
        QCOMPARE(ui.OpenFileDialog(request), std::optional<std::string>("/data/その他.txt"));
        QCOMPARE(ui.SaveFileDialog(request), std::nullopt);

        QCOMPARE(rig.ui.messages.size(), 1);
        const CScriptedUi::Message& m = rig.ui.messages.at(0);
        QCOMPARE(m.text, QStringLiteral("Can not save"));
        QCOMPARE(m.caption, zeph::AppTitle());
        QCOMPARE(m.icon, zeph::MsgIcon::Stop);
        QCOMPARE(m.buttons, zeph::MsgButtons::YesNo);
        QCOMPARE(rig.ui.fileRequests.size(), 2);
        const zeph::FileDialogRequest& asked = rig.ui.fileRequests.at(0).request;
        QVERIFY(!rig.ui.fileRequests.at(0).save);
        QVERIFY(rig.ui.fileRequests.at(1).save);
        QCOMPARE(asked.proposedPath, QStringLiteral("/data/ZephData.txt"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("txt"));
        QCOMPARE(asked.nameFilters, (QStringList{QStringLiteral("txt Files (*.txt)"),
                                                 QStringLiteral("Text Files (*.txt)")}));
        QVERIFY(asked.createPrompt);
        QVERIFY(!asked.overwritePrompt);
    }
    // With the main dialog gone, nobody answers: every dialog is cancelled.
    CScriptedUi ui;
    CScriptedUi::Scope scope(ui);
    ui.fileAnswers << QStringLiteral("/data/ZephData.txt");
    QCOMPARE(tolvex::FileUserInterface().SaveFileDialog(request), std::nullopt);
    QVERIFY(ui.fileRequests.isEmpty());
}

QTEST_MAIN(FileUiTest)
#include "fileui_test.moc"
