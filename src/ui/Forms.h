// The game's windows, each created at its first use and kept for the whole
// run; each window reaches the others through here.
#pragma once

#include <functional>
#include <memory>
#include <utility>
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

// A window of the game, made when first reached: it reads as a pointer to
// the window, never null.
template <class T>
class FormRef {
public:
    T* get() const {
        if (window_ == nullptr) make_();
        return window_;
    }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    operator T*() const { return get(); }
    // Whether the window exists yet (without making it).
    bool made() const { return window_ != nullptr; }

    // For the set that owns the windows: how the window is made, and the
    // window once made.
    void makeWith(std::function<void()> make) { make_ = std::move(make); }
    void set(T* window) { window_ = window; }

private:
    std::function<void()> make_;
    T* window_ = nullptr;
};

struct Forms {
    FormRef<TMainForm> mainForm;
    FormRef<TBarSetupForm> barSetupForm;
    FormRef<TDisasFireForm> fireForm;
    FormRef<TDrinkForm> drinkForm;
    FormRef<TGameForm> gameForm;
    FormRef<TInfoForm> infoForm;
    FormRef<TMapForm> mapForm;
    FormRef<TNewCarForm> newCarForm;
    FormRef<TPassForm> passForm;
    FormRef<TPopupForm> popupForm;
    FormRef<TSetupForm> setupForm;
    FormRef<TPromoteForm> promoteForm;
    FormRef<TFinanceForm> financeForm;
    // The banks (made together by BankWindowSet).
    FormRef<TBanksForm> banksForm;
    FormRef<TInvestBankForm> investBankForm;
    FormRef<TGermBankForm> germBankForm;
    FormRef<TChinaCashForm> chinaCashForm;
    FormRef<TLoanInvSetup> loanInvSetup;
    FormRef<TLoanChina1Set> loanChina1Set;
    FormRef<TLoanInvRef> loanInvRef;
    FormRef<TLoanChinRef1> loanChinRef1;
    FormRef<TInvestInvBankForm> investInvBankForm;
    FormRef<TInvestGermForm> investGermForm;
    FormRef<TGermInsuForm> germInsuForm;
    FormRef<TLotoSixForm> lotoSixForm;
    FormRef<TRacingMonForm> racingMonForm;
    FormRef<THireStaffForm> hireStaffForm;
    FormRef<TViewStaffForm> viewStaffForm;
    FormRef<TAdminViewForm> adminViewForm;
    FormRef<TSpinCashForm> spinCashForm;
    FormRef<TAboutForm> aboutForm;
    FormRef<TInternetCenterForm> internetCenterForm;
};

// Owns the windows. The main menu is created first (it reads config.kpl and
// loads the two lists) and owns the game; each other window is created
// when first reached (the bank windows together), and all are destroyed
// before it.
class FormSet {
public:
    FormSet(Dialogs& dialogs, const TimeSource& clock);
    ~FormSet();
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    Forms& forms() { return forms_; }
    // Every window made so far, the main menu last.
    std::vector<QWidget*> windows() const;

private:
    // Enters a window in `forms_` to be made by `make` when first reached.
    template <class T, class Make>
    void later(FormRef<T>& ref, std::unique_ptr<T>& owner, Make make);
    // Names a new window and makes it a desktop window.
    void settle(QWidget* window);

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
