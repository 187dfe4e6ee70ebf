// The whole saved game: one plain record whose memory is the save file's
// layout, byte for byte. Sizes and offsets are pinned below.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace tavo {

static_assert(std::endian::native == std::endian::little,
              "records are stored in the host's byte order, which must be little-endian");

inline constexpr int kMaxBars = 25;
inline constexpr int kMaxDrinkSlots = 15;
inline constexpr int kMaxAdmins = 4;
inline constexpr int kMaxLottoTickets = 10;
inline constexpr int kBankCount = 4;
inline constexpr std::int32_t kSaveVersion = 5;

struct DrinkSlot {
    std::int32_t drinkIndex;
    std::int32_t stock;
    double salePrice;
    std::uint8_t inUse;
    std::uint8_t fairPrice;
    std::uint8_t reserved18[6];
};

struct BarRecord {
    std::int32_t listIndex;
    std::int32_t clientsPerDay;
    std::int32_t complaintCount;
    std::int32_t satisfactionCount;
    std::int32_t maxClients;
    std::int32_t drinkCount;
    std::int32_t costPerMonth;
    std::uint8_t isOpen;
    std::uint8_t reserved29[3];
    double entryPrice;
    std::uint8_t reserved40[4];
    char barName[30];
    std::uint8_t reserved74[2];
    std::int32_t musicAlternative;
    std::int32_t musicTechno;
    std::int32_t musicDance;
    std::int32_t musicMetal;
    std::int32_t musicRock;
    std::int32_t barClass;
    std::uint8_t reserved100[4];
    DrinkSlot drinks[kMaxDrinkSlots];
    std::int32_t profitThisMonth;
    std::int32_t profitLastMonth;
    std::int32_t visitorsThisMonth;
    std::int32_t visitorsLastMonth;
};

struct LottoTicket {
    std::int32_t numbers[6];
};

struct AdminRecord {
    std::int32_t salary;
    std::int32_t staffId;
    std::int32_t ticketPrice;
    std::int32_t ticketsPending;
    std::int32_t ticketsPerWeek;
    std::int32_t maxTicketsPerWeek;
    std::int32_t drinkOrderQuantity;
    std::int32_t refundThreshold;
    std::int32_t refundAmount;
    std::uint8_t canBuyTickets;
    std::uint8_t canBuyDrinks;
    std::uint8_t canManageLoans;
    std::uint8_t reserved39;
};

struct BankAccount {
    std::uint8_t investActive;
    std::uint8_t reserved1[3];
    std::int32_t investValue;
    std::int32_t investAmount;
    float investRate;
    std::int32_t investYearsDone;
    std::int32_t investYearsLeft;
    std::int32_t investYear;
    std::uint8_t loanActive;
    std::uint8_t reserved29[3];
    std::int32_t loanAmount;
    float loanRate;
    std::int32_t loanLeft;
    std::int32_t loanYearsDone;
    std::int32_t loanDayCount;
    std::uint8_t insured;
    std::uint8_t reserved53[3];
    std::int32_t fireInsYear;
    std::int32_t theftInsYear;
    std::uint8_t fireInsured;
    std::uint8_t reserved65[3];
    std::int32_t fireInsCost;
    std::int32_t fireInsBonus;
    std::uint8_t theftInsured;
    std::uint8_t reserved77[3];
    float theftInsRate;
    std::int32_t theftInsCost;
    std::uint8_t member;
    std::uint8_t reserved89[3];
};

struct GameState {
    std::int32_t currentBar;
    std::int32_t barCapacity;
    std::int32_t reserved8;
    std::int32_t version;
    std::int32_t monthlyCharges;
    std::int32_t monthlyTaxes;
    std::int32_t barCount;
    std::uint8_t reserved28[4];
    char ownerName[30];
    std::uint8_t reserved62[2];
    std::int32_t ownerType;
    std::int32_t credibility;
    std::int32_t knowledge;
    std::uint8_t reserved76[4];
    double money;
    std::int32_t gamblingBalance;
    std::uint8_t reserved92[4];
    std::int32_t lottoWinningNumbers[6];
    std::int16_t lottoTicketCount;
    std::uint8_t reserved122[2];
    std::int32_t lottoJackpot;
    std::uint8_t lottoDrawPending;
    std::uint8_t reserved129[3];
    LottoTicket lottoTickets[kMaxLottoTickets];
    std::uint8_t reserved372[4];
    BarRecord bars[kMaxBars];
    std::int32_t adminCount;
    std::int32_t adminTicketCount;
    AdminRecord admins[kMaxAdmins];
    std::uint8_t reserved12544[4];
    BankAccount bankAccounts[kBankCount];
    std::int32_t day;
    std::int32_t weekDay;
    std::int32_t month;
    std::int32_t year;
    std::uint8_t reserved12932[4];
};

// The bars the player owns, as many as the record can hold whatever a
// damaged file says.
inline int ownedBarCount(const GameState& state) {
    return std::clamp(state.barCount, 0, kMaxBars);
}

// The administrators hired, as many as the record can hold.
inline int hiredAdminCount(const GameState& state) {
    return std::clamp(state.adminCount, 0, kMaxAdmins);
}

// --- layout pins: these records are the file format ---

static_assert(std::is_standard_layout_v<GameState> && std::is_trivially_copyable_v<GameState>);

static_assert(sizeof(DrinkSlot) == 24);
static_assert(offsetof(DrinkSlot, drinkIndex) == 0);
static_assert(offsetof(DrinkSlot, stock) == 4);
static_assert(offsetof(DrinkSlot, salePrice) == 8);
static_assert(offsetof(DrinkSlot, inUse) == 16);
static_assert(offsetof(DrinkSlot, fairPrice) == 17);
static_assert(offsetof(DrinkSlot, reserved18) == 18);

static_assert(sizeof(BarRecord) == 480);
static_assert(offsetof(BarRecord, listIndex) == 0);
static_assert(offsetof(BarRecord, clientsPerDay) == 4);
static_assert(offsetof(BarRecord, complaintCount) == 8);
static_assert(offsetof(BarRecord, satisfactionCount) == 12);
static_assert(offsetof(BarRecord, maxClients) == 16);
static_assert(offsetof(BarRecord, drinkCount) == 20);
static_assert(offsetof(BarRecord, costPerMonth) == 24);
static_assert(offsetof(BarRecord, isOpen) == 28);
static_assert(offsetof(BarRecord, entryPrice) == 32);
static_assert(offsetof(BarRecord, reserved40) == 40);
static_assert(offsetof(BarRecord, barName) == 44);
static_assert(offsetof(BarRecord, reserved74) == 74);
static_assert(offsetof(BarRecord, musicAlternative) == 76);
static_assert(offsetof(BarRecord, musicTechno) == 80);
static_assert(offsetof(BarRecord, musicDance) == 84);
static_assert(offsetof(BarRecord, musicMetal) == 88);
static_assert(offsetof(BarRecord, musicRock) == 92);
static_assert(offsetof(BarRecord, barClass) == 96);
static_assert(offsetof(BarRecord, reserved100) == 100);
static_assert(offsetof(BarRecord, drinks) == 104);
static_assert(offsetof(BarRecord, profitThisMonth) == 464);
static_assert(offsetof(BarRecord, profitLastMonth) == 468);
static_assert(offsetof(BarRecord, visitorsThisMonth) == 472);
static_assert(offsetof(BarRecord, visitorsLastMonth) == 476);

static_assert(sizeof(LottoTicket) == 24);

static_assert(sizeof(AdminRecord) == 40);
static_assert(offsetof(AdminRecord, salary) == 0);
static_assert(offsetof(AdminRecord, staffId) == 4);
static_assert(offsetof(AdminRecord, ticketPrice) == 8);
static_assert(offsetof(AdminRecord, ticketsPending) == 12);
static_assert(offsetof(AdminRecord, ticketsPerWeek) == 16);
static_assert(offsetof(AdminRecord, maxTicketsPerWeek) == 20);
static_assert(offsetof(AdminRecord, drinkOrderQuantity) == 24);
static_assert(offsetof(AdminRecord, refundThreshold) == 28);
static_assert(offsetof(AdminRecord, refundAmount) == 32);
static_assert(offsetof(AdminRecord, canBuyTickets) == 36);
static_assert(offsetof(AdminRecord, canBuyDrinks) == 37);
static_assert(offsetof(AdminRecord, canManageLoans) == 38);
static_assert(offsetof(AdminRecord, reserved39) == 39);

static_assert(sizeof(BankAccount) == 92);
static_assert(offsetof(BankAccount, investActive) == 0);
static_assert(offsetof(BankAccount, investValue) == 4);
static_assert(offsetof(BankAccount, investAmount) == 8);
static_assert(offsetof(BankAccount, investRate) == 12);
static_assert(offsetof(BankAccount, investYearsDone) == 16);
static_assert(offsetof(BankAccount, investYearsLeft) == 20);
static_assert(offsetof(BankAccount, investYear) == 24);
static_assert(offsetof(BankAccount, loanActive) == 28);
static_assert(offsetof(BankAccount, loanAmount) == 32);
static_assert(offsetof(BankAccount, loanRate) == 36);
static_assert(offsetof(BankAccount, loanLeft) == 40);
static_assert(offsetof(BankAccount, loanYearsDone) == 44);
static_assert(offsetof(BankAccount, loanDayCount) == 48);
static_assert(offsetof(BankAccount, insured) == 52);
static_assert(offsetof(BankAccount, fireInsYear) == 56);
static_assert(offsetof(BankAccount, theftInsYear) == 60);
static_assert(offsetof(BankAccount, fireInsured) == 64);
static_assert(offsetof(BankAccount, fireInsCost) == 68);
static_assert(offsetof(BankAccount, fireInsBonus) == 72);
static_assert(offsetof(BankAccount, theftInsured) == 76);
static_assert(offsetof(BankAccount, theftInsRate) == 80);
static_assert(offsetof(BankAccount, theftInsCost) == 84);
static_assert(offsetof(BankAccount, member) == 88);
static_assert(offsetof(BankAccount, reserved89) == 89);

static_assert(sizeof(GameState) == 12936);
static_assert(offsetof(GameState, currentBar) == 0);
static_assert(offsetof(GameState, barCapacity) == 4);
static_assert(offsetof(GameState, reserved8) == 8);
static_assert(offsetof(GameState, version) == 12);
static_assert(offsetof(GameState, monthlyCharges) == 16);
static_assert(offsetof(GameState, monthlyTaxes) == 20);
static_assert(offsetof(GameState, barCount) == 24);
static_assert(offsetof(GameState, reserved28) == 28);
static_assert(offsetof(GameState, ownerName) == 32);
static_assert(offsetof(GameState, reserved62) == 62);
static_assert(offsetof(GameState, ownerType) == 64);
static_assert(offsetof(GameState, credibility) == 68);
static_assert(offsetof(GameState, knowledge) == 72);
static_assert(offsetof(GameState, reserved76) == 76);
static_assert(offsetof(GameState, money) == 80);
static_assert(offsetof(GameState, gamblingBalance) == 88);
static_assert(offsetof(GameState, reserved92) == 92);
static_assert(offsetof(GameState, lottoWinningNumbers) == 96);
static_assert(offsetof(GameState, lottoTicketCount) == 120);
static_assert(offsetof(GameState, reserved122) == 122);
static_assert(offsetof(GameState, lottoJackpot) == 124);
static_assert(offsetof(GameState, lottoDrawPending) == 128);
static_assert(offsetof(GameState, reserved129) == 129);
static_assert(offsetof(GameState, lottoTickets) == 132);
static_assert(offsetof(GameState, reserved372) == 372);
static_assert(offsetof(GameState, bars) == 376);
static_assert(offsetof(GameState, adminCount) == 12376);
static_assert(offsetof(GameState, adminTicketCount) == 12380);
static_assert(offsetof(GameState, admins) == 12384);
static_assert(offsetof(GameState, reserved12544) == 12544);
static_assert(offsetof(GameState, bankAccounts) == 12548);
static_assert(offsetof(GameState, day) == 12916);
static_assert(offsetof(GameState, weekDay) == 12920);
static_assert(offsetof(GameState, month) == 12924);
static_assert(offsetof(GameState, year) == 12928);
static_assert(offsetof(GameState, reserved12932) == 12932);

} // namespace tavo
