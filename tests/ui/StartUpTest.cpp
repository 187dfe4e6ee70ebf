// Start-up: config.kpl, the two lists, the "What's new?" popup.

#include "SampleGame.h"
#include "ScriptedDialogs.h"
#include "UiTestMain.h"

#include "core/ConfigRecord.h"
#include "core/FixedText.h"
#include "core/TimeSource.h"
#include "ui/Forms.h"
#include "ui/PictureButton.h"
#include "ui/TMainForm.h"
#include "ui/TNewCarForm.h"
#include "ui/TPopupForm.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace tavo;
using namespace tavo::ui;

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunWithoutConfig() {
        test::GameFolder folder;
        test::ScriptedDialogs dialogs;
        FixedTimeSource clock(0);
        FormSet windows(dialogs, clock);
        Forms& forms = windows.forms();
        QVERIFY(dialogs.shown.empty()); // both lists found
        QCOMPARE(forms.mainForm->game().bars.count(), 3);
        QCOMPARE(forms.mainForm->game().drinks.count(), 6);
        QVERIFY(!forms.popupForm->isVisible());
        forms.mainForm->TimerTimer(); // 5 ms after start-up
        QVERIFY(forms.popupForm->isVisible());
        QVERIFY(!forms.mainForm->Timer->enabled());
        QVERIFY(!QFile::exists(folder.path("config.kpl")));
    }

    // The main menu answers the keyboard: Tab goes through the pictures,
    // Enter and Space press them, Alt and a caption's letter too, Escape
    // leaves.
    void mainMenuKeyboard() {
        test::Program program;
        TMainForm& menu = *program.forms.mainForm;
        menu.show();
        QList<QWidget*> chain;
        for (QWidget* at = menu.NewGameOmbre; chain.size() < 4; at = at->nextInFocusChain())
            if (at->focusPolicy() & Qt::TabFocus && at->isEnabled()) chain << at;
        QCOMPARE(chain, (QList<QWidget*>{menu.NewGameOmbre, menu.LoadOmbre, menu.ExitBut,
                                         menu.NewGameOmbre}));
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

    void configWithoutPopup() {
        test::GameFolder folder;
        ConfigRecord config = defaultConfig();
        config.PopupStart = 0;
        QVERIFY(writeConfig("config.kpl", config));
        test::ScriptedDialogs dialogs;
        FixedTimeSource clock(0);
        FormSet windows(dialogs, clock);
        windows.forms().mainForm->TimerTimer();
        QVERIFY(!windows.forms().popupForm->isVisible());
    }

    void missingListsAreReported() {
        test::GameFolder folder;
        ConfigRecord config = defaultConfig();
        setFixedText(config.barsListPath, "none.bar");
        setFixedText(config.drinksListPath, "none.drk");
        config.PopupStart = 0;
        QVERIFY(writeConfig("config.kpl", config));
        test::ScriptedDialogs dialogs;
        FixedTimeSource clock(0);
        FormSet windows(dialogs, clock);
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
        QVERIFY(windows.forms().mainForm->game().bars.isEmpty());
    }

    void popupCountsDownTenSeconds() {
        test::GameFolder folder;
        test::ScriptedDialogs dialogs;
        FixedTimeSource clock(0);
        FormSet windows(dialogs, clock);
        TPopupForm* popup = windows.forms().popupForm;
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

    void popupCloseWritesTheOption_data() {
        QTest::addColumn<bool>("showAgain");
        QTest::newRow("ticked") << true;
        QTest::newRow("unticked") << false;
    }

    void popupCloseWritesTheOption() {
        QFETCH(bool, showAgain);
        test::GameFolder folder;
        test::ScriptedDialogs dialogs;
        FixedTimeSource clock(0);
        FormSet windows(dialogs, clock);
        TPopupForm* popup = windows.forms().popupForm;
        popup->show();
        popup->ShowPop->setChecked(showAgain);
        popup->CloseButClick();
        QVERIFY(!popup->isVisible());
        const ConfigRecord written = readConfig("config.kpl");
        QCOMPARE(written.PopupStart != 0, showAgain);
        QCOMPARE(fixedText(written.barsListPath), std::string("def.bar"));
        QCOMPARE(QFile(folder.path("config.kpl")).size(), qint64(304));
        QVERIFY(dialogs.shown.empty());
    }

    void popupDiskError() {
        test::GameFolder folder;
        test::ScriptedDialogs dialogs;
        FixedTimeSource clock(0);
        FormSet windows(dialogs, clock);
        QVERIFY(QDir().mkdir(folder.path("config.kpl"))); // cannot be replaced
        TPopupForm* popup = windows.forms().popupForm;
        popup->show();
        popup->ShowPop->setChecked(false);
        popup->CloseButClick();
        QCOMPARE(dialogs.texts(), QStringList{"An error happen when I try to write on the disk"});
        QCOMPARE(dialogs.shown[0].title, QString("Disk error"));
        QCOMPARE(windows.forms().mainForm->game().config.PopupStart, std::uint8_t{1});
    }
};

TAVO_UI_TEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
