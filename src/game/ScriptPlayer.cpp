#include "game/ScriptPlayer.h"

#include "banks/BankIds.h"
#include "banks/InsuranceDesk.h"
#include "banks/InvestDesk.h"
#include "banks/LoanDesk.h"
#include "banks/Membership.h"
#include "bars/BarInfo.h"
#include "bars/BarPurchase.h"
#include "bars/DrinkOrder.h"
#include "bars/Promotion.h"
#include "game/Days.h"
#include "leisure/Lotto.h"
#include "leisure/Race.h"
#include "leisure/SpinCash.h"
#include "staff/AdminSettings.h"
#include "staff/Hiring.h"

#include <algorithm>
#include <climits>
#include <ostream>

namespace tavo {
namespace {

// The configuration as tavo-sim keeps it: changed for the run, never
// written.
class UnwrittenConfig final : public ConfigStore {
public:
    bool write(const ConfigRecord&) override { return true; }
};

// The next character of a UTF-8 text; an invalid byte reads as U+FFFD.
char32_t nextCharacter(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t value = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return value;
}

long long number(const ScriptWord& word) {
    return wholeNumber(word.text);
}

int asIndex(long long value) {
    return static_cast<int>(std::min<long long>(value, INT_MAX));
}

const char* const kClassNames[] = {"", "Low", "High", "Dark", "Rave"};

const char* bankName(int bank) {
    return bank == kInvestBank ? "Invest Bank" : bank == kGermanBank ? "German Bank" : "China Cash";
}

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

} // namespace

std::string typedName(std::string_view utf8, std::size_t maxLength) {
    std::string latin1;
    std::size_t units = 0; // a box counts UTF-16 units
    for (std::size_t i = 0; i < utf8.size() && units < maxLength;) {
        const char32_t c = nextCharacter(utf8, i);
        units += c > 0xFFFF ? 2 : 1;
        latin1 += c <= 0xFF ? static_cast<char>(c) : '?';
    }
    return latin1;
}

void ScriptPrinter::line(const char* lead, const std::string& text) {
    std::string shown = lead;
    for (char c : text) {
        if (c == '\n')
            shown += "\\n";
        else
            shown += c;
    }
    out_ << shown << '\n';
}

void ScriptPrinter::post(const Phrase& text) {
    if (heard) heard(text, "");
    line("", text.text());
}

void ScriptPrinter::say(const Words& words) {
    if (heard) heard(words.phrase, words.title);
    line("> ", words.text);
}

bool ScriptPrinter::ask(const Words& words) {
    if (heard) heard(words.phrase, words.title);
    line("? ", words.text);
    if (answers.empty()) return true;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

void ScriptPrinter::sayError(const Phrase& text) {
    if (heard) heard(text, kAppTitle);
    line("> ", text.text());
}

ScriptPlayer::ScriptPlayer(Game& game, const TimeSource& clock, std::ostream& out,
                           std::function<void(const std::string&)> note)
    : game_(game), clock_(clock), printer_(out), note_(std::move(note)) {}

template <typename Handler>
void ScriptPlayer::handler(Handler&& run) {
    try {
        run();
    } catch (const ConversionError& error) {
        printer_.sayError(error.phrase);
    }
}

void ScriptPlayer::play(const std::vector<ScriptCommand>& commands) {
    for (const ScriptCommand& command : commands)
        play(command);
}

void ScriptPlayer::play(const ScriptCommand& command) {
    printer_.answers.assign(command.answers.begin(), command.answers.end());
    run(command);
    if (const std::size_t left = printer_.answers.size(); left > 0) {
        const std::size_t asked = command.answers.size() - left;
        throw ScriptError(command.line,
                          std::to_string(left) + " answer word" + (left == 1 ? " was" : "s were") +
                              " left over: the command asked " + std::to_string(asked) +
                              " question" + (asked == 1 ? "" : "s"));
    }
}

void ScriptPlayer::run(const ScriptCommand& command) {
    if (command.name == "days")
        days(command);
    else if (command.name == "buy-bar")
        buyBar(command);
    else if (command.name == "order")
        order(command);
    else if (command.name == "toggle")
        toggle(command);
    else if (command.name == "entry-price")
        entryPrice(command);
    else if (command.name == "promote")
        promote(command);
    else if (command.name == "member")
        member(command);
    else if (command.name == "borrow")
        borrow(command);
    else if (command.name == "refund")
        refund(command);
    else if (command.name == "invest")
        invest(command);
    else if (command.name == "withdraw")
        withdraw(command);
    else if (command.name == "insure")
        insure(command);
    else if (command.name == "leave-insurance")
        leaveInsurance(command);
    else if (command.name == "hire")
        hire(command);
    else if (command.name == "admin")
        admin(command);
    else if (command.name == "fire-admin")
        fireAdmin(command);
    else if (command.name == "ticket")
        ticket(command);
    else if (command.name == "spin")
        spin(command);
    else if (command.name == "race")
        race(command);
    else
        throw ScriptError(command.line, "unknown command '" + command.name + "'");
}

void ScriptPlayer::days(const ScriptCommand& command) {
    runDays(game_, number(command.args[0]), clock_, printer_, note_);
}

int ScriptPlayer::ownedBar(const ScriptCommand& command, const ScriptWord& bar) const {
    const long long picked = number(bar);
    if (picked >= std::clamp(game_.state.barCount, 0, kMaxBars))
        throw ScriptError(command.line, "you own no bar " + bar.text);
    return static_cast<int>(picked);
}

void ScriptPlayer::buyBar(const ScriptCommand& command) {
    GameState& state = game_.state;
    // The town map, opened from the game window: a line picked, Buy pressed.
    const int line = asIndex(number(command.args[0]));
    const BarListEntry* entry = game_.bars.at(line);
    if (entry == nullptr)
        throw ScriptError(command.line, "the bars list has no line " + command.args[0].text);
    if (ownsListBar(state, line))
        throw ScriptError(command.line, "bar " + command.args[0].text +
                                            " of the list is yours already: Buy is disabled");
    bool allowed[5] = {false, true, true, true, true}; // as the setup window is laid out
    applyClassMask(entry->classMask, allowed);
    bool opened = false;
    handler([&] { opened = pressBuy(state, game_.bars, line, printer_); });
    if (!opened) throw ScriptError(command.line, "Buy did not open the bar setup window");

    // The bar setup window: name, class, music, entry price, Create.
    clearBarChoices(state);
    const std::string name = typedName(command.args[1].text, kBarNameLength);
    const bool createEnabled = !name.empty(); // only a change of the name enables Create
    const int barClass = command.args[2].text[0] - '0';
    if (barClass != kNoClass) {
        if (!allowed[barClass])
            throw ScriptError(command.line, std::string("the ") + kClassNames[barClass] +
                                                " Class is disabled for this bar");
        chooseBarClass(state, barClass);
    }
    bool ticked[5] = {};
    int musicCount = 0;
    if (command.args[3].text != "-")
        for (char letter : command.args[3].text) {
            const int box = static_cast<int>(std::string_view("atdmr").find(letter));
            ticked[box] = !ticked[box];
            chooseMusic(state, static_cast<Music>(box), ticked[box]);
            musicCount += ticked[box] ? 1 : -1;
        }
    const std::string& price = command.args[4].text;
    if (!createEnabled)
        throw ScriptError(command.line, "Create is disabled: the bar's name was never typed");
    handler([&] {
        createBar(state, game_.bars, {line, name, price, musicCount}, game_.numberFormat, printer_,
                  printer_);
    });
}

void ScriptPlayer::order(const ScriptCommand& command) {
    GameState& state = game_.state;
    OrderForm form;
    form.barPicked = true;
    if (command.args[0].text != "all") {
        form.orderBar = ownedBar(command, command.args[0]);
        state.currentBar = form.orderBar;
    }
    const int drink = asIndex(number(command.args[1]));
    if (game_.drinks.at(drink) == nullptr)
        throw ScriptError(command.line, "the drinks list has no drink " + command.args[1].text);
    form.drinkIndex = drink;
    if (form.orderBar != kAllBars) { // the box follows the bar's slot for the drink
        BarRecord& bar = state.bars[form.orderBar];
        const int slot = findDrinkSlot(bar, drink, false);
        if (slot >= 0 && bar.drinks[slot].salePrice > 0) form.inUse = bar.drinks[slot].inUse != 0;
    }
    form.quantity = command.args[2].text;
    form.salePrice = command.args[3].text;
    if (command.args.size() > 4) form.inUse = false; // unused
    UnwrittenConfig store;
    handler([&] {
        placeOrder(state, game_.config, store, game_.drinks, form, game_.numberFormat, printer_);
    });
}

void ScriptPlayer::refreshInfo() {
    const GameState& state = game_.state;
    const int bar = state.currentBar;
    const bool shown = bar >= 0 && bar < state.barCount && bar < kMaxBars;
    infoPages_.turn(shown ? std::clamp(state.bars[bar].drinkCount, 0, kMaxDrinkSlots) : 0);
}

int ScriptPlayer::showInfoAndPick(const ScriptCommand& command, const ScriptWord& bar) {
    infoPages_.page = 0;
    refreshInfo();
    const int picked = ownedBar(command, bar);
    game_.state.currentBar = picked;
    refreshInfo();
    return picked;
}

void ScriptPlayer::toggle(const ScriptCommand& command) {
    toggleOpen(game_.state, showInfoAndPick(command, command.args[0]));
}

void ScriptPlayer::entryPrice(const ScriptCommand& command) {
    const int bar = showInfoAndPick(command, command.args[0]);
    handler([&] {
        setEntryPrice(game_.state, bar, command.args[1].text, game_.numberFormat, printer_);
    });
}

void ScriptPlayer::promote(const ScriptCommand& command) {
    const int bar = ownedBar(command, command.args[0]);
    const std::string& kind = command.args[1].text;
    const Advert advert = kind == "news"    ? Advert::Newspaper
                          : kind == "radio" ? Advert::Radio
                                            : Advert::Tv;
    promoteBar(game_.state, bar, advert, printer_);
}

int ScriptPlayer::pressBankButton(const ScriptCommand& command, int bank, const char* caption) {
    const BankServices services = bankServices(bank);
    const BankView view = bankView(game_.state, bank);
    const std::string button(caption);
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
        if (button != b.caption) continue;
        if (!b.offered)
            throw ScriptError(command.line,
                              std::string(bankName(bank)) + " has no \"" + button + "\"");
        if (!b.enabled)
            throw ScriptError(command.line, "\"" + button + "\" is disabled at " + bankName(bank));
        return bank;
    }
    throw ScriptError(command.line, "no button \"" + button + "\"");
}

namespace {

int bankOf(const ScriptCommand& command) {
    return static_cast<int>(number(command.args[0]));
}

} // namespace

void ScriptPlayer::member(const ScriptCommand& command) {
    becomeMember(game_.state, pressBankButton(command, bankOf(command), "Become a member"),
                 printer_);
}

void ScriptPlayer::borrow(const ScriptCommand& command) {
    const int bank = pressBankButton(command, bankOf(command), "Borrow money");
    // The request window: "Your loan limit is:" reads "--" until a limit is shown.
    const std::optional<std::int32_t> limit = showLoanLimit(game_.state, bank, printer_);
    const std::string limitText = limit ? std::to_string(*limit) : "--";
    handler([&] { requestLoan(game_.state, bank, command.args[1].text, limitText, printer_); });
}

void ScriptPlayer::refund(const ScriptCommand& command) {
    const int bank = pressBankButton(command, bankOf(command), "Refund the loan");
    const std::string shown = std::to_string(game_.state.bankAccounts[bank].loanLeft);
    const std::string typed = command.args.size() > 1 ? command.args[1].text : shown;
    handler([&] { refundLoan(game_.state, bank, typed, printer_); });
}

void ScriptPlayer::invest(const ScriptCommand& command) {
    const int bank = pressBankButton(command, bankOf(command), "Make an Investment");
    const std::optional<std::int32_t> maximum = investmentMaximum(game_.state, bank, printer_);
    if (!maximum) return; // the form does not open
    const InvestPlan& plan = investTerms(bank)->plans[command.args[1].text == "1" ? 0 : 1];
    std::string box = "0"; // as the form is laid out
    // The plan choice and each change of the box recompute the total; a box
    // emptied by the total is one more change, which finds it empty.
    auto updateTotal = [&] {
        handler([&] {
            if (investmentTotal(box, plan).emptyBox) box.clear();
        });
    };
    updateTotal();
    const std::string typed = cutTyped(command.args[2].text, 8);
    if (typed != box) {
        box = typed;
        updateTotal();
    }
    handler([&] { startInvestment(game_.state, bank, box, *maximum, plan, printer_); });
}

void ScriptPlayer::withdraw(const ScriptCommand& command) {
    withdrawInvestment(game_.state, pressBankButton(command, bankOf(command), "Investment refund"),
                       printer_);
}

void ScriptPlayer::insure(const ScriptCommand& command) {
    pressBankButton(command, kGermanBank, "Buy Insurance");
    signUpInsurance(game_.state, command.args[0].text == "1", command.args[1].text == "1",
                    printer_);
}

void ScriptPlayer::leaveInsurance(const ScriptCommand& command) {
    pressBankButton(command, kGermanBank, "Sell insurance");
    tavo::leaveInsurance(game_.state, printer_);
}

void ScriptPlayer::hire(const ScriptCommand& command) {
    const int staffId = command.args[0].text[0] - '0';
    if (!hireChoices(game_.state, printer_)[staffId - 1])
        throw ScriptError(command.line, std::string("the choice of ") +
                                            findCandidate(staffId)->name +
                                            " is disabled: already hired");
    hireAdmin(game_.state, staffId, printer_);
}

int ScriptPlayer::showAdminSettings(const ScriptCommand& command) {
    const std::size_t rows = staffRows(game_.state, printer_).size();
    if (static_cast<unsigned long long>(number(command.args[0])) >= rows)
        throw ScriptError(command.line, "the staff list has no row " + command.args[0].text);
    const int selected = static_cast<int>(number(command.args[0]));
    settingsCandidate(game_.state, selected, printer_);
    return selected;
}

void ScriptPlayer::leaveAdminSettings() {
    staffRows(game_.state, printer_);
}

void ScriptPlayer::admin(const ScriptCommand& command) {
    const int selected = showAdminSettings(command);
    const AdminRecord shown = game_.state.admins[selected];
    auto typed = [](const ScriptWord& word, std::int32_t showing) {
        return !word.quoted && word.text == "=" ? std::to_string(showing) : word.text;
    };
    const std::string tickets = typed(command.args[1], shown.ticketsPerWeek);
    const std::string drinks = typed(command.args[2], shown.drinkOrderQuantity);
    const std::string when = typed(command.args[3], shown.refundThreshold);
    const std::string amount = typed(command.args[4], shown.refundAmount);
    handler([&] {
        closeAndSave(game_.state, selected, {tickets, drinks, when, amount}, printer_);
    });
    leaveAdminSettings();
}

void ScriptPlayer::fireAdmin(const ScriptCommand& command) {
    tavo::fireAdmin(game_.state, showAdminSettings(command), printer_);
    leaveAdminSettings();
}

void ScriptPlayer::ticket(const ScriptCommand& command) {
    std::array<std::string, 6> texts;
    if (command.args.size() == 1) { // random: the window's timer fills the boxes
        std::int32_t picked[6];
        fillSixNumbers(game_.random, picked);
        for (int box = 0; box < 6; ++box)
            texts[box] = std::to_string(picked[box]);
    } else {
        for (int box = 0; box < 6; ++box)
            texts[box] = command.args[box].text;
    }
    if (lottoTicketsFull(game_.state))
        throw ScriptError(command.line, "Buy this ticket is disabled: ten tickets are held");
    handler([&] {
        buyLottoTicket(game_.state, {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]},
                       printer_);
    });
}

void ScriptPlayer::spin(const ScriptCommand& command) {
    // Every spin runs to its end within its command, so Spin is enabled.
    SpinCash& machine = game_.spinCash;
    handler([&] { startSpin(game_.state, machine, command.args[0].text, printer_); });
    while (machine.spinning)
        spinStep(game_.state, machine, game_.random, clock_.nowSeconds());
}

void ScriptPlayer::race(const ScriptCommand& command) {
    Race race; // the window's race, idle between commands
    const int car = command.args[0].text[0] - '0';
    handler(
        [&] { startRace(game_.state, game_.random, race, car, command.args[1].text, printer_); });
    while (race.running)
        raceTick(game_.state, game_.random, race, game_.raceCommentary, printer_);
}

} // namespace tavo
