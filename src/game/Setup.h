// The setup window's Ok: the three options and the two list paths into
// the configuration, written to config.kpl when both paths are given. A
// path that would not fit its record field, or names no list, is refused
// before anything changes, so a later start always finds its lists.
#pragma once

#include "core/ConfigRecord.h"
#include "core/Voice.h"

#include <string_view>

namespace tavo {

struct SetupChoice {
    bool popupStart = false;
    bool pauseBeer = false;
    bool drinkClose = false;
    std::string_view barsListPath; // as typed, UTF-8
    std::string_view drinksListPath;
};

enum class SetupEnd { Close, StayOpen };

SetupEnd applySetup(ConfigRecord& config, ConfigStore& store, const SetupChoice& choice,
                    Voice& voice);

} // namespace tavo
