#include "dialogs/deltadlgj.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "run/constants.h"

CDeltaDlgJ::CDeltaDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(334, tr("Points Difference"), host, parent) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(tr("ポイント [A] とポイント [B] の差を算出する。")), 0, 0, 1, 2);
    grid->addWidget(MakeLabel(tr("ポイント[A]")), 1, 0);
    grid->addWidget(MakeNumberEdit(IDC_POINT_A), 1, 1);
    grid->addWidget(MakeLabel(tr("ポイント[B]")), 2, 0);
    grid->addWidget(MakeNumberEdit(IDC_POINT_B), 2, 1);

    grid->addLayout(MakeCalcCancelRow(IDC_CALC), 3, 0, 1, 2);

    SetFieldCycle({IDC_POINT_A, IDC_POINT_B});
}

void CDeltaDlgJ::OnCalculate() {
    if (!ReadPointPair(IDC_POINT_A, IDC_POINT_B, &PointA, &PointB)) {
        return;
    }
    accept();
}
