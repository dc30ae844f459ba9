#pragma once

#include <functional>
#include <string>

#include "corvo/corvo_export.h"

namespace corvo {

// Receives the engine's two error messages ("Out of Range ( ... ) !" and
// "Not Available Function !") at the moment a calculation fails. The program
// connects it to a modal error box, so the calculation waits until the user
// has dismissed it; tests capture the texts. With no sink installed the text
// is written to standard error.
using MessageSink = std::function<void(const std::string& text)>;

// Installs a process-wide sink and returns the previous one. An empty
// function restores the standard-error default.
CORVO_API MessageSink SetMessageSink(MessageSink sink);

// Hands one message to the current sink.
CORVO_API void ShowErrorMessage(const std::string& text);

}  // namespace corvo
