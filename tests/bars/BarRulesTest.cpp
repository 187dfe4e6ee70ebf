#include "bars/BarInfo.h"
#include "bars/BarPurchase.h"
#include "bars/DrinkOrder.h"
#include "bars/Owner.h"
#include "bars/Promotion.h"

#include "support/EngineTest.h"

#include <span>

namespace tavo {
namespace {

const NumberFormat kPoint{'.'};

BarListEntry listBar(std::int32_t price, std::int32_t peoplePerDay, std::int32_t maxClients) {
    BarListEntry entry = test::makeBar("Corner Bar", price, 5, maxClients);
    entry.peoplePerDay = peoplePerDay;
    return entry;
}

TEST(Owner, CreateNeedsANameAndResetsTheCounters) {
    GameState state{};
    state.barCount = 4;
    state.gamblingBalance = -300;
    const GameState before = state;
    RecordingVoice voice;
    EXPECT_FALSE(createOwner(state, "", voice));
    EXPECT_EQ(voice.texts(), Texts{"You must enter a owner name."});
    EXPECT_TRUE(voice.said[0].words.plain());
    EXPECT_EQ(std::memcmp(&state, &before, sizeof state), 0);

    const std::string name(29, 'x');
    EXPECT_TRUE(createOwner(state, name + "yz", voice));
    EXPECT_EQ(fixedText(state.ownerName), name);
    EXPECT_EQ(state.barCount, 0);
    EXPECT_EQ(state.gamblingBalance, 0);
    EXPECT_EQ(state.lottoJackpot, 1000000);
    EXPECT_TRUE(createOwner(state, " ", voice)); // blanks are a name
    EXPECT_EQ(voice.said.size(), 1u);
}

TEST(BarPurchase, ClientsAtPurchase) {
    struct Case {
        const char* what;
        std::int32_t base, maxClients, barClass;
        bool music[5];
        std::int32_t knowledge, expected;
    };
    const Case cases[] = {
        {"Low", 60, 100, kLowClass, {true, false, true, false, false}, 2, 67},
        {"Low, at the maximum", 60, 40, kLowClass, {true, false, true, false, false}, 2, 40},
        {"Low, the least", 3, 100, kLowClass, {false, false, false, true, false}, 1, 5},
        {"5 wins over the maximum", 3, 2, kLowClass, {false, false, false, false, true}, 3, 5},
        {"Rave", 50, 100, kRaveClass, {true, true, true, true, true}, 3, 38},
        {"Dark", 50, 100, kDarkClass, {false, false, false, true, true}, 2, 57},
        {"High", 50, 100, kHighClass, {false, false, true, false, true}, 1, 37},
    };
    for (const Case& c : cases)
        EXPECT_EQ(clientsAtPurchase(listBar(1000, c.base, c.maxClients), c.barClass, c.music,
                                    c.knowledge),
                  c.expected)
            << c.what;
}

TEST(BarPurchase, ClassMasks) {
    struct Case {
        std::int32_t mask;
        bool low, high, dark, rave;
    };
    const Case cases[] = {{1, 1, 0, 0, 0}, {2, 0, 1, 0, 0}, {3, 0, 0, 1, 0}, {4, 0, 0, 0, 1},
                          {5, 1, 1, 1, 0}, {6, 1, 1, 0, 0}, {7, 0, 0, 1, 1}};
    for (const Case& c : cases) {
        bool allowed[5] = {};
        applyClassMask(c.mask, allowed);
        EXPECT_EQ(allowed[kLowClass], c.low) << c.mask;
        EXPECT_EQ(allowed[kHighClass], c.high) << c.mask;
        EXPECT_EQ(allowed[kDarkClass], c.dark) << c.mask;
        EXPECT_EQ(allowed[kRaveClass], c.rave) << c.mask;
    }
    bool unchanged[5] = {false, true, false, true, false};
    applyClassMask(9, unchanged);
    EXPECT_TRUE(unchanged[kLowClass] && unchanged[kDarkClass] && !unchanged[kHighClass]);
}

struct Purchase {
    GameState state = test::startedGame(1000);
    TBarList bars;
    VectorSink messages;
    RecordingVoice voice;
    Purchase(std::int32_t price = 6000) {
        state.knowledge = 2;
        bars.append(listBar(price, 60, 100));
    }
    PurchaseOutcome buy(std::string_view name, std::string_view price, int musicCount,
                        std::int32_t barClass) {
        chooseBarClass(state, barClass);
        chooseMusic(state, Music::Alternative, musicCount > 0);
        chooseMusic(state, Music::Dance, musicCount > 1);
        return createBar(state, bars, {0, name, price, musicCount}, kPoint, voice, messages);
    }
};

TEST(BarPurchase, EveryFailedCheckIsSaidInOrder) {
    const std::string name = "You must choose a name for your bar.";
    const std::string price = "The price you set to enter your bar is too high!";
    const std::string music = "You must choose at least one type of music.";
    const std::string kind = "You must choose a type of bar.";
    const std::string money = "You don't have enough money to buy this bar.";
    struct Case {
        const char* what;
        const char* name;
        const char* price;
        int music;
        std::int32_t barClass;
        std::int32_t listPrice;
        Texts said;
    };
    const Case cases[] = {
        {"all missing", "", "0", 0, kNoClass, 6000, {name, music, kind}},
        {"price 10", "Joe's", "10", 1, kLowClass, 6000, {price}},
        {"price 12", "Joe's", "12", 1, kLowClass, 6000, {price}},
        {"too dear", "Joe's", "2", 1, kLowClass, 6001, {money}},
        {"everything", "", "11", 0, kNoClass, 9000, {name, price, music, kind, money}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Purchase purchase(c.listPrice);
        EXPECT_FALSE(purchase.buy(c.name, c.price, c.music, c.barClass).bought);
        EXPECT_EQ(purchase.voice.texts(), c.said);
        for (const auto& said : purchase.voice.said)
            EXPECT_TRUE(said.words.plain());
        EXPECT_EQ(purchase.state.barCount, 0);
        EXPECT_DOUBLE_EQ(purchase.state.money, 1000);
        EXPECT_TRUE(purchase.messages.messages.empty());
    }
}

TEST(BarPurchase, BuysWithMoneyDownTo5000InDebt) {
    for (const char* price : {"9.99", "-2", "0"}) {
        SCOPED_TRACE(price);
        Purchase purchase(6000);
        const auto outcome = purchase.buy("Joe's", price, 2, kLowClass);
        ASSERT_TRUE(outcome.bought && outcome.firstBar);
        EXPECT_TRUE(purchase.voice.said.empty());
        const GameState& state = purchase.state;
        EXPECT_EQ(std::tuple(state.money, state.barCount, state.monthlyCharges),
                  std::tuple(-5000.0, 1, 1500));
        const BarRecord& bar = state.bars[0]; // clients, room, rent, list line, open
        EXPECT_EQ(std::tuple(bar.clientsPerDay, bar.maxClients, bar.costPerMonth, bar.listIndex,
                             bar.isOpen, fixedText(bar.barName)),
                  std::tuple(67, 100, 1500, 0, 0, "Joe's"));
        EXPECT_EQ(purchase.messages.messages,
                  Texts{"The bar you just buy isn't open yet. Open it to make business."});
    }
}

TEST(BarPurchase, ABarOfADamagedListStillSaves) {
    for (const std::int32_t room : {2147483647, -40}) {
        SCOPED_TRACE(testing::Message() << "room " << room);
        Purchase purchase;
        purchase.bars.append(listBar(100, 2147483647, room));
        chooseBarClass(purchase.state, kLowClass);
        chooseMusic(purchase.state, Music::Rock, true);
        ASSERT_TRUE(createBar(purchase.state, purchase.bars, {1, "Big", "1", 1}, kPoint,
                              purchase.voice, purchase.messages)
                        .bought);
        const BarRecord& bar = purchase.state.bars[0];
        EXPECT_EQ(bar.maxClients, room > 0 ? kMostClientsPerDay : 0);
        EXPECT_EQ(bar.clientsPerDay, room > 0 ? kMostClientsPerDay : 5);
        EXPECT_TRUE(findValueFault(purchase.state).empty());
    }
}

TEST(BarPurchase, BadPriceTextStopsAfterTheName) {
    Purchase purchase;
    EXPECT_THROW(purchase.buy("", "cheap", 1, kLowClass), ConversionError);
    EXPECT_EQ(purchase.voice.texts(), Texts{"You must choose a name for your bar."});
    EXPECT_THROW(purchase.buy("Joe's", "cheap", 1, kLowClass), ConversionError);
    EXPECT_EQ(fixedText(purchase.state.bars[0].barName), "Joe's");
    EXPECT_EQ(purchase.state.barCount, 0);
}

TEST(BarPurchase, TheTwentySixthBarIsRefused) {
    Purchase purchase;
    purchase.state.money = 1e9;
    for (int b = 0; b < 25; ++b)
        test::addBar(purchase.state, 10, 1);
    const GameState before = purchase.state;
    EXPECT_FALSE(pressBuy(purchase.state, purchase.bars, 0, purchase.voice));
    EXPECT_FALSE(purchase.buy("One more", "2", 1, kLowClass).bought);
    const Texts full(2,
                     "You already run 25 bars, the most an owner can.\nYou can't buy another one.");
    EXPECT_EQ(purchase.voice.texts(), full);
    EXPECT_EQ(purchase.voice.said[0].words.title, "Oups...");
    EXPECT_EQ(std::memcmp(&purchase.state, &before, sizeof before), 0);
    purchase.state.barCount = 24;
    EXPECT_TRUE(pressBuy(purchase.state, purchase.bars, 0, purchase.voice));
    EXPECT_FALSE(pressBuy(purchase.state, purchase.bars, 1, purchase.voice)); // no such line
}

// Orders of one drink at retail 2.50 for the game's bars.
struct Order {
    GameState state;
    ConfigRecord config = defaultConfig();
    TDrinkList drinks;
    RecordingVoice voice;
    struct Store final : ConfigStore {
        int writes = 0;
        bool works = true;
        bool write(const ConfigRecord&) override { return ++writes, works; }
    } store;

    Order(double money, int bars) : state(test::startedGame(money)) {
        drinks.append(test::makeDrink("Lager", "2.50"));
        for (int b = 0; b < bars; ++b)
            test::addBar(state, 10, 1);
    }
    AfterOrder place(int bar, const char* quantity, const char* price, bool inUse = true) {
        return placeOrder(state, config, store, drinks, {true, bar, 0, quantity, price, inUse},
                          kPoint, voice);
    }
};

TEST(DrinkOrder, SalePriceLadderAtRetail250) {
    const std::string tooHigh = "The price of this drink is too high!\nYou must lower it!";
    const std::string lower =
        "The price of this drink is too high.\nDo you want to set a lower price?";
    const std::string done = "Your order have been made.";
    const std::string invalid = "You must enter a valid price and a valid qty to order.";
    struct Case {
        const char* price;
        const char* quantity;
        std::deque<bool> answers;
        Texts said;
        int stock; // after the order
        bool fair;
        double money = 1000; // it must exceed the total
    };
    const Case cases[] = {
        {"13.00", "10", {}, {tooHigh}, 0, false},
        {"13.00", "0", {}, {tooHigh, invalid}, 0, false},
        {"12.50", "10", {true}, {lower}, 0, false},
        {"11.00", "10", {false}, {lower, done}, 10, false},
        {"10.50", "10", {}, {done}, 10, false},
        {"7.51", "10", {}, {done}, 10, false},
        {"7.50", "10", {}, {done}, 10, true},
        {"0", "10", {}, {done}, 10, true},
        {"-1", "abc", {}, {invalid}, 0, false}, // the quantity is never read
        {"5", "-3", {}, {invalid}, 0, false},
        {"4", "10", {}, {"You don't have enough money to order!"}, 0, false, 25},
        {"4", "10", {}, {done}, 10, true, 25.01},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.price << " for " << c.quantity << ", money " << c.money);
        Order order(c.money, 1);
        order.voice.answers = c.answers;
        order.place(0, c.quantity, c.price);
        EXPECT_EQ(order.voice.texts(), c.said);
        const BarRecord& bar = order.state.bars[0];
        EXPECT_EQ(std::tuple(bar.drinkCount, bar.drinks[0].stock, bar.profitThisMonth),
                  std::tuple(c.stock > 0 ? 1 : 0, c.stock, static_cast<int>(-2.5 * c.stock)));
        EXPECT_NEAR(order.state.money, c.money - 2.5 * c.stock, 1e-9);
        if (c.stock > 0) {
            EXPECT_EQ(order.state.bars[0].drinks[0].fairPrice != 0, c.fair);
        }
    }
    Order order(1000, 1);
    order.place(0, "10", "12");
    EXPECT_TRUE(order.voice.said[0].question);
    EXPECT_EQ(order.voice.said[0].words, question(lower, "Set a lower price?"));
}

TEST(DrinkOrder, AllBarsAndRepeatOrders) {
    Order order(1000, 3);
    order.config.DrinkClose = 1;
    EXPECT_EQ(order.place(kAllBars, "10", "10.5"), AfterOrder::Close);
    EXPECT_TRUE(order.voice.said.empty());
    EXPECT_DOUBLE_EQ(order.state.money, 925);
    for (const BarRecord& bar : std::span(order.state.bars, 3)) // 10.50 is above 2.50 + 5: unfair
        EXPECT_EQ(std::tuple(bar.drinks[0].stock, bar.profitThisMonth, bar.drinks[0].fairPrice),
                  std::tuple(10, -25, 0));
    order.place(1, "4", "6", false);
    const DrinkSlot& slot = order.state.bars[1].drinks[0];
    EXPECT_EQ(std::tuple(order.state.bars[1].drinkCount, slot.stock, slot.salePrice, slot.inUse,
                         slot.fairPrice),
              std::tuple(1, 14, 6.0, 0, 1));
}

TEST(DrinkOrder, RefusedBeforeAnythingChanges) {
    const std::string fill = "You must fill all the forms.";
    const std::string noBar = "You have no bar to order these drinks for.";
    const std::string full =
        "A bar sells 15 different drinks at most:\nthis one has no room left for another drink.";
    struct Case {
        const char* what;
        OrderForm form;
        int bars;
        std::string said;
    };
    const Case cases[] = {
        {"no bar line picked", {false, 0, 0, "10", "3", true}, 1, fill},
        {"no drink picked", {true, 0, -1, "10", "3", true}, 1, fill},
        {"empty quantity", {true, 0, 0, "", "3", true}, 1, fill},
        {"empty price", {true, 0, 0, "10", "", true}, 1, fill},
        {"no bar at all", {true, kAllBars, 0, "10", "3", true}, 0, noBar},
        {"a bar not owned", {true, 1, 0, "10", "3", true}, 1, noBar},
        {"a sixteenth drink", {true, 0, 0, "10", "3", true}, 1, full},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Order order(1e6, c.bars);
        for (int d = 1; d < 16; ++d)
            order.drinks.append(test::makeDrink("Drink", "2"));
        if (c.bars > 0 && c.form.drinkIndex == 0) // fifteen other drinks fill the bar
            for (int k = 1; k < 16; ++k)
                test::addSlot(order.state.bars[0], k, 1, 3);
        const GameState before = order.state;
        placeOrder(order.state, order.config, order.store, order.drinks, c.form, kPoint,
                   order.voice);
        EXPECT_EQ(order.voice.texts(), Texts{c.said});
        EXPECT_EQ(std::memcmp(&order.state, &before, sizeof before), 0);
    }
}

TEST(DrinkOrder, AListThisSystemCannotReadSwitchesToTheUsList) {
    for (bool works : {true, false}) {
        SCOPED_TRACE(works ? "the US list is written" : "the disk takes nothing");
        Order order(1000, 1);
        order.store.works = works;
        EXPECT_EQ(placeOrder(order.state, order.config, order.store, order.drinks,
                             {true, 0, 0, "10", "3", true}, NumberFormat{','}, order.voice),
                  AfterOrder::Close);
        EXPECT_EQ(order.store.writes, 1);
        EXPECT_EQ(fixedText(order.config.drinksListPath), "drinksUS.drk");
        EXPECT_EQ(order.voice.said.size(), works ? 1u : 2u);
        EXPECT_EQ(order.voice.said.back().words.title, works ? "Oups!" : "Disk error");
        EXPECT_EQ(order.state.bars[0].drinkCount, 0);
    }
}

TEST(Promotion, RoomAndMoneyAreStrict) {
    const std::string refused =
        "Your bar can't handle more clients\nor you don't have enough money.";
    struct Case {
        const char* what;
        std::int32_t clients, maxClients;
        double money;
        Advert advert;
        std::string said;
        std::int32_t extraClients, price; // when promoted
    };
    const std::string news = "Your bar's pub is now on newspaper.";
    const Case cases[] = {
        {"newspaper fits", 80, 90, 1e6, Advert::Newspaper, news, 5, 5000},
        {"radio fills the bar", 80, 90, 1e6, Advert::Radio, refused, 0, 0},
        {"money equal to the price", 10, 90, 5000, Advert::Newspaper, refused, 0, 0},
        {"a cent more", 10, 90, 5000.01, Advert::Newspaper, news, 5, 5000},
        {"radio", 10, 90, 20000, Advert::Radio, "Your bar's pub is now on radio station.", 10,
         15000},
        {"tv", 10, 90, 30000, Advert::Tv, "Your bar's pub is now on tv station.", 15, 25000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = test::startedGame(c.money);
        BarRecord& bar = test::addBar(state, c.clients, 1);
        bar.maxClients = c.maxClients;
        RecordingVoice voice;
        const bool promoted = c.said != refused;
        EXPECT_EQ(promoteBar(state, 0, c.advert, voice), promoted);
        EXPECT_EQ(voice.texts(), Texts{c.said});
        EXPECT_EQ(voice.said[0].words.title, promoted ? "Tavo 0.4" : "Oups!");
        EXPECT_EQ(bar.clientsPerDay, c.clients + c.extraClients);
        EXPECT_DOUBLE_EQ(state.money, c.money - c.price);
        EXPECT_EQ(bar.profitThisMonth, -c.price);
    }
    GameState state = test::startedGame(1e6);
    RecordingVoice voice;
    EXPECT_FALSE(promoteBar(state, 0, Advert::Tv, voice)); // no bar
    test::addBar(state, 10, 1).maxClients = 90;
    EXPECT_FALSE(promoteBar(state, 0, std::nullopt, voice)); // no advert chosen: nothing said
    EXPECT_EQ(voice.texts(), Texts{refused});
}

} // namespace
} // namespace tavo
