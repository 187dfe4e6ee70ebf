// Writes the benchmarks' heaviest game and its drinks list, so that
// tavo-sim can be timed on it:
//   make-worst-game worst.sav worst.drk
//   tavo-sim --load worst.sav --days 36000 --drinks worst.drk --decimal . --time 0

#include "WorstCase.h"

#include "core/FileIo.h"
#include "core/SaveFile.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-worst-game OUT.sav OUT.drk\n");
        return 2;
    }
    using namespace tavo;
    GameState state = bench::worstCaseGame();
    TDrinkList drinks = bench::worstCaseDrinks();
    std::vector<DrinkListEntry> entries;
    for (int i = 0; i < drinks.count(); ++i)
        entries.push_back(*drinks.at(i));
    if (!saveGame(argv[1], state) ||
        !writeFileAtomically(argv[2], entries.data(), entries.size() * sizeof(DrinkListEntry))) {
        std::fprintf(stderr, "make-worst-game: cannot write the files\n");
        return 1;
    }
    return 0;
}
