#include "core/Random.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

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

} // namespace
} // namespace tavo
