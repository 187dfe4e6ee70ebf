// The Lotto window, "Lotto 6/49": the jackpot, and the player's tickets of
// six numbers typed or picked at random. It is modal; the game window
// stops its clock while it is open.
#pragma once

#include "game/Game.h"
#include "ui/DialogsVoice.h"
#include "ui/GameTimer.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavo::ui {

class Dialogs;
struct Forms;

class TLotoSixForm final : public QDialog {
    Q_OBJECT
public:
    TLotoSixForm(Game& game, Dialogs& dialogs, Forms& forms);

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

    Game& game_;
    Forms& forms_;
    DialogsVoice voice_;
};

} // namespace tavo::ui
