// The game window, "Tavo Alpha": its clock counts the game days; it shows
// the money, the date, the bars' stock and the message box, and leads to
// every other window of a game.
#pragma once

#include "core/StockPages.h"
#include "game/Session.h"
#include "ui/DialogsVoice.h"
#include "ui/GameTimer.h"

#include <QMainWindow>

#include <array>
#include <optional>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace tavo::ui {

class Dialogs;
struct Forms;
class Outcomes;

class TGameForm final : public QMainWindow, public SessionListener {
    Q_OBJECT
public:
    TGameForm(Session& session, Dialogs& dialogs, Forms& forms);

    // The message box (AddMessage).
    void messagePosted(const Phrase& text) override;
    void clockChanged() override;
    void gameReplaced() override;

    // Loading from the main menu: the clock and the displays start.
    void startClock();
    // A first bar was bought: the bar display starts again from the start.
    void resetBarDisplay();

    // Handlers.
    void MainTimerTimer();
    void CashTimerTimer();
    void BeerStockTimer();
    void PauseBarButClick();
    void NextBarButClick();
    // False when the game was not saved (cancelled or failed).
    bool Save1Click();
    void Load1Click();
    void Setup1Click();
    void Quit1Click();
    void New1Click();
    void Slow1Click();
    void Normal1Click();
    void Fast1Click();
    void Pause1Click();
    // Space: pauses a running clock, or runs it again at its last speed.
    void PauseKeyPress();
    void VisitWebClick();
    // The question "Are you connected?", then the Internet Center.
    void InternetCenter1Click();
    void About1Click();
    void ViewInfoClick();
    void BuyDrinksClick();
    void BuyBarClick();
    void PromoteClick();
    void FinancesClick();
    void InvestBank1Click();
    void GermanBank1Click();
    void ChinaCash1Click();
    void HireStaffClick();
    void ViewStaffClick();
    // Lotto: the window is modal and the clock stops until it closes.
    void LottoClick();
    void RacingMoneyClick();
    void SpinCashClick();
    void DebugOpenClick();
    void ClockSpeedButClick();
    void FireButClick();
    void MoneyAddClick();
    void Clearthismessage1Click();
    void Clearmessageboc1Click();
    // The question before the window closes; true when the program ends.
    bool FormCloseQuery();

    // Timers.
    GameTimer* MainTimer;
    GameTimer* CashTimer;
    GameTimer* BeerStock;

    // Controls.
    QListWidget* MsgBox;
    QLineEdit* MoneyLabel;
    QLabel* DebugOpen;
    QLineEdit* DayLabel;
    QLabel* MonthLabel;
    QLabel* YearLabel;
    QLabel* PauseLabel;
    QLineEdit* ClientsBox;
    QLineEdit* LotteryBox;
    QLabel* BarNameLabel;
    std::array<QLabel*, 4> DrinkName;
    std::array<QLineEdit*, 4> DrinkStock;
    QPushButton* PauseBarBut;
    QPushButton* NextBarBut;
    QPushButton* VisitWeb;
    QGroupBox* DebugMenu;
    QLineEdit* ClockSpeedBox;
    QPushButton* ClockSpeedBut;
    QLineEdit* Week;
    QPushButton* FireBut;
    QLineEdit* MoreMoney;
    QPushButton* MoneyAdd;

    // The speed items of the menu, the date box's pop-up menu and the
    // toolbar's drop-down, each in the order Slow, Normal, Fast, Pause.
    std::array<QAction*, 4> speedMenu;
    std::array<QAction*, 4> speedPopup;
    std::array<QAction*, 4> speedToolbar;
    QAction* NewGameItem; // File, New game: kept hidden
    QMenu* MessagePopup;
    QMenu* DatePopup;

    // The bar stock panel's state.
    int shownBar = 0;
    StockPages drinkPage; // which four slots show, and its counter (pageTicks)
    bool stayOnBar = false;
    int barTicks = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildMenus();
    QWidget* buildCentre();
    void showDate();
    std::vector<QAction*> gameKeys_; // the keys that act from every window of the game

    Session& session_;
    Game& game_;
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
    Forms& forms_;
    Outcomes* outcomes_ = nullptr;
    Listening listening_{session_, this};
};

} // namespace tavo::ui
