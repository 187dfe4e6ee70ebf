// Numbers as the game keeps, draws, reads and shows them.

#include "core/Arithmetic.h"
#include "core/Random.h"
#include "support/EngineTest.h"

#include <cmath>
#include <limits>

namespace tavo {
namespace {

TEST(Arithmetic, TruncationTowardZeroIntoA32BitField) {
    struct Case {
        double value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {2.5, 2},
        {-2.5, -2},
        {-97.5, -97},
        {0.999999, 0},
        {-0.0, 0},
        {2147483647.9, 2147483647},
        {2147483648.0, std::numeric_limits<std::int32_t>::min()}, // wraps like the field
        {4294967296.0 + 5, 5},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {1e300, -1}, // saturates at 2^63-1, whose low 32 bits are all ones
    };
    for (const Case& c : cases)
        EXPECT_EQ(truncToInt32(c.value), c.expected) << c.value;
}

TEST(Arithmetic, FieldsWrapInsteadOfOverflowing) {
    EXPECT_EQ(add32(std::numeric_limits<std::int32_t>::max(), 1),
              std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(sub32(std::numeric_limits<std::int32_t>::min(), 1),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(mul32(100000000, 50), static_cast<std::int32_t>(5000000000LL - 4294967296LL));
}

// The sequence is part of the game: a game loaded after start-up draws
// exactly these values.
TEST(Random, SequenceFromTheStartSeed) {
    Random random;
    const int expected[] = {346, 130, 10982, 1090, 11656};
    for (int value : expected)
        EXPECT_EQ(random.next(), value);
}

TEST(Random, ReseedFromSecondsAndDrawBelow) {
    Random random;
    random.reseed(1000);
    EXPECT_EQ(random.next(), 18625);
    EXPECT_EQ(random.below(10), 14062 % 10);
    EXPECT_EQ(random.below(5000), 795);
    random.reseed(4294967296LL + 1000); // only the low 32 bits of the time count
    EXPECT_EQ(random.next(), 18625);
}

const NumberFormat kPoint{'.'};
const NumberFormat kComma{','};

TEST(NumberText, WholeNumbers) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"120", 120},
        {"-500", -500},
        {"+7", 7},
        {" 42 ", 42},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"1 000", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tryToInteger(c.text), c.expected) << c.text;
}

TEST(NumberText, DecimalsFollowTheSeparator) {
    struct Case {
        const char* text;
        const NumberFormat& format;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"2.50", kPoint, 2.5},
        {"2,50", kComma, 2.5},
        {"2,50", kPoint, std::nullopt}, // the other separator never converts
        {"2.50", kComma, std::nullopt},
        {"-500", kPoint, -500},
        {"9.99", kPoint, 9.99},
        {".5", kPoint, 0.5},
        {"5.", kPoint, 5},
        {"1E3", kPoint, 1000},
        {"1.5e-2", kPoint, 0.015},
        {"", kPoint, std::nullopt},
        {".", kPoint, std::nullopt},
        {"1e", kPoint, std::nullopt},
        {"1.2.3", kPoint, std::nullopt},
        {"abc", kPoint, std::nullopt},
        {"1e999", kPoint, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tryToDecimal(c.text, c.format), c.expected) << c.text;
}

TEST(NumberText, GeneralFormatShowsMoney) {
    struct Case {
        double value;
        const NumberFormat& format;
        const char* expected;
    };
    const Case cases[] = {
        {90000, kPoint, "90000"},
        {12345.5, kPoint, "12345.5"},
        {12345.5, kComma, "12345,5"},
        {-250, kPoint, "-250"},
        {0.01, kPoint, "0.01"},
        {-0.0, kPoint, "0"},
        {0.1 + 0.2, kPoint, "0.3"}, // 15 significant digits hide the binary noise
        {10000.75, kPoint, "10000.75"},
        {123456789012345, kPoint, "123456789012345"},
        {1e15, kPoint, "1E15"},
        {-1.5e20, kComma, "-1,5E20"},
        {123456789012345678.0, kPoint, "1.23456789012346E17"},
        {0.00001, kPoint, "1E-5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatGeneral(c.value, c.format), c.expected) << c.expected;
}

} // namespace
} // namespace tavo
