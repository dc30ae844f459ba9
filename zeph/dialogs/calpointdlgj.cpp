#include "dialogs/calpointdlgj.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "run/constants.h"

CCalPointDlgJ::CCalPointDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(329, tr("CP"), host, parent) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(tr("ポイント番号")), 0, 0);
    grid->addWidget(MakeNumberEdit(IDC_POINT), 0, 1);

    grid->addLayout(MakeCalcCancelRow(IDC_CALC), 1, 0, 1, 2);
}

void CCalPointDlgJ::OnCalculate() {
    if (!ReadPointNo(IDC_POINT, &PointNo)) {
        Fail(zeph::kErrPointNo, IDC_POINT);
        return;
    }
    accept();
}
