#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "run/eqcconditions.h"

// The conditions file of the mode "size": a JSON object with the capacity
// conditions under the names of the conditions record, read and checked as
// the capacity dialog's OK checks what the user typed.
namespace zeph::batch {

// The largest conditions file read, bytes: far more than any set of
// conditions needs.
inline constexpr std::size_t kMaxConditionsBytes = 1 << 20;

// The units of the loads and enthalpies, as the program's unit modes show
// them: W and kJ/kg(DA), or kcal/h and kcal/kg(DA).
enum class UnitSystem { kSi, kKcal };

struct SizeConditions {
    EqcConditions conditions;  // loads in kcal/h, as the run takes them
    UnitSystem units = UnitSystem::kSi;
};

// The program's unit mode for the units (CZephRun::SetUnitMode).
int UnitMode(UnitSystem units);

// Reads the text of a conditions file (UTF-8, with or without a byte-order
// mark) into `out`. The reason when it is not valid JSON, not an object,
// names a field that does not exist, gives a field a value of the wrong
// type or one that is not finite, or holds conditions the dialog refuses.
std::optional<std::string> ReadSizeConditions(std::string_view text, SizeConditions& out);

}  // namespace zeph::batch
