#include "ui/DialogsVoice.h"

#include "ui/Dialogs.h"

#include "ui/Translation.h"

namespace tavo::ui {
namespace {

DialogIcon toDialogIcon(VoiceIcon icon) {
    switch (icon) {
    case VoiceIcon::Stop:
        return DialogIcon::Stop;
    case VoiceIcon::Question:
        return DialogIcon::Question;
    case VoiceIcon::Information:
        return DialogIcon::Information;
    case VoiceIcon::None:
        break;
    }
    return DialogIcon::None;
}

} // namespace

void DialogsVoice::say(const Words& words) {
    const Dialogs::Speaking speaking(dialogs_, window_);
    const QString text = translated(words);
    if (words.plain())
        dialogs_.message(text);
    else if (words.icon == VoiceIcon::Information && words.title == kAppTitle)
        dialogs_.information(text);
    else
        dialogs_.messageBox(text, translated(words.title), DialogButtons::Ok,
                            toDialogIcon(words.icon));
}

bool DialogsVoice::ask(const Words& words) {
    const Dialogs::Speaking speaking(dialogs_, window_);
    return dialogs_.messageBox(translated(words), translated(words.title), DialogButtons::YesNo,
                               toDialogIcon(words.icon)) == DialogAnswer::Yes;
}

void DialogsVoice::sayError(const Phrase& text) {
    static bool showing = false;
    if (showing) return;
    showing = true;
    const Dialogs::Speaking speaking(dialogs_, window_);
    dialogs_.errorBox(translated(text));
    showing = false;
}

} // namespace tavo::ui
