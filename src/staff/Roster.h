// The four administrators the player can hire, each known by a staff ID
// from 1 to 4.
#pragma once

#include <cstdint>

namespace tavo {

struct Candidate {
    std::int32_t staffId;
    const char* name;
    int age;
    std::int32_t salary; // dollars per month
    bool canBuyTickets;
    bool canBuyDrinks;
    bool canManageLoans;
    std::int32_t ticketPrice;
    std::int32_t maxTicketsPerWeek;
};

inline constexpr Candidate kRoster[4] = {
    {1, "Ned Tarrow", 26, 230, true, false, false, 50, 2},
    {2, "Ida Brenn", 41, 640, true, true, false, 100, 4},
    {3, "Sam Korr", 37, 455, false, true, false, 0, 0},
    {4, "Leo Vask", 32, 500, false, false, true, 0, 0},
};

// Where a player reports an administrator entry the game cannot read.
inline constexpr const char* kContactAddress = "tavo-game@example.org";

// The candidate with this staff ID, or nullptr for an ID outside 1..4
// (possible only in a damaged save file).
inline const Candidate* findCandidate(std::int32_t staffId) {
    if (staffId < 1 || staffId > 4) return nullptr;
    return &kRoster[staffId - 1];
}

} // namespace tavo
