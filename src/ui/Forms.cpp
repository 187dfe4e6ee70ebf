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

// The game's order of creation; windows of later versions take their place
// in it as they come.
FormSet::FormSet(Dialogs& dialogs, const TimeSource& clock) {
    mainForm_ = std::make_unique<TMainForm>(forms_, dialogs, clock);
    forms_.mainForm = mainForm_.get();
    Game& game = mainForm_->game();
    aboutForm_ = std::make_unique<TAboutForm>(dialogs);
    forms_.aboutForm = aboutForm_.get();
    barSetupForm_ = std::make_unique<TBarSetupForm>(game, dialogs, forms_);
    forms_.barSetupForm = barSetupForm_.get();
    fireForm_ = std::make_unique<TDisasFireForm>(game, dialogs, clock);
    forms_.fireForm = fireForm_.get();
    drinkForm_ = std::make_unique<TDrinkForm>(game, dialogs, forms_);
    forms_.drinkForm = drinkForm_.get();
    gameForm_ = std::make_unique<TGameForm>(game, dialogs, forms_);
    forms_.gameForm = gameForm_.get();
    infoForm_ = std::make_unique<TInfoForm>(game, dialogs);
    forms_.infoForm = infoForm_.get();
    lotoSixForm_ = std::make_unique<TLotoSixForm>(game, dialogs, forms_);
    forms_.lotoSixForm = lotoSixForm_.get();
    spinCashForm_ = std::make_unique<TSpinCashForm>(game, dialogs, clock);
    forms_.spinCashForm = spinCashForm_.get();
    racingMonForm_ = std::make_unique<TRacingMonForm>(game, dialogs);
    forms_.racingMonForm = racingMonForm_.get();
    mapForm_ = std::make_unique<TMapForm>(game, dialogs, forms_);
    forms_.mapForm = mapForm_.get();
    newCarForm_ = std::make_unique<TNewCarForm>(game, dialogs, forms_);
    forms_.newCarForm = newCarForm_.get();
    passForm_ = std::make_unique<TPassForm>(forms_);
    forms_.passForm = passForm_.get();
    popupForm_ = std::make_unique<TPopupForm>(game, dialogs);
    forms_.popupForm = popupForm_.get();
    setupForm_ = std::make_unique<TSetupForm>(game, dialogs);
    forms_.setupForm = setupForm_.get();
    hireStaffForm_ = std::make_unique<THireStaffForm>(game, dialogs);
    forms_.hireStaffForm = hireStaffForm_.get();
    viewStaffForm_ = std::make_unique<TViewStaffForm>(game, dialogs, forms_);
    forms_.viewStaffForm = viewStaffForm_.get();
    adminViewForm_ = std::make_unique<TAdminViewForm>(game, dialogs, forms_);
    forms_.adminViewForm = adminViewForm_.get();
    promoteForm_ = std::make_unique<TPromoteForm>(game, dialogs);
    forms_.promoteForm = promoteForm_.get();
    financeForm_ = std::make_unique<TFinanceForm>(game);
    forms_.financeForm = financeForm_.get();
    bankWindows_ = std::make_unique<BankWindowSet>(game, dialogs, forms_);
    internetCenterForm_ = std::make_unique<TInternetCenterForm>(dialogs);
    forms_.internetCenterForm = internetCenterForm_.get();
    std::vector<QWidget*> all = windows();
    for (QWidget* bank : bankWindows_->windows())
        all.push_back(bank);
    for (QWidget* window : all) {
        // Each window's place is kept under its class's name.
        window->setObjectName(
            QString::fromLatin1(window->metaObject()->className()).section(QLatin1Char(':'), -1));
        const bool ownWindow = window == mainForm_.get() || window == popupForm_.get() ||
                               window == gameForm_.get();
        makeDesktopWindow(window, ownWindow ? nullptr : gameForm_.get());
    }
}

std::vector<QWidget*> FormSet::windows() const {
    return {financeForm_.get(),   internetCenterForm_.get(),
            racingMonForm_.get(), spinCashForm_.get(),
            adminViewForm_.get(), viewStaffForm_.get(),
            hireStaffForm_.get(), lotoSixForm_.get(),
            promoteForm_.get(),   setupForm_.get(),
            popupForm_.get(),     passForm_.get(),
            newCarForm_.get(),    mapForm_.get(),
            infoForm_.get(),      gameForm_.get(),
            drinkForm_.get(),     fireForm_.get(),
            barSetupForm_.get(),  aboutForm_.get(),
            mainForm_.get()};
}

FormSet::~FormSet() {
    // Every window is hidden while all still exist: hiding one may reach
    // another (the drinks window gives the game window its clock back).
    adminViewForm_->dismiss(); // without bringing the staff list back
    bankWindows_->hideAll();
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
