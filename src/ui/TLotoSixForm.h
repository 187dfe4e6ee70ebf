// The Lotto window, "Lotto 6/49": the jackpot, and the player's tickets of
// six numbers typed or picked at random. It is modal; the game window
// stops its clock while it is open.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"
#include "ui/GameTimer.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavo::ui {

class Dialogs;

class TLotoSixForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TLotoSixForm(Session& session, Dialogs& dialogs);
    void gameReplaced() override;

    void FormShow();
    void FormClose();
    void BuyClick();
    void RadomClick();
    void TimerTimer();

    QLineEdit* JackPotBox;
    QLineEdit* Num1;
    QLineEdit* Num2;
    QLineEdit* Num3;
    QLineEdit* Num4;
    QLineEdit* Num5;
    QLineEdit* Num6;
    QLabel* CurTick;
    QPushButton* Radom;
    QPushButton* Buy;
    GameTimer* Timer;

    std::array<QLineEdit*, 6> numbers() const { return {Num1, Num2, Num3, Num4, Num5, Num6}; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void clearNumbers();

    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    DialogsVoice voice_;
};

} // namespace tavo::ui
