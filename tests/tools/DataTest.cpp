#include "tools/DataText.h"

#include "bars/BarPurchase.h"
#include "support/EngineTest.h"

#include <set>

namespace tavo {
namespace {

using test::readText;

std::string shipped(const std::string& name) {
    return std::string(TAVO_DATA_DIR) + "/" + name;
}

template <typename Entry>
std::vector<unsigned char> bytesOf(const std::vector<Entry>& entries) {
    std::vector<unsigned char> bytes(entries.size() * sizeof(Entry));
    if (!entries.empty()) std::memcpy(bytes.data(), entries.data(), bytes.size());
    return bytes;
}

// The committed list files are what their sources build.
TEST(ShippedData, BinariesAgreeWithTheirSources) {
    EXPECT_EQ(bytesOf(data::parseBars(readText(shipped("bars.txt")))),
              test::readBytes(shipped("def.bar")));
    EXPECT_EQ(bytesOf(data::parseDrinks(readText(shipped("drinks.txt")))),
              test::readBytes(shipped("drinks.drk")));
    EXPECT_EQ(bytesOf(data::parseDrinks(readText(shipped("drinksUS.txt")))),
              test::readBytes(shipped("drinksUS.drk")));
}

TEST(ShippedData, ATownWorthExploring) {
    TBarList bars;
    ASSERT_TRUE(bars.loadFromFile(shipped("def.bar")));
    EXPECT_GE(bars.count(), 16);
    EXPECT_LE(bars.count(), kMaxBars); // every bar of the town can be owned
    std::set<std::int32_t> masks;
    int affordableAtStart = 0, toSaveUpFor = 0;
    for (int i = 0; i < bars.count(); ++i) {
        const BarListEntry& bar = *bars.at(i);
        masks.insert(bar.classMask);
        EXPECT_GT(bar.peoplePerDay, 0);
        EXPECT_GT(bar.maxClients, bar.peoplePerDay);
        EXPECT_GT(bar.costPerMonth, 0);
        // The poorest owner (75000, up to 5000 in debt) can buy it.
        if (bar.price <= 80000) ++affordableAtStart;
        if (bar.price > 95000) ++toSaveUpFor;
    }
    EXPECT_EQ(masks, (std::set<std::int32_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_GE(affordableAtStart, 8);
    EXPECT_GE(toSaveUpFor, 2);
}

TEST(ShippedData, DrinksListsReadWhereTheyShould) {
    TDrinkList drinks, us;
    ASSERT_TRUE(drinks.loadFromFile(shipped("drinks.drk")));
    ASSERT_TRUE(us.loadFromFile(shipped("drinksUS.drk")));
    for (const TDrinkList* list : {&drinks, &us}) {
        SCOPED_TRACE(list == &drinks ? "drinks.drk" : "drinksUS.drk");
        EXPECT_GE(list->count(), 12);
        EXPECT_LE(list->count(), kMaxDrinkSlots); // a bar can hold every drink
    }
    bool beer = false, shooter = false;
    for (int i = 0; i < drinks.count(); ++i) {
        const DrinkListEntry& drink = *drinks.at(i);
        // The default list reads under any decimal separator.
        for (char separator : {'.', ','}) {
            SCOPED_TRACE(testing::Message() << fixedText(drink.name) << " read with " << separator);
            const double price = retailPriceOf(drink, NumberFormat{separator});
            EXPECT_GT(price, 0);
            EXPECT_LT(price, 10);
        }
        (drink.kind == 0 ? beer : shooter) = true;
        const DrinkListEntry& twin = *us.at(i);
        EXPECT_EQ(fixedText(twin.name), fixedText(drink.name));
        EXPECT_GT(retailPriceOf(twin, NumberFormat{'.'}), 0);
    }
    EXPECT_TRUE(beer && shooter);
    EXPECT_THROW(retailPriceOf(*us.at(0), NumberFormat{','}), ConversionError);
}

TEST(DataText, MistakesNameTheirLineAndNothingListedIsAMistake) {
    const struct {
        bool drinks;
        const char* text;
        const char* says;
    } cases[] = {
        {false, "# comment\nBar | 1 | 2 | 3 | 4\n", "line 2: 6 fields expected, 5 found"},
        {false, "Bar | 1 | x | 3 | 4 | 5\n", "line 1: 'x' is not a whole number"},
        {false, " | 1 | 2 | 3 | 4 | 5\n", "line 1: the name '' must have 1 to 99 characters"},
        {false, "# nothing\n", "no bar is listed"},
        // Only what the game shows as typed: no control byte, UTF-8 text the
        // lists' one byte a character can hold.
        {false, "Bar\x1b[2J | 1 | 2 | 3 | 4 | 5\n",
         "line 1: the name 'Bar\\x1b[2J' holds a control character"},
        {false, "Bell\a | 1 | 2 | 3 | 4 | 5\n",
         "line 1: the name 'Bell\\x07' holds a control character"},
        {false, "Caf\xE9 | 1 | 2 | 3 | 4 | 5\n", "line 1: the name 'Caf\\xe9' is not UTF-8 text"},
        {false,
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA | 1 | 2 | 3 | 4 | 5\n",
         "line 1: the name '\xC5\x81\xC3\xB3"
         "d\xC5\xBA' holds '\xC5\x81', which the game's lists "
         "cannot hold"},
        {true, "Beer | 2.5\x85 | 12 | 5 | beer\n",
         "line 1: the retail price '2.5\\x85' is not UTF-8 text"},
        {true, "Beer | 12.50 | 12 | 5 | beer\n",
         "line 1: the retail price '12.50' must have 1 to 4 characters"},
        {true, "Beer | 2.5 | 12 | 5 | beer\nAle | abc | 12 | 5 | beer\n",
         "line 2: the retail price 'abc' is not a number"},
        {true, "Beer | 2,,5 | 12 | 5 | beer\n", "line 1: the retail price '2,,5' is not a number"},
        {true, "", "no drink is listed"},
        {true, "# only a comment\n\n", "no drink is listed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            c.drinks ? (void)data::parseDrinks(c.text) : (void)data::parseBars(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const data::TextError& error) {
            EXPECT_STREQ(error.what(), c.says);
        }
    }
    // A list holds no more records than the game reads from a list file.
    std::string most;
    for (std::size_t i = 0; i < TBarList::kMaxEntries; ++i)
        most += "Bar | 1 | 2 | 3 | 4 | 5\n";
    EXPECT_EQ(data::parseBars(most).size(), TBarList::kMaxEntries);
    try {
        (void)data::parseBars(most + "# one more\nBar | 1 | 2 | 3 | 4 | 5\n");
        ADD_FAILURE() << "a list the game refuses was built";
    } catch (const data::TextError& error) {
        EXPECT_STREQ(error.what(),
                     "line 100002: more than 100000 bars are listed, more than the game reads");
    }
    // Either decimal separator reads.
    EXPECT_EQ(data::parseDrinks("Beer | 2,5 | 12 | 5 | beer\nAle | 3.5 | 12 | 5 | beer\n").size(),
              2u);
}

// A UTF-8 source builds the lists' one byte a character, a byte-order mark
// is no part of line 1, and a dump is UTF-8 again that builds the same list;
// a list's control bytes are dumped as \xNN, never raw to the terminal.
TEST(DataText, NamesAreTypedTextAndDumpsNeverDriveTheTerminal) {
    const auto bars = data::parseBars("\xEF\xBB\xBF"
                                      "Caf\xC3\xA9 Zo\xC3\xAB | 1 | 2 | 3 | 4 | 5\n");
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(fixedText(bars[0].name), "Caf\xE9 Zo\xEB");
    const std::string dump = data::formatBars(bars);
    EXPECT_NE(dump.find("\nCaf\xC3\xA9 Zo\xC3\xAB | 1 |"), std::string::npos) << dump;
    EXPECT_EQ(bytesOf(data::parseBars(dump)), bytesOf(bars));

    BarListEntry hostile = bars[0]; // a list made by another hand
    setFixedText(hostile.name, "Bar\x1b]0;x\x07\x85\x7f");
    const std::string shown = data::formatBars({hostile});
    EXPECT_NE(shown.find("\nBar\\x1b]0;x\\x07\\x85\\x7f | 1 |"), std::string::npos) << shown;
    EXPECT_EQ(data::parseBars(shown).size(), 1u);
}

} // namespace
} // namespace tavo
