#include "dialogs/deltadlgj.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "main/constants.h"

CDeltaDlgJ::CDeltaDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(334, QStringLiteral("Points Difference"), host, parent) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(QStringLiteral("ポイント [A] とポイント [B] の差を算出する。")), 0, 0,
                    1, 2);
    grid->addWidget(MakeLabel(QStringLiteral("ポイント[A]")), 1, 0);
    grid->addWidget(MakeEdit(IDC_POINT_A), 1, 1);
    grid->addWidget(MakeLabel(QStringLiteral("ポイント[B]")), 2, 0);
    grid->addWidget(MakeEdit(IDC_POINT_B), 2, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* calc = MakeButton(IDC_CALC, QStringLiteral("計算開始"));
    QPushButton* cancel = MakeButton(2, QStringLiteral("キャンセル"));
    buttons->addWidget(calc);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 2);
    connect(calc, &QPushButton::clicked, this, [this] { OnCalculate(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    SetFieldCycle({IDC_POINT_A, IDC_POINT_B});
}

void CDeltaDlgJ::OnCalculate() {
    if (!ReadPointNo(IDC_POINT_A, &PointA)) {
        Fail(zeph::kErrPointNo, IDC_POINT_A);
        return;
    }
    if (!ReadPointNo(IDC_POINT_B, &PointB) || PointB == PointA) {
        Fail(zeph::kErrPointNo, IDC_POINT_B);
        return;
    }
    accept();
}
