#include "WorstCase.h"

#include "banks/BankIds.h"
#include "core/FixedText.h"

#include <string>

namespace tavo::bench {

GameState worstCaseGame(std::int32_t stock) {
    GameState state{};
    state.version = kSaveVersion;
    state.barCapacity = kMaxBars;
    state.day = 1;
    state.weekDay = 4;
    state.month = 1;
    state.year = 1981;
    state.money = 1e12;
    setFixedText(state.ownerName, "Bench Owner");
    for (int b = 0; b < kMaxBars; ++b) {
        BarRecord& bar = state.bars[b];
        setFixedText(bar.barName, "Bar " + std::to_string(b));
        bar.listIndex = b;
        bar.clientsPerDay = 500;
        bar.maxClients = 500;
        bar.costPerMonth = 2000;
        bar.isOpen = 1;
        bar.entryPrice = 2.0; // the highest price that keeps the 500 clients coming
        bar.barClass = 1;
        bar.drinkCount = kMaxDrinkSlots;
        for (int k = 0; k < kMaxDrinkSlots; ++k) {
            DrinkSlot& slot = bar.drinks[k];
            slot.drinkIndex = k;
            slot.stock = stock;
            slot.salePrice = 3.99 + k * 0.25;
            slot.inUse = 1;
            slot.fairPrice = 1;
        }
    }
    state.barCount = kMaxBars;
    state.monthlyCharges = kMaxBars * 2000 + 1825;
    for (int s = 0; s < kMaxAdmins; ++s) {
        AdminRecord& admin = state.admins[s];
        admin.staffId = s + 1;
        admin.salary = 500;
        admin.canBuyTickets = admin.canBuyDrinks = admin.canManageLoans = 1;
        admin.ticketPrice = 100;
        admin.maxTicketsPerWeek = 4;
        admin.ticketsPerWeek = 4;
        admin.ticketsPending = 100;
        admin.drinkOrderQuantity = 200;
        admin.refundThreshold = 1000;
        admin.refundAmount = 1;
    }
    state.adminCount = kMaxAdmins;
    for (int bank : {kInvestBank, kChinaCash}) {
        BankAccount& account = state.bankAccounts[bank];
        account.member = 1;
        account.loanActive = 1;
        account.loanAmount = 100000;
        account.loanLeft = 200000;
        account.loanRate = bank == kInvestBank ? 0.25f : 0.30f;
        account.loanYearsDone = 2;
    }
    for (int bank : {kInvestBank, kGermanBank}) {
        BankAccount& account = state.bankAccounts[bank];
        account.member = 1;
        account.investActive = 1;
        account.investAmount = account.investValue = 50000;
        account.investRate = 0.25f;
        account.investYearsLeft = 25;
        account.investYear = 1981;
    }
    BankAccount& german = state.bankAccounts[kGermanBank];
    german.insured = german.fireInsured = german.theftInsured = 1;
    german.fireInsCost = 1000;
    german.theftInsCost = 800;
    german.fireInsYear = german.theftInsYear = 1981;
    for (int t = 0; t < kMaxLottoTickets; ++t)
        for (int n = 0; n < 6; ++n)
            state.lottoTickets[t].numbers[n] = 6 + t + n * 7;
    state.lottoTicketCount = kMaxLottoTickets;
    state.lottoDrawPending = 1;
    state.lottoJackpot = 1000000;
    return state;
}

TDrinkList worstCaseDrinks() {
    TDrinkList drinks;
    for (int k = 0; k < kMaxDrinkSlots; ++k) {
        DrinkListEntry drink{};
        setFixedText(drink.name, "Drink " + std::to_string(k));
        setFixedText(drink.retailPrice, std::to_string(1 + k % 4) + ".25");
        setFixedText(drink.weight, "12");
        setFixedText(drink.alcohol, "5");
        drink.kind = k % 2;
        drinks.append(drink);
    }
    return drinks;
}

} // namespace tavo::bench
