#include "ui/BankWindows.h"

#include "banks/BankIds.h"
#include "ui/BankForm.h"
#include "ui/Forms.h"
#include "ui/InvestForm.h"
#include "ui/LoanForms.h"
#include "ui/TBanksForm.h"
#include "ui/TGermInsuForm.h"

namespace tavo::ui {

BankWindowSet::BankWindowSet(Game& game, Dialogs& dialogs, Forms& forms) {
    banks_ = std::make_unique<TBanksForm>(dialogs, forms);
    chinaCash_ = std::make_unique<TChinaCashForm>(game, dialogs);
    loanChina1Set_ = std::make_unique<TLoanChina1Set>(game, dialogs);
    germBank_ = std::make_unique<TGermBankForm>(game, dialogs);
    germInsu_ = std::make_unique<TGermInsuForm>(game, dialogs);
    investGerm_ = std::make_unique<TInvestGermForm>(game, dialogs);
    investInvBank_ = std::make_unique<TInvestInvBankForm>(game, dialogs);
    investBank_ = std::make_unique<TInvestBankForm>(game, dialogs);
    loanChinRef1_ = std::make_unique<TLoanChinRef1>(game, dialogs);
    loanInvSetup_ = std::make_unique<TLoanInvSetup>(game, dialogs);
    loanInvRef_ = std::make_unique<TLoanInvRef>(game, dialogs);

    investBank_->setServices(
        {investInvBank_.get(), loanInvSetup_.get(), loanInvRef_.get(), nullptr});
    germBank_->setServices({investGerm_.get(), nullptr, nullptr, germInsu_.get()});
    chinaCash_->setServices({nullptr, loanChina1Set_.get(), loanChinRef1_.get(), nullptr});
    investInvBank_->bankWindow = loanInvSetup_->bankWindow = loanInvRef_->bankWindow =
        investBank_.get();
    investGerm_->bankWindow = germInsu_->bankWindow = germBank_.get();
    loanChina1Set_->bankWindow = loanChinRef1_->bankWindow = chinaCash_.get();

    forms.banksForm.set(banks_.get());
    forms.investBankForm.set(investBank_.get());
    forms.germBankForm.set(germBank_.get());
    forms.chinaCashForm.set(chinaCash_.get());
    forms.loanInvSetup.set(loanInvSetup_.get());
    forms.loanChina1Set.set(loanChina1Set_.get());
    forms.loanInvRef.set(loanInvRef_.get());
    forms.loanChinRef1.set(loanChinRef1_.get());
    forms.investInvBankForm.set(investInvBank_.get());
    forms.investGermForm.set(investGerm_.get());
    forms.germInsuForm.set(germInsu_.get());
}

BankWindowSet::~BankWindowSet() {
    hideAll();
}

std::vector<QWidget*> BankWindowSet::windows() const {
    return {banks_.get(),         investBank_.get(),    germBank_.get(),   chinaCash_.get(),
            loanInvSetup_.get(),  loanChina1Set_.get(), loanInvRef_.get(), loanChinRef1_.get(),
            investInvBank_.get(), investGerm_.get(),    germInsu_.get()};
}

void BankWindowSet::hideAll() {
    for (QWidget* window : windows())
        window->hide();
}

BankForm* bankWindow(Forms& forms, int bank) {
    switch (bank) {
    case kInvestBank:
        return forms.investBankForm;
    case kGermanBank:
        return forms.germBankForm;
    case kChinaCash:
        return forms.chinaCashForm;
    default:
        return nullptr;
    }
}

void closeBankServiceForms(Forms& forms) {
    for (QWidget* form : std::initializer_list<QWidget*>{
             forms.loanInvSetup, forms.loanChina1Set, forms.loanInvRef, forms.loanChinRef1,
             forms.investInvBankForm, forms.investGermForm, forms.germInsuForm})
        form->hide();
}

void closeBankWindows(Forms& forms) {
    forms.banksForm->hide();
    for (int bank : {kInvestBank, kGermanBank, kChinaCash})
        bankWindow(forms, bank)->LeaveBankClick();
    closeBankServiceForms(forms);
}

} // namespace tavo::ui
