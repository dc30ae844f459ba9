#include "dialogs/coilcapdlgj.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "corvo/corvoapp.h"
#include "dialogs/dialoghost.h"
#include "run/constants.h"
#include "run/strings.h"
#include "tolvex/checkdata.h"

CCoilCapDlgJ::CCoilCapDlgJ(CDialogHost* host, QWidget* parent)
    : CToolDlg(336, tr("Coil Capacity"), host, parent) {
    auto* grid = new QGridLayout;
    auto addRow = [this, grid](int row, QLabel* label, QWidget* field) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, MakeLabel(tr("ポイント[A]")), MakeNumberEdit(IDC_POINT_A));
    addRow(1, MakeLabel(tr("ポイント[B]")), MakeNumberEdit(IDC_POINT_B));
    addRow(2, MakeLabel(tr("風  量(CMH)")), MakeNumberEdit(IDC_AIR_VOLUME));
    addRow(3, MakeLabel(QString(), IDC_TOTAL_LABEL), MakeNumberEdit(IDC_TOTAL_HEAT));
    m_sensible = MakeLabel(QString(), IDC_SENSIBLE);
    m_latent = MakeLabel(QString(), IDC_LATENT);
    addRow(4, MakeLabel(QString(), IDC_SENSIBLE_LABEL), m_sensible);
    addRow(5, MakeLabel(QString(), IDC_LATENT_LABEL), m_latent);
    for (int id : {IDC_AIR_VOLUME, IDC_TOTAL_HEAT}) {
        Edit(id)->setAlignment(Qt::AlignRight);
    }
    for (QLabel* result : {m_sensible, m_latent}) {
        result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        result->setFrameShape(QFrame::Panel);
        result->setFrameShadow(QFrame::Sunken);
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto* group = new QGroupBox(this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(grid);
    groupLayout->addWidget(MakeLabel(tr("風量又は熱量を入力して下さい。")));

    QPushButton* calc = MakeButton(IDC_CALC, tr("計算開始"));
    // Button 2 reads "OK" but only closes: the results are not handed back.
    QPushButton* close = MakeButton(2, tr("OK"));
    connect(calc, &QPushButton::clicked, this, &CCoilCapDlgJ::OnCalculate);
    connect(close, &QPushButton::clicked, this, &CCoilCapDlgJ::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(calc);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    SetFieldCycle({IDC_POINT_A, IDC_POINT_B, IDC_AIR_VOLUME, IDC_TOTAL_HEAT});
}

void CCoilCapDlgJ::OnInitDialog() {
    // Every opening starts empty, with the labels of the current unit.
    for (int id : {IDC_POINT_A, IDC_POINT_B, IDC_AIR_VOLUME, IDC_TOTAL_HEAT}) {
        SetText(id, QString());
    }
    m_sensible->clear();
    m_latent->clear();
    PointA = 0;
    PointB = 0;
    AirVolume = 0.0;
    TotalHeat = 0.0;
    m_unitMode = Host()->UnitMode() == 0 ? 0 : 1;
    const bool si = m_unitMode == 1;
    qobject_cast<QLabel*>(Control(IDC_TOTAL_LABEL))->setText(zeph::LoadResString(si ? 6204 : 6203));
    qobject_cast<QLabel*>(Control(IDC_SENSIBLE_LABEL))
        ->setText(zeph::LoadResString(si ? 6207 : 6206));
    qobject_cast<QLabel*>(Control(IDC_LATENT_LABEL))
        ->setText(zeph::LoadResString(si ? 6210 : 6209));
    SetInputMode(1);
    FocusIndex = 0;
    Edit(IDC_POINT_A)->setFocus(Qt::OtherFocusReason);
}

void CCoilCapDlgJ::SetInputMode(int mode) {
    InputMode = mode;
    Edit(IDC_AIR_VOLUME)->setReadOnly(mode != 1);
    Edit(IDC_TOTAL_HEAT)->setReadOnly(mode != 0);
}

bool CCoilCapDlgJ::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == Edit(IDC_AIR_VOLUME)) {
            SetInputMode(1);
        } else if (watched == Edit(IDC_TOTAL_HEAT)) {
            SetInputMode(0);
        }
    }
    return CToolDlg::eventFilter(watched, event);
}

QString CCoilCapDlgJ::Grouped(double value) const {
    return QString::fromStdString(CCheckData().nci(0, value));
}

void CCoilCapDlgJ::ReadFields() {
    const double fQ = CCorvoFunction().CALWKJ(m_unitMode);
    // A value out of range stays as typed, for the test to refuse.
    if (InputMode == 1) {
        if (IsNumeric(IDC_AIR_VOLUME)) {
            AirVolume = Value(IDC_AIR_VOLUME);
            if (zeph::kAirVolumeRange.Contains(AirVolume)) {
                SetText(IDC_AIR_VOLUME, Grouped(AirVolume));
            }
        }
    } else if (IsNumeric(IDC_TOTAL_HEAT)) {
        const double shown = Value(IDC_TOTAL_HEAT);
        TotalHeat = shown / fQ;
        if (zeph::kHeatRange.Contains(shown)) {
            SetText(IDC_TOTAL_HEAT, Grouped(shown));
        }
    }
}

void CCoilCapDlgJ::OnCalculate() {
    ReadFields();
    if (!ReadPointPair(IDC_POINT_A, IDC_POINT_B, &PointA, &PointB)) {
        return;
    }
    const int given = InputMode == 1 ? IDC_AIR_VOLUME : IDC_TOTAL_HEAT;
    const double amount = InputMode == 1 ? AirVolume : TotalHeat;
    if (!IsNumeric(given) || !(amount > 0.0) || !std::isfinite(amount)) {
        Fail(InputMode == 1 ? zeph::kErrAirVolume : zeph::kErrHeat, given);
        return;
    }
    if (!ReadRanged(given, InputMode == 1 ? zeph::kAirVolumeRange : zeph::kHeatRange)) {
        return;
    }

    const _CORVO a = Host()->GetPointValues(PointA);
    const _CORVO b = Host()->GetPointValues(PointB);
    const double dh = std::fabs(a.Hi - b.Hi);
    // With the heat given, the air volume is heat / Δh: two points of the
    // same enthalpy cannot carry it.
    if (InputMode == 0 && !(dh > 0.0)) {
        Fail(zeph::kErrPointNo, IDC_POINT_B);
        return;
    }
    // The mixed state: the dry bulb of the point of higher enthalpy with the
    // humidity of the other; from it to the higher point is the latent part.
    const _CORVO& high = a.Hi > b.Hi ? a : b;
    const _CORVO& low = a.Hi > b.Hi ? b : a;
    const QString pressure = Host()->PressureText();
    const _CORVO m = CCorvoApp().cal_DBX(high.Db, low.Xi, tolvex::CAtof(pressure.toStdString()));
    const int output = InputMode == 1 ? IDC_TOTAL_HEAT : IDC_AIR_VOLUME;
    if (m.Db == zeph::kFailed) {
        // The engine has shown its message; no result stays beside it.
        SetText(output, QString());
        m_sensible->clear();
        m_latent->clear();
        return;
    }

    const double fQ = CCorvoFunction().CALWKJ(m_unitMode);
    const double volume = InputMode == 1 ? AirVolume : TotalHeat / dh / zeph::kAirDensity;
    const double total = InputMode == 1 ? dh * AirVolume * zeph::kAirDensity * fQ : fQ * TotalHeat;
    const double latent = std::fabs(high.Hi - m.Hi) * volume * zeph::kAirDensity * fQ;
    if (!std::isfinite(volume) || !std::isfinite(total) || !std::isfinite(latent)) {
        Fail(InputMode == 1 ? zeph::kErrAirVolume : zeph::kErrHeat, given);
        return;
    }
    AirVolume = volume;
    TotalHeat = total;
    // Both parts to whole units first, so that they add up to the total as
    // shown.
    const double sensible = std::trunc(TotalHeat) - std::trunc(latent);
    SetText(IDC_AIR_VOLUME, Grouped(AirVolume));
    SetText(IDC_TOTAL_HEAT, Grouped(TotalHeat));
    m_sensible->setText(Grouped(sensible));
    m_latent->setText(Grouped(latent));
}
