#include "bars/BarInfo.h"
#include "bars/BarPurchase.h"
#include "bars/DrinkOrder.h"
#include "bars/Owner.h"
#include "bars/Promotion.h"

#include "core/FixedText.h"
#include "support/States.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tavo {
namespace {

const NumberFormat kPoint{'.'};

BarListEntry listBar(std::int32_t price, std::int32_t peoplePerDay, std::int32_t maxClients,
                     std::int32_t classMask = 5) {
    BarListEntry entry{};
    setFixedText(entry.name, "Corner Bar");
    entry.price = price;
    entry.costPerMonth = 1500;
    entry.peoplePerDay = peoplePerDay;
    entry.classMask = classMask;
    entry.maxClients = maxClients;
    return entry;
}

TEST(Owner, ArchetypesLastClickWins) {
    GameState state{};
    chooseArchetype(state, 1);
    chooseArchetype(state, 2);
    EXPECT_DOUBLE_EQ(state.money, 75000);
    EXPECT_EQ(state.credibility, 1);
    EXPECT_EQ(state.knowledge, 3);
    chooseArchetype(state, 3);
    EXPECT_DOUBLE_EQ(state.money, 85000);
    EXPECT_EQ(state.ownerType, 3);
    EXPECT_STREQ(ratingWord(state.credibility), "Average");
    EXPECT_STREQ(ratingWord(3), "Very Good");
}

TEST(Owner, CreateNeedsANameAndResetsTheCounters) {
    GameState state{};
    state.barCount = 4;
    state.gamblingBalance = -300;
    const GameState before = state;
    EXPECT_EQ(createOwner(state, ""), OwnerOutcome::NameMissing);
    EXPECT_EQ(std::memcmp(&state, &before, sizeof state), 0);

    const std::string name(29, 'x');
    EXPECT_EQ(createOwner(state, name + "yz"), OwnerOutcome::Created);
    EXPECT_EQ(fixedText(state.ownerName), name);
    EXPECT_EQ(state.barCount, 0);
    EXPECT_EQ(state.gamblingBalance, 0);
    EXPECT_EQ(state.lottoJackpot, 1000000);
    EXPECT_EQ(createOwner(state, " "), OwnerOutcome::Created); // blanks are a name
}

TEST(BarPurchase, ClientsAtPurchase) {
    struct Case {
        std::int32_t base, maxClients, barClass;
        bool music[5];
        std::int32_t knowledge, expected;
    };
    const Case cases[] = {
        {60, 100, kLowClass, {true, false, true, false, false}, 2, 67},
        {60, 40, kLowClass, {true, false, true, false, false}, 2, 40},
        {3, 100, kLowClass, {false, false, false, true, false}, 1, 5},
        {3, 2, kLowClass, {false, false, false, false, true}, 3, 5}, // 5 wins over the maximum
        {50, 100, kRaveClass, {true, true, true, true, true}, 3, 38},
        {50, 100, kDarkClass, {false, false, false, true, true}, 2, 57},
        {50, 100, kHighClass, {false, false, true, false, true}, 1, 37},
    };
    for (const Case& c : cases)
        EXPECT_EQ(clientsAtPurchase(listBar(1000, c.base, c.maxClients), c.barClass, c.music,
                                    c.knowledge),
                  c.expected)
            << c.base << " " << c.barClass;
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
    Purchase(std::int32_t price = 6000) {
        state.knowledge = 2;
        bars.append(listBar(price, 60, 100));
    }
    PurchaseOutcome buy(std::string_view name, std::string_view price, int musicCount,
                        std::int32_t barClass) {
        chooseBarClass(state, barClass);
        chooseMusic(state, Music::Alternative, musicCount > 0);
        chooseMusic(state, Music::Dance, musicCount > 1);
        return purchaseBar(state, bars, {0, name, price, musicCount}, kPoint, messages);
    }
};

TEST(BarPurchase, ChecksInOrder) {
    using R = PurchaseRefusal;
    struct Case {
        const char* what;
        const char* name;
        const char* price;
        int music;
        std::int32_t barClass;
        std::int32_t listPrice;
        std::vector<R> refusals;
    };
    const Case cases[] = {
        {"all missing", "", "0", 0, kNoClass, 6000, {R::NameMissing, R::NoMusic, R::NoClass}},
        {"price 10", "Joe's", "10", 1, kLowClass, 6000, {R::PriceTooHigh}},
        {"price 12", "Joe's", "12", 1, kLowClass, 6000, {R::PriceTooHigh}},
        {"too dear", "Joe's", "2", 1, kLowClass, 6001, {R::NotEnoughMoney}},
        {"everything",
         "",
         "11",
         0,
         kNoClass,
         9000,
         {R::NameMissing, R::PriceTooHigh, R::NoMusic, R::NoClass, R::NotEnoughMoney}},
    };
    for (const Case& c : cases) {
        Purchase purchase(c.listPrice);
        const auto outcome = purchase.buy(c.name, c.price, c.music, c.barClass);
        EXPECT_EQ(outcome.refusals, c.refusals) << c.what;
        EXPECT_EQ(purchase.state.barCount, 0) << c.what;
        EXPECT_DOUBLE_EQ(purchase.state.money, 1000) << c.what;
        EXPECT_TRUE(purchase.messages.messages.empty()) << c.what;
    }
}

TEST(BarPurchase, BuysWithMoneyDownTo5000InDebt) {
    for (const char* price : {"9.99", "-2", "0"}) {
        Purchase purchase(6000);
        const auto outcome = purchase.buy("Joe's", price, 2, kLowClass);
        ASSERT_TRUE(outcome.bought()) << price;
        const BarRecord& bar = purchase.state.bars[0];
        EXPECT_DOUBLE_EQ(purchase.state.money, -5000);
        EXPECT_EQ(purchase.state.barCount, 1);
        EXPECT_TRUE(outcome.firstBar);
        EXPECT_EQ(purchase.state.monthlyCharges, 1500);
        EXPECT_EQ(bar.clientsPerDay, 67);
        EXPECT_EQ(bar.maxClients, 100);
        EXPECT_EQ(bar.costPerMonth, 1500);
        EXPECT_EQ(bar.listIndex, 0);
        EXPECT_FALSE(bar.isOpen);
        EXPECT_EQ(fixedText(bar.barName), "Joe's");
        EXPECT_EQ(purchase.messages.messages,
                  std::vector<std::string>{
                      "The bar you just buy isn't open yet. Open it to make business."});
    }
}

TEST(BarPurchase, BadPriceTextStopsAfterTheName) {
    Purchase purchase;
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
    const auto outcome = purchase.buy("One more", "2", 1, kLowClass);
    EXPECT_EQ(outcome.refusals, std::vector<PurchaseRefusal>{PurchaseRefusal::TableFull});
    EXPECT_EQ(std::memcmp(&purchase.state, &before, sizeof before), 0);
}

TEST(DrinkOrder, SalePriceLadderAtRetail250) {
    struct Case {
        double sale;
        PriceVerdict verdict;
        bool fair;
    };
    const Case cases[] = {
        {13.00, PriceVerdict::TooHigh, false},  {12.50, PriceVerdict::AskLower, false},
        {11.00, PriceVerdict::AskLower, false}, {10.50, PriceVerdict::Fine, false},
        {7.51, PriceVerdict::Fine, false},      {7.50, PriceVerdict::Fine, true},
        {0, PriceVerdict::Fine, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(judgeSalePrice(c.sale, 2.5), c.verdict) << c.sale;
        EXPECT_EQ(isFairPrice(c.sale, 2.5), c.fair) << c.sale;
    }
}

TEST(DrinkOrder, MoneyMustExceedTheTotal) {
    for (double money : {25.0, 25.01}) {
        GameState state = test::startedGame(money);
        test::addBar(state, 10, 1);
        const DrinkOrder order{0, 3, 10, 4.0, 2.5, true};
        EXPECT_DOUBLE_EQ(orderTotal(state, order), 25);
        const OrderOutcome outcome = orderDrinks(state, order);
        if (money == 25.0) {
            EXPECT_EQ(outcome, OrderOutcome::NotEnoughMoney);
            EXPECT_EQ(state.bars[0].drinkCount, 0);
        } else {
            EXPECT_EQ(outcome, OrderOutcome::Ordered);
            EXPECT_NEAR(state.money, 0.01, 1e-9);
            EXPECT_EQ(state.bars[0].drinks[0].stock, 10);
            EXPECT_EQ(state.bars[0].profitThisMonth, -25);
        }
    }
}

TEST(DrinkOrder, AllBarsAndRepeatOrders) {
    GameState state = test::startedGame(1000);
    for (int b = 0; b < 3; ++b)
        test::addBar(state, 10, 1);
    DrinkOrder order{kAllBars, 5, 10, 10.5, 2.5, true};
    EXPECT_DOUBLE_EQ(orderTotal(state, order), 75);
    ASSERT_EQ(orderDrinks(state, order), OrderOutcome::Ordered);
    EXPECT_DOUBLE_EQ(state.money, 925);
    for (int b = 0; b < 3; ++b) {
        EXPECT_EQ(state.bars[b].drinks[0].stock, 10);
        EXPECT_EQ(state.bars[b].drinks[0].drinkIndex, 5);
        EXPECT_EQ(state.bars[b].profitThisMonth, -25);
        EXPECT_FALSE(state.bars[b].drinks[0].fairPrice); // 10.50 is above 2.50 + 5
    }
    order = {1, 5, 4, 6.0, 2.5, false};
    ASSERT_EQ(orderDrinks(state, order), OrderOutcome::Ordered);
    EXPECT_EQ(state.bars[1].drinkCount, 1);
    EXPECT_EQ(state.bars[1].drinks[0].stock, 14);
    EXPECT_DOUBLE_EQ(state.bars[1].drinks[0].salePrice, 6.0);
    EXPECT_FALSE(state.bars[1].drinks[0].inUse);
    EXPECT_TRUE(state.bars[1].drinks[0].fairPrice);
}

TEST(DrinkOrder, NoBarNoOrder) {
    GameState state = test::startedGame(1000);
    EXPECT_EQ(orderDrinks(state, {kAllBars, 0, 10, 3, 2, true}), OrderOutcome::NoBar);
    test::addBar(state, 10, 1);
    EXPECT_EQ(orderDrinks(state, {1, 0, 10, 3, 2, true}), OrderOutcome::NoBar);
    EXPECT_DOUBLE_EQ(state.money, 1000);
}

TEST(DrinkOrder, ASixteenthDrinkIsRefused) {
    GameState state = test::startedGame(1e6);
    BarRecord& full = test::addBar(state, 10, 1);
    for (int k = 0; k < 15; ++k)
        test::addSlot(full, k, 1, 3);
    test::addBar(state, 10, 1);
    const GameState before = state;
    EXPECT_EQ(orderDrinks(state, {0, 15, 10, 3, 2, true}), OrderOutcome::NoFreeSlot);
    EXPECT_EQ(orderDrinks(state, {kAllBars, 15, 10, 3, 2, true}), OrderOutcome::NoFreeSlot);
    EXPECT_EQ(std::memcmp(&state, &before, sizeof before), 0);
    EXPECT_EQ(orderDrinks(state, {0, 14, 10, 3, 2, true}), OrderOutcome::Ordered); // held already
    EXPECT_EQ(state.bars[0].drinks[14].stock, 11);
}

TEST(Promotion, RoomAndMoneyAreStrict) {
    struct Case {
        const char* what;
        std::int32_t clients, maxClients;
        double money;
        Advert advert;
        PromotionOutcome outcome;
    };
    const Case cases[] = {
        {"newspaper fits", 80, 90, 1e6, Advert::Newspaper, PromotionOutcome::Promoted},
        {"radio fills the bar", 80, 90, 1e6, Advert::Radio, PromotionOutcome::Refused},
        {"money equal to the price", 10, 90, 5000, Advert::Newspaper, PromotionOutcome::Refused},
        {"a cent more", 10, 90, 5000.01, Advert::Newspaper, PromotionOutcome::Promoted},
        {"tv", 10, 90, 30000, Advert::Tv, PromotionOutcome::Promoted},
    };
    for (const Case& c : cases) {
        GameState state = test::startedGame(c.money);
        BarRecord& bar = test::addBar(state, c.clients, 1);
        bar.maxClients = c.maxClients;
        const AdvertTerms terms = advertTerms(c.advert);
        EXPECT_EQ(promoteBar(state, 0, c.advert), c.outcome) << c.what;
        const bool promoted = c.outcome == PromotionOutcome::Promoted;
        EXPECT_EQ(bar.clientsPerDay, c.clients + (promoted ? terms.extraClients : 0)) << c.what;
        EXPECT_DOUBLE_EQ(state.money, c.money - (promoted ? terms.price : 0)) << c.what;
        EXPECT_EQ(bar.profitThisMonth, promoted ? -terms.price : 0) << c.what;
    }
    GameState state = test::startedGame(1e6);
    EXPECT_EQ(promoteBar(state, 0, Advert::Tv), PromotionOutcome::Refused); // no bar
}

TEST(BarInfo, EntryPriceAndStatus) {
    GameState state = test::startedGame();
    test::addBar(state, 10, 3.5, false);
    EXPECT_TRUE(setEntryPrice(state, 0, 10));
    EXPECT_DOUBLE_EQ(state.bars[0].entryPrice, 10);
    EXPECT_FALSE(setEntryPrice(state, 0, 10.01));
    EXPECT_DOUBLE_EQ(state.bars[0].entryPrice, 10);
    EXPECT_TRUE(toggleOpen(state, 0));
    EXPECT_FALSE(toggleOpen(state, 0));
    EXPECT_FALSE(state.bars[0].isOpen);
    EXPECT_FALSE(setEntryPrice(state, 1, 2)); // not a bar of the game
}

} // namespace
} // namespace tavo
