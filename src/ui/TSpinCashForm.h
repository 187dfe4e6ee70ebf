// The slot machine's window, "Spin Cash": three reels of red digits on
// lime, the bet, the payout chart and the stats of this opening. It is
// modeless; a spin goes on to its end while the window is closed.
#pragma once

#include "game/Game.h"
#include "leisure/SpinCash.h"
#include "ui/DialogsVoice.h"
#include "ui/GameTimer.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace tavo {
class TimeSource;
}

namespace tavo::ui {

class Dialogs;

class TSpinCashForm final : public QDialog {
    Q_OBJECT
public:
    TSpinCashForm(Game& game, Dialogs& dialogs, const TimeSource& clock);

    void FormShow();
    void FormClose();
    void SpinClick();
    void TimerTimer();
    // The game is left: a running spin stops unpaid and the window closes.
    void leaveGame();

    QLineEdit* Num1;
    QLineEdit* Num2;
    QLineEdit* Num3;
    QLineEdit* Bet;
    QPushButton* Spin;
    QLineEdit* TotalWin;
    QLineEdit* TotalLost;
    GameTimer* Timer;

    std::array<QLineEdit*, 3> reels() const { return {Num1, Num2, Num3}; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Spin, the bet box and the timer as the machine stands.
    void mirrorMachine();
    void showStats();

    Game& game_;
    const TimeSource& clock_;
    DialogsVoice voice_;
    SpinStats stats_; // since the window was opened
};

} // namespace tavo::ui
