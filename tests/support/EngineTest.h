// What the engine's tests share: GoogleTest, the records, lists and files
// built for them, the recording voice, and the engine's common headers.
#pragma once

#include "banks/BankIds.h"
#include "core/FixedText.h"
#include "core/NumberText.h"
#include "core/SaveFile.h"
#include "game/Game.h"
#include "support/RecordingVoice.h"
#include "support/States.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace tavo {

using test::addAdmin;
using test::addBar;
using test::addSlot;
using test::makeBar;
using test::makeDrink;
using test::openLoan;
using test::RecordingVoice;
using test::startedGame;
using test::TempDir;
using Texts = std::vector<std::string>;

} // namespace tavo
