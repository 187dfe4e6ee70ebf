// tavo-sim --script: plays the commands of an action script, each one a
// whole visit to one window, through the session, as the windows give them.
// The printer is the voice and hears the message box: every text goes to
// one output.
#pragma once

#include "core/MessageSink.h"
#include "core/Voice.h"
#include "game/Script.h"
#include "game/Session.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tavo {

// Writes, one line a text: a posted text as it is, a message box as "> "
// and the text, a question as "? " and the text; a line break inside a
// text as the two characters \n; texts are UTF-8. Questions are answered from the queue,
// Yes when it is empty.
class ScriptPrinter final : public Voice, public MessageSink {
public:
    explicit ScriptPrinter(std::ostream& out) : out_(out) {}
    void post(const Phrase& text) override;
    void say(const Words& words) override;
    bool ask(const Words& words) override;
    // A conversion error's message, shown as a message box.
    void sayError(const Phrase& text) override;

    std::deque<bool> answers;
    // Hears each phrase as it is printed, with its title ("" for a posted
    // text): what a translation of the game must hold.
    std::function<void(const Phrase& text, const std::string& title)> heard;

private:
    void line(const char* lead, const std::string& text);
    std::ostream& out_;
};

class ScriptPlayer final : public SessionListener {
public:
    ScriptPlayer(Session& session, std::ostream& out);
    ~ScriptPlayer() override;
    ScriptPlayer(const ScriptPlayer&) = delete;
    ScriptPlayer& operator=(const ScriptPlayer&) = delete;

    // Plays the commands in order. Throws ScriptError at a click the window
    // does not offer, or when answer words are left over once a command has
    // run; what was printed before stands.
    void play(const std::vector<ScriptCommand>& commands);
    void play(const ScriptCommand& command);
    ScriptPrinter& printer() { return printer_; }

    void messagePosted(const Phrase& text) override { printer_.post(text); }

private:
    Session& session_;
    ScriptPrinter printer_;
};

} // namespace tavo
