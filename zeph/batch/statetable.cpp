#include "statetable.h"

#include <utility>

#include "cli.h"
#include "corvo/corvofunction.h"
#include "numbertext.h"

namespace zeph::batch {
namespace {

// The engine's mark of a failed state, in Db and the other state fields.
constexpr double kFailed = 999.0;

// CCorvoFunction::CALWKJ modes: values held in kcal as they are, and
// kcal/kg(DA) turned into kJ/kg(DA).
constexpr int kShowKcal = 0;
constexpr int kShowKj = 2;

// Significant digits of an enthalpy in kJ/kg(DA) once turned into the
// engine's kcal/kg(DA), as the point box hands it over.
constexpr int kEnthalpyDigits = 10;

constexpr std::string_view kKeys[kPropertyCount] = {"db", "wb", "rh", "dp",
                                                    "h",  "w",  "pv", "density"};

using Setter = void (CDataManager::*)(const char*);
constexpr Setter kSetters[kGivenCount] = {&CDataManager::SetStrDb, &CDataManager::SetStrWb,
                                          &CDataManager::SetStrRh, &CDataManager::SetStrDp,
                                          &CDataManager::SetStrHi, &CDataManager::SetStrXi};

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != b[i]) return false;
    }
    return true;
}

std::string KnownColumns() {
    std::string list;
    for (std::size_t p = 0; p < kGivenCount; ++p) list += std::string(kKeys[p]) + ", ";
    return list + std::string(kNameColumn) + ", " + std::string(kPressureColumn);
}

}  // namespace

std::string_view PropertyKey(Property p) {
    return kKeys[p];
}

std::string_view PropertyUnit(Property p, EnthalpyUnit unit) {
    switch (p) {
        case kDb:
        case kWb:
        case kDp:
            return "°C";
        case kRh:
            return "%";
        case kH:
            return unit == EnthalpyUnit::kKj ? "kJ/kg(DA)" : "kcal/kg(DA)";
        case kW:
            return "kg/kg(DA)";
        case kPv:
            return "hPa";
        case kDensity:
        case kPropertyCount:
            break;
    }
    return "kg/m³";
}

std::optional<std::string> ReadHeader(const std::vector<std::string_view>& cells,
                                      InputColumns& columns) {
    columns = InputColumns{};
    columns.count = cells.size();
    int properties = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string_view cell = TrimBlanks(cells[i]);
        int* slot = nullptr;
        if (SameName(cell, kNameColumn)) {
            slot = &columns.name;
        } else if (SameName(cell, kPressureColumn)) {
            slot = &columns.pressure;
        } else {
            for (std::size_t p = 0; p < kGivenCount; ++p) {
                if (SameName(cell, kKeys[p])) {
                    slot = &columns.property[p];
                    ++properties;
                }
            }
        }
        if (slot == nullptr) {
            return "unknown column " + Quoted(cell) + " (the columns are " + KnownColumns() + ")";
        }
        if (*slot != InputColumns::kNone) return "column " + Quoted(cell) + " named twice";
        *slot = static_cast<int>(i);
    }
    if (properties < 2) {
        return "the header names fewer than two properties (db, wb, rh, dp, h, w)";
    }
    return std::nullopt;
}

StateSolver::StateSolver(EnthalpyUnit unit, double pressure)
    : unit_(unit),
      pressure_(pressure),
      enthalpyFactor_(CCorvoFunction().CALWKJ(unit == EnthalpyUnit::kKj ? kShowKj : kShowKcal)),
      previousSink_(corvo::SetMessageSink([this](const std::string& text) {
          if (!messages_.empty()) messages_ += "; ";
          messages_ += text;
      })) {}

StateSolver::~StateSolver() {
    corvo::SetMessageSink(std::move(previousSink_));
}

void StateSolver::Fail(const CsvReader::Record& record, std::string_view reason,
                       StateRow& row) const {
    row.solved = false;
    row.error = "line " + std::to_string(record.line) + ": ";
    row.error += reason;
}

void StateSolver::Solve(const CsvReader::Record& record, const InputColumns& columns,
                        StateRow& row) {
    const std::vector<std::string_view>& cells = record.fields;
    row.solved = false;
    row.error.clear();
    row.pressure.reset();
    row.name = {};
    if (columns.name != InputColumns::kNone && std::size_t(columns.name) < cells.size()) {
        row.name = cells[columns.name];
    }
    if (record.unclosedQuote) {
        return Fail(record, "a quoted field is not closed before the end of the input", row);
    }
    if (record.tooLong) {
        return Fail(
            record,
            "the row is longer than " + std::to_string(CsvReader::kMaxRecordBytes) + " bytes", row);
    }
    if (cells.size() != columns.count) {
        return Fail(record,
                    std::to_string(cells.size()) + (cells.size() == 1 ? " field" : " fields") +
                        " where the header has " + std::to_string(columns.count),
                    row);
    }

    double P = pressure_;
    if (columns.pressure != InputColumns::kNone) {
        const std::string_view text = TrimBlanks(cells[columns.pressure]);
        if (!text.empty()) {
            const std::optional<double> value = ParseNumber(text);
            if (!value || *value <= 0) {
                return Fail(record, "pressure " + Quoted(text) + " is not a positive number (hPa)",
                            row);
            }
            P = *value;
        }
    }
    row.pressure = P;

    std::array<Property, kGivenCount> given{};
    std::array<double, kGivenCount> givenValues{};
    std::size_t count = 0;
    for (std::size_t p = 0; p < kGivenCount; ++p) {
        texts_[p].clear();
        if (columns.property[p] == InputColumns::kNone) continue;
        const std::string_view text = TrimBlanks(cells[columns.property[p]]);
        if (text.empty()) continue;
        const std::optional<double> value = ParseNumber(text);
        if (!value) {
            return Fail(record, std::string(kKeys[p]) + " " + Quoted(text) + " is not a number",
                        row);
        }
        if (p == kH && unit_ == EnthalpyUnit::kKj) {
            texts_[p] = FormatSignificant(*value / enthalpyFactor_, kEnthalpyDigits);
        } else {
            texts_[p] = text;  // the engine reads the same value from it
        }
        givenValues[count] = *value;
        given[count++] = Property(p);
    }
    if (count != 2) {
        std::string which = "no property given";
        if (count > 0) {
            which = std::to_string(count) + (count == 1 ? " property" : " properties") + " given (";
            for (std::size_t i = 0; i < count; ++i) {
                which += (i > 0 ? ", " : "") + std::string(kKeys[given[i]]);
            }
            which += ')';
        }
        return Fail(record, which + " where a state needs two", row);
    }

    for (std::size_t p = 0; p < kGivenCount; ++p) (fields_.*kSetters[p])(texts_[p].c_str());
    messages_.clear();
    const _CORVO r = CCalc().Cal_CorvoPoint(&fields_, P);
    if (r.Db == kFailed) {
        row.error = messages_.empty() ? std::string("no state solves the row") : messages_;
        return;
    }
    row.solved = true;
    row.values = {r.Db, r.Wb, r.Rh, r.Dp, r.Hi * enthalpyFactor_, r.Xi, r.Px, r.Dn};
    for (std::string& text : row.texts) text.clear();
    for (std::size_t i = 0; i < count; ++i) {
        const Property p = given[i];
        if (row.values[p] == givenValues[i]) {
            AppendNumberAsRead(row.texts[p], cells[columns.property[p]]);
        }
    }
}

}  // namespace zeph::batch
