// Every window of the game in every state a player meets it in (a game of
// some weeks, member and non-member banks, a spin, a race half-way, a year
// of charts), visited one after another: the renderer draws and checks each,
// the desktop test checks how the window manager places it.
#pragma once

#include "SampleGame.h"

#include <functional>

namespace tavo::ui::test {

// Shows each window in turn, set up, and calls `visit` with it and its name
// (the visit hides it again); true when every visit returned true.
bool tourWindows(Forms& forms, const std::function<bool(QWidget*, const QString&)>& visit);

} // namespace tavo::ui::test
