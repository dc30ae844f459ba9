#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "run/runstate.h"

class CZephDlgJ;
class QAction;
class QKeyEvent;
class QUndoStack;
class QWidget;

// Undo and redo of every change a command of the main window makes to its
// run, and deleting a point. Each command runs inside a Step: what lasts of
// the run (all but the current point) and whether 自動計算 may be pressed,
// taken before and after, become one entry of the undo stack when they
// differ. Steps nest; the outermost names the entry. Undo and redo restore
// a state with nothing pending and show it in every box and selector.
class CRunHistory : public QObject {
    Q_OBJECT

  public:
    static constexpr int kUndoLimit = 100;

    // What one entry restores.
    struct Snapshot {
        RunState run;
        bool capacityArmed = false;  // 自動計算 enabled
    };

    // One command: see the class. A step opened while a state is being
    // restored records nothing.
    class Step {
      public:
        // name: one of the names of commandnames.h, shown through StepName.
        Step(CRunHistory& history, const char* name);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

      private:
        CRunHistory& m_history;
        bool m_records;
    };

    // Made once the window's controls exist: adds the keys (Ctrl+Z; Ctrl+Y
    // and Ctrl+Shift+Z; Delete on the chart, which takes the focus when
    // clicked).
    explicit CRunHistory(CZephDlgJ& window);
    ~CRunHistory() override;

    QUndoStack* Stack() const { return m_stack; }
    // The stack emptied; the run as it is now is where undo stops.
    void Clear();
    // Nothing while a step is open.
    void Undo();
    void Redo();
    // The name of accepting the current point: the process that produced
    // it, else 点の追加.
    const char* AcceptName() const;

    // Point n is shown in the point box: Delete removes it (until the box
    // or the list changes). A number outside the list selects nothing.
    void SelectPoint(int n);
    // Deletes the selected point, else the last one (none: a beep), after
    // withdrawing a pending point.
    void DeletePoint();

    // The history's context-menu items, added with add(command, text,
    // enabled): 元に戻す and やり直し naming their step, 点を削除.
    void AddMenuItems(const std::function<QAction*(int, const QString&, bool)>& add);
    // The window's event filter asks before a box sees event (a shortcut
    // override): true when an undo or redo key goes to the history, the box
    // having no typing of its own to undo or redo.
    bool TakesKey(QWidget* box, QKeyEvent* event) const;

    // Names every entry again in the language of the interface.
    void Retranslate();

    // Restores what an entry holds (the undo stack's entries call it).
    void Restore(const Snapshot& snapshot);

  private:
    CZephDlgJ& m_window;
    QUndoStack* m_stack;
    int m_depth = 0;
    bool m_restoring = false;
    // The state the stack ends at, and the one before the open step.
    Snapshot m_recorded;
    Snapshot m_before;
    const char* m_stepName = nullptr;
    // The pending point the last step produced, and the source of that
    // step's name.
    CurrentPoint m_produced;
    const char* m_producedStep = nullptr;
    int m_selected = 0;

    Snapshot Take() const;
    static bool Same(const Snapshot& a, const Snapshot& b);
    void Push(const Snapshot& after, const char* name);
    // A change made outside the steps (typing the system name) becomes an
    // entry of its own.
    void CatchUp();
    // The point box emptied and editable, nothing pending.
    void EmptyPointBox();
};
