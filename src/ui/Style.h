// Looks shared by several windows.
#pragma once

class QWidget;

namespace tavo::ui {

// A white window with black text, as the popup and the fire window are.
void makeWhite(QWidget* window);

} // namespace tavo::ui
