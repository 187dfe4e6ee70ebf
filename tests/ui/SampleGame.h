// A game as a player would have it after some weeks, and a folder with the
// files the game reads at start-up, for the window tests and the renderer.
#pragma once

#include "ScriptedDialogs.h"

// Every window of the game and the widgets they are made of, for the tests
// that look into them.
#include "banks/BankIds.h"
#include "core/ConfigRecord.h"
#include "core/FixedText.h"
#include "core/GameState.h"
#include "core/SaveFile.h"
#include "core/TimeSource.h"
#include "game/Game.h"
#include "ui/BankForm.h"
#include "ui/Forms.h"
#include "ui/InvestForm.h"
#include "ui/LoanForms.h"
#include "ui/PictureButton.h"
#include "ui/PlayFolder.h"
#include "ui/TAboutForm.h"
#include "ui/TAdminViewForm.h"
#include "ui/TBanksForm.h"
#include "ui/TBarSetupForm.h"
#include "ui/TDisasFireForm.h"
#include "ui/TDrinkForm.h"
#include "ui/TFinanceForm.h"
#include "ui/TGameForm.h"
#include "ui/TGermInsuForm.h"
#include "ui/THireStaffForm.h"
#include "ui/TInfoForm.h"
#include "ui/TInternetCenterForm.h"
#include "ui/TLotoSixForm.h"
#include "ui/TMainForm.h"
#include "ui/TMapForm.h"
#include "ui/TNewCarForm.h"
#include "ui/TPassForm.h"
#include "ui/TPopupForm.h"
#include "ui/TPromoteForm.h"
#include "ui/TRacingMonForm.h"
#include "ui/TSetupForm.h"
#include "ui/TSpinCashForm.h"
#include "ui/TViewStaffForm.h"
#include "ui/TavoApplication.h"
#include "ui/Text.h"
#include "ui/TownPicture.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

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
