// The game window's message box as the engine sees it: rules post texts
// here, the window shows them, tests and the simulator collect them.
#pragma once

#include "core/Voice.h"

#include <string>
#include <vector>

namespace tavo {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void post(const Phrase& text) = 0;
};

class VectorSink final : public MessageSink {
public:
    void post(const Phrase& text) override { messages.push_back(text.text()); }
    std::vector<std::string> messages;
};

} // namespace tavo
