// The running game: it owns the Game and its clock, runs every player
// action as a command, counts the days, keeps the month's finances and the
// autosaves, and tells whoever listens what happened. Windows and the
// script player give it commands; the journal it keeps plays the game again.
#pragma once

#include "core/ConfigRecord.h"
#include "core/MessageSink.h"
#include "core/SaveFile.h"
#include "core/TimeSource.h"
#include "core/Voice.h"
#include "game/Commands.h"
#include "game/Game.h"
#include "game/GameClock.h"
#include "game/GameDay.h"
#include "game/Journal.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavo {

// The most days one run may be asked for: tavo-sim's --days and a script's
// `days` alike.
inline constexpr long long kMostDays = 1'000'000'000'000;

// What happened, for the windows (which refresh themselves), the status
// bar, the screen reader and the script printer.
class SessionListener {
public:
    virtual ~SessionListener() = default;
    // A new game began or a game was loaded or left: every display anew.
    virtual void gameReplaced() {}
    virtual void dayEnded(const DayOutcome&) {}
    // A month ended: its finances are in the history.
    virtual void monthEnded() {}
    virtual void messagePosted(const Phrase&) {}
    // A command ran or a day passed: figures may have changed.
    virtual void figuresChanged() {}
    virtual void commandDone(const ScriptCommand&, const CommandResult&) {}
    virtual void clockChanged() {}
    // The game was written to `path` (its history and journal beside it).
    virtual void gameSaved(const std::string& /*path*/) {}
};

class Session final : public MessageSink {
public:
    // `clock` is read whenever the game reads the time (a new game, the
    // fire, the slot machine), once a command.
    explicit Session(const TimeSource& clock);
    // A session over a game kept elsewhere (tests, fuzz targets).
    Session(Game& game, const TimeSource& clock);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    const GameClock& clock() const { return clock_; }
    const Journal& journal() const { return journal_; }
    // Whether a game is on: begun or loaded, and not left for the main menu.
    bool inGame() const { return journal_.started(); }

    void listen(SessionListener* listener);
    void forget(SessionListener* listener);

    // Runs one command: its check, then its action, which speaks through
    // `voice` (the window that gave it, or the script's printer). A command
    // that ran is written into the journal; one the check refused changes
    // nothing and says why in the result.
    CommandResult run(const ScriptCommand& command, Voice& voice);
    // The same for one line of the script's language; throws ScriptError
    // when the line is not a command.
    CommandResult run(std::string_view line, Voice& voice);

    // One tick of the game clock: a day. When a fire strikes, the caller
    // shows the fire window (the command `fire`) or not. A number that does
    // not convert stops the day and is said through `voice`.
    DayOutcome day(Voice& voice);
    // The day's work and the month's bookkeeping, the fire left aside.
    DayOutcome runDay(Voice& voice);
    // N days as tavo-sim's --days runs them, a fire burning at once; N is
    // at most kMostDays.
    void days(long long count);

    // The saved game at `path`, with its history and a new journal; the
    // game stays as it was when the file is refused.
    LoadResult load(const std::string& path);
    // The game, its history and its journal, each written whole. False
    // when the game itself could not be written (`reason` says why).
    bool save(const std::string& path, std::string* reason = nullptr);
    // Back to the main menu: no game, the clock stopped, an empty record.
    void leaveGame();

    // The game window's clock.
    void startClock();
    void chooseSpeed(GameClock::Speed speed);
    void togglePause();
    void drinksOpened();
    void drinksClosed();
    void lottoOpened();
    void lottoClosed();
    void setClockInterval(int milliseconds);

    // Where the game saves itself at each month's end, asked then (made
    // when missing); none, no autosave.
    void autosaveInto(std::function<std::optional<std::string>()> folder) {
        autosaveFolder_ = std::move(folder);
    }
    // Where a command that changes the configuration keeps it: nowhere
    // (tavo-sim) until the game gives its config.kpl.
    void keepConfigIn(ConfigStore* store) { store_ = store ? store : &unwritten_; }
    ConfigStore& configStore() { return *store_; }
    // Hears what tavo-sim reports on standard error (fires in `days`,
    // days stopped by a number).
    void onNote(std::function<void(const std::string&)> note) { note_ = std::move(note); }

    // For the commands themselves.
    void post(const Phrase& text) override;
    std::int64_t readClock();
    void setTime(std::int64_t seconds);
    void beginJournal(const std::string& opening);
    void note(const std::string& text) const;
    void leaveGambling();

private:
    class UnwrittenConfig final : public ConfigStore {
    public:
        bool write(const ConfigRecord&) override { return true; }
    };
    // One day; a number that does not convert is handed to `stopped`.
    template <typename Stopped>
    DayOutcome oneDay(Stopped&& stopped);
    void monthChanged(std::int32_t monthBefore);
    void clockMoved();
    template <typename Event>
    void tell(Event&& event);

    std::unique_ptr<Game> owned_;
    Game& game_;
    GameClock clock_;
    Journal journal_;
    const TimeSource& realClock_;
    std::optional<std::int64_t> fixedTime_; // a journal's or script's `time`
    std::optional<std::int64_t> reading_;   // this command's reading
    std::function<std::optional<std::string>()> autosaveFolder_;
    std::function<void(const std::string&)> note_;
    std::vector<SessionListener*> listeners_;
    UnwrittenConfig unwritten_;
    ConfigStore* store_ = &unwritten_;
    int depth_ = 0; // commands run inside a command
};

// A listener's hearing, for as long as it lives.
class Listening {
public:
    Listening(Session& session, SessionListener* listener)
        : session_(session), listener_(listener) {
        session_.listen(listener_);
    }
    ~Listening() { session_.forget(listener_); }
    Listening(const Listening&) = delete;
    Listening& operator=(const Listening&) = delete;

private:
    Session& session_;
    SessionListener* listener_;
};

} // namespace tavo
