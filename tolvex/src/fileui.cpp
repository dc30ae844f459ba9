#include "tolvex/fileui.h"

#include <cstdio>

namespace tolvex {
namespace {

// Without a user interface nobody can answer: every dialog is cancelled,
// every question declined, and a message is at least written down.
class CNoFileUserInterface : public CFileUserInterface {
  public:
    std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
    MsgAnswer MessageBox(const std::string& text, MsgIcon, MsgButtons buttons) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    }
};

CNoFileUserInterface g_noInterface;
CFileUserInterface* g_interface = nullptr;

}  // namespace

CFileUserInterface::~CFileUserInterface() = default;

CFileUserInterface* SetFileUserInterface(CFileUserInterface* ui) {
    CFileUserInterface* previous = g_interface;
    g_interface = ui;
    return previous;
}

CFileUserInterface& FileUserInterface() {
    return g_interface ? *g_interface : g_noInterface;
}

}  // namespace tolvex
