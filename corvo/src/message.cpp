#include "corvo/message.h"

#include <iostream>
#include <utility>

namespace corvo {
namespace {

MessageSink& CurrentSink() {
    static MessageSink sink;
    return sink;
}

}  // namespace

MessageSink SetMessageSink(MessageSink sink) {
    return std::exchange(CurrentSink(), std::move(sink));
}

void ShowErrorMessage(const std::string& text) {
    if (const MessageSink& sink = CurrentSink()) {
        sink(text);
    } else {
        std::cerr << text << '\n';
    }
}

}  // namespace corvo
