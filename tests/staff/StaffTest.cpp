#include "staff/AdminSettings.h"
#include "staff/Hiring.h"

#include "support/EngineTest.h"

#include <array>

namespace tavo {
namespace {

const std::string kContact = "tavo-game@example.org";

// A game with these candidates hired, in order.
GameState withStaff(std::initializer_list<int> staffIds) {
    GameState state = test::startedGame();
    state.monthlyCharges = 1500;
    RecordingVoice voice;
    for (int id : staffIds)
        EXPECT_TRUE(hireAdmin(state, id, voice)) << id;
    EXPECT_TRUE(voice.said.empty());
    return state;
}

TEST(Staff, HireFillsTheNextEntryUnlessFullOrHiredAlready) {
    struct Case {
        const char* what;
        std::initializer_list<int> hired;
        std::int32_t adminCount; // as loaded, -1: as hired
        int staffId;
        bool hires;
    };
    const Case cases[] = {
        {"four held", {1, 2, 3, 4}, -1, 2, false}, {"already hired", {3}, -1, 3, false},
        {"a damaged count", {}, 9, 1, false},      {"a negative count", {}, -3, 1, false},
        {"a free candidate", {1, 3}, -1, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = withStaff(c.hired);
        if (c.adminCount != -1) state.adminCount = c.adminCount;
        const GameState before = state;
        RecordingVoice voice;
        EXPECT_EQ(hireAdmin(state, c.staffId, voice), c.hires);
        if (c.hires) {
            EXPECT_EQ(std::tuple(state.adminCount, state.monthlyCharges, voice.said.size()),
                      std::tuple(before.adminCount + 1, before.monthlyCharges + 640, 0u));
            const AdminRecord& ida = state.admins[before.adminCount]; // tickets and drinks
            EXPECT_EQ(std::tuple(ida.staffId, ida.salary, ida.ticketPrice, ida.maxTicketsPerWeek,
                                 ida.canBuyTickets, ida.canBuyDrinks, ida.canManageLoans),
                      std::tuple(2, 640, 100, 4, 1, 1, 0));
            continue;
        }
        EXPECT_EQ(std::memcmp(&state, &before, sizeof state), 0);
        EXPECT_EQ(voice.only(), refusal("You can't hire this person now.", "Oups..."));
    }
}

TEST(Staff, FiringMovesTheLastIntoThePlace) {
    GameState state = withStaff({1, 2, 3});
    RecordingVoice voice;
    voice.answers = {false, true};
    EXPECT_FALSE(fireAdmin(state, 0, voice)); // No: nothing happens
    EXPECT_EQ(state.adminCount, 3);
    EXPECT_TRUE(fireAdmin(state, 0, voice));
    ASSERT_EQ(voice.said.size(), 2u);
    EXPECT_EQ(voice.said[1].words,
              question("Do you want to fire this employe?", "Fire this employe?"));
    EXPECT_TRUE(voice.said[1].question);
    EXPECT_EQ(state.adminCount, 2);
    EXPECT_EQ(state.monthlyCharges, 1500 + 640 + 455);
    EXPECT_EQ(staffRows(state, voice), (Texts{"Sam Korr", "Ida Brenn"}));
    RecordingVoice hire;
    EXPECT_EQ(hireChoices(state, hire), (std::array<bool, 4>{true, false, false, true}));

    // An index past the administrators in use closes the window untouched.
    const GameState before = state;
    voice.said.clear();
    voice.answers = {true};
    EXPECT_TRUE(fireAdmin(state, 2, voice));
    EXPECT_TRUE(voice.said.empty());
    EXPECT_EQ(std::memcmp(&state, &before, sizeof state), 0);
}

TEST(Staff, CloseAndSaveByDuty) {
    const std::string many = "Sorry but I can't buy all this tickets for a week...";
    const std::string other =
        "Sorry but an other admin buy beers for you.\nI can't do this job while he do this.";
    const std::string more = "You can't refund more than you have...";
    const std::string less = "I can't refund less than 1$...";
    using Entry = std::array<std::int32_t, 4>; // tickets, drinks, threshold, amount
    const Entry kept{1, 70, 5000, 100};        // what the selected entry starts with
    struct Case {
        const char* what;
        std::initializer_list<int> hired;
        int selected;
        std::int32_t othersDrinks; // every other administrator's order
        AdminSettingsTyped typed;
        bool closes;
        std::string said;
        Entry after;
    };
    const Case cases[] = {
        {"above the maximum", {1}, 0, 0, {"3", "", "", ""}, false, many, kept},
        {"negative tickets", {1}, 0, 0, {"-1", "", "", ""}, false, many, kept},
        {"no tickets", {1}, 0, 0, {"0", "", "", ""}, true, "", {0, 70, 5000, 100}},
        {"the maximum", {1}, 0, 0, {"2", "", "", ""}, true, "", {2, 70, 5000, 100}},
        {"another buys beers", {2, 3}, 1, 100, {"", "50", "", ""}, true, other, kept},
        {"tickets refused: drinks untouched", {2}, 0, 0, {"9", "50", "", ""}, false, many, kept},
        {"tickets and drinks", {2, 1}, 0, 0, {"4", "120", "", ""}, true, "", {4, 120, 5000, 100}},
        {"a drinks order of 0 keeps it", {3}, 0, 0, {"", "0", "", ""}, true, "", kept},
        {"a negative order is stored", {3}, 0, 0, {"", "-5", "", ""}, true, "", {1, -5, 5000, 100}},
        {"repay all he has", {4}, 0, 0, {"", "", "1000", "1000"}, false, more, kept},
        {"repay less", {4}, 0, 0, {"", "", "1000", "999"}, true, "", {1, 70, 1000, 999}},
        {"a threshold of 0 stores nothing", {4}, 0, 0, {"", "", "0", "abc"}, true, "", kept},
        {"repay nothing", {4}, 0, 0, {"", "", "1000", "0"}, false, less, kept},
        {"repay a negative amount", {4}, 0, 0, {"", "", "1000", "-50"}, false, less, kept},
        {"an index no longer in use", {4}, 1, 0, {"", "", "1000", "999"}, true, "", {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameState state = withStaff(c.hired);
        for (int s = 0; s < state.adminCount; ++s)
            state.admins[s].drinkOrderQuantity = c.othersDrinks;
        AdminRecord& admin = state.admins[c.selected];
        admin.ticketsPerWeek = 1;
        admin.drinkOrderQuantity = 70;
        admin.refundThreshold = 5000;
        admin.refundAmount = 100;
        if (c.selected >= state.adminCount) admin = AdminRecord{};
        RecordingVoice voice;
        EXPECT_EQ(closeAndSave(state, c.selected, c.typed, voice), c.closes);
        EXPECT_EQ(voice.said.size(), c.said.empty() ? 0u : 1u);
        for (const auto& said : voice.said)
            EXPECT_EQ(said.words, refusal(c.said, "Oups..."));
        EXPECT_EQ((Entry{admin.ticketsPerWeek, admin.drinkOrderQuantity, admin.refundThreshold,
                         admin.refundAmount}),
                  c.after);
    }
}

TEST(Staff, AConversionErrorKeepsWhatEarlierStepsStored) {
    GameState state = withStaff({2});
    RecordingVoice voice;
    EXPECT_THROW(closeAndSave(state, 0, {"3", "", "", ""}, voice), ConversionError);
    EXPECT_EQ(state.admins[0].ticketsPerWeek, 3);
    EXPECT_EQ(state.admins[0].drinkOrderQuantity, 0);
}

TEST(Staff, ADamagedStaffIdIsReportedAndSkipped) {
    GameState state = withStaff({1, 3});
    state.admins[0].staffId = 9;
    RecordingVoice voice;
    EXPECT_EQ(hireChoices(state, voice), (std::array<bool, 4>{true, true, false, true}));
    EXPECT_EQ(staffRows(state, voice), (Texts{"?", "Sam Korr"}));
    EXPECT_EQ(settingsCandidate(state, 0, voice), nullptr);
    EXPECT_EQ(settingsCandidate(state, 1, voice)->staffId, 3);
    EXPECT_EQ(voice.texts(),
              (Texts{"Error #7\n\nUnexpected value... huh? Please contact me:\n" + kContact,
                     "Unexpected error #82... contact me:\n" + kContact,
                     "Unexpected error #12\nContact me plz: " + kContact}));
    for (const auto& said : voice.said)
        EXPECT_EQ(said.words, information(said.words.text()));
}

} // namespace
} // namespace tavo
