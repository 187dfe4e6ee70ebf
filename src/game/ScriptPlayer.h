// tavo-sim --script: plays the commands of an action script, each one a
// whole visit to one window, through the same actions as the windows. The
// printer is the voice and the message box: every text goes to one output.
#pragma once

#include "core/MessageSink.h"
#include "core/StockPages.h"
#include "core/TimeSource.h"
#include "core/Voice.h"
#include "game/Game.h"
#include "game/Script.h"

#include <cstddef>
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
    void sayError(const Phrase& text);

    std::deque<bool> answers;
    // Hears each phrase as it is printed, with its title ("" for a posted
    // text): what a translation of the game must hold.
    std::function<void(const Phrase& text, const std::string& title)> heard;

private:
    void line(const char* lead, const std::string& text);
    std::ostream& out_;
};

class ScriptPlayer {
public:
    // `note` hears what tavo-sim reports on standard error (fires, stopped
    // days).
    ScriptPlayer(Game& game, const TimeSource& clock, std::ostream& out,
                 std::function<void(const std::string&)> note);

    // Plays the commands in order. Throws ScriptError at a click the window
    // does not offer, or when answer words are left over once a command has
    // run; what was printed before stands.
    void play(const std::vector<ScriptCommand>& commands);
    void play(const ScriptCommand& command);
    ScriptPrinter& printer() { return printer_; }

private:
    void run(const ScriptCommand& command);
    void days(const ScriptCommand& command);
    void buyBar(const ScriptCommand& command);
    void order(const ScriptCommand& command);
    void toggle(const ScriptCommand& command);
    void entryPrice(const ScriptCommand& command);
    void promote(const ScriptCommand& command);
    void member(const ScriptCommand& command);
    void borrow(const ScriptCommand& command);
    void refund(const ScriptCommand& command);
    void invest(const ScriptCommand& command);
    void withdraw(const ScriptCommand& command);
    void insure(const ScriptCommand& command);
    void leaveInsurance(const ScriptCommand& command);

    // The bank window shown and refreshed once: the bank, after checking
    // that its window offers the button and that the refresh left it enabled.
    int pressBankButton(const ScriptCommand& command, int bank, const char* caption);
    void hire(const ScriptCommand& command);
    void admin(const ScriptCommand& command);
    void fireAdmin(const ScriptCommand& command);
    void ticket(const ScriptCommand& command);
    void spin(const ScriptCommand& command);
    void race(const ScriptCommand& command);

    // The staff list shown, row INDEX picked and View pressed: the settings
    // window shows that administrator, whose index is returned.
    int showAdminSettings(const ScriptCommand& command);
    // The settings window left: the staff list it brings back is filled.
    void leaveAdminSettings();

    // The information window shown and bar BAR picked in its list.
    int showInfoAndPick(const ScriptCommand& command, const ScriptWord& bar);
    void refreshInfo();
    // A bar picked by number in a window's list of owned bars.
    int ownedBar(const ScriptCommand& command, const ScriptWord& bar) const;
    // Runs one handler: a conversion error ends it and is shown.
    template <typename Handler>
    void handler(Handler&& run);

    Game& game_;
    const TimeSource& clock_;
    ScriptPrinter printer_;
    std::function<void(const std::string&)> note_;
    StockPages infoPages_; // the information window's counter lives for the whole run
};

// A text typed into a box of at most maxLength characters, as the record
// keeps it: the script's UTF-8 cut as the box cuts it, one byte a
// character, '?' for a character one byte cannot hold.
std::string typedName(std::string_view utf8, std::size_t maxLength);

} // namespace tavo
