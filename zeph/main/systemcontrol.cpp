#include <QCloseEvent>
#include <QPushButton>

#include "capacity/autoeqcresultdlg.h"
#include "gui/fieldedit.h"
#include "gui/fileui.h"
#include "gui/ui.h"
#include "main/commandnames.h"
#include "main/rundocument.h"
#include "main/undocommands.h"
#include "main/zephdlgj.h"
#include "run/strings.h"
#include "run/writefile.h"
#include "run/zephrun.h"

// Reset, finish and close: the archive of finished systems and the end of
// the run.

void CZephDlgJ::ResetSystem() {
    const CRunHistory::Step step(*m_history, zeph::kStepReset);
    // The system box may have been edited since the last exchange; the name
    // archived is the one the user sees.
    UpdateData(true);
    const CZephRun::ResetOutcome outcome = m_run->ResetSystem(m_strSystem);
    // Conditions stored for this system, run or not, ended with it: the next
    // system is not calculated from them.
    m_btnAutoCalc->setEnabled(false);
    if (outcome.systemFinished) {
        ClearCurrent();
        SetFieldLock(0);
        ClearFields(0);
    }
    m_strSystem = m_run->NextSystemName();
    m_editSystem->setText(m_strSystem);
    m_editSystem->setReadOnly(false);
    m_editSystem->setFocus(Qt::OtherFocusReason);
    m_editName->Empty();
    m_editName->setReadOnly(false);
    m_editPressure->setReadOnly(false);
    m_nFocusField = 1;
}

void CZephDlgJ::OnOK() {
    UpdateData(true);
    // Unsaved changes first: Cancel goes back to the run.
    if (!m_document->OfferToSave()) {
        return;
    }
    m_run->FinishRun(m_strSystem);
    if (!m_run->State().allPoints.isEmpty()) {
        OfferReport();
    }
    m_run->EndRun();
    DeleteToolWindows();
    m_pEqcResultDlg->DestroyWindow();
    QDialog::done(QDialog::Accepted);
}

void CZephDlgJ::OfferReport() {
    // The run is lost once the dialog ends: only a written report or a No
    // ends the asking.
    for (;;) {
        if (zeph::ShowMessage(zeph::LoadResString(6106), zeph::MsgIcon::Question,
                              zeph::MsgButtons::YesNo) != zeph::MsgAnswer::Yes) {
            return;
        }
        CWriteFile report(ReportOf(m_run->State()));
        if (report.Write(QStringLiteral("ZephData"), zeph::DocumentsFolder()) ==
            CWriteFile::Result::Written) {
            return;
        }
    }
}

void CZephDlgJ::OnClose() {
    // Ends the run as cancelled: nothing is asked and nothing recorded.
    DeleteToolWindows();
    m_pEqcResultDlg->DestroyWindow();
    QDialog::done(QDialog::Rejected);
}

void CZephDlgJ::closeEvent(QCloseEvent* event) {
    if (!m_document->OfferToSave()) {
        event->ignore();
        return;
    }
    OnClose();
    event->accept();
}
