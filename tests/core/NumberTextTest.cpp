#include "support/EngineTest.h"

#include <cmath>

namespace tavo {
namespace {

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
        EXPECT_EQ(formatGeneral(c.value, c.format), c.expected);
}

} // namespace
} // namespace tavo
