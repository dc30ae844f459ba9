#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "corvo/zephdata.h"

namespace zeph {

enum class MsgIcon { Stop, Question, Exclamation, Information };
// SaveDiscardCancel: the desktop's Save, Discard and Cancel buttons, which
// answer Yes, No and Cancel.
enum class MsgButtons { Ok, OkCancel, YesNo, SaveDiscardCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// What the first button of a box answers, as pressing Enter does: Yes (or
// Save) for a question, OK otherwise.
inline MsgAnswer FirstButtonAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::SaveDiscardCancel:
            return MsgAnswer::Yes;
        case MsgButtons::Ok:
        case MsgButtons::OkCancel:
            break;
    }
    return MsgAnswer::Ok;
}

}  // namespace zeph

// How the run asks its user: the messages of a process, with their icon and
// buttons, and the two choices a cooling with reheat needs. The window
// answers with its message boxes and dialogs; a script or the command line
// answers on its own. The run also says here when a process ends without
// a result, so that whoever shows the point box can empty it.
class CRunPrompt {
  public:
    virtual ~CRunPrompt() = default;

    // A message; the answer is the button chosen.
    virtual zeph::MsgAnswer Message(const QString& text, zeph::MsgIcon icon,
                                    zeph::MsgButtons buttons) = 0;

    // The re-heater: how the supply air of a cooling that needs reheat is
    // chosen. Nothing when the user cancelled.
    struct ReheaterChoice {
        int method = 0;           // 0 by supply temperature, 1 by air-change rate
        double supplyTemp = 0.0;  // °C, for method 0
    };
    virtual std::optional<ReheaterChoice> ChooseReheater(double minOffCoilTemp) = 0;

    // The air-change table: the supply air of a cooling with reheat for an
    // air-change rate. The room's texts are those of the capacity
    // conditions (m³, kcal/h), empty when none are stored.
    struct AirChangeQuestion {
        _CORVO room{};
        double shf = 0.0;
        double contactFactor = 0.0;
        double pressure = 0.0;        // hPa
        double minOffCoilTemp = 0.0;  // °C
        QString roomVolumeText;
        QString totalHeatText;
    };
    struct AirChangeChoice {
        double airChanges = 0.0;  // per hour
        double roomVolume = 0.0;  // m³
        double totalHeat = 0.0;   // kcal/h
    };
    virtual std::optional<AirChangeChoice> ChooseAirChange(const AirChangeQuestion& question) = 0;

    // A process produced a result: the run's current point (shown locked),
    // which is either pending or was added to the list at once.
    virtual void ResultProduced(bool addedAtOnce) = 0;
    // A process ended without a result after its message (if any): nothing
    // is current any more.
    virtual void ProcessEnded() = 0;
};

// Answers as pressing OK or Yes would: a message with OK (Yes for Yes/No),
// the re-heater with what it offers (by supply temperature, at the lowest
// coil-outlet temperature as it shows it, to two decimals). The air-change
// table offers nothing to accept until a row is chosen: it is cancelled.
// Each message is handed to the listener, when there is one.
class CDefaultAnswers : public CRunPrompt {
  public:
    using Listener = std::function<void(const QString& text, zeph::MsgIcon icon)>;
    explicit CDefaultAnswers(Listener listener = {}) : m_listener(std::move(listener)) {}

    zeph::MsgAnswer Message(const QString& text, zeph::MsgIcon icon,
                            zeph::MsgButtons buttons) override;
    std::optional<ReheaterChoice> ChooseReheater(double minOffCoilTemp) override;
    std::optional<AirChangeChoice> ChooseAirChange(const AirChangeQuestion& question) override;
    void ResultProduced(bool) override {}
    void ProcessEnded() override {}

  private:
    Listener m_listener;
};
