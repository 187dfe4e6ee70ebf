// The drinks window, "Order drinks for your bars": a bar (or all bars), a
// drink, a quantity and a sale price, with running totals, then the order.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavo::ui {

class Dialogs;
struct Forms;

class TDrinkForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TDrinkForm(Session& session, Dialogs& dialogs, Forms& forms);
    void gameReplaced() override;

    void FormShow();
    void BarOwnListClick();
    void DrinksListBoxClick();
    void QtyBuyChange();
    void PriceSellBoxChange();
    void OrderClick();
    void FormClose();
    void HelpClick();
    void AddDrinksClick();

    QListWidget* BarOwnList;
    QLineEdit* Status;
    QLineEdit* AverageClients;
    QListWidget* DrinksListBox;
    QGroupBox* DrinksInfoBox;
    QLineEdit* RetailPrice;
    QLineEdit* Percentage;
    QLineEdit* Weight;
    QCheckBox* UsedBar;
    QLineEdit* QtyLeft;
    QLineEdit* QtyBuy;
    QLineEdit* PriceSellBox;
    QLineEdit* ProfitBox;
    QLineEdit* TotalPrice;
    QPushButton* Order;
    QPushButton* Help;
    QPushButton* AddDrinks;

    int orderBar = -1;      // the chosen bar, -1 for all bars
    int selectedDrink = -1; // the chosen drink, -1 for none

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The figures follow the bar, the drink, the quantity and the price.
    void refreshTotals();
    void showStockLeft();

    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
    Forms& forms_;
};

} // namespace tavo::ui
