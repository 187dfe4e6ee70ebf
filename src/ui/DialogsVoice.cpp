#include "ui/DialogsVoice.h"

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
    const QString text = QString::fromUtf8(words.text.c_str());
    if (words.plain())
        dialogs_.message(text);
    else if (words.icon == VoiceIcon::Information && words.title == kAppTitle)
        dialogs_.information(text);
    else
        dialogs_.messageBox(text, QString::fromUtf8(words.title.c_str()), DialogButtons::Ok,
                            toDialogIcon(words.icon));
}

bool DialogsVoice::ask(const Words& words) {
    return dialogs_.messageBox(QString::fromUtf8(words.text.c_str()),
                               QString::fromUtf8(words.title.c_str()), DialogButtons::YesNo,
                               toDialogIcon(words.icon)) == DialogAnswer::Yes;
}

} // namespace tavo::ui
