#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tolvex/tolvex_export.h"

// The file dialogs and message boxes of the file operations. The library
// draws nothing itself: it asks the object installed here, which the program
// implements by forwarding to its own user interface and tests implement
// from a script. With nothing installed every dialog answers Cancel, a Yes/No
// question answers No, and a message's text goes to standard error.
namespace tolvex {

enum class MsgIcon { Exclamation, Stop };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// One entry of a dialog's file-type list. `description` names the type and
// ends with its pattern in brackets, as in "txt Files (*.txt)", so a Qt name
// filter is the descriptions joined with ";;".
struct FileFilter {
    std::string description;
    std::string pattern;  // "*.txt"

    bool operator==(const FileFilter&) const = default;
};

// What a file dialog shows. With Qt: QFileDialog in the folder and with the
// file name of proposedPath (selectFile), setDefaultSuffix, the descriptions
// as name filters; a save dialog (AcceptSave) with DontConfirmOverwrite
// unless overwritePrompt; an open dialog in ExistingFile mode, or AnyFile
// with a question before a new name is accepted when createPrompt.
struct FileDialogRequest {
    // The folder and file name the dialog starts with, as an absolute path
    // ("/home/user/Documents/ZephData.txt").
    std::string proposedPath;
    // Added by the dialog to a name typed without an extension ("txt").
    std::string defaultExtension;
    // The file-type list, the first entry selected.
    std::vector<FileFilter> filters;
    // Save dialog: ask before an existing file is chosen for replacing.
    bool overwritePrompt = false;
    // Open dialog: a name that does not exist may be chosen after the user
    // confirmed that it is to be created. Without it an open dialog accepts
    // existing files only.
    bool createPrompt = false;
};

class TOLVEX_API CFileUserInterface {
  public:
    virtual ~CFileUserInterface();

    // Modal open and save dialogs: the absolute path of the chosen file, or
    // nothing when the user cancelled.
    virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;
    // A modal message box with the program's caption; returns the button
    // chosen. Closing a Yes/No box without a choice answers No.
    virtual MsgAnswer MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons) = 0;
};

// Installs ui (not owned; nullptr restores the built-in one that cancels
// every dialog) and returns the one it replaces.
TOLVEX_API CFileUserInterface* SetFileUserInterface(CFileUserInterface* ui);
// The object in use.
TOLVEX_API CFileUserInterface& FileUserInterface();

}  // namespace tolvex
