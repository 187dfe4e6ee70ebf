// The fire window: shown by the game day's fire or the debug centre, it
// picks the bar that burns and charges the damage as it appears.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QLabel;

namespace tavo {
class TimeSource;
}

namespace tavo::ui {

class Dialogs;

class TDisasFireForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TDisasFireForm(Session& session, Dialogs& dialogs);
    void gameReplaced() override;

    void FormShow();
    void FormClose();

    QLabel* Msg1; // "You wasn't insured"
    QLabel* Msg2; // "You was insured "
    QLabel* MoneyPay;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    DialogsVoice voice_;
};

} // namespace tavo::ui
