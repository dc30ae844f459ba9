#include "run/eqcentry.h"

#include <QCoreApplication>

#include "corvo/corvofunction.h"
#include "run/strings.h"

namespace zeph {
namespace {

// The context of the texts below in the translations.
constexpr const char* kContext = "zeph::EqcEntry";

// Conditions no air can meet: the run would stop half way.
constexpr const char* kMinAboveMaxText =
    QT_TRANSLATE_NOOP("zeph::EqcEntry", "最小負荷が最大負荷を超えています、再度入力して下さい。");
constexpr const char* kWetAboveDryText = QT_TRANSLATE_NOOP(
    "zeph::EqcEntry", "外気の湿球温度が乾球温度を超えています、再度入力して下さい。");
constexpr const char* kRhAbove100Text = QT_TRANSLATE_NOOP(
    "zeph::EqcEntry", "室内の相対湿度が100％を超えています、再度入力して下さい。");

}  // namespace

double EqcLoadFactor(int unitMode) {
    return unitMode == 1 ? CCorvoFunction().CALWKJ(1) : 1.0;
}

std::optional<EqcRefusal> RefuseEqcEntry(const EqcEntry& e) {
    const auto refuse = [](double EqcEntry::*field, int message) {
        return EqcRefusal{field, LoadResString(message)};
    };
    const auto refuseText = [](double EqcEntry::*field, const char* text) {
        return EqcRefusal{field, QCoreApplication::translate(kContext, text)};
    };
    const bool bypass = e.system == 1;
    if (e.floorArea <= 0.0) {
        return refuse(&EqcEntry::floorArea, 6132);
    }
    if (e.ceilingHeight <= 0.0) {
        return refuse(&EqcEntry::ceilingHeight, 6133);
    }
    if (e.maxTotal <= 0.0) {
        return refuse(&EqcEntry::maxTotal, 6134);
    }
    if (e.maxSensible <= 0.0 || e.maxSensible / e.maxTotal <= kMinMaxShf) {
        return refuse(&EqcEntry::maxSensible, 6135);
    }
    if (e.maxSensible > e.maxTotal) {
        return refuse(&EqcEntry::maxSensible, 6130);
    }
    if (bypass && e.minSensible > e.minTotal) {
        return refuse(&EqcEntry::minSensible, 6130);
    }
    if (bypass && e.minTotal > e.maxTotal) {
        return refuseText(&EqcEntry::minTotal, kMinAboveMaxText);
    }
    if (bypass && e.minSensible > e.maxSensible) {
        return refuseText(&EqcEntry::minSensible, kMinAboveMaxText);
    }
    if (e.outdoorWb > e.outdoorDb) {
        return refuseText(&EqcEntry::outdoorWb, kWetAboveDryText);
    }
    if (e.roomRh > kMaxRoomRh) {
        return refuseText(&EqcEntry::roomRh, kRhAbove100Text);
    }
    return std::nullopt;
}

void StoreEqcEntry(const EqcEntry& e, double loadFactor, EqcConditions& c) {
    const double k = loadFactor;
    c.system = e.system;
    c.pressure = e.pressure;
    c.airChangeRate = e.airChangeRate;
    c.contactFactor = e.contactFactor;
    c.supplyTemp = e.supplyTemp;
    c.outdoorDb = e.outdoorDb;
    c.outdoorWb = e.outdoorWb;
    c.roomName = e.roomName;
    c.outdoorAirflow = e.outdoorAirflow;
    c.roomDb = e.roomDb;
    c.roomRh = e.roomRh;
    c.floorArea = e.floorArea;
    c.ceilingHeight = e.ceilingHeight;
    c.maxSensible = e.maxSensible / k;
    c.maxLatent = (e.maxTotal - e.maxSensible) / k;
    c.minSensible = e.minSensible / k;
    c.minLatent = (e.minTotal - e.minSensible) / k;
}

}  // namespace zeph
