// The town map, "Choose a bar to buy": the bars of the list with their
// figures and owner, leading to the bar setup window.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavo::ui {

class Dialogs;
class TownPicture;
struct Forms;

class TMapForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TMapForm(Session& session, Dialogs& dialogs, Forms& forms);
    void gameReplaced() override;

    // The two ways in: a new game (Cancel returns to the main menu) and
    // the game window's "Buy a bar" (Cancel1 only closes the map).
    void showForNewGame();
    void showInGame();

    void FormShow();
    void BarListBoxClick();
    // A click on a bar's pin or name picks its line.
    void TownPicClick(int bar);
    void BuyButClick();
    void SellButClick();
    void BankButClick();
    void CancelClick();
    void Cancel1Click();
    void FormClose();

    TownPicture* TownPic;
    QListWidget* BarListBox;
    QLineEdit* Price;
    QLineEdit* PeoplePerDay;
    QLineEdit* BarMax;
    QLineEdit* CostMonth;
    QLineEdit* BarOwner;
    QPushButton* BuyBut;
    QPushButton* SellBut;
    QPushButton* BankBut;
    QPushButton* Cancel;
    QPushButton* Cancel1;

    int selectedBar = -1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void reject() override;

private:
    void showCancel();
    bool newGame_ = true;
    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
    Forms& forms_;
};

} // namespace tavo::ui
