#include "gui/fileui.h"

#include <QDir>
#include <QStandardPaths>

#include "gui/ui.h"

namespace zeph {

namespace {

FileDialogRequest ToQt(const tolvex::FileDialogRequest& request) {
    FileDialogRequest r;
    r.proposedPath = QString::fromStdString(request.proposedPath);
    r.defaultSuffix = QString::fromStdString(request.defaultExtension);
    for (const tolvex::FileFilter& filter : request.filters) {
        r.nameFilters << QString::fromStdString(filter.description);
    }
    r.overwritePrompt = request.overwritePrompt;
    r.createPrompt = request.createPrompt;
    return r;
}

std::optional<std::string> ToStd(const std::optional<QString>& path) {
    if (!path) {
        return std::nullopt;
    }
    return path->toStdString();
}

}  // namespace

std::optional<std::string> CFileUiAdapter::OpenFileDialog(
    const tolvex::FileDialogRequest& request) {
    return ToStd(Ui().OpenFileDialog(nullptr, ToQt(request)));
}

std::optional<std::string> CFileUiAdapter::SaveFileDialog(
    const tolvex::FileDialogRequest& request) {
    return ToStd(Ui().SaveFileDialog(nullptr, ToQt(request)));
}

tolvex::MsgAnswer CFileUiAdapter::MessageBox(const std::string& text, tolvex::MsgIcon icon,
                                             tolvex::MsgButtons buttons) {
    const MsgIcon qtIcon = icon == tolvex::MsgIcon::Stop ? MsgIcon::Stop : MsgIcon::Exclamation;
    const bool yesNo = buttons == tolvex::MsgButtons::YesNo;
    switch (ShowMessage(QString::fromStdString(text), qtIcon,
                        yesNo ? MsgButtons::YesNo : MsgButtons::Ok)) {
        case MsgAnswer::Yes:
            return tolvex::MsgAnswer::Yes;
        case MsgAnswer::No:
            return tolvex::MsgAnswer::No;
        case MsgAnswer::Cancel:
            return tolvex::MsgAnswer::Cancel;
        case MsgAnswer::Ok:
            break;
    }
    return yesNo ? tolvex::MsgAnswer::No : tolvex::MsgAnswer::Ok;
}

namespace {

struct GuardState {
    CFileUiAdapter adapter;
    tolvex::CFileUserInterface* previous = nullptr;
    int guards = 0;
};

GuardState& Guards() {
    static GuardState state;
    return state;
}

}  // namespace

CFileUiGuard::CFileUiGuard() {
    GuardState& state = Guards();
    if (state.guards++ == 0) {
        state.previous = tolvex::SetFileUserInterface(&state.adapter);
    }
}

CFileUiGuard::~CFileUiGuard() {
    GuardState& state = Guards();
    if (--state.guards == 0) {
        tolvex::SetFileUserInterface(state.previous);
    }
}

QString DocumentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        return {};
    }
    // A folder that cannot be made is still proposed: the file dialog lets
    // the user go elsewhere, and a write into it reports why it failed.
    QDir().mkpath(folder);
    return folder;
}

QString ProposedFilePath(const QString& name, const QString& extension) {
    QString folder = DocumentsFolder();
    if (folder.isEmpty()) {
        folder = QDir::currentPath();
    }
    QString file = name;
    file.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QDir(folder).filePath(file + QLatin1Char('.') + extension);
}

}  // namespace zeph
