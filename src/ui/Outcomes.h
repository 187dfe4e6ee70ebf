// What the player's acts came to, in a short line of the game's voice: the
// game window's status bar shows it and the screen reader is told it. A bar
// opened or closed, drinks ordered with the money left, an administrator
// hired or gone, a Lotto ticket with its numbers, a spin's reels and what it
// paid, the race's commentary and its winner, insurance signed, a save
// written, a speed chosen, and every message the game posts as it arrives. What a message box
// already says is not said again.
#pragma once

#include "game/GameClock.h"
#include "game/Session.h"

#include <QLabel>
#include <QObject>

#include <array>
#include <vector>

class QStatusBar;

namespace tavo::ui {

// The status bar's line: assistive tools hear it as a notification each
// time it changes.
class Notice final : public QLabel {
    Q_OBJECT
public:
    explicit Notice(QWidget* parent = nullptr);
    void say(const QString& text);

signals:
    // A line was said: shown, and told to assistive tools.
    void said(const QString& text);
};

class Outcomes final : public QObject, public SessionListener {
    Q_OBJECT
public:
    Outcomes(Session& session, QStatusBar* bar, QObject* parent);

    void gameReplaced() override;
    void messagePosted(const Phrase& text) override;
    void commandDone(const ScriptCommand& command, const CommandResult& result) override;
    void gameSaved(const std::string& path) override;
    // The player chose a speed (a menu, the toolbar or a key).
    void speedChosen();

    Notice* notice() const { return notice_; }

private:
    void remember();
    void raceMoved();

    Session& session_;
    Notice* notice_;
    std::vector<std::int32_t> staff_;   // the administrators' ids, in the record's order
    std::array<Phrase, 3> raceShown_{}; // the commentary, the crash line and the winner said last
    Listening listening_{session_, this};
};

} // namespace tavo::ui
