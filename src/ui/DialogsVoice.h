// The engine's voice shown through the window's dialogs: a plain message as
// a plain message, any other words as a message box with their title and
// icon.
#pragma once

#include "core/Voice.h"
#include "ui/Dialogs.h"

namespace tavo::ui {

class DialogsVoice final : public Voice {
public:
    explicit DialogsVoice(Dialogs& dialogs) : dialogs_(dialogs) {}
    void say(const Words& words) override;
    bool ask(const Words& words) override;

private:
    Dialogs& dialogs_;
};

} // namespace tavo::ui
