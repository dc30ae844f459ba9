#include "dialogs/shfdlgj.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialoghost.h"
#include "run/constants.h"
#include "run/strings.h"

CShfDlgJ::CShfDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(IDD, tr("Cooling (SHF)"), host, parent) {
    auto* grid = new QGridLayout(this);
    const struct {
        int id;
        const char* label;
        const char* text;
    } fields[] = {
        {IDC_POINTNO, QT_TR_NOOP("ポイント番号"), ""},
        {IDC_SHF, QT_TR_NOOP("SHF 値"), ""},
        {IDC_CF, QT_TR_NOOP("コンタクトファクタ"), "0.95"},
    };
    int row = 0;
    for (const auto& f : fields) {
        QLineEdit* edit = MakeNumberEdit(f.id, QString::fromUtf8(f.text));
        QLabel* label = MakeLabel(tr(f.label));
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }

    QCheckBox* autoCalc = MakeCheck(IDC_AUTOCALC, tr("自動計算"));
    autoCalc->setChecked(true);
    autoCalc->setToolTip(zeph::LoadResString(6010));
    QCheckBox* reheat = MakeCheck(IDC_REHEAT, tr("再熱設定"));
    reheat->setChecked(true);
    reheat->setEnabled(false);
    reheat->setToolTip(zeph::LoadResString(6011));
    grid->addWidget(autoCalc, row, 0);
    grid->addWidget(reheat, row, 1);
    ++row;

    QLineEdit* supply = MakeNumberEdit(IDC_SUPPLYTEMP, QStringLiteral("10.0"));
    supply->setEnabled(false);
    QLabel* supplyLabel = MakeLabel(tr("吹出温度設定"));
    supplyLabel->setBuddy(supply);
    grid->addWidget(supplyLabel, row, 0);
    grid->addWidget(supply, row, 1);
    ++row;

    QPushButton* start = MakeButton(IDC_START, tr("計算開始"));
    QPushButton* cancel = MakeButton(IDC_CANCEL, tr("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, row, 0, 1, 2);

    connect(autoCalc, &QCheckBox::clicked, this, &CShfDlgJ::OnAutoCalcClicked);
    connect(reheat, &QCheckBox::clicked, this, &CShfDlgJ::OnReheatClicked);
    connect(start, &QPushButton::clicked, this, &CShfDlgJ::OnCalculate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    SetFieldCycle({IDC_POINTNO, IDC_SHF, IDC_CF});
    Edit(IDC_POINTNO)->setFocus(Qt::OtherFocusReason);
}

void CShfDlgJ::OnAutoCalcClicked() {
    auto* autoCalc = qobject_cast<QCheckBox*>(Control(IDC_AUTOCALC));
    auto* reheat = qobject_cast<QCheckBox*>(Control(IDC_REHEAT));
    AutoCalc = autoCalc->isChecked() ? 1 : 0;
    if (AutoCalc == 1) {
        // The automatic coil outlet always reheats automatically.
        reheat->setChecked(true);
        ReheatSet = 1;
    }
    reheat->setEnabled(AutoCalc == 0);
    UpdateSupplyTempField();
}

void CShfDlgJ::OnReheatClicked() {
    ReheatSet = qobject_cast<QCheckBox*>(Control(IDC_REHEAT))->isChecked() ? 1 : 0;
    UpdateSupplyTempField();
}

void CShfDlgJ::UpdateSupplyTempField() {
    // A supply temperature is needed unless both are found automatically.
    Control(IDC_SUPPLYTEMP)->setEnabled(!(AutoCalc == 1 && ReheatSet == 1));
}

void CShfDlgJ::OnCalculate() {
    AutoCalc = qobject_cast<QCheckBox*>(Control(IDC_AUTOCALC))->isChecked() ? 1 : 0;
    ReheatSet = qobject_cast<QCheckBox*>(Control(IDC_REHEAT))->isChecked() ? 1 : 0;
    Shf = Value(IDC_SHF);
    ContactFactor = Value(IDC_CF);
    SupplyTemp = Value(IDC_SUPPLYTEMP);

    if (!ReadPointNo(IDC_POINTNO, &PointNo)) {
        Fail(zeph::kErrPointNo, IDC_POINTNO);
        return;
    }
    const _CORVO point = Host()->GetPointValues(PointNo);
    PointDb = point.Db;
    if (point.Dp < 0.0) {
        Fail(zeph::kErrDewPointTooLow, IDC_POINTNO);
        return;
    }
    if (!IsNumeric(IDC_SHF) || Shf < 0.5 || Shf > 1.0) {
        Fail(zeph::kErrShf, IDC_SHF);
        return;
    }
    if (!IsNumeric(IDC_CF) || ContactFactor < 0.7 || ContactFactor > 1.0) {
        Fail(zeph::kErrContactFactor, IDC_CF);
        return;
    }
    if (!(AutoCalc == 1 && ReheatSet == 1)) {
        if (!IsNumeric(IDC_SUPPLYTEMP) || SupplyTemp >= PointDb) {
            Fail(zeph::kErrTemperature, IDC_SUPPLYTEMP);
            return;
        }
        if (!ReadRanged(IDC_SUPPLYTEMP, zeph::kAirTempRange)) {
            return;
        }
    }
    accept();
}
