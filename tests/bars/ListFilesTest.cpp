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

// A list keeps every whole record of its file; a failed load leaves it empty,
// and a lookup outside it finds nothing.
TEST(ListFiles, BarsListKeepsWholeRecordsOnly) {
    struct Case {
        const char* what;
        int records, extra;
        bool loads;
        int count;
    };
    const Case cases[] = {
        {"240 bytes", 2, 0, true, 2},
        {"250 bytes: the short last record is dropped", 2, 10, true, 2},
        {"empty", 0, 0, false, 0},
        {"less than a record", 0, 119, false, 0},
        {"longer than the bar table: all listed", 30, 0, true, 30},
        {"no file", -1, 0, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        if (c.records >= 0) test::writeBytes(dir.file("town.bar"), barsFile(c.records, c.extra));
        TBarList list;
        list.append(test::makeBar("Old", 1, 1));
        EXPECT_EQ(list.loadFromFile(dir.file("town.bar")), c.loads);
        ASSERT_EQ(list.count(), c.count);
        EXPECT_EQ(list.at(-1), nullptr);
        if (c.count > 1) {
            EXPECT_EQ(fixedText(list.at(1)->name), "Bar 1");
            EXPECT_EQ(list.at(1)->price, 2000);
        }
    }
}

TEST(ListFiles, PriceTextWithoutTerminatorStaysInItsField) {
    DrinkListEntry drink{};
    std::memset(&drink, '9', sizeof drink); // no NUL anywhere
    EXPECT_DOUBLE_EQ(retailPriceOf(drink, NumberFormat{'.'}), 99999);
}

} // namespace
} // namespace tavo
