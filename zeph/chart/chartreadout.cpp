#include "chart/chartreadout.h"

#include <cmath>
#include <string>

#include "corvo/corvoapp.h"
#include "corvo/message.h"

namespace {

// Keeps the engine's messages from the user while the readout follows the
// mouse: a failed state is shown as an empty readout, not a message box.
class SilentEngine {
  public:
    SilentEngine() : m_previous(corvo::SetMessageSink([](const std::string&) {})) {}
    ~SilentEngine() { corvo::SetMessageSink(m_previous); }
    SilentEngine(const SilentEngine&) = delete;
    SilentEngine& operator=(const SilentEngine&) = delete;

  private:
    corvo::MessageSink m_previous;
};

constexpr double kFailed = 999;

}  // namespace

QString ReadoutText(double db, double x, double P, int unitMode) {
    if (!std::isfinite(db) || !std::isfinite(x)) return {};
    const CCorvoApp engine;
    _CORVO r;
    {
        const SilentEngine silent;
        r = engine.cal_DBX(db, x, P);
    }
    if (r.Db == kFailed) {
        const double saturated = engine.Abs_p(engine.Vp_dbrh(db, 100), P);
        const bool above = saturated != kFailed && x > saturated && P > 0;
        return above ? QStringLiteral("過飽和") : QString();
    }
    const bool si = unitMode == 1;
    const double h = si ? r.Hi * engine.CALWKJ(2) : r.Hi;
    return QString::asprintf(
        "DB %.1f ℃  RH %.1f %%  WB %.1f ℃  DP %.1f ℃  h %.2f %s  x %.5f kg/kg(DA)  v %.3f m³/kg",
        r.Db, r.Rh, r.Wb, r.Dp, h, si ? "kJ/kg(DA)" : "kcal/kg(DA)", r.Xi, engine.Svol(db, x, P));
}
