#include "game/AdminDuties.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

const NumberFormat kPoint{'.'};

TDrinkList drinksAt(const char* price) {
    TDrinkList drinks;
    drinks.append(makeDrink("Lager", price));
    return drinks;
}

TEST(AdminDuties, RestockingSkipsFullUnusedAndUnknownSlots) {
    GameState state = startedGame(100000);
    BarRecord& bar = addBar(state, 10, 0);
    addSlot(bar, 0, 50, 4);       // 50 is enough
    addSlot(bar, 0, 0, 4, false); // not sold any more
    addSlot(bar, 7, 0, 4);        // a drink the loaded list does not hold
    addSlot(bar, -1, 0, 4);
    const GameState before = state;
    restockDrinks(state, 100, drinksAt("2.50"), kPoint);
    EXPECT_EQ(std::memcmp(&state, &before, sizeof state), 0);
}

TEST(AdminDuties, UnreadablePriceStopsAfterTheSlotsAlreadyRestocked) {
    GameState state = startedGame(100000);
    TDrinkList drinks;
    drinks.append(makeDrink("Lager", "2.50"));
    drinks.append(makeDrink("Stout", "3,10"));
    BarRecord& bar = addBar(state, 10, 0);
    addSlot(bar, 0, 0, 4);
    addSlot(bar, 1, 0, 4, false); // the price is read before the in-use test
    addSlot(bar, 0, 10, 4);
    try {
        restockDrinks(state, 100, drinks, kPoint);
        FAIL() << "no conversion error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'3,10' is not a valid floating point value");
    }
    EXPECT_EQ(std::tuple(bar.drinks[0].stock, bar.drinks[2].stock), std::tuple(100, 10));
}

TEST(AdminDuties, TwoDrinkAdministratorsBothRestockALowSlot) {
    Game game;
    game.state = startedGame(1150); // the first can afford 20 units, then 50 remain above 1000
    game.drinks = drinksAt("2.50");
    BarRecord& bar = addBar(game.state, 10, 0);
    addSlot(bar, 0, 0, 4);
    addAdmin(game.state, false, true, false).drinkOrderQuantity = 20;
    addAdmin(game.state, false, true, false).drinkOrderQuantity = 20;
    VectorSink messages;
    runAdminDailyDuties(game.state, game.random, game.drinks, kPoint, messages);
    EXPECT_EQ(std::tuple(bar.drinks[0].stock, game.state.money), std::tuple(40, 1050.0));
    EXPECT_TRUE(messages.messages.empty()) << "restocking posts nothing";
}

// The week's end adds each ticket buyer's allowance to what he still has to
// buy; a loan's days are counted on the six other days.
TEST(AdminDuties, TicketsOnWeekDaysTwoToFourAboveTheReserve) {
    Game game;
    game.state = startedGame(100000);
    AdminRecord& admin = addAdmin(game.state, true, false, false);
    admin.ticketPrice = 100;
    admin.ticketsPending = 4;
    admin.ticketsPerWeek = 2;
    AdminRecord& noDuty = addAdmin(game.state, false, true, false);
    noDuty.ticketsPerWeek = 3;
    const BankAccount& loan = openLoan(game.state, kInvestBank, 0, 100);
    VectorSink messages;
    int boughtOn[8] = {};
    for (int day = 2; day <= 7; ++day) { // week days 2..7 follow week day 1
        int before = game.state.lottoTicketCount;
        runGameDay(game, messages);
        ASSERT_EQ(game.state.weekDay, day);
        boughtOn[day] = game.state.lottoTicketCount - before;
    }
    EXPECT_EQ(std::tuple(boughtOn[2] + boughtOn[3] + boughtOn[4],
                         boughtOn[5] + boughtOn[6] + boughtOn[7], admin.ticketsPending,
                         game.state.gamblingBalance, game.state.lottoDrawPending),
              std::tuple(3, 0, 1, -300, 1));
    runGameDay(game, messages);
    EXPECT_EQ(std::tuple(admin.ticketsPending, noDuty.ticketsPending, loan.loanDayCount),
              std::tuple(1 + 2, 0, 6));
}

// Each ticket bought counts in "Lottery tickets buy:", held at the top.
TEST(AdminDuties, TicketsAboveTheReserveBelowTenHeldAndCounted) {
    constexpr std::int32_t kTop = std::numeric_limits<std::int32_t>::max();
    struct Case {
        const char* what;
        double money;
        std::int16_t held;
        bool buys;
        std::int32_t counted, countedAfter;
    };
    const Case cases[] = {{"the reserve kept", 1000, 0, false, 0, 0},
                          {"above the reserve", 1000.5, 0, true, 0, 1},
                          {"the tenth ticket", 5000, 9, true, 41, 42},
                          {"ten held", 5000, 10, false, 41, 41},
                          {"counted to the top", 5000, 3, true, kTop - 1, kTop},
                          {"held at the top", 5000, 3, true, kTop, kTop}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        game.state = startedGame(c.money);
        game.state.weekDay = 3;
        game.state.lottoTicketCount = c.held;
        game.state.adminTicketCount = c.counted;
        AdminRecord& admin = addAdmin(game.state, true, false, false);
        admin.ticketPrice = 50;
        admin.ticketsPending = 2;
        const std::uint32_t seed = game.random.seed();
        VectorSink messages;
        runAdminDailyDuties(game.state, game.random, game.drinks, kPoint, messages);
        EXPECT_EQ(std::tuple(admin.ticketsPending, game.state.money, game.state.lottoTicketCount,
                             game.state.adminTicketCount),
                  std::tuple(c.buys ? 1 : 2, c.money - (c.buys ? 50 : 0), c.held + c.buys,
                             c.countedAfter));
        EXPECT_TRUE(c.buys || game.random.seed() == seed) << "nothing drawn";
    }
}

// The largest affordable quantity of q, q-50, ... as trying each in turn
// finds it, for quantities far beyond any sensible order too.
TEST(AdminDuties, RestockQuantityAsTheStepsWouldFindIt) {
    auto stepByStep = [](double money, std::int32_t q, double retail) -> std::int32_t {
        for (; q > 0; q -= 50)
            if (money - 1000 >= q * retail) return q;
        return 0;
    };
    Random dice;
    const double retails[] = {2.5, 0.01, 3.99, 0.0, -1.0, 1e-300, 7.25, 1e9, 0.3};
    const double moneys[] = {1300, 1000, 999.5, 1e6, 1e12, -5e3, 1049.99, 2e9};
    for (int trial = 0; trial < 50000; ++trial) {
        const double retail = retails[dice.below(static_cast<int>(std::size(retails)))];
        const double money = moneys[dice.below(static_cast<int>(std::size(moneys)))];
        const std::int32_t q = dice.below(2) * dice.below(30000) * 7 + dice.below(300) - 5;
        ASSERT_EQ(affordableQuantity(money, q, retail), stepByStep(money, q, retail))
            << money << " " << q << " " << retail;
    }
    // A damaged save's order of two billion units buys what the money allows.
    GameState state = test::startedGame(1300);
    BarRecord& bar = test::addBar(state, 10, 0);
    test::addSlot(bar, 0, 0, 4);
    restockDrinks(state, 2000000000, drinksAt("2.5"), kPoint);
    EXPECT_EQ(std::tuple(bar.drinks[0].stock, state.money, bar.profitThisMonth),
              std::tuple(100, 1050.0, -250));
}

} // namespace
} // namespace tavo
