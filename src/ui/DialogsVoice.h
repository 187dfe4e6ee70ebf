// The engine's voice shown through the window's dialogs: a plain message as
// a plain message, any other words as a message box with their title and
// icon, in front of the window that speaks.
#pragma once

#include "core/Voice.h"

class QWidget;

namespace tavo::ui {

class Dialogs;

class DialogsVoice final : public Voice {
public:
    explicit DialogsVoice(Dialogs& dialogs, QWidget* window = nullptr)
        : dialogs_(dialogs), window_(window) {}
    void say(const Words& words) override;
    bool ask(const Words& words) override;
    // A number that does not convert: the application's error box, one at
    // a time (the clock may fail the same way while one waits).
    void sayError(const Phrase& text) override;

private:
    Dialogs& dialogs_;
    QWidget* window_;
};

} // namespace tavo::ui
