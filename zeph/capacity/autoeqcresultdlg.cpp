#include "capacity/autoeqcresultdlg.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/processdlg.h"
#include "run/constants.h"
#include "tolvex/checkdata.h"

namespace {

// The window: placed over the owner's chart like every dialog of the
// program; Enter is its OK and Escape its Cancel.
class CResultWindow : public CProcessDlg {
  public:
    CResultWindow(CDialogHost* host, QWidget* parent)
        : CProcessDlg(CAutoEQC_ResultDlg::IDD, CAutoEQC_ResultDlg::tr("空調機選定ダイアログ"), host,
                      parent) {}

    QLabel* Field(int id) {
        auto* label = MakeLabel(QString(), id);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(90);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    }
    QLabel* Text(const char* text) { return MakeLabel(CAutoEQC_ResultDlg::tr(text)); }
    QPushButton* Button(int id, const QString& text) { return MakeButton(id, text); }

  protected:
    void OnCalculate() override { accept(); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == this) {
            reject();
            return true;
        }
        return CProcessDlg::eventFilter(watched, event);
    }
};

}  // namespace

CAutoEQC_ResultDlg::CAutoEQC_ResultDlg(CDialogHost* owner, QWidget* ownerWindow, QObject* parent)
    : QObject(parent), m_owner(owner), m_ownerWindow(ownerWindow) {}

CAutoEQC_ResultDlg::~CAutoEQC_ResultDlg() {
    delete m_window.data();
}

void CAutoEQC_ResultDlg::SetResult(const CAutoCal_Ret& result) {
    m_result = result;
    if (IsOpen()) {
        Fill();
    }
}

QString CAutoEQC_ResultDlg::FieldText(int id, const CAutoCal_Ret& r) {
    struct Shown {
        int id;
        int digits;
        double value;
    };
    const Shown shown[] = {
        {IDC_TOTAL_KCAL, 0, r.totalCapacity},
        {IDC_TOTAL_KW, 2, r.totalCapacity / zeph::kKcalPerKw},
        {IDC_SENSIBLE_KCAL, 0, r.sensibleCapacity},
        {IDC_SENSIBLE_KW, 2, r.sensibleCapacity / zeph::kKcalPerKw},
        {IDC_OA_LOAD_KCAL, 0, r.outdoorAirLoad},
        {IDC_OA_LOAD_KW, 2, r.outdoorAirLoad / zeph::kKcalPerKw},
        {IDC_FAN_KCAL, 0, r.fanLoad},
        {IDC_FAN_KW, 2, r.fanLoad / zeph::kKcalPerKw},
        {IDC_CORRECTION_REHEAT_KW, 2, r.loadCorrectionReheat / zeph::kKcalPerKw},
        {IDC_SYSTEM_REHEAT_KW, 2, r.systemReheat / zeph::kKcalPerKw},
        {IDC_TOTAL_AIRFLOW, 0, r.totalAirflow},
        {IDC_BYPASS1, 0, r.bypassAirflow1},
        {IDC_BYPASS2, 0, r.bypassAirflow2},
        {IDC_COIL_MAX, 0, r.coilAirflowMax},
        {IDC_COIL_MIN, 0, r.coilAirflowMin},
        {IDC_OA_FLOW, 0, r.outdoorAirflow},
        {IDC_AIR_CHANGES, 1, r.airChangeRate},
        {IDC_SUPPLY_DB, 1, r.supplyDb},
    };
    for (const Shown& s : shown) {
        if (s.id == id) {
            return QString::fromStdString(CCheckData().nci(s.digits, s.value));
        }
    }
    return {};
}

void CAutoEQC_ResultDlg::Create() {
    if (IsOpen()) {
        return;
    }
    auto* w = new CResultWindow(m_owner, m_ownerWindow);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* grid = new QGridLayout;
    // Each row: label, value, unit and, for loads, the value in kW.
    const struct {
        const char* label;
        int first;
        const char* firstUnit;
        int second;
        const char* secondUnit;
    } rows[] = {
        {QT_TR_NOOP("空調機容量（全熱）"), IDC_TOTAL_KCAL, "(Kcal/h) /", IDC_TOTAL_KW, "(kW)"},
        {QT_TR_NOOP("（顕熱）"), IDC_SENSIBLE_KCAL, "(Kcal/h) /", IDC_SENSIBLE_KW, "(kW)"},
        {QT_TR_NOOP("外気負荷"), IDC_OA_LOAD_KCAL, "(Kcal/h) /", IDC_OA_LOAD_KW, "(kW)"},
        {QT_TR_NOOP("送風機負荷"), IDC_FAN_KCAL, "(Kcal/h) /", IDC_FAN_KW, "(kW)"},
        {QT_TR_NOOP("再熱(負荷補正）"), IDC_CORRECTION_REHEAT_KW, "(kW)", 0, nullptr},
        {QT_TR_NOOP("システム再熱量"), IDC_SYSTEM_REHEAT_KW, "(kW)", 0, nullptr},
        {QT_TR_NOOP("全送風量"), IDC_TOTAL_AIRFLOW, "(CMH)", 0, nullptr},
        {QT_TR_NOOP("ﾊﾞｲﾊﾟｽ送風量"), IDC_BYPASS1, QT_TR_NOOP("～"), IDC_BYPASS2, "(CMH)"},
        {QT_TR_NOOP("コイル通過風量"), IDC_COIL_MAX, QT_TR_NOOP("～"), IDC_COIL_MIN, "(CMH)"},
        {QT_TR_NOOP("外気量"), IDC_OA_FLOW, "(CMH)", 0, nullptr},
        {QT_TR_NOOP("換気回数"), IDC_AIR_CHANGES, "(N/H)", 0, nullptr},
        {QT_TR_NOOP("吹出空気温度"), IDC_SUPPLY_DB, "(℃)", 0, nullptr},
    };
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(w->Text(r.label), row, 0);
        grid->addWidget(w->Field(r.first), row, 1);
        grid->addWidget(w->Text(r.firstUnit), row, 2);
        if (r.second != 0) {
            grid->addWidget(w->Field(r.second), row, 3);
            grid->addWidget(w->Text(r.secondUnit), row, 4);
        }
        ++row;
    }
    QPushButton* ok = w->Button(IDC_OK, QStringLiteral("OK"));
    QObject::connect(ok, &QPushButton::clicked, w, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(w);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(w, &QDialog::finished, this, [this](int result) {
        OnWindowClosed(result == QDialog::Accepted ? kClosedOk : kClosedCancel);
    });
    m_window = w;
    Fill();
    w->setModal(false);
    w->show();
}

void CAutoEQC_ResultDlg::Fill() {
    for (int id = IDC_TOTAL_KCAL; id <= IDC_SUPPLY_DB; ++id) {
        if (auto* label = m_window->findChild<QLabel*>(QString::number(id))) {
            label->setText(FieldText(id, m_result));
        }
    }
}

void CAutoEQC_ResultDlg::OnWindowClosed(int how) {
    Q_EMIT closed(how);
    if (m_owner == nullptr) {
        DestroyWindow();
    }
}

void CAutoEQC_ResultDlg::DestroyWindow() {
    if (QDialog* w = m_window) {
        m_window = nullptr;
        w->disconnect(this);
        w->hide();
        // It may be closing from inside one of its own handlers.
        w->deleteLater();
    }
}
