// A game as a player would have it after some weeks, and a folder with the
// files the game reads at start-up, for the window tests and the renderer.
#pragma once

#include "ScriptedDialogs.h"

#include "core/ConfigRecord.h"
#include "core/GameState.h"
#include "core/TimeSource.h"
#include "game/Game.h"
#include "ui/Forms.h"

#include <QString>
#include <QTemporaryDir>

class QPushButton;
class QWidget;

namespace tavo::ui {
class TGameForm;
}

namespace tavo::ui::test {

// A temporary folder made the current one, holding a bars list and a
// drinks list (and config.kpl only when given one); the previous folder
// comes back after.
class GameFolder {
public:
    enum Lists { TestLists, ShippedLists };
    explicit GameFolder(Lists lists = TestLists, const ConfigRecord* config = nullptr);
    ~GameFolder();
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Three bars with drinks, money, a loan: 14 March 1983.
GameState sampleGame();

// What is wrong with a window's keyboard, or "" when nothing is: Enter must
// press `main` and no other button, and at each of two showings the
// keyboard must be in `field`.
QString enterAndFocusFault(QWidget* window, QPushButton* main, QWidget* field);

// A started program at its main menu, in a folder of its own, its dialogs
// scripted and its clock fixed.
struct Program {
    explicit Program(GameFolder::Lists lists = GameFolder::TestLists,
                     const ConfigRecord* config = nullptr);
    // The same, with this game loaded into the record.
    explicit Program(const GameState& state) : Program() { game.state = state; }
    GameFolder folder;
    ScriptedDialogs dialogs;
    FixedTimeSource clock{1000};
    FormSet windows{dialogs, clock};
    Forms& forms = windows.forms();
    Game& game;
    TGameForm& gameForm;
};

} // namespace tavo::ui::test
