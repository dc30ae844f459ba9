#include "sizewriter.h"

#include <cmath>
#include <iterator>
#include <string_view>

#include "numbertext.h"
#include "run/autocalret.h"
#include "run/eqcentry.h"
#include "run/zephrun.h"
#include "statetable.h"
#include "statewriter.h"

namespace zeph::batch {
namespace {

enum class Quantity { kPressure, kArea, kLength, kAirflow, kAirChanges, kTemperature, kHeat };

// The numbers of the result record, named as its fields, in its order.
struct ResultField {
    std::string_view key;
    double CAutoCal_Ret::*member;
    Quantity quantity;
};
constexpr ResultField kResultFields[] = {
    {"pressure", &CAutoCal_Ret::pressure, Quantity::kPressure},
    {"floorArea", &CAutoCal_Ret::floorArea, Quantity::kArea},
    {"ceilingHeight", &CAutoCal_Ret::ceilingHeight, Quantity::kLength},
    {"totalAirflow", &CAutoCal_Ret::totalAirflow, Quantity::kAirflow},
    {"outdoorAirflow", &CAutoCal_Ret::outdoorAirflow, Quantity::kAirflow},
    {"coilAirflowMax", &CAutoCal_Ret::coilAirflowMax, Quantity::kAirflow},
    {"coilAirflowMin", &CAutoCal_Ret::coilAirflowMin, Quantity::kAirflow},
    {"bypassAirflow1", &CAutoCal_Ret::bypassAirflow1, Quantity::kAirflow},
    {"bypassAirflow2", &CAutoCal_Ret::bypassAirflow2, Quantity::kAirflow},
    {"airChangeRate", &CAutoCal_Ret::airChangeRate, Quantity::kAirChanges},
    {"mixDb", &CAutoCal_Ret::mixDb, Quantity::kTemperature},
    {"mixWb", &CAutoCal_Ret::mixWb, Quantity::kTemperature},
    {"coilOutDb", &CAutoCal_Ret::coilOutDb, Quantity::kTemperature},
    {"coilOutWb", &CAutoCal_Ret::coilOutWb, Quantity::kTemperature},
    {"supplyDb", &CAutoCal_Ret::supplyDb, Quantity::kTemperature},
    {"supplyWb", &CAutoCal_Ret::supplyWb, Quantity::kTemperature},
    {"outdoorAirLoad", &CAutoCal_Ret::outdoorAirLoad, Quantity::kHeat},
    {"fanLoad", &CAutoCal_Ret::fanLoad, Quantity::kHeat},
    {"systemReheat", &CAutoCal_Ret::systemReheat, Quantity::kHeat},
    {"loadCorrectionReheat", &CAutoCal_Ret::loadCorrectionReheat, Quantity::kHeat},
    {"sensibleCapacity", &CAutoCal_Ret::sensibleCapacity, Quantity::kHeat},
    {"totalCapacity", &CAutoCal_Ret::totalCapacity, Quantity::kHeat},
};
static_assert(
    [] {
        if (std::size(kResultFields) != std::size(kCapacityNumbers)) return false;
        for (std::size_t i = 0; i < std::size(kResultFields); ++i) {
            if (kResultFields[i].member != kCapacityNumbers[i]) return false;
        }
        return true;
    }(),
    "every number of the result record is written, in the record's order");

// The values of a point, with the property they are.
struct PointField {
    std::string_view key;
    double _CORVO::*member;
    Property property;
};
constexpr PointField kPointFields[] = {
    {"db", &_CORVO::Db, kDb}, {"wb", &_CORVO::Wb, kWb}, {"rh", &_CORVO::Rh, kRh},
    {"dp", &_CORVO::Dp, kDp}, {"h", &_CORVO::Hi, kH},   {"x", &_CORVO::Xi, kW},
};

constexpr std::string_view kIndent = "  ";

std::string_view UnitOf(Quantity q, UnitSystem units) {
    switch (q) {
        case Quantity::kPressure:
            return "hPa";
        case Quantity::kArea:
            return "m²";
        case Quantity::kLength:
            return "m";
        case Quantity::kAirflow:
            return "m³/h";
        case Quantity::kAirChanges:
            return "1/h";
        case Quantity::kTemperature:
            return "°C";
        case Quantity::kHeat:
            break;
    }
    return units == UnitSystem::kSi ? "W" : "kcal/h";
}

void Key(std::string& out, std::string_view key) {
    AppendJsonString(out, key);
    out += ": ";
}

// A number, or null where it is not one (JSON has no NaN).
void Value(std::string& out, double v) {
    if (std::isfinite(v)) {
        AppendNumber(out, v);
    } else {
        out += "null";
    }
}

// Opens a member that is an object or array of items on lines of their own.
void OpenBlock(std::string& out, std::string_view key, char bracket) {
    out += kIndent;
    Key(out, key);
    out += bracket;
}

// The separator before item `index` of a block, on its own line at depth 2.
void NextItem(std::string& out, std::size_t index) {
    out += index == 0 ? "\n" : ",\n";
    out += kIndent;
    out += kIndent;
}

void CloseBlock(std::string& out, std::size_t items, char bracket) {
    if (items > 0) (out += '\n') += kIndent;
    (out += bracket) += ",\n";
}

}  // namespace

void WriteSizeResult(const CZephRun& run, bool sized, UnitSystem units,
                     const std::vector<std::string>& messages, std::string& out) {
    const EnthalpyUnit enthalpy =
        units == UnitSystem::kSi ? EnthalpyUnit::kKj : EnthalpyUnit::kKcal;
    const double heatFactor = EqcLoadFactor(UnitMode(units));
    out += "{\n";

    OpenBlock(out, "units", '{');
    std::size_t items = 0;
    for (const ResultField& f : kResultFields) {
        NextItem(out, items++);
        Key(out, f.key);
        AppendJsonString(out, UnitOf(f.quantity, units));
    }
    for (const PointField& f : kPointFields) {
        NextItem(out, items++);
        Key(out, f.key);
        AppendJsonString(out, PropertyUnit(f.property, enthalpy));
    }
    CloseBlock(out, items, '}');

    out += kIndent;
    Key(out, "result");
    if (sized) {
        const CAutoCal_Ret& r = run.State().eqcResult;
        out += '{';
        items = 0;
        NextItem(out, items++);
        Key(out, "name");
        AppendJsonString(out, r.name.toStdString());
        NextItem(out, items++);
        Key(out, "system");
        out += std::to_string(r.system);
        for (const ResultField& f : kResultFields) {
            NextItem(out, items++);
            Key(out, f.key);
            Value(out, r.*f.member * (f.quantity == Quantity::kHeat ? heatFactor : 1.0));
        }
        CloseBlock(out, items, '}');
    } else {
        out += "null,\n";
    }

    OpenBlock(out, "points", '[');
    const double enthalpyFactor = run.EnthalpyFactor();
    const int count = run.GetPointCount();
    for (int n = 1; n <= count; ++n) {
        const CZephData& point = run.State().points.at(n - 1);
        const _CORVO values = point.GetValues();
        NextItem(out, static_cast<std::size_t>(n - 1));
        out += '{';
        Key(out, "number");
        out += std::to_string(point.GetN());
        out += ", ";
        Key(out, "name");
        AppendJsonString(out, point.GetStrPn());
        for (const PointField& f : kPointFields) {
            out += ", ";
            Key(out, f.key);
            Value(out, values.*f.member * (f.property == kH ? enthalpyFactor : 1.0));
        }
        out += '}';
    }
    CloseBlock(out, static_cast<std::size_t>(count), ']');

    OpenBlock(out, "messages", '[');
    for (std::size_t i = 0; i < messages.size(); ++i) {
        NextItem(out, i);
        AppendJsonString(out, messages[i]);
    }
    CloseBlock(out, messages.size(), ']');

    out += kIndent;
    Key(out, "error");
    if (sized) {
        out += "null";
    } else {
        AppendJsonString(out, messages.empty() ? "the calculation stopped" : messages.back());
    }
    out += "\n}\n";
}

}  // namespace zeph::batch
