#include <QPushButton>

#include "capacity/autoeqcdlg.h"
#include "main/ui.h"
#include "main/zephdlgj.h"
#include "resources/strings.h"

// The capacity commands of the main window: the capacity dialog (button EQC
// and the menu).

using zeph::MsgIcon;

void CZephDlgJ::OnEqcCommand(bool presetRoomName) {
    UpdateData(true);
    EqcConditions shown = m_EqcInput;
    shown.roomName = presetRoomName ? m_strSystem : QString();
    CAutoEQCDlg dlg(shown, this, this);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    m_EqcInput = dlg.Conditions;
    m_btnAutoCalc->setEnabled(true);
    zeph::ShowMessage(QStringLiteral("線図右上の「自動計算ボタン」を押して下さい。"),
                      MsgIcon::Question);
}
