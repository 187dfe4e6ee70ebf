#include "core/ConfigRecord.h"

#include "support/EngineTest.h"

namespace tavo {
namespace {

TEST(ConfigRecord, BytesReadLieOverTheDefaults) {
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        std::uint8_t popup;
        std::uint8_t pauseBeer;
        const char* barsPath;
    };
    std::vector<unsigned char> longer(304, 0);
    longer[1] = 1;
    std::memcpy(longer.data() + 4, "my.bar", 6);
    longer.resize(400, 0xFF);
    const Case cases[] = {
        {"empty", {}, 1, 0, "def.bar"},
        {"five bytes: the rest default", {0, 1, 0, 0, 'x'}, 0, 1, "xef.bar"},
        {"longer: only the first 304 bytes count", longer, 0, 1, "my.bar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        test::writeBytes(dir.file("config.kpl"), c.bytes);
        ConfigRecord config = readConfig(dir.file("config.kpl"));
        EXPECT_EQ(std::tuple(config.PopupStart, config.PauseBeer, fixedText(config.barsListPath)),
                  std::tuple(c.popup, c.pauseBeer, c.barsPath));
    }
}

TEST(ConfigRecord, WrittenWholeAndReadBackAtomically) {
    TempDir dir;
    test::writeBytes(dir.file("config.kpl"), std::vector<unsigned char>(500, 7));
    ConfigRecord config = defaultConfig();
    config.PopupStart = 0;
    config.DrinkClose = 1;
    setFixedText(config.drinksListPath, "drinksUS.drk");
    ASSERT_TRUE(writeConfig(dir.file("config.kpl"), config));
    const auto* raw = reinterpret_cast<const unsigned char*>(&config);
    EXPECT_EQ(test::readBytes(dir.file("config.kpl")), std::vector(raw, raw + 304));
    EXPECT_EQ(test::listFolder(dir.path()).size(), 1u);
    EXPECT_FALSE(writeConfig(dir.file("missing/config.kpl"), config));
}

} // namespace
} // namespace tavo
