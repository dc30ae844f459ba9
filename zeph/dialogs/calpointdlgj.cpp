#include "dialogs/calpointdlgj.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "main/constants.h"

CCalPointDlgJ::CCalPointDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(329, QStringLiteral("CP"), host, parent) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(QStringLiteral("ポイント番号")), 0, 0);
    grid->addWidget(MakeEdit(IDC_POINT), 0, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* calc = MakeButton(IDC_CALC, QStringLiteral("計算開始"));
    QPushButton* cancel = MakeButton(2, QStringLiteral("キャンセル"));
    buttons->addWidget(calc);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 1, 0, 1, 2);
    connect(calc, &QPushButton::clicked, this, [this] { OnCalculate(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CCalPointDlgJ::OnCalculate() {
    if (!ReadPointNo(IDC_POINT, &PointNo)) {
        Fail(zeph::kErrPointNo, IDC_POINT);
        return;
    }
    accept();
}
