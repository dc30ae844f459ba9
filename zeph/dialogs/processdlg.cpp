#include "dialogs/processdlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

#include "dialogs/dialoghost.h"
#include "gui/ui.h"
#include "run/constants.h"
#include "tolvex/checkdata.h"

CProcessDlg::CProcessDlg(int templateId, const QString& caption, CDialogHost* host, QWidget* parent)
    : QDialog(parent), m_host(host) {
    setObjectName(QString::number(templateId));
    setWindowTitle(caption);
}

CProcessDlg::~CProcessDlg() {
    qApp->removeEventFilter(this);
}

QWidget* CProcessDlg::Control(int id) const {
    return findChild<QWidget*>(QString::number(id));
}

QLineEdit* CProcessDlg::Edit(int id) const {
    return qobject_cast<QLineEdit*>(Control(id));
}

QLineEdit* CProcessDlg::MakeEdit(int id, const QString& text) {
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(QString::number(id));
    return edit;
}

QLineEdit* CProcessDlg::MakeNumberEdit(int id, const QString& text) {
    QLineEdit* edit = MakeEdit(id, text);
    edit->setMaxLength(zeph::kMaxNumberChars);
    return edit;
}

QPushButton* CProcessDlg::MakeButton(int id, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::number(id));
    // Enter belongs to the dialog's calculate action, never to a default
    // button.
    button->setAutoDefault(false);
    return button;
}

QRadioButton* CProcessDlg::MakeRadio(int id, const QString& text) {
    auto* radio = new QRadioButton(text, this);
    radio->setObjectName(QString::number(id));
    return radio;
}

QCheckBox* CProcessDlg::MakeCheck(int id, const QString& text) {
    auto* check = new QCheckBox(text, this);
    check->setObjectName(QString::number(id));
    return check;
}

QLabel* CProcessDlg::MakeLabel(const QString& text, int id) {
    auto* label = new QLabel(text, this);
    if (id != 0) {
        label->setObjectName(QString::number(id));
    }
    return label;
}

QHBoxLayout* CProcessDlg::MakeCalcCancelRow(int calcId) {
    auto* row = new QHBoxLayout;
    QPushButton* calc = MakeButton(calcId, tr("計算開始"));
    QPushButton* cancel = MakeButton(2, tr("キャンセル"));
    row->addWidget(calc);
    row->addWidget(cancel);
    connect(calc, &QPushButton::clicked, this, [this] { OnCalculate(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

void CProcessDlg::SetFieldCycle(const QList<int>& ids) {
    m_cycle = ids;
    FocusIndex = 0;
}

void CProcessDlg::MoveFocus(int step) {
    const int n = static_cast<int>(m_cycle.size());
    if (n == 0) {
        return;
    }
    int index = FocusIndex;
    // At most one round: fields that cannot take the focus are passed over.
    for (int tries = 0; tries < n; ++tries) {
        index = ((index + step) % n + n) % n;
        QWidget* field = Control(m_cycle.at(index));
        if (field != nullptr && field->isEnabled() && field->isVisible()) {
            FocusIndex = index;
            field->setFocus(Qt::TabFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(field)) {
                edit->selectAll();
            }
            return;
        }
    }
}

QString CProcessDlg::Text(int id) const {
    QLineEdit* edit = Edit(id);
    return edit != nullptr ? edit->text() : QString();
}

void CProcessDlg::SetText(int id, const QString& text) {
    if (QLineEdit* edit = Edit(id)) {
        edit->setText(text);
    }
}

bool CProcessDlg::IsNumeric(int id) const {
    return CCheckData().Inspect_nData(Text(id).toStdString()) == 1;
}

double CProcessDlg::Value(int id) const {
    return CCheckData().atof_e(Text(id).toStdString());
}

bool CProcessDlg::ReadPointNo(int id, int* n) const {
    if (!IsNumeric(id)) {
        return false;
    }
    const double v = Value(id);
    if (v != std::floor(v) || v < 1.0 || v > static_cast<double>(m_host->GetPointCount())) {
        return false;
    }
    if (n != nullptr) {
        *n = static_cast<int>(v);
    }
    return true;
}

bool CProcessDlg::ReadPointPair(int idA, int idB, int* a, int* b) {
    if (!ReadPointNo(idA, a)) {
        return Fail(zeph::kErrPointNo, idA);
    }
    if (!ReadPointNo(idB, b) || *b == *a) {
        return Fail(zeph::kErrPointNo, idB);
    }
    return true;
}

bool CProcessDlg::Fail(int code, int focusId) {
    m_host->ShowError(code);
    FocusOnError(focusId);
    return false;
}

void CProcessDlg::FocusOnError(int id) {
    QWidget* field = Control(id);
    if (field == nullptr) {
        return;
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        // Selecting from the start leaves the caret at the end, in view.
        edit->selectAll();
    }
}

bool CProcessDlg::ReadRanged(int id, double min, double max, double* out) {
    const QString text = Text(id).trimmed();
    CCheckData check;
    const bool number = check.Inspect_nData(text.toStdString()) == 1;
    const double v = number ? check.atof_e(text.toStdString()) : 0.0;
    if (number && std::isfinite(v) && v >= min && v <= max) {
        if (out != nullptr) {
            *out = v;
        }
        return true;
    }
    zeph::ShowMessage(zeph::RangePrompt(min, max), zeph::MsgIcon::Exclamation);
    FocusOnError(id);
    return false;
}

bool CProcessDlg::ReadRanged(int id, const zeph::FieldRange& range, double* out) {
    return ReadRanged(id, range.min, range.max, out);
}

bool CProcessDlg::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::FocusIn) || !watched->isWidgetType()) {
        return QDialog::eventFilter(watched, event);
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this) {
        return QDialog::eventFilter(watched, event);
    }
    if (type == QEvent::FocusIn) {
        const int at = static_cast<int>(m_cycle.indexOf(widget->objectName().toInt()));
        if (at >= 0 && !widget->objectName().isEmpty()) {
            FocusIndex = at;
        }
    } else {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                OnCalculate();
                return true;
            case Qt::Key_Escape:
                return true;
            case Qt::Key_Down:
            case Qt::Key_Up:
                if (m_cycle.isEmpty() || (key->modifiers() & Qt::AltModifier)) {
                    break;
                }
                MoveFocus(key->key() == Qt::Key_Down ? 1 : -1);
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CProcessDlg::showEvent(QShowEvent* event) {
    // While the dialog is on screen, Enter, Escape and the arrows are taken
    // before the focused control sees them, so that a focused button does
    // not click on Enter. A hidden dialog (a tool window between openings)
    // listens to nothing.
    qApp->installEventFilter(this);
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        PlaceOverChart();
    }
}

void CProcessDlg::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QDialog::hideEvent(event);
}

void CProcessDlg::PlaceOverChart() {
    QWidget* chart = m_host != nullptr ? m_host->ChartWidget() : nullptr;
    if (chart == nullptr || !chart->isVisible()) {
        return;
    }
    QPoint corner = chart->mapToGlobal(QPoint(0, 0));
    // Kept on the screen the chart is on, so that no control is out of
    // reach on a small screen.
    if (const QScreen* screen = chart->screen()) {
        const QRect avail = screen->availableGeometry();
        const QSize size = frameGeometry().size();
        corner.setX(std::max(avail.left(), std::min(corner.x(), avail.right() + 1 - size.width())));
        corner.setY(
            std::max(avail.top(), std::min(corner.y(), avail.bottom() + 1 - size.height())));
    }
    move(corner);
}
