// How a player action speaks to the player: a message box with an OK
// button, or a Yes/No question. The words, titles and icons of every
// refusal, question and confirmation live beside the rule that says them;
// the windows show them with dialogs, the tests record them and tavo-sim
// prints them.
#pragma once

#include <string>

namespace tavo {

// The title of a plain message, the application's own.
inline constexpr const char* kAppTitle = "Tavo 0.4";

enum class VoiceIcon { None, Stop, Question, Information };

// Texts are UTF-8; a name taken from the record (one byte a character)
// is converted when it is put into words.
struct Words {
    std::string text;
    std::string title = kAppTitle;
    VoiceIcon icon = VoiceIcon::None;

    // A plain message: OK, the application's title, no icon.
    bool plain() const { return icon == VoiceIcon::None && title == kAppTitle; }
    bool operator==(const Words&) const = default;
};

// A plain message.
inline Words plainMessage(std::string text) {
    return {std::move(text), kAppTitle, VoiceIcon::None};
}

// A refusal or failure: OK and the stop icon under the given title.
inline Words refusal(std::string text, std::string title) {
    return {std::move(text), std::move(title), VoiceIcon::Stop};
}

// A question: Yes/No and the question icon.
inline Words question(std::string text, std::string title) {
    return {std::move(text), std::move(title), VoiceIcon::Question};
}

// An information message: OK, the application's title, the information icon.
inline Words information(std::string text) {
    return {std::move(text), kAppTitle, VoiceIcon::Information};
}

class Voice {
public:
    virtual ~Voice() = default;
    // A message box with an OK button; returns when the player has read it.
    virtual void say(const Words& words) = 0;
    // A Yes/No question; true when the player answers Yes.
    virtual bool ask(const Words& words) = 0;
};

} // namespace tavo
