#include "dialogs/tooldlg.h"

void CToolDlg::Create() {
    if (isVisible()) {
        return;
    }
    m_modeless = true;
    setModal(false);
    OnInitDialog();
    show();
    activateWindow();
}

int CToolDlg::DoModal() {
    m_modeless = false;
    OnInitDialog();
    return exec();
}

void CToolDlg::DestroyWindow() {
    hide();
}

void CToolDlg::EndDialog(int code) {
    if (m_modeless) {
        Q_EMIT closed(code);
    } else {
        done(code == 1 ? QDialog::Accepted : QDialog::Rejected);
    }
}
