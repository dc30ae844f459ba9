// The built zeph-batch run as a user runs it: arguments, standard input,
// what comes out where, and the exit status.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifndef ZEPH_BATCH_PROGRAM
#error "ZEPH_BATCH_PROGRAM must name the built program"
#endif

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class Program : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string dir = (fs::temp_directory_path() / "zeph-batch-test.XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        dir_ = dir;
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the program with `args`, `input` on its standard input.
    Result Run(std::vector<std::string> args, const std::string& input = {}) {
        WriteFile(dir_ / "stdin", input);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string in = (dir_ / "stdin").string(), out = (dir_ / "stdout").string(),
                          err = (dir_ / "stderr").string();
        posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        args.insert(args.begin(), ZEPH_BATCH_PROGRAM);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        Result r;
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(spawned, 0);
        int wstatus = 0;
        if (spawned == 0 && waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus)) {
            r.status = WEXITSTATUS(wstatus);
        }
        r.out = ReadFile(out);
        r.err = ReadFile(err);
        return r;
    }

    // The files the runs left in the folder, the runs' own streams aside.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) {
            const std::string name = e.path().filename().string();
            if (name != "stdin" && name != "stdout" && name != "stderr") names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

// True when `actual` is `expected` but for numbers, which agree to 1e-9
// relative (the last digits of the engine's searches may move).
::testing::AssertionResult SameText(const std::string& actual, const std::string& expected) {
    std::size_t i = 0, j = 0;
    while (i < actual.size() && j < expected.size()) {
        double a = 0, e = 0;
        const char* ab = actual.data() + i;
        const char* eb = expected.data() + j;
        const auto ra = std::from_chars(ab, actual.data() + actual.size(), a);
        const auto re = std::from_chars(eb, expected.data() + expected.size(), e);
        if (ra.ec == std::errc() && re.ec == std::errc()) {
            if (std::abs(a - e) > 1e-9 * std::abs(e)) {
                return ::testing::AssertionFailure()
                       << "number " << std::string(ab, ra.ptr) << " where "
                       << std::string(eb, re.ptr) << " was expected, in\n"
                       << actual;
            }
            i += ra.ptr - ab;
            j += re.ptr - eb;
        } else if (actual[i++] != expected[j++]) {
            return ::testing::AssertionFailure() << "differs at byte " << i - 1 << " of\n"
                                                 << actual << "\nexpected\n"
                                                 << expected;
        }
    }
    if (i != actual.size() || j != expected.size()) {
        return ::testing::AssertionFailure() << "length differs:\n"
                                             << actual << "\nexpected\n"
                                             << expected;
    }
    return ::testing::AssertionSuccess();
}

constexpr const char* kCsvHeader =
    "db [°C],wb [°C],rh [%],dp [°C],h [kJ/kg(DA)],w [kg/kg(DA)],pv [hPa],density [kg/m³],error\n";
// 26 °C and 50 % at 1013.25 hPa.
constexpr const char* kRoomCsv =
    "26,18.710694953373327,50,14.781220420610387,52.90113535440056,0.010496397355761338,"
    "16.815661944845697,1.1603554299790253,\n";

TEST_F(Program, HelpVersionAndModes) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* outStart;
        const char* err;
    } cases[] = {
        {{"--version"}, 0, "zeph-batch " ZEPH_VERSION "\n", ""},
        {{"--help"}, 0, "Usage: zeph-batch MODE", ""},
        {{"states", "--help"}, 0, "Usage: zeph-batch states [IN.csv|-]", ""},
        {{}, 2, "", "zeph-batch: no mode given\nTry 'zeph-batch --help'.\n"},
        {{"sizes"}, 2, "", "zeph-batch: unknown mode \"sizes\"\nTry 'zeph-batch --help'.\n"},
        {{"states", "--units", "J"},
         2,
         "",
         "zeph-batch: states: --units takes si or kcal, not \"J\"\n"
         "Try 'zeph-batch states --help'.\n"},
    };
    for (const auto& c : cases) {
        const Result r = Run(c.args, "db,rh\n26,50\n");
        const std::string label = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(r.status, c.status) << label;
        EXPECT_EQ(r.out.substr(0, std::string(c.outStart).size()), c.outStart) << label;
        EXPECT_EQ(r.err, c.err) << label;
    }
    // The general help lists the modes that exist.
    EXPECT_NE(Run({"--help"}).out.find("\n  states    solve states"), std::string::npos);
}

TEST_F(Program, StatesFromStandardInputOrAFile) {
    const std::string table =
        "\xEF\xBB\xBF"
        "DB,RH\r\n26,50\r\n";
    Result r = Run({"states"}, table);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(SameText(r.out, std::string(kCsvHeader) + kRoomCsv));
    EXPECT_EQ(r.err, "");

    WriteFile(dir_ / "in.csv", table);
    r = Run({"states", (dir_ / "in.csv").string(), "--format", "json", "--units", "kcal"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(
        SameText(r.out,
                 "[\n{\"db\":26,\"wb\":18.710694953373327,\"rh\":50,\"dp\":14.781220420610387,"
                 "\"h\":12.637478163223253,\"w\":0.010496397355761338,"
                 "\"pv\":16.815661944845697,\"density\":1.1603554299790253,"
                 "\"error\":null}\n]\n"));
}

TEST_F(Program, PressureFromTheCommandLine) {
    const std::string table = "db,rh\n26,50\n";
    const Result byAltitude = Run({"states", "--altitude", "1000"}, table);
    const Result byPressure = Run({"states", "--pressure", "898.7451941577366"}, table);
    EXPECT_EQ(byAltitude.status, 0) << byAltitude.err;
    EXPECT_TRUE(SameText(byAltitude.out, byPressure.out));
    EXPECT_FALSE(SameText(byAltitude.out, Run({"states"}, table).out));
}

TEST_F(Program, FailedRowsAreCountedAndTheOthersGoOn) {
    const Result r = Run({"states"}, "name,db,rh\nbad,26,x\nroom,26,50\nhot,50,90\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(SameText(r.out, std::string("name,") + kCsvHeader +
                                    "bad,,,,,,,,,\"line 2: rh \"\"x\"\" is not a number\"\n"
                                    "room," +
                                    kRoomCsv +
                                    "hot,,,,,,,,,Out of Range (  cal_DBRH / Vp_dbrh  ) !\n"))
        << r.out;
    EXPECT_EQ(r.err, "zeph-batch: 2 of 3 rows not solved\n");
}

TEST_F(Program, InputErrorsStopWithStatusTwo) {
    const struct {
        const char* label;
        std::vector<std::string> args;
        const char* input;
        const char* err;
    } cases[] = {
        {"missing file",
         {"states", "/nonexistent/in.csv"},
         "",
         "zeph-batch: cannot open /nonexistent/in.csv: No such file or directory\n"},
        {"empty input", {"states"}, "\n\n", "zeph-batch: standard input: no header line\n"},
        {"unknown column",
         {"states"},
         "\ndb,rh,t\n26,50,1\n",
         "zeph-batch: standard input line 2: unknown column \"t\" (the columns are db, wb, rh, "
         "dp, h, w, name, pressure)\n"},
        {"one property",
         {"states"},
         "db\n26\n",
         "zeph-batch: standard input line 1: the header names fewer than two properties (db, "
         "wb, rh, dp, h, w)\n"},
    };
    for (const auto& c : cases) {
        const Result r = Run(c.args, c.input);
        EXPECT_EQ(r.status, 2) << c.label;
        EXPECT_EQ(r.out, "") << c.label;
        EXPECT_EQ(r.err, c.err) << c.label;
    }
    const Result dir = Run({"states", dir_.string()});
    EXPECT_EQ(dir.status, 2);
    EXPECT_EQ(dir.err, "zeph-batch: cannot read " + dir_.string() + ": Is a directory\n");
}

// With -o the file is written whole or not at all, and nothing else is
// left beside it.
TEST_F(Program, OutputFileAppearsCompleteOrNotAtAll) {
    const fs::path out = dir_ / "out.csv";
    Result r = Run({"states", "-o", out.string()}, "db,rh\n26,50\n26,101\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(SameText(
        ReadFile(out), std::string(kCsvHeader) + kRoomCsv + ",,,,,,,,Not Available Function !\n"));
    EXPECT_EQ(Leftovers(), std::vector<std::string>{"out.csv"});

    // A failing run leaves the earlier file as it was.
    const std::string before = ReadFile(out);
    r = Run({"states", "-o", out.string()}, "db,rh,x\n26,50,1\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(ReadFile(out), before);
    EXPECT_EQ(Leftovers(), std::vector<std::string>{"out.csv"});

    // The rename over a folder fails at the very end.
    fs::create_directory(dir_ / "folder");
    r = Run({"states", "-o", (dir_ / "folder").string()}, "db,rh\n26,50\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(Leftovers(), (std::vector<std::string>{"folder", "out.csv"}));

    r = Run({"states", "-o", (dir_ / "no" / "out.csv").string()}, "db,rh\n26,50\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("zeph-batch: cannot create a file beside ", 0), 0u) << r.err;
}

}  // namespace
