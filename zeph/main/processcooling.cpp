#include <algorithm>
#include <cmath>

#include "corvo/corvoapp.h"
#include "dialogs/airchangedlgj.h"
#include "dialogs/reheaterdlgj.h"
#include "dialogs/shfdlgj.h"
#include "gui/ui.h"
#include "main/zephdlgj.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/strings.h"
#include "run/zephrun.h"

// Cooling along the SHF line: the coil outlet, the reheat choices (a fixed
// supply temperature, or the air-change table) and the air flow for a
// supply temperature used by the capacity calculation.

using zeph::kFailed;
using zeph::kNoFixedOutlet;
using zeph::kStyleProcess;

namespace {

// The lowest coil-outlet temperature unless the coil's contact state forces
// a lower one, °C.
constexpr double kMinOffCoilTemp = 10.0;
// Margin below the contact state's dry bulb for that lower limit, K.
constexpr double kContactMargin = 2.0;

}  // namespace

void CZephDlgJ::OnShfCommand() {
    CShfDlgJ dlg(this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    const double P = ProcessPressure();
    ClearCurrent();
    double out = 0.0;
    ProcCooling(dlg.AutoCalc, dlg.ReheatSet, dlg.PointNo, dlg.Shf, dlg.ContactFactor, P,
                dlg.SupplyTemp, out);
}

int CZephDlgJ::ProcCooling(int autoCalc, int reheat, int A, double SHF, double CF, double P,
                           double tSA, double& out) {
    ClearCurrent();
    const _CORVO a = GetPointValues(A);
    if (a.Db == kFailed) {
        AbandonProcess();
        return 0;
    }
    const double t = autoCalc == 1 ? kNoFixedOutlet : tSA;

    const CCorvoApp corvo;
    const _CORVO contact = corvo.cal_RHX(CF * 100.0, a.Xi, P);
    if (contact.Db == kFailed) {
        AbandonProcess();
        return 0;
    }
    double tmin = kMinOffCoilTemp;
    const double x = contact.Db - kContactMargin;
    if (x < kMinOffCoilTemp) {
        zeph::ShowMessage(zeph::LoadResString(6136), zeph::MsgIcon::Exclamation);
        tmin = x;
    }
    // cal_SHF reads a limit of exactly 0 as "10 °C"; a limit of 0 °C is
    // passed as the nearest value below it.
    const double limit = tmin == 0.0 ? std::nextafter(0.0, -1.0) : tmin;

    _CORVO r = corvo.cal_SHF(a, SHF, CF, t, P, limit);
    if (r.Db == kFailed && r.Mt == kFailed) {
        // The limit state on the SHF line could not be solved (the engine
        // has said so): there is no temperature to reheat from.
        AbandonProcess();
        return 0;
    }
    r.Mt = std::max(r.Mt, tSA);
    const double tOff = r.Mt;

    if (reheat == 1 && r.Db != kFailed) {
        if (!ResultStep(r, zeph::kLabelCoilOff, kStyleProcess, OriginOf(a), ResultAdd::Pending)) {
            return 0;
        }
        return m_run->State().pointNo + 1;
    }
    if (reheat == 1) {
        zeph::ShowMessage(zeph::LoadResString(6100), zeph::MsgIcon::Question);
        return ProcReheat(A, a, 1, SHF, CF, tOff, P, out);
    }
    return ProcReheat(A, a, 0, SHF, CF, tOff, P, out);
}

int CZephDlgJ::ProcReheat(int A, const _CORVO& a, int mode, double SHF, double CF, double tOff,
                          double P, double& out) {
    ClearCurrent();
    if (mode == 0) {
        return ProcSupplyFixedTemp(A, a, 0, SHF, CF, tOff, P);
    }
    CReHeaterDlgJ dlg(this, this);
    dlg.MinOffCoilTemp = tOff;
    if (dlg.exec() != QDialog::Accepted) {
        return 0;
    }
    // The result steps lock the point box themselves; one that fails
    // leaves it empty and editable, so it is not locked here.
    if (dlg.Method == 0) {
        return ProcSupplyFixedTemp(A, a, 1, SHF, CF, dlg.SupplyTemp, P);
    }
    return ProcSupplyByAirChange(A, a, SHF, CF, tOff, P, out);
}

int CZephDlgJ::ProcSupplyFixedTemp(int /*A*/, const _CORVO& a, int mode, double SHF, double CF,
                                   double t, double P) {
    const CCorvoApp corvo;
    const _CORVO s = corvo.cal_SHF_FixedSaTemp(a, SHF, t, P);
    if (!ResultStep(s, zeph::kLabelSupply, kStyleProcess, OriginOf(a), ResultAdd::AtOnce)) {
        return 0;
    }
    if (mode == 1) {
        // The coil outlet at the supply air's humidity.
        const _CORVO o = corvo.cal_RHX(CF * 100.0, s.Xi, P);
        ResultStep(o, zeph::kLabelCoilOff, kStyleProcess, OriginOf(s), ResultAdd::AtOnce);
    }
    return m_run->State().pointNo;
}

int CZephDlgJ::ProcSupplyByAirChange(int /*A*/, const _CORVO& a, double SHF, double CF, double tOff,
                                     double P, double& out) {
    CAirChangeDlgJ dlg(this, this);
    dlg.RoomState = a;
    dlg.Shf = SHF;
    dlg.ContactFactor = CF;
    dlg.Pressure = P;
    dlg.MinOffCoilTemp = tOff;
    // The room and loads of the capacity conditions, once the capacity
    // dialog has stored them (the capacity calculation comes here with them).
    if (m_run->State().eqcInput.floorArea > 0.0 && m_run->State().eqcInput.ceilingHeight > 0.0) {
        const EqcConditions& c = m_run->State().eqcInput;
        dlg.RoomVolumeText = zeph::Format("%8.0f", c.floorArea * c.ceilingHeight);
        dlg.TotalHeatText = zeph::Format("%10.0f", c.fanLoad + c.maxSensible + c.maxLatent);
        UpdateData(false);
    }
    if (dlg.exec() != QDialog::Accepted) {
        return 0;
    }
    out = dlg.AirChanges;

    const CCorvoApp corvo;
    const double V = dlg.AirChanges * dlg.RoomVolume;  // m³/h
    const _CORVO s = corvo.cal_SHF_AirQtyTh(a, SHF, CF, dlg.TotalHeat, V, P);
    if (!ResultStep(s, zeph::kLabelSupply, kStyleProcess, OriginOf(a), ResultAdd::AtOnce)) {
        return 0;
    }
    const _CORVO o = corvo.cal_RHX(CF * 100.0, s.Xi, P);
    ResultStep(o, zeph::kLabelCoilOff, kStyleProcess, OriginOf(s), ResultAdd::AtOnce);
    return m_run->State().pointNo;
}

double CZephDlgJ::AirflowForSupplyTemp(int A, double SHF, double CF, double P, double& tOff,
                                       double Q) {
    ClearCurrent();
    return m_run->AirflowForSupplyTemp(A, SHF, CF, P, tOff, Q);
}
