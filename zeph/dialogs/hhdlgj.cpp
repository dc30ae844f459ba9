#include "dialogs/hhdlgj.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/dialoghost.h"
#include "run/constants.h"

CHHDlgJ::CHHDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(339, tr("Humidifyer"), host, parent) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(tr("空気入口ポイント  [A]")), 0, 0);
    grid->addWidget(MakeNumberEdit(IDC_POINT_A), 0, 1, 1, 2);
    grid->addWidget(MakeLabel(tr("空気出口ポイント  [B]")), 1, 0);
    grid->addWidget(MakeNumberEdit(IDC_POINT_B), 1, 1, 1, 2);

    QRadioButton* steam = MakeRadio(IDC_STEAM, tr("蒸気加湿"));
    QRadioButton* hot = MakeRadio(IDC_HOT_WATER, tr("温水加湿"));
    QCheckBox* given = MakeCheck(IDC_WATER_GIVEN, tr("Hot Water"));
    grid->addWidget(steam, 2, 0);
    grid->addWidget(MakeLabel(tr("蒸気圧 (0.3 kg/c㎡)")), 2, 1, 1, 2);
    grid->addWidget(hot, 3, 0);
    grid->addWidget(given, 4, 0);
    grid->addWidget(MakeNumberEdit(IDC_WATER_TEMP), 4, 1);
    grid->addWidget(MakeLabel(tr("℃")), 4, 2);

    grid->addLayout(MakeCalcCancelRow(IDC_CALC), 5, 0, 1, 3);
    connect(steam, &QRadioButton::clicked, this, [this] { SetHumidMode(0); });
    connect(hot, &QRadioButton::clicked, this, [this] { SetHumidMode(1); });
    connect(given, &QCheckBox::toggled, this, [this](bool on) { SetWaterGiven(on); });

    steam->setChecked(true);
    SetHumidMode(0);
    SetFieldCycle({IDC_POINT_A, IDC_POINT_B});
}

void CHHDlgJ::SetHumidMode(int mode) {
    HumidMode = mode;
    auto* given = qobject_cast<QCheckBox*>(Control(IDC_WATER_GIVEN));
    if (mode == 0) {
        // Steam needs no water temperature: the box is cleared, and with it
        // HotWater.
        given->setChecked(false);
        SetWaterGiven(false);
    }
    given->setEnabled(mode == 1);
}

void CHHDlgJ::SetWaterGiven(bool given) {
    // Always the state of the box, however it changed.
    HotWater = given ? 1 : 0;
    Control(IDC_WATER_TEMP)->setEnabled(given);
}

void CHHDlgJ::OnCalculate() {
    if (!ReadPointPair(IDC_POINT_A, IDC_POINT_B, &PointA, &PointB)) {
        return;
    }
    // Humidifying adds moisture: a target no more humid than the inlet
    // would be a dehumidification, so the points are in the wrong order.
    if (Host()->GetPointValues(PointB).Xi <= Host()->GetPointValues(PointA).Xi) {
        Fail(zeph::kErrOrder, IDC_POINT_B);
        return;
    }
    if (HumidMode == 1 && HotWater == 1) {
        if (!IsNumeric(IDC_WATER_TEMP)) {
            Fail(zeph::kErrInput, IDC_WATER_TEMP);
            return;
        }
        if (!ReadRanged(IDC_WATER_TEMP, zeph::HotWaterTempRange())) {
            return;
        }
        HotWaterTemp = Value(IDC_WATER_TEMP);
    }
    accept();
}
