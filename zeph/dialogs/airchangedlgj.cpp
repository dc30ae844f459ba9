#include "dialogs/airchangedlgj.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "corvo/corvoapp.h"
#include "dialogs/dialoghost.h"
#include "gui/ui.h"
#include "resources/appicon.h"
#include "run/constants.h"
#include "run/pointtext.h"
#include "run/strings.h"
#include "tolvex/checkdata.h"

namespace {

// At most this many rows: the counts N, N − 1, … down to N − 9.
constexpr int kRows = 10;
// A heat per room volume at or above this (kcal/h per m³) is refused.
constexpr double kMaxHeatPerVolume = 100.0;

// The fields with their ranges, in the order they are tested.
struct RangedField {
    int id;
    zeph::FieldRange range;
};
constexpr RangedField kRangedFields[] = {
    {CAirChangeDlgJ::IDC_VOLUME, zeph::kRoomVolumeRange},
    {CAirChangeDlgJ::IDC_HEAT, zeph::kHeatRange},
    {CAirChangeDlgJ::IDC_AIRCHANGES, zeph::kAirChangesRange},
};

QString Grouped(double value) {
    return QString::fromStdString(CCheckData().nci(0, value));
}

// Counts as "%02d" prints them, without the int conversion a huge count
// would overflow.
QString CountText(double count) {
    return zeph::Format("%02.0f", count);
}

}  // namespace

CAirChangeDlgJ::CAirChangeDlgJ(CDialogHost* host, QWidget* parent)
    : CProcessDlg(IDD, tr("換気回数による吹出し温度推定"), host, parent) {
    auto* layout = new QVBoxLayout(this);

    auto* minRow = new QHBoxLayout;
    minRow->addWidget(MakeLabel(tr("コイル出口最低温度")));
    minRow->addWidget(MakeLabel(QString(), IDC_MINTEMP));
    minRow->addWidget(MakeLabel(tr("℃")));
    minRow->addStretch(1);
    layout->addLayout(minRow);

    auto* grid = new QGridLayout;
    QLabel* heatLabel = MakeLabel(zeph::LoadResString(6203), IDC_HEAT_LABEL);
    const struct {
        QLabel* label;
        int id;
    } fields[] = {
        {MakeLabel(tr("部屋容積 (m3)")), IDC_VOLUME},
        {heatLabel, IDC_HEAT},
        {MakeLabel(tr("換気回数 (N/H)")), IDC_AIRCHANGES},
    };
    int row = 0;
    for (const auto& f : fields) {
        QLineEdit* edit = MakeNumberEdit(f.id);
        edit->setAlignment(Qt::AlignRight);
        f.label->setBuddy(edit);
        grid->addWidget(f.label, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    SetText(IDC_AIRCHANGES, QStringLiteral("10"));
    QPushButton* trial = MakeButton(IDC_TRIAL, tr("試算"));
    trial->setToolTip(zeph::LoadResString(6000));
    grid->addWidget(trial, row - 1, 2);
    layout->addLayout(grid);

    m_list = new QTableWidget(0, 2, this);
    m_list->setObjectName(QString::number(IDC_LIST));
    m_list->setHorizontalHeaderLabels({tr("換気回数"), tr("吹出温度")});
    // 65 and 70 pixels, wider where a heading needs more.
    const QHeaderView* header = m_list->horizontalHeader();
    m_list->setColumnWidth(kColumnCount, std::max(65, header->sectionSizeHint(kColumnCount)));
    m_list->setColumnWidth(kColumnSupplyTemp,
                           std::max(70, header->sectionSizeHint(kColumnSupplyTemp)));
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->verticalHeader()->hide();
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setIconSize(QSize(16, 16));
    m_icon = zeph::AppIcon();
    layout->addWidget(m_list, 1);
    layout->addWidget(MakeLabel(tr("換気回数を、上表でマウス選択。")));

    QPushButton* ok = MakeButton(IDC_OK, tr("OK"));
    ok->setEnabled(false);
    QPushButton* cancel = MakeButton(IDC_CANCEL, tr("キャンセル"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(trial, &QPushButton::clicked, this, &CAirChangeDlgJ::OnTrial);
    connect(ok, &QPushButton::clicked, this, &CAirChangeDlgJ::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    SetFieldCycle({IDC_VOLUME, IDC_HEAT, IDC_AIRCHANGES});
}

QString CAirChangeDlgJ::TooLowText() {
    return tr("Too Low !");
}

double CAirChangeDlgJ::HeatFactor() const {
    return CCorvoFunction().CALWKJ(Host()->UnitMode() == 1 ? 1 : 0);
}

void CAirChangeDlgJ::showEvent(QShowEvent* event) {
    CProcessDlg::showEvent(event);
    if (m_opened) {
        return;
    }
    m_opened = true;
    static_cast<QLabel*>(Control(IDC_MINTEMP))->setText(zeph::Format("%6.2f", MinOffCoilTemp));
    static_cast<QLabel*>(Control(IDC_HEAT_LABEL))
        ->setText(zeph::LoadResString(Host()->UnitMode() == 1 ? 6204 : 6203));
    // The handed-in texts are whole numbers in kcal/h and m³; the heat is
    // shown in the unit of the main window.
    if (!TotalHeatText.trimmed().isEmpty()) {
        const double shown = tolvex::CAtof(TotalHeatText.toStdString()) * HeatFactor();
        SetText(IDC_HEAT, Grouped(tolvex::CAtof(zeph::Format("%.0f", shown).toStdString())));
    }
    if (!RoomVolumeText.trimmed().isEmpty()) {
        const double volume = tolvex::CAtof(RoomVolumeText.toStdString());
        SetText(IDC_VOLUME, Grouped(tolvex::CAtof(zeph::Format("%.0f", volume).toStdString())));
    }
    RoomVolume = tolvex::CAtof(RoomVolumeText.toStdString());
    TotalHeat = tolvex::CAtof(TotalHeatText.toStdString());
    AirChanges = 10.0;
    Control(IDC_OK)->setEnabled(false);
    Control(IDC_VOLUME)->setFocus(Qt::OtherFocusReason);
}

void CAirChangeDlgJ::ReadFields() {
    // A text that is no number, or a number out of range, is left as typed,
    // for the test that follows to point at.
    for (const RangedField& f : kRangedFields) {
        const double v = Value(f.id);
        if (IsNumeric(f.id) && f.range.Contains(v)) {
            SetText(f.id, Grouped(v));
        }
    }
    RoomVolume = Value(IDC_VOLUME);
    TotalHeat = Value(IDC_HEAT) / HeatFactor();
    AirChanges = Value(IDC_AIRCHANGES);
}

bool CAirChangeDlgJ::FieldsInRange() {
    for (const RangedField& f : kRangedFields) {
        if (!ReadRanged(f.id, f.range)) {
            return false;
        }
    }
    return true;
}

void CAirChangeDlgJ::OnCalculate() {
    ReadFields();
}

void CAirChangeDlgJ::OnTrial() {
    ReadFields();
    if (!IsNumeric(IDC_VOLUME) || !(RoomVolume > 0.0)) {
        Fail(zeph::kErrVolume, IDC_VOLUME);
        return;
    }
    if (!IsNumeric(IDC_HEAT) || !(TotalHeat > 0.0)) {
        Fail(zeph::kErrHeat, IDC_HEAT);
        return;
    }
    if (!IsNumeric(IDC_AIRCHANGES) || !(AirChanges > 0.0)) {
        Fail(zeph::kErrAirChanges, IDC_AIRCHANGES);
        return;
    }
    if (!FieldsInRange()) {
        return;
    }
    m_list->setRowCount(0);
    if (TotalHeat / RoomVolume >= kMaxHeatPerVolume) {
        zeph::ShowMessage(tr("入力した熱量が大きすぎます。"), zeph::MsgIcon::Question);
        return;
    }
    // From N down, each row inserted at the top, so the table reads upwards
    // to N. It stops at a count of 1, and at the first count whose supply
    // air the coil cannot make (or the engine cannot solve).
    const double n = AirChanges;
    double count = std::trunc(n);
    const CCorvoApp corvo;
    for (int rows = 0; rows < kRows && count > n - kRows && count >= 1.0; ++rows) {
        const double ts = corvo
                              .cal_SHF_AirQtyTh(RoomState, Shf, ContactFactor, TotalHeat,
                                                RoomVolume * count, Pressure)
                              .Db;
        if (ts == zeph::kFailed || MinOffCoilTemp > ts) {
            InsertRow(count, TooLowText());
            break;
        }
        InsertRow(count, zeph::Format("%3.2f", ts));
        count -= 1.0;
    }
    m_list->setFocus(Qt::OtherFocusReason);
    ReadFields();
}

void CAirChangeDlgJ::InsertRow(double count, const QString& supplyTemp) {
    m_list->insertRow(0);
    m_list->setItem(0, kColumnCount, new QTableWidgetItem(m_icon, CountText(count)));
    auto* temp = new QTableWidgetItem(supplyTemp);
    temp->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_list->setItem(0, kColumnSupplyTemp, temp);
}

bool CAirChangeDlgJ::eventFilter(QObject* watched, QEvent* event) {
    if (m_list != nullptr && watched == m_list->viewport() &&
        event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OnListClicked(static_cast<QMouseEvent*>(event)->position().toPoint());
    }
    return CProcessDlg::eventFilter(watched, event);
}

void CAirChangeDlgJ::OnListClicked(const QPoint& pos) {
    const QTableWidgetItem* hit = m_list->itemAt(pos);
    const int row = hit != nullptr ? hit->row() : -1;
    const QTableWidgetItem* temp = row >= 0 ? m_list->item(row, kColumnSupplyTemp) : nullptr;
    const QTableWidgetItem* count = row >= 0 ? m_list->item(row, kColumnCount) : nullptr;
    if (temp == nullptr || count == nullptr || temp->text() == TooLowText()) {
        zeph::ShowMessage(tr("有効な行を選定してください。"), zeph::MsgIcon::Question);
        SetText(IDC_AIRCHANGES, QString());
        return;
    }
    AirChanges = tolvex::CAtof(count->text().toStdString());
    SetText(IDC_AIRCHANGES, CountText(AirChanges));
    Control(IDC_OK)->setEnabled(true);
}

void CAirChangeDlgJ::OnOk() {
    ReadFields();
    m_list->setRowCount(0);
    const bool valid = IsNumeric(IDC_VOLUME) && IsNumeric(IDC_HEAT) && IsNumeric(IDC_AIRCHANGES) &&
                       TotalHeat > 0.0 && RoomVolume > 0.0 && AirChanges > 0.0;
    if (!valid) {
        zeph::ShowMessage(zeph::LoadResString(6103), zeph::MsgIcon::Question);
        return;
    }
    if (!FieldsInRange()) {
        return;
    }
    accept();
}
