// The race window, "Racing Money - The fastest way to win money": a bet on
// one of four cars, the race on its track with a live commentary. It is
// modeless; a race goes on to its end, and is paid, while it is hidden.
#pragma once

#include "game/Session.h"
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

class TRacingMonForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TRacingMonForm(Session& session, Dialogs& dialogs);
    void gameReplaced() override;

    void FormShow();
    void StartRaceClick();
    void CloseButClick();
    void RaceTimerTimer();

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

    const Race& race; // the game's race, shown

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Every control set from the race as it stands.
    void showRace();

    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    DialogsVoice voice_;
    bool stepping_ = false; // a step runs, its win message perhaps open
};

} // namespace tavo::ui
