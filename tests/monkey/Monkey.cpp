// tavo-monkey: plays the real windows, offscreen, as a careless player
// would: any enabled button, menu entry, list line, tab or choice, words
// typed into any box, keys, clock ticks and game days, answers to questions,
// saves and loads. After every step the game must hold together and every
// window must show what the record holds; at the end it saves the game with
// its journal, plays the journal again and wants the very same bytes.
//
//   tavo-monkey --seed S --steps N --out DIR

#include "core/FixedText.h"
#include "core/NumberText.h"
#include "core/SaveFile.h"
#include "core/Sha256.h"
#include "game/Replay.h"
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include "ui/GameTimer.h"
#include "ui/PictureButton.h"
#include "ui/TDrinkForm.h"
#include "ui/TGameForm.h"
#include "ui/TInfoForm.h"
#include "ui/TMainForm.h"
#include "ui/TPromoteForm.h"
#include "ui/TavoApplication.h"
#include "ui/Text.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tavo::ui {
namespace {

using Rng = std::mt19937_64;

int below(Rng& rng, std::size_t n) {
    return n == 0 ? 0 : static_cast<int>(rng() % n);
}

bool chance(Rng& rng, int percent) {
    return below(rng, 100) < percent;
}

template <typename T>
T& pick(Rng& rng, std::vector<T>& items) {
    return items[static_cast<std::size_t>(below(rng, items.size()))];
}

// Words a careless player types.
QString carelessWord(Rng& rng) {
    static const char* const kWords[] = {
        "0",      "1",           "5",  "10",  "49",           "100", "250", "1000", "5000",
        "25000",  "-5",          "",   "abc", "1e308",        "3,5", "3.5", " 7 ",  "+8",
        "x",      "99999999999", "=",  "yes", "Jo's \"Bar\"", "Zoé", "no",  "all",  "-",
        "unused", "2147483648",  "-0", "0x1", "  ",           "12",  "6",   "7",    "8",
        "9",      "11",          "49"};
    if (chance(rng, 10)) return QString::number(below(rng, 100000));
    return QString::fromUtf8(kWords[below(rng, std::size(kWords))]);
}

// Answers every dialog at random, and keeps a copy of each save it was
// asked to load, so that a journal starting from one can be played again.
class MonkeyDialogs final : public Dialogs {
public:
    MonkeyDialogs(Rng& rng, QString saves) : rng_(rng), saves_(std::move(saves)) {}

    void message(const QString&) override {}
    DialogAnswer messageBox(const QString&, const QString&, DialogButtons buttons,
                            DialogIcon) override {
        if (buttons == DialogButtons::Ok) return DialogAnswer::Ok;
        return chance(rng_, 60) ? DialogAnswer::Yes : DialogAnswer::No;
    }
    // The quit question: the monkey stays.
    bool confirm(const QString&) override { return false; }
    void information(const QString&) override {}
    void errorBox(const QString&) override {}
    std::optional<QString> openFile(const FileDialogSpec& spec) override {
        if (chance(rng_, 15)) return std::nullopt;
        if (!spec.savedGames) return QDir::current().filePath(chance(rng_, 50) ? "def.bar" : "x");
        QStringList saves = QDir(saves_).entryList({"*.sav"}, QDir::Files);
        if (saves.isEmpty() || chance(rng_, 10))
            return QDir(saves_).filePath(chance(rng_, 50) ? "missing.sav" : "not-a-save.txt");
        const QString path = QDir(saves_).filePath(saves[below(rng_, saves.size())]);
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            loaded[sha256Hex(bytes.constData(), static_cast<std::size_t>(bytes.size()))] = bytes;
        }
        return path;
    }
    std::optional<QString> saveFile(const FileDialogSpec&) override {
        if (chance(rng_, 15)) return std::nullopt;
        if (chance(rng_, 5)) return QDir(saves_).filePath("no-such-folder/game.sav");
        return QDir(saves_).filePath(QStringLiteral("save-%1.sav").arg(below(rng_, 4)));
    }
    bool openUrl(const QUrl&) override { return chance(rng_, 50); }

    // Every save loaded, by its SHA-256.
    std::map<std::string, QByteArray> loaded;

private:
    Rng& rng_;
    QString saves_;
};

// A clock that moves on by a few seconds at each step.
class MonkeyClock final : public TimeSource {
public:
    std::int64_t nowSeconds() const override { return seconds; }
    std::int64_t seconds = 1'700'000'000;
};

class Monkey {
public:
    Monkey(std::uint64_t seed, const QString& out)
        : rng_(seed), out_(out), dialogs_(rng_, QDir(out).filePath("play/saves")),
          windows_(dialogs_, clock_), forms_(windows_.forms()), session_(windows_.session()) {
        forms_.mainForm->show();
    }

    // One step; false (with `fault` said) when something does not hold.
    bool step();
    // Saves the game, plays its journal again and compares the bytes.
    bool finish();
    std::string fault;

private:
    std::vector<QWidget*> reachableWindows() const;
    bool click(QWidget* window);
    bool chooseMenuItem(QWidget* window);
    bool pickListLine(QWidget* window);
    bool type(QWidget* window);
    bool pressKey(QWidget* window);
    bool tickTimer();
    bool otherChoice(QWidget* window);
    bool fillIn(QWidget* window);
    std::string brokenRule();

    Rng rng_;
    QString out_;

public:
    QString action_; // the step's, for the verbose log

private:
    MonkeyClock clock_;
    MonkeyDialogs dialogs_;
    FormSet windows_;
    Forms& forms_;
    Session& session_;
};

std::vector<QWidget*> Monkey::reachableWindows() const {
    std::vector<QWidget*> shown;
    QWidget* modal = nullptr;
    for (QWidget* window : windows_.windows()) {
        if (!window->isVisible()) continue;
        shown.push_back(window);
        if (window->windowModality() != Qt::NonModal) modal = window;
    }
    // A modal window lets nothing else be reached.
    if (modal != nullptr) return {modal};
    return shown;
}

bool Monkey::click(QWidget* window) {
    std::vector<std::function<void()>> clicks;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        // A drop-down's menu waits for a click of its own: its items are
        // chosen as menu items are.
        auto* dropDown = qobject_cast<QToolButton*>(button);
        if (dropDown && dropDown->menu()) continue;
        if (button->isVisible() && button->isEnabled())
            clicks.emplace_back([button] { button->click(); });
    }
    // The main menu's pictures, Exit aside: the monkey stays.
    for (PictureButton* picture : window->findChildren<PictureButton*>())
        if (picture->isVisible() && picture->isEnabled() && picture != forms_.mainForm->ExitBut)
            clicks.emplace_back([picture] {
                QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
            });
    if (clicks.empty()) return false;
    action_ += QStringLiteral("click");
    pick(rng_, clicks)();
    return true;
}

bool Monkey::chooseMenuItem(QWidget* window) {
    std::vector<QAction*> items;
    for (QMenu* menu : window->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (action->isEnabled() && action->isVisible() && !action->isSeparator() &&
                action->menu() == nullptr && !action->text().contains(QStringLiteral("Quit")))
                items.push_back(action);
    if (items.empty()) return false;
    QAction* item = pick(rng_, items);
    action_ += QStringLiteral("menu ") + item->text();
    item->trigger();
    return true;
}

bool Monkey::pickListLine(QWidget* window) {
    std::vector<QListWidget*> lists;
    for (QListWidget* list : window->findChildren<QListWidget*>())
        if (list->isVisible() && list->isEnabled() && list->count() > 0) lists.push_back(list);
    if (lists.empty()) return false;
    QListWidget* list = pick(rng_, lists);
    list->setCurrentRow(below(rng_, static_cast<std::size_t>(list->count())));
    return true;
}

bool Monkey::type(QWidget* window) {
    std::vector<QLineEdit*> boxes;
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        if (box->isVisible() && box->isEnabled() && !box->isReadOnly()) boxes.push_back(box);
    if (boxes.empty()) return false;
    QLineEdit* box = pick(rng_, boxes);
    const QString text = carelessWord(rng_);
    action_ += QStringLiteral("type ") + text;
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (chance(rng_, 50)) {
        box->setText(text);
    } else {
        box->setFocus();
        box->selectAll();
        if (ascii)
            QTest::keyClicks(box, text); // key by key, as typed
        else
            box->insert(text);
    }
    return true;
}

bool Monkey::pressKey(QWidget* window) {
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    static const Key kKeys[] = {
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier},
        {Qt::Key_Tab, Qt::NoModifier},    {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_1, Qt::NoModifier},      {Qt::Key_2, Qt::NoModifier},
        {Qt::Key_3, Qt::NoModifier},      {Qt::Key_S, Qt::ControlModifier},
        {Qt::Key_L, Qt::ControlModifier}, {Qt::Key_T, Qt::ControlModifier},
        {Qt::Key_N, Qt::ControlModifier}, {Qt::Key_N, Qt::AltModifier},
        {Qt::Key_L, Qt::AltModifier},     {Qt::Key_A, Qt::AltModifier},
    };
    const Key& key = kKeys[below(rng_, std::size(kKeys))];
    action_ += QStringLiteral("key ") + QKeySequence(key.key | key.modifiers).toString();
    // Escape on the main menu leaves the game: the monkey stays.
    if (window == forms_.mainForm.get() && key.key == Qt::Key_Escape) return false;
    window->activateWindow();
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    // A drop-down or a combo box would open its pop-up and wait there.
    auto* dropDown = qobject_cast<QToolButton*>(target);
    if ((dropDown && dropDown->menu()) || qobject_cast<QComboBox*>(target)) return false;
    QTest::keyClick(target, key.key, key.modifiers);
    return true;
}

bool Monkey::tickTimer() {
    std::vector<GameTimer*> timers;
    for (QWidget* window : windows_.windows())
        for (GameTimer* timer : window->findChildren<GameTimer*>())
            if (timer->running()) timers.push_back(timer);
    if (timers.empty()) return false;
    // The game clock more often than the others: days are what a game is made of.
    TGameForm* game = forms_.gameForm.made() ? forms_.gameForm.get() : nullptr;
    if (game && game->MainTimer->running() && chance(rng_, 50)) {
        for (int day = below(rng_, 40); day >= 0; --day)
            if (game->MainTimer->running()) game->MainTimer->tick();
        return true;
    }
    pick(rng_, timers)->tick();
    return true;
}

bool Monkey::otherChoice(QWidget* window) {
    std::vector<QTabWidget*> tabs = {};
    for (QTabWidget* pages : window->findChildren<QTabWidget*>())
        if (pages->isVisible() && pages->isEnabled()) tabs.push_back(pages);
    std::vector<QComboBox*> combos;
    for (QComboBox* combo : window->findChildren<QComboBox*>())
        if (combo->isVisible() && combo->isEnabled() && combo->count() > 0) combos.push_back(combo);
    if (!tabs.empty() && (combos.empty() || chance(rng_, 50))) {
        QTabWidget* pages = pick(rng_, tabs);
        pages->setCurrentIndex(below(rng_, static_cast<std::size_t>(pages->count())));
        return true;
    }
    if (combos.empty()) {
        if (!chance(rng_, 20)) return false;
        // The close box; closing the main menu would end the program.
        if (window == forms_.mainForm.get()) return false;
        action_ += QStringLiteral("close");
        window->close();
        return true;
    }
    QComboBox* combo = pick(rng_, combos);
    combo->setCurrentIndex(below(rng_, static_cast<std::size_t>(combo->count())));
    return true;
}

// The window's work done as a player who means it: every box filled with a
// likely word, a choice made in each group, and the main button pressed.
bool Monkey::fillIn(QWidget* window) {
    static const char* const kLikely[] = {"1",   "2",   "5",    "10", "20",      "50",
                                          "100", "500", "1000", "Jo", "The Pub", "6",
                                          "12",  "25",  "40",   "49", "3"};
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        if (box->isVisible() && box->isEnabled() && !box->isReadOnly() && chance(rng_, 70))
            box->setText(QString::fromLatin1(kLikely[below(rng_, std::size(kLikely))]));
    std::map<QObject*, std::vector<QAbstractButton*>> groups;
    for (QAbstractButton* choice : window->findChildren<QAbstractButton*>())
        if (choice->isCheckable() && choice->isVisible() && choice->isEnabled())
            groups[choice->parent()].push_back(choice);
    for (auto& [parent, choices] : groups)
        if (chance(rng_, 70)) pick(rng_, choices)->click();
    action_ += QStringLiteral("fill in");
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->isDefault() && button->isVisible() && button->isEnabled()) {
            button->click();
            break;
        }
    return true;
}

bool Monkey::step() {
    clock_.seconds += below(rng_, 5);
    std::vector<QWidget*> windows = reachableWindows();
    if (windows.empty()) {
        fault = "no window is left to play";
        return false;
    }
    QWidget* window = pick(rng_, windows);
    // A pop-up menu opened by a click or a key waits in a loop of its own:
    // the player closes it, as Escape would.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    closer.start();
    bool done = false;
    for (int tries = 0; tries < 8 && !done; ++tries) {
        const int kind = below(rng_, 100);
        action_ = QString::fromLatin1(window->metaObject()->className()) + QLatin1Char(' ');
        if (kind < 12)
            done = fillIn(window);
        else if (kind < 30)
            done = click(window);
        else if (kind < 40)
            done = chooseMenuItem(window);
        else if (kind < 50)
            done = pickListLine(window);
        else if (kind < 65)
            done = type(window);
        else if (kind < 72)
            done = pressKey(window);
        else if (kind < 95)
            done = tickTimer();
        else
            done = otherChoice(window);
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fault = brokenRule();
    return fault.empty();
}

// What does not hold of the game and of what its windows show.
std::string Monkey::brokenRule() {
    const Game& game = session_.game();
    const GameState& state = game.state;
    if (!session_.inGame()) return {}; // the main menu's empty record
    if (std::string broken = findCountFault(state); !broken.empty()) return broken;
    if (std::string broken = findValueFault(state); !broken.empty()) return broken;
    if (!std::isfinite(state.money)) return "the money is not a finite number";
    const int bars = ownedBarCount(state);
    if (forms_.gameForm.made() && forms_.gameForm->isVisible()) {
        TGameForm& window = *forms_.gameForm;
        window.CashTimerTimer();
        if (window.MoneyLabel->text() != generalText(state.money, game.numberFormat))
            return "the game window shows money " + toStd(window.MoneyLabel->text());
        if (window.LotteryBox->text() != QString::number(state.adminTicketCount))
            return "the game window shows tickets " + toStd(window.LotteryBox->text());
    }
    if (forms_.infoForm.made() && forms_.infoForm->isVisible()) {
        TInfoForm& window = *forms_.infoForm;
        window.TimerTimer();
        if (window.BarOwnList->count() != bars)
            return "the information window lists " + std::to_string(window.BarOwnList->count()) +
                   " bars of " + std::to_string(bars);
        if (window.MoneyLabel->text() != generalText(state.money, game.numberFormat))
            return "the information window shows money " + toStd(window.MoneyLabel->text());
    }
    if (forms_.drinkForm.made() && forms_.drinkForm->isVisible() &&
        forms_.drinkForm->BarOwnList->count() != bars + 1)
        return "the drinks window lists " + std::to_string(forms_.drinkForm->BarOwnList->count()) +
               " lines for " + std::to_string(bars) + " bars";
    if (forms_.promoteForm.made() && forms_.promoteForm->isVisible() &&
        forms_.promoteForm->BarOwnList->count() != bars)
        return "the promotion window lists " +
               std::to_string(forms_.promoteForm->BarOwnList->count()) + " bars of " +
               std::to_string(bars);
    return {};
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Monkey::finish() {
    // A game to save: the one on, or a new one begun at the main menu.
    if (!session_.inGame()) {
        class Silent final : public Voice {
            void say(const Words&) override {}
            bool ask(const Words&) override { return true; }
        } silent;
        session_.run(command("new-game"), silent);
    }
    const QDir out(out_);
    const std::string saved = out.filePath("game.sav").toStdString();
    std::string reason;
    if (!session_.save(saved, &reason)) {
        fault = "the game could not be saved: " + reason;
        return false;
    }
    QFile::remove(out.filePath("game.journal"));
    QFile::rename(QString::fromStdString(journalPath(saved)), out.filePath("game.journal"));
    const QByteArray journal = readBytes(out.filePath("game.journal"));
    std::optional<std::string> start;
    const std::string text = journal.toStdString();
    if (const std::size_t at = text.find("journal load "); at != std::string::npos) {
        const std::string sha = text.substr(at + 13, 64);
        const auto kept = dialogs_.loaded.find(sha);
        if (kept == dialogs_.loaded.end()) {
            fault = "the save the journal starts from was never loaded";
            return false;
        }
        start = out.filePath("start.sav").toStdString();
        writeBytes(QString::fromStdString(*start), kept->second);
    }

    // Played again from the start, on the same lists.
    const FixedTimeSource clock(0);
    Session replayed(clock);
    replayed.game().bars = session_.game().bars;
    replayed.game().drinks = session_.game().drinks;
    std::ostringstream said;
    ScriptPlayer player(replayed, said);
    try {
        replayJournal(text, replayed, player, start);
    } catch (const ScriptError& error) {
        fault =
            "the journal does not play, line " + std::to_string(error.line) + ": " + error.what();
        return false;
    } catch (const ReplayRefused& refused) {
        fault = std::string("the journal is refused: ") + refused.what();
        return false;
    }
    const std::string again = out.filePath("replayed.sav").toStdString();
    if (!replayed.save(again, &reason)) {
        fault = "the replayed game could not be saved: " + reason;
        return false;
    }
    if (readBytes(QString::fromStdString(saved)) != readBytes(QString::fromStdString(again))) {
        fault = "the journal replays to other bytes (see replayed.sav)";
        return false;
    }
    return true;
}

// The game's folder inside DIR, with the shipped lists.
bool preparePlayFolder(const QString& out) {
    QDir dir(out);
    if (!dir.mkpath(QStringLiteral("play/saves"))) return false;
    const QDir play(dir.filePath(QStringLiteral("play")));
    for (const char* name : {"def.bar", "drinks.drk", "drinksUS.drk"}) {
        const QString target = play.filePath(QString::fromLatin1(name));
        QFile::remove(target);
        if (!QFile::copy(QStringLiteral(TAVO_DATA_DIR "/") + QString::fromLatin1(name), target))
            return false;
    }
    writeBytes(play.filePath(QStringLiteral("saves/not-a-save.txt")), "nothing to load");
    return QDir::setCurrent(play.path());
}

int usage() {
    std::fprintf(stderr, "usage: tavo-monkey --seed S --steps N --out DIR\n");
    return 2;
}

} // namespace
} // namespace tavo::ui

int main(int argc, char** argv) {
    using namespace tavo::ui;
    std::uint64_t seed = 1;
    long long steps = 1000;
    QString out;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--seed")
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (option == "--steps")
            steps = std::atoll(argv[i + 1]);
        else if (option == "--out")
            out = QString::fromLocal8Bit(argv[i + 1]);
        else
            return usage();
    }
    if (out.isEmpty() || argc % 2 == 0) return usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The Internet Center asks a port where nothing answers.
    qputenv("TAVO_WEB_BASE", "http://127.0.0.1:9/");
    TavoApplication app(argc, argv);
    out = QDir(out).absolutePath();
    if (!preparePlayFolder(out)) {
        std::fprintf(stderr, "tavo-monkey: cannot prepare %s\n", qPrintable(out));
        return 1;
    }
    const auto started = std::chrono::steady_clock::now();
    Monkey monkey(seed, out);
    const bool verbose = !qEnvironmentVariableIsEmpty("TAVO_MONKEY_VERBOSE");
    for (long long step = 1; step <= steps; ++step) {
        bool held = false;
        try {
            held = monkey.step();
        } catch (const std::exception& error) {
            // Every handler catches what it raises where it runs.
            monkey.fault = std::string("an exception left a handler: ") + error.what();
        }
        if (verbose) std::fprintf(stderr, "%lld %s\n", step, qPrintable(monkey.action_));
        if (!held) {
            std::fprintf(stderr, "tavo-monkey: seed %llu, step %lld: %s\n",
                         static_cast<unsigned long long>(seed), step, monkey.fault.c_str());
            return 1;
        }
    }
    if (!monkey.finish()) {
        std::fprintf(stderr, "tavo-monkey: seed %llu: %s\n", static_cast<unsigned long long>(seed),
                     monkey.fault.c_str());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("tavo-monkey: seed %llu, %lld steps in %.1f s (%.0f a second); the journal "
                "replays to the same bytes\n",
                static_cast<unsigned long long>(seed), steps, seconds, steps / seconds);
    return 0;
}
