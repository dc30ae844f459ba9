#include "sizemode.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <utility>
#include <vector>

#include "batchlanguage.h"
#include "cli.h"
#include "corvo/message.h"
#include "optionwalk.h"
#include "outputfile.h"
#include "run/runprompt.h"
#include "run/zephrun.h"
#include "sizeinput.h"
#include "sizewriter.h"

namespace zeph::batch {
namespace {

constexpr std::string_view kMode = "size";

constexpr std::string_view kHelp =
    R"(Usage: zeph-batch size [CONDITIONS.json|-] [-o RESULT.json] [--lang ja|en]

Sizes the air-conditioning unit of one room as the program's capacity
calculation does: the room, coil, bypass and outdoor-air points, the air
flows and the capacities, for the conditions of a JSON file. Every question
of the calculation is answered as pressing OK or Yes would; a re-heater is
set by supply temperature, at the lowest coil-outlet temperature.

Input: CONDITIONS.json, or standard input when it is "-" or not given: one
JSON object (UTF-8, at most 1 MiB) with the fields of the capacity dialog.
A field left out, or null, takes what the dialog shows for a condition not
yet entered (in brackets; [-]: none, the field is then missing).
  units           "si": loads in W, enthalpies in kJ/kg(DA); "kcal": loads
                  in kcal/h, enthalpies in kcal/kg(DA) (required)
  roomName        the room: the name of the result and of its system [""]
  system          0 simple cooling cycle, 1 bypass control [0]
  pressure        atmospheric pressure, hPa, 900 to 1200 [1013.25]
  outdoorDb       outdoor dry bulb, °C [31.7]
  outdoorWb       outdoor wet bulb, °C, at most the dry bulb [26.7]
  outdoorAirflow  outdoor-air quantity, m³/h, up to 1000000 [0: none]
  roomDb          room dry bulb, °C [25]
  roomRh          room relative humidity, %, at most 100 [50]
  floorArea       floor area, m², 0.1 to 100000 [-]
  ceilingHeight   ceiling height, m, 0.1 to 50 [-]
  airChangeRate   air changes per hour, 1 to 500 [6]
  maxSensible     maximum sensible load, W or kcal/h [-]
  maxLatent       maximum latent load, W or kcal/h [0]
  minSensible     minimum sensible load (bypass control), W or kcal/h [0]
  minLatent       minimum latent load (bypass control), W or kcal/h [0]
  contactFactor   coil contact factor, 0.7 to 1 [0.95]
  supplyTemp      lowest supply-air temperature, °C, 5 to 40 [10]
Loads in W become kcal/h as in the program (1 kcal/h = 1.16279 W). Each
load and each total (sensible + latent) is at most 1000000; the maximum
sensible load is more than 0.6 of its total; for the bypass control the
minimum loads are at most the maximum ones. Conditions the dialog's OK
refuses are refused with its message, as are any other field, a value of
another type and a number that is not finite.

Output: standard output, or RESULT.json, one JSON object:
  units     the unit of every number below, by its name: heats in W or
            kcal/h, enthalpy in kJ/kg(DA) or kcal/kg(DA) after "units"
  result    the sizing as the result window and the report have it: name,
            system, pressure, floorArea, ceilingHeight, totalAirflow,
            outdoorAirflow, coilAirflowMax, coilAirflowMin, bypassAirflow1,
            bypassAirflow2, airChangeRate, mixDb, mixWb, coilOutDb,
            coilOutWb, supplyDb, supplyWb, outdoorAirLoad, fanLoad,
            systemReheat, loadCorrectionReheat, sensibleCapacity,
            totalCapacity; null when the calculation stopped
  points    the points the calculation added, in order, each with number,
            name, db, wb, rh, dp, h and x (humidity ratio)
  messages  what the calculation said, in order: the program's messages
            and the engine's, as texts
  error     null, or the message that stopped the calculation
Numbers are written at full precision: the shortest text that reads back
as the same number. Each message also goes to standard error as it comes,
on one line after "zeph-batch: ". With -o the file appears complete or not
at all.

Options:
  -o, --output OUT  write to OUT instead of standard output
)" ZEPH_BATCH_LANGUAGE_HELP R"(  -h, --help        show this help

Exit status: 0 when the unit was sized; 1 when the calculation stopped (its
messages say why; the output is written with "result" null and the reason
in "error"); 2 for a usage, input or output error (the message names the
file; no output is written).
)";

// The text of a file or standard input, of at most kMaxConditionsBytes.
std::optional<std::string> ReadInput(const std::string& path, const std::string& shownName,
                                     std::string& text) {
    const bool fromStdin = path == "-";
    std::unique_ptr<std::FILE, InputCloser> in(fromStdin ? stdin : std::fopen(path.c_str(), "rb"));
    if (!in) return "cannot open " + shownName + ": " + std::strerror(errno);
    char buffer[1 << 14];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, in.get());
        text.append(buffer, n);
        if (text.size() > kMaxConditionsBytes) {
            return shownName + ": more than " + std::to_string(kMaxConditionsBytes) +
                   " bytes, not a conditions file";
        }
        if (n < sizeof buffer) break;
    }
    if (std::ferror(in.get())) return "cannot read " + shownName + ": " + std::strerror(errno);
    return std::nullopt;
}

// A message on one line: its line ends become blanks.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text;
}

// While it lives, the engine's messages go to `sink`.
class EngineMessages {
  public:
    explicit EngineMessages(corvo::MessageSink sink)
        : previous_(corvo::SetMessageSink(std::move(sink))) {}
    ~EngineMessages() { corvo::SetMessageSink(std::move(previous_)); }
    EngineMessages(const EngineMessages&) = delete;
    EngineMessages& operator=(const EngineMessages&) = delete;

  private:
    corvo::MessageSink previous_;
};

}  // namespace

std::string_view SizeHelp() {
    return kHelp;
}

std::optional<std::string> ParseSizeOptions(std::span<const std::string_view> args,
                                            SizeOptions& options) {
    bool inputGiven = false;
    return WalkOptions(
        args, {"-o", "--output", "--lang"}, true, options.help,
        [&](std::string_view arg) -> OptionError {
            if (inputGiven) return "more than one conditions file: " + Quoted(arg);
            options.input = std::string(arg);
            inputGiven = true;
            return std::nullopt;
        },
        [&](std::string_view name, std::string_view value) -> OptionError {
            if (name == "--lang") return ReadLanguage(value, options.language);
            if (value.empty()) return "option " + std::string(name) + " needs a file name";
            options.output = std::string(value);
            return std::nullopt;
        });
}

int RunSize(std::span<const std::string_view> args) {
    SizeOptions options;
    if (const std::optional<std::string> error = ParseSizeOptions(args, options)) {
        PrintModeUsageError(kMode, *error);
        return kExitError;
    }
    if (options.help) {
        std::cout << kHelp;
        return std::cout.flush() ? kExitAllSolved : kExitError;
    }

    // The program's messages in the language asked for.
    const auto app = StartWithLanguage(options.language);
    const std::string inputName = options.input == "-" ? "standard input" : options.input;
    std::string text;
    if (const std::optional<std::string> error = ReadInput(options.input, inputName, text)) {
        PrintError(*error);
        return kExitError;
    }
    SizeConditions input;
    if (const std::optional<std::string> error = ReadSizeConditions(text, input)) {
        PrintError(inputName + ": " + *error);
        return kExitError;
    }
    OutputFile out;
    std::string error;
    if (!out.Open(options.output, error)) {
        PrintError(error);
        return kExitError;
    }

    // Every message of the run and of the engine, in the order they come.
    std::vector<std::string> messages;
    const auto say = [&messages](std::string message) {
        PrintError(OneLine(message));
        messages.push_back(std::move(message));
    };
    CDefaultAnswers prompt(
        [&say](const QString& message, zeph::MsgIcon) { say(message.toStdString()); });
    const EngineMessages engine(say);
    CZephRun run;
    run.SetPrompt(&prompt);
    run.SetUnitMode(UnitMode(input.units));
    run.SetEqcInput(input.conditions);
    const bool sized = run.RunCapacityCalculation();

    WriteSizeResult(run, sized, input.units, messages, out.Buffer());
    if (!out.Commit(error)) {
        PrintError(error);
        return kExitError;
    }
    if (!sized) {
        PrintError(inputName + ": the calculation stopped without a result");
        return kExitSomeFailed;
    }
    return kExitAllSolved;
}

}  // namespace zeph::batch
