#include "ui/Forms.h"

#include "ui/BankWindows.h"
#include "ui/DesktopWindow.h"
#include "ui/TAboutForm.h"
#include "ui/TAdminViewForm.h"
#include "ui/TBarSetupForm.h"
#include "ui/TDisasFireForm.h"
#include "ui/TDrinkForm.h"
#include "ui/TFinanceForm.h"
#include "ui/TGameForm.h"
#include "ui/THireStaffForm.h"
#include "ui/TInfoForm.h"
#include "ui/TInternetCenterForm.h"
#include "ui/TLotoSixForm.h"
#include "ui/TMainForm.h"
#include "ui/TMapForm.h"
#include "ui/TNewCarForm.h"
#include "ui/TPassForm.h"
#include "ui/TPopupForm.h"
#include "ui/TPromoteForm.h"
#include "ui/TRacingMonForm.h"
#include "ui/TSetupForm.h"
#include "ui/TSpinCashForm.h"
#include "ui/TViewStaffForm.h"

namespace tavo::ui {

template <class T, class Make>
void FormSet::later(FormRef<T>& ref, std::unique_ptr<T>& owner, Make make) {
    ref.makeWith([this, &ref, &owner, make] {
        owner = make();
        ref.set(owner.get());
        settle(owner.get());
    });
}

void FormSet::settle(QWidget* window) {
    // Each window's place is kept under its class's name.
    window->setObjectName(
        QString::fromLatin1(window->metaObject()->className()).section(QLatin1Char(':'), -1));
    const bool ownWindow =
        window == mainForm_.get() || window == popupForm_.get() || window == gameForm_.get();
    makeDesktopWindow(window, ownWindow ? nullptr : static_cast<QWidget*>(forms_.gameForm));
}

FormSet::FormSet(Dialogs& dialogs, const TimeSource& clock) {
    mainForm_ = std::make_unique<TMainForm>(forms_, dialogs, clock);
    forms_.mainForm.set(mainForm_.get());
    Game& game = mainForm_->game();
    later(forms_.aboutForm, aboutForm_, [&] { return std::make_unique<TAboutForm>(dialogs); });
    later(forms_.barSetupForm, barSetupForm_,
          [&] { return std::make_unique<TBarSetupForm>(game, dialogs, forms_); });
    later(forms_.fireForm, fireForm_,
          [&] { return std::make_unique<TDisasFireForm>(game, dialogs, clock); });
    later(forms_.drinkForm, drinkForm_,
          [&] { return std::make_unique<TDrinkForm>(game, dialogs, forms_); });
    later(forms_.gameForm, gameForm_,
          [&] { return std::make_unique<TGameForm>(game, dialogs, forms_); });
    later(forms_.infoForm, infoForm_, [&] { return std::make_unique<TInfoForm>(game, dialogs); });
    later(forms_.lotoSixForm, lotoSixForm_,
          [&] { return std::make_unique<TLotoSixForm>(game, dialogs, forms_); });
    later(forms_.spinCashForm, spinCashForm_,
          [&] { return std::make_unique<TSpinCashForm>(game, dialogs, clock); });
    later(forms_.racingMonForm, racingMonForm_,
          [&] { return std::make_unique<TRacingMonForm>(game, dialogs); });
    later(forms_.mapForm, mapForm_,
          [&] { return std::make_unique<TMapForm>(game, dialogs, forms_); });
    later(forms_.newCarForm, newCarForm_,
          [&] { return std::make_unique<TNewCarForm>(game, dialogs, forms_); });
    later(forms_.passForm, passForm_, [&] { return std::make_unique<TPassForm>(forms_); });
    later(forms_.popupForm, popupForm_,
          [&] { return std::make_unique<TPopupForm>(game, dialogs); });
    later(forms_.setupForm, setupForm_,
          [&] { return std::make_unique<TSetupForm>(game, dialogs); });
    later(forms_.hireStaffForm, hireStaffForm_,
          [&] { return std::make_unique<THireStaffForm>(game, dialogs); });
    later(forms_.viewStaffForm, viewStaffForm_,
          [&] { return std::make_unique<TViewStaffForm>(game, dialogs, forms_); });
    later(forms_.adminViewForm, adminViewForm_,
          [&] { return std::make_unique<TAdminViewForm>(game, dialogs, forms_); });
    later(forms_.promoteForm, promoteForm_,
          [&] { return std::make_unique<TPromoteForm>(game, dialogs); });
    later(forms_.financeForm, financeForm_, [&] { return std::make_unique<TFinanceForm>(game); });
    later(forms_.internetCenterForm, internetCenterForm_,
          [&] { return std::make_unique<TInternetCenterForm>(dialogs); });
    // The bank windows are wired to each other: the first reached makes all.
    const auto makeBanks = [this, &game, &dialogs] {
        bankWindows_ = std::make_unique<BankWindowSet>(game, dialogs, forms_);
        for (QWidget* bank : bankWindows_->windows())
            settle(bank);
    };
    forms_.banksForm.makeWith(makeBanks);
    forms_.investBankForm.makeWith(makeBanks);
    forms_.germBankForm.makeWith(makeBanks);
    forms_.chinaCashForm.makeWith(makeBanks);
    forms_.loanInvSetup.makeWith(makeBanks);
    forms_.loanChina1Set.makeWith(makeBanks);
    forms_.loanInvRef.makeWith(makeBanks);
    forms_.loanChinRef1.makeWith(makeBanks);
    forms_.investInvBankForm.makeWith(makeBanks);
    forms_.investGermForm.makeWith(makeBanks);
    forms_.germInsuForm.makeWith(makeBanks);
    settle(mainForm_.get());
}

std::vector<QWidget*> FormSet::windows() const {
    std::vector<QWidget*> made;
    for (QWidget* window :
         std::initializer_list<QWidget*>{financeForm_.get(),   internetCenterForm_.get(),
                                         racingMonForm_.get(), spinCashForm_.get(),
                                         adminViewForm_.get(), viewStaffForm_.get(),
                                         hireStaffForm_.get(), lotoSixForm_.get(),
                                         promoteForm_.get(),   setupForm_.get(),
                                         popupForm_.get(),     passForm_.get(),
                                         newCarForm_.get(),    mapForm_.get(),
                                         infoForm_.get(),      gameForm_.get(),
                                         drinkForm_.get(),     fireForm_.get(),
                                         barSetupForm_.get(),  aboutForm_.get(),
                                         mainForm_.get()})
        if (window != nullptr) made.push_back(window);
    return made;
}

FormSet::~FormSet() {
    // Every window is hidden while all still exist: hiding one may reach
    // another (the drinks window gives the game window its clock back).
    if (adminViewForm_) adminViewForm_->dismiss(); // without bringing the staff list back
    if (bankWindows_) bankWindows_->hideAll();
    for (QWidget* window : windows())
        window->hide();
    forms_ = Forms{};
    internetCenterForm_.reset();
    bankWindows_.reset();
    financeForm_.reset();
    adminViewForm_.reset();
    viewStaffForm_.reset();
    hireStaffForm_.reset();
    spinCashForm_.reset();
    lotoSixForm_.reset();
    racingMonForm_.reset();
    promoteForm_.reset();
    setupForm_.reset();
    popupForm_.reset();
    passForm_.reset();
    newCarForm_.reset();
    mapForm_.reset();
    infoForm_.reset();
    gameForm_.reset();
    drinkForm_.reset();
    fireForm_.reset();
    barSetupForm_.reset();
    aboutForm_.reset();
    mainForm_.reset();
}

} // namespace tavo::ui
