// Start-up: the command line, config.kpl, the two lists, the "What's new?"
// popup, the main menu's keys, where the game plays; every picture the game
// ships decodes, and the file dialogs' filters read as Qt reads them.

#include "SampleGame.h"
#include "UiTestMain.h"

#include "ui/Pictures.h"
#include "ui/QtDialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <QImageReader>
#include <QProcess>

using namespace tavo;
using namespace tavo::ui;
using test::Program;

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunWithoutConfig() {
        Program program;
        QVERIFY(program.dialogs.shown.empty()); // both lists found
        QVERIFY(program.game.bars.count() == 3 && program.game.drinks.count() == 6);
        QVERIFY(!program.forms.popupForm->isVisible());
        program.forms.mainForm->TimerTimer(); // 5 ms after start-up
        QVERIFY(program.forms.popupForm->isVisible() && !program.forms.mainForm->Timer->enabled());
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
            const char* what;
            QWidget* target;
            int key;
            Qt::KeyboardModifiers modifiers;
        } presses[] = {
            {"Enter", menu.LoadOmbre, Qt::Key_Return, Qt::NoModifier},
            {"Space", menu.LoadOmbre, Qt::Key_Space, Qt::NoModifier},
            {"Alt+L", &menu, Qt::Key_L, Qt::AltModifier},
        };
        for (const auto& press : presses) {
            program.dialogs.clear();
            QTest::keyClick(press.target, static_cast<Qt::Key>(press.key), press.modifiers);
            QVERIFY2(program.dialogs.texts() == QStringList{"Load a game"}, press.what);
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
        QVERIFY(dialogs.shown[0].title == "Oups..." && dialogs.shown[0].icon == DialogIcon::Stop);
        QVERIFY(dialogs.shown[1].title == kAppTitleText && program.game.bars.isEmpty());
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
        QVERIFY(popup->CloseBut->isEnabled() && !popup->Timer->enabled());
        QVERIFY(!popup->Sec->isVisible() && !popup->SecondsLeftLabel->isVisible());
        popup->close(); // the window manager's close before that is refused; now it closes
        QVERIFY(!popup->isVisible());
    }

    // Closing the popup writes its option, unless config.kpl cannot be replaced.
    void popupCloseWritesTheOption_data() {
        QTest::addColumn<bool>("showAgain");
        QTest::addColumn<bool>("writable");
        QTest::newRow("shown again") << true << true;
        QTest::newRow("not shown again") << false << true;
        QTest::newRow("config.kpl is a folder") << false << false;
    }

    void popupCloseWritesTheOption() {
        QFETCH(bool, showAgain);
        QFETCH(bool, writable);
        Program program;
        if (!writable) QVERIFY(QDir().mkdir(program.folder.path("config.kpl")));
        TPopupForm* popup = program.forms.popupForm;
        popup->show();
        popup->ShowPop->setChecked(showAgain);
        popup->CloseButClick();
        QVERIFY(!popup->isVisible());
        QCOMPARE(program.dialogs.texts(),
                 writable ? QStringList()
                          : QStringList{"An error happen when I try to write on the disk"});
        QCOMPARE(program.game.config.PopupStart != 0, showAgain || !writable);
        if (!writable) {
            QCOMPARE(program.dialogs.shown[0].title, QString("Disk error"));
            return;
        }
        const ConfigRecord written = readConfig("config.kpl");
        QVERIFY((written.PopupStart != 0) == showAgain &&
                fixedText(written.barsListPath) == "def.bar");
    }

    // Started where its files are, the game plays there; anywhere else it
    // plays in the player's folder, given the installed lists once.
    void playFolderChoice_data() {
        QTest::addColumn<QString>("startedBeside");  // a file in the starting folder
        QTest::addColumn<QByteArray>("playersBars"); // def.bar the player already has, if any
        QTest::addColumn<bool>("portable");
        QTest::newRow("beside config.kpl") << "config.kpl" << QByteArray() << true;
        QTest::newRow("beside def.bar") << "def.bar" << QByteArray() << true;
        QTest::newRow("beside drinks.drk") << "drinks.drk" << QByteArray() << true;
        QTest::newRow("beside a save only") << "game.sav" << QByteArray() << false;
        QTest::newRow("in an empty folder") << "" << QByteArray() << false;
        QTest::newRow("the player's own bars") << "" << QByteArray("my own bars") << false;
    }

    void playFolderChoice() {
        QFETCH(QString, startedBeside);
        QFETCH(QByteArray, playersBars);
        QFETCH(bool, portable);
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
        if (!startedBeside.isEmpty()) write("here/" + startedBeside, "x");
        if (!playersBars.isEmpty()) write("user/def.bar", playersBars);
        const PlayFolder chosen =
            choosePlayFolder(dir.filePath("here"), dir.filePath("user"), dir.filePath("installed"));
        QCOMPARE(chosen.path, dir.filePath(portable ? "here" : "user"));
        QCOMPARE(chosen.dialogsFolder(), portable ? QString() : dir.filePath("user/saves"));
        QCOMPARE(QDir(dir.filePath("user/saves")).exists(), !portable);
        if (portable) return;
        const QByteArray& bars = playersBars.isEmpty() ? "def.bar" : playersBars;
        QCOMPARE(QFileInfo(dir.filePath("user/def.bar")).size(),
                 bars.size()); // the player's stays
        QVERIFY(QFileInfo::exists(dir.filePath("user/drinksUS.drk")));
    }

    void everyPictureDecodesWithItsTwinOfTwiceTheSize() {
        const QStringList names = pictureNames();
        QVERIFY(names.size() >= 9);
        for (const QString& name : names) {
            QImage drawn[2];
            for (int twice : {0, 1}) {
                QImageReader reader(
                    QStringLiteral(":/pictures/%1%2.jpg").arg(name, twice ? "@2x" : ""));
                QCOMPARE(reader.format(), QByteArray("jpeg"));
                drawn[twice] = reader.read();
                QVERIFY2(!drawn[twice].isNull(), qPrintable(name + ": " + reader.errorString()));
            }
            QCOMPARE(drawn[1].size(), drawn[0].size() * 2);
            QCOMPARE(picture(name).devicePixelRatio(), 1.0); // this screen is at 100 %
        }
        QCOMPARE(picture("menu-background").size(), QSize(640, 480));
    }

    void fileDialogsShowEachFilterOnce_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("save") << "Save Files (*.sav)|*.sav|All Files (*.txt)|*.*"
                              << "Save Files (*.sav) (*.sav);;All Files (*.txt) (*)"
                              << QStringList{"Save Files (*.sav)", "All Files (*.txt)"};
        QTest::newRow("load") << "Save Game (*.sav)|*.sav|All File (*.*)|*.*"
                              << "Save Game (*.sav) (*.sav);;All File (*.*) (*)"
                              << QStringList{"Save Game (*.sav)", "All File (*.*)"};
        QTest::newRow("one") << "Bars list file (*.bar)|*.bar"
                             << "Bars list file (*.bar) (*.bar)"
                             << QStringList{"Bars list file (*.bar)"};
    }

    void fileDialogsShowEachFilterOnce() {
        QFETCH(QString, game);
        QFETCH(QString, qt);
        QFETCH(QStringList, shown);
        QCOMPARE(toQtFilter(game), qt); // the patterns Qt filters by
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        setUpFileDialog(dialog, {"Save your game", "sav", game}, QFileDialog::AcceptSave);
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types != nullptr);
        QStringList labels;
        for (int i = 0; i < types->count(); ++i)
            labels << types->itemText(i);
        QCOMPARE(labels, shown);
    }

    // The program's own options are answered with no display at all; an
    // option neither it nor Qt knows is refused before a window is tried.
    void commandLineWithoutADisplay_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // its first line
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: tavo [options]"
                              << "";
        QTest::newRow("version") << QStringList{"-v"} << 0 << "tavo " TAVO_VERSION << "";
        QTest::newRow("after a Qt option")
            << QStringList{"-style", "Fusion", "--platform=xcb", "--version"} << 0
            << "tavo " TAVO_VERSION << "";
        QTest::newRow("unknown option") << QStringList{"--reverse", "--fast"} << 2 << ""
                                        << "tavo: unknown option '--fast'\nTry 'tavo --help'.\n";
        QTest::newRow("argument") << QStringList{"game.sav"} << 2 << ""
                                  << "tavo: unexpected argument 'game.sav'\nTry 'tavo --help'.\n";
    }

    void commandLineWithoutADisplay() {
        QFETCH(QStringList, args);
        QProcess tavo;
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            bare.remove(name);
        tavo.setProcessEnvironment(bare);
        tavo.start(TAVO_PROGRAM, args);
        QVERIFY(tavo.waitForFinished(60000));
        QCOMPARE(tavo.exitStatus(), QProcess::NormalExit);
        QTEST(tavo.exitCode(), "status");
        QTEST(QString::fromUtf8(tavo.readAllStandardOutput()).section('\n', 0, 0), "out");
        QTEST(QString::fromUtf8(tavo.readAllStandardError()), "err");
    }
};

TAVO_UI_TEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
