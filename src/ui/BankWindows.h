// The bank windows, made together and wired to each other: the directory,
// the three banks and the forms of their services.
#pragma once

#include "game/Game.h"

#include <memory>
#include <vector>

class QWidget;

namespace tavo::ui {

class BankForm;
class Dialogs;
struct Forms;
class TBanksForm;
class TChinaCashForm;
class TGermBankForm;
class TGermInsuForm;
class TInvestBankForm;
class TInvestGermForm;
class TInvestInvBankForm;
class TLoanChina1Set;
class TLoanChinRef1;
class TLoanInvRef;
class TLoanInvSetup;

class BankWindowSet {
public:
    // Creates the windows and enters them in `forms`.
    BankWindowSet(Game& game, Dialogs& dialogs, Forms& forms);
    ~BankWindowSet();
    BankWindowSet(const BankWindowSet&) = delete;
    BankWindowSet& operator=(const BankWindowSet&) = delete;

    // Every window of the set.
    std::vector<QWidget*> windows() const;
    void hideAll();

private:
    std::unique_ptr<TBanksForm> banks_;
    std::unique_ptr<TInvestBankForm> investBank_;
    std::unique_ptr<TGermBankForm> germBank_;
    std::unique_ptr<TChinaCashForm> chinaCash_;
    std::unique_ptr<TLoanInvSetup> loanInvSetup_;
    std::unique_ptr<TLoanChina1Set> loanChina1Set_;
    std::unique_ptr<TLoanInvRef> loanInvRef_;
    std::unique_ptr<TLoanChinRef1> loanChinRef1_;
    std::unique_ptr<TInvestInvBankForm> investInvBank_;
    std::unique_ptr<TInvestGermForm> investGerm_;
    std::unique_ptr<TGermInsuForm> germInsu_;
};

// The window of a bank that has one (Invest Bank, German Bank, China
// Cash), else nullptr.
BankForm* bankWindow(Forms& forms, int bank);

// A return to the main menu: the directory and every bank window close,
// their refresh timers stop, and the service forms are hidden.
// Closes the forms of a bank's services (loans, investments, insurance),
// which hold figures of the game they were opened in.
void closeBankServiceForms(Forms& forms);
void closeBankWindows(Forms& forms);

} // namespace tavo::ui
