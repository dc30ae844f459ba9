#pragma once

#include <string>
#include <vector>

#include "sizeinput.h"

class CZephRun;

// The output of the mode "size": a JSON object of the units, the sizing
// result, the points the run added and the messages it gave.
namespace zeph::batch {

// Appends the outcome of a capacity run: its result when `sized`, or null
// with the last message as "error"; loads in W or kcal/h and enthalpies in
// kJ/kg(DA) or kcal/kg(DA) after `units`; every number at full precision.
void WriteSizeResult(const CZephRun& run, bool sized, UnitSystem units,
                     const std::vector<std::string>& messages, std::string& out);

}  // namespace zeph::batch
