#include "optionwalk.h"

#include "cli.h"

namespace zeph::batch {

OptionError WalkOptions(
    std::span<const std::string_view> args, std::initializer_list<std::string_view> known,
    bool dashIsOperand, bool& help, const std::function<OptionError(std::string_view)>& operand,
    const std::function<OptionError(std::string_view name, std::string_view value)>& option) {
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnd || (dashIsOperand && arg == "-") || arg.empty() || arg[0] != '-') {
            if (OptionError error = operand(arg)) return error;
            continue;
        }
        if (arg == "--") {
            optionsEnd = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            help = true;
            continue;
        }
        std::optional<std::string_view> value;
        std::string_view name;
        for (const std::string_view candidate : known) {
            if (ReadOption(arg, candidate, value)) name = candidate;
        }
        if (name.empty()) return "unknown option " + Quoted(arg);
        if (!value) {
            if (i + 1 == args.size()) return "option " + std::string(name) + " needs a value";
            value = args[++i];
        }
        if (OptionError error = option(name, *value)) return error;
    }
    return std::nullopt;
}

}  // namespace zeph::batch
