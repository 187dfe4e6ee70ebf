#include "game/Session.h"

#include "banks/Fire.h"
#include "core/Autosave.h"
#include "core/FileIo.h"
#include "core/FinanceHistory.h"
#include "core/Sha256.h"
#include "leisure/Race.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace tavo {
namespace {

// Hears the answers the player gives, for the journal.
class AnswerRecorder final : public Voice {
public:
    explicit AnswerRecorder(Voice& voice) : voice_(voice) {}
    void say(const Words& words) override { voice_.say(words); }
    bool ask(const Words& words) override {
        const bool yes = voice_.ask(words);
        answers.push_back(yes);
        return yes;
    }
    void sayError(const Phrase& text) override { voice_.sayError(text); }
    std::vector<bool> answers;

private:
    Voice& voice_;
};

int leaderCar(const RaceCommentary& talk) {
    for (int car = 1; car <= kRaceCars; ++car)
        if (talk.previousLeader == raceCarName(car)) return car;
    return 0;
}

} // namespace

Session::Session(const TimeSource& clock)
    : owned_(std::make_unique<Game>()), game_(*owned_), realClock_(clock) {}

Session::Session(Game& game, const TimeSource& clock) : game_(game), realClock_(clock) {}

void Session::listen(SessionListener* listener) {
    listeners_.push_back(listener);
}

void Session::forget(SessionListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

template <typename Event>
void Session::tell(Event&& event) {
    // A listener may stop listening while it hears.
    const std::vector<SessionListener*> listening = listeners_;
    for (SessionListener* listener : listening)
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
            event(*listener);
}

void Session::post(const Phrase& text) {
    tell([&](SessionListener& l) { l.messagePosted(text); });
}

std::int64_t Session::readClock() {
    // A command reads the time once: every reading within it sees the same second.
    if (!reading_) reading_ = fixedTime_ ? *fixedTime_ : realClock_.nowSeconds();
    journal_.readClock(*reading_);
    return *reading_;
}

void Session::setTime(std::int64_t seconds) {
    fixedTime_ = seconds;
    reading_.reset();
    journal_.readClock(seconds);
}

void Session::note(const std::string& text) const {
    if (note_) note_(text);
}

void Session::beginJournal(const std::string& opening) {
    journal_.begin(opening);
    const Game& g = game_;
    journal_.add("seed " + std::to_string(g.random.seed()));
    journal_.add(
        commandLine(command("decimal", {word(std::string(1, g.numberFormat.decimalSeparator))})));
    journal_.add("lists " + listsSha(g));
    const auto& reels = g.spinCash.reels;
    journal_.add("reels " + std::to_string(reels[0]) + " " + std::to_string(reels[1]) + " " +
                 std::to_string(reels[2]));
    const RaceCommentary& talk = g.raceCommentary;
    journal_.add("commentary " + std::to_string(leaderCar(talk)) + " " +
                 std::to_string(talk.sameLeaderSteps) + " " + std::to_string(talk.leadComments));
}

CommandResult Session::run(const ScriptCommand& command, Voice& voice) {
    const bool outermost = depth_ == 0;
    if (outermost) reading_.reset();
    if (outermost && beginsJournal(command)) beginJournal("journal new");
    AnswerRecorder recorder(voice);
    CommandResult result;
    ++depth_;
    try {
        result = runCommand(*this, command, recorder);
    } catch (const CommandRefused& refused) {
        --depth_;
        result.refusal = refused.what();
        tell([&](SessionListener& l) { l.commandDone(command, result); });
        return result;
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
    if (outermost && !journalsItself(command)) {
        ScriptCommand journaled = command;
        journaled.answers = recorder.answers;
        journal_.add(journaled);
    }
    if (outermost && beginsJournal(command)) tell([&](SessionListener& l) { l.gameReplaced(); });
    tell([&](SessionListener& l) { l.figuresChanged(); });
    tell([&](SessionListener& l) { l.commandDone(command, result); });
    return result;
}

CommandResult Session::run(std::string_view line, Voice& voice) {
    std::vector<ScriptWord> words;
    try {
        words = splitWords(line);
    } catch (const ScriptError& error) {
        throw ScriptError(0, error.what());
    }
    if (words.empty()) throw ScriptError(0, "an empty line is no command");
    return run(readCommand(0, words), voice);
}

template <typename Stopped>
DayOutcome Session::oneDay(Stopped&& stopped) {
    const std::int32_t month = game_.state.month;
    DayOutcome outcome;
    try {
        outcome = runGameDay(game_, *this);
    } catch (const ConversionError& error) {
        // A day stopped by a bad number has changed the month all the same.
        monthChanged(month);
        stopped(error);
        return outcome;
    }
    monthChanged(month);
    tell([&](SessionListener& l) { l.dayEnded(outcome); });
    return outcome;
}

DayOutcome Session::runDay(Voice& voice) {
    return oneDay([&](const ConversionError& error) { voice.sayError(error.phrase); });
}

DayOutcome Session::day(Voice& voice) {
    reading_.reset();
    const DayOutcome outcome = runDay(voice);
    if (outcome.fireStrikes)
        journal_.add("day"); // the fire window, shown or not, follows
    else
        journal_.addDay();
    tell([&](SessionListener& l) { l.figuresChanged(); });
    return outcome;
}

void Session::days(long long count) {
    for (long long day = 1; day <= count; ++day) {
        const DayOutcome outcome = oneDay([&](const ConversionError& error) {
            note("day " + std::to_string(day) + " stopped: " + error.what());
        });
        if (!outcome.fireStrikes) continue;
        if (auto fire = applyFire(game_.state, game_.random, readClock()))
            note("day " + std::to_string(day) + ": fire in bar " + std::to_string(fire->bar) +
                 (fire->insured ? " (insured)" : " (not insured)") + ", damage " +
                 std::to_string(fire->damage));
    }
}

void Session::monthChanged(std::int32_t monthBefore) {
    if (game_.state.month == monthBefore) return;
    recordMonth(game_.history, game_.state);
    if (const std::optional<std::string> folder =
            autosaveFolder_ ? autosaveFolder_() : std::nullopt) {
        std::error_code made;
        std::filesystem::create_directories(*folder, made);
        if (made || !autosave(*folder, game_.state, game_.history, journal_.text()))
            post(autosaveFailure(*folder));
    }
    tell([&](SessionListener& l) { l.monthEnded(); });
}

void Session::leaveGambling() {
    abandonSpin(game_.spinCash);
    abandonRace(game_.race);
}

LoadResult Session::load(const std::string& path) {
    GameState scratch{};
    LoadResult result = loadGame(path, scratch);
    if (!result.ok()) return result;
    leaveGambling();
    game_.state = scratch;
    game_.history = loadHistory(path, game_.state);
    // A loaded save is exactly the record's bytes.
    beginJournal("journal load " + sha256Hex(&game_.state, sizeof game_.state));
    tell([&](SessionListener& l) { l.gameReplaced(); });
    return result;
}

bool Session::save(const std::string& path, std::string* reason) {
    if (!saveGame(path, game_.state, reason)) return false;
    // The save stands without its history or its journal.
    saveHistory(path, game_.history, game_.state);
    const std::string text = journal_.text();
    writeSidecarFile(path, journalPath(path), text.data(), text.size());
    tell([&](SessionListener& l) { l.gameSaved(path); });
    return true;
}

void Session::leaveGame() {
    leaveGambling();
    std::memset(&game_.state, 0, sizeof game_.state);
    game_.history = {};
    journal_.clear();
    clock_.stop();
    tell([&](SessionListener& l) { l.gameReplaced(); });
    clockMoved();
}

void Session::clockMoved() {
    tell([&](SessionListener& l) { l.clockChanged(); });
}

void Session::startClock() {
    clock_.start();
    clockMoved();
}

void Session::chooseSpeed(GameClock::Speed speed) {
    clock_.choose(speed);
    clockMoved();
}

void Session::togglePause() {
    clock_.togglePause();
    clockMoved();
}

void Session::drinksOpened() {
    clock_.drinksOpened(game_.config.PauseBeer != 0);
    clockMoved();
}

void Session::drinksClosed() {
    clock_.drinksClosed();
    clockMoved();
}

void Session::lottoOpened() {
    clock_.lottoOpened();
    clockMoved();
}

void Session::lottoClosed() {
    clock_.lottoClosed();
    clockMoved();
}

void Session::setClockInterval(int milliseconds) {
    clock_.setInterval(milliseconds);
    clockMoved();
}

} // namespace tavo
