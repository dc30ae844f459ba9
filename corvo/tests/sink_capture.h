#pragma once

#include <string>
#include <utility>
#include <vector>

#include "corvo/corvoapp.h"
#include "corvo/message.h"

// Collects every message the engine shows while it lives, instead of the
// error box, and puts the previous sink back when it goes.
class SinkCapture {
  public:
    SinkCapture()
        : previous_(corvo::SetMessageSink(
              [this](const std::string& text) { messages_.push_back(text); })) {}
    ~SinkCapture() { corvo::SetMessageSink(std::move(previous_)); }
    SinkCapture(const SinkCapture&) = delete;
    SinkCapture& operator=(const SinkCapture&) = delete;

    const std::vector<std::string>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

  private:
    std::vector<std::string> messages_;  // declared first: the sink writes here
    corvo::MessageSink previous_;
};

// True for the engine's error record: 999 in the eight state fields, 0 in
// the reserved fields and in Mt.
inline bool IsErrorRecord(const _CORVO& r) {
    return r.Db == 999 && r.Wb == 999 && r.Rh == 999 && r.Dp == 999 && r.Hi == 999 && r.Xi == 999 &&
           r.Px == 999 && r.Dn == 999 && r.Db1 == 0 && r.Db2 == 0 && r.Xi1 == 0 && r.Xi2 == 0 &&
           r.Mt == 0;
}
