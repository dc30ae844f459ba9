#include "dialogs/fieldranges.h"

#include <QCoreApplication>

#include <cmath>

#include "corvo/corvofunction.h"
#include "run/constants.h"

namespace zeph {

FieldRange HotWaterTempRange() {
    static const double limit = [] {
        // The saturation pressure rises with the temperature: the limit is
        // where the engine's vapour pressure of saturated air stops.
        const CCorvoFunction f;
        auto solvable = [&f](double t) { return f.Vp_dbrh(t, 100.0) != kFailed; };
        double lo = 0.0;
        double hi = kAirTempRange.max;
        for (int i = 0; i < 64; ++i) {
            const double mid = 0.5 * (lo + hi);
            (solvable(mid) ? lo : hi) = mid;
        }
        return std::floor(lo * 10.0) / 10.0;
    }();
    return {0.0, limit};
}

QString RangePrompt(double min, double max) {
    return QCoreApplication::translate("zeph::FieldRange",
                                       "%1 から %2 までの数値を入力して下さい。")
        .arg(QString::asprintf("%.15g", min), QString::asprintf("%.15g", max));
}

}  // namespace zeph
