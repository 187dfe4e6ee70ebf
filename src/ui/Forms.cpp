#include "ui/Forms.h"

#include "core/ConfigRecord.h"
#include "ui/BankWindows.h"
#include "ui/DesktopWindow.h"
#include "ui/GameSettings.h"
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

#include <QDir>

namespace tavo::ui {

template <class T, class Make>
void FormSet::later(FormRef<T>& ref, Make make) {
    ref.makeWith([this, &ref, make] {
        std::unique_ptr<T> window = make();
        ref.set(window.get());
        adopt(std::move(window));
    });
}

void FormSet::adopt(std::unique_ptr<QWidget> window) {
    // Each window's place is kept under its class's name.
    window->setObjectName(
        QString::fromLatin1(window->metaObject()->className()).section(QLatin1Char(':'), -1));
    QWidget* const own = window.get();
    const bool ownWindow = own == forms_.mainForm.get() ||
                           (forms_.popupForm.made() && own == forms_.popupForm.get()) ||
                           (forms_.gameForm.made() && own == forms_.gameForm.get());
    QWidget* owner = ownWindow ? nullptr : static_cast<QWidget*>(forms_.gameForm);
    makeDesktopWindow(own, owner);
    kept_.push_back({std::move(window), owner});
}

FormSet::FormSet(Dialogs& dialogs, const TimeSource& clock)
    : session_(clock), config_(std::make_unique<ConfigFile>(kConfigFileName)) {
    session_.keepConfigIn(config_.get());
    session_.autosaveInto([]() -> std::optional<std::string> {
        if (!autosaveEnabled()) return std::nullopt;
        return QDir::current().filePath(QLatin1String(kSavesFolderName)).toStdString();
    });
    auto main = std::make_unique<TMainForm>(session_, forms_, dialogs);
    forms_.mainForm.set(main.get());
    Session& session = session_;
    later(forms_.aboutForm, [&] { return std::make_unique<TAboutForm>(dialogs); });
    later(forms_.barSetupForm,
          [&] { return std::make_unique<TBarSetupForm>(session, dialogs, forms_); });
    later(forms_.fireForm, [&] { return std::make_unique<TDisasFireForm>(session, dialogs); });
    later(forms_.drinkForm, [&] { return std::make_unique<TDrinkForm>(session, dialogs, forms_); });
    later(forms_.gameForm, [&] { return std::make_unique<TGameForm>(session, dialogs, forms_); });
    later(forms_.infoForm, [&] { return std::make_unique<TInfoForm>(session, dialogs); });
    later(forms_.lotoSixForm, [&] { return std::make_unique<TLotoSixForm>(session, dialogs); });
    later(forms_.spinCashForm, [&] { return std::make_unique<TSpinCashForm>(session, dialogs); });
    later(forms_.racingMonForm, [&] { return std::make_unique<TRacingMonForm>(session, dialogs); });
    later(forms_.mapForm, [&] { return std::make_unique<TMapForm>(session, dialogs, forms_); });
    later(forms_.newCarForm,
          [&] { return std::make_unique<TNewCarForm>(session, dialogs, forms_); });
    later(forms_.passForm, [&] { return std::make_unique<TPassForm>(forms_); });
    later(forms_.popupForm, [&] { return std::make_unique<TPopupForm>(session, dialogs); });
    later(forms_.setupForm, [&] { return std::make_unique<TSetupForm>(session, dialogs); });
    later(forms_.hireStaffForm, [&] { return std::make_unique<THireStaffForm>(session, dialogs); });
    later(forms_.viewStaffForm,
          [&] { return std::make_unique<TViewStaffForm>(session, dialogs, forms_); });
    later(forms_.adminViewForm,
          [&] { return std::make_unique<TAdminViewForm>(session, dialogs, forms_); });
    later(forms_.promoteForm, [&] { return std::make_unique<TPromoteForm>(session, dialogs); });
    later(forms_.financeForm, [&] { return std::make_unique<TFinanceForm>(session); });
    later(forms_.internetCenterForm,
          [&] { return std::make_unique<TInternetCenterForm>(dialogs); });
    // The bank windows are wired to each other: the first reached makes all.
    const auto makeBanks = [this, &dialogs] {
        for (std::unique_ptr<QWidget>& bank : makeBankWindows(session_, dialogs, forms_))
            adopt(std::move(bank));
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
    adopt(std::move(main));
}

std::vector<QWidget*> FormSet::windows() const {
    // The main menu is kept first, so the newest window comes first.
    std::vector<QWidget*> made;
    for (auto kept = kept_.rbegin(); kept != kept_.rend(); ++kept)
        made.push_back(kept->window.get());
    return made;
}

FormSet::~FormSet() {
    // Every window is hidden while all still exist: hiding one may reach
    // another.
    if (forms_.adminViewForm.made()) forms_.adminViewForm->dismiss();
    for (Kept& kept : kept_)
        kept.window->hide();
    forms_ = Forms{};
    while (!kept_.empty())
        kept_.pop_back();
}

} // namespace tavo::ui
