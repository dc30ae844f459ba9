#include "chart/staticgraph.h"
#include "dialogs/graphviewrangedlg.h"
#include "main/zephdlgj.h"

// The view-range dialog.

void CZephDlgJ::OnViewRangeDialog() {
    CGraphViewRangeDlg dlg(this, this);
    dlg.MaxDb = m_Graph->MaxDb;
    dlg.MinDb = m_Graph->MinDb;
    dlg.MaxXi = m_Graph->MaxXi * 1000.0;  // kg/kg → g/kg
    dlg.MinXi = m_Graph->MinXi * 1000.0;
    if (dlg.DoModal() != QDialog::Accepted) {
        return;
    }
    m_Graph->MaxDb = dlg.MaxDb;
    m_Graph->MinDb = dlg.MinDb;
    m_Graph->MaxXi = dlg.MaxXi / 1000.0;
    m_Graph->MinXi = dlg.MinXi / 1000.0;
    m_Graph->update();
}
