// Writes the fuzz targets' seed corpus from the seed games:
//   make-fuzz-seeds DATA_DIR OUT_DIR
// makes OUT_DIR/files/* (full-size saves with real lists and config.kpl),
// OUT_DIR/scripts/* (action scripts on the seed games that between them use
// every command, each checked to play to its end, and a damaged game),
// OUT_DIR/disk/* (file operations, plain and hostile), OUT_DIR/data/* (the
// shipped lists' sources and list files) and OUT_DIR/qm/* (a translation
// file, sound and damaged). The corpus in fuzz/seeds is its output,
// committed; CI checks that it is up to date.

#include "Damage.h"
#include "Inputs.h"
#include "SeedGames.h"
#include "core/FileIo.h"
#include "core/FixedText.h"
#include "game/ScriptPlayer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

using namespace tavo;

void write(const std::string& path, const Bytes& bytes) {
    if (!writeFileAtomically(path, bytes.data(), bytes.size()))
        throw std::runtime_error("cannot write " + path);
}

Bytes filesInput(const Game& game, const ConfigRecord& config, std::uint8_t days,
                 std::uint32_t seed) {
    const Bytes bars = fuzz::listBytes(game.bars);
    const Bytes drinks = fuzz::listBytes(game.drinks);
    fuzz::FilesHeader header{};
    header.flags = game.numberFormat.decimalSeparator == ',' ? 1 : 0;
    header.days = days;
    header.saveSize = sizeof(GameState);
    header.configSize = sizeof(ConfigRecord);
    header.barsSize = static_cast<std::uint16_t>(bars.size());
    header.drinksSize = static_cast<std::uint16_t>(drinks.size());
    header.seed = seed;
    header.now = 315532800 + seed;
    Bytes bytes(sizeof header);
    std::memcpy(bytes.data(), &header, sizeof header);
    const auto* state = reinterpret_cast<const unsigned char*>(&game.state);
    bytes.insert(bytes.end(), state, state + sizeof game.state);
    const auto* record = reinterpret_cast<const unsigned char*>(&config);
    bytes.insert(bytes.end(), record, record + sizeof config);
    bytes.insert(bytes.end(), bars.begin(), bars.end());
    bytes.insert(bytes.end(), drinks.begin(), drinks.end());
    return bytes;
}

Bytes scriptInput(std::uint8_t game, std::uint32_t seed, const std::string& script,
                  std::uint8_t flags = 0, std::uint8_t cut = 0,
                  const std::vector<fuzz::Patch>& patches = {}) {
    fuzz::ScriptHeader header{game, {}, flags, cut, static_cast<std::uint8_t>(patches.size())};
    std::memcpy(header.seed, &seed, sizeof seed);
    Bytes bytes(sizeof header);
    std::memcpy(bytes.data(), &header, sizeof header);
    for (const fuzz::Patch& patch : patches) {
        const auto* raw = reinterpret_cast<const unsigned char*>(&patch);
        bytes.insert(bytes.end(), raw, raw + sizeof patch);
    }
    bytes.insert(bytes.end(), script.begin(), script.end());
    return bytes;
}

// Plays a seed script on its game as the target does; a script error means
// the seed stops short of the commands it was written for.
void checkPlays(const fuzz::SeedGame& seed, const std::string& name, const std::string& script) {
    Game game = seed.game;
    std::ostringstream out;
    const FixedTimeSource clock(315532800);
    try {
        Session session(game, clock);
        ScriptPlayer(session, out).play(readScript(script));
    } catch (const ScriptError& error) {
        throw std::runtime_error("the seed script " + name + " stops at line " +
                                 std::to_string(error.line) + ": " + error.what() + "\n" +
                                 out.str());
    }
}

// A disk target's operation: opcode, argument, and a file's contents.
void op(Bytes& bytes, fuzz::DiskOp code, std::uint8_t arg, const Bytes& contents = {}) {
    bytes.push_back(static_cast<std::uint8_t>(code));
    bytes.push_back(arg);
    if (code != fuzz::DiskOp::MakeFile) return;
    bytes.push_back(static_cast<std::uint8_t>(contents.size() & 0xff));
    bytes.push_back(static_cast<std::uint8_t>(contents.size() >> 8));
    bytes.insert(bytes.end(), contents.begin(), contents.end());
}

Bytes withSelector(std::uint8_t selector, const std::string& path) {
    const FileRead file = readRegularFile(path, 1 << 20);
    if (!file.ok) throw std::runtime_error(file.reason);
    Bytes bytes{selector};
    bytes.insert(bytes.end(), file.bytes.begin(), file.bytes.end());
    return bytes;
}

void writeScriptSeeds(const std::string& out, const std::vector<fuzz::SeedGame>& games) {
    struct Seed {
        const char* name;
        std::uint8_t game;
        const char* script;
    };
    // Between them, every command of the script language.
    const Seed seeds[] = {
        {"fresh", 0,
         "buy-bar 0 Joe 1 a 5\norder 0 0 10 3\ntoggle 0\ndays 3\n"
         "promote 0 news\nentry-price 0 2.5\ndays 30\n"},
        {"first-bar", 1,
         "order all 1 20 12 no\norder 0 2 5 abc\nentry-price 0 abc\n"
         "promote 0 tv\nbuy-bar 3 \"Second One\" 2 md 4\ndays 40\n"},
        {"banker", 2,
         "days 2\ntoggle 1\npromote 2 radio\norder 2 5 100 2.25 unused\n"
         "entry-price 1 9.99\ndays 35\n"},
        {"worst-case", 3, "entry-price 3 -1\npromote 24 news\norder all 3 999 4\ndays 8\n"},
        {"banks", 1,
         "member 3\nborrow 3 2500\nmember 0 yes\ninvest 0 1 1000\nmember 2\ninsure 1 1\n"
         "days 30\nrefund 3 500\nrefund 3\nwithdraw 0 yes\nleave-insurance yes yes\n"},
        {"banker-desk", 2,
         "refund 0 abc\nwithdraw 2 no\nleave-insurance no\n"
         "admin 1 = 50 10000 5000\nfire-admin 0 no\nfire-admin 0\ndays 3\n"},
        {"staff-and-games", 1,
         "hire 1\nhire 2\nadmin 0 3 120 = =\nfire-admin 1\nticket 6 7 8 9 10 49\n"
         "ticket random\nticket 1 2 3 4 5 x\nspin 10\nspin abc\nrace 2 100\nrace 0 10\n"
         "days 8\n"},
    };
    std::uint32_t seed = 7;
    for (const Seed& s : seeds) {
        checkPlays(games[s.game], s.name, s.script);
        write(out + "/scripts/" + s.name, scriptInput(s.game, seed++, s.script));
    }
    // The banker's game damaged (its first bar's list line and a drink's
    // price), its lists cut short, played with a comma.
    write(out + "/scripts/damaged-comma", scriptInput(2, 21, "order 0 1 5 2,5\ntoggle 0\ndays 5\n",
                                                      1, 0x21, {{{0x60, 0x00}, 0x7f}}));
}

void writeDiskSeeds(const std::string& out, const std::string& dataDir) {
    using Op = fuzz::DiskOp;
    enum : std::uint8_t { A, B, Config, Bars, Drinks, History, Journal, Settings, Gone };
    Bytes plain;
    for (auto [code, arg] : {std::pair{Op::WriteSave, A},
                             {Op::LoadSave, A},
                             {Op::WriteSave, B},
                             {Op::History, A},
                             {Op::Autosave, A},
                             {Op::Autosave, A},
                             {Op::Config, Config},
                             {Op::Lists, Bars}})
        op(plain, code, arg);
    write(out + "/disk/plain", plain);

    Bytes hostile;
    op(hostile, Op::MakeFifo, A);
    op(hostile, Op::WriteSave, A);
    op(hostile, Op::LoadSave, A);
    op(hostile, Op::MakeFolder, B);
    op(hostile, Op::WriteSave, B);
    op(hostile, Op::MakeLink, Config | Config << 4);
    op(hostile, Op::Config, Config);
    op(hostile, Op::MakeFile, Bars, Bytes(100, 1));
    op(hostile, Op::Protect, Bars);
    op(hostile, Op::WriteSave, Bars);
    op(hostile, Op::Leftover, History | 16);
    op(hostile, Op::Leftover, History);
    op(hostile, Op::MakeLink, History | Gone << 4);
    op(hostile, Op::WriteSave, History);
    write(out + "/disk/hostile", hostile);

    // Files beside a save and settings.ini, each a link to another file or
    // to nothing.
    Bytes beside;
    op(beside, Op::WriteSave, A);
    op(beside, Op::MakeFile, B, Bytes(8, 'b'));
    op(beside, Op::MakeLink, History | B << 4);
    op(beside, Op::History, A);
    op(beside, Op::MakeLink, Journal | Gone << 4);
    op(beside, Op::Sidecar, A);
    op(beside, Op::Settings, Settings);
    op(beside, Op::MakeLink, Settings | Config << 4);
    op(beside, Op::Settings, Settings | 16);
    write(out + "/disk/beside", beside);

    Bytes lists;
    op(lists, Op::MakeFile, Bars, readRegularFile(dataDir + "/def.bar", 1 << 20).bytes);
    op(lists, Op::MakeFile, Drinks, readRegularFile(dataDir + "/drinks.drk", 1 << 20).bytes);
    op(lists, Op::Lists, Bars);
    op(lists, Op::Lists, Drinks);
    op(lists, Op::MakeLink, B | A << 4);
    op(lists, Op::WriteSave, B);
    op(lists, Op::LoadSave, A);
    write(out + "/disk/lists", lists);
}

// A translation file as lrelease writes one: the language, the hash table
// (each message's hash of its source text, in order), the messages (its
// UTF-16 translation, comment, source text, context, end mark), the French
// plural rule.
Bytes translationFile(const std::vector<std::pair<std::string, std::string>>& messages) {
    const auto be32 = [](Bytes& out, std::uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out.push_back(static_cast<unsigned char>(value >> shift));
    };
    const auto field = [&](Bytes& out, unsigned char tag, const std::string& text) {
        out.push_back(tag);
        be32(out, static_cast<std::uint32_t>(text.size()));
        out.insert(out.end(), text.begin(), text.end());
    };
    const auto hashOf = [](const std::string& text) { // Qt's ELF hash
        std::uint32_t hash = 0;
        for (const unsigned char c : text) {
            hash = (hash << 4) + c;
            if (const std::uint32_t high = hash & 0xf0000000; high != 0) hash ^= high >> 24;
            hash &= ~0xf0000000u;
        }
        return hash == 0 ? 1u : hash;
    };
    std::vector<std::pair<std::uint32_t, Bytes>> coded;
    for (const auto& [source, translation] : messages) {
        Bytes message;
        std::string utf16;
        for (const char c : translation)
            utf16 += {'\0', c};
        field(message, 3, utf16);
        field(message, 8, "");
        field(message, 6, source);
        field(message, 7, "tavo");
        message.push_back(1);
        coded.emplace_back(hashOf(source), message);
    }
    std::sort(coded.begin(), coded.end());
    Bytes hashes, body;
    for (const auto& [hash, message] : coded) {
        be32(hashes, hash);
        be32(hashes, static_cast<std::uint32_t>(body.size()));
        body.insert(body.end(), message.begin(), message.end());
    }
    Bytes file = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                  0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
    field(file, 0xa7, "fr_FR");
    field(file, 0x42, std::string(hashes.begin(), hashes.end()));
    field(file, 0x69, std::string(body.begin(), body.end()));
    field(file, 0x88, "\x03\x01");
    return file;
}

void writeTranslationSeeds(const std::string& out) {
    const Bytes sound = translationFile({{"Oups!", "Oups !"},
                                         {"The car # %1", "La voiture n\xB0 %1"},
                                         {"Loan denied", "Pr\xEAt refus\xE9"}});
    write(out + "/qm/sound", sound);
    // The first message's translation made huge, as a damaged disk may: the
    // check refuses what Qt would read far past the file's end.
    std::size_t at = 16;
    while (sound[at] != 0x69)
        at += 5 + (std::size_t{sound[at + 1]} << 24 | std::size_t{sound[at + 2]} << 16 |
                   std::size_t{sound[at + 3]} << 8 | sound[at + 4]);
    Bytes huge = sound;
    for (const std::size_t i : {at + 6, at + 7, at + 8, at + 9})
        huge[i] = 0x7f;
    write(out + "/qm/huge-length", huge);
    // A translation that names itself as a dependency, which Qt would load
    // until its stack ran out.
    Bytes itself(sound.begin(), sound.begin() + 16);
    const std::string name = std::string("\0t\0a\0v\0o\0_\0f\0r", 14);
    for (const unsigned char byte : {0x96, 0, 0, 0, 18, 0, 0, 0, 14})
        itself.push_back(byte);
    itself.insert(itself.end(), name.begin(), name.end());
    write(out + "/qm/depends-on-itself", itself);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-fuzz-seeds DATA_DIR OUT_DIR\n");
        return 2;
    }
    try {
        const std::string out = argv[2];
        for (const char* target : {"files", "scripts", "disk", "data", "qm"})
            std::filesystem::create_directories(out + "/" + target);
        const auto games = fuzz::seedGames(argv[1]);
        ConfigRecord config = defaultConfig();
        config.PauseBeer = 1;
        setFixedText(config.drinksListPath, kUsDrinksList);
        std::uint32_t seed = 1;
        for (const auto& [name, game] : games)
            write(out + "/files/" + name, filesInput(game, config, 59, seed++));
        // The heaviest game near the year's end, so that the month change
        // comes within the days the fuzzer's budget allows it.
        Game yearEnd = games.back().game;
        yearEnd.state.day = 27;
        yearEnd.state.month = 12;
        write(out + "/files/worst-year-end", filesInput(yearEnd, config, 20, 77));
        // The save that once hung the day: a bar of 2147483647 clients.
        Game damaged = yearEnd;
        damaged.state.bars[3].clientsPerDay = 2147483647;
        write(out + "/files/damaged", filesInput(damaged, defaultConfig(), 10, 99));

        writeScriptSeeds(out, games);
        writeDiskSeeds(out, argv[1]);
        for (const auto& [name, selector] : {std::pair{"bars", 0}, {"drinks", 1}, {"drinksUS", 1}})
            write(out + "/data/" + name,
                  withSelector(selector, std::string(argv[1]) + "/" + name + ".txt"));
        // The list files themselves, to dump.
        write(out + "/data/def.bar", withSelector(2, std::string(argv[1]) + "/def.bar"));
        write(out + "/data/drinks.drk", withSelector(3, std::string(argv[1]) + "/drinks.drk"));
        writeTranslationSeeds(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-fuzz-seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
