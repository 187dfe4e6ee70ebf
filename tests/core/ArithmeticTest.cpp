#include "core/Arithmetic.h"

#include "support/EngineTest.h"

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

} // namespace
} // namespace tavo
