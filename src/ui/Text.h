// Texts between the records' fixed char buffers (one byte a character) and
// the windows.
#pragma once

#include "bars/DrinkList.h"
#include "core/FixedText.h"
#include "core/GameState.h"
#include "core/NumberText.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <string_view>

namespace tavo::ui {

template <std::size_t N>
QString fromFixed(const char (&buffer)[N]) {
    return QString::fromLatin1(buffer, static_cast<qsizetype>(strnlen(buffer, N)));
}

// File paths are kept as UTF-8, the file system's own encoding.
template <std::size_t N>
QString pathFromFixed(const char (&buffer)[N]) {
    return QString::fromUtf8(buffer, static_cast<qsizetype>(strnlen(buffer, N)));
}

// A text of the engine's own (UTF-8) for a window.
inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStd(const QString& text) {
    return text.toStdString();
}

// A name typed by the player, one byte a character as the record keeps it.
inline std::string toLatin1(const QString& text) {
    return text.toLatin1().toStdString();
}

// A number in the general format the game shows money in.
inline QString generalText(double value, const NumberFormat& format) {
    return QString::fromStdString(formatGeneral(value, format));
}

// The names of the bars owned, in order: line i of a window's bar list
// is bar i.
inline QStringList ownedBarNames(const GameState& state) {
    QStringList names;
    for (int b = 0; b < ownedBarCount(state); ++b)
        names << fromFixed(state.bars[b].barName);
    return names;
}

// A drink's name, or "?" for a drink the loaded list does not hold.
inline QString drinkNameText(const TDrinkList& drinks, int drinkIndex) {
    if (const DrinkListEntry* drink = drinks.at(drinkIndex)) return fromFixed(drink->name);
    return QStringLiteral("?");
}

} // namespace tavo::ui
