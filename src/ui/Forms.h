// The game's windows, created once at start-up in the game's order and
// kept for the whole run; each window reaches the others through here.
#pragma once

#include <memory>
#include <vector>

class QWidget;

namespace tavo {
class TimeSource;
}

namespace tavo::ui {

class Dialogs;
class TMainForm;
class TBarSetupForm;
class TDisasFireForm;
class TDrinkForm;
class TFinanceForm;
class TGameForm;
class TInfoForm;
class TMapForm;
class TNewCarForm;
class TPassForm;
class TPopupForm;
class TSetupForm;
class TPromoteForm;
class BankWindowSet;
class TBanksForm;
class TInvestBankForm;
class TGermBankForm;
class TChinaCashForm;
class TLoanInvSetup;
class TLoanChina1Set;
class TLoanInvRef;
class TLoanChinRef1;
class TInvestInvBankForm;
class TInvestGermForm;
class TGermInsuForm;
class TLotoSixForm;
class TRacingMonForm;
class THireStaffForm;
class TViewStaffForm;
class TAdminViewForm;
class TSpinCashForm;
class TAboutForm;
class TInternetCenterForm;

struct Forms {
    TMainForm* mainForm = nullptr;
    TBarSetupForm* barSetupForm = nullptr;
    TDisasFireForm* fireForm = nullptr;
    TDrinkForm* drinkForm = nullptr;
    TGameForm* gameForm = nullptr;
    TInfoForm* infoForm = nullptr;
    TMapForm* mapForm = nullptr;
    TNewCarForm* newCarForm = nullptr;
    TPassForm* passForm = nullptr;
    TPopupForm* popupForm = nullptr;
    TSetupForm* setupForm = nullptr;
    TPromoteForm* promoteForm = nullptr;
    TFinanceForm* financeForm = nullptr;
    // The banks (made together by BankWindowSet).
    TBanksForm* banksForm = nullptr;
    TInvestBankForm* investBankForm = nullptr;
    TGermBankForm* germBankForm = nullptr;
    TChinaCashForm* chinaCashForm = nullptr;
    TLoanInvSetup* loanInvSetup = nullptr;
    TLoanChina1Set* loanChina1Set = nullptr;
    TLoanInvRef* loanInvRef = nullptr;
    TLoanChinRef1* loanChinRef1 = nullptr;
    TInvestInvBankForm* investInvBankForm = nullptr;
    TInvestGermForm* investGermForm = nullptr;
    TGermInsuForm* germInsuForm = nullptr;
    TLotoSixForm* lotoSixForm = nullptr;
    TRacingMonForm* racingMonForm = nullptr;
    THireStaffForm* hireStaffForm = nullptr;
    TViewStaffForm* viewStaffForm = nullptr;
    TAdminViewForm* adminViewForm = nullptr;
    TSpinCashForm* spinCashForm = nullptr;
    TAboutForm* aboutForm = nullptr;
    TInternetCenterForm* internetCenterForm = nullptr;
};

// Owns the windows. The main menu is created first (it reads config.kpl and
// loads the two lists) and owns the game; the others follow in order and
// are destroyed before it.
class FormSet {
public:
    FormSet(Dialogs& dialogs, const TimeSource& clock);
    ~FormSet();
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    Forms& forms() { return forms_; }
    // Every window, the last created first.
    std::vector<QWidget*> windows() const;

private:
    Forms forms_;
    std::unique_ptr<TMainForm> mainForm_;
    std::unique_ptr<TAboutForm> aboutForm_;
    std::unique_ptr<TBarSetupForm> barSetupForm_;
    std::unique_ptr<TDisasFireForm> fireForm_;
    std::unique_ptr<TDrinkForm> drinkForm_;
    std::unique_ptr<TGameForm> gameForm_;
    std::unique_ptr<TInfoForm> infoForm_;
    std::unique_ptr<TMapForm> mapForm_;
    std::unique_ptr<TNewCarForm> newCarForm_;
    std::unique_ptr<TPassForm> passForm_;
    std::unique_ptr<TPopupForm> popupForm_;
    std::unique_ptr<TSetupForm> setupForm_;
    std::unique_ptr<TPromoteForm> promoteForm_;
    std::unique_ptr<TFinanceForm> financeForm_;
    std::unique_ptr<BankWindowSet> bankWindows_;
    std::unique_ptr<TLotoSixForm> lotoSixForm_;
    std::unique_ptr<TRacingMonForm> racingMonForm_;
    std::unique_ptr<THireStaffForm> hireStaffForm_;
    std::unique_ptr<TViewStaffForm> viewStaffForm_;
    std::unique_ptr<TAdminViewForm> adminViewForm_;
    std::unique_ptr<TSpinCashForm> spinCashForm_;
    std::unique_ptr<TInternetCenterForm> internetCenterForm_;
};

} // namespace tavo::ui
