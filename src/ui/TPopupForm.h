// The "What's new?" popup of start-up: it cannot be closed for its first ten
// seconds, and its check box decides whether it shows at the next start.
#pragma once

#include "game/Session.h"
#include "ui/GameTimer.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tavo::ui {

class Notice;

class Dialogs;

class TPopupForm final : public QDialog {
    Q_OBJECT
public:
    TPopupForm(Session& session, Dialogs& dialogs);

    void TimerTimer();
    void CloseButClick();

    GameTimer* Timer;
    QLabel* Sec;
    QLabel* SecondsLeftLabel;
    QPlainTextEdit* News;
    QCheckBox* ShowPop;
    QPushButton* CloseBut;
    int secondsLeft = 10; // counts down once per run

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void sayCountdown();
    Session& session_;
    Game& game_;
    Dialogs& dialogs_;
    Notice* notice_;
};

} // namespace tavo::ui
