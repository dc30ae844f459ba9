#include "sizeinput.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <algorithm>
#include <cmath>

#include "cli.h"
#include "numbertext.h"
#include "run/eqcentry.h"
#include "run/strings.h"

namespace zeph::batch {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUnitsKey = "units";
constexpr std::string_view kRoomNameKey = "roomName";
constexpr std::string_view kSystemKey = "system";

// The numbers of the conditions record and what one left out takes: what
// the dialog shows for a condition not entered yet.
struct NumberField {
    std::string_view key;
    double EqcConditions::*member;
    double notEntered;
};
constexpr NumberField kNumberFields[] = {
    {"pressure", &EqcConditions::pressure, EqcConditions::kDefaultPressure},
    {"outdoorDb", &EqcConditions::outdoorDb, EqcConditions::kDefaultOutdoorDb},
    {"outdoorWb", &EqcConditions::outdoorWb, EqcConditions::kDefaultOutdoorWb},
    {"outdoorAirflow", &EqcConditions::outdoorAirflow, 0.0},
    {"roomDb", &EqcConditions::roomDb, EqcConditions::kDefaultRoomDb},
    {"roomRh", &EqcConditions::roomRh, EqcConditions::kDefaultRoomRh},
    {"floorArea", &EqcConditions::floorArea, 0.0},
    {"ceilingHeight", &EqcConditions::ceilingHeight, 0.0},
    {"airChangeRate", &EqcConditions::airChangeRate, EqcConditions::kDefaultAirChangeRate},
    {"maxSensible", &EqcConditions::maxSensible, 0.0},
    {"maxLatent", &EqcConditions::maxLatent, 0.0},
    {"minSensible", &EqcConditions::minSensible, 0.0},
    {"minLatent", &EqcConditions::minLatent, 0.0},
    {"contactFactor", &EqcConditions::contactFactor, EqcConditions::kDefaultContactFactor},
    {"supplyTemp", &EqcConditions::supplyTemp, EqcConditions::kDefaultSupplyTemp},
};

// The fields of the entry as messages name them: by their names in the
// file, a total by its two parts.
struct EntryName {
    double EqcEntry::*field;
    std::string_view name;
};
constexpr EntryName kEntryNames[] = {
    {&EqcEntry::floorArea, "floorArea"},
    {&EqcEntry::ceilingHeight, "ceilingHeight"},
    {&EqcEntry::outdoorAirflow, "outdoorAirflow"},
    {&EqcEntry::maxTotal, "maxSensible + maxLatent"},
    {&EqcEntry::maxSensible, "maxSensible"},
    {&EqcEntry::minTotal, "minSensible + minLatent"},
    {&EqcEntry::minSensible, "minSensible"},
    {&EqcEntry::pressure, "pressure"},
    {&EqcEntry::contactFactor, "contactFactor"},
    {&EqcEntry::airChangeRate, "airChangeRate"},
    {&EqcEntry::supplyTemp, "supplyTemp"},
    {&EqcEntry::outdoorDb, "outdoorDb"},
    {&EqcEntry::outdoorWb, "outdoorWb"},
    {&EqcEntry::roomDb, "roomDb"},
    {&EqcEntry::roomRh, "roomRh"},
};

std::string NameOf(double EqcEntry::*field) {
    for (const EntryName& entry : kEntryNames) {
        if (entry.field == field) return std::string(entry.name);
    }
    return "?";
}

std::string KnownKeys() {
    std::string list =
        std::string(kUnitsKey) + ", " + std::string(kRoomNameKey) + ", " + std::string(kSystemKey);
    for (const NumberField& f : kNumberFields) (list += ", ") += f.key;
    return list;
}

// What a JSON value is, for a message.
std::string_view TypeOf(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Bool:
            return "true or false";
        case QJsonValue::Double:
            return "a number";
        case QJsonValue::String:
            return "a text";
        case QJsonValue::Array:
            return "an array";
        case QJsonValue::Object:
            return "an object";
        default:
            return "null";
    }
}

// "line L, column C" of a byte offset into the text.
std::string Position(std::string_view text, qsizetype offset) {
    const std::size_t end =
        std::min(text.size(), static_cast<std::size_t>(std::max<qsizetype>(offset, 0)));
    const std::string_view before = text.substr(0, end);
    const std::size_t lineStart = before.rfind('\n');
    const long line = 1 + static_cast<long>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t column = lineStart == std::string_view::npos ? end + 1 : end - lineStart;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

std::string Number(double v) {
    std::string text;
    AppendNumber(text, v);
    return text;
}

}  // namespace

int UnitMode(UnitSystem units) {
    return units == UnitSystem::kSi ? 1 : 0;
}

std::optional<std::string> ReadSizeConditions(std::string_view text, SizeConditions& out) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(text.data(), static_cast<qsizetype>(text.size())), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return "not JSON: " + parseError.errorString().toStdString() + " at " +
               Position(text, parseError.offset);
    }
    if (!document.isObject()) return std::string("not a JSON object of conditions");

    // The conditions as given: the loads still in the unit of the file.
    EqcConditions given;
    for (const NumberField& f : kNumberFields) given.*f.member = f.notEntered;
    std::optional<UnitSystem> units;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string key = it.key().toStdString();
        const QJsonValue value = it.value();
        const auto wrongType = [&](std::string_view expected) {
            return Quoted(key) + " is " + std::string(TypeOf(value)) + ", not " +
                   std::string(expected);
        };
        const NumberField* number = nullptr;
        for (const NumberField& f : kNumberFields) {
            if (f.key == key) number = &f;
        }
        if (!number && key != kUnitsKey && key != kRoomNameKey && key != kSystemKey) {
            return "unknown field " + Quoted(key) + " (the fields are " + KnownKeys() + ")";
        }
        if (value.isNull()) continue;  // as if left out
        if (key == kUnitsKey) {
            if (!value.isString()) return wrongType("\"si\" or \"kcal\"");
            const QString name = value.toString();
            if (name == QLatin1String("si")) {
                units = UnitSystem::kSi;
            } else if (name == QLatin1String("kcal")) {
                units = UnitSystem::kKcal;
            } else {
                return Quoted(key) + " is " + Quoted(name.toStdString()) +
                       ", not \"si\" (loads in W) or \"kcal\" (kcal/h)";
            }
            continue;
        }
        if (key == kRoomNameKey) {
            if (!value.isString()) return wrongType("a text");
            given.roomName = value.toString();
            continue;
        }
        if (!value.isDouble()) return wrongType("a number");
        const double v = value.toDouble();
        if (!std::isfinite(v)) return Quoted(key) + " is not a finite number";
        if (key == kSystemKey) {
            if (v != 0.0 && v != 1.0) {
                return Quoted(key) + " is " + Number(v) +
                       ", not 0 (simple cooling cycle) or 1 (bypass control)";
            }
            given.system = static_cast<int>(v);
            continue;
        }
        given.*number->member = v;
    }
    if (!units) return "no \"units\": \"si\" (loads in W) or \"kcal\" (kcal/h)";

    // As the dialog's boxes would hold them, and checked as its OK checks.
    EqcEntry e;
    e.roomName = given.roomName;
    e.system = given.system;
    e.floorArea = given.floorArea;
    e.ceilingHeight = given.ceilingHeight;
    e.outdoorAirflow = given.outdoorAirflow;
    e.maxTotal = given.maxSensible + given.maxLatent;
    e.maxSensible = given.maxSensible;
    e.minTotal = given.minSensible + given.minLatent;
    e.minSensible = given.minSensible;
    e.pressure = given.pressure;
    e.contactFactor = given.contactFactor;
    e.airChangeRate = given.airChangeRate;
    e.supplyTemp = given.supplyTemp;
    e.outdoorDb = given.outdoorDb;
    e.outdoorWb = given.outdoorWb;
    e.roomDb = given.roomDb;
    e.roomRh = given.roomRh;
    for (const EqcFieldRange& range : kEqcFieldRanges) {
        double& v = e.*range.field;
        if (range.Accepts(v)) continue;
        if (range.bypassOnly && e.system == 0) {
            v = 0.0;  // not used by the simple cycle
            continue;
        }
        return NameOf(range.field) + " " + Number(v) + ": " +
               RangePrompt(range.min, range.max).toStdString();
    }
    if (const std::optional<EqcRefusal> refusal = RefuseEqcEntry(e)) {
        return NameOf(refusal->field) + ": " + refusal->text.toStdString();
    }
    out.units = *units;
    out.conditions = EqcConditions{};
    StoreEqcEntry(e, EqcLoadFactor(UnitMode(*units)), out.conditions);
    return std::nullopt;
}

}  // namespace zeph::batch
