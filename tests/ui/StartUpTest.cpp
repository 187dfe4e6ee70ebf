// Start-up: config.kpl, the two lists, the "What's new?" popup.

#include "SampleGame.h"
#include "UiTestMain.h"

using namespace tavo;
using namespace tavo::ui;
using test::Program;

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunWithoutConfig() {
        Program program;
        QVERIFY(program.dialogs.shown.empty()); // both lists found
        QCOMPARE(program.game.bars.count(), 3);
        QCOMPARE(program.game.drinks.count(), 6);
        QVERIFY(!program.forms.popupForm->isVisible());
        program.forms.mainForm->TimerTimer(); // 5 ms after start-up
        QVERIFY(program.forms.popupForm->isVisible());
        QVERIFY(!program.forms.mainForm->Timer->enabled());
        QVERIFY(!QFile::exists(program.folder.path("config.kpl")));
    }

    // The main menu answers the keyboard: Tab goes through the pictures,
    // Enter and Space press them, Alt and a caption's letter too, Escape
    // leaves.
    void mainMenuKeyboard() {
        Program program;
        TMainForm& menu = *program.forms.mainForm;
        menu.show();
        QList<QWidget*> chain;
        for (QWidget* at = menu.NewGameOmbre; chain.size() < 5; at = at->nextInFocusChain())
            if (at->focusPolicy() & Qt::TabFocus && at->isEnabled()) chain << at;
        QCOMPARE(chain, (QList<QWidget*>{menu.NewGameOmbre, menu.LoadOmbre, menu.AboutBut,
                                         menu.ExitBut, menu.NewGameOmbre}));
        const struct {
            QWidget* target;
            int key;
            Qt::KeyboardModifiers modifiers;
            QString shown; // the dialog that the press leads to
        } presses[] = {
            {menu.LoadOmbre, Qt::Key_Return, Qt::NoModifier, "Load a game"},
            {menu.LoadOmbre, Qt::Key_Space, Qt::NoModifier, "Load a game"},
            {&menu, Qt::Key_L, Qt::AltModifier, "Load a game"},
        };
        for (const auto& press : presses) {
            program.dialogs.clear();
            QTest::keyClick(press.target, static_cast<Qt::Key>(press.key), press.modifiers);
            QCOMPARE(program.dialogs.texts(), QStringList{press.shown});
        }
        QTest::keyClick(&menu, Qt::Key_N, Qt::AltModifier);
        QVERIFY(program.forms.newCarForm->isVisible() && !menu.isVisible());
        program.forms.newCarForm->CancelClick();
        QTest::keyClick(menu.NewGameOmbre, Qt::Key_Escape);
        QVERIFY(!menu.isVisible());
    }

    void missingListsAreReportedAndThePopupStaysAway() {
        ConfigRecord config = defaultConfig();
        setFixedText(config.barsListPath, "none.bar");
        setFixedText(config.drinksListPath, "none.drk");
        config.PopupStart = 0;
        Program program(test::GameFolder::TestLists, &config);
        const test::ScriptedDialogs& dialogs = program.dialogs;
        QCOMPARE(
            dialogs.texts(),
            QStringList(
                {"Error #02\nUnable to complet LoadTheFile.",
                 "Error #02\nYou must re-install the game.\nThe bars list file is not found!",
                 "Error #02\nUnable to complet LoadTheFile.",
                 "Error #03\nYou must re-install the game.\nThe drinks list file is not found"}));
        QCOMPARE(dialogs.shown[0].title, QString("Oups..."));
        QVERIFY(dialogs.shown[0].icon == DialogIcon::Stop);
        QCOMPARE(dialogs.shown[1].title, kAppTitleText);
        QVERIFY(program.game.bars.isEmpty());
        program.forms.mainForm->TimerTimer();
        QVERIFY(!program.forms.popupForm->isVisible());
    }

    void popupCountsDownTenSeconds() {
        Program program;
        TPopupForm* popup = program.forms.popupForm;
        popup->show();
        QVERIFY(popup->Timer->enabled());
        for (int second = 1; second <= 9; ++second) {
            popup->TimerTimer();
            QVERIFY2(!popup->CloseBut->isEnabled(), "closed too early");
            QCOMPARE(popup->Sec->text(), QString::number(10 - second));
        }
        QVERIFY(popup->Sec->isVisible());
        popup->TimerTimer();
        QVERIFY(popup->CloseBut->isEnabled());
        QVERIFY(!popup->Sec->isVisible());
        QVERIFY(!popup->SecondsLeftLabel->isVisible());
        QVERIFY(!popup->Timer->enabled());
        popup->close(); // the window manager's close before that is refused; now it closes
        QVERIFY(!popup->isVisible());
    }

    void popupCloseWritesTheOption() {
        for (bool showAgain : {true, false}) {
            Program program;
            TPopupForm* popup = program.forms.popupForm;
            popup->show();
            popup->ShowPop->setChecked(showAgain);
            popup->CloseButClick();
            QVERIFY(!popup->isVisible());
            const ConfigRecord written = readConfig("config.kpl");
            QCOMPARE(written.PopupStart != 0, showAgain);
            QCOMPARE(fixedText(written.barsListPath), std::string("def.bar"));
            QCOMPARE(QFile(program.folder.path("config.kpl")).size(), qint64(304));
            QVERIFY(program.dialogs.shown.empty());
        }
    }

    void popupDiskError() {
        Program program;
        QVERIFY(QDir().mkdir(program.folder.path("config.kpl"))); // cannot be replaced
        TPopupForm* popup = program.forms.popupForm;
        popup->show();
        popup->ShowPop->setChecked(false);
        popup->CloseButClick();
        QCOMPARE(program.dialogs.texts(),
                 QStringList{"An error happen when I try to write on the disk"});
        QCOMPARE(program.dialogs.shown[0].title, QString("Disk error"));
        QCOMPARE(program.game.config.PopupStart, std::uint8_t{1});
    }

    // Started where its files are, the game plays there; anywhere else it
    // plays in the player's folder, given the installed lists once.
    void playFolderChoice() {
        const struct {
            QString startedBeside;  // a file in the starting folder
            QByteArray playersBars; // def.bar the player already has, if any
            bool portable;
        } starts[] = {
            {"config.kpl", "", true}, {"def.bar", "", true}, {"drinks.drk", "", true},
            {"game.sav", "", false},  {"", "", false},       {"", "my own bars", false},
        };
        for (const auto& start : starts) {
            QTemporaryDir root;
            const QDir dir(root.path());
            auto write = [&dir](const QString& name, const QByteArray& bytes) {
                QDir().mkpath(QFileInfo(dir.filePath(name)).path());
                QFile file(dir.filePath(name));
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            };
            dir.mkdir("here"); // the player's folder is made by the game
            for (const QString list : {"def.bar", "drinks.drk", "drinksUS.drk"})
                write("installed/" + list, list.toLatin1());
            if (!start.startedBeside.isEmpty()) write("here/" + start.startedBeside, "x");
            if (!start.playersBars.isEmpty()) write("user/def.bar", start.playersBars);
            const PlayFolder chosen = choosePlayFolder(dir.filePath("here"), dir.filePath("user"),
                                                       dir.filePath("installed"));
            QCOMPARE(chosen.path, dir.filePath(start.portable ? "here" : "user"));
            QCOMPARE(chosen.dialogsFolder(),
                     start.portable ? QString() : dir.filePath("user/saves"));
            QCOMPARE(QDir(dir.filePath("user/saves")).exists(), !start.portable);
            if (start.portable) continue;
            const QByteArray& bars = start.playersBars.isEmpty() ? "def.bar" : start.playersBars;
            QCOMPARE(QFileInfo(dir.filePath("user/def.bar")).size(),
                     bars.size()); // the player's stays
            QVERIFY(QFileInfo::exists(dir.filePath("user/drinksUS.drk")));
        }
    }
};

TAVO_UI_TEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
