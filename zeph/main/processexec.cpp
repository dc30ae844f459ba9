#include "gui/ui.h"
#include "main/zephdlgj.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/zephrun.h"
#include "tolvex/checkdata.h"

// What every process shares: the buttons, the pressure it runs at, and the
// step that puts its result into the point box or abandons it.

CZephDlgJ::Origins CZephDlgJ::OriginOf(const _CORVO& a) {
    Origins o;
    o.db1 = a.Db;
    o.xi1 = a.Xi;
    return o;
}

CZephDlgJ::Origins CZephDlgJ::OriginOf(const _CORVO& a, const _CORVO& b) {
    Origins o = OriginOf(a);
    o.db2 = b.Db;
    o.xi2 = b.Xi;
    return o;
}

double CZephDlgJ::ProcessPressure() {
    UpdateData(true);
    return tolvex::CAtof(m_strPressure.toStdString());
}

bool CZephDlgJ::ResultStep(const _CORVO& r, const QString& label, int style, const Origins& origins,
                           ResultAdd add) {
    if (!m_run->InDisplayRange(r)) {
        AbandonProcess();
        return false;
    }
    CZephData record = CZephRun::MakePointRecord(r, m_run->State().pointNo, label, style);
    record.Db1 = origins.db1;
    record.Xi1 = origins.xi1;
    record.Db2 = origins.db2;
    record.Xi2 = origins.xi2;
    ShowPoint(record, label, 1);
    LockFields();
    if (add == ResultAdd::AtOnce) {
        AddCurrentPoint(1);
        // In the list now: a Yes must not add it a second time.
        m_run->SetCurrentPending(0);
    }
    return true;
}

void CZephDlgJ::AbandonProcess() {
    zeph::ShowMessage(zeph::OutOfRangeText(), zeph::MsgIcon::Exclamation, zeph::MsgButtons::Ok);
    ClearCurrent();
    SetFieldLock(0);
    ClearFields(0);
}

bool CZephDlgJ::ProcessCommandAvailable(int id) {
    switch (id) {
        case IDC_SHF:
        case IDC_MIX:
        case IDC_HEAT:
        case IDC_HH:
        case IDC_SLOPE:
        case IDC_DLT:
        case IDC_CP:
        case IDC_CAP:
        case IDC_EQC:
            return true;
        default:
            return false;
    }
}

void CZephDlgJ::OnProcessCommand(int id) {
    switch (id) {
        case IDC_SHF:
            OnShfCommand();
            break;
        case IDC_MIX:
            OnMixCommand();
            break;
        case IDC_HEAT:
            OnHeatCommand();
            break;
        case IDC_HH:
            OnHumidifyCommand();
            break;
        case IDC_SLOPE:
            OnSlopeCommand();
            break;
        case IDC_DLT:
            OnDeltaCommand();
            break;
        case IDC_CP:
            OnShowPointCommand();
            break;
        case IDC_CAP:
            OnCapCommand();
            break;
        case IDC_EQC:
            OnEqcCommand(true);
            break;
        default:
            break;
    }
}
