#include "gui/ui.h"
#include "main/commandnames.h"
#include "main/undocommands.h"
#include "main/zephdlgj.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/zephrun.h"
#include "tolvex/checkdata.h"

// What every process shares: the buttons and the pressure it runs at. The
// run presents each result through the window's prompt (windowprompt.cpp).

double CZephDlgJ::ProcessPressure() {
    UpdateData(true);
    return tolvex::CAtof(m_strPressure.toStdString());
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
    // The points a process adds at once, and the conditions EQC stores,
    // are one step named by its button; its pending result is the next.
    const CRunHistory::Step step(*m_history, zeph::ProcessStepSource(id));
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
