// What assistive tools (a screen reader on the desktop's accessibility bus)
// read of the game's windows: a picture that acts is a button named by its
// caption or hint; a picture that only decorates is hidden; every box is
// named by the label beside it.
#pragma once

class QWidget;

namespace tavo::ui {

// Once, when the application starts: how the game's own widgets read.
void installAccessibility();

// Gives each box, list and choice of `window` that has no name yet the
// label before it as its buddy (the label it reads by), or its hint as its
// name when no label goes with it; a list or document without either reads
// by its group's title or its window's.
void nameControls(QWidget* window);

} // namespace tavo::ui
