#include "dialogs/mixdlgj.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

#include "run/constants.h"

CMixDlgJ::CMixDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(333, tr("Mix Point"), host, parent) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(tr("ポイント[A] ")), 0, 0);
    grid->addWidget(MakeNumberEdit(IDC_POINT_A), 0, 1);
    grid->addWidget(MakeLabel(tr("ポイント[B]")), 1, 0);
    grid->addWidget(MakeNumberEdit(IDC_POINT_B), 1, 1);
    grid->addWidget(MakeLabel(tr("比率 [A]/[B]")), 2, 0);
    grid->addWidget(MakeNumberEdit(IDC_RATIO), 2, 1);
    grid->addWidget(MakeLabel(tr("比率は、容量 [A] 割る [B] 容量で算出してください。")), 3, 0, 1,
                    2);

    grid->addLayout(MakeCalcCancelRow(IDC_CALC), 4, 0, 1, 2);

    SetFieldCycle({IDC_POINT_A, IDC_POINT_B, IDC_RATIO});
}

void CMixDlgJ::OnCalculate() {
    if (!ReadPointPair(IDC_POINT_A, IDC_POINT_B, &PointA, &PointB)) {
        return;
    }
    Ratio = Value(IDC_RATIO);
    // A ratio too long to hold as a number would mix nothing but A.
    if (!IsNumeric(IDC_RATIO) || !(Ratio > 0.0) || !std::isfinite(Ratio)) {
        Fail(zeph::kErrMixing, IDC_RATIO);
        return;
    }
    if (!ReadRanged(IDC_RATIO, zeph::kMixRatioRange)) {
        return;
    }
    accept();
}
