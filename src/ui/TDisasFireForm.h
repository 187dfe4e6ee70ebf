// The fire window: shown by the game day's fire or the debug centre, it
// picks the bar that burns and charges the damage as it appears.
#pragma once

#include "game/Game.h"

#include <QDialog>

class QLabel;

namespace tavo {
class TimeSource;
}

namespace tavo::ui {

class Dialogs;

class TDisasFireForm final : public QDialog {
    Q_OBJECT
public:
    TDisasFireForm(Game& game, Dialogs& dialogs, const TimeSource& clock);

    void FormShow();
    void FormClose();

    QLabel* Msg1; // "You wasn't insured"
    QLabel* Msg2; // "You was insured "
    QLabel* MoneyPay;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Game& game_;
    const TimeSource& clock_;
};

} // namespace tavo::ui
