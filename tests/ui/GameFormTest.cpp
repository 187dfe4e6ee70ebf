// The game window: the clock, its speeds, the displays, the message box,
// saving and loading, quitting and the return to the main menu; the setup
// window, the password window and the Debug Menu, the fire window, and an
// error escaping a handler.

#include "SampleGame.h"
#include "core/Autosave.h"

#include "UiTestMain.h"
#include <QAbstractAxis>
#include <QChart>
#include <QMenuBar>
#include <QPointer>
#include <QValueAxis>

#include <cstring>
#include <limits>
#include <memory>
#include <sys/stat.h>

using namespace tavo;
using namespace tavo::ui;
using test::Program;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class GameFormTest : public QObject {
    Q_OBJECT

private slots:
    // Pause shows and stops the clock; a day shows its date and clients.
    void pauseAndTheDate() {
        Program program(test::sampleGame());
        TGameForm& form = program.gameForm;
        form.startClock();
        form.Pause1Click();
        QVERIFY(!form.MainTimer->running());
        form.CashTimerTimer();
        form.Fast1Click();
        QVERIFY(form.MainTimer->running());
        program.game.state.money = 12345.5; // in the general format, the system's decimal point
        form.CashTimerTimer();
        QCOMPARE(form.MoneyLabel->text(), "12345" + QLocale::system().decimalPoint() + "5");
        program.game.state.day = 30;
        program.game.state.month = 12;
        form.MainTimerTimer();
        QCOMPARE(form.DayLabel->text() + " / " + form.Week->text(), QString("1 January 1984 / 4"));
        QCOMPARE(form.MsgBox->item(0)->text(), QString("Happy new year!"));
        QVERIFY(form.ClientsBox->text().toInt() > 0);
    }

    // Six slots: slots 0-3 for five refreshes, then 4-5 for four, then 0-3;
    // four slots stay on the first page.
    void stockPanelPages_data() {
        QTest::addColumn<int>("slotCount");
        QTest::addColumn<QStringList>("pages");
        const QString page1 = "Blonde Ale/Red Lager/131", page2 = "Vodka Shot/-/0";
        QTest::newRow("six slots")
            << 6 << QStringList{page2, page2, page2, page2, page1, page1, page1,
                                page1, page1, page2, page2, page2, page2, page1};
        QTest::newRow("four slots") << 4 << QStringList(14, page1);
    }

    void stockPanelPages() {
        QFETCH(int, slotCount);
        Program program(test::sampleGame());
        program.game.state.barCount = 1;
        program.game.state.bars[0].drinkCount = slotCount;
        TGameForm& form = program.gameForm;
        form.PauseBarButClick(); // stay on the bar
        form.BeerStockTimer();   // the run's first refresh turns the page at once
        QCOMPARE(form.DrinkName[0]->text(), QString("Blonde Ale"));
        QStringList pages;
        for (int refresh = 0; refresh < 14; ++refresh) {
            form.BeerStockTimer();
            pages << form.DrinkName[0]->text() + "/" + form.DrinkName[2]->text() + "/" +
                         form.DrinkStock[3]->text();
        }
        QTEST(pages, "pages");
    }

    void barStepAndNextBar() {
        Program program(test::sampleGame());
        TGameForm& form = program.gameForm;
        for (int refresh = 0; refresh < 7; ++refresh)
            form.BeerStockTimer();
        QCOMPARE(form.shownBar, 1); // the panel moves on every seventh refresh
        form.NextBarButClick();
        QCOMPARE(form.shownBar, 2);
        form.NextBarButClick();
        QCOMPARE(form.shownBar, 0);
        program.game.state.barCount = 1; // one bar: the panel stays
        form.NextBarButClick();
        for (int refresh = 0; refresh < 20; ++refresh)
            form.BeerStockTimer();
        QCOMPARE(form.shownBar, 0);
        QCOMPARE(form.BarNameLabel->text(), QString("The Rusty Anchor"));
        // A game with fewer bars loaded under the panel.
        form.shownBar = 2;
        program.game.state.barCount = 0;
        program.game.state.bars[0].drinkCount = 99; // not in use, never read
        form.BeerStockTimer();
        QVERIFY(form.DrinkName[0]->text() == "-" && form.shownBar == 0);
    }

    void messageBoxLines() {
        Program program;
        TGameForm& form = program.gameForm;
        form.Clearthismessage1Click(); // empty: nothing to do
        form.messagePosted("Happy new year!");
        form.messagePosted("Happy new year!");
        form.messagePosted("You've got 3 numbers on 6!");
        form.Clearthismessage1Click(); // nothing selected
        QCOMPARE(form.MsgBox->count(), 3);
        form.MsgBox->item(1)->setSelected(true);
        form.Clearthismessage1Click();
        QVERIFY(form.MsgBox->count() == 2 && form.MsgBox->item(1)->text().startsWith("You've"));
        form.Clearmessageboc1Click();
        QCOMPARE(form.MsgBox->count(), 0);
    }

    void quitQuestions() {
        Program program;
        TGameForm& form = program.gameForm;
        program.dialogs.yes = {false};
        QVERIFY(!form.FormCloseQuery());
        QVERIFY(program.dialogs.shown[0].kind == test::ShownDialog::Confirm);

        program.dialogs.clear();
        program.dialogs.yes = {true, false};
        QVERIFY(form.FormCloseQuery());
        QCOMPARE(program.dialogs.shown[1].title, QString("Save your game?"));

        program.dialogs.clear();
        program.dialogs.yes = {true, true};
        program.dialogs.files = {program.folder.path("leaving.sav")};
        QVERIFY(form.FormCloseQuery());
        QCOMPARE(QFile(program.folder.path("leaving.sav")).size(), qint64(12936));

        // A save cancelled or failed at quit keeps the player in the game.
        program.dialogs.yes = {true, true, true, true};
        program.dialogs.files = {std::nullopt, program.folder.path("no/such/folder.sav")};
        QVERIFY(!form.FormCloseQuery() && !form.FormCloseQuery());
        QCOMPARE(program.dialogs.texts().last(), QString("Error #3\nError!"));
        program.dialogs.yes = {true, false};
        QVERIFY(form.FormCloseQuery()); // and No still leaves at once
    }

    void returnToTheMainMenu() {
        Program program(test::sampleGame());
        TGameForm& form = program.gameForm;
        form.startClock();
        form.show();
        program.forms.mainForm->hide();
        program.dialogs.yes = {false};
        form.New1Click();
        QVERIFY(form.isVisible() && program.dialogs.shown[0].title == "Start a new game?");

        form.messagePosted("kept");
        form.FireButClick();
        form.DebugOpenClick();
        program.dialogs.yes = {true, true}; // connected; a new game
        form.InternetCenter1Click();
        program.forms.banksForm->show();
        program.forms.chinaCashForm->enter();
        form.New1Click(); // the windows of the game close with it, the banks' stop
        QVERIFY(!form.isVisible() && program.forms.mainForm->isVisible());
        for (QWidget* window : {static_cast<QWidget*>(program.forms.fireForm),
                                static_cast<QWidget*>(program.forms.passForm),
                                static_cast<QWidget*>(program.forms.internetCenterForm),
                                static_cast<QWidget*>(program.forms.banksForm),
                                static_cast<QWidget*>(program.forms.chinaCashForm)})
            QVERIFY(!window->isVisible());
        QVERIFY(!program.forms.chinaCashForm->UpdateTimer->running());
        QVERIFY(!form.MainTimer->enabled() && !form.CashTimer->enabled() &&
                !form.BeerStock->enabled());
        const GameState zero{};
        QCOMPARE(std::memcmp(&program.game.state, &zero, sizeof zero), 0);
        QCOMPARE(form.MsgBox->count(), 1); // the messages stay
    }

    void saveAndLoadInTheGameWindow() {
        Program program(test::sampleGame());
        TGameForm& form = program.gameForm;
        form.Fast1Click();
        program.dialogs.files = {std::nullopt}; // cancelled: no file, no message
        form.Save1Click();
        QVERIFY(!QFile::exists(program.folder.path("game.sav")) &&
                program.dialogs.shown.size() == 1);

        program.dialogs.files = {program.folder.path("game.sav")};
        form.Save1Click();
        const FileDialogSpec& save = program.dialogs.shown.back().file;
        QCOMPARE(save.title + "|" + save.filter,
                 QString("Save your game|Save Files (*.sav)|*.sav|All Files (*.txt)|*.*"));
        QCOMPARE(QFile(program.folder.path("game.sav")).size(), qint64(12936));

        program.game.state.money = 1;
        program.dialogs.files = {program.folder.path("game.sav")};
        form.Load1Click();
        QCOMPARE(program.dialogs.shown.back().file.title, QString("Load a game"));
        QVERIFY(program.game.state.money == 48215.5 &&
                form.MainTimer->interval() == 700); // speed kept

        program.dialogs.clear();
        program.dialogs.files = {program.folder.path("missing.sav")};
        form.Load1Click();
        QCOMPARE(program.dialogs.texts().last(), QString("Error #3\nError opening file!"));

        // A save the game refuses leaves the live game as it is, and asks to quit.
        GameState old = test::sampleGame();
        old.version = 4;
        old.money = 1;
        QVERIFY(saveGame(program.folder.path("old.sav").toStdString(), old));
        program.dialogs.clear();
        program.dialogs.files = {program.folder.path("old.sav")};
        form.show();
        const double money = program.game.state.money;
        form.Load1Click(); // "You really want to quit ?" No
        QCOMPARE(program.dialogs.texts().mid(1),
                 QStringList({"The version of your save game is older... restart a new game.",
                              "You really want to quit ?"}));
        QVERIFY(program.dialogs.shown[1].title == "Save game error" &&
                program.dialogs.shown[1].icon == DialogIcon::Stop);
        QVERIFY(program.game.state.money == money && form.isVisible());
    }

    void loadFromTheMainMenu() {
        Program program;
        GameState saved = test::sampleGame();
        QVERIFY(saveGame(program.folder.path("ok.sav").toStdString(), saved));
        GameState crowded = saved;
        crowded.barCount = 26;
        QVERIFY(saveGame(program.folder.path("bad.sav").toStdString(), crowded));
        TMainForm& menu = *program.forms.mainForm;
        menu.show();

        program.dialogs.files = {program.folder.path("missing.sav")};
        menu.LoadGameClick();
        QCOMPARE(program.dialogs.texts().last(), QString("Error #3\nError!"));
        program.dialogs.files = {program.folder.path("bad.sav")};
        menu.LoadGameClick();
        QCOMPARE(program.dialogs.texts().last(),
                 QString("The version of your save game is older... restart a new game."));
        QVERIFY(menu.isVisible() && !program.gameForm.isVisible());

        program.dialogs.files = {program.folder.path("ok.sav")};
        menu.LoadGameClick();
        QVERIFY(!menu.isVisible() && program.gameForm.isVisible());
        QVERIFY(program.gameForm.MainTimer->enabled());
        QCOMPARE(program.game.state.day, 15); // showing the window counted a day
        QCOMPARE(program.gameForm.DayLabel->text(), QString("15 March 1983"));
    }

    // 1, 2, 3 choose the speeds, Space pauses and resumes, wherever the
    // keyboard is (the menu bar after Alt+T and Escape included, where two
    // owners of a key would leave it doing nothing); in a field they are text.
    // The menu, the pop-up menu and the toolbar tick the speed chosen alone.
    // No key of the window has two owners, wherever the keyboard is.
    void keys() {
        Program program(test::sampleGame());
        TGameForm& form = program.gameForm;
        QVERIFY(form.MainTimer->interval() == 3000 && form.speedMenu[1]->isChecked());
        form.show();
        QApplication::setActiveWindow(&form);
        form.DebugMenu->show();
        const std::tuple<QWidget*, Qt::Key, int, int> presses[] = {
            // interval, speed ticked
            {&form, Qt::Key_1, 4000, 0},
            {&form, Qt::Key_3, 700, 2},
            {&form, Qt::Key_Space, 0, 3},
            {&form, Qt::Key_Space, 700, 2},
            {&form, Qt::Key_2, 2000, 1},
            {form.menuBar(), Qt::Key_Space, 0, 3},
            {form.menuBar(), Qt::Key_1, 4000, 0},
            {form.menuBar(), Qt::Key_3, 700, 2},
            {form.MoreMoney, Qt::Key_2, 700, 2},
            {form.MoreMoney, Qt::Key_Space, 700, 2},
            {form.NextBarBut, Qt::Key_Space, 700, 2}};
        for (const auto& [focus, key, interval, ticked] : presses) {
            focus->setFocus();
            QTest::keyClick(focus, key);
            QCOMPARE(form.MainTimer->interval(), interval);
            for (int i = 0; i < 4; ++i)
                for (const auto* items : {&form.speedMenu, &form.speedPopup, &form.speedToolbar})
                    QCOMPARE((*items)[i]->isChecked(), i == ticked);
        }
        QCOMPARE(form.MoreMoney->text(), QString("2 "));
        QCOMPARE(form.shownBar, 1); // Space pressed the focused button

        // The game's keys act from another window of the game, and Space
        // still presses the button that has the keyboard there.
        TInfoForm& info = *program.forms.infoForm;
        info.show();
        QApplication::setActiveWindow(&info);
        info.CloseBut->setFocus();
        QTest::keyClick(info.CloseBut, Qt::Key_1);
        QCOMPARE(form.MainTimer->interval(), 4000);
        program.dialogs.clear();
        QTest::keyClick(info.CloseBut, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(program.dialogs.texts(), QStringList{"Save your game"});
        QTest::keyClick(info.CloseBut, Qt::Key_Space);
        QVERIFY(!info.isVisible() && form.MainTimer->interval() == 4000);
        form.hide(); // back at the main menu: the keys are no longer the game's
        QApplication::setActiveWindow(program.forms.mainForm);
        QTest::keyClick(program.forms.mainForm, Qt::Key_3);
        QCOMPARE(form.MainTimer->interval(), 4000);
        form.show();
        QApplication::setActiveWindow(&form);

        static QStringList ambiguous; // a key with two owners does nothing and says so
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            if (text.contains(QLatin1String("Ambiguous shortcut"))) ambiguous << text;
        });
        for (QWidget* place :
             QList<QWidget*>{&form, form.MoreMoney, form.NextBarBut, form.menuBar()})
            for (const QAction* action : form.findChildren<QAction*>()) {
                program.forms.setupForm->hide(); // opened by its key
                place->setFocus();
                QTest::keySequence(place, action->shortcut());
            }
        qInstallMessageHandler(nullptr);
        QCOMPARE(ambiguous, QStringList());
    }

    // A year played: the month change autosaves until the setup window
    // turns that off.
    void aPlayedYear() {
        Program program(test::sampleGame());
        const GameState& state = program.game.state;
        double monthEnd = 0;
        for (int day = 0; day < 360; ++day) {
            const std::int32_t month = state.month;
            program.gameForm.MainTimerTimer();
            if (state.month != month) monthEnd = state.money;
        }
        program.gameForm.FinancesClick();
        QVERIFY(program.forms.financeForm->isVisible());
        const std::string newest = autosavePath(program.folder.path("saves").toStdString(),
                                                "Jo Martel", program.game.history.gameStart, 1);
        GameState saved{};
        QVERIFY(loadGame(newest, saved).ok() && saved.money == monthEnd);
        program.forms.setupForm->show();
        QVERIFY(program.forms.setupForm->Autosave->isChecked());
        program.forms.setupForm->Autosave->setChecked(false);
        program.forms.setupForm->OkClick();
        TFinanceForm& finances = *program.forms.financeForm;
        QList<QPointer<QAbstractAxis>> drawn;
        for (QChart* chart : {finances.MoneyChart, finances.ProfitChart, finances.VisitorsChart})
            for (QAbstractAxis* axis : chart->axes())
                drawn << axis;
        QCOMPARE(drawn.size(), 6);
        program.game.state.day = 30;
        program.gameForm.MainTimerTimer(); // a month change
        QVERIFY(loadGame(newest, saved).ok() && saved.month != state.month);
        // The open charts drew the new month on new axes, and the old ones are gone.
        for (const QPointer<QAbstractAxis>& axis : drawn)
            QVERIFY(axis.isNull());
        QCOMPARE(finances.MoneyChart->axes().size(), 2);
    }

    // Money far beyond any game's (a damaged or debugged one, finite all
    // the same) is charted on an axis of readable figures.
    void chartOfHugeMoney() {
        Program program(test::sampleGame());
        const double most = std::numeric_limits<double>::max();
        program.game.history.months = {
            {1980, 1, -most, {}}, {1980, 2, 5000, {}}, {1980, 3, most, {}}};
        program.forms.financeForm->show();
        QStringList labels;
        for (QAbstractAxis* axis : program.forms.financeForm->MoneyChart->axes(Qt::Vertical)) {
            auto* figures = qobject_cast<QValueAxis*>(axis);
            QVERIFY(figures);
            for (const double end : {figures->min(), figures->max()})
                labels << QString::asprintf(qPrintable(figures->labelFormat()), end);
        }
        QCOMPARE(labels.size(), 2);
        for (const QString& label : labels)
            QVERIFY2(label.size() <= 17 && !label.contains(QLatin1String("inf")) &&
                         !label.contains(QLatin1String("nan")),
                     qPrintable(label));
    }

    // A settings.ini that is not a file of its own (a FIFO, which no one
    // writes; a link, whose target is another file) is never opened: the
    // month change autosaves at once, the setup window shows the defaults,
    // and turning autosave off writes nothing through it ("Disk error").
    void settingsThatAreNotAFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to a file") << "notes.txt";
        QTest::newRow("link to nothing") << "gone.txt";
    }
    void settingsThatAreNotAFile() {
        QFETCH(QString, kind);
        Program program(test::sampleGame());
        const QByteArray settings = QFile::encodeName(program.folder.path("settings.ini"));
        const QString target = program.folder.path(kind);
        const auto contents = [&] {
            QFile file(target);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(settings.constData(), 0644), 0);
        } else {
            QFile file(target);
            if (kind != "gone.txt")
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write("mine\n") == 5);
            file.close();
            QCOMPARE(::symlink(QFile::encodeName(target).constData(), settings.constData()), 0);
        }
        const QByteArray before = contents();
        program.game.state.day = 30;
        program.gameForm.MainTimerTimer();
        QVERIFY(!QDir(program.folder.path("saves")).entryList({"autosave-*.sav"}).isEmpty());
        program.forms.setupForm->show();
        QVERIFY(program.forms.setupForm->Autosave->isChecked());
        program.forms.setupForm->Autosave->setChecked(false);
        program.forms.setupForm->OkClick();
        QVERIFY(program.forms.setupForm->isVisible()); // told that it could not be kept
        QCOMPARE(program.dialogs.shown.back().title, QString("Disk error"));
        struct stat info {};
        QVERIFY(::lstat(settings.constData(), &info) == 0 &&
                (kind == "fifo" ? S_ISFIFO(info.st_mode) : S_ISLNK(info.st_mode)));
        if (kind != "fifo") {
            QCOMPARE(QFile::exists(target), kind != "gone.txt");
            QCOMPARE(contents(), before);
        }
    }

    void setupCancelThenOk() {
        Program program;
        TSetupForm& setup = *program.forms.setupForm;
        setup.show();
        program.dialogs.files = {program.folder.path("other.drk")};
        setup.Browse2Click();
        QCOMPARE(program.dialogs.shown.back().file.filter,
                 QString("Drinks List File (*.drk)|*.drk"));
        setup.CancelClick(); // changes nothing
        QVERIFY(!setup.isVisible() && !QFile::exists(program.folder.path("config.kpl")));
        QCOMPARE(fixedText(program.game.config.drinksListPath), std::string("drinks.drk"));
        setup.show(); // shows the configuration again, not the text browsed
        QCOMPARE(setup.BarsListPath->text() + "|" + setup.DrinksListPath->text(),
                 QString("def.bar|drinks.drk"));
        QVERIFY(setup.PopupStart->isChecked());
        setup.PauseBeer->setChecked(true);
        setup.PopupStart->setChecked(false);
        QVERIFY(QFile::copy(program.folder.path("def.bar"), program.folder.path("town.bar")));
        program.dialogs.files = {program.folder.path("town.bar")};
        setup.Browse1Click();
        const FileDialogSpec& browsed = program.dialogs.shown.back().file;
        QCOMPARE(browsed.title + "|" + browsed.filter,
                 QString("Select the bars list file|Bars list file (*.bar)|*.bar"));
        setup.OkClick();
        QVERIFY(!setup.isVisible());
        const ConfigRecord written = readConfig("config.kpl");
        QVERIFY(!written.PopupStart && written.PauseBeer && program.game.config.PauseBeer);
        QCOMPARE(QString::fromStdString(fixedText(written.barsListPath) + "|" +
                                        fixedText(written.drinksListPath)),
                 program.folder.path("town.bar") + "|drinks.drk");
    }

    void setupWithAnEmptyPathKeepsTheFile() {
        Program program;
        ConfigRecord before = defaultConfig();
        before.DrinkClose = 1;
        QVERIFY(writeConfig("config.kpl", before));
        const QByteArray original = fileBytes(program.folder.path("config.kpl"));
        TSetupForm& setup = *program.forms.setupForm;
        setup.show();
        setup.BarsListPath->clear();
        setup.PauseBeer->setChecked(true);
        setup.OkClick();
        QCOMPARE(program.dialogs.texts(), QStringList({"You must choose a bars list file.",
                                                       "Your save game wasn't saved..."}));
        QVERIFY(program.dialogs.shown[0].kind == test::ShownDialog::Information);
        QCOMPARE(fileBytes(program.folder.path("config.kpl")), original);
        // The choices are in force for this run; the empty path is not taken.
        QVERIFY(program.game.config.PauseBeer &&
                fixedText(program.game.config.barsListPath) == "def.bar");
    }

    void setupRefusesAPathThatWouldBreakTheNextStart_data() {
        QTest::addColumn<QString>("bars");
        QTest::addColumn<QString>("drinks");
        QTest::addColumn<QString>("said");
        const QString tooLong = QString(94, 'x') + QStringLiteral("\u00e9.bar"); // 100 bytes
        QTest::newRow("no bars list") << "nope.bar"
                                      << "drinks.drk"
                                      << "This file can't be used as your bars list:\nnope.bar";
        QTest::newRow("the bars list as drinks")
            << "def.bar"
            << "def.bar"
            << "This file can't be used as your drinks list:\ndef.bar";
        QTest::newRow("100 bytes")
            << tooLong << "drinks.drk"
            << "The path of your bars list file is too long (100 bytes, at most 99):\n" + tooLong;
        QTest::newRow("browsed: never cut to fit")
            << QString(125, 'y') << "drinks.drk"
            << "The path of your bars list file is too long (125 bytes, at most 99):\n" +
                   QString(125, 'y');
    }

    void setupRefusesAPathThatWouldBreakTheNextStart() {
        QFETCH(QString, bars);
        QFETCH(QString, drinks);
        QFETCH(QString, said);
        Program program;
        TSetupForm& setup = *program.forms.setupForm;
        setup.show();
        setup.PauseBeer->setChecked(true);
        setup.BarsListPath->setText(bars);
        setup.DrinksListPath->setText(drinks);
        setup.OkClick();
        QCOMPARE(program.dialogs.shown.size(), size_t{1});
        QVERIFY2(program.dialogs.shown[0].text.startsWith(said),
                 qPrintable(program.dialogs.shown[0].text));
        QVERIFY(program.dialogs.shown[0].icon == DialogIcon::Stop);
        QVERIFY(setup.isVisible()); // to choose again
        QVERIFY(!QFile::exists(program.folder.path("config.kpl")));
        QVERIFY(!program.game.config.PauseBeer &&
                fixedText(program.game.config.barsListPath) == "def.bar");
    }

    void setupOnAnUnwritableFolder() {
        Program program;
        // A current folder that has been removed takes no new file, whoever
        // the player is.
        QVERIFY(QDir().mkdir(program.folder.path("gone")));
        QDir::setCurrent(program.folder.path("gone"));
        QVERIFY(QDir(program.folder.path("")).rmdir("gone"));
        TSetupForm& setup = *program.forms.setupForm;
        setup.show();
        setup.PauseBeer->setChecked(true);
        setup.OkClick();
        QCOMPARE(
            program.dialogs.texts(),
            QStringList{
                "An error happen when I try to write on the disk\nThe setup file is unwritable."});
        QCOMPARE(program.game.config.PauseBeer, std::uint8_t{0});
    }

    void password() {
        Program program;
        TPassForm& pass = *program.forms.passForm;
        TGameForm& game = *program.forms.gameForm;
        game.DebugOpenClick();
        QVERIFY(pass.isVisible() && pass.Status->text() == "-");
        QVERIFY(pass.Password->maxLength() == 8 &&
                pass.Password->echoMode() == QLineEdit::Password);
        pass.Password->setText("ZUMQ");
        pass.ValidClick();
        QCOMPARE(pass.Status->text(), QString("Denied"));
        QVERIFY(pass.Password->text().isEmpty() && pass.isVisible() && game.DebugMenu->isHidden());
        pass.PasswordClick(); // typing again clears the status
        QCOMPARE(pass.Status->text(), QString("-"));
        pass.Password->setText("zumq");
        pass.ValidClick();
        QCOMPARE(pass.Status->text(), QString("Granted"));
        QVERIFY(!pass.isVisible() && !game.DebugMenu->isHidden());
    }

    void debugMenu() {
        Program program(test::sampleGame());
        TGameForm& game = *program.forms.gameForm;
        game.MoreMoney->setText("-500");
        game.MoneyAddClick();
        QCOMPARE(program.game.state.money, 47715.5);
        game.ClockSpeedBox->setText("250");
        game.ClockSpeedButClick();
        QCOMPARE(game.MainTimer->interval(), 250);
        game.ClockSpeedBox->setText("0");
        game.ClockSpeedButClick();
        QVERIFY(!game.MainTimer->running());
        game.Fast1Click(); // the speed menu sets one again
        QCOMPARE(game.MainTimer->interval(), 700);
    }

    void aBadNumberIsShownAndTheGameGoesOn() {
        Program program;
        TGameForm& game = *program.forms.gameForm;
        game.show();
        game.DebugMenu->show();
        game.MoreMoney->setText("lots");
        QTest::mouseClick(game.MoneyAdd, Qt::LeftButton); // as the player clicks
        QCOMPARE(program.dialogs.texts(),
                 QStringList{"'lots' is not a valid floating point value"});
        QVERIFY(program.dialogs.shown[0].kind == test::ShownDialog::ErrorBox);
        game.ClockSpeedBox->setText("1.5");
        QTest::mouseClick(game.ClockSpeedBut, Qt::LeftButton);
        QCOMPARE(program.dialogs.texts().last(), QString("'1.5' is not a valid integer value"));

        // The clock keeps running while an error box waits: the same error
        // again shows no second box over the first.
        program.dialogs.clear();
        program.dialogs.whileErrorShown = [&] { QTest::mouseClick(game.MoneyAdd, Qt::LeftButton); };
        QTest::mouseClick(game.MoneyAdd, Qt::LeftButton);
        QCOMPARE(program.dialogs.shown.size(), size_t{1});
        program.dialogs.whileErrorShown = nullptr;
        QTest::mouseClick(game.MoneyAdd, Qt::LeftButton); // and the next one shows again
        QCOMPARE(program.dialogs.shown.size(), size_t{2});
    }

    void fireCharges() {
        for (bool insured : {true, false}) {
            Program program(test::sampleGame());
            program.game.state.barCount = 1; // 40 clients per day
            program.game.state.bankAccounts[kGermanBank].fireInsured = insured;
            TDisasFireForm& fire = *program.forms.fireForm;
            program.forms.gameForm->FireButClick();
            const int damage = insured ? 4000 : 20000;
            QVERIFY(fire.isVisible() && fire.MoneyPay->text() == QString::number(damage));
            QVERIFY(fire.Msg2->isVisible() == insured && fire.Msg1->isVisible() == !insured);
            // It shows at the size that fits its message, not growing a moment later.
            QVERIFY(fire.height() >= fire.minimumSizeHint().height());
            fire.hide();
            QVERIFY(fire.MoneyPay->text() == "0" && fire.Msg1->isHidden() && fire.Msg2->isHidden());
        }
        Program program; // no bar: no fire
        program.game.state.money = 100;
        program.forms.gameForm->FireButClick();
        QVERIFY(!program.forms.fireForm->isVisible() && program.game.state.money == 100);
    }
};

TAVO_UI_TEST_MAIN(GameFormTest)
#include "GameFormTest.moc"
