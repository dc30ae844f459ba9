#include "run/runprompt.h"

#include "run/pointtext.h"
#include "tolvex/checkdata.h"

zeph::MsgAnswer CDefaultAnswers::Message(const QString& text, zeph::MsgIcon icon,
                                         zeph::MsgButtons buttons) {
    if (m_listener) {
        m_listener(text, icon);
    }
    return zeph::FirstButtonAnswer(buttons);
}

std::optional<CRunPrompt::ReheaterChoice> CDefaultAnswers::ChooseReheater(double minOffCoilTemp) {
    ReheaterChoice choice;
    choice.method = 0;
    choice.supplyTemp = tolvex::CAtof(zeph::Format("%6.2f", minOffCoilTemp).toStdString());
    return choice;
}

std::optional<CRunPrompt::AirChangeChoice> CDefaultAnswers::ChooseAirChange(
    const AirChangeQuestion& /*question*/) {
    return std::nullopt;
}
