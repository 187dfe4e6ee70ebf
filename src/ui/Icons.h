// The toolbar's small pictures, drawn when the game starts.
#pragma once

#include <QIcon>

namespace tavo::ui {

enum class ToolIcon {
    Save,
    Open,
    Setup,
    Quit,
    Speed,
    Info,
    Drinks,
    BuyBar,
    Promote,
    Finances,
    Bank,
    Staff,
    Lottery,
    Internet,
    About
};

QIcon toolIcon(ToolIcon icon);

} // namespace tavo::ui
