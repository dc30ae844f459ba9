#include <QLineEdit>

#include "corvo/calc.h"
#include "corvo/corvofunction.h"
#include "gui/fieldedit.h"
#include "gui/ui.h"
#include "main/undocommands.h"
#include "main/zephdlgj.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/zephrun.h"
#include "tolvex/checkdata.h"

// The point box: solving an entry, showing a point, accepting and rejecting
// it, the constant-property commands and reading the point list.

using zeph::EngineText;
using zeph::Format;
using zeph::MsgButtons;
using zeph::MsgIcon;
using zeph::TextValue;

bool CZephDlgJ::CheckEntryFields() {
    // A text that is not a number would reach the engine as the leading
    // number C atof finds in it ("26,5" as 26). Enter refuses it exactly as
    // leaving its box does.
    for (int i = 1; i <= 6; ++i) {
        CFieldEdit* box = ValueBox(i);
        if (!CheckNumberField(box)) {
            box->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void CZephDlgJ::CalcPoint() {
    UpdateData(true);
    if (!CheckPressureField()) {
        return;
    }
    UpdateData(true);
    if (!CheckEntryFields()) {
        return;
    }
    CalcPointAt(tolvex::CAtof(m_strPressure.toStdString()));
    m_nFocusField = 0;
}

void CZephDlgJ::CalcPointAt(double P) {
    const CZephRun::PointEntry entry{m_strName, m_strDb, m_strWb, m_strRh,
                                     m_strDp,   m_strHi, m_strXi};
    switch (m_run->CalcPointAt(entry, P)) {
        case CZephRun::SolveOutcome::Pending:
            ShowCurrentPoint();
            break;
        case CZephRun::SolveOutcome::OutOfRange:
            zeph::ShowMessage(zeph::OutOfRangeText(), MsgIcon::Exclamation, MsgButtons::Ok);
            break;
        case CZephRun::SolveOutcome::Refused:
            break;
    }
}

void CZephDlgJ::ShowPoint(const CZephData& record, const QString& name, int pending) {
    CurrentPoint current;
    current.pending = pending;
    current.style = record.Style;
    current.name = name;
    current.values = record.GetValues();
    m_run->SetCurrent(current);
    ShowCurrentPoint();
}

void CZephDlgJ::ShowCurrentPoint() {
    const CurrentPoint& current = m_run->State().current;
    const _CORVO& v = current.values;
    const double factor = m_run->EnthalpyFactor();
    m_editName->setText(current.name);
    m_bWithdrawn = false;

    m_editDb->setText(Format("%6.2f", v.Db));
    m_editWb->setText(Format("%6.2f", v.Wb));
    m_editRh->setText(Format("%6.2f", v.Rh));
    m_editDp->setText(Format("%6.2f", v.Dp));
    m_editHi->setText(Format("%9.5f", v.Hi * factor));
    m_editXi->setText(Format("%9.5f", v.Xi));
    m_editDn->setText(Format("%9.5f", v.Dn));
}

void CZephDlgJ::AcceptPoint() {
    const CRunHistory::Step step(*m_history, m_history->AcceptName());
    if (m_bWithdrawn) {
        // The boxes were edited after the calculation: what they show was
        // never solved. They stay for Enter to solve them.
        zeph::Ui().Beep();
        return;
    }
    AddCurrentPoint(m_run->State().current.pending);
    RejectPoint();
}

void CZephDlgJ::RejectPoint() {
    SetFieldLock(0);
    m_editName->Empty();
    ClearFields(0);
    ClearCurrent();
    m_editDb->setFocus(Qt::OtherFocusReason);
    m_nFocusField = 1;
}

int CZephDlgJ::AddCurrentPoint(int add) {
    UpdateData(true);
    return m_run->AddCurrentPoint(add);
}

void CZephDlgJ::ClearCurrent() {
    m_bWithdrawn = false;
    m_run->ClearCurrent();
}

void CZephDlgJ::ClearFields(int keep) {
    UpdateData(true);
    if (keep == 0) {
        m_editName->Empty();
    }
    for (int i = 1; i <= 6; ++i) {
        if (i != keep) {
            ValueBox(i)->Empty();
        }
    }
    m_editDn->Empty();
    m_run->SetCurrentStyle(zeph::kStylePlain);
    UpdateData(true);
}

void CZephDlgJ::SetFieldLock(int which) {
    m_editName->setReadOnly(false);
    m_editDn->setReadOnly(false);
    for (int i = 1; i <= 6; ++i) {
        ValueBox(i)->setReadOnly(i == which);
    }
}

void CZephDlgJ::LockFields() {
    m_editName->setReadOnly(true);
    for (int i = 1; i <= 7; ++i) {
        ValueBox(i)->setReadOnly(true);
    }
}

int CZephDlgJ::GetPointCount() const {
    return m_run->GetPointCount();
}

_CORVO CZephDlgJ::GetPointValues(int n) const {
    return m_run->GetPointValues(n);
}

void CZephDlgJ::ShowStoredPoint(int n) {
    ClearCurrent();
    m_run->ShowStoredPoint(n);
    ShowCurrentPoint();
    LockFields();
    m_history->SelectPoint(n);
}

void CZephDlgJ::OnConstantProperty(int command) {
    int keep = 0;
    switch (command) {
        case ID_CONST_DB:
            keep = 1;
            break;
        case ID_CONST_WB:
            keep = 2;
            break;
        case ID_CONST_RH:
            keep = 3;
            break;
        case ID_CONST_DP:
            keep = 4;
            break;
        case ID_CONST_HI:
            keep = 5;
            break;
        case ID_CONST_XI:
            keep = 6;
            break;
        default:
            return;
    }
    ClearFields(keep);
    SetFieldLock(keep);
    UpdateData(false);
}

void CZephDlgJ::OnValueEdited(CFieldEdit* box) {
    if (m_run->State().current.pending == 1 && !box->isReadOnly()) {
        ClearCurrent();
        m_bWithdrawn = true;
    }
}

void CZephDlgJ::OnChartPointsHit(const QList<CZephData>& hits) {
    for (const CZephData& hit : hits) {
        ShowPoint(hit, QString::fromStdString(hit.Pn), 0);
        LockFields();
    }
    if (!hits.isEmpty()) {
        // Delete removes the point the box shows.
        m_history->SelectPoint(static_cast<int>(m_run->State().points.indexOf(hits.last())) + 1);
    }
}
