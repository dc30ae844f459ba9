#pragma once

#include "run/runprompt.h"

class CZephDlgJ;

// The run's questions answered by the main window: its message boxes, the
// re-heater dialog and the air-change table; a process's result shown in
// the point box, locked, and a process that ended emptying it.
class CWindowPrompt : public CRunPrompt {
  public:
    explicit CWindowPrompt(CZephDlgJ& window) : m_window(window) {}

    zeph::MsgAnswer Message(const QString& text, zeph::MsgIcon icon,
                            zeph::MsgButtons buttons) override;
    std::optional<ReheaterChoice> ChooseReheater(double minOffCoilTemp) override;
    std::optional<AirChangeChoice> ChooseAirChange(const AirChangeQuestion& question) override;
    void ResultProduced(bool addedAtOnce) override;
    void ProcessEnded() override;

  private:
    CZephDlgJ& m_window;
};
