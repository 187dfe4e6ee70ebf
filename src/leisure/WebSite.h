// The game's web site, in one place: the folder its update documents lie
// under, the home page the game opens in the browser, and the team's mail
// address. TAVO_WEB_BASE and TAVO_HOME_PAGE point the game at a mirror or a
// test server instead.
#pragma once

#include <string>
#include <string_view>

namespace tavo {

inline constexpr std::string_view kDefaultWebBase = "http://tavo-game.example.org/";
inline constexpr std::string_view kDefaultHomePage = "https://tavo-game.example.org/";
inline constexpr std::string_view kTeamEmail = "team@tavo-game.example.org";

// The documents of the Internet Center, under the web base.
inline constexpr std::string_view kLastVersionDocument = "kpl/update/lastver.txt";
inline constexpr std::string_view kNewsDocument = "kpl/update/news.txt";

// The web base (TAVO_WEB_BASE when set), always ending in '/', so that a
// document's address is the base followed by its path.
std::string webBase();
// The home page (TAVO_HOME_PAGE when set).
std::string homePage();
// The full address of a document under the web base.
std::string documentAddress(std::string_view document);

} // namespace tavo
