#include "main/zephdlgj.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "capacity/autoeqcresultdlg.h"
#include "chart/chartfonts.h"
#include "corvo/corvofunction.h"
#include "dialogs/fieldranges.h"
#include "gui/fieldedit.h"
#include "gui/fileui.h"
#include "gui/language.h"
#include "gui/staticgraph.h"
#include "gui/textfit.h"
#include "gui/ui.h"
#include "main/commandnames.h"
#include "main/rundocument.h"
#include "main/undocommands.h"
#include "main/windowprompt.h"
#include "resources/appicon.h"
#include "run/pointtext.h"
#include "run/strings.h"
#include "run/zephrun.h"
#include "tolvex/checkdata.h"

// Construction of the main dialog, its controls, data exchange, keys, focus
// rules, selectors, messages and the context menu.

namespace {

using zeph::Format;
using zeph::IsNumberText;
using zeph::LoadResString;
using zeph::MsgButtons;
using zeph::MsgIcon;
using zeph::TextValue;

}  // namespace

CZephDlgJ::CZephDlgJ(QWidget* parent) : QDialog(parent) {
    zeph::InstallFontSubstitutes();
    setObjectName(QStringLiteral("327"));
    // The title names the run's file (main/rundocument.cpp).
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    zeph::ApplyInterfaceFont(this);
    m_hIcon = zeph::AppIcon();
    setWindowIcon(m_hIcon);
    setSizeGripEnabled(true);

    m_run = new CZephRun(this);
    m_prompt = std::make_unique<CWindowPrompt>(*this);
    m_run->SetPrompt(m_prompt.get());
    BuildControls();
    m_history = std::make_unique<CRunHistory>(*this);
    m_document = std::make_unique<CRunDocument>(*this, *m_history);
    // The capacity result window is a child, so that it takes input while
    // this dialog runs modally; closed, it asks to be destroyed.
    m_pEqcResultDlg = new CAutoEQC_ResultDlg(this, this, this);
    connect(m_pEqcResultDlg, &CAutoEQC_ResultDlg::closed, this,
            [this] { m_pEqcResultDlg->DestroyWindow(); });

    m_engineMessages = std::make_unique<zeph::CEngineMessageGuard>();
    m_fileDialogs = std::make_unique<zeph::CFileUiGuard>();
    CreateToolWindows();
    // Enter, Escape, the arrows, N and Y are taken before any control of
    // this dialog sees them.
    qApp->installEventFilter(this);
    OnInitDialog();
}

CZephDlgJ::~CZephDlgJ() {
    m_run->SetPrompt(nullptr);
    DeleteToolWindows();
    qApp->removeEventFilter(this);
    // The boxes lose the focus while the base class destroys them; by then
    // this object is no longer a main dialog and must not hear of it.
    for (CFieldEdit* edit : findChildren<CFieldEdit*>()) {
        disconnect(edit, nullptr, this, nullptr);
    }
    disconnect(m_Graph, nullptr, this, nullptr);
}

QWidget* CZephDlgJ::Control(int id) const {
    const QString name = QString::number(id);
    if (objectName() == name) {
        return const_cast<CZephDlgJ*>(this);
    }
    // The tool windows are children too and reuse numbers (3011, 5020…):
    // only this window's own controls count.
    for (QWidget* w : findChildren<QWidget*>(name)) {
        if (w->window() == this) {
            return w;
        }
    }
    return nullptr;
}

void CZephDlgJ::BuildControls() {
    auto makeEdit = [this](int id, int tip) {
        auto* edit = new CFieldEdit(this);
        edit->setObjectName(QString::number(id));
        OnText([edit, tip] { edit->setToolTip(LoadResString(tip)); });
        connect(edit, &CFieldEdit::focusGained, this,
                [this, edit](Qt::FocusReason reason) { OnFieldFocusIn(edit, reason); });
        connect(edit, &CFieldEdit::focusLost, this,
                [this, edit](Qt::FocusReason reason) { OnFieldFocusOut(edit, reason); });
        return edit;
    };
    // A button with its text and tooltip in the interface's language.
    auto makeButton = [this](int id, std::function<QString()> text, int tip) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::number(id));
        OnText([button, text = std::move(text), tip] {
            button->setText(text());
            button->setToolTip(LoadResString(tip));
        });
        button->setAutoDefault(false);
        return button;
    };

    m_Graph = new CStaticGraph(*m_run, this);
    m_Graph->setObjectName(QString::number(IDC_GRAPH));
    m_Graph->setMinimumSize(280, 260);
    m_Graph->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(m_Graph, &CStaticGraph::pointsHit, this, &CZephDlgJ::OnChartPointsHit);

    // Created in the order of the template, which is the Tab order.
    m_comboRange = new QComboBox(this);
    m_comboRange->setObjectName(QString::number(IDC_RANGE));
    m_comboRange->addItems({QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("H")});
    OnText([this] { m_comboRange->setToolTip(LoadResString(6006)); });
    connect(m_comboRange, &QComboBox::activated, this, &CZephDlgJ::OnRangeSelected);

    m_comboUnit = new QComboBox(this);
    m_comboUnit->setObjectName(QString::number(IDC_UNIT));
    m_comboUnit->addItems({QStringLiteral("KCAL"), QStringLiteral("SI")});
    OnText([this] { m_comboUnit->setToolTip(LoadResString(6007)); });
    connect(m_comboUnit, &QComboBox::activated, this, [this] { SetUnitMode(); });

    m_btnAutoCalc = makeButton(
        IDC_AUTOCALC, [] { return zeph::CommandText(zeph::kStepCapacity); }, 6008);
    m_btnAutoCalc->setEnabled(false);
    connect(m_btnAutoCalc, &QPushButton::clicked, this, [this] {
        // Its points and its result are one step.
        const CRunHistory::Step step(*m_history, zeph::kStepCapacity);
        RunCapacityCalculation();
    });

    m_editPressure = makeEdit(IDC_PRESSURE, 110);
    // A pressure the run takes (the capacity calculation's) shows in the box.
    connect(m_run, &CZephRun::pressureTextChanged, this, [this](const QString& text) {
        if (m_editPressure->text() != text) {
            m_editPressure->setText(text);
        }
        m_strPressure = text;
    });
    m_editSystem = makeEdit(IDC_SYSTEM, 111);
    // The run keeps the system name as the box shows it, and the box shows
    // a name the run takes (the capacity calculation names the system).
    connect(m_editSystem, &QLineEdit::textChanged, m_run, &CZephRun::SetSystemName);
    connect(m_run, &CZephRun::systemNameChanged, this, [this](const QString& name) {
        if (m_editSystem->text() != name) {
            m_editSystem->setText(name);
        }
        m_strSystem = name;
    });
    m_editName = makeEdit(IDC_NAME, 112);
    m_editDb = makeEdit(IDC_DB, 113);
    m_editWb = makeEdit(IDC_WB, 114);
    m_editRh = makeEdit(IDC_RH, 115);
    m_editDp = makeEdit(IDC_DP, 116);
    m_editHi = makeEdit(IDC_HI, 117);
    m_editXi = makeEdit(IDC_XI, 118);
    m_editDn = makeEdit(IDC_DN, 119);
    m_editPressure->setMaxLength(zeph::kMaxNumberChars);
    for (int i = 1; i <= 7; ++i) {
        ValueBox(i)->setAlignment(Qt::AlignRight);
        ValueBox(i)->setMaxLength(zeph::kMaxNumberChars);
    }
    for (int i = 1; i <= 6; ++i) {
        CFieldEdit* box = ValueBox(i);
        connect(box, &QLineEdit::textEdited, this, [this, box] { OnValueEdited(box); });
    }

    auto* yes = makeButton(
        IDC_YES, [] { return QStringLiteral("&Yes"); }, 6003);
    auto* no = makeButton(
        IDC_NO, [] { return QStringLiteral("&No"); }, 6002);
    auto* calc = makeButton(
        IDC_CALC, [] { return tr("計算"); }, 6003);
    connect(yes, &QPushButton::clicked, this, &CZephDlgJ::AcceptPoint);
    connect(no, &QPushButton::clicked, this, &CZephDlgJ::RejectPoint);
    connect(calc, &QPushButton::clicked, this, &CZephDlgJ::CalcPoint);

    auto* processGrid = new QGridLayout;
    processGrid->setHorizontalSpacing(6);
    processGrid->setVerticalSpacing(2);
    int slot = 0;
    for (const zeph::ProcessButton& p : zeph::kProcessButtons) {
        auto* label = new QLabel(this);
        const char* labelText = p.label;
        OnText([label, labelText] { label->setText(zeph::CommandText(labelText)); });
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        const char* caption = p.caption;
        auto* button = makeButton(
            p.id, [caption] { return QString::fromUtf8(caption); }, p.tip);
        button->setEnabled(ProcessCommandAvailable(p.id));
        const int id = p.id;
        connect(button, &QPushButton::clicked, this, [this, id] { OnProcessCommand(id); });
        const int row = (slot / 3) * 2;
        const int column = slot % 3;
        processGrid->addWidget(label, row, column);
        processGrid->addWidget(button, row + 1, column);
        ++slot;
    }

    auto* reset = makeButton(
        IDC_RESET, [] { return zeph::CommandText(zeph::kStepReset); }, 6004);
    auto* finish = makeButton(
        IDOK_FINISH, [] { return tr("完了"); }, 6005);
    finish->setDefault(true);
    connect(reset, &QPushButton::clicked, this, &CZephDlgJ::ResetSystem);
    connect(finish, &QPushButton::clicked, this, &CZephDlgJ::OnOK);

    // --- layout: chart left, inputs right, the foot line below both --------
    auto* selectors = new QHBoxLayout;
    selectors->addWidget(m_comboRange);
    selectors->addWidget(m_comboUnit);
    selectors->addWidget(m_btnAutoCalc);

    auto* general = new QGridLayout;
    general->addWidget(Label([] { return tr("大気圧 (mb)"); }), 0, 0);
    general->addWidget(m_editPressure, 0, 1);
    general->addWidget(Label([] { return tr("システム"); }), 1, 0);
    general->addWidget(m_editSystem, 1, 1);

    auto* pointBox = new QGroupBox(this);
    OnText([pointBox] { pointBox->setTitle(tr("ポイントボックス")); });
    pointBox->setObjectName(QString::number(IDC_POINTBOX));
    auto* pointGrid = new QGridLayout(pointBox);
    m_staticHiLabel = Label([this] { return LoadResString(UnitMode() == 1 ? 6202 : 6200); });
    m_staticHiLabel->setObjectName(QString::number(IDC_HI_LABEL));
    const struct {
        QLabel* label;
        QLineEdit* edit;
    } rows[] = {
        {Label([] { return tr("ポイント名"); }), m_editName},
        {Label([] { return tr("乾球温度 (℃)"); }), m_editDb},
        {Label([] { return tr("湿球温度 (℃)"); }), m_editWb},
        {Label([] { return tr("相対湿度 ( % )"); }), m_editRh},
        {Label([] { return tr("露点温度 (℃)"); }), m_editDp},
        {m_staticHiLabel, m_editHi},
        {Label([] { return tr("絶対湿度(Kg/kg・DA)"); }), m_editXi},
        {Label([] { return tr("比重量 (Kg/m3)"); }), m_editDn},
    };
    int row = 0;
    for (const auto& r : rows) {
        r.label->setBuddy(r.edit);
        pointGrid->addWidget(r.label, row, 0);
        pointGrid->addWidget(r.edit, row, 1);
        ++row;
    }
    auto* graphBox = new QGroupBox(this);
    OnText([graphBox] { graphBox->setTitle(tr("グラフ表示")); });
    auto* graphRow = new QHBoxLayout(graphBox);
    graphRow->addWidget(yes);
    graphRow->addWidget(no);
    auto* acceptRow = new QHBoxLayout;
    acceptRow->addWidget(graphBox, 2);
    acceptRow->addWidget(calc, 1, Qt::AlignBottom);
    pointGrid->addLayout(acceptRow, row, 0, 1, 2);
    pointGrid->setColumnStretch(1, 1);

    auto* endRow = new QHBoxLayout;
    endRow->addWidget(reset);
    endRow->addWidget(finish);

    auto* right = new QVBoxLayout;
    right->addLayout(selectors);
    right->addLayout(general);
    right->addWidget(pointBox);
    right->addSpacing(4);
    right->addLayout(processGrid);
    right->addStretch(1);
    right->addLayout(endRow);

    auto* rightPanel = m_rightPanelContents = new QWidget(this);
    rightPanel->setLayout(right);
    // On a short screen the panel scrolls instead of being cut off.
    auto* rightScroll = m_rightPanel = new QScrollArea(this);
    rightScroll->setObjectName(QStringLiteral("rightPanel"));
    rightScroll->setWidget(rightPanel);
    rightScroll->setWidgetResizable(true);
    rightScroll->setFrameShape(QFrame::NoFrame);
    rightScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    FitRightPanel();

    auto* body = new QHBoxLayout;
    body->addLayout(CreateChartColumn(), 1);
    body->addWidget(rightScroll, 0);

    QLabel* foot =
        Label([] { return tr("Ｆ1キーを押すと、ＯｎＬｉｎｅＨｅｌｐが表示されます。"); });

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(body, 1);
    outer->addWidget(foot);
    resize(1040, 720);
}

void CZephDlgJ::OnInitDialog() {
    UpdateData(false);
    ClearCurrent();
    m_comboRange->setCurrentIndex(1);
    m_comboUnit->setCurrentIndex(m_run->State().unitMode);
    SetUnitMode();
    m_run->SetPressureText(m_strPressure);
    m_strSystem = m_run->NextSystemName();
    m_editSystem->setText(m_strSystem);
    if (m_run->State().eqcPending == 1) {
        m_btnAutoCalc->setEnabled(true);
    }
    ClearHistory();
}

// --- data exchange ----------------------------------------------------------

void CZephDlgJ::UpdateData(bool save) {
    struct Pair {
        QLineEdit* edit;
        QString* text;
    };
    const Pair pairs[] = {
        {m_editPressure, &m_strPressure},
        {m_editSystem, &m_strSystem},
        {m_editName, &m_strName},
        {m_editDb, &m_strDb},
        {m_editWb, &m_strWb},
        {m_editRh, &m_strRh},
        {m_editDp, &m_strDp},
        {m_editHi, &m_strHi},
        {m_editXi, &m_strXi},
        {m_editDn, &m_strDn},
    };
    for (const Pair& p : pairs) {
        if (save) {
            *p.text = p.edit->text();
        } else if (p.edit->text() != *p.text) {
            p.edit->setText(*p.text);
        }
    }
}

CFieldEdit* CZephDlgJ::ValueBox(int index) const {
    switch (index) {
        case 1:
            return m_editDb;
        case 2:
            return m_editWb;
        case 3:
            return m_editRh;
        case 4:
            return m_editDp;
        case 5:
            return m_editHi;
        case 6:
            return m_editXi;
        case 7:
            return m_editDn;
        default:
            return nullptr;
    }
}

// --- dialog commands ------------------------------------------------------------

int CZephDlgJ::UnitMode() const {
    return m_run->State().unitMode;
}

QString CZephDlgJ::PressureText() const {
    return m_editPressure->text();
}

QWidget* CZephDlgJ::ChartWidget() const {
    return m_Graph;
}

void CZephDlgJ::ShowError(int code) {
    zeph::Ui().MessageBox(this, zeph::ErrorText(code), zeph::AppTitle(), MsgIcon::Question,
                          MsgButtons::Ok);
}

void CZephDlgJ::SetUnitMode() {
    const CRunHistory::Step step(*m_history, zeph::kStepUnit);
    const int previous = m_run->State().unitMode;
    switch (m_comboUnit->currentIndex()) {
        case 0:
            m_run->SetUnitMode(0);
            m_staticHiLabel->setText(LoadResString(6200));
            break;
        case 1:
            m_run->SetUnitMode(1);
            m_staticHiLabel->setText(LoadResString(6202));
            break;
        default:
            break;
    }
    if (m_run->State().current.values.Hi != 0.0) {
        m_editHi->setText(
            Format("%9.5f", m_run->State().current.values.Hi * m_run->EnthalpyFactor()));
    } else if (previous != m_run->State().unitMode && IsNumberText(m_editHi->text())) {
        // An enthalpy the user typed follows the unit too; left as it was,
        // 41.86 kJ/kg would silently become 41.86 kcal/kg.
        CCorvoFunction f;
        const double kcal = TextValue(m_editHi->text()) / f.CALWKJ(previous < 1 ? 0 : 2);
        m_editHi->setText(Format("%9.5f", kcal * m_run->EnthalpyFactor()));
    }
    m_Graph->update();
    UpdateData(true);
}

void CZephDlgJ::OnRangeSelected(int index) {
    const CRunHistory::Step step(*m_history, zeph::kStepRange);
    m_run->SetRangePreset(index);
    m_Graph->update();
}

void CZephDlgJ::OnPressureLeft() {
    if (!CheckPressureField()) {
        return;
    }
    UpdateData(true);
    const CRunHistory::Step step(*m_history, zeph::kStepPressure);
    m_run->SetPressureText(m_strPressure);
}

bool CZephDlgJ::CheckPressureField() {
    QString text = m_editPressure->text().trimmed();
    CCheckData check;
    QString refusal = tr("大気圧には正の数値 (hPa) を入力して下さい。");
    if (check.Inspect_nData(text.toStdString()) == 1) {
        const double p = check.atof_e(text.toStdString());
        const zeph::FieldRange& range = zeph::kPressureRange;
        if (p >= range.min && p <= range.max) {
            // Everything downstream reads the text with C atof rules, which
            // would stop at a thousands separator.
            text.remove(QLatin1Char(','));
            if (text != m_editPressure->text()) {
                m_editPressure->setText(text);
            }
            return true;
        }
        if (p > 0.0) {
            refusal = zeph::RangePrompt(range.min, range.max);
        }
    }
    // The last accepted pressure comes back before the message opens, so
    // the focus leaving for the message finds a valid box.
    m_editPressure->setText(m_run->State().pressureText);
    m_strPressure = m_run->State().pressureText;
    zeph::ShowMessage(refusal, MsgIcon::Exclamation, MsgButtons::Ok);
    QPointer<QLineEdit> target(m_editPressure);
    QMetaObject::invokeMethod(
        this,
        [this, target] {
            if (target && isVisible() && target->isEnabled()) {
                target->setFocus(Qt::OtherFocusReason);
                target->selectAll();
            }
        },
        Qt::QueuedConnection);
    return false;
}

bool CZephDlgJ::CheckNumberField(QLineEdit* box) {
    UpdateData(true);
    const QString text = box->text();
    if (text.isEmpty() || IsNumberText(text)) {
        return true;
    }
    zeph::Ui().Beep();
    box->clear();
    UpdateData(true);
    // The focus goes back once the focus change that is under way has
    // finished; asking for it from inside that change would fight it.
    QPointer<QLineEdit> target(box);
    QMetaObject::invokeMethod(
        this,
        [this, target] {
            if (target && isVisible() && target->isEnabled()) {
                target->setFocus(Qt::OtherFocusReason);
            }
        },
        Qt::QueuedConnection);
    return false;
}

void CZephDlgJ::showEvent(QShowEvent* event) {
    // Sized before the window is mapped, so it opens inside the screen.
    if (!m_bFitted && !event->spontaneous()) {
        m_bFitted = true;
        FitToScreen();
    }
    QDialog::showEvent(event);
}

void CZephDlgJ::FitToScreen() {
    const QScreen* s = screen();
    if (s == nullptr) {
        return;
    }
    const QRect avail = s->availableGeometry();
    // The window frame is not known before the first mapping; a title bar
    // and thin borders are allowed for.
    QMargins frame(geometry().left() - frameGeometry().left(),
                   geometry().top() - frameGeometry().top(),
                   frameGeometry().right() - geometry().right(),
                   frameGeometry().bottom() - geometry().bottom());
    if (frame.isNull()) {
        frame = QMargins(4, 30, 4, 4);
    }
    const QSize room(avail.width() - frame.left() - frame.right(),
                     avail.height() - frame.top() - frame.bottom());
    const QSize fitted = size().boundedTo(room).expandedTo(minimumSizeHint());
    resize(fitted);
    const int x = avail.left() +
                  std::max(0, (avail.width() - fitted.width() - frame.left() - frame.right()) / 2);
    const int y =
        avail.top() +
        std::max(0, (avail.height() - fitted.height() - frame.top() - frame.bottom()) / 2);
    move(x, y);
}
