#include "game/Commands.h"

#include "banks/BankIds.h"
#include "banks/InsuranceDesk.h"
#include "banks/InvestDesk.h"
#include "banks/LoanDesk.h"
#include "banks/Membership.h"
#include "bars/BarInfo.h"
#include "bars/BarPurchase.h"
#include "bars/DrinkOrder.h"
#include "bars/Owner.h"
#include "bars/Promotion.h"
#include "core/NewGame.h"
#include "core/Sha256.h"
#include "game/Session.h"
#include "leisure/Lotto.h"
#include "leisure/Race.h"
#include "staff/AdminSettings.h"
#include "staff/Hiring.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace tavo {
namespace {

// ---------------------------------------------------------------------------
// The words a command takes.

enum class Arg {
    Whole,     // a whole decimal number
    Days,      // a whole number of days, 0 to kMostDays
    Text,      // typed into a box as it is
    BarLine,   // `all` or a whole number
    Class,     // 0..4
    Music,     // letters a t d m r, or -
    Kind,      // news, radio or tv
    Bank,      // 0, 2 or 3: a bank with a window
    Plan,      // 1 or 2
    Tick,      // 0 or 1
    Staff,     // a staff ID, 1..4
    Random,    // the word random
    Car,       // 0 (none) or a car, 1..4
    Pick,      // - (nothing picked) or a whole number
    Letter,    // one music letter
    Archetype, // 1..3
    Advert,    // news, radio, tv or none
    BarClass,  // 1..4
    New,       // the word new
    Load,      // the word load
    Hash,      // 64 hexadecimal digits
    Signed,    // a whole number, maybe negative
    Char,      // exactly one character
    Reel,      // 1..3
    Seed,      // 0..4294967295
};

bool isWhole(std::string_view word) {
    return readWholeNumber(word).has_value();
}

bool oneOf(std::string_view word, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool digitIn(std::string_view word, char low, char high) {
    return word.size() == 1 && word[0] >= low && word[0] <= high;
}

// Why a word is not what the argument expects, or "" when it is.
std::string argFault(Arg arg, const ScriptWord& word) {
    const std::string& w = word.text;
    const std::string quoted = "'" + printable(w) + "'";
    switch (arg) {
    case Arg::Whole:
        return isWhole(w) ? "" : quoted + " is not a whole number";
    case Arg::Days:
        return isWhole(w) && wholeNumber(w) <= kMostDays
                   ? ""
                   : quoted + " is not a number of days from 0 to " + std::to_string(kMostDays);
    case Arg::Text:
        return "";
    case Arg::BarLine:
        return w == "all" || isWhole(w) ? "" : quoted + " is not a bar number or all";
    case Arg::Class:
        return digitIn(w, '0', '4') ? ""
                                    : quoted + " is not a class (0 none, 1 Low, 2 High, 3 Dark, "
                                               "4 Rave)";
    case Arg::Music:
        if (w == "-") return "";
        return !w.empty() && w.find_first_not_of(kMusicLetters) == std::string::npos
                   ? ""
                   : quoted + " is not music (letters a t d m r, or - for none)";
    case Arg::Kind:
        return oneOf(w, {"news", "radio", "tv"}) ? ""
                                                 : quoted + " is not an advert (news, radio or tv)";
    case Arg::Bank:
        return oneOf(w, {"0", "2", "3"})
                   ? ""
                   : quoted + " is not a bank (0 Invest Bank, 2 German Bank, 3 China Cash)";
    case Arg::Plan:
        return oneOf(w, {"1", "2"}) ? "" : quoted + " is not a plan (1 or 2)";
    case Arg::Tick:
        return oneOf(w, {"0", "1"}) ? "" : quoted + " is not 0 or 1";
    case Arg::Staff:
        return digitIn(w, '1', '4') ? "" : quoted + " is not a staff ID (1 to 4)";
    case Arg::Random:
        return !word.quoted && w == "random" ? "" : quoted + " is not random";
    case Arg::Car:
        return digitIn(w, '0', '4') ? "" : quoted + " is not a car (1 to 4, or 0 for none)";
    case Arg::Pick:
        return w == "-" || isWhole(w) ? "" : quoted + " is not a line number or -";
    case Arg::Letter:
        return w.size() == 1 && kMusicLetters.find(w[0]) != std::string_view::npos
                   ? ""
                   : quoted + " is not a music letter (a t d m r)";
    case Arg::Archetype:
        return digitIn(w, '1', '3')
                   ? ""
                   : quoted + " is not an owner (1 business man, 2 cool dude, 3 woman)";
    case Arg::Advert:
        return oneOf(w, {"news", "radio", "tv", "none"})
                   ? ""
                   : quoted + " is not an advert (news, radio, tv or none)";
    case Arg::BarClass:
        return digitIn(w, '1', '4') ? ""
                                    : quoted + " is not a class (1 Low, 2 High, 3 Dark, 4 Rave)";
    case Arg::New:
        return !word.quoted && w == "new" ? "" : quoted + " is not new";
    case Arg::Load:
        return !word.quoted && w == "load" ? "" : quoted + " is not load";
    case Arg::Hash:
        return w.size() == 64 && w.find_first_not_of("0123456789abcdef") == std::string::npos
                   ? ""
                   : quoted + " is not a SHA-256 (64 lowercase hexadecimal digits)";
    case Arg::Signed: {
        const std::string_view digits =
            !w.empty() && w[0] == '-' ? std::string_view(w).substr(1) : std::string_view(w);
        return isWhole(digits) && digits.size() <= 18 ? "" : quoted + " is not a time in seconds";
    }
    case Arg::Char:
        return w.size() == 1 ? "" : quoted + " is not one character";
    case Arg::Reel:
        return digitIn(w, '1', '3') ? "" : quoted + " is not a reel (1 to 3)";
    case Arg::Seed:
        return isWhole(w) && wholeNumber(w) <= 4294967295LL
                   ? ""
                   : quoted + " is not a seed (0 to 4294967295)";
    }
    return "";
}

// ---------------------------------------------------------------------------
// One command at work.

struct Run {
    Session& session;
    Game& game;
    const ScriptCommand& command;
    Voice& voice;
    CommandResult result;

    GameState& state() { return game.state; }
    const std::string& text(std::size_t i) const { return command.args[i].text; }
    long long number(std::size_t i) const { return wholeNumber(text(i)); }
    int index(std::size_t i) const {
        return static_cast<int>(std::min<long long>(number(i), INT_MAX));
    }
    bool has(std::size_t i) const { return i < command.args.size(); }

    [[noreturn]] void refuse(const std::string& reason) const { throw CommandRefused(reason); }

    // Runs one handler of a window: a conversion error ends it and is shown.
    template <typename Handler>
    void handler(Handler&& run) {
        try {
            run();
        } catch (const ConversionError& error) {
            voice.sayError(error.phrase);
            result.stopped = true;
        }
    }

    // A bar picked by number in a window's list of owned bars.
    int ownedBar(std::size_t i) const {
        if (number(i) >= ownedBarCount(game.state)) refuse("you own no bar " + text(i));
        return static_cast<int>(number(i));
    }
};

using Action = void (*)(Run&);

struct Row {
    const char* name;
    std::vector<Arg> args;
    const char* optional; // a keyword that may follow the arguments, or nullptr
    const char* usage;
    Action action;
    bool optionalText = false; // one more word may follow, typed as it is
};

const char* bankName(int bank) {
    return bank == kInvestBank ? "Invest Bank" : bank == kGermanBank ? "German Bank" : "China Cash";
}

const char* const kClassNames[] = {"", "Low", "High", "Dark", "Rave"};

// A text typed into a box of at most maxLength characters, kept in UTF-8.
std::string cutTyped(std::string_view utf8, std::size_t maxLength) {
    std::size_t i = 0;
    std::size_t units = 0;
    while (i < utf8.size()) {
        std::size_t next = i;
        const std::size_t width = nextCharacter(utf8, next) > 0xFFFF ? 2 : 1;
        if (units + width > maxLength) break;
        units += width;
        i = next;
    }
    return std::string(utf8.substr(0, i));
}

// ---------------------------------------------------------------------------
// The opening of a journal and what the run read from outside.

} // namespace

std::string listsSha(const Game& game) {
    std::string bars;
    for (int i = 0; i < game.bars.count(); ++i)
        bars.append(reinterpret_cast<const char*>(game.bars.at(i)), sizeof(BarListEntry));
    std::string drinks;
    for (int i = 0; i < game.drinks.count(); ++i)
        drinks.append(reinterpret_cast<const char*>(game.drinks.at(i)), sizeof(DrinkListEntry));
    return sha256Hex(bars.data(), bars.size()) + " " + sha256Hex(drinks.data(), drinks.size());
}

namespace {

void journalOpening(Run& run) {
    // Read by the replay before anything is played; here it only checks its place.
    if (run.session.journal().started()) run.refuse("a journal opens only once, on its first line");
}

void seed(Run& run) {
    run.game.random.setSeed(static_cast<std::uint32_t>(run.number(0)));
}

void decimal(Run& run) {
    run.game.numberFormat.decimalSeparator = run.text(0)[0];
}

void lists(Run& run) {
    const std::string played = listsSha(run.game);
    const std::string wanted = run.text(0) + " " + run.text(1);
    if (played != wanted)
        throw ReplayRefused("the bars and drinks lists are not the ones the journal was played "
                            "with (SHA-256 " +
                            wanted + "; these lists: " + played + ")");
}

void reels(Run& run) {
    for (int reel = 0; reel < 3; ++reel)
        run.game.spinCash.reels[reel] = run.index(reel);
}

void commentary(Run& run) {
    RaceCommentary& talk = run.game.raceCommentary;
    const int car = run.index(0);
    talk.previousLeader = car == 0 ? Phrase(kRaceNoLeader) : raceCarName(car);
    talk.sameLeaderSteps = run.index(1);
    talk.leadComments = run.index(2);
}

void time(Run& run) {
    const std::string& t = run.text(0);
    long long value = wholeNumber(t[0] == '-' ? std::string_view(t).substr(1) : t);
    run.session.setTime(t[0] == '-' ? -value : value);
}

// ---------------------------------------------------------------------------
// The clock and the debug centre.

void days(Run& run) {
    run.session.days(run.number(0));
}

void day(Run& run) {
    run.result.day = run.session.runDay(run.voice);
}

void fire(Run& run) {
    run.result.fire = applyFire(run.state(), run.game.random, run.session.readClock());
}

void addMoney(Run& run) {
    run.handler([&] { run.state().money += toDecimal(run.text(0), run.game.numberFormat); });
}

// ---------------------------------------------------------------------------
// A new game: the owner, the first bar.

void newGame(Run& run) {
    Game& game = run.game;
    run.session.leaveGambling();
    std::memset(&game.state, 0, sizeof game.state);
    const std::int64_t now = run.session.readClock();
    beginNewGame(game.state, game.random, now);
    game.history = {.months = {}, .gameStart = now}; // tells this game's autosaves apart
}

void ownerKind(Run& run) {
    chooseArchetype(run.state(), run.index(0));
}

void owner(Run& run) {
    run.result.value =
        createOwner(run.state(), typedName(run.text(0), kOwnerNameLength), run.voice);
}

// The setup window shown: the next entry's class and music cleared.
void barSetup(Run& run) {
    clearBarChoices(run.state());
}

void barClass(Run& run) {
    chooseBarClass(run.state(), run.index(0));
}

void barMusic(Run& run) {
    const auto box = static_cast<int>(kMusicLetters.find(run.text(0)[0]));
    chooseMusic(run.state(), static_cast<Music>(box), run.text(1) == "1");
}

// Create: value 1 when the bar was bought, 2 when it was the first.
void createBarNow(Run& run, int line, const std::string& name, const std::string& price) {
    run.handler([&] {
        const PurchaseOutcome outcome = createBar(
            run.state(), run.game.bars, {line, name, price, chosenMusicCount(run.state())},
            run.game.numberFormat, run.voice, run.session);
        run.result.value = outcome.bought ? (outcome.firstBar ? 2 : 1) : 0;
    });
}

void createBarCommand(Run& run) {
    createBarNow(run, run.index(0), typedName(run.text(1), kBarNameLength), run.text(2));
}

void buyBar(Run& run) {
    GameState& state = run.state();
    // The town map: a line picked, Buy pressed.
    const int line = run.index(0);
    const BarListEntry* entry = run.game.bars.at(line);
    if (entry == nullptr) run.refuse("the bars list has no line " + run.text(0));
    if (ownsListBar(state, line))
        run.refuse("bar " + run.text(0) + " of the list is yours already: Buy is disabled");
    bool allowed[5] = {false, true, true, true, true}; // as the setup window is laid out
    applyClassMask(entry->classMask, allowed);
    bool opened = false;
    run.handler([&] { opened = pressBuy(state, run.game.bars, line, run.voice); });
    if (!opened) run.refuse("Buy did not open the bar setup window");

    // The bar setup window: name, class, music, entry price, Create.
    clearBarChoices(state);
    const std::string name = typedName(run.text(1), kBarNameLength);
    const bool createEnabled = !name.empty(); // only a change of the name enables Create
    const int barClass = run.text(2)[0] - '0';
    if (barClass != kNoClass) {
        if (!allowed[barClass])
            run.refuse(std::string("the ") + kClassNames[barClass] +
                       " Class is disabled for this bar");
        chooseBarClass(state, barClass);
    }
    bool ticked[5] = {};
    if (run.text(3) != "-")
        for (char letter : run.text(3)) {
            const auto box = static_cast<int>(kMusicLetters.find(letter));
            ticked[box] = !ticked[box];
            chooseMusic(state, static_cast<Music>(box), ticked[box]);
        }
    if (!createEnabled) run.refuse("Create is disabled: the bar's name was never typed");
    createBarNow(run, line, name, run.text(4));
}

// ---------------------------------------------------------------------------
// The drinks and information windows.

// A bar line picked in the information or drinks window: the record's
// current bar.
void pickBar(Run& run) {
    run.state().currentBar = run.ownedBar(0);
}

// Order: value 1 when the window closes after it.
void orderNow(Run& run, const OrderForm& form) {
    // tavo-sim never writes config.kpl; the game does (the session's store).
    run.handler([&] {
        const AfterOrder after =
            placeOrder(run.state(), run.game.config, run.session.configStore(), run.game.drinks,
                       form, run.game.numberFormat, run.voice, &run.result.paid);
        run.result.value = after == AfterOrder::Close ? 1 : 0;
    });
}

void order(Run& run) {
    GameState& state = run.state();
    OrderForm form;
    form.barPicked = true;
    if (run.text(0) != "all") {
        form.orderBar = run.ownedBar(0);
        state.currentBar = form.orderBar;
    }
    const int drink = run.index(1);
    if (run.game.drinks.at(drink) == nullptr)
        run.refuse("the drinks list has no drink " + run.text(1));
    form.drinkIndex = drink;
    if (form.orderBar != kAllBars) { // the box follows the bar's slot for the drink
        BarRecord& bar = state.bars[form.orderBar];
        const int slot = findDrinkSlot(bar, drink, false);
        if (slot >= 0 && bar.drinks[slot].salePrice > 0) form.inUse = bar.drinks[slot].inUse != 0;
    }
    form.quantity = run.text(2);
    form.salePrice = run.text(3);
    if (run.has(4)) form.inUse = false; // unused
    orderNow(run, form);
}

// The drinks window's Order as its controls stand.
void placeOrderCommand(Run& run) {
    OrderForm form;
    form.barPicked = run.text(0) == "1";
    form.orderBar = run.text(1) == "all" ? kAllBars : run.index(1);
    form.drinkIndex = run.text(2) == "-" ? -1 : run.index(2);
    form.quantity = run.text(3);
    form.salePrice = run.text(4);
    form.inUse = run.text(5) == "1";
    orderNow(run, form);
}

void toggle(Run& run) {
    const int bar = run.ownedBar(0);
    run.state().currentBar = bar;
    run.result.value = toggleOpen(run.state(), bar);
}

// Set: value 1 when the price was taken.
void entryPrice(Run& run) {
    const int bar = run.ownedBar(0);
    run.state().currentBar = bar;
    run.handler([&] {
        run.result.value =
            setEntryPrice(run.state(), bar, run.text(1), run.game.numberFormat, run.voice);
    });
}

// Set with no bar shown: the price is read, and nothing changes.
void readPrice(Run& run) {
    run.handler([&] {
        run.result.value =
            setEntryPrice(run.state(), -1, run.text(0), run.game.numberFormat, run.voice);
    });
}

std::optional<Advert> advertOf(const std::string& kind) {
    if (kind == "news") return Advert::Newspaper;
    if (kind == "radio") return Advert::Radio;
    if (kind == "tv") return Advert::Tv;
    return std::nullopt;
}

void promote(Run& run) {
    run.result.value = promoteBar(run.state(), run.ownedBar(0), advertOf(run.text(1)), run.voice);
}

// The promotion window's Promote as its controls stand.
void promoteBarCommand(Run& run) {
    run.result.value = promoteBar(run.state(), run.index(0), advertOf(run.text(1)), run.voice);
}

// ---------------------------------------------------------------------------
// The banks.

// The bank window as one refresh leaves it: the bank, once it is known
// that its window offers the button and that it is enabled.
int pressBankButton(Run& run, int bank, const char* caption) {
    const BankServices services = bankServices(bank);
    const BankView view = bankView(run.state(), bank);
    struct Button {
        const char* caption;
        bool offered;
        bool enabled;
    };
    const Button buttons[] = {
        {"Become a member", true, view.memberSetup},
        {"Make an Investment", services.investments, view.investmentSetup},
        {"Investment refund", services.investments, view.investRefund},
        {"Borrow money", services.loans, view.loanSetup},
        {"Refund the loan", services.loans, view.refundingLoan},
        {"Buy Insurance", services.insurance, view.insuranceSetup},
        {"Sell insurance", services.insurance, view.leaveIns},
    };
    for (const Button& b : buttons) {
        if (std::strcmp(caption, b.caption) != 0) continue;
        if (!b.offered) run.refuse(std::string(bankName(bank)) + " has no \"" + caption + "\"");
        if (!b.enabled)
            run.refuse(std::string("\"") + caption + "\" is disabled at " + bankName(bank));
        return bank;
    }
    run.refuse(std::string("no button \"") + caption + "\"");
}

// A service form that only a bank offering the service opens.
int serviceBank(Run& run, bool BankServices::*service, const char* caption) {
    const int bank = run.index(0);
    if (!(bankServices(bank).*service))
        run.refuse(std::string(bankName(bank)) + " has no \"" + caption + "\"");
    return bank;
}

void member(Run& run) {
    run.result.value =
        becomeMember(run.state(), pressBankButton(run, run.index(0), "Become a member"), run.voice);
}

void askLoan(Run& run, int bank, const std::string& amount, const std::string& limit) {
    run.handler(
        [&] { run.result.value = requestLoan(run.state(), bank, amount, limit, run.voice); });
}

void borrow(Run& run) {
    const int bank = pressBankButton(run, run.index(0), "Borrow money");
    // The request window: "Your loan limit is:" reads "--" until a limit is shown.
    const std::optional<std::int32_t> limit = showLoanLimit(run.state(), bank, run.voice);
    askLoan(run, bank, run.text(1), limit ? std::to_string(*limit) : "--");
}

// The loan form's Ask with the limit it shows.
void askLoanCommand(Run& run) {
    askLoan(run, serviceBank(run, &BankServices::loans, "Borrow money"), run.text(1), run.text(2));
}

// Refund: value the RefundOutcome.
void payBack(Run& run, int bank, const std::string& typed) {
    run.handler([&] {
        run.result.value = static_cast<int>(refundLoan(run.state(), bank, typed, run.voice));
    });
}

void refund(Run& run) {
    const int bank = pressBankButton(run, run.index(0), "Refund the loan");
    const std::string shown = std::to_string(run.state().bankAccounts[bank].loanLeft);
    payBack(run, bank, run.has(1) ? run.text(1) : shown);
}

void payLoan(Run& run) {
    payBack(run, serviceBank(run, &BankServices::loans, "Refund the loan"), run.text(1));
}

const InvestPlan& planOf(int bank, const std::string& plan) {
    return investTerms(bank)->plans[plan == "1" ? 0 : 1];
}

void investMoney(Run& run, int bank, const std::string& box, std::int32_t maximum,
                 const InvestPlan& plan) {
    run.handler([&] {
        run.result.value = startInvestment(run.state(), bank, box, maximum, plan, run.voice);
    });
}

void invest(Run& run) {
    const int bank = pressBankButton(run, run.index(0), "Make an Investment");
    const std::optional<std::int32_t> maximum = investmentMaximum(run.state(), bank, run.voice);
    if (!maximum) return; // the form does not open
    const InvestPlan& plan = planOf(bank, run.text(1));
    std::string box = "0"; // as the form is laid out
    // The plan choice and each change of the box recompute the total; a box
    // emptied by the total is one more change, which finds it empty.
    auto updateTotal = [&] {
        run.handler([&] {
            if (investmentTotal(box, plan).emptyBox) box.clear();
        });
    };
    updateTotal();
    const std::string typed = cutTyped(run.text(2), 8);
    if (typed != box) {
        box = typed;
        updateTotal();
    }
    investMoney(run, bank, box, *maximum, plan);
}

// The investment form's "Invest the money" with the maximum it shows.
void investMoneyCommand(Run& run) {
    const int bank = serviceBank(run, &BankServices::investments, "Make an Investment");
    const long long maximum = std::min<long long>(run.number(3), INT32_MAX);
    investMoney(run, bank, run.text(2), static_cast<std::int32_t>(maximum),
                planOf(bank, run.text(1)));
}

void withdraw(Run& run) {
    run.result.value = withdrawInvestment(
        run.state(), pressBankButton(run, run.index(0), "Investment refund"), run.voice);
}

void insure(Run& run) {
    pressBankButton(run, kGermanBank, "Buy Insurance");
    run.result.value =
        signUpInsurance(run.state(), run.text(0) == "1", run.text(1) == "1", run.voice);
}

void signUp(Run& run) {
    run.result.value =
        signUpInsurance(run.state(), run.text(0) == "1", run.text(1) == "1", run.voice);
}

void leaveInsuranceCommand(Run& run) {
    pressBankButton(run, kGermanBank, "Sell insurance");
    leaveInsurance(run.state(), run.voice);
}

// ---------------------------------------------------------------------------
// Staff.

void hire(Run& run) {
    const int staffId = run.index(0);
    if (!hireChoices(run.state(), run.voice)[staffId - 1])
        run.refuse(std::string("the choice of ") + findCandidate(staffId)->name +
                   " is disabled: already hired");
    run.result.value = hireAdmin(run.state(), staffId, run.voice);
}

// The hire window's Hire on the candidate chosen: value 1 when hired.
void hireAdminCommand(Run& run) {
    run.result.value = hireAdmin(run.state(), run.index(0), run.voice);
}

// The staff list shown, row INDEX picked and View pressed: the settings
// window shows that administrator, whose index is returned.
int showAdminSettings(Run& run) {
    const std::size_t rows = staffRows(run.state(), run.voice).size();
    if (static_cast<unsigned long long>(run.number(0)) >= rows)
        run.refuse("the staff list has no row " + run.text(0));
    const int selected = run.index(0);
    settingsCandidate(run.state(), selected, run.voice);
    return selected;
}

// Close & Save: value 1 when the settings were taken.
void saveAdmin(Run& run, int selected, const std::string& tickets, const std::string& drinks,
               const std::string& when, const std::string& amount) {
    run.handler([&] {
        run.result.value =
            closeAndSave(run.state(), selected, {tickets, drinks, when, amount}, run.voice);
    });
}

void admin(Run& run) {
    const int selected = showAdminSettings(run);
    const AdminRecord shown = run.state().admins[selected];
    auto typedWord = [&](std::size_t i, std::int32_t showing) {
        const ScriptWord& word = run.command.args[i];
        return !word.quoted && word.text == "=" ? std::to_string(showing) : word.text;
    };
    saveAdmin(run, selected, typedWord(1, shown.ticketsPerWeek),
              typedWord(2, shown.drinkOrderQuantity), typedWord(3, shown.refundThreshold),
              typedWord(4, shown.refundAmount));
    staffRows(run.state(), run.voice); // the staff list comes back
}

// The settings window's Close & Save as its boxes stand.
void saveAdminCommand(Run& run) {
    saveAdmin(run, run.index(0), run.text(1), run.text(2), run.text(3), run.text(4));
}

void fireAdminCommand(Run& run) {
    run.result.value = fireAdmin(run.state(), showAdminSettings(run), run.voice);
    staffRows(run.state(), run.voice);
}

// The settings window's Fire: value 1 when the administrator left.
void dismissAdmin(Run& run) {
    run.result.value = fireAdmin(run.state(), run.index(0), run.voice);
}

// ---------------------------------------------------------------------------
// Lottery and games.

// The Random button's timer: six numbers drawn for the boxes.
void lottoPick(Run& run) {
    std::int32_t picked[6];
    fillSixNumbers(run.game.random, picked);
    std::copy(std::begin(picked), std::end(picked), run.result.numbers.begin());
}

void ticket(Run& run) {
    std::array<std::string, 6> texts;
    if (run.command.args.size() == 1) { // random: the window's timer fills the boxes
        lottoPick(run);
        for (int box = 0; box < 6; ++box)
            texts[box] = std::to_string(run.result.numbers[box]);
    } else {
        for (int box = 0; box < 6; ++box)
            texts[box] = run.text(box);
    }
    if (lottoTicketsFull(run.state()))
        run.refuse("Buy this ticket is disabled: ten tickets are held");
    run.handler([&] {
        run.result.value = buyLottoTicket(
            run.state(), {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]}, run.voice);
    });
}

void spinBet(Run& run) {
    if (run.game.spinCash.spinning) run.refuse("Spin is disabled: the reels are turning");
    run.handler([&] {
        run.result.value = startSpin(run.state(), run.game.spinCash, run.text(0), run.voice);
    });
}

void spinStepCommand(Run& run) {
    if (!run.game.spinCash.spinning) run.refuse("the reels are not turning");
    run.result.spin =
        spinStep(run.state(), run.game.spinCash, run.game.random, run.session.readClock());
}

void spin(Run& run) {
    // Every spin runs to its end within its command, so Spin is enabled.
    SpinCash& machine = run.game.spinCash;
    run.handler([&] { startSpin(run.state(), machine, run.text(0), run.voice); });
    while (machine.spinning)
        spinStep(run.state(), machine, run.game.random, run.session.readClock());
}

void raceStart(Run& run) {
    if (run.game.race.running) run.refuse("Start The Race is disabled: a race is running");
    run.handler([&] {
        run.result.value = startRace(run.state(), run.game.random, run.game.race, run.index(0),
                                     run.text(1), run.voice);
    });
}

void raceStep(Run& run) {
    if (!run.game.race.running) run.refuse("no race is running");
    raceTick(run.state(), run.game.random, run.game.race, run.game.raceCommentary, run.voice);
}

void race(Run& run) {
    Race& race = run.game.race;
    race = Race{}; // the window's race, idle between commands
    run.handler([&] {
        startRace(run.state(), run.game.random, race, run.index(0), run.text(1), run.voice);
    });
    while (race.running)
        raceTick(run.state(), run.game.random, race, run.game.raceCommentary, run.voice);
}

// ---------------------------------------------------------------------------
// The table.

constexpr const char* kTicketUsage = "ticket N1 N2 N3 N4 N5 N6 | ticket random";
constexpr const char* kJournalUsage = "journal new | journal load SHA256";

const std::vector<Row>& rows() {
    using A = Arg;
    static const std::vector<Row> table = {
        // Whole visits.
        {"days", {A::Days}, nullptr, "days N", days},
        {"buy-bar",
         {A::Whole, A::Text, A::Class, A::Music, A::Text},
         nullptr,
         "buy-bar LIST NAME CLASS MUSIC PRICE",
         buyBar},
        {"order",
         {A::BarLine, A::Whole, A::Text, A::Text},
         "unused",
         "order BAR DRINK QTY PRICE [unused]",
         order},
        {"toggle", {A::Whole}, nullptr, "toggle BAR", toggle},
        {"entry-price", {A::Whole, A::Text}, nullptr, "entry-price BAR PRICE", entryPrice},
        {"promote", {A::Whole, A::Kind}, nullptr, "promote BAR KIND", promote},
        {"member", {A::Bank}, nullptr, "member BANK", member},
        {"borrow", {A::Bank, A::Text}, nullptr, "borrow BANK AMOUNT", borrow},
        {"refund", {A::Bank}, nullptr, "refund BANK [AMOUNT]", refund, true},
        {"invest", {A::Bank, A::Plan, A::Text}, nullptr, "invest BANK PLAN AMOUNT", invest},
        {"withdraw", {A::Bank}, nullptr, "withdraw BANK", withdraw},
        {"insure", {A::Tick, A::Tick}, nullptr, "insure FIRE THEFT", insure},
        {"leave-insurance", {}, nullptr, "leave-insurance", leaveInsuranceCommand},
        {"hire", {A::Staff}, nullptr, "hire STAFF", hire},
        {"admin",
         {A::Whole, A::Text, A::Text, A::Text, A::Text},
         nullptr,
         "admin INDEX TICKETS DRINKS REFWHEN REFAMOUNT",
         admin},
        {"fire-admin", {A::Whole}, nullptr, "fire-admin INDEX", fireAdminCommand},
        // Two forms: the first that fits is taken.
        {"ticket", {A::Random}, nullptr, kTicketUsage, ticket},
        {"ticket",
         {A::Text, A::Text, A::Text, A::Text, A::Text, A::Text},
         nullptr,
         kTicketUsage,
         ticket},
        {"spin", {A::Text}, nullptr, "spin BET", spin},
        {"race", {A::Car, A::Text}, nullptr, "race CAR BET", race},

        // The steps of a visit during which the game changes.
        {"day", {}, nullptr, "day", day},
        {"fire", {}, nullptr, "fire", fire},
        {"add-money", {A::Text}, nullptr, "add-money AMOUNT", addMoney},
        {"new-game", {}, nullptr, "new-game", newGame},
        {"owner-kind", {A::Archetype}, nullptr, "owner-kind KIND", ownerKind},
        {"owner", {A::Text}, nullptr, "owner NAME", owner},
        {"bar-setup", {}, nullptr, "bar-setup", barSetup},
        {"bar-class", {A::BarClass}, nullptr, "bar-class CLASS", barClass},
        {"bar-music", {A::Letter, A::Tick}, nullptr, "bar-music LETTER TICK", barMusic},
        {"create-bar",
         {A::Whole, A::Text, A::Text},
         nullptr,
         "create-bar LIST NAME PRICE",
         createBarCommand},
        {"pick-bar", {A::Whole}, nullptr, "pick-bar BAR", pickBar},
        {"place-order",
         {A::Tick, A::BarLine, A::Pick, A::Text, A::Text, A::Tick},
         nullptr,
         "place-order PICKED BAR DRINK QTY PRICE USED",
         placeOrderCommand},
        {"read-price", {A::Text}, nullptr, "read-price PRICE", readPrice},
        {"promote-bar", {A::Whole, A::Advert}, nullptr, "promote-bar BAR KIND", promoteBarCommand},
        {"ask-loan",
         {A::Bank, A::Text, A::Text},
         nullptr,
         "ask-loan BANK AMOUNT LIMIT",
         askLoanCommand},
        {"pay-loan", {A::Bank, A::Text}, nullptr, "pay-loan BANK AMOUNT", payLoan},
        {"invest-money",
         {A::Bank, A::Plan, A::Text, A::Whole},
         nullptr,
         "invest-money BANK PLAN AMOUNT MAXIMUM",
         investMoneyCommand},
        {"sign-up", {A::Tick, A::Tick}, nullptr, "sign-up FIRE THEFT", signUp},
        {"hire-admin", {A::Staff}, nullptr, "hire-admin STAFF", hireAdminCommand},
        {"save-admin",
         {A::Whole, A::Text, A::Text, A::Text, A::Text},
         nullptr,
         "save-admin INDEX TICKETS DRINKS REFWHEN REFAMOUNT",
         saveAdminCommand},
        {"dismiss-admin", {A::Whole}, nullptr, "dismiss-admin INDEX", dismissAdmin},
        {"lotto-pick", {}, nullptr, "lotto-pick", lottoPick},
        {"spin-bet", {A::Text}, nullptr, "spin-bet BET", spinBet},
        {"spin-step", {}, nullptr, "spin-step", spinStepCommand},
        {"race-start", {A::Car, A::Text}, nullptr, "race-start CAR BET", raceStart},
        {"race-step", {}, nullptr, "race-step", raceStep},

        // What a journal read from outside the game.
        {"journal", {A::New}, nullptr, kJournalUsage, journalOpening},
        {"journal", {A::Load, A::Hash}, nullptr, kJournalUsage, journalOpening},
        {"seed", {A::Seed}, nullptr, "seed S", seed},
        {"decimal", {A::Char}, nullptr, "decimal C", decimal},
        {"lists", {A::Hash, A::Hash}, nullptr, "lists BARS DRINKS", lists},
        {"reels", {A::Reel, A::Reel, A::Reel}, nullptr, "reels R1 R2 R3", reels},
        {"commentary",
         {A::Car, A::Whole, A::Whole},
         nullptr,
         "commentary LEADER SAME COMMENTS",
         commentary},
        {"time", {A::Signed}, nullptr, "time SECONDS", time},
    };
    return table;
}

// The command's words read by one of its forms.
ScriptCommand readForm(ScriptCommand command, const Row& form,
                       const std::vector<ScriptWord>& words) {
    const int line = command.line;
    const std::string usage = std::string("usage: ") + form.usage;
    std::size_t next = 1;
    if (words.size() - 1 < form.args.size()) throw ScriptError(line, "too few words; " + usage);
    for (Arg arg : form.args) {
        if (std::string fault = argFault(arg, words[next]); !fault.empty())
            throw ScriptError(line, fault + "; " + usage);
        command.args.push_back(words[next++]);
    }
    if (form.optional && next < words.size() && !words[next].quoted &&
        words[next].text == form.optional)
        command.args.push_back(words[next++]);
    if (form.optionalText && next < words.size()) command.args.push_back(words[next++]);
    for (; next < words.size(); ++next) {
        const ScriptWord& word = words[next];
        if (word.quoted || (word.text != "yes" && word.text != "no"))
            throw ScriptError(line, "unexpected word '" + printable(word.text) + "'; " + usage +
                                        " [yes|no ...]");
        command.answers.push_back(word.text == "yes");
    }
    return command;
}

const Row* rowOf(const std::string& name) {
    for (const Row& row : rows())
        if (name == row.name) return &row;
    return nullptr;
}

} // namespace

ScriptCommand readCommand(int line, const std::vector<ScriptWord>& words) {
    ScriptCommand command;
    command.line = line;
    command.name = words.front().text;
    const std::string unknown = "unknown command '" + printable(command.name) + "'";
    if (words.front().quoted) throw ScriptError(line, unknown);
    // A command of several forms takes the first that fits; when none does,
    // the last one's fault is reported.
    const Row* last = nullptr;
    for (const Row& form : rows()) {
        if (command.name != form.name) continue;
        if (last != nullptr) {
            try {
                return readForm(command, *last, words);
            } catch (const ScriptError&) {
            }
        }
        last = &form;
    }
    if (last == nullptr) throw ScriptError(line, unknown);
    return readForm(command, *last, words);
}

ScriptWord word(std::string text) {
    return {std::move(text), false};
}

ScriptWord typed(std::string text) {
    return {std::move(text), true};
}

ScriptCommand command(std::string name, std::vector<ScriptWord> args) {
    ScriptCommand made;
    made.name = std::move(name);
    made.args = std::move(args);
    return made;
}

CommandResult runCommand(Session& session, const ScriptCommand& command, Voice& voice) {
    const Row* row = rowOf(command.name);
    if (row == nullptr) throw CommandRefused("unknown command '" + printable(command.name) + "'");
    Run run{session, session.game(), command, voice, {}};
    run.result.ran = true;
    row->action(run);
    return run.result;
}

bool journalsItself(const ScriptCommand& command) {
    return command.name == "time" || command.name == "journal";
}

bool beginsJournal(const ScriptCommand& command) {
    return command.name == "new-game";
}

} // namespace tavo
