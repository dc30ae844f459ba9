#include "dialogs/slopcaldlgj.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

#include "corvo/corvofunction.h"
#include "dialogs/dialoghost.h"
#include "run/constants.h"
#include "run/strings.h"

namespace {

// A distance typed as the whole span, read back through a unit factor, may
// exceed it in the last bit; that is still the whole span.
bool WithinSpan(double v, double span) {
    return v <= span * (1.0 + 1e-12);
}

}  // namespace

CSlopCalDlgJ::CSlopCalDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(331, tr("Slope"), host, parent) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(tr("ポイント［A]-[B] スロープ間　の点を算出")), 0, 0, 1, 3);
    grid->addWidget(MakeLabel(tr("ポイント[A]")), 1, 0);
    grid->addWidget(MakeNumberEdit(IDC_POINT_A), 1, 1);
    grid->addWidget(MakeLabel(tr("ポイント[B]")), 2, 0);
    grid->addWidget(MakeNumberEdit(IDC_POINT_B), 2, 1);

    QRadioButton* byDb = MakeRadio(IDC_BY_DB, tr("乾球温度　[A]からの差"));
    QRadioButton* byHi = MakeRadio(IDC_BY_HI, tr("エンタルピ　［A]からの差"));
    grid->addWidget(byDb, 3, 0);
    grid->addWidget(MakeNumberEdit(IDC_DB_DIFF), 3, 1);
    grid->addWidget(MakeLabel(tr("℃")), 3, 2);
    grid->addWidget(byHi, 4, 0);
    grid->addWidget(MakeNumberEdit(IDC_HI_DIFF), 4, 1);
    grid->addWidget(
        MakeLabel(zeph::LoadResString(host->UnitMode() == 0 ? 6215 : 6217), IDC_HI_UNIT), 4, 2);

    grid->addLayout(MakeCalcCancelRow(IDC_CALC), 5, 0, 1, 3);
    connect(byDb, &QRadioButton::clicked, this, [this] { SetSlopeMode(0); });
    connect(byHi, &QRadioButton::clicked, this, [this] { SetSlopeMode(1); });

    byDb->setChecked(true);
    SetSlopeMode(0);
}

void CSlopCalDlgJ::SetSlopeMode(int mode) {
    SlopeMode = mode;
    Control(IDC_DB_DIFF)->setEnabled(mode == 0);
    Control(IDC_HI_DIFF)->setEnabled(mode == 1);
    SetFieldCycle({IDC_POINT_A, IDC_POINT_B, mode == 0 ? IDC_DB_DIFF : IDC_HI_DIFF});
}

void CSlopCalDlgJ::OnCalculate() {
    if (!ReadPointPair(IDC_POINT_A, IDC_POINT_B, &PointA, &PointB)) {
        return;
    }
    const _CORVO a = Host()->GetPointValues(PointA);
    const _CORVO b = Host()->GetPointValues(PointB);
    if (SlopeMode == 0) {
        if (b.Db > a.Db) {
            Fail(zeph::kErrOrder, IDC_POINT_B);
            return;
        }
        DbDiff = Value(IDC_DB_DIFF);
        // A distance of 0 or below would put the point on A or beyond it.
        if (!IsNumeric(IDC_DB_DIFF) || DbDiff <= 0.0) {
            Fail(zeph::kErrTemperature, IDC_DB_DIFF);
            return;
        }
        if (!WithinSpan(DbDiff, std::fabs(a.Db - b.Db))) {
            Fail(zeph::kErrTooLarge, IDC_DB_DIFF);
            return;
        }
    } else {
        if (b.Hi > a.Hi) {
            Fail(zeph::kErrOrder, IDC_POINT_B);
            return;
        }
        // kJ/kg in SI, kcal/kg otherwise; held in kcal/kg.
        const int unit = Host()->UnitMode() <= 0 ? 0 : 2;
        HiDiff = Value(IDC_HI_DIFF) / CCorvoFunction().CALWKJ(unit);
        if (!IsNumeric(IDC_HI_DIFF) || HiDiff <= 0.0 ||
            !WithinSpan(HiDiff, std::fabs(a.Hi - b.Hi))) {
            Fail(zeph::kErrEnthalpy, IDC_HI_DIFF);
            return;
        }
    }
    accept();
}
