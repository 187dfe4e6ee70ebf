// Files a player or a damaged disk may hand the game: FIFOs, huge sparse
// files, saves over protected files, devices and links, saves killed
// part-way or racing each other.

#include "bars/DrinkList.h"
#include "core/Autosave.h"
#include "game/Session.h"
#include "support/EngineTest.h"

#include <algorithm>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavo {
namespace {

void makeSparse(const std::string& path, off_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// Every name in the folder that is not one of `kept` is a hidden temporary.
void expectOnlyHiddenTemporaries(const std::string& folder, const std::vector<std::string>& kept) {
    for (const std::string& name : test::listFolder(folder)) {
        if (std::find(kept.begin(), kept.end(), name) != kept.end()) continue;
        EXPECT_TRUE(name[0] == '.' && name.size() > 4 && name.ends_with(".tmp"))
            << name << " may be taken for a save";
    }
}

// A file far longer than a save or a list is refused, and the reason gives
// the file's own size, not what was read of it.
TEST(HostileFiles, HugeFilesAreRefusedByTheirOwnSize) {
    TempDir dir;
    makeSparse(dir.file("big.sav"), off_t{1} << 30);
    GameState live{};
    EXPECT_EQ(loadGame(dir.file("big.sav"), live).reason,
              "the file holds 1073741824 bytes instead of 12936");
    makeSparse(dir.file("big.drk"), off_t{1} << 30);
    std::string problem;
    EXPECT_FALSE(TDrinkList().loadFromFile(dir.file("big.drk"), &problem));
    EXPECT_NE(problem.find("more than 100000 records"), std::string::npos) << problem;
}

TEST(HostileFiles, SaveKeepsPermissionsAndWritesThroughLinks) {
    const GameState state = test::startedGame(4321);
    const auto saved = [&](const std::string& path) {
        GameState loaded{};
        return loadGame(path, loaded).ok() && loaded.money == 4321;
    };
    TempDir dir;
    // A new save gets the user's usual bits.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(saveGame(dir.file("new.sav"), state));
    EXPECT_EQ(::umask(mask), 022u) << "the save changed the umask";
    EXPECT_EQ(modeOf(dir.file("new.sav")), 0644u);

    // A chain of links, its last relative, to a save in another folder: the
    // file it names gets the game, the links stay links.
    ASSERT_EQ(::mkdir(dir.file("games").c_str(), 0755), 0);
    test::writeBytes(dir.file("games/real.sav"), {1});
    ASSERT_EQ(::symlink("games/real.sav", dir.file("link.sav").c_str()), 0);
    ASSERT_EQ(::symlink(dir.file("link.sav").c_str(), dir.file("chain.sav").c_str()), 0);
    ASSERT_TRUE(saveGame(dir.file("chain.sav"), state));
    EXPECT_TRUE(saved(dir.file("games/real.sav")));
    for (const char* name : {"link.sav", "chain.sav"}) {
        struct stat info {};
        ASSERT_EQ(::lstat(dir.file(name).c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode)) << name << " replaced by a file";
    }
    // A link to a save not yet made makes it.
    ASSERT_EQ(::symlink("games/later.sav", dir.file("later.sav").c_str()), 0);
    ASSERT_TRUE(saveGame(dir.file("later.sav"), state));
    EXPECT_TRUE(saved(dir.file("games/later.sav")));
}

// What lies beside a save and belongs to it (its history, its journal) is
// written as the save is, with the save's permissions, but never through a
// link: the player named the save, not that file. The link is replaced, its
// target left as it was.
TEST(HostileFiles, SidecarsReplaceALinkAndLeaveItsTargetWhole) {
    const GameState state = test::startedGame(4321);
    const FinanceHistory history{{{1980, 1, 4321, {}}}, 315532800};
    const struct {
        const char* what;
        const char* target; // where the link beside the save points
        bool exists;
    } links[] = {
        {"link to a file elsewhere", "elsewhere/notes.txt", true},
        {"link to nothing", "elsewhere/new.txt", false},
        {"link to the save itself", "game.sav", true},
    };
    for (const char* sidecar : {".history", ".journal"})
        for (const auto& link : links) {
            SCOPED_TRACE(std::string(sidecar) + ", " + link.what);
            TempDir dir;
            ASSERT_EQ(::mkdir(dir.file("elsewhere").c_str(), 0755), 0);
            const std::string save = dir.file("game.sav");
            ASSERT_TRUE(saveGame(save, state));
            ASSERT_EQ(::chmod(save.c_str(), 0640), 0);
            const std::string target = dir.file(link.target);
            if (link.exists && !test::fileExists(target)) test::writeBytes(target, "mine", 4);
            const auto before =
                link.exists ? test::readBytes(target) : std::vector<unsigned char>{};
            ASSERT_EQ(::symlink(link.target, (save + sidecar).c_str()), 0);
            Game game;
            game.state = state;
            game.history = history;
            const FixedTimeSource clock(315532800);
            ASSERT_TRUE(Session(game, clock).save(save));
            EXPECT_EQ(loadHistory(save, state), history);
            struct stat info {};
            ASSERT_EQ(::lstat((save + sidecar).c_str(), &info), 0);
            EXPECT_TRUE(S_ISREG(info.st_mode)) << "written through the link";
            EXPECT_EQ(info.st_mode & 0777, 0640u);
            EXPECT_EQ(test::fileExists(target), link.exists);
            if (link.exists) {
                EXPECT_EQ(test::readBytes(target), before);
            }
        }
}

// What a folder holds, every entry's kind and a regular file's bytes.
std::vector<std::string> snapshot(const std::string& folder) {
    std::vector<std::string> entries;
    for (const std::string& name : test::listFolder(folder)) {
        struct stat info {};
        ::lstat((folder + "/" + name).c_str(), &info);
        const auto bytes = S_ISREG(info.st_mode) ? test::readBytes(folder + "/" + name)
                                                 : std::vector<unsigned char>{};
        entries.push_back(name + " mode " + std::to_string(info.st_mode) + ", bytes " +
                          std::to_string(std::hash<std::string>{}({bytes.begin(), bytes.end()})));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

TEST(HostileFiles, SaveRefusesWhatIsNotItsToReplaceTouchesNothingAndSaysWhy) {
    std::signal(SIGXFSZ, SIG_IGN); // a write past the size limit fails instead
    using Path = const std::string&;
    struct Target {
        const char* what;
        std::function<void(Path)> make; // given the path saved to
        const char* says;
        rlim_t fileSizeLimit = RLIM_INFINITY;
    };
    const Target targets[] = {
        {"link to a FIFO",
         [](Path p) {
             ASSERT_EQ(::mkfifo((p + ".fifo").c_str(), 0644), 0);
             ASSERT_EQ(::symlink((p + ".fifo").c_str(), p.c_str()), 0);
         },
         "not a regular file"},
        {"folder",
         [](Path p) {
             ASSERT_EQ(::mkdir(p.c_str(), 0755), 0);
             test::writeBytes(p + "/keep", {1, 2, 3});
         },
         "Is a directory"},
        {"save its owner protected",
         [](Path p) {
             test::writeBytes(p, {1, 2, 3});
             ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
         },
         "Permission denied"},
        {"loop of links", [](Path p) { ASSERT_EQ(::symlink(p.c_str(), p.c_str()), 0); },
         "Too many levels of symbolic links"},
        {"disk that takes no more",
         [](Path p) {
             test::writeBytes(p, {1, 2, 3});
         },
         "File too large", 100},
    };
    for (const Target& target : targets) {
        SCOPED_TRACE(target.what);
        TempDir dir;
        const std::string path = dir.file("game.sav");
        target.make(path);
        const auto before = snapshot(dir.path());
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        rlimit lowered = limit;
        lowered.rlim_cur = std::min(limit.rlim_cur, target.fileSizeLimit);
        ::setrlimit(RLIMIT_FSIZE, &lowered);
        std::string reason;
        const bool saved = saveGame(path, test::startedGame(4321), &reason);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_FALSE(saved);
        EXPECT_NE(reason.find(target.says), std::string::npos) << reason;
        EXPECT_NE(reason.find(path), std::string::npos) << reason;
        EXPECT_EQ(snapshot(dir.path()), before) << "the save touched the folder";
    }
}

// Runs `save` 150 times in each of two processes at once (games 0 and 1);
// how many of the saves failed.
int failedAtOnce(const std::function<bool(int game)>& save) {
    pid_t savers[2];
    for (int game : {0, 1}) {
        savers[game] = ::fork();
        if (savers[game] == 0) {
            int failed = 0;
            for (int i = 0; i < 150; ++i)
                failed += save(game) ? 0 : 1;
            ::_exit(std::min(failed, 100));
        }
    }
    int failed = 0;
    for (pid_t saver : savers) {
        int status = -1;
        ::waitpid(saver, &status, 0);
        failed += WIFEXITED(status) ? WEXITSTATUS(status) : 100;
    }
    return failed;
}

// Two games autosaving in one folder at once: each keeps its own.
TEST(HostileFiles, TwoGamesAutosavingAtOnceNeitherFailNorMix) {
    TempDir dir;
    const char* owners[] = {"Ann", "Bob"};
    EXPECT_EQ(failedAtOnce([&](int game) {
                  GameState state = test::startedGame(1000 + game);
                  setFixedText(state.ownerName, owners[game]);
                  return autosave(dir.path(), state);
              }),
              0);
    GameState loaded{};
    for (int game : {0, 1}) {
        EXPECT_TRUE(loadGame(autosavePath(dir.path(), owners[game], 0, 1), loaded).ok() &&
                    loaded.money == 1000 + game)
            << owners[game];
    }
    for (const std::string& name : test::listFolder(dir.path()))
        EXPECT_NE(name[0], '.') << name << " was left";
}

// Runs `body` in a child process as a user whom permissions stop (nobody,
// when the tests run as root); its exit status.
int asOrdinaryUser(const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        ::_exit(body() ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(HostileFiles, PrivateSavesArePrivateFromTheirFirstByteAndDropBoxesTakeSaves) {
    TempDir dir;
    // The temporary copy of a 0600 file is never readable by others, not
    // even while its bytes are written.
    const std::string path = dir.file("private.sav");
    test::writeBytes(path, {1});
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, dir.path().c_str(), IN_CREATE), 0);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        const std::vector<unsigned char> big(32 << 20, 7); // long enough to be seen
        ::_exit(writeFileAtomically(path, big.data(), big.size()) ? 0 : 1);
    }
    alignas(inotify_event) char event[sizeof(inotify_event) + NAME_MAX + 1];
    ASSERT_GT(::read(watch, event, sizeof event), 0);
    struct stat info {};
    const std::string created = dir.file(reinterpret_cast<inotify_event*>(event)->name);
    const bool seen = ::stat(created.c_str(), &info) == 0;
    int status = -1;
    ::waitpid(writer, &status, 0);
    ::close(watch);
    ASSERT_EQ(status, 0);
    if (seen) {
        EXPECT_EQ(info.st_mode & 0077, 0u) << created << " was readable while written";
    }
    EXPECT_EQ(modeOf(path), 0600u);

    // A folder the user may write but not read: the save is made, and said so.
    ASSERT_EQ(::chmod(dir.path().c_str(), 0711), 0);
    const std::string dropBox = dir.file("drop-box");
    ASSERT_EQ(::mkdir(dropBox.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(dropBox.c_str(), 0333), 0);
    EXPECT_EQ(
        asOrdinaryUser([&] { return saveGame(dropBox + "/game.sav", test::startedGame(55)); }), 0);
    GameState loaded{};
    EXPECT_TRUE(loadGame(dropBox + "/game.sav", loaded).ok());
}

TEST(HostileFiles, KilledSaveLeavesAWholeGameAndNoMistakableLeftover) {
    TempDir dir;
    const std::string path = dir.file("game.sav");
    GameState oldGame = test::startedGame(1000);
    ASSERT_TRUE(saveGame(path, oldGame));
    // Saves killed at different moments of their loop of writes.
    for (int kill = 0; kill < 20; ++kill) {
        const int delayMs = 1 + kill % 7 * 3;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            GameState newGame = test::startedGame(2000);
            for (;;)
                saveGame(path, newGame);
        }
        ::usleep(static_cast<useconds_t>(delayMs) * 1000);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        GameState loaded{};
        ASSERT_TRUE(loadGame(path, loaded).ok()) << "killed after " << delayMs << " ms";
        EXPECT_TRUE(loaded.money == 1000 || loaded.money == 2000);
        expectOnlyHiddenTemporaries(dir.path(), {"game.sav"});
    }
    // The next save of the same file sweeps what killed ones left more than
    // an hour ago, and only that: a younger one may be another save's.
    const timespec twoHoursAgo[2] = {{::time(nullptr) - 7200, 0}, {::time(nullptr) - 7200, 0}};
    test::writeBytes(dir.file(".other.sav.AbC123.tmp"), {1});
    for (const std::string& name : test::listFolder(dir.path()))
        if (name != "game.sav") {
            ASSERT_EQ(::utimensat(AT_FDCWD, dir.file(name).c_str(), twoHoursAgo, 0), 0);
        }
    test::writeBytes(dir.file(".game.sav.Young1.tmp"), {1});
    ASSERT_TRUE(saveGame(path, oldGame));
    auto left = test::listFolder(dir.path());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".game.sav.Young1.tmp", ".other.sav.AbC123.tmp",
                                              "game.sav"}));
}

} // namespace
} // namespace tavo
