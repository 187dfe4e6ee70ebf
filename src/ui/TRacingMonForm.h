// The race window, "Racing Money - The fastest way to win money": a bet on
// one of four cars, the race on its track with a live commentary. It is
// modeless; a race goes on to its end, and is paid, while it is hidden.
#pragma once

#include "game/Game.h"
#include "leisure/Race.h"
#include "ui/DialogsVoice.h"
#include "ui/GameTimer.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavo::ui {

class Dialogs;

class TRacingMonForm final : public QDialog {
    Q_OBJECT
public:
    TRacingMonForm(Game& game, Dialogs& dialogs);

    void FormShow();
    void StartRaceClick();
    void CloseButClick();
    void RaceTimerTimer();
    // The game is left: a running race stops unpaid and the window closes.
    void leaveGame();

    QGroupBox* BetBox;
    QRadioButton* Car1Bet;
    QRadioButton* Car2Bet;
    QRadioButton* Car3Bet;
    QRadioButton* Car4Bet;
    QLineEdit* BetCash;
    QLabel* Comments;
    QLabel* CarCrashInfo;
    QLineEdit* WinnerBox;
    QLineEdit* RaceLeaderBox;
    QPushButton* StartRace;
    QPushButton* CloseBut;
    std::array<QLabel*, kRaceCars> Cars; // the blue, purple, yellow and green cars
    QLabel* CarCrash;
    GameTimer* RaceTimer;

    std::array<QRadioButton*, kRaceCars> betChoices() const {
        return {Car1Bet, Car2Bet, Car3Bet, Car4Bet};
    }

    Race race; // the race shown, kept for the whole run

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Every control set from the race as it stands.
    void showRace();

    Game& game_;
    DialogsVoice voice_;
    bool stepping_ = false; // a step runs, its win message perhaps open
};

} // namespace tavo::ui
