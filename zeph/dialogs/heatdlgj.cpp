#include "dialogs/heatdlgj.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "corvo/corvofunction.h"
#include "dialogs/dialoghost.h"
#include "run/constants.h"
#include "run/strings.h"
#include "tolvex/checkdata.h"

CHeatDlgJ::CHeatDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(335, tr("Heating"), host, parent) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(tr("ポイント番号")), 0, 0);
    grid->addWidget(MakeNumberEdit(IDC_POINT), 0, 1);

    auto* group = new QGroupBox(tr("加熱"), this);
    auto* inner = new QGridLayout(group);
    QRadioButton* byHeat =
        MakeRadio(IDC_BY_HEAT, zeph::LoadResString(host->UnitMode() == 0 ? 6203 : 6204));
    QRadioButton* byRise = MakeRadio(IDC_BY_RISE, tr("温度差(℃） "));
    inner->addWidget(byHeat, 0, 0);
    inner->addWidget(MakeNumberEdit(IDC_HEAT), 0, 1);
    inner->addWidget(MakeLabel(tr("送風量(CMH)")), 1, 0);
    inner->addWidget(MakeNumberEdit(IDC_AIR_VOLUME), 1, 1);
    inner->addWidget(MakeLabel(tr("SHF")), 2, 0);
    inner->addWidget(MakeNumberEdit(IDC_SHF, QStringLiteral("1.0")), 2, 1);
    inner->addWidget(byRise, 3, 0);
    inner->addWidget(MakeNumberEdit(IDC_DELTA_T), 3, 1);
    grid->addWidget(group, 1, 0, 1, 2);

    grid->addLayout(MakeCalcCancelRow(IDC_CALC), 2, 0, 1, 2);
    connect(byHeat, &QRadioButton::clicked, this, [this] { SetHeatMode(0); });
    connect(byRise, &QRadioButton::clicked, this, [this] { SetHeatMode(1); });

    byHeat->setChecked(true);
    SetHeatMode(0);
}

void CHeatDlgJ::SetHeatMode(int mode) {
    HeatMode = mode;
    for (int id : {IDC_HEAT, IDC_AIR_VOLUME, IDC_SHF}) {
        Control(id)->setEnabled(mode == 0);
    }
    Control(IDC_DELTA_T)->setEnabled(mode == 1);
    if (mode == 0) {
        SetFieldCycle({IDC_POINT, IDC_HEAT, IDC_AIR_VOLUME, IDC_SHF});
    } else {
        SetFieldCycle({IDC_POINT, IDC_DELTA_T});
    }
}

double CHeatDlgJ::ReadGrouped(int id, const zeph::FieldRange& range) {
    const double v = Value(id);
    // A value out of range stays as typed, for the test to refuse.
    if (range.Contains(v)) {
        SetText(id, QString::fromStdString(CCheckData().nci(0, v)));
    }
    return v;
}

void CHeatDlgJ::ReadFields() {
    if (HeatMode == 1) {
        DeltaT = Value(IDC_DELTA_T);
        return;
    }
    // W in SI, kcal/h otherwise; held in kcal/h.
    const double f = CCorvoFunction().CALWKJ(Host()->UnitMode());
    // A text that is not a number stays as typed, for the test to refuse.
    if (IsNumeric(IDC_HEAT)) {
        Heat = ReadGrouped(IDC_HEAT, zeph::kHeatRange) / f;
    }
    if (IsNumeric(IDC_AIR_VOLUME)) {
        AirVolume = ReadGrouped(IDC_AIR_VOLUME, zeph::kAirVolumeRange);
    }
    Shf = Value(IDC_SHF);
}

void CHeatDlgJ::OnCalculate() {
    ReadFields();
    if (!ReadPointNo(IDC_POINT, &PointNo)) {
        Fail(zeph::kErrPointNo, IDC_POINT);
        return;
    }
    if (HeatMode == 0) {
        // The texts are checked as they now stand: a value too long to hold
        // was shown again as "inf", which is not a number.
        if (!IsNumeric(IDC_HEAT) || Heat < 0.0) {
            Fail(zeph::kErrHeat, IDC_HEAT);
            return;
        }
        if (!ReadRanged(IDC_HEAT, zeph::kHeatRange)) {
            return;
        }
        if (!IsNumeric(IDC_AIR_VOLUME) || AirVolume <= 0.0) {
            Fail(zeph::kErrAirVolume, IDC_AIR_VOLUME);
            return;
        }
        if (!ReadRanged(IDC_AIR_VOLUME, zeph::kAirVolumeRange)) {
            return;
        }
        if (!IsNumeric(IDC_SHF) || Shf < 0.0 || Shf > 1.0) {
            Fail(zeph::kErrShf, IDC_SHF);
            return;
        }
    } else {
        if (!IsNumeric(IDC_DELTA_T) || DeltaT < 0.0) {
            Fail(zeph::kErrTemperature, IDC_DELTA_T);
            return;
        }
        // The heated air must stay a state the engine can solve.
        const double maxRise = zeph::kAirTempRange.max - Host()->GetPointValues(PointNo).Db;
        if (!ReadRanged(IDC_DELTA_T, 0.0, maxRise, nullptr)) {
            return;
        }
    }
    accept();
}
