#include "bars/BarList.h"
#include "bars/DrinkList.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

std::vector<unsigned char> barsFile(int records, int extraBytes) {
    std::vector<unsigned char> bytes;
    for (int i = 0; i < records; ++i) {
        BarListEntry entry = test::makeBar("Bar " + std::to_string(i), 1000 * (i + 1), 7);
        auto* raw = reinterpret_cast<unsigned char*>(&entry);
        bytes.insert(bytes.end(), raw, raw + sizeof entry);
    }
    bytes.insert(bytes.end(), static_cast<std::size_t>(extraBytes), 0x5A);
    return bytes;
}

TEST(ListFiles, BarsListKeepsWholeRecordsOnly) {
    struct Case {
        int records, extra;
        bool loads;
        int count;
    };
    const Case cases[] = {
        {2, 0, true, 2},                       // 240 bytes
        {2, 10, true, 2},                      // 250 bytes: the short last record is dropped
        {0, 0, false, 0},                      // empty
        {0, 119, false, 0}, {30, 0, true, 30}, // longer than the bar table: all listed
    };
    for (const Case& c : cases) {
        TempDir dir;
        test::writeBytes(dir.file("town.bar"), barsFile(c.records, c.extra));
        TBarList list;
        EXPECT_EQ(list.loadFromFile(dir.file("town.bar")), c.loads) << c.records << "+" << c.extra;
        EXPECT_EQ(list.count(), c.count);
        if (c.count > 1) {
            EXPECT_EQ(fixedText(list.at(1)->name), "Bar 1");
            EXPECT_EQ(list.at(1)->price, 2000);
        }
    }
}

TEST(ListFiles, MissingListFailsAndLookupsOutsideAreEmpty) {
    TempDir dir;
    TDrinkList drinks;
    EXPECT_FALSE(drinks.loadFromFile(dir.file("drinks.drk")));
    EXPECT_TRUE(drinks.isEmpty());
    EXPECT_EQ(drinks.at(0), nullptr);
    EXPECT_EQ(drinks.at(-1), nullptr);
}

TEST(ListFiles, DrinksListRecordsAndPrices) {
    TempDir dir;
    std::vector<unsigned char> bytes;
    for (auto drink : {test::makeDrink("Blonde", "2,50"), test::makeDrink("Tequila", "4", 1)}) {
        auto* raw = reinterpret_cast<unsigned char*>(&drink);
        bytes.insert(bytes.end(), raw, raw + sizeof drink);
    }
    bytes.resize(bytes.size() + 43, 0); // 43 stray bytes
    test::writeBytes(dir.file("drinks.drk"), bytes);
    TDrinkList drinks;
    ASSERT_TRUE(drinks.loadFromFile(dir.file("drinks.drk")));
    ASSERT_EQ(drinks.count(), 2);
    EXPECT_EQ(fixedText(drinks.at(0)->name), "Blonde");
    EXPECT_EQ(drinks.at(1)->kind, 1);
    EXPECT_DOUBLE_EQ(retailPriceOf(*drinks.at(0), NumberFormat{','}), 2.5);
    EXPECT_THROW(retailPriceOf(*drinks.at(0), NumberFormat{'.'}), ConversionError);
    EXPECT_DOUBLE_EQ(retailPriceOf(*drinks.at(1), NumberFormat{'.'}), 4);
}

TEST(ListFiles, PriceTextWithoutTerminatorStaysInItsField) {
    DrinkListEntry drink{};
    std::memset(&drink, '9', sizeof drink); // no NUL anywhere
    EXPECT_DOUBLE_EQ(retailPriceOf(drink, NumberFormat{'.'}), 99999);
}

} // namespace
} // namespace tavo
