// The built zeph-batch run as a user runs it: arguments, standard input,
// what comes out where, and the exit status.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QString>

#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run/runfile.h"
#include "run/writefile.h"
#include "run/zephrun.h"
#include "samplereport.h"

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
        // A Japanese desktop with no language chosen in the program's menu
        // (its settings in the test's folder), whatever this machine has.
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string_view entry(*e);
            const std::string_view name = entry.substr(0, entry.find('='));
            if (name != "LANG" && name != "LANGUAGE" && name != "LC_ALL" && name != "LC_MESSAGES" &&
                name != "XDG_CONFIG_HOME") {
                env_.emplace_back(entry);
            }
        }
        env_.push_back("LANG=ja_JP.UTF-8");
        env_.push_back("XDG_CONFIG_HOME=" + (dir_ / "config").string());
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
        std::vector<char*> envp;
        for (std::string& e : env_) envp.push_back(e.data());
        envp.push_back(nullptr);
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
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
    std::vector<std::string> env_;  // the program's environment
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
        {{"size", "--help"}, 0, "Usage: zeph-batch size [CONDITIONS.json|-]", ""},
        {{"report", "--help"}, 0, "Usage: zeph-batch report RUN.zeph", ""},
        {{"report"},
         2,
         "",
         "zeph-batch: report: no run file given\nTry 'zeph-batch report --help'.\n"},
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
    const std::string help = Run({"--help"}).out;
    EXPECT_NE(help.find("\n  states    solve states"), std::string::npos);
    EXPECT_NE(help.find("\n  size      size the air-conditioning unit"), std::string::npos);
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

// --- size ---------------------------------------------------------------------

// W per kcal/h, as the program converts loads.
constexpr double kWattsPerKcal = 1.1627899991879058;

std::string Number(double v) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
}

// Room 26 °C / 50 %, 100 m² × 2.7 m, 6 N/H, 8000 + 2000 kcal/h (times k in
// the file), C.F 0.95, supply 10 °C, and `more`.
std::string Conditions(const std::string& units, double k, const std::string& more = "") {
    return R"({"units": ")" + units +
           R"(", "roomName": "Room 1", "roomDb": 26, "roomRh": 50, "floorArea": 100,
               "ceilingHeight": 2.7, "airChangeRate": 6, "maxSensible": )" +
           Number(8000 * k) + R"(, "maxLatent": )" + Number(2000 * k) +
           R"(, "contactFactor": 0.95, "supplyTemp": 10)" + more + "}";
}

// The result numbers of the program's window (kcal/h), in the record's
// order, with the heats from outdoorAirLoad on.
using Numbers = std::array<double, 22>;
constexpr std::size_t kFirstHeat = 16;
constexpr Numbers kBaseNumbers = {1013.25,
                                  100,
                                  2.7,
                                  2301.7780431646584,
                                  0,
                                  2301.7780431646584,
                                  0,
                                  0,
                                  0,
                                  8.5251038635728094,
                                  26,
                                  18.710694953373327,
                                  13.738274171445322,
                                  13.26582822631201,
                                  13.738274171445322,
                                  13.26582822631201,
                                  0,
                                  323.45247011790951,
                                  0,
                                  0,
                                  8323.4524701179089,
                                  10323.452470117909};
constexpr Numbers kOutdoorAirNumbers = {1013.25,
                                        100,
                                        2.7,
                                        2301.7780431646584,
                                        500,
                                        2301.7780431646584,
                                        0,
                                        0,
                                        0,
                                        8.5251038635728094,
                                        27.254585997664282,
                                        20.686819443503911,
                                        13.738274171445322,
                                        13.26582822631201,
                                        13.738274171445322,
                                        13.26582822631201,
                                        4393.9063952997822,
                                        323.45247011790951,
                                        0,
                                        0,
                                        9164.1748785086384,
                                        14717.358865417691};
constexpr const char* kResultKeys[] = {
    "pressure",         "floorArea",      "ceilingHeight",  "totalAirflow",
    "outdoorAirflow",   "coilAirflowMax", "coilAirflowMin", "bypassAirflow1",
    "bypassAirflow2",   "airChangeRate",  "mixDb",          "mixWb",
    "coilOutDb",        "coilOutWb",      "supplyDb",       "supplyWb",
    "outdoorAirLoad",   "fanLoad",        "systemReheat",   "loadCorrectionReheat",
    "sensibleCapacity", "totalCapacity"};

constexpr const char* kTooLowSupply =
    "設定した最低吹出温度は、低過ぎます[ 13.7 ℃]に　OffCoil温度を自動で再設定しました。";
constexpr const char* kAirChangesRaised =
    "セットした換気回数が小さ過ぎます、熱量から算出した値　[   8.5  N/H ] に自動的にセットされます "
    " ! ";

QJsonObject ParseObject(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

std::vector<std::string> Texts(const QJsonArray& array, const char* key = nullptr) {
    std::vector<std::string> texts;
    for (const QJsonValue& v : array) {
        texts.push_back((key ? v.toObject().value(key) : v).toString().toStdString());
    }
    return texts;
}

// Each message on standard error, in order.
std::string Printed(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& m : messages) text += "zeph-batch: " + m + "\n";
    return text;
}

// The window's numbers for the conditions, in kcal/h or in W, and its
// messages, whatever was left out of the file or how its loads were given.
TEST_F(Program, SizeGivesTheWindowsResult) {
    const std::vector<std::string> messages = {kTooLowSupply, kAirChangesRaised};
    const struct {
        const char* label;
        std::string conditions;
        double k;  // the result's heats per kcal/h
        const Numbers& numbers;
        std::vector<std::string> points;
    } cases[] = {
        {"base", Conditions("kcal", 1), 1, kBaseNumbers, {"RM", "OFF"}},
        {"outdoor air",
         Conditions("kcal", 1, R"(, "outdoorAirflow": 500)"),
         1,
         kOutdoorAirNumbers,
         {"RM", "OFF", "OA", "Mix"}},
        {"in W", Conditions("si", kWattsPerKcal), kWattsPerKcal, kBaseNumbers, {"RM", "OFF"}},
        {"defaults",
         R"({"units": "kcal", "roomName": "Room 1", "roomDb": 26, "roomRh": null,
             "floorArea": 100, "ceilingHeight": 2.7, "maxSensible": 8000, "maxLatent": 2000})",
         1,
         kBaseNumbers,
         {"RM", "OFF"}},
    };
    for (const auto& c : cases) {
        WriteFile(dir_ / "room.json", c.conditions);
        const Result r = Run({"size", (dir_ / "room.json").string()});
        EXPECT_EQ(r.status, 0) << c.label << r.err;
        EXPECT_EQ(r.err, Printed(messages)) << c.label;
        const QJsonObject out = ParseObject(r.out);
        const QJsonObject result = out["result"].toObject();
        EXPECT_EQ(result["name"].toString(), "Room 1") << c.label;
        EXPECT_EQ(result["system"].toInt(-1), 0) << c.label;
        for (std::size_t i = 0; i < c.numbers.size(); ++i) {
            const double expected = c.numbers[i] * (i >= kFirstHeat ? c.k : 1);
            EXPECT_NEAR(result[kResultKeys[i]].toDouble(), expected, 1e-9 * std::abs(expected))
                << c.label << ' ' << kResultKeys[i];
        }
        EXPECT_EQ(out["units"]["totalCapacity"].toString(), c.k == 1 ? "kcal/h" : "W") << c.label;
        EXPECT_EQ(Texts(out["points"].toArray(), "name"), c.points) << c.label;
        EXPECT_EQ(Texts(out["messages"].toArray()), messages) << c.label;
        EXPECT_TRUE(out["error"].isNull()) << c.label;
    }
    // The room point as the states mode solves it, in the unit of the file.
    const QJsonObject room = ParseObject(Run({"size", (dir_ / "room.json").string()}).out);
    EXPECT_EQ(room["points"][0]["h"].toDouble(), 12.637478163223253);
    EXPECT_EQ(room["units"]["h"].toString(), "kcal/kg(DA)");
}

// More outdoor air than the coil passes: the run stops with its message,
// and the file written says so.
TEST_F(Program, SizeThatStopsExitsOne) {
    WriteFile(dir_ / "room.json", Conditions("kcal", 1, R"(, "outdoorAirflow": 5000)"));
    const Result r =
        Run({"size", (dir_ / "room.json").string(), "-o", (dir_ / "out.json").string()});
    EXPECT_EQ(r.status, 1);
    const std::vector<std::string> messages = {kTooLowSupply, kAirChangesRaised,
                                               "不正なOAデータです　！"};
    EXPECT_EQ(r.err, Printed(messages) + "zeph-batch: " + (dir_ / "room.json").string() +
                         ": the calculation stopped without a result\n");
    EXPECT_EQ(r.out, "");
    const QJsonObject out = ParseObject(ReadFile(dir_ / "out.json"));
    EXPECT_TRUE(out["result"].isNull());
    EXPECT_TRUE(out["points"].toArray().isEmpty());
    EXPECT_EQ(Texts(out["messages"].toArray()), messages);
    EXPECT_EQ(out["error"].toString().toStdString(), messages.back());
    EXPECT_EQ(Leftovers(), (std::vector<std::string>{"out.json", "room.json"}));
}

// Files that are no conditions, or conditions the dialog's OK refuses:
// status 2, the file named, nothing written.
TEST_F(Program, SizeRefusesBadConditionFiles) {
    const std::string loads =
        R"("units": "kcal", "floorArea": 100, "ceilingHeight": 2.7, "maxSensible": 8000)";
    const struct {
        const char* label;
        std::string conditions;
        const char* error;
    } cases[] = {
        {"not JSON", "room 1", "not JSON: illegal value at line 1, column 2"},
        {"not an object", "[1]", "not a JSON object of conditions"},
        {"not finite", "{\"floorArea\": 1e999}", "not JSON: illegal number at line 1, column 20"},
        {"too large", std::string((1 << 20) + 1, ' '), "more than 1048576 bytes"},
        {"wrong type", R"({"units": "kcal", "floorArea": "100"})",
         "\"floorArea\" is a text, not a number"},
        {"unknown field", R"({"fanLoad": 300})",
         "unknown field \"fanLoad\" (the fields are units,"},
        {"unknown units", R"({"units": "J"})",
         "\"units\" is \"J\", not \"si\" (loads in W) or \"kcal\" (kcal/h)"},
        {"no units", "{}", "no \"units\""},
        {"out of range", "{" + loads + R"(, "pressure": 800})",
         "pressure 800: 900 から 1200 までの数値を入力して下さい。"},
        {"min above max", "{" + loads + R"(, "system": 1, "minSensible": 9000})",
         "minSensible + minLatent: 最小負荷が最大負荷を超えています、再度入力して下さい。"},
        {"wet above dry", "{" + loads + R"(, "outdoorWb": 32})",
         "outdoorWb: 外気の湿球温度が乾球温度を超えています、再度入力して下さい。"},
        {"RH 120", "{" + loads + R"(, "roomRh": 120})",
         "roomRh: 室内の相対湿度が100％を超えています、再度入力して下さい。"},
    };
    const std::string file = (dir_ / "room.json").string();
    for (const auto& c : cases) {
        WriteFile(file, c.conditions);
        const Result r = Run({"size", file, "-o", (dir_ / "out.json").string()});
        EXPECT_EQ(r.status, 2) << c.label;
        EXPECT_EQ(r.err.rfind("zeph-batch: " + file + ": " + c.error, 0), 0u) << c.label << r.err;
        EXPECT_EQ(r.out, "") << c.label;
        EXPECT_EQ(Leftovers(), std::vector<std::string>{"room.json"}) << c.label;
    }
}

// A run of one finished system and one being drawn, each with its capacity
// result (the second not yet archived).
RunState SavedRun() {
    const ReportData sample = sample::SampleRun();
    RunState run;
    run.allPoints = sample.points.mid(0, 3);
    run.systemNames = {sample.systemNames.first()};
    run.systemCount = 1;
    run.archivedCount = 3;
    run.eqcResults = {sample.results.first()};
    run.points = sample.points.mid(3, 2);
    run.pointNo = 2;
    run.systemName = QStringLiteral("AHU-2");
    run.eqcResult = sample.results.last();
    run.eqcPending = 1;
    return run;
}

TEST_F(Program, ReportIsTheOneTheProgramWritesAtFinish) {
    const RunState saved = SavedRun();
    const std::string file = (dir_ / "run.zeph").string();
    QString reason;
    ASSERT_TRUE(SaveRunFile(QString::fromStdString(file), saved, &reason)) << reason.toStdString();
    // What the window writes when OK finishes this run.
    CZephRun finished;
    finished.RestoreState(saved);
    finished.FinishRun(saved.systemName);
    const std::string expected = CWriteFile(ReportOf(finished.State())).Text();
    // Both systems and both capacity blocks are in it.
    EXPECT_NE(expected.find("Location (AHU-1)"), std::string::npos);
    EXPECT_NE(expected.find("Location (AHU-2)"), std::string::npos);
    EXPECT_NE(expected.find("室B"), std::string::npos);

    const Result toStdout = Run({"report", file});
    EXPECT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_EQ(toStdout.err, "");
    EXPECT_EQ(toStdout.out, expected);
    // A desktop that writes numbers with a decimal comma changes none.
    env_.push_back("LC_ALL=de_DE.UTF-8");
    const Result german = Run({"report", file, "--lang", "ja"});
    env_.pop_back();
    EXPECT_EQ(german.out, expected);
    const Result toFile = Run({"report", file, "-o", (dir_ / "report.txt").string()});
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(ReadFile(dir_ / "report.txt"), expected);

    // The chart pictures beside it, without a display: the export's PNG at
    // twice the 640-pixel chart, drawn (more than the sheet's colours), and
    // a PDF page.
    const std::string png = (dir_ / "chart.png").string();
    const std::string pdf = (dir_ / "chart.pdf").string();
    const Result pictures = Run({"report", file, "--png", png, "--pdf", pdf});
    EXPECT_EQ(pictures.status, 0) << pictures.err;
    EXPECT_EQ(pictures.out, expected);
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(1280, 1280));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 4);
    EXPECT_EQ(ReadFile(dir_ / "chart.pdf").substr(0, 5), "%PDF-");
}

TEST_F(Program, ReportRefusesAFileThatIsNotARun) {
    const std::string file = (dir_ / "run.zeph").string();
    const struct {
        const char* label;
        const char* bytes;  // nullptr: no file at all
    } cases[] = {{"not JSON", "run 1"}, {"not a run", "[1]"}, {"missing", nullptr}};
    for (const auto& c : cases) {
        fs::remove(file);
        if (c.bytes) WriteFile(file, c.bytes);
        const QString reason = LoadRunFile(QString::fromStdString(file)).reason;
        ASSERT_FALSE(reason.isEmpty()) << c.label;
        const Result r = Run({"report", file, "-o", (dir_ / "report.txt").string()});
        EXPECT_EQ(r.status, 2) << c.label;
        EXPECT_EQ(r.err, "zeph-batch: " + file + ": " + reason.toStdString() + "\n") << c.label;
        EXPECT_FALSE(fs::exists(dir_ / "report.txt")) << c.label;
    }
}

// The texts follow --lang, else the language chosen in the program's menu,
// else the desktop's; a name typed in the run (data) stays as it is.
TEST_F(Program, ReportAndMessagesFollowTheLanguage) {
    const std::string file = (dir_ / "run.zeph").string();
    ASSERT_TRUE(SaveRunFile(QString::fromStdString(file), SavedRun(), nullptr));
    WriteFile(dir_ / "room.json", R"({"units": "si"})");
    const struct {
        const char* label;
        const char* option;   // --lang's value; nullptr: none
        const char* desktop;  // LANG
        const char* chosen;   // the menu's saved choice; nullptr: none
        bool english;
    } cases[] = {
        {"Japanese desktop", nullptr, "ja_JP.UTF-8", nullptr, false},
        {"English desktop", nullptr, "en_GB.UTF-8", nullptr, true},
        {"chosen over the desktop", nullptr, "ja_JP.UTF-8", "en", true},
        {"option over both", "ja", "en_US.UTF-8", "en", false},
        {"option", "en", "ja_JP.UTF-8", nullptr, true},
    };
    for (const auto& c : cases) {
        env_.resize(env_.size() - 2);  // the desktop's language and settings
        env_.push_back(std::string("LANG=") + c.desktop);
        env_.push_back("XDG_CONFIG_HOME=" + (dir_ / "config").string());
        fs::remove_all(dir_ / "config");
        if (c.chosen) {
            fs::create_directories(dir_ / "config" / "Zeph");
            WriteFile(dir_ / "config" / "Zeph" / "Zeph.conf",
                      std::string("[General]\nlanguage=") + c.chosen + "\n");
        }
        std::vector<std::string> report = {"report", file};
        std::vector<std::string> size = {"size", (dir_ / "room.json").string()};
        if (c.option) {
            for (auto* args : {&report, &size}) args->insert(args->end(), {"--lang", c.option});
        }
        const Result r = Run(report);
        EXPECT_EQ(r.status, 0) << c.label << r.err;
        EXPECT_NE(r.out.find(c.english ? "Total capacity" : "空調機全熱"), std::string::npos)
            << c.label;
        EXPECT_NE(r.out.find("室B"), std::string::npos) << c.label;
        const Result stopped = Run(size);
        EXPECT_EQ(stopped.status, 2) << c.label;
        EXPECT_NE(stopped.err.find(c.english ? "The floor area has not been entered."
                                             : "床面積が入力されていません。"),
                  std::string::npos)
            << c.label << stopped.err;
    }
}

}  // namespace
