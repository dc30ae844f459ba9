#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "tolvex/exfilecontrol.h"

namespace {

namespace fs = std::filesystem;
using tolvex::FileDialogRequest;
using tolvex::FileFilter;
using tolvex::MsgAnswer;
using tolvex::MsgButtons;
using tolvex::MsgIcon;

const std::string kNotCorrect = "message  Not Correct File ! ";
const std::string kCanNotFind =
    "message Can not find a file (ZephData.txt Files ), Serch other folder ?";

// Records every dialog and message as one line ("save <proposed path>",
// "open <proposed path>", "message <text>") and answers from scripts; an
// unscripted dialog is cancelled and an unscripted question declined.
class ScriptedFileUi : public tolvex::CFileUserInterface {
  public:
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override {
        return Dialog("open ", request);
    }
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override {
        return Dialog("save ", request);
    }
    MsgAnswer MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons) override {
        log.push_back("message " + text);
        icons.push_back(icon);
        if (!answers.empty()) {
            const MsgAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    }

    std::vector<std::string> log;
    std::vector<FileDialogRequest> requests;
    std::vector<MsgIcon> icons;
    std::deque<std::optional<std::string>> choices;
    std::deque<MsgAnswer> answers;

  private:
    std::optional<std::string> Dialog(const char* kind, const FileDialogRequest& request) {
        log.push_back(kind + request.proposedPath);
        requests.push_back(request);
        if (choices.empty()) return std::nullopt;
        std::optional<std::string> choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

class FileControl : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/tolvex-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        fs::create_directory(m_dir + "/a");
        fs::create_directory(m_dir + "/b");
        m_previous = tolvex::SetFileUserInterface(&ui);
    }
    void TearDown() override {
        tolvex::SetFileUserInterface(m_previous);
        fs::remove_all(m_dir);
    }

    std::string In(const std::string& name) const { return m_dir + "/" + name; }
    static void Put(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Every file under the test folder, relative to it, in order.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir)) {
            if (entry.is_regular_file()) names.push_back(entry.path().lexically_relative(m_dir));
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    ScriptedFileUi ui;
    const CExFileControl control;
    std::string m_dir;

  private:
    tolvex::CFileUserInterface* m_previous = nullptr;
};

// ---- Reading ---------------------------------------------------------------

TEST_F(FileControl, ReadOpensAnExistingFileWithoutDialog) {
    Put(In("a/ZephData.txt"),
        "\xEF\xBB\xBF"
        "first\r\nsecond\n\nlast");
    CStdioFile file;
    ASSERT_EQ(control.OpenDataFileRead("ZephData", In("a"), "txt", file), 1);
    std::vector<std::string> lines;
    for (std::string line; file.ReadString(line);) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"first", "second", "", "last"}));
    EXPECT_TRUE(file.GetError().empty());
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(FileControl, ReadSearchesForTheExactName) {
    Put(In("b/ZephData.txt"), "found\n");
    ui.answers = {MsgAnswer::Yes, MsgAnswer::Ok, MsgAnswer::Yes};
    ui.choices = {In("b/zephdata.txt"), In("b/ZephData.txt")};
    CStdioFile file;
    ASSERT_EQ(control.OpenDataFileRead("ZephData", In("a"), "txt", file), 1);
    const std::string proposed = "open " + In("a/ZephData.txt");
    EXPECT_EQ(ui.log, (std::vector<std::string>{kCanNotFind, proposed, kNotCorrect, kCanNotFind,
                                                proposed}));
    EXPECT_EQ(ui.icons, std::vector<MsgIcon>(3, MsgIcon::Exclamation));
    EXPECT_EQ(ui.requests[0].filters,
              (std::vector<FileFilter>{{"ZephData Files (*.txt)", "*.txt"}}));
    EXPECT_EQ(file.GetFilePath(), In("b/ZephData.txt"));
    std::string line;
    EXPECT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "found");
}

TEST_F(FileControl, ReadDeclinedOrCancelledOpensNothing) {
    CStdioFile file;
    EXPECT_EQ(control.OpenDataFileRead("ZephData", In("a"), "txt", file), 0);  // No
    EXPECT_EQ(ui.log, std::vector<std::string>{kCanNotFind});
    ui.answers = {MsgAnswer::Yes};
    EXPECT_EQ(control.OpenDataFileRead("ZephData", In("a"), "txt", file), 0);  // Cancel
    EXPECT_EQ(ui.log.size(), 3u);
    EXPECT_FALSE(file.IsOpen());
}

// ---- Save dialogs ----------------------------------------------------------

TEST_F(FileControl, SaveNewReplacesTheChosenFileOnClose) {
    Put(In("b/ZephData.txt"), "old\n");
    ui.choices = {In("b/ZephData.txt")};
    CStdioFile file;
    ASSERT_EQ(control.OpenDataFileSaveNew("ZephData", In("a"), "txt", file), 1);
    const FileDialogRequest& request = ui.requests.at(0);
    EXPECT_EQ(request.proposedPath, In("a/ZephData.txt"));
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_EQ(request.filters, (std::vector<FileFilter>{{"txt Files (*.txt)", "*.txt"}}));
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_TRUE(file.WriteString("新しい 1013.25\n"));
    EXPECT_EQ(Get(In("b/ZephData.txt")), "old\n");  // not before Close
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(Get(In("b/ZephData.txt")), "新しい 1013.25\n");
    EXPECT_EQ(Files(), std::vector<std::string>{"b/ZephData.txt"});
}

TEST_F(FileControl, SaveNewAsksAgainForAnyOtherName) {
    ui.choices = {In("b/zephdata.txt"), In("ZephData.TXT"), In("a/ZephData"), std::nullopt};
    CStdioFile file;
    EXPECT_EQ(control.OpenDataFileSaveNew("ZephData", In("a"), "txt", file), 0);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"save " + In("a/ZephData.txt"), kNotCorrect,
                                                "save " + In("b/ZephData.txt"), kNotCorrect,
                                                "save " + In("ZephData.txt"), kNotCorrect,
                                                "save " + In("a/ZephData.txt")}));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(Files().empty());
}

TEST_F(FileControl, SaveReportsAnUnwritablePlaceAndAsksAgain) {
    const std::string missing = In("gone/ZephData.txt");
    ui.choices = {missing};
    CStdioFile file;
    EXPECT_EQ(control.OpenDataFileSaveNew("ZephData", In("a"), "txt", file), 0);
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "save " + In("a/ZephData.txt"),
                          "message Can not save " + missing +
                              " (No such file or directory). An existing file of that name is "
                              "unchanged.",
                          "save " + missing}));
    EXPECT_EQ(ui.icons, std::vector<MsgIcon>{MsgIcon::Stop});
}

TEST_F(FileControl, SaveAppendsToTheChosenFileOfAnyName) {
    Put(In("b/other.log"), "one\n");
    ui.choices = {In("b/other.log"), std::nullopt};
    CStdioFile file;
    ASSERT_EQ(control.OpenDataFileSave("ZephData", "", "txt", file), 1);
    EXPECT_EQ(ui.requests[0].proposedPath, fs::current_path().string() + "/ZephData.txt");
    EXPECT_EQ(ui.requests[0].filters,
              (std::vector<FileFilter>{{"ZephData Files (*.txt)", "*.txt"}}));
    file.WriteString("two\n");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(Get(In("b/other.log")), "one\ntwo\n");
    EXPECT_EQ(control.OpenDataFileSave("ZephData", In("a"), "txt", file), 0);  // Cancel
}

TEST_F(FileControl, GetFullPassReturnsTheChoiceWithoutChangingFolder) {
    const fs::path cwd = fs::current_path();
    ui.choices = {In("b/new.dat")};
    EXPECT_EQ(control.GetFullPass("ZephData", In("a"), "dat"), In("b/new.dat"));
    EXPECT_EQ(control.GetFullPass("ZephData", In("a"), "dat"), "");  // Cancel
    const FileDialogRequest& request = ui.requests.at(0);
    EXPECT_EQ(ui.log[0], "open " + In("a/ZephData.dat"));
    EXPECT_EQ(request.filters, (std::vector<FileFilter>{{"ZephData Files (*.dat)", "*.dat"},
                                                        {"Text Files (*.txt)", "*.txt"}}));
    EXPECT_TRUE(request.createPrompt);
    EXPECT_EQ(fs::current_path(), cwd);
}

// ---- Writing without dialog --------------------------------------------------

TEST_F(FileControl, OverWriteAndAppendWriteCommitOnClose) {
    Put(In("a/over.txt"), "old\n");
    Put(In("a/add.txt"), "old\n");
    CStdioFile over, add, fresh;
    ASSERT_EQ(control.OpenDataFileOverWrite("over", In("a"), "txt", over), 1);
    ASSERT_EQ(control.OpenDataFileAppendWrite("add", In("a"), "txt", add), 1);
    ASSERT_EQ(control.OpenDataFileAppendWrite("fresh", In("a/"), "txt", fresh), 1);
    for (CStdioFile* f : {&over, &add, &fresh}) {
        f->WriteString("new\n");
        EXPECT_TRUE(f->Close());
    }
    EXPECT_EQ(Get(In("a/over.txt")), "new\n");
    EXPECT_EQ(Get(In("a/add.txt")), "old\nnew\n");
    EXPECT_EQ(Get(In("a/fresh.txt")), "new\n");
    EXPECT_EQ(Files(), (std::vector<std::string>{"a/add.txt", "a/fresh.txt", "a/over.txt"}));
    EXPECT_EQ(control.OpenDataFileOverWrite("x", In("gone"), "txt", fresh), 0);
    EXPECT_EQ(fresh.GetError(), "No such file or directory");
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(FileControl, UnfinishedFileLeavesTheOldOneAlone) {
    Put(In("a/over.txt"), "old\n");
    Put(In("a/add.txt"), "old\n");
    {
        CStdioFile over, add;
        ASSERT_EQ(control.OpenDataFileOverWrite("over", In("a"), "txt", over), 1);
        ASSERT_EQ(control.OpenDataFileAppendWrite("add", In("a"), "txt", add), 1);
        over.WriteString(std::string(100000, 'x'));  // more than is buffered
        add.WriteString("new\n");
    }  // dropped without Close
    EXPECT_EQ(Get(In("a/over.txt")), "old\n");
    EXPECT_EQ(Get(In("a/add.txt")), "old\n");
    EXPECT_EQ(Files(), (std::vector<std::string>{"a/add.txt", "a/over.txt"}));
}

TEST_F(FileControl, FailedWriteLeavesTheOldFileAndNoTemporary) {
    Put(In("a/ZephData.txt"), "old\n");
    ::chmod(In("a/ZephData.txt").c_str(), 0640);
    CStdioFile file;
    ASSERT_EQ(control.OpenDataFileOverWrite("ZephData", In("a"), "txt", file), 1);
    {
        const FileSizeLimit limit(1000);
        file.WriteString(std::string(5000, 'x'));
        EXPECT_FALSE(file.Close());
    }
    EXPECT_EQ(file.GetError(), "File too large");
    EXPECT_EQ(Get(In("a/ZephData.txt")), "old\n");
    EXPECT_EQ(Files(), std::vector<std::string>{"a/ZephData.txt"});
    // A successful replacement keeps the old file's permissions.
    ASSERT_EQ(control.OpenDataFileOverWrite("ZephData", In("a"), "txt", file), 1);
    EXPECT_TRUE(file.GetError().empty());
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(fs::status(In("a/ZephData.txt")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FileControl, NamesUpToTheFolderLimitSave) {
    // 250 and 255 bytes: the longest names a folder takes, whatever the
    // file is written through on its way.
    const std::string over(246, 'o');
    const std::string add(251, 'a');
    CStdioFile overFile, addFile;
    ASSERT_EQ(control.OpenDataFileOverWrite(over, In("a"), "txt", overFile), 1)
        << overFile.GetError();
    ASSERT_EQ(control.OpenDataFileAppendWrite(add, In("a"), "txt", addFile), 1)
        << addFile.GetError();
    for (CStdioFile* f : {&overFile, &addFile}) {
        f->WriteString("new\n");
        EXPECT_TRUE(f->Close()) << f->GetError();
    }
    EXPECT_EQ(Get(In("a/" + over + ".txt")), "new\n");
    EXPECT_EQ(Files(), (std::vector<std::string>{"a/" + add + ".txt", "a/" + over + ".txt"}));
}

TEST_F(FileControl, WritingLeavesNoNameInTheFolderBeforeClose) {
    // What a killed program would leave behind: nothing but the old file.
    Put(In("a/over.txt"), "old\n");
    CStdioFile file;
    ASSERT_EQ(control.OpenDataFileOverWrite("over", In("a"), "txt", file), 1);
    file.WriteString(std::string(100000, 'x'));  // more than is buffered
    EXPECT_EQ(Files(), std::vector<std::string>{"a/over.txt"});
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(Get(In("a/over.txt")).size(), 100000u);
    EXPECT_EQ(Files(), std::vector<std::string>{"a/over.txt"});
}

TEST_F(FileControl, SymbolicLinksAreWrittenThrough) {
    // A relative link, a link to a link, and a link to a file not there yet.
    Put(In("b/real.txt"), "old\n");
    fs::create_symlink("../b/real.txt", In("a/link.txt"));
    fs::create_symlink(In("a/link.txt"), In("a/chain.txt"));
    fs::create_symlink("new.txt", In("b/dangling.txt"));
    CStdioFile over, add, fresh;
    ASSERT_EQ(control.OpenDataFileOverWrite("link", In("a"), "txt", over), 1);
    over.WriteString("replaced\n");
    EXPECT_TRUE(over.Close());
    ASSERT_EQ(control.OpenDataFileAppendWrite("chain", In("a"), "txt", add), 1);
    add.WriteString("added\n");
    EXPECT_TRUE(add.Close());
    ASSERT_EQ(control.OpenDataFileOverWrite("dangling", In("b"), "txt", fresh), 1);
    fresh.WriteString("created\n");
    EXPECT_TRUE(fresh.Close());
    EXPECT_TRUE(fs::is_symlink(In("a/link.txt")));
    EXPECT_TRUE(fs::is_symlink(In("a/chain.txt")));
    EXPECT_TRUE(fs::is_symlink(In("b/dangling.txt")));
    EXPECT_EQ(Get(In("b/real.txt")), "replaced\nadded\n");
    EXPECT_EQ(Get(In("b/new.txt")), "created\n");
    EXPECT_EQ(Files(), (std::vector<std::string>{"a/chain.txt", "a/link.txt", "b/dangling.txt",
                                                 "b/new.txt", "b/real.txt"}));
    fs::create_symlink("loop.txt", In("a/loop.txt"));
    EXPECT_EQ(control.OpenDataFileOverWrite("loop", In("a"), "txt", fresh), 0);
    EXPECT_EQ(fresh.GetError(), "Too many levels of symbolic links");
}

// ---- Bitmap files ------------------------------------------------------------

class BitmapSave : public FileControl {
  protected:
    const std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(12, 0xFF0000);
    const tolvex::RgbImage image{4, 3, pixels};
};

TEST_F(BitmapSave, WritesWhereTheDialogChose) {
    ui.choices = {In("b/chart.bmp")};
    EXPECT_EQ(control.BitmapFileSave("System 1/2", image, 4, In("a")), 1);
    const FileDialogRequest& request = ui.requests.at(0);
    EXPECT_EQ(request.proposedPath, In("a/System 1_2.bmp"));
    EXPECT_EQ(request.defaultExtension, "bmp");
    EXPECT_EQ(request.filters, (std::vector<FileFilter>{{"Bitmap Files (*.bmp)", "*.bmp"}}));
    EXPECT_TRUE(request.overwritePrompt);
    const std::vector<std::uint8_t> expected = tolvex::EncodeBitmap(image, 4);
    EXPECT_EQ(Get(In("b/chart.bmp")), std::string(expected.begin(), expected.end()));
    EXPECT_EQ(Files(), std::vector<std::string>{"b/chart.bmp"});
}

TEST_F(BitmapSave, WritesNothingWhenRefusedOrCancelled) {
    ui.choices = {In("b/chart.bmp"), In("b/chart.bmp"), In("b/chart.bmp")};
    EXPECT_EQ(control.BitmapFileSave("System 1", image, 2, In("a")), 0);
    EXPECT_EQ(control.BitmapFileSave("", image, 4, In("a")), 0);
    EXPECT_EQ(control.BitmapFileSave("System 1", {4, 4, pixels}, 4, In("a")), 0);
    EXPECT_TRUE(ui.log.empty());  // no dialog for any of them
    ui.choices.clear();
    EXPECT_EQ(control.BitmapFileSave("System 1", image, 4, In("a")), 0);
    EXPECT_EQ(ui.log, std::vector<std::string>{"save " + In("a/System 1.bmp")});
    EXPECT_TRUE(Files().empty());
}

TEST_F(BitmapSave, FailedWriteIsReportedAndAskedAgain) {
    Put(In("b/chart.bmp"), "old");
    ui.choices = {In("b/chart.bmp"), std::nullopt};
    {
        const FileSizeLimit limit(100);  // the file needs 54 + 64 × 3 × 3 bytes
        EXPECT_EQ(
            control.BitmapFileSave("chart", {64, 3, std::vector<std::uint32_t>(192)}, 24, In("b")),
            0);
    }
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "save " + In("b/chart.bmp"),
                          "message Can not save " + In("b/chart.bmp") +
                              " (File too large). An existing file of that name is unchanged.",
                          "save " + In("b/chart.bmp")}));
    EXPECT_EQ(Get(In("b/chart.bmp")), "old");
    EXPECT_EQ(Files(), std::vector<std::string>{"b/chart.bmp"});
}

TEST_F(BitmapSave, LongNameSavesUnderItsDefaultName) {
    const std::string name(251, 'b');  // 255 bytes with ".bmp"
    ui.choices = {In("a/" + name + ".bmp")};
    EXPECT_EQ(control.BitmapFileSave(name, image, 4, In("a")), 1);
    EXPECT_EQ(ui.log, std::vector<std::string>{"save " + In("a/" + name + ".bmp")});
    EXPECT_EQ(Files(), std::vector<std::string>{"a/" + name + ".bmp"});
}

TEST(FileControlAlone, EveryDialogCancels) {
    const CExFileControl control;
    CStdioFile file;
    EXPECT_EQ(control.OpenDataFileSaveNew("ZephData", "/nonexistent", "txt", file), 0);
    EXPECT_EQ(control.OpenDataFileSave("ZephData", "/nonexistent", "txt", file), 0);
    EXPECT_EQ(control.GetFullPass("ZephData", "/nonexistent", "txt"), "");
    const std::uint32_t pixel[] = {0};
    EXPECT_EQ(control.BitmapFileSave("chart", {1, 1, pixel}, 24, "/nonexistent"), 0);
    EXPECT_FALSE(file.IsOpen());
}

}  // namespace
