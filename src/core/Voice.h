// How a player action speaks to the player: a message box with an OK
// button, or a Yes/No question. The words, titles and icons of every
// refusal, question and confirmation live beside the rule that says them;
// the windows show them with dialogs, the tests record them and tavo-sim
// prints them.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks an English text of the game for its translators. The engine speaks
// English; the windows look each marked text up in the player's language.
#define N_(text) text

namespace tavo {

// The title of a plain message, the application's own.
inline constexpr const char* kAppTitle = "Tavo 0.4";

enum class VoiceIcon { None, Stop, Question, Information };

// Puts each text in the numbered place (%1 to %9) that names it. Only
// places that have a text are filled; every other character stays.
std::string fillPlaces(std::string_view pattern, const std::vector<std::string>& texts);

// An English text with numbered places (%1, %2, ...) and what fills them.
// A translation may move the places. What fills a place is itself a phrase:
// a figure, a name or a path is kept as it is (`asIs`), and a phrase of the
// game ("The car # %1") is translated in its turn.
struct Phrase {
    std::string pattern;
    std::vector<Phrase> args;
    bool exact = false; // shown as it is, never translated

    Phrase() = default;
    Phrase(const char* text) : pattern(text) {}
    Phrase(std::string text) : pattern(std::move(text)) {}
    Phrase(std::string text, std::vector<Phrase> places)
        : pattern(std::move(text)), args(std::move(places)) {}

    // The English text: the pattern with its places filled.
    std::string text() const;
    bool empty() const { return pattern.empty() && args.empty(); }
    friend bool operator==(const Phrase& a, const Phrase& b) { return a.text() == b.text(); }
};

// A figure, a name or a path, shown as it is in every language.
inline Phrase asIs(std::string text) {
    Phrase phrase(std::move(text));
    phrase.exact = true;
    return phrase;
}

// Texts are UTF-8; a name taken from the record (one byte a character)
// is converted when it is put into words. `phrase` is what a translation
// starts from; its English text is what an English player reads.
struct Words {
    Phrase phrase;
    std::string title = kAppTitle;
    VoiceIcon icon = VoiceIcon::None;

    Words(Phrase words, std::string heading = kAppTitle, VoiceIcon mark = VoiceIcon::None)
        : phrase(std::move(words)), title(std::move(heading)), icon(mark) {}

    std::string text() const { return phrase.text(); }
    // A plain message: OK, the application's title, no icon.
    bool plain() const { return icon == VoiceIcon::None && title == kAppTitle; }
    bool operator==(const Words& other) const {
        return phrase == other.phrase && title == other.title && icon == other.icon;
    }
};

// A plain message.
inline Words plainMessage(Phrase text) {
    return {std::move(text), kAppTitle, VoiceIcon::None};
}

// A refusal or failure: OK and the stop icon under the given title.
inline Words refusal(Phrase text, std::string title) {
    return {std::move(text), std::move(title), VoiceIcon::Stop};
}

// A question: Yes/No and the question icon.
inline Words question(Phrase text, std::string title) {
    return {std::move(text), std::move(title), VoiceIcon::Question};
}

// An information message: OK, the application's title, the information icon.
inline Words information(Phrase text) {
    return {std::move(text), kAppTitle, VoiceIcon::Information};
}

class Voice {
public:
    virtual ~Voice() = default;
    // A message box with an OK button; returns when the player has read it.
    virtual void say(const Words& words) = 0;
    // A Yes/No question; true when the player answers Yes.
    virtual bool ask(const Words& words) = 0;
    // A number that does not convert: its message in an error box.
    virtual void sayError(const Phrase& text) { say(Words(text, kAppTitle, VoiceIcon::Stop)); }
};

} // namespace tavo
