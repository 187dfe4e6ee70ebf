// libFuzzer target: the game's real file functions on files the input makes
// in a private temporary folder (regular files, links, FIFOs, folders,
// protected files, leftovers of killed saves, see Inputs.h): loading and
// saving games, config.kpl, the lists, the files beside a save (history,
// journal), the autosaves and settings.ini. Nothing may wait on a FIFO; a
// save that succeeds loads back as written; a save that fails touches
// nothing and says why; a file beside a save, or settings.ini, is never
// written through a link into another file; no write leaves a temporary
// file behind.

#include "Inputs.h"
#include "bars/BarList.h"
#include "bars/DrinkList.h"
#include "core/Autosave.h"
#include "core/ConfigRecord.h"
#include "core/FinanceHistory.h"
#include "core/NewGame.h"
#include "core/SaveFile.h"
#include "ui/GameSettings.h"

#include <QDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace tavo;
namespace fs = std::filesystem;

const std::string& folder() {
    // Never destroyed: the clean-up at exit still needs it.
    static const std::string& kFolder = *new std::string([] {
        // In memory where the system offers it: the saves' syncs then cost
        // nothing, and a run makes five times as many.
        const fs::path base =
            ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "tavo-fuzz-disk-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(folder(), ignored);
        });
        return pattern;
    }());
    return kFolder;
}

const char* const kNames[fuzz::kDiskNames] = {"a.sav",         "b.sav",       "config.kpl",
                                              "def.bar",       "drinks.drk",  "a.sav.history",
                                              "a.sav.journal", "settings.ini"};

// The name an argument picks (its low four bits).
const char* nameOf(std::uint8_t arg) {
    return kNames[(arg & 15) % fuzz::kDiskNames];
}

std::string pathOf(std::uint8_t arg) {
    return folder() + "/" + nameOf(arg);
}

// What a path shows: its kind and a regular file's bytes, links followed.
std::string look(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return "missing";
    std::string seen = std::to_string(info.st_mode);
    if (S_ISLNK(info.st_mode)) {
        char target[4096];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        seen +=
            " -> " + std::string(target, static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
        if (::stat(path.c_str(), &info) != 0) return seen;
        seen += " " + std::to_string(info.st_mode);
    }
    if (S_ISREG(info.st_mode)) {
        const FileRead file = readRegularFile(path, kSaveFileSize + 64); // the longest file made
        seen += " " + std::string(file.bytes.begin(), file.bytes.end());
    }
    return seen;
}

// The files a write of `written` must leave as they were: every file the
// input may name (and what a dangling link names), but `written` itself and
// the links that lead to it.
std::vector<std::string> othersThan(const std::string& written) {
    std::vector<std::string> others;
    std::vector<std::string> names(std::begin(kNames), std::end(kNames));
    names.push_back("gone");
    for (const std::string& name : names) {
        fs::path at = folder() + "/" + name;
        bool leads = at == fs::path(written);
        std::error_code error;
        for (int hop = 0; hop < 40 && !leads && fs::is_symlink(at, error); ++hop) {
            at = at.parent_path() / fs::read_symlink(at, error);
            leads = at == fs::path(written);
        }
        if (!leads) others.push_back(folder() + "/" + name);
    }
    return others;
}

std::vector<std::string> lookAt(const std::vector<std::string>& paths) {
    std::vector<std::string> seen;
    for (const std::string& path : paths)
        seen.push_back(look(path));
    return seen;
}

// Checks, once `written` has been written, that nothing else was.
class OthersKept {
public:
    explicit OthersKept(std::string written)
        : written_(std::move(written)), others_(othersThan(written_)), before_(lookAt(others_)) {}
    void check() const {
        if (lookAt(others_) == before_) return;
        std::fprintf(stderr, "writing %s changed another file\n", written_.c_str());
        std::abort();
    }

private:
    std::string written_;
    std::vector<std::string> others_;
    std::vector<std::string> before_;
};

class Session {
public:
    explicit Session(GameState game) : game_(game) { fs::create_directory(folder() + "/saves"); }

    void run(fuzz::DiskOp op, std::uint8_t arg, const std::uint8_t*& data,
             const std::uint8_t* end) {
        const std::string path = pathOf(arg);
        switch (op) {
        case fuzz::DiskOp::MakeFile: {
            // Two length bytes (up to a save and a little more), then the
            // bytes, cycled when the input holds fewer.
            std::size_t length = 0;
            for (int i = 0; i < 2 && data < end; ++i)
                length |= std::size_t{*data++} << (8 * i);
            length %= kSaveFileSize + 64;
            const std::size_t take = std::min<std::size_t>(length, end - data);
            std::string bytes(length, '\0');
            for (std::size_t i = 0; take > 0 && i < length; ++i)
                bytes[i] = static_cast<char>(data[i % take]);
            data += take;
            // Never waits on a FIFO made before.
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK, 0644);
            if (fd < 0) return;
            (void)!::write(fd, bytes.data(), bytes.size());
            ::close(fd);
            return;
        }
        case fuzz::DiskOp::MakeLink: {
            const int to = arg >> 4;
            const std::string target = to < fuzz::kDiskNames ? kNames[to] : to == 8 ? "gone" : path;
            (void)::symlink(target.c_str(), path.c_str());
            return;
        }
        case fuzz::DiskOp::MakeFifo:
            (void)::mkfifo(path.c_str(), 0644);
            return;
        case fuzz::DiskOp::MakeFolder:
            (void)::mkdir(path.c_str(), 0755);
            return;
        case fuzz::DiskOp::Protect:
            (void)::chmod(path.c_str(), (arg & 16) ? 0644 : 0444);
            return;
        case fuzz::DiskOp::LoadSave: {
            GameState loaded = game_;
            if (loadGame(path, loaded).ok())
                game_ = loaded;
            else if (std::memcmp(&loaded, &game_, sizeof loaded) != 0)
                std::abort();
            return;
        }
        case fuzz::DiskOp::WriteSave:
            return writeSave(path);
        case fuzz::DiskOp::Config: {
            std::string problem;
            const ConfigRecord config = readConfig(path, &problem);
            if (ConfigFile(path).writable()) (void)writeConfig(path, config);
            return;
        }
        case fuzz::DiskOp::Lists: {
            TBarList bars;
            TDrinkList drinks;
            if (!bars.loadFromFile(path) && !bars.isEmpty()) std::abort();
            if (!drinks.loadFromFile(path) && !drinks.isEmpty()) std::abort();
            return;
        }
        case fuzz::DiskOp::History: {
            const OthersKept others(historyPath(path));
            const FinanceHistory history = loadHistory(path, game_);
            if (saveHistory(path, history, game_) && loadHistory(path, game_) != history)
                std::abort();
            others.check();
            return;
        }
        case fuzz::DiskOp::Sidecar:
            return writeJournal(path, arg);
        case fuzz::DiskOp::Settings:
            return writeSettings(arg);
        case fuzz::DiskOp::Autosave:
            (void)autosave(folder() + "/saves", game_);
            return;
        case fuzz::DiskOp::Leftover: {
            const std::string name =
                folder() + "/." + nameOf(arg) + ".Left" + std::to_string(arg >> 4 & 1) + "x.tmp";
            ::close(::open(name.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK, 0644));
            if (arg & 16) {
                const timespec old[2] = {{std::time(nullptr) - 7200, 0},
                                         {std::time(nullptr) - 7200, 0}};
                ::utimensat(AT_FDCWD, name.c_str(), old, 0);
            }
            planted_.insert(name.substr(folder().size() + 1));
            return;
        }
        case fuzz::DiskOp::Count:
            return;
        }
    }

    // Every temporary file left in the folders is a leftover the input
    // made itself.
    void checkNoTemporaryLeft() const {
        for (const char* sub : {"", "/saves"})
            for (const auto& entry : fs::directory_iterator(folder() + sub)) {
                const std::string name = entry.path().filename().string();
                if (name[0] == '.' && name.ends_with(".tmp") && !planted_.count(name)) {
                    std::fprintf(stderr, "a temporary file was left: %s\n", name.c_str());
                    std::abort();
                }
            }
    }

private:
    // A journal beside the save at `path`, as the session writes it: a
    // regular file of its own with the save's permissions, or nothing
    // touched and the reason said.
    void writeJournal(const std::string& path, std::uint8_t arg) {
        const std::string journal = path + ".journal";
        const OthersKept others(journal);
        const std::string before = look(journal);
        const std::string text = "days " + std::to_string(arg) + "\n";
        std::string reason;
        if (writeSidecarFile(path, journal, text.data(), text.size(), &reason)) {
            struct stat written {};
            struct stat save {};
            const FileRead back = readRegularFile(journal, 1 << 10);
            if (::lstat(journal.c_str(), &written) != 0 || !S_ISREG(written.st_mode) ||
                std::string(back.bytes.begin(), back.bytes.end()) != text ||
                (::stat(path.c_str(), &save) == 0 && S_ISREG(save.st_mode) &&
                 (written.st_mode & 07777) != (save.st_mode & 07777)))
                std::abort();
        } else if (reason.empty() || look(journal) != before) {
            std::fprintf(stderr, "a failed journal: '%s'\n", reason.c_str());
            std::abort();
        }
        others.check();
    }

    // settings.ini read and written as the game does, in its folder: what
    // is not a file of its own is neither written nor written through.
    void writeSettings(std::uint8_t arg) {
        const std::string settings = folder() + "/settings.ini";
        const OthersKept others(settings);
        const std::string before = look(settings);
        struct stat info {};
        const bool own = ::lstat(settings.c_str(), &info) != 0 || S_ISREG(info.st_mode);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder()));
        (void)ui::gameSetting(QStringLiteral("game/autosave"), true);
        const bool written = ui::setGameSetting(QStringLiteral("game/autosave"), (arg & 16) != 0);
        QDir::setCurrent(previous);
        if (!own && (written || look(settings) != before)) {
            std::fprintf(stderr, "settings.ini was written though not a file of its own\n");
            std::abort();
        }
        others.check();
    }

    void writeSave(const std::string& path) {
        const std::string before = look(path);
        std::string reason;
        if (saveGame(path, game_, &reason)) {
            GameState back{};
            if (!loadGame(path, back).ok() || std::memcmp(&back, &game_, sizeof back) != 0)
                std::abort(); // a save that succeeded reads back as written
        } else if (reason.empty() || look(path) != before) {
            std::fprintf(stderr, "a failed save: '%s'\n", reason.c_str());
            std::abort(); // a failed save says why and touches nothing
        }
    }

    GameState game_;
    std::set<std::string> planted_;
};

GameState startingGame() {
    GameState state{};
    Random random;
    beginNewGame(state, random, 315532800);
    return state;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const GameState kStart = startingGame();
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder(), ignored)) {
        ::chmod(entry.path().c_str(), 0755);
        fs::remove_all(entry.path(), ignored);
    }
    Session session(kStart);
    const std::uint8_t* end = data + size;
    for (int ops = 0; data + 2 <= end && ops < fuzz::kMostDiskOps; ++ops) {
        const auto op = static_cast<fuzz::DiskOp>(data[0] % fuzz::kDiskOps);
        const std::uint8_t arg = data[1];
        data += 2;
        session.run(op, arg, data, end);
    }
    session.checkNoTemporaryLeft();
    return 0;
}
