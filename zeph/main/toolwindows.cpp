#include "dialogs/coilcapdlgj.h"
#include "dialogs/generaldlgj.h"
#include "dialogs/graphviewrangedlg.h"
#include "main/commandnames.h"
#include "main/undocommands.h"
#include "main/zephdlgj.h"
#include "run/zephrun.h"

// The tool windows beside the chart (calculator, coil capacity) and the
// view-range dialog.
//
// The main dialog runs modally, so the tool windows are its children: a
// window outside it would take no input while its modal loop runs.

void CZephDlgJ::CreateToolWindows() {
    m_pCalculatorDlg = new CGeneralDlgJ(this, this);
    m_pCoilCapDlg = new CCoilCapDlgJ(this, this);
    for (CToolDlg* tool :
         {static_cast<CToolDlg*>(m_pCalculatorDlg), static_cast<CToolDlg*>(m_pCoilCapDlg)}) {
        ConnectToolWindow(tool);
    }
}

void CZephDlgJ::ConnectToolWindow(CToolDlg* tool) {
    // Queued, like a posted message: the window goes once the click or
    // close request that ended it has been handled.
    connect(
        tool, &CToolDlg::closed, this, [this, tool] { OnToolWindowClosed(tool); },
        Qt::QueuedConnection);
}

void CZephDlgJ::DeleteToolWindows() {
    delete m_pCalculatorDlg;
    m_pCalculatorDlg = nullptr;
    delete m_pCoilCapDlg;
    m_pCoilCapDlg = nullptr;
}

void CZephDlgJ::OpenToolWindow(CToolDlg* tool) {
    if (tool != nullptr) {
        tool->Create();
    }
}

void CZephDlgJ::OnToolWindowClosed(CToolDlg* tool) {
    // The objects may have been deleted (finish) since the window asked.
    if (tool == m_pCalculatorDlg || tool == m_pCoilCapDlg) {
        tool->DestroyWindow();
    }
}

void CZephDlgJ::OnCapCommand() {
    // A separate dialog for one use; it hands nothing back.
    CCoilCapDlgJ dlg(this, this);
    dlg.DoModal();
}

void CZephDlgJ::OnViewRangeDialog() {
    CGraphViewRangeDlg dlg(this, this);
    const ViewRange& shown = m_run->State().range;
    dlg.MaxDb = shown.maxDb;
    dlg.MinDb = shown.minDb;
    dlg.MaxXi = shown.maxXi * 1000.0;  // kg/kg → g/kg
    dlg.MinXi = shown.minXi * 1000.0;
    if (dlg.DoModal() != QDialog::Accepted) {
        return;
    }
    const CRunHistory::Step step(*m_history, zeph::kStepRange);
    m_run->SetViewRange(ViewRange{dlg.MaxDb, dlg.MinDb, dlg.MaxXi / 1000.0, dlg.MinXi / 1000.0});
}
