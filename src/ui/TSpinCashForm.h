// The slot machine's window, "Spin Cash": three reels of red digits on
// lime, the bet, the payout chart and the stats of this opening. It is
// modeless; a spin goes on to its end while the window is closed.
#pragma once

#include "game/Session.h"
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

class TSpinCashForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TSpinCashForm(Session& session, Dialogs& dialogs);
    void gameReplaced() override;

    void FormShow();
    void FormClose();
    void SpinClick();
    void TimerTimer();

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

    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    DialogsVoice voice_;
    SpinStats stats_; // since the window was opened
};

} // namespace tavo::ui
