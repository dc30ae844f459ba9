#include "tolvex/exfilecontrol.h"

#include <filesystem>
#include <optional>
#include <system_error>

using tolvex::FileDialogRequest;
using tolvex::FileFilter;
using tolvex::FileUserInterface;
using tolvex::MsgAnswer;
using tolvex::MsgButtons;
using tolvex::MsgIcon;

namespace {

// The library's own texts.
constexpr const char* kNotCorrectFile = " Not Correct File ! ";

std::string CanNotFind(const std::string& base, const std::string& ext) {
    return "Can not find a file (" + base + "." + ext + " Files ), Serch other folder ?";
}

// The current directory, read only; "." when it cannot be read (it was
// removed), which still names it for the system.
std::string CurrentDirectory() {
    std::error_code error;
    const std::filesystem::path cwd = std::filesystem::current_path(error);
    return error ? std::string(".") : cwd.string();
}

// folder + '/' + name as an absolute path; an empty folder is the current
// directory, a relative one lies in it.
std::string JoinPath(const std::string& folder, const std::string& name) {
    std::string path = folder.empty() || folder.front() != '/' ? CurrentDirectory() : "";
    if (!folder.empty()) {
        if (!path.empty()) path += '/';
        path += folder;
    }
    if (path.empty() || path.back() != '/') path += '/';
    return path + name;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

FileFilter TypeFilter(const std::string& name, const std::string& ext) {
    return {name + " Files (*." + ext + ")", "*." + ext};
}

void ShowFailure(const std::string& message) {
    FileUserInterface().MessageBox(message, MsgIcon::Stop, MsgButtons::Ok);
}

// The save dialogs' loop: ask for a file until one opens in the mode, or the
// user cancels. A name other than `required` (when given) is refused; a
// file that cannot be opened is reported; both ask again.
int SaveDialogLoop(FileDialogRequest request, const std::string& required, CStdioFile::Mode mode,
                   CStdioFile& file) {
    for (;;) {
        const std::optional<std::string> chosen = FileUserInterface().SaveFileDialog(request);
        if (!chosen) return 0;
        if (!required.empty() && FileNameOf(*chosen) != required) {
            FileUserInterface().MessageBox(kNotCorrectFile, MsgIcon::Exclamation, MsgButtons::Ok);
            request.proposedPath = JoinPath(FolderOf(*chosen), required);
            continue;
        }
        if (file.Open(*chosen, mode)) return 1;
        ShowFailure(file.GetErrorMessage());
        request.proposedPath = *chosen;
    }
}

}  // namespace

CExFileControl::CExFileControl() = default;
CExFileControl::CExFileControl(const CExFileControl&) = default;
CExFileControl& CExFileControl::operator=(const CExFileControl&) = default;
CExFileControl::~CExFileControl() = default;

int CExFileControl::OpenDataFileRead(const std::string& base, const std::string& folder,
                                     const std::string& ext, CStdioFile& file) const {
    const std::string wanted = base + "." + ext;
    std::string path = JoinPath(folder, wanted);
    for (;;) {
        if (file.Open(path, CStdioFile::Mode::Read)) return 1;
        if (FileUserInterface().MessageBox(CanNotFind(base, ext), MsgIcon::Exclamation,
                                           MsgButtons::YesNo) != MsgAnswer::Yes) {
            return 0;
        }
        const std::optional<std::string> chosen =
            FileUserInterface().OpenFileDialog({path, ext, {TypeFilter(base, ext)}, false, false});
        if (!chosen) return 0;
        if (FileNameOf(*chosen) != wanted) {
            FileUserInterface().MessageBox(kNotCorrectFile, MsgIcon::Exclamation, MsgButtons::Ok);
        } else {
            path = *chosen;
        }
    }
}

int CExFileControl::OpenDataFileSave(const std::string& base, const std::string& folder,
                                     const std::string& ext, CStdioFile& file) const {
    return SaveDialogLoop({JoinPath(folder, base + "." + ext), ext, {TypeFilter(base, ext)}, true},
                          {}, CStdioFile::Mode::Append, file);
}

int CExFileControl::OpenDataFileSaveNew(const std::string& base, const std::string& folder,
                                        const std::string& ext, CStdioFile& file) const {
    const std::string wanted = base + "." + ext;
    return SaveDialogLoop({JoinPath(folder, wanted), ext, {TypeFilter(ext, ext)}, true}, wanted,
                          CStdioFile::Mode::Overwrite, file);
}

int CExFileControl::OpenDataFileOverWrite(const std::string& base, const std::string& folder,
                                          const std::string& ext, CStdioFile& file) const {
    return file.Open(JoinPath(folder, base + "." + ext), CStdioFile::Mode::Overwrite) ? 1 : 0;
}

int CExFileControl::OpenDataFileAppendWrite(const std::string& base, const std::string& folder,
                                            const std::string& ext, CStdioFile& file) const {
    return file.Open(JoinPath(folder, base + "." + ext), CStdioFile::Mode::Append) ? 1 : 0;
}

std::string CExFileControl::GetFullPass(const std::string& base, const std::string& folder,
                                        const std::string& ext) const {
    const FileDialogRequest request{JoinPath(folder, base + "." + ext),
                                    ext,
                                    {TypeFilter(base, ext), TypeFilter("Text", "txt")},
                                    false,
                                    true};
    return FileUserInterface().OpenFileDialog(request).value_or(std::string());
}

int CExFileControl::BitmapFileSave(const std::string& name, const tolvex::RgbImage& image, int bpp,
                                   const std::string& folder) const {
    if (name.empty()) return 0;
    const std::vector<std::uint8_t> bytes = tolvex::EncodeBitmap(image, bpp);
    if (bytes.empty()) return 0;

    std::string fileName = name;
    for (char& c : fileName) {
        if (c == '/') c = '_';
    }
    if (!fileName.ends_with(".bmp")) fileName += ".bmp";
    FileDialogRequest request{
        JoinPath(folder, fileName), "bmp", {TypeFilter("Bitmap", "bmp")}, true};
    for (;;) {
        const std::optional<std::string> chosen = FileUserInterface().SaveFileDialog(request);
        if (!chosen) return 0;
        CStdioFile file;
        if (file.Open(*chosen, CStdioFile::Mode::Overwrite)) {
            file.Write(bytes.data(), bytes.size());
            if (file.Close()) return 1;
        }
        ShowFailure(file.GetErrorMessage());
        request.proposedPath = *chosen;
    }
}
