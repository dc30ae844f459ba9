#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "corvo/message.h"
#include "run/runprompt.h"

class QPrinter;
class QWidget;

// The one road from the program to the user's attention: every message box
// and every beep goes through the object installed here, so that a test can
// replace it, record each message with its exact text and icon, and answer
// from a script.
namespace zeph {

// What an open or save dialog shows.
struct FileDialogRequest {
    // The window title; empty for the desktop's own ("Save As", "Open").
    QString caption;
    // The folder and file name the dialog starts with, an absolute path.
    QString proposedPath;
    // Added to a name typed without an extension ("txt"). A filter of the
    // form "… (*.ext)" chosen in the dialog makes its ext the default.
    QString defaultSuffix;
    // The file-type list ("txt Files (*.txt)"), the first one selected.
    QStringList nameFilters;
    // Save dialog: ask before an existing file is chosen for replacing.
    bool overwritePrompt = false;
    // Open dialog: a file that does not exist may be chosen once the user
    // confirmed that it is to be created; otherwise only existing files.
    bool createPrompt = false;
};

class CUserInterface {
  public:
    virtual ~CUserInterface();

    // Shows a modal message box over parent (nullptr: over the active
    // window) and returns the button the user chose. Closing the box
    // without a choice answers Cancel for OK/Cancel, No for Yes/No.
    virtual MsgAnswer MessageBox(QWidget* parent, const QString& text, const QString& caption,
                                 MsgIcon icon, MsgButtons buttons) = 0;
    // The simple warning beep of the desktop.
    virtual void Beep() = 0;
    // Modal open and save dialogs over parent (nullptr: over the active
    // window): the absolute path of the chosen file, or nothing when the
    // user cancelled.
    virtual std::optional<QString> OpenFileDialog(QWidget* parent,
                                                  const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFileDialog(QWidget* parent,
                                                  const FileDialogRequest& request) = 0;
    // The desktop's modal print dialog over parent for printer, which it
    // sets up as the user chooses; true when the user asked to print.
    virtual bool PrintDialog(QWidget* parent, QPrinter& printer) = 0;
};

// The desktop implementation: QMessageBox, QApplication::beep and
// QFileDialog, QPrintDialog.
class CDesktopUserInterface : public CUserInterface {
  public:
    MsgAnswer MessageBox(QWidget* parent, const QString& text, const QString& caption, MsgIcon icon,
                         MsgButtons buttons) override;
    void Beep() override;
    std::optional<QString> OpenFileDialog(QWidget* parent,
                                          const FileDialogRequest& request) override;
    std::optional<QString> SaveFileDialog(QWidget* parent,
                                          const FileDialogRequest& request) override;
    bool PrintDialog(QWidget* parent, QPrinter& printer) override;

  private:
    std::optional<QString> FileDialog(QWidget* parent, const FileDialogRequest& request, bool save);
};

// The object in use; the desktop one until another is installed.
CUserInterface& Ui();
// Installs ui (not owned; nullptr restores the desktop one) and returns the
// one it replaces.
CUserInterface* SetUi(CUserInterface* ui);

// Caption of the program's message boxes.
QString AppTitle();

// A message box with the program's caption over the active window.
MsgAnswer ShowMessage(const QString& text, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok);

// Routes the engine's error messages to a modal error box (stop icon, OK)
// through Ui(). The engine keeps one process-wide sink; the guard restores
// the previous sink when it is destroyed.
class CEngineMessageGuard {
  public:
    CEngineMessageGuard();
    ~CEngineMessageGuard();
    CEngineMessageGuard(const CEngineMessageGuard&) = delete;
    CEngineMessageGuard& operator=(const CEngineMessageGuard&) = delete;

  private:
    corvo::MessageSink m_previous;
};

}  // namespace zeph
