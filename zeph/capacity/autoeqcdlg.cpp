#include "capacity/autoeqcdlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "corvo/corvoapp.h"
#include "dialogs/dialoghost.h"
#include "dialogs/fieldranges.h"
#include "gui/ui.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/strings.h"

// The capacity dialog: its controls, what it shows on opening and OK.

using zeph::Format;
using zeph::LoadResString;

namespace {

// A stored number as the box shows it: shortest form, no trailing zeros.
QString Number(double v) {
    return Format("%.15g", v);
}

double OrDefault(double v, double fallback) {
    return v != 0.0 ? v : fallback;
}

}  // namespace

CAutoEQCDlg::CAutoEQCDlg(const EqcConditions& conditions, CDialogHost* host, QWidget* parent)
    : CProcessDlg(IDD, tr("EQC ダイアログ"), host, parent), Conditions(conditions) {
    BuildControls();
    Prefill();
    ConnectLiveHandlers();
    Edit(IDC_ROOM_NAME)->setFocus(Qt::OtherFocusReason);
}

void CAutoEQCDlg::BuildControls() {
    // Created in the order Tab visits them.
    auto* top = new QGridLayout;
    auto field = [this, top](int row, int column, const char* label, int id) {
        QLineEdit* edit = MakeEdit(id);
        QLabel* text = MakeLabel(tr(label));
        text->setBuddy(edit);
        top->addWidget(text, row, column);
        top->addWidget(edit, row, column + 1);
        return edit;
    };
    field(0, 0, QT_TR_NOOP("部屋名など"), IDC_ROOM_NAME);
    field(1, 0, QT_TR_NOOP("床面積 (m2)"), IDC_FLOOR_AREA);
    field(1, 2, QT_TR_NOOP("天井高 (m)"), IDC_CEILING);
    m_system = new QComboBox(this);
    m_system->setObjectName(QString::number(IDC_SYSTEM));
    m_system->addItems({tr("単純冷却サイクル"), tr("バイパス制御")});
    top->addWidget(MakeLabel(tr("システム")), 2, 0);
    top->addWidget(m_system, 2, 1);
    field(2, 2, QT_TR_NOOP("外気量 (m3/h)"), IDC_OA_FLOW);

    // Outdoor and room air: the dry bulb, and the wet bulb or the relative
    // humidity, whichever the radio button makes editable.
    auto airGroup = [this](const char* title, const char* dbLabel, int db, int wb, int byWb,
                           const char* wbLabel, int rh, int byRh, const char* rhLabel) {
        auto* group = new QGroupBox(tr(title), this);
        auto* grid = new QGridLayout(group);
        QLineEdit* dbEdit = MakeEdit(db);
        QLabel* dbText = MakeLabel(tr(dbLabel));
        dbText->setBuddy(dbEdit);
        grid->addWidget(dbText, 0, 0);
        grid->addWidget(dbEdit, 0, 1);
        QRadioButton* wbRadio = MakeRadio(byWb, tr(wbLabel));
        grid->addWidget(wbRadio, 1, 0);
        grid->addWidget(MakeEdit(wb), 1, 1);
        QRadioButton* rhRadio = MakeRadio(byRh, tr(rhLabel));
        grid->addWidget(rhRadio, 2, 0);
        grid->addWidget(MakeEdit(rh), 2, 1);
        auto* buttons = new QButtonGroup(group);
        buttons->addButton(wbRadio);
        buttons->addButton(rhRadio);
        wbRadio->setChecked(true);
        return group;
    };
    QGroupBox* outdoor = airGroup(QT_TR_NOOP("外気"), QT_TR_NOOP("外気（ＤＢ）（℃）"), IDC_OA_DB,
                                  IDC_OA_WB, IDC_OA_BY_WB, QT_TR_NOOP("（ＷＢ）（℃）"), IDC_OA_RH,
                                  IDC_OA_BY_RH, QT_TR_NOOP("（ＲＨ）（％）"));
    QGroupBox* room = airGroup(QT_TR_NOOP("室内"), QT_TR_NOOP("室内（ＤＢ）（℃）"), IDC_ROOM_DB,
                               IDC_ROOM_WB, IDC_ROOM_BY_WB, QT_TR_NOOP("（ＷＢ）"), IDC_ROOM_RH,
                               IDC_ROOM_BY_RH, QT_TR_NOOP("（ＲＨ）"));
    auto* air = new QHBoxLayout;
    air->addWidget(outdoor);
    air->addWidget(room);

    // Loads: total, sensible (each with its unit) and the SHF they give.
    auto* loadsBox = new QGroupBox(tr("負荷"), this);
    auto* loads = new QGridLayout(loadsBox);
    const struct {
        const char* label;
        int id;
        int unit;
        int shf;
        const char* shfLabel;
    } pairs[] = {
        {QT_TR_NOOP("最大 全熱"), IDC_MAX_TOTAL, IDC_UNIT_MAX_TOTAL, 0, nullptr},
        {QT_TR_NOOP("最大 顕熱"), IDC_MAX_SENSIBLE, IDC_UNIT_MAX_SENSIBLE, IDC_MAX_SHF,
         QT_TR_NOOP("最大 SHF")},
        {QT_TR_NOOP("最小 全熱"), IDC_MIN_TOTAL, IDC_UNIT_MIN_TOTAL, 0, nullptr},
        {QT_TR_NOOP("最小 顕熱"), IDC_MIN_SENSIBLE, IDC_UNIT_MIN_SENSIBLE, IDC_MIN_SHF,
         QT_TR_NOOP("最小 SHF")},
    };
    int column = 0;
    int row = 0;
    for (const auto& p : pairs) {
        QLineEdit* edit = MakeEdit(p.id);
        edit->setAlignment(Qt::AlignRight);
        QLabel* text = MakeLabel(tr(p.label));
        text->setBuddy(edit);
        loads->addWidget(text, row, column);
        loads->addWidget(edit, row, column + 1);
        loads->addWidget(MakeLabel(QStringLiteral("(kcal/h)"), p.unit), row, column + 2);
        column += 3;
        if (p.shf != 0) {
            QLineEdit* shf = MakeEdit(p.shf);
            shf->setReadOnly(true);
            shf->setFocusPolicy(Qt::NoFocus);
            loads->addWidget(MakeLabel(tr(p.shfLabel)), row, column);
            loads->addWidget(shf, row, column + 1);
            column = 0;
            ++row;
        }
    }

    auto* coil = new QGridLayout;
    auto coilField = [this, coil](int column, const char* label, int id) {
        QLineEdit* edit = MakeEdit(id);
        QLabel* text = MakeLabel(tr(label));
        text->setBuddy(edit);
        coil->addWidget(text, 0, column);
        coil->addWidget(edit, 1, column);
    };
    // The value is in mb (hPa), as in the main window's pressure box.
    coilField(0, QT_TR_NOOP("大気圧 (mb)"), IDC_PRESSURE);
    coilField(1, QT_TR_NOOP("Ｃ．Ｆ"), IDC_CF);
    coilField(2, QT_TR_NOOP("換気回数 (N/H)"), IDC_AIR_CHANGES);
    coilField(3, QT_TR_NOOP("吹出温度 (℃)"), IDC_SUPPLY_TEMP);

    QPushButton* ok = MakeButton(IDC_OK, QStringLiteral("OK"));
    QPushButton* cancel = MakeButton(IDC_CANCEL, tr("キャンセル"));
    connect(ok, &QPushButton::clicked, this, &CAutoEQCDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeLabel(tr("入力ボックスの移動は、Tab / Shift+ Tab をお使いください。")),
                       1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(air);
    layout->addWidget(loadsBox);
    layout->addLayout(coil);
    layout->addLayout(buttons);

    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (edit != Edit(IDC_ROOM_NAME)) {
            edit->setMaxLength(zeph::kMaxNumberChars);
        }
    }
}

int CAutoEQCDlg::EditableOf(int id, int other) const {
    return Edit(id)->isReadOnly() ? other : id;
}

double CAutoEQCDlg::LoadFactor() const {
    return zeph::EqcLoadFactor(m_nUnitMode);
}

void CAutoEQCDlg::Prefill() {
    m_nUnitMode = Host() != nullptr ? Host()->UnitMode() : 0;
    QString unit = QStringLiteral("(kcal/h)");
    if (m_nUnitMode == 0) {
        unit = LoadResString(6220);
    } else if (m_nUnitMode == 1) {
        unit = LoadResString(6221);
    }
    for (int id :
         {IDC_UNIT_MAX_TOTAL, IDC_UNIT_MAX_SENSIBLE, IDC_UNIT_MIN_TOTAL, IDC_UNIT_MIN_SENSIBLE}) {
        static_cast<QLabel*>(Control(id))->setText(unit);
    }
    OnHumidityMode(IDC_OA_WB, IDC_OA_RH, true);
    OnHumidityMode(IDC_ROOM_WB, IDC_ROOM_RH, true);

    const EqcConditions& c = Conditions;
    SetText(IDC_ROOM_NAME, c.roomName);
    if (c.floorArea != 0.0) {
        SetText(IDC_FLOOR_AREA, Number(c.floorArea));
    }
    if (c.ceilingHeight != 0.0) {
        SetText(IDC_CEILING, Number(c.ceilingHeight));
    }
    const double P = OrDefault(c.pressure, EqcConditions::kDefaultPressure);
    SetText(IDC_CF, Number(OrDefault(c.contactFactor, EqcConditions::kDefaultContactFactor)));
    SetText(IDC_PRESSURE, Number(P));
    SetText(IDC_AIR_CHANGES,
            Number(OrDefault(c.airChangeRate, EqcConditions::kDefaultAirChangeRate)));
    SetText(IDC_SUPPLY_TEMP, Number(OrDefault(c.supplyTemp, EqcConditions::kDefaultSupplyTemp)));
    const int system = c.system == 1 ? 1 : 0;
    m_system->setCurrentIndex(system);
    ApplySystem(system);

    const CCorvoApp corvo;
    const double oaDb = OrDefault(c.outdoorDb, EqcConditions::kDefaultOutdoorDb);
    const double oaWb = OrDefault(c.outdoorWb, EqcConditions::kDefaultOutdoorWb);
    SetText(IDC_OA_DB, Format("%.2f", oaDb));
    SetText(IDC_OA_WB, Format("%.2f", oaWb));
    ShowTemp(IDC_OA_RH, corvo.cal_DBWB(oaDb, oaWb, P).Rh);
    const double roomDb = OrDefault(c.roomDb, EqcConditions::kDefaultRoomDb);
    const double roomRh = OrDefault(c.roomRh, EqcConditions::kDefaultRoomRh);
    SetText(IDC_ROOM_DB, Format("%.2f", roomDb));
    SetText(IDC_ROOM_RH, Format("%.2f", roomRh));
    ShowTemp(IDC_ROOM_WB, corvo.cal_DBRH(roomDb, roomRh, P).Wb);

    SetText(IDC_OA_FLOW, Number(c.outdoorAirflow));
    const double k = LoadFactor();
    const struct {
        double sensible, latent;
        int totalId, sensibleId, shfId;
    } pairs[] = {
        {c.maxSensible, c.maxLatent, IDC_MAX_TOTAL, IDC_MAX_SENSIBLE, IDC_MAX_SHF},
        {c.minSensible, c.minLatent, IDC_MIN_TOTAL, IDC_MIN_SENSIBLE, IDC_MIN_SHF},
    };
    for (const auto& p : pairs) {
        const double total = (p.latent + p.sensible) * k;
        const double sensible = p.sensible * k;
        // Loads not entered yet stay empty for the user to fill in.
        if (total != 0.0 || sensible != 0.0) {
            SetText(p.totalId, Number(total));
            SetText(p.sensibleId, Number(sensible));
        }
        if (total > 0.0) {
            ShowShf(p.shfId, sensible, total);
        }
    }
}

bool CAutoEQCDlg::ReadBox(int id, double min, double max, bool emptyIsZero, double* v) {
    if (emptyIsZero && (Text(id).trimmed().isEmpty() || (IsNumeric(id) && Value(id) == 0.0))) {
        *v = 0.0;
        return true;
    }
    return ReadRanged(id, min, max, v);
}

int CAutoEQCDlg::BoxOf(double zeph::EqcEntry::*field) {
    using zeph::EqcEntry;
    static constexpr struct {
        double EqcEntry::*field;
        int id;
    } kBoxes[] = {
        {&EqcEntry::floorArea, IDC_FLOOR_AREA},     {&EqcEntry::ceilingHeight, IDC_CEILING},
        {&EqcEntry::outdoorAirflow, IDC_OA_FLOW},   {&EqcEntry::maxTotal, IDC_MAX_TOTAL},
        {&EqcEntry::maxSensible, IDC_MAX_SENSIBLE}, {&EqcEntry::minTotal, IDC_MIN_TOTAL},
        {&EqcEntry::minSensible, IDC_MIN_SENSIBLE}, {&EqcEntry::pressure, IDC_PRESSURE},
        {&EqcEntry::contactFactor, IDC_CF},         {&EqcEntry::airChangeRate, IDC_AIR_CHANGES},
        {&EqcEntry::supplyTemp, IDC_SUPPLY_TEMP},   {&EqcEntry::outdoorDb, IDC_OA_DB},
        {&EqcEntry::outdoorWb, IDC_OA_WB},          {&EqcEntry::roomDb, IDC_ROOM_DB},
        {&EqcEntry::roomRh, IDC_ROOM_RH},
    };
    for (const auto& box : kBoxes) {
        if (box.field == field) {
            return box.id;
        }
    }
    return 0;
}

void CAutoEQCDlg::OnOK() {
    zeph::EqcEntry e;
    e.system = m_system->currentIndex() == 1 ? 1 : 0;
    e.roomName = Text(IDC_ROOM_NAME);
    for (const zeph::EqcFieldRange& range : zeph::kEqcFieldRanges) {
        const int id = BoxOf(range.field);
        double& v = e.*range.field;
        if (range.bypassOnly && e.system == 0) {
            // Read-only in the simple cycle, which does not use them: what
            // they hold cannot stop the user.
            v = IsNumeric(id) && range.Accepts(Value(id)) ? Value(id) : 0.0;
            continue;
        }
        if (!ReadBox(id, range.min, range.max, range.zeroAllowed, &v)) {
            return;
        }
    }
    for (double zeph::EqcEntry::*field : {&zeph::EqcEntry::outdoorDb, &zeph::EqcEntry::outdoorWb,
                                          &zeph::EqcEntry::roomDb, &zeph::EqcEntry::roomRh}) {
        const int id = BoxOf(field);
        if (!IsNumeric(id)) {
            zeph::ShowMessage(LoadResString(6129), zeph::MsgIcon::Exclamation);
            FocusOnError(id);
            return;
        }
        e.*field = Value(id);
    }
    if (const std::optional<zeph::EqcRefusal> refusal = zeph::RefuseEqcEntry(e)) {
        zeph::ShowMessage(refusal->text, zeph::MsgIcon::Exclamation);
        // The humidity the user types may be in the other box of the air.
        const int id = BoxOf(refusal->field);
        FocusOnError(id == IDC_OA_WB     ? EditableOf(IDC_OA_WB, IDC_OA_RH)
                     : id == IDC_ROOM_RH ? EditableOf(IDC_ROOM_RH, IDC_ROOM_WB)
                                         : id);
        return;
    }
    zeph::StoreEqcEntry(e, LoadFactor(), Conditions);
    accept();
}
