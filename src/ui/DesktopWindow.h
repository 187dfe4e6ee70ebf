// How each window of the game behaves on the desktop: where it opens, that
// it stays on the screen, whose window it is, where the keyboard goes. Qt
// sizes the windows (their layouts) and places them (a dialog centres
// itself over the window it belongs to); what is kept here is only where
// the player left each window, restored when it opens again, and a check,
// once the window manager has framed a window, that the whole frame (title
// bar included) lies on the screen's free area.
#pragma once

class QWidget;

namespace tavo::ui {

// Keeps `window`'s place from one showing to the next (and in settings.ini
// from one run to the next), under its object name. At a first showing a
// dialog opens centred over `owner` (the game window) when that is on the
// screen, over the screen otherwise; any other window is centred on the
// screen. `owner` may be null (the main menu, the popup); a window with an
// owner on the screen is that window's (transient for it).
// At each showing the keyboard goes to the first control the player acts
// on, unless the window gives it elsewhere; read-only figure boxes are
// left out of the Tab chain (a click still selects their text).
void makeDesktopWindow(QWidget* window, QWidget* owner);

} // namespace tavo::ui
