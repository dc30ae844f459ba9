#include "dialogs/reheaterdlgj.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "run/constants.h"
#include "run/pointtext.h"
#include "tolvex/checkdata.h"

CReHeaterDlgJ::CReHeaterDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(IDD, tr("Re-Heater"), host, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeLabel(tr("再熱の方式を指定")));

    auto* minRow = new QHBoxLayout;
    minRow->addWidget(MakeLabel(tr("OffCoil最低温度")));
    minRow->addWidget(MakeLabel(QString(), IDC_MINTEMP));
    minRow->addWidget(MakeLabel(tr("℃")));
    minRow->addStretch(1);
    layout->addLayout(minRow);

    auto* group = new QGroupBox(this);
    auto* groupGrid = new QGridLayout(group);
    QRadioButton* byTemp = MakeRadio(IDC_BY_TEMP, tr("吹出温度優先"));
    QRadioButton* byAirChange = MakeRadio(IDC_BY_AIRCHANGE, tr("換気回数優先"));
    byTemp->setChecked(true);
    QLineEdit* supply = MakeNumberEdit(IDC_SUPPLYTEMP);
    supply->setAlignment(Qt::AlignRight);
    groupGrid->addWidget(byTemp, 0, 0);
    groupGrid->addWidget(supply, 0, 1);
    groupGrid->addWidget(MakeLabel(tr("℃")), 0, 2);
    groupGrid->addWidget(MakeLabel(tr("コイル出口最低温度以上。")), 1, 1, 1, 2);
    groupGrid->addWidget(byAirChange, 2, 0);
    layout->addWidget(group);

    QPushButton* ok = MakeButton(IDC_OK, tr("OK"));
    QPushButton* cancel = MakeButton(IDC_CANCEL, tr("キャンセル"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(byTemp, &QRadioButton::clicked, this, [this] { OnMethodChosen(0); });
    connect(byAirChange, &QRadioButton::clicked, this, [this] { OnMethodChosen(1); });
    connect(ok, &QPushButton::clicked, this, &CReHeaterDlgJ::OnCalculate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString CReHeaterDlgJ::MinTempText() const {
    return zeph::Format("%6.2f", MinOffCoilTemp);
}

void CReHeaterDlgJ::showEvent(QShowEvent* event) {
    CProcessDlg::showEvent(event);
    if (m_opened) {
        return;
    }
    m_opened = true;
    // The minimum is compared as shown: a supply temperature typed equal to
    // the two decimals on the screen is accepted.
    MinOffCoilTemp = tolvex::CAtof(MinTempText().toStdString());
    static_cast<QLabel*>(Control(IDC_MINTEMP))->setText(MinTempText());
    SetText(IDC_SUPPLYTEMP, MinTempText());
    FocusOnError(IDC_SUPPLYTEMP);
}

void CReHeaterDlgJ::OnMethodChosen(int method) {
    Method = method;
    Control(IDC_SUPPLYTEMP)->setEnabled(method == 0);
    if (method == 0) {
        SetText(IDC_SUPPLYTEMP, MinTempText());
    }
}

void CReHeaterDlgJ::OnCalculate() {
    if (Method == 1) {
        accept();
        return;
    }
    SupplyTemp = Value(IDC_SUPPLYTEMP);
    if (!IsNumeric(IDC_SUPPLYTEMP) || SupplyTemp < MinOffCoilTemp) {
        Fail(zeph::kErrTemperature, IDC_SUPPLYTEMP);
        return;
    }
    if (!ReadRanged(IDC_SUPPLYTEMP, zeph::kAirTempRange)) {
        return;
    }
    accept();
}
