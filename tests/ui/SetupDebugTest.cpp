// The setup window, the password window and the Debug Menu, the fire
// window, and an error escaping a handler.

#include "SampleGame.h"
#include "UiTestMain.h"

using namespace tavo;
using namespace tavo::ui;
using test::Program;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SetupDebugTest : public QObject {
    Q_OBJECT

private slots:
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

    void setupRefusesAPathThatWouldBreakTheNextStart() {
        const QString tooLong = QString(94, 'x') + QStringLiteral("\u00e9.bar"); // 100 bytes
        const struct {
            QString bars, drinks, said;
        } cases[] = {
            {"nope.bar", "drinks.drk", "This file can't be used as your bars list:\nnope.bar"},
            {"def.bar", "def.bar", "This file can't be used as your drinks list:\ndef.bar"},
            {tooLong, "drinks.drk",
             "The path of your bars list file is too long (100 bytes, at most 99):\n" + tooLong},
        };
        for (const auto& c : cases) {
            Program program;
            TSetupForm& setup = *program.forms.setupForm;
            setup.show();
            setup.PauseBeer->setChecked(true);
            setup.BarsListPath->setText(c.bars);
            setup.DrinksListPath->setText(c.drinks);
            setup.OkClick();
            QCOMPARE(program.dialogs.shown.size(), size_t{1});
            QVERIFY2(program.dialogs.shown[0].text.startsWith(c.said),
                     qPrintable(program.dialogs.shown[0].text));
            QVERIFY(program.dialogs.shown[0].icon == DialogIcon::Stop);
            QVERIFY(setup.isVisible()); // to choose again
            QVERIFY(!QFile::exists(program.folder.path("config.kpl")));
            QVERIFY(!program.game.config.PauseBeer &&
                    fixedText(program.game.config.barsListPath) == "def.bar");
        }
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
        game.MainTimerTimer();
        QCOMPARE(game.Week->text(), QString("4"));
    }

    void aBadNumberIsShownAndTheGameGoesOn() {
        Program program;
        QApplication* app = qApp;
        static_cast<TavoApplication*>(app)->setDialogs(&program.dialogs);
        TGameForm& game = *program.forms.gameForm;
        game.show();
        game.DebugMenu->show();
        game.MoreMoney->setText("lots");
        QTest::mouseClick(game.MoneyAdd, Qt::LeftButton); // through the application
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
        static_cast<TavoApplication*>(app)->setDialogs(nullptr);
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
            fire.hide();
            QVERIFY(fire.MoneyPay->text() == "0" && fire.Msg1->isHidden() && fire.Msg2->isHidden());
        }
        Program program; // no bar: no fire
        program.game.state.money = 100;
        program.forms.gameForm->FireButClick();
        QVERIFY(!program.forms.fireForm->isVisible() && program.game.state.money == 100);
    }
};

TAVO_UI_TEST_MAIN(SetupDebugTest)
#include "SetupDebugTest.moc"
