#include "ui/DialogsVoice.h"

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
    return dialogs_.messageBox(translated(words), translated(words.title), DialogButtons::YesNo,
                               toDialogIcon(words.icon)) == DialogAnswer::Yes;
}

} // namespace tavo::ui
