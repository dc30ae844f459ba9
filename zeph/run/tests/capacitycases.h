#pragma once

// The capacity runs both the run's and the window's tests check: the
// conditions of each case, and the points, messages and result numbers the
// program gave when the chain last changed on purpose.

#include <QList>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <utility>

#include "run/autocalret.h"
#include "run/eqcconditions.h"
#include "run/strings.h"

namespace capacitycases {

using zeph::LoadResString;

inline constexpr double kP = 1013.25;

// Room 26 °C / 50 %, 100 m² × 2.7 m, 6 N/H, 10000 / 8000 kcal/h, C.F 0.95,
// supply 10 °C, no outdoor air; changed by "N=", "T=", "S=" (sensible, of a
// total of 10000), "A=" (outdoor air), "oawb=" (outdoor wet bulb), "floor=",
// "ceiling=", "sys=" and "min=total/sensible".
inline EqcConditions Conditions(const QString& changes) {
    EqcConditions c{.roomName = QStringLiteral("Room 1"),
                    .pressure = kP,
                    .outdoorDb = 31.7,
                    .outdoorWb = 26.7,
                    .roomDb = 26,
                    .roomRh = 50,
                    .floorArea = 100,
                    .ceilingHeight = 2.7,
                    .airChangeRate = 6,
                    .maxSensible = 8000,
                    .maxLatent = 2000,
                    .contactFactor = 0.95,
                    .supplyTemp = 10};
    for (const QString& item : changes.split(' ', Qt::SkipEmptyParts)) {
        const QString key = item.section('=', 0, 0);
        const double v = item.section('=', 1).section('/', 0, 0).toDouble();
        if (key == "N") c.airChangeRate = v;
        if (key == "T") c.supplyTemp = v;
        if (key == "S") c.maxLatent = 10000 - (c.maxSensible = v);
        if (key == "A") c.outdoorAirflow = v;
        if (key == "oawb") c.outdoorWb = v;
        if (key == "floor") c.floorArea = v;
        if (key == "ceiling") c.ceilingHeight = v;
        if (key == "sys") c.system = int(v);
        if (key == "min") {
            c.minSensible = item.section('/', 1).toDouble();
            c.minLatent = v - c.minSensible;
        }
    }
    return c;
}

inline QString WithNumber(int before, double v, int after) {
    return LoadResString(before) + ' ' + QString::asprintf("%4.1f", v) + ' ' + LoadResString(after);
}

// What the program gives for each row of chain_data, captured when the
// chain last changed on purpose: the points it adds (name, dry bulb,
// humidity ratio), the fan load offered to the air-change table, the
// result's numbers (fields 3 … 24, in kCapacityNumbers order) and the
// messages in their order.
struct Expected {
    QString changes;
    QStringList names;
    QList<std::pair<double, double>> points;
    double fanLoad = 0;
    QList<double> numbers;
    QStringList messages;
};

inline const Expected& Captured(const QString& changes) {
    // clang-format off
    static const Expected table[] = {
        {"",
         {"RM", "OFF"},
         {{26, 0.010496397355761338}, {13.738274171445322, 0.0093025544705333703}},
         323.45247011359197,
         {1013.25, 100, 2.7000000000000002, 2301.7780431646584,
          0, 2301.7780431646584, 0, 0,
          0, 8.5251038635728094, 26, 18.710694953373327,
          13.738274171445322, 13.26582822631201, 13.738274171445322, 13.26582822631201,
          0, 323.45247011790951, 0, 0,
          8323.4524701179089, 10323.452470117909},
         {WithNumber(6127, 13.7, 6128), WithNumber(6109, 8.5, 6110)}},
        {"N=20",
         {"RM", "OFF", "B.P"},
         {{26, 0.010496397355761338}, {13.851571976546191, 0.0093723674865817414},
          {20.888050129040405, 0.010025781819542421}},
         758.82352941176464,
         {1013.25, 100, 2.7000000000000002, 5400,
          0, 2444.6970325052303, 0, 2955.3029674947697,
          0, 20, 26, 18.710694953373327,
          13.851571976546191, 13.377492106916277, 13.851571976546191, 13.377492106916277,
          0, 758.82352941176464, 0, 0,
          8758.823529411764, 10758.823529411764},
         {WithNumber(6127, 13.9, 6128), LoadResString(6108)}},
        {"T=16",
         {"RM", "OFF", "B.P"},
         {{26, 0.010496397355761338}, {13.759312368687912, 0.0093154826881574563},
          {16, 0.0095331942369019495}},
         400.15337257715305,
         {1013.25, 100, 2.7000000000000002, 2848.3703777023147,
          0, 2326.9692549102278, 0, 521.40112279208688,
          0, 10.54951991741598, 26, 18.710694953373327,
          13.759312368687912, 13.286563002807737, 13.759312368687912, 13.286563002807737,
          0, 400.26119686666516, 0, 0,
          8400.2611968666642, 10400.261196866664},
         {WithNumber(6109, 10.5, 6110)}},
        {"S=6100",
         {"RM", "S.A", "OFF"},
         {{26, 0.010496397355761338}, {16, 0.0079994679987752358},
          {11.470296020663787, 0.0079994679987752376}},
         227.64705882352942,
         {1013.25, 100, 2.7000000000000002, 2145.0355001440389,
          0, 2145.0355001440389, 0, 0,
          0, 7.9445759264594029, 26, 18.710694953373327,
          11.470296020663787, 11.030578110050794, 16, 12.909323508099574,
          0, 301.42655720978325, 2853.6332081023966, 0,
          9255.0597653121804, 13155.05976531218},
         {LoadResString(6100), WithNumber(6109, 7.9, 6110)}},
        {"A=500",
         {"RM", "OFF", "OA", "Mix"},
         {{26, 0.010496397355761338}, {13.738274171445322, 0.0093025544705333703},
          {31.699999999999999, 0.020147708149326496}, {27.254585997664282, 0.012592887680322738}},
         323.45247011359197,
         {1013.25, 100, 2.7000000000000002, 2301.7780431646584,
          500, 2301.7780431646584, 0, 0,
          0, 8.5251038635728094, 27.254585997664282, 20.686819443503911,
          13.738274171445322, 13.26582822631201, 13.738274171445322, 13.26582822631201,
          4393.9063952997822, 323.45247011790951, 0, 0,
          9164.1748785086384, 14717.358865417691},
         {WithNumber(6127, 13.7, 6128), WithNumber(6109, 8.5, 6110)}},
        {"sys=1 N=20 min=5000/4000",
         {"RM", "OFF", "B.P", "B.P"},
         {{26, 0.010496397355761338}, {13.851571976546191, 0.0093723674865817414},
          {20.888050129040405, 0.010025781819542421}, {20.354202394786363, 0.0099764374629819109}},
         758.82352941176464,
         {1013.25, 100, 2.7000000000000002, 5400,
          0, 2444.6970325052303, 1136.1358543627371, 4263.8641456372625,
          2955.3029674947697, 20, 26, 18.710694953373327,
          13.851571976546191, 13.377492106916277, 13.851571976546191, 13.377492106916277,
          0, 758.82352941176464, 0, 0,
          8758.823529411764, 10758.823529411764},
         {WithNumber(6127, 13.9, 6128), LoadResString(6108)}},
        {"sys=1",
         {"RM", "OFF"},
         {{26, 0.010496397355761338}, {13.738274171445322, 0.0093025544705333703}},
         323.45247011359197,
         {1013.25, 100, 2.7000000000000002, 2301.7780431646584,
          0, 2301.7780431646584, 0, 0,
          0, 8.5251038635728094, 26, 18.710694953373327,
          13.738274171445322, 13.26582822631201, 13.738274171445322, 13.26582822631201,
          0, 323.45247011790951, 0, 0,
          8323.4524701179089, 10323.452470117909},
         {WithNumber(6127, 13.7, 6128), WithNumber(6109, 8.5, 6110)}},
    };
    // clang-format on
    for (const Expected& x : table) {
        if (x.changes == changes) return x;
    }
    qFatal("no captured run for \"%s\"", qPrintable(changes));
}

// The result record of a captured run of conditions c.
inline CAutoCal_Ret ResultOf(const Expected& x, const EqcConditions& c) {
    CAutoCal_Ret r;
    r.name = c.roomName;
    r.system = c.system;
    for (int i = 0; i < int(std::size(kCapacityNumbers)); ++i) {
        r.*kCapacityNumbers[i] = x.numbers.at(i);
    }
    return r;
}

inline void CompareResults(const CAutoCal_Ret& actual, const CAutoCal_Ret& expected) {
    QCOMPARE(actual.name, expected.name);
    QCOMPARE(actual.system, expected.system);
    // Fields 3 … 24 of the record, in order.
    const auto& fields = kCapacityNumbers;
    for (int i = 0; i < int(std::size(fields)); ++i) {
        const double a = actual.*fields[i], e = expected.*fields[i];
        QVERIFY2(qFuzzyCompare(1 + a, 1 + e),
                 qPrintable(QString::asprintf("field %d: %.17g, expected %.17g", i + 3, a, e)));
    }
}

}  // namespace capacitycases
