#include "banks/Membership.h"

#include "banks/BankIds.h"

namespace tavo {

BankServices bankServices(int bank) {
    switch (bank) {
    case kInvestBank:
        return {true, true, false};
    case kGermanBank:
        return {true, false, true};
    case kChinaCash:
        return {false, true, false};
    default:
        return {};
    }
}

bool hasBankWindow(int bank) {
    return bank == kInvestBank || bank == kGermanBank || bank == kChinaCash;
}

bool enterBank(int bank, Voice& voice) {
    if (hasBankWindow(bank)) return true;
    pressBankHelp(voice);
    return false;
}

void pressBankHelp(Voice& voice) {
    voice.say(plainMessage(N_("Under Construction")));
}

std::int32_t membershipFee(int bank) {
    switch (bank) {
    case kInvestBank:
        return 1000;
    case kGermanBank:
        return 3500;
    case kChinaCash:
        return 8000;
    default:
        return 0;
    }
}

bool becomeMember(GameState& state, int bank, Voice& voice) {
    if (!hasBankWindow(bank) || state.bankAccounts[bank].member) return false;
    const char* text = bank == kInvestBank ? N_("Do you want to become a member?\nIt's only 1000$")
                       : bank == kGermanBank
                           ? N_("Do you want to become a member?\nIt's only 3500$")
                           : N_("Do you want to become a member?\nIt's 8000$");
    if (!voice.ask(question(text, N_("Become a member")))) return false;
    state.bankAccounts[bank].member = 1;
    state.money -= membershipFee(bank);
    return true;
}

BankView bankView(const GameState& state, int bank) {
    BankView view;
    if (!hasBankWindow(bank)) return view;
    const BankAccount& account = state.bankAccounts[bank];
    view.member = account.member != 0;
    view.memberSetup = !view.member;
    if (!view.member) return view;
    const BankServices services = bankServices(bank);
    view.investmentSetup = services.investments && !account.investActive;
    view.investRefund = services.investments && account.investActive;
    view.loanSetup = services.loans;
    view.refundingLoan = services.loans && account.loanActive;
    view.insuranceSetup = services.insurance;
    view.leaveIns = services.insurance && account.insured;
    return view;
}

} // namespace tavo
