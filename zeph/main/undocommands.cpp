#include "main/undocommands.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

#include "capacity/autoeqcresultdlg.h"
#include "gui/fieldedit.h"
#include "gui/staticgraph.h"
#include "gui/ui.h"
#include "main/commandnames.h"
#include "main/zephdlgj.h"
#include "run/zephrun.h"

// Undo, redo and deleting a point in the main window.

namespace {

// The same keys on every platform.
QList<QKeySequence> UndoKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
}

QList<QKeySequence> RedoKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
}

// "元に戻す: 混合", or the bare command when there is no step.
QString ItemText(const char* command, const QString& step) {
    const QString text = zeph::CommandText(command);
    return step.isEmpty() ? text : text + QStringLiteral(": ") + step;
}

// One entry of the stack: the states before and after a step.
class CRunStep : public QUndoCommand {
  public:
    CRunStep(CRunHistory& history, CRunHistory::Snapshot before, CRunHistory::Snapshot after,
             const char* name)
        : QUndoCommand(zeph::StepName(name)),
          m_history(history),
          m_before(std::move(before)),
          m_after(std::move(after)),
          m_name(name) {}

    // Names the step again in the language of the interface.
    void Retranslate() { setText(zeph::StepName(m_name)); }

    void undo() override { m_history.Restore(m_before); }

    void redo() override {
        // Pushed once the step has done its work: the first redo is that.
        if (m_pushed) {
            m_pushed = false;
            return;
        }
        m_history.Restore(m_after);
    }

  private:
    CRunHistory& m_history;
    CRunHistory::Snapshot m_before;
    CRunHistory::Snapshot m_after;
    // The name, in the sources' language.
    const char* m_name;
    bool m_pushed = true;
};

// An open result window shows the newest result the state holds, and goes
// when it holds none.
void ShowNewestResult(CAutoEQC_ResultDlg& window, const RunState& state) {
    if (!window.IsOpen()) {
        return;
    }
    if (state.eqcPending == 1) {
        window.SetResult(state.eqcResult);
    } else if (!state.eqcResults.isEmpty()) {
        window.SetResult(state.eqcResults.last());
    } else {
        window.DestroyWindow();
    }
}

}  // namespace

// --- steps ------------------------------------------------------------------

CRunHistory::Step::Step(CRunHistory& history, const char* name)
    : m_history(history), m_records(!history.m_restoring) {
    if (m_records && m_history.m_depth++ == 0) {
        m_history.CatchUp();
        m_history.m_before = m_history.Take();
        m_history.m_stepName = name;
    }
}

CRunHistory::Step::~Step() {
    if (!m_records || --m_history.m_depth > 0) {
        return;
    }
    CRunHistory& h = m_history;
    const Snapshot after = h.Take();
    const CurrentPoint& produced = after.run.current;
    if (produced.pending == 1 && !(produced == h.m_before.run.current)) {
        h.m_produced = produced;
        h.m_producedStep = h.m_stepName;
    }
    if (!Same(h.m_before, after)) {
        h.Push(after, h.m_stepName);
    }
    h.m_before = Snapshot{};
}

// --- the history ------------------------------------------------------------

CRunHistory::CRunHistory(CZephDlgJ& window) : m_window(window), m_stack(new QUndoStack(this)) {
    m_stack->setUndoLimit(kUndoLimit);

    auto* undo = new QAction(&window);
    undo->setShortcuts(UndoKeys());
    connect(undo, &QAction::triggered, this, &CRunHistory::Undo);
    auto* redo = new QAction(&window);
    redo->setShortcuts(RedoKeys());
    connect(redo, &QAction::triggered, this, &CRunHistory::Redo);
    window.addActions({undo, redo});

    CStaticGraph* chart = window.m_Graph;
    chart->setFocusPolicy(Qt::ClickFocus);
    auto* remove = new QAction(chart);
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    remove->setShortcutContext(Qt::WidgetShortcut);
    connect(remove, &QAction::triggered, this, &CRunHistory::DeletePoint);
    chart->addAction(remove);

    // The selection lasts while the point box shows the point.
    connect(&window.Run(), &CZephRun::pointsChanged, this, [this] { m_selected = 0; });
    connect(&window.Run(), &CZephRun::currentPointChanged, this, [this] { m_selected = 0; });
    // A system name typed is one entry once its box is left.
    connect(window.m_editSystem, &QLineEdit::editingFinished, this, [this] {
        if (m_depth == 0 && !m_restoring) CatchUp();
    });
    m_recorded = Take();
}

CRunHistory::~CRunHistory() = default;

CRunHistory::Snapshot CRunHistory::Take() const {
    return {m_window.Run().State(), m_window.m_btnAutoCalc->isEnabledTo(&m_window)};
}

bool CRunHistory::Same(const Snapshot& a, const Snapshot& b) {
    return a.capacityArmed == b.capacityArmed && CZephRun::SameLastingState(a.run, b.run);
}

void CRunHistory::Retranslate() {
    for (int i = 0; i < m_stack->count(); ++i) {
        // The stack hands its entries out read-only; they are all ours.
        if (const auto* step = dynamic_cast<const CRunStep*>(m_stack->command(i))) {
            const_cast<CRunStep*>(step)->Retranslate();
        }
    }
}

void CRunHistory::Push(const Snapshot& after, const char* name) {
    m_stack->push(new CRunStep(*this, m_recorded, after, name));
    m_recorded = after;
}

void CRunHistory::CatchUp() {
    const Snapshot now = Take();
    if (Same(m_recorded, now)) {
        return;
    }
    Snapshot renamed = m_recorded;
    renamed.run.systemName = now.run.systemName;
    Push(now, Same(renamed, now) ? zeph::kStepSystemName : zeph::kStepOther);
}

void CRunHistory::Clear() {
    m_stack->clear();
    m_recorded = Take();
    m_produced = CurrentPoint{};
    m_producedStep = nullptr;
}

void CRunHistory::Undo() {
    if (m_depth == 0) {
        CatchUp();
        m_stack->undo();
    }
}

void CRunHistory::Redo() {
    if (m_depth == 0) {
        CatchUp();
        m_stack->redo();
    }
}

const char* CRunHistory::AcceptName() const {
    if (m_producedStep != nullptr && m_window.Run().State().current == m_produced) {
        return m_producedStep;
    }
    return zeph::kStepAddPoint;
}

void CRunHistory::Restore(const Snapshot& snapshot) {
    m_restoring = true;
    CZephDlgJ& w = m_window;
    w.Run().RestoreState(snapshot.run);
    EmptyPointBox();
    const RunState& state = w.Run().State();
    w.m_strSystem = state.systemName;
    w.m_editSystem->setText(state.systemName);
    w.m_strPressure = state.pressureText;
    w.m_editPressure->setText(state.pressureText);
    w.m_comboRange->setCurrentIndex(state.rangePreset);
    w.m_comboUnit->setCurrentIndex(state.unitMode);
    w.SetUnitMode();  // the enthalpy label follows the unit
    w.m_btnAutoCalc->setEnabled(snapshot.capacityArmed);
    ShowNewestResult(*w.m_pEqcResultDlg, state);
    m_recorded = Take();
    m_restoring = false;
}

void CRunHistory::EmptyPointBox() {
    m_window.ClearCurrent();
    m_window.SetFieldLock(0);
    m_window.ClearFields(0);
}

// --- deleting a point ---------------------------------------------------------

void CRunHistory::SelectPoint(int n) {
    m_selected = n >= 1 && n <= m_window.GetPointCount() ? n : 0;
}

void CRunHistory::DeletePoint() {
    const int n = m_selected > 0 ? m_selected : m_window.GetPointCount();
    if (n < 1) {
        zeph::Ui().Beep();
        return;
    }
    const Step step(*this, zeph::kStepDeletePoint);
    EmptyPointBox();
    m_window.Run().DeletePoint(n);
}

// --- menu and keys --------------------------------------------------------------

void CRunHistory::AddMenuItems(const std::function<QAction*(int, const QString&, bool)>& add) {
    CatchUp();  // the items name what undo and redo would do now
    add(CZephDlgJ::ID_UNDO, ItemText(zeph::kMenuUndo, m_stack->undoText()), m_stack->canUndo())
        ->setShortcuts(UndoKeys());
    add(CZephDlgJ::ID_REDO, ItemText(zeph::kMenuRedo, m_stack->redoText()), m_stack->canRedo())
        ->setShortcuts(RedoKeys());
    add(CZephDlgJ::ID_DELETE_POINT, zeph::CommandText(zeph::kStepDeletePoint),
        m_window.GetPointCount() > 0)
        ->setShortcut(QKeySequence(Qt::Key_Delete));
}

bool CRunHistory::TakesKey(QWidget* box, QKeyEvent* event) const {
    const QKeySequence pressed(event->keyCombination());
    const bool undo = UndoKeys().contains(pressed);
    if (!undo && !RedoKeys().contains(pressed)) {
        return false;
    }
    const auto* edit = qobject_cast<const QLineEdit*>(box);
    if (edit != nullptr && !edit->isReadOnly() &&
        (undo ? edit->isUndoAvailable() : edit->isRedoAvailable())) {
        return false;
    }
    event->ignore();
    return true;
}

// --- the window's part ------------------------------------------------------------

QUndoStack* CZephDlgJ::UndoStack() const {
    return m_history->Stack();
}

void CZephDlgJ::ClearHistory() {
    m_history->Clear();
}
