#pragma once

#include <QString>

#include "tolvex/fileui.h"

// The file library's dialogs and messages shown through the program's own
// user interface (zeph::Ui()), so that they look like the program's and
// tests answer them from the same script as every other message.
namespace zeph {

// Forwards the library's file dialogs and message boxes to zeph::Ui();
// messages carry the program's caption.
class CFileUiAdapter : public tolvex::CFileUserInterface {
  public:
    std::optional<std::string> OpenFileDialog(const tolvex::FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const tolvex::FileDialogRequest& request) override;
    tolvex::MsgAnswer MessageBox(const std::string& text, tolvex::MsgIcon icon,
                                 tolvex::MsgButtons buttons) override;
};

// Keeps the adapter installed while any guard lives: the first guard
// installs it, the last one puts the previous interface back, in whatever
// order they end.
class CFileUiGuard {
  public:
    CFileUiGuard();
    ~CFileUiGuard();
    CFileUiGuard(const CFileUiGuard&) = delete;
    CFileUiGuard& operator=(const CFileUiGuard&) = delete;
};

// The user's documents folder (XDG_DOCUMENTS_DIR, else ~/Documents),
// created when it is missing. Empty when there is none to be had; callers
// then work in the current directory.
QString DocumentsFolder();

// Where a save dialog proposes the file of a system named name: the
// documents folder (else the current directory), the name with any '/'
// made '_' so that it cannot point into another folder, and the extension.
QString ProposedFilePath(const QString& name, const QString& extension);

}  // namespace zeph
