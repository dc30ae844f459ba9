#include <QCloseEvent>
#include <QPushButton>

#include "capacity/autoeqcresultdlg.h"
#include "capacity/writefile.h"
#include "chart/staticgraph.h"
#include "main/fieldedit.h"
#include "main/fileui.h"
#include "main/ui.h"
#include "main/zephdlgj.h"
#include "resources/strings.h"

// Reset, finish and close: the archive of finished systems and the end of
// the run.

void CZephDlgJ::ResetSystem() {
    // The system box may have been edited since the last exchange; the name
    // archived is the one the user sees.
    UpdateData(true);
    m_AllPoints.append(m_Graph->PointList);
    // A capacity result produced since the last archive goes with this
    // system, once.
    if (m_bEqcPending == 1) {
        m_EqcResults.append(m_EqcResult);
        m_bEqcPending = 0;
    }
    // Conditions stored for this system, run or not, end with it: the next
    // system is not calculated from them.
    m_EqcInput = EqcConditions{};
    m_btnAutoCalc->setEnabled(false);
    if (m_AllPoints.size() > m_nArchivedCount) {
        m_nArchivedCount = static_cast<int>(m_AllPoints.size());
        m_SystemNames.append(m_strSystem);
        ++m_nSystemCount;
        m_Graph->PointList.clear();
        m_Graph->update();
        ClearCurrent();
        SetFieldLock(0);
        ClearFields(0);
        m_nPointNo = 0;
    }
    m_strSystem = QString::asprintf("System %d", m_nSystemCount + 1);
    m_editSystem->setText(m_strSystem);
    m_editSystem->setReadOnly(false);
    m_editSystem->setFocus(Qt::OtherFocusReason);
    m_editName->clear();
    m_editName->setReadOnly(false);
    m_editPressure->setReadOnly(false);
    m_nFocusField = 1;
}

void CZephDlgJ::OnOK() {
    UpdateData(true);
    // Only a result not yet archived: never a default or an earlier one.
    if (m_bEqcPending == 1) {
        m_EqcResults.append(m_EqcResult);
    }
    m_SystemNames.append(m_strSystem);
    m_AllPoints.append(m_Graph->PointList);
    if (!m_AllPoints.isEmpty()) {
        OfferReport();
    }
    m_Graph->PointList.clear();
    m_bEqcPending = 0;
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
        CWriteFile report(ReportData{m_AllPoints, m_SystemNames, m_EqcResults});
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
    OnClose();
    event->accept();
}
