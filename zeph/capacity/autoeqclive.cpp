#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>

#include <cmath>
#include <string>
#include <utility>

#include "capacity/autoeqcdlg.h"
#include "corvo/corvoapp.h"
#include "corvo/message.h"
#include "gui/ui.h"
#include "run/constants.h"
#include "run/eqcentry.h"
#include "run/pointtext.h"
#include "run/strings.h"

// The capacity dialog while the user types: the wet bulb and relative
// humidity boxes follow each other, the SHF boxes follow the loads, and the
// system selector sets the outdoor design conditions. Every handler reacts
// to the user's own edits only (textEdited, activated), never to a text the
// dialog writes itself, so no box answers another back and forth.

using zeph::Format;
using zeph::LoadResString;

namespace {

// A half-typed value can be no state at all; the engine is not to
// interrupt the typing with its message: the box it would fill just keeps
// its text.
class CQuietEngine {
  public:
    CQuietEngine() : m_previous(corvo::SetMessageSink([](const std::string&) {})) {}
    ~CQuietEngine() { corvo::SetMessageSink(std::move(m_previous)); }
    CQuietEngine(const CQuietEngine&) = delete;
    CQuietEngine& operator=(const CQuietEngine&) = delete;

  private:
    corvo::MessageSink m_previous;
};

// Lowest stored relative humidity from which a new dry bulb moves the wet
// bulb, %; below it a partly typed humidity would be taken as the room's.
constexpr double kMinStoredRh = 10.0;
// A wet bulb up to this is taken as still being typed, °C.
constexpr double kMinTypedWb = 2.0;
// The room humidity box takes 5 … 100 % before it moves the wet bulb.
constexpr double kMinTypedRh = 5.0;

// A number, or the start of one still being typed: "-", "+", ".", "-.",
// "1e", "1e-", "1,0" (thousands separators) included.
bool IsPartialNumber(const QString& text) {
    static const QRegularExpression partial(
        QStringLiteral(R"(^\s*[+-]?(?:[\d,]*\.?\d*|(?:\d[\d,]*\.?\d*|\.\d+)[eE][+-]?\d*)$)"));
    return partial.match(text).hasMatch();
}

// The temperature and humidity boxes, checked when the user leaves them.
constexpr int kTempBoxes[] = {CAutoEQCDlg::IDC_OA_DB,   CAutoEQCDlg::IDC_OA_WB,
                              CAutoEQCDlg::IDC_OA_RH,   CAutoEQCDlg::IDC_ROOM_DB,
                              CAutoEQCDlg::IDC_ROOM_WB, CAutoEQCDlg::IDC_ROOM_RH};

}  // namespace

void CAutoEQCDlg::ConnectLiveHandlers() {
    const struct {
        int id;
        void (CAutoEQCDlg::*handler)();
    } edits[] = {
        {IDC_OA_DB, &CAutoEQCDlg::OnOutdoorDbEdited},
        {IDC_OA_WB, &CAutoEQCDlg::OnOutdoorWbEdited},
        {IDC_OA_RH, &CAutoEQCDlg::OnOutdoorRhEdited},
        {IDC_ROOM_DB, &CAutoEQCDlg::OnRoomDbEdited},
        {IDC_ROOM_RH, &CAutoEQCDlg::OnRoomRhEdited},
        {IDC_ROOM_WB, &CAutoEQCDlg::OnRoomWbEdited},
        {IDC_MIN_TOTAL, &CAutoEQCDlg::OnMinTotalEdited},
    };
    for (const auto& e : edits) {
        connect(Edit(e.id), &QLineEdit::textEdited, this, e.handler);
    }
    connect(Edit(IDC_MAX_SENSIBLE), &QLineEdit::textEdited, this,
            [this] { OnSensibleEdited(IDC_MAX_SENSIBLE, IDC_MAX_TOTAL, IDC_MAX_SHF); });
    connect(Edit(IDC_MIN_SENSIBLE), &QLineEdit::textEdited, this,
            [this] { OnSensibleEdited(IDC_MIN_SENSIBLE, IDC_MIN_TOTAL, IDC_MIN_SHF); });
    connect(Edit(IDC_MAX_TOTAL), &QLineEdit::textEdited, this,
            [this] { m_bMaxTotalEdited = true; });

    const struct {
        int radio, wb, rh;
        bool byWb;
    } radios[] = {
        {IDC_OA_BY_WB, IDC_OA_WB, IDC_OA_RH, true},
        {IDC_OA_BY_RH, IDC_OA_WB, IDC_OA_RH, false},
        {IDC_ROOM_BY_WB, IDC_ROOM_WB, IDC_ROOM_RH, true},
        {IDC_ROOM_BY_RH, IDC_ROOM_WB, IDC_ROOM_RH, false},
    };
    for (const auto& r : radios) {
        auto* radio = qobject_cast<QRadioButton*>(Control(r.radio));
        connect(radio, &QRadioButton::clicked, this,
                [this, r] { OnHumidityMode(r.wb, r.rh, r.byWb); });
    }
    connect(m_system, &QComboBox::activated, this, &CAutoEQCDlg::OnSystemChosen);
}

bool CAutoEQCDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // The window losing the focus (a message box, another program, a
        // menu) is not the user leaving the box; nor is passing through a
        // total without changing it.
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (left && watched == Edit(IDC_MAX_TOTAL) && m_bMaxTotalEdited) {
            m_bMaxTotalEdited = false;
            OnTotalLeft(IDC_MAX_TOTAL, IDC_MAX_SENSIBLE, IDC_MAX_SHF);
        } else if (left && watched == Edit(IDC_MIN_TOTAL) && m_bMinTotalEdited) {
            m_bMinTotalEdited = false;
            OnTotalLeft(IDC_MIN_TOTAL, IDC_MIN_SENSIBLE, IDC_MIN_SHF);
        }
        // Only the user's own move (Tab, mouse, shortcut): the focus given
        // back to a box after its message must not check the box it leaves,
        // or two wrong boxes would send it back and forth without end.
        const bool userMoved = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                               reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
        for (int id : kTempBoxes) {
            if (userMoved && watched == Edit(id)) {
                OnTempBoxLeft(id);
            }
        }
    }
    return CProcessDlg::eventFilter(watched, event);
}

// --- helpers ------------------------------------------------------------------

bool CAutoEQCDlg::ReadLive(int id, double* v) {
    if (Text(id).trimmed().isEmpty()) {
        return false;
    }
    if (!IsNumeric(id)) {
        if (!IsPartialNumber(Text(id))) {
            SelectBox(id);
            zeph::ShowMessage(LoadResString(6129), zeph::MsgIcon::Exclamation);
        }
        return false;
    }
    *v = Value(id);
    return true;
}

void CAutoEQCDlg::OnTempBoxLeft(int id) {
    // OK checks every box itself, and Cancel keeps nothing: neither is held
    // up by a box on the way.
    const QWidget* next = QApplication::focusWidget();
    if (next == Control(IDC_OK) || next == Control(IDC_CANCEL) || Edit(id)->isReadOnly() ||
        IsNumeric(id)) {
        return;
    }
    zeph::ShowMessage(LoadResString(6129), zeph::MsgIcon::Exclamation);
    FocusAfterLeaving(id);
}

void CAutoEQCDlg::FocusAfterLeaving(int id) {
    // Once the focus change under way has ended, box id is where the user
    // corrects it.
    QPointer<CAutoEQCDlg> self(this);
    QMetaObject::invokeMethod(
        this,
        [self, id] {
            if (self && self->isVisible()) self->FocusOnError(id);
        },
        Qt::QueuedConnection);
}

bool CAutoEQCDlg::LivePressure(double* P) const {
    if (!IsNumeric(IDC_PRESSURE)) {
        return false;
    }
    *P = Value(IDC_PRESSURE);
    return *P > 0.0 && std::isfinite(*P);
}

void CAutoEQCDlg::ShowTemp(int id, double v) {
    if (v != zeph::kFailed && std::isfinite(v)) {
        SetText(id, Format("%.2f", v));
    }
}

void CAutoEQCDlg::ShowShf(int shfId, double sensible, double total) {
    const double shf = std::round(sensible / total * 1000.0) / 1000.0;
    if (std::isfinite(shf)) {
        SetText(shfId, Format("%.3f", shf));
    }
}

void CAutoEQCDlg::SelectBox(int id) {
    if (QLineEdit* edit = Edit(id)) {
        edit->selectAll();
    }
}

// --- outdoor and room air -----------------------------------------------------

void CAutoEQCDlg::OnOutdoorDbEdited() {
    double db = 0, P = 0;
    if (!ReadLive(IDC_OA_DB, &db) || !LivePressure(&P) || !IsNumeric(IDC_OA_RH)) {
        return;
    }
    const double rh = Value(IDC_OA_RH);
    if (rh >= kMinStoredRh) {
        const CQuietEngine quiet;
        ShowTemp(IDC_OA_WB, CCorvoApp().cal_DBRH(db, rh, P).Wb);
    }
}

void CAutoEQCDlg::OnOutdoorWbEdited() {
    double wb = 0, P = 0;
    if (!ReadLive(IDC_OA_WB, &wb) || !LivePressure(&P) || !IsNumeric(IDC_OA_DB)) {
        return;
    }
    if (wb > kMinTypedWb) {
        const CQuietEngine quiet;
        ShowTemp(IDC_OA_RH, CCorvoApp().cal_DBWB(Value(IDC_OA_DB), wb, P).Rh);
    }
}

void CAutoEQCDlg::OnOutdoorRhEdited() {
    double rh = 0, P = 0;
    if (!ReadLive(IDC_OA_RH, &rh) || !LivePressure(&P) || !IsNumeric(IDC_OA_DB)) {
        return;
    }
    const CQuietEngine quiet;
    ShowTemp(IDC_OA_WB, CCorvoApp().cal_DBRH(Value(IDC_OA_DB), rh, P).Wb);
}

void CAutoEQCDlg::OnRoomDbEdited() {
    double db = 0, P = 0;
    if (!ReadLive(IDC_ROOM_DB, &db) || !LivePressure(&P) || !IsNumeric(IDC_ROOM_RH)) {
        return;
    }
    const double rh = Value(IDC_ROOM_RH);
    if (rh >= kMinStoredRh) {
        const CQuietEngine quiet;
        ShowTemp(IDC_ROOM_WB, CCorvoApp().cal_DBRH(db, rh, P).Wb);
    }
}

void CAutoEQCDlg::OnRoomRhEdited() {
    double rh = 0, P = 0;
    if (!ReadLive(IDC_ROOM_RH, &rh) || !LivePressure(&P) || !IsNumeric(IDC_ROOM_DB)) {
        return;
    }
    if (rh >= kMinTypedRh && rh <= zeph::kMaxRoomRh) {
        const CQuietEngine quiet;
        ShowTemp(IDC_ROOM_WB, CCorvoApp().cal_DBRH(Value(IDC_ROOM_DB), rh, P).Wb);
    }
}

void CAutoEQCDlg::OnRoomWbEdited() {
    double wb = 0, P = 0;
    if (!ReadLive(IDC_ROOM_WB, &wb) || !LivePressure(&P) || !IsNumeric(IDC_ROOM_DB)) {
        return;
    }
    // A wet bulb above the dry bulb is no state: still being typed.
    const double db = Value(IDC_ROOM_DB);
    if (wb > kMinTypedWb && wb <= db) {
        const CQuietEngine quiet;
        ShowTemp(IDC_ROOM_RH, CCorvoApp().cal_DBWB(db, wb, P).Rh);
    }
}

void CAutoEQCDlg::OnHumidityMode(int wbBox, int rhBox, bool byWb) {
    Edit(wbBox)->setReadOnly(!byWb);
    Edit(rhBox)->setReadOnly(byWb);
}

// --- loads --------------------------------------------------------------------

// The SHF follows the sensible load typed, unless it exceeds the total.
void CAutoEQCDlg::OnSensibleEdited(int sensibleId, int totalId, int shfId) {
    if (!IsNumeric(sensibleId) || !IsNumeric(totalId)) {
        return;
    }
    const double sensible = Value(sensibleId);
    const double total = Value(totalId);
    if (!(total > 0.0)) {
        return;  // nothing to compare with yet
    }
    if (sensible > total) {
        SelectBox(sensibleId);
        zeph::ShowMessage(LoadResString(6130), zeph::MsgIcon::Exclamation);
        return;
    }
    ShowShf(shfId, sensible, total);
}

// The minimum sensible load follows each keystroke of the minimum total at
// the SHF shown (never above the total, as an SHF is at most 1).
void CAutoEQCDlg::OnMinTotalEdited() {
    m_bMinTotalEdited = true;
    const double shf = IsNumeric(IDC_MIN_SHF) ? Value(IDC_MIN_SHF) : 0.0;
    if (IsNumeric(IDC_MIN_TOTAL) && shf > 0.0) {
        SetText(IDC_MIN_SENSIBLE, Format("%.15g", shf * Value(IDC_MIN_TOTAL)));
    }
}

// A total left below the sensible load is refused; otherwise the sensible
// load moves with the SHF shown, or, with no SHF yet, the sensible load
// typed first gives it.
void CAutoEQCDlg::OnTotalLeft(int totalId, int sensibleId, int shfId) {
    if (!IsNumeric(totalId)) {
        return;
    }
    const double total = Value(totalId);
    const double sensible = IsNumeric(sensibleId) ? Value(sensibleId) : 0.0;
    if (total < sensible) {
        SelectBox(sensibleId);
        zeph::ShowMessage(LoadResString(6131), zeph::MsgIcon::Exclamation);
        FocusAfterLeaving(sensibleId);
        return;
    }
    const double shf = IsNumeric(shfId) ? Value(shfId) : 0.0;
    if (shf > 0.0) {
        SetText(sensibleId, Format("%.15g", shf * total));
    } else if (sensible > 0.0 && total > 0.0) {
        ShowShf(shfId, sensible, total);
    }
}

// --- system -------------------------------------------------------------------

void CAutoEQCDlg::ApplySystem(int system) {
    // The minimum loads matter only to the bypass control.
    Edit(IDC_MIN_TOTAL)->setReadOnly(system == 0);
    Edit(IDC_MIN_SENSIBLE)->setReadOnly(system == 0);
    Edit(IDC_OA_FLOW)->setReadOnly(false);
}

void CAutoEQCDlg::OnSystemChosen(int system) {
    ApplySystem(system);
    // Each system starts from the standard outdoor design conditions.
    const double db = EqcConditions::kDefaultOutdoorDb;
    const double wb = EqcConditions::kDefaultOutdoorWb;
    SetText(IDC_OA_DB, Format("%.2f", db));
    SetText(IDC_OA_WB, Format("%.2f", wb));
    double P = 0;
    if (LivePressure(&P)) {
        const CQuietEngine quiet;
        ShowTemp(IDC_OA_RH, CCorvoApp().cal_DBWB(db, wb, P).Rh);
    }
}
