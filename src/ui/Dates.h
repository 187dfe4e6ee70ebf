// Dates and months as the player's language writes them: the game window's
// date ("15 March 1983", "15. März 1983", "15 de marzo de 1983") and the
// finance chart's months ("Mar 1983", "juil. 1983"). The game's calendar has
// twelve months of thirty days, so the words come from the translations,
// through patterns the translators order, not from QDate.
#pragma once

#include <QString>

namespace tavo::ui {

// The day, the month's name and the year; empty for a month outside 1..12.
QString dateText(int day, int month, int year);

// The month's short name and the year, as a chart names a month; the year
// alone for a month outside 1..12.
QString shortMonthText(int month, int year);

} // namespace tavo::ui
