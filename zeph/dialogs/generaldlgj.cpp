#include "dialogs/generaldlgj.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "corvo/corvoapp.h"
#include "dialogs/dialoghost.h"
#include "gui/ui.h"
#include "run/constants.h"
#include "run/strings.h"
#include "tolvex/checkdata.h"

namespace {

// Rounds up to a multiple of ten. A value within a rounding error of a
// multiple (10000 kcal/h gone to W and back) counts as that multiple.
double CeilToTen(double v) {
    const double tens = v / 10.0;
    const double nearest = std::round(tens);
    if (std::fabs(tens - nearest) <= 1e-9 * std::max(1.0, std::fabs(tens))) {
        return nearest * 10.0;
    }
    return std::ceil(tens) * 10.0;
}

// An air flow or heat as the results show it: rounded up to ten, grouped,
// right-aligned in eight characters.
QString FlowText(double v) {
    return QString::fromStdString(CCheckData().nci(0, CeilToTen(v))).rightJustified(8);
}

bool Filled(const QString& text) {
    return !text.trimmed().isEmpty();
}

}  // namespace

CGeneralDlgJ::CGeneralDlgJ(CDialogHost* host, QWidget* parent)
    : CToolDlg(328, tr("Calculator"), host, parent) {
    auto* grid = new QGridLayout;
    const struct {
        const char* label;
        int input, result, unitId;
        const char* unit;  // empty: set by the unit mode at each opening
    } rows[] = {
        {QT_TR_NOOP("熱   量"), IDC_HEAT, IDC_HEAT_OUT, IDC_HEAT_UNIT, ""},
        {QT_TR_NOOP("送風量"), IDC_AIR, IDC_AIR_OUT, 0, QT_TR_NOOP("(CMH)")},
        {QT_TR_NOOP("エンタルピ差"), IDC_DH, IDC_DH_OUT, IDC_DH_UNIT, ""},
        {QT_TR_NOOP("温度差"), IDC_DT, IDC_DT_OUT, 0, QT_TR_NOOP("(℃)")},
        {QT_TR_NOOP("SHF"), IDC_SHF, IDC_SHF_OUT, 0, ""},
    };
    int row = 0;
    for (const auto& r : rows) {
        QLineEdit* input = MakeNumberEdit(r.input);
        QLineEdit* result = MakeEdit(r.result);
        result->setReadOnly(true);
        result->hide();
        for (QLineEdit* e : {input, result}) {
            e->setAlignment(Qt::AlignRight);
        }
        QLabel* label = MakeLabel(tr(r.label));
        label->setBuddy(input);
        grid->addWidget(label, row, 0);
        // The result lies exactly over its input; one of the two is shown.
        grid->addWidget(input, row, 1);
        grid->addWidget(result, row, 1);
        grid->addWidget(MakeLabel(tr(r.unit), r.unitId), row, 2);
        if (r.input != IDC_SHF) {
            m_quantities << input;
            connect(input, &QLineEdit::textEdited, this,
                    [this, input] { OnQuantityEdited(input); });
        }
        ++row;
    }

    QPushButton* calc = MakeButton(IDC_CALC, tr("計算"));
    QPushButton* reset = MakeButton(IDC_RESET, tr("リセット"));
    QPushButton* ok = MakeButton(1, tr("OK"));
    connect(calc, &QPushButton::clicked, this, &CGeneralDlgJ::OnCalculate);
    connect(reset, &QPushButton::clicked, this, &CGeneralDlgJ::OnReset);
    connect(ok, &QPushButton::clicked, this, &CGeneralDlgJ::OnOK);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calc);
    buttons->addWidget(reset);
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    SetFieldCycle({IDC_HEAT, IDC_AIR, IDC_DH, IDC_DT, IDC_SHF});
    connect(qApp, &QApplication::focusChanged, this, &CGeneralDlgJ::OnFocusChanged);
}

CGeneralDlgJ::~CGeneralDlgJ() {
    // The base class hides the window as it goes, which moves the focus:
    // by then this is no calculator to hear of it.
    disconnect(qApp, nullptr, this, nullptr);
}

void CGeneralDlgJ::OnInitDialog() {
    m_unitMode = Host()->UnitMode() == 0 ? 0 : 1;
    const bool si = m_unitMode == 1;
    qobject_cast<QLabel*>(Control(IDC_HEAT_UNIT))->setText(zeph::LoadResString(si ? 6221 : 6220));
    qobject_cast<QLabel*>(Control(IDC_DH_UNIT))->setText(zeph::LoadResString(si ? 6217 : 6215));
    UpdateData(false);
    ShowResults(false);
    m_refocusPending = false;
    FocusIndex = 0;
    Edit(IDC_HEAT)->setFocus(Qt::OtherFocusReason);
}

void CGeneralDlgJ::UpdateData(bool save) {
    const struct {
        int id;
        QString* text;
    } pairs[] = {
        {IDC_HEAT, &HeatText},   {IDC_AIR, &AirVolumeText}, {IDC_DH, &EnthalpyDiffText},
        {IDC_DT, &TempDiffText}, {IDC_SHF, &ShfText},
    };
    for (const auto& p : pairs) {
        if (save) {
            *p.text = Text(p.id);
        } else {
            SetText(p.id, *p.text);
        }
    }
}

void CGeneralDlgJ::ShowResults(bool results) {
    const int pairs[][2] = {{IDC_HEAT, IDC_HEAT_OUT},
                            {IDC_AIR, IDC_AIR_OUT},
                            {IDC_DH, IDC_DH_OUT},
                            {IDC_DT, IDC_DT_OUT},
                            {IDC_SHF, IDC_SHF_OUT}};
    for (const auto& p : pairs) {
        Control(p[0])->setVisible(!results);
        Control(p[1])->setVisible(results);
    }
}

void CGeneralDlgJ::OnCalculate() {
    UpdateData(true);
    // Every filled field must hold a number; C atof would read "5x" as 5
    // and an empty SHF as 0 without a word.
    const struct {
        int id;
        zeph::FieldRange range;
    } fields[] = {
        {IDC_HEAT, zeph::kSignedHeatRange}, {IDC_AIR, zeph::kAirVolumeRange},
        {IDC_DH, zeph::kEnthalpyDiffRange}, {IDC_DT, zeph::kTempDiffRange},
        {IDC_SHF, zeph::kShfRange},
    };
    int filled = 0;
    for (const auto& f : fields) {
        const bool quantity = f.id != IDC_SHF;
        if (quantity && !Filled(Text(f.id))) {
            continue;
        }
        if (!IsNumeric(f.id)) {
            Fail(zeph::kErrInput, f.id);
            return;
        }
        if (!ReadRanged(f.id, f.range)) {
            return;
        }
        filled += quantity ? 1 : 0;
    }
    if (filled != 2) {
        Fail(zeph::kErrInput, IDC_HEAT);
        return;
    }

    const bool hasQ = Filled(HeatText);
    const bool hasV = Filled(AirVolumeText);
    const bool hasDh = Filled(EnthalpyDiffText);
    const bool hasDt = Filled(TempDiffText);
    if (hasDh && hasDt) {
        zeph::ShowMessage(zeph::LoadResString(6105), zeph::MsgIcon::Question);
        return;
    }

    // Everything in kcal units: heat kcal/h, enthalpy kcal/kg.
    CCorvoApp app;
    const double fQ = app.CALWKJ(m_unitMode);
    const double fH = m_unitMode == 0 ? 1.0 : app.CALWKJ(2);
    const double rho = zeph::kAirDensity;
    const double cp = kSpecificHeat;
    double Q = hasQ ? Value(IDC_HEAT) / fQ : 0.0;
    double V = hasV ? Value(IDC_AIR) : 0.0;
    double dH = hasDh ? Value(IDC_DH) / fH : 0.0;
    double dT = hasDt ? Value(IDC_DT) : 0.0;
    const double SHF = Value(IDC_SHF);
    if (hasQ && hasV) {
        dH = app.cal_H_KcalG(Q, rho * V);
        dT = Q * SHF / (rho * V * cp);
    } else if (hasQ && hasDh) {
        V = app.cal_AIR_KcalDh(Q, dH) / rho;
        dT = Q * SHF / (rho * V * cp);
    } else if (hasQ && hasDt) {
        V = Q * SHF / (dT * rho * cp);
        dH = app.cal_H_KcalG(Q, rho * V);
    } else if (hasV && hasDh) {
        Q = dH * V * rho;
        dT = Q * SHF / (rho * V * cp);
    } else {
        Q = V * dT * rho * cp / SHF;
        dH = app.cal_H_KcalG(Q, rho * V);
    }
    // A zero that divides (V, Δh, Δt, Q or SHF) gives no result.
    for (double v : {Q, V, dH, dT}) {
        if (!std::isfinite(v)) {
            Fail(zeph::kErrInput, IDC_HEAT);
            return;
        }
    }

    Control(IDC_CALC)->setFocus(Qt::OtherFocusReason);
    ShowResults(true);
    SetText(IDC_HEAT_OUT, FlowText(Q * fQ));
    SetText(IDC_AIR_OUT, FlowText(V));
    SetText(IDC_DH_OUT, QString::asprintf("%2.3f", dH * fH));
    SetText(IDC_DT_OUT, QString::asprintf("%3.2f", dT));
    SetText(IDC_SHF_OUT, QString::asprintf("%1.3f", SHF));
}

void CGeneralDlgJ::OnReset() {
    ShowResults(false);
    Edit(IDC_HEAT)->setFocus(Qt::OtherFocusReason);
}

void CGeneralDlgJ::OnOK() {
    UpdateData(true);
    EndDialog(1);
}

void CGeneralDlgJ::OnQuantityEdited(QLineEdit* edit) {
    int others = 0;
    for (QLineEdit* q : std::as_const(m_quantities)) {
        if (q != edit && Filled(q->text())) {
            ++others;
        }
    }
    if (others >= 2) {
        zeph::ShowMessage(zeph::LoadResString(6104), zeph::MsgIcon::Question);
        edit->clear();
    }
}

void CGeneralDlgJ::OnFocusChanged(QWidget* old, QWidget* now) {
    // Only a move to another control of this dialog counts as leaving the
    // field: not the window losing the focus to a box, a menu or another
    // window.
    auto* field = qobject_cast<QLineEdit*>(old);
    if (m_refocusPending || field == nullptr || !m_quantities.contains(field) || now == nullptr ||
        now->window() != this || !isVisible()) {
        return;
    }
    const QString text = field->text();
    if (text.isEmpty() || CCheckData().Inspect_nData(text.toStdString()) == 1) {
        return;
    }
    zeph::Ui().Beep();
    // Back to the field once this focus change has finished; asking from
    // inside it would fight it.
    m_refocusPending = true;
    QPointer<QLineEdit> target(field);
    QMetaObject::invokeMethod(
        this,
        [this, target] {
            if (target && isVisible() && target->isVisible()) {
                target->setFocus(Qt::OtherFocusReason);
                target->selectAll();
            }
            m_refocusPending = false;
        },
        Qt::QueuedConnection);
}
