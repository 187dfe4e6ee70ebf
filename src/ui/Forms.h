// The game's windows, each created at its first use and kept for the whole
// run; a window reaches another through here to show it.
#pragma once

#include "game/Session.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace tavo {
class ConfigStore;
class Session;
class TimeSource;
} // namespace tavo

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
    // The banks (made together).
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

// Owns the session and the windows, in one list: each window with the
// window it belongs to (the game window for the windows of a game, none for
// the main menu, the popup and the game window). The main menu is made
// first (it reads config.kpl and loads the two lists); each other window is
// made when first reached (the bank windows together), and all go before
// the session.
class FormSet {
public:
    FormSet(Dialogs& dialogs, const TimeSource& clock);
    ~FormSet();
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    Forms& forms() { return forms_; }
    Session& session() { return session_; }
    // Every window made so far, the main menu last.
    std::vector<QWidget*> windows() const;

private:
    // Enters a window in `forms_` to be made by `make` when first reached.
    template <class T, class Make>
    void later(FormRef<T>& ref, Make make);
    // Names a new window, makes it a desktop window and keeps it.
    void adopt(std::unique_ptr<QWidget> window);

    struct Kept {
        std::unique_ptr<QWidget> window;
        QWidget* owner; // the window it stays in front of, or none
    };
    Session session_;
    std::unique_ptr<ConfigStore> config_;
    Forms forms_;
    std::vector<Kept> kept_; // in the order made
};

} // namespace tavo::ui
