#include "ui/BankWindows.h"

#include "banks/BankIds.h"
#include "ui/BankForm.h"
#include "ui/Forms.h"
#include "ui/InvestForm.h"
#include "ui/LoanForms.h"
#include "ui/TBanksForm.h"
#include "ui/TGermInsuForm.h"

namespace tavo::ui {

std::vector<std::unique_ptr<QWidget>> makeBankWindows(Session& session, Dialogs& dialogs,
                                                      Forms& forms) {
    auto banks = std::make_unique<TBanksForm>(dialogs, forms);
    auto chinaCash = std::make_unique<TChinaCashForm>(session, dialogs);
    auto loanChina1Set = std::make_unique<TLoanChina1Set>(session, dialogs);
    auto germBank = std::make_unique<TGermBankForm>(session, dialogs);
    auto germInsu = std::make_unique<TGermInsuForm>(session, dialogs);
    auto investGerm = std::make_unique<TInvestGermForm>(session, dialogs);
    auto investInvBank = std::make_unique<TInvestInvBankForm>(session, dialogs);
    auto investBank = std::make_unique<TInvestBankForm>(session, dialogs);
    auto loanChinRef1 = std::make_unique<TLoanChinRef1>(session, dialogs);
    auto loanInvSetup = std::make_unique<TLoanInvSetup>(session, dialogs);
    auto loanInvRef = std::make_unique<TLoanInvRef>(session, dialogs);

    investBank->setServices({investInvBank.get(), loanInvSetup.get(), loanInvRef.get(), nullptr});
    germBank->setServices({investGerm.get(), nullptr, nullptr, germInsu.get()});
    chinaCash->setServices({nullptr, loanChina1Set.get(), loanChinRef1.get(), nullptr});
    investInvBank->bankWindow = loanInvSetup->bankWindow = loanInvRef->bankWindow =
        investBank.get();
    investGerm->bankWindow = germInsu->bankWindow = germBank.get();
    loanChina1Set->bankWindow = loanChinRef1->bankWindow = chinaCash.get();

    forms.banksForm.set(banks.get());
    forms.investBankForm.set(investBank.get());
    forms.germBankForm.set(germBank.get());
    forms.chinaCashForm.set(chinaCash.get());
    forms.loanInvSetup.set(loanInvSetup.get());
    forms.loanChina1Set.set(loanChina1Set.get());
    forms.loanInvRef.set(loanInvRef.get());
    forms.loanChinRef1.set(loanChinRef1.get());
    forms.investInvBankForm.set(investInvBank.get());
    forms.investGermForm.set(investGerm.get());
    forms.germInsuForm.set(germInsu.get());

    std::vector<std::unique_ptr<QWidget>> made;
    made.push_back(std::move(banks));
    made.push_back(std::move(investBank));
    made.push_back(std::move(germBank));
    made.push_back(std::move(chinaCash));
    made.push_back(std::move(loanInvSetup));
    made.push_back(std::move(loanChina1Set));
    made.push_back(std::move(loanInvRef));
    made.push_back(std::move(loanChinRef1));
    made.push_back(std::move(investInvBank));
    made.push_back(std::move(investGerm));
    made.push_back(std::move(germInsu));
    return made;
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

} // namespace tavo::ui
