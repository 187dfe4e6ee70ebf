// The bar windows as a player goes through them: the road of a new game
// (owner, map, bar setup, the game window, information and drinks windows,
// the first days of business), the drinks window's running totals and
// refusals, the information window's stock pages and red profits,
// promotion's messages and the map.

#include "SampleGame.h"
#include "UiTestMain.h"

#include <functional>

using namespace tavo;
using namespace tavo::ui;
using test::GameFolder;
using test::Program;

namespace {

// The sample game in the drinks window, a bar line (0 = all bars) and a
// drink picked: the test lists price Blonde Ale at 2.50.
TDrinkForm& drinksFor(Program& program, int barLine, int drink = 0) {
    program.game.state = test::sampleGame();
    program.game.numberFormat.decimalSeparator = '.';
    TDrinkForm& form = *program.forms.drinkForm;
    program.gameForm.BuyDrinksClick();
    form.BarOwnList->setCurrentRow(barLine);
    form.DrinksListBox->setCurrentRow(drink);
    return form;
}

} // namespace

class BarWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // Every road through the new game's windows (each button, each close
    // box, and a new game asked for while the map is open in a game) leaves
    // the player a window at every step, and the one it leads to at its end.
    void everyRoadLeavesAWindow() {
        using Step = std::function<void(Program&)>;
        const Step newGame = [](Program& p) { p.forms.mainForm->NewGameOmbreButClick(); };
        const Step owner = [](Program& p) {
            p.forms.newCarForm->OwnerName->setText(QStringLiteral("Jo"));
            p.forms.newCarForm->TheWomen->click();
            p.forms.newCarForm->CreateClick();
        };
        const Step pick = [](Program& p) {
            p.forms.mapForm->BarListBox->setCurrentRow(0);
            p.forms.mapForm->BuyButClick();
        };
        const Step cancelSetup = [](Program& p) { p.forms.barSetupForm->CancelClick(); };
        const Step cancelMap = [](Program& p) { // the Cancel the player sees
            TMapForm& map = *p.forms.mapForm;
            (map.Cancel->isVisible() ? map.Cancel : map.Cancel1)->click();
        };
        const Step newGameFromTheMap = [](Program& p) {
            p.game.state = test::sampleGame();
            p.gameForm.show();
            p.gameForm.BuyBarClick();
            p.dialogs.yes = {true};
            p.gameForm.New1Click();
        };
        const char *menu = "TMainForm", *map = "TMapForm", *setup = "TBarSetupForm";
        const std::vector<std::pair<std::vector<Step>, const char*>> roads = {
            {{newGame, [](Program& p) { p.forms.newCarForm->CancelClick(); }}, menu},
            {{newGame, [](Program& p) { static_cast<QDialog*>(p.forms.newCarForm)->reject(); }},
             menu},
            {{newGame, owner, cancelMap}, menu},
            {{newGame, owner, [](Program& p) { static_cast<QDialog*>(p.forms.mapForm)->reject(); }},
             menu},
            {{newGame, owner, [](Program& p) { p.forms.mapForm->SellButClick(); }}, map},
            {{newGame, owner, [](Program& p) { p.forms.mapForm->BankButClick(); }}, map},
            {{newGame, owner, pick}, setup},
            {{newGame, owner, pick, cancelSetup}, map},
            {{newGame, owner, pick, cancelSetup, cancelMap}, menu}, // in its new-game way
            {{newGame, owner, pick,
              [](Program& p) { static_cast<QDialog*>(p.forms.barSetupForm)->reject(); }},
             map},
            {{newGameFromTheMap, newGame, owner, cancelMap}, menu},
        };
        for (std::size_t road = 0; road < roads.size(); ++road) {
            Program program;
            const Forms& f = program.forms;
            const QList<QWidget*> windows = {f.mainForm, f.newCarForm, f.mapForm, f.barSetupForm,
                                             f.gameForm};
            QStringList shown;
            for (const Step& step : roads[road].first) {
                step(program);
                shown.clear();
                for (QWidget* window : windows)
                    if (window->isVisible())
                        shown << QString(window->metaObject()->className()).section("::", -1);
                QVERIFY2(!shown.isEmpty(),
                         qPrintable(QStringLiteral("road %1 leaves no window").arg(road)));
            }
            QVERIFY2(
                shown == QStringList{roads[road].second},
                qPrintable(QStringLiteral("road %1 ends at %2").arg(road).arg(shown.join(' '))));
        }
    }

    void drinksRunningTotals() {
        Program program;
        TDrinkForm& form = drinksFor(program, 2, 5); // a bar without Cider
        QVERIFY(form.UsedBar->isChecked());
        // The figures follow every pick, so the order is checked against the
        // total the player sees: status, quantity left, sale price, total, profit.
        const std::pair<std::function<void()>, QString> steps[] = {
            {[] {}, "Open/0/0/0/0"},
            {[&] { form.DrinksListBox->setCurrentRow(0); }, "Open/80/4.5/0/0"}, // Blonde Ale, held
            {[&] { form.QtyBuy->setText("10"); }, "Open/80/4.5/25/20"},
            {[&] { form.PriceSellBox->setText("4"); }, "Open/80/4/25/15"},
            {[&] { form.PriceSellBox->setText("4,"); }, "Open/80/4,/0/0"},
            {[&] { form.BarOwnList->setCurrentRow(0); }, "N/A/0/4,/0/0"}, // all three bars
            {[&] { form.PriceSellBox->setText("3"); }, "N/A/0/3/75/15"},
            {[&] { form.DrinksListBox->setCurrentRow(5); },
             "N/A/0/0/84/-84"}, // Cider at 2.80, not held
            {[&] { form.BarOwnList->setCurrentRow(1); },
             "Open/165/0/28/-28"}, // the first bar holds it
        };
        for (const auto& [step, shown] : steps) {
            step();
            QCOMPARE(
                QStringList({form.Status->text(), form.QtyLeft->text(), form.PriceSellBox->text(),
                             form.TotalPrice->text(), form.ProfitBox->text()})
                    .join('/'),
                shown);
        }
    }

    // An order shows in the window at once, with a list that this system reads.
    void drinksOrder() {
        Program program;
        TDrinkForm& form = drinksFor(program, 1);
        form.PriceSellBox->setText("4");
        form.QtyBuy->setText("10");
        form.OrderClick();
        QCOMPARE(form.QtyLeft->text(), QString("90"));

        // A list this system cannot read (it says 2.50): the US one is taken
        // instead, and the window closes.
        program.game.numberFormat.decimalSeparator = ',';
        form.OrderClick();
        QVERIFY(!form.isVisible());
        QCOMPARE(fixedText(readConfig("config.kpl").drinksListPath), std::string("drinksUS.drk"));
    }

    void drinksPauseAndClose() {
        Program program;
        program.game.config.PauseBeer = 1;
        program.game.config.DrinkClose = 1;
        program.gameForm.Fast1Click();
        TDrinkForm& form = drinksFor(program, 1);
        QCOMPARE(program.gameForm.MainTimer->interval(), 0);
        program.gameForm.BuyDrinksClick(); // again while open: the clock still comes back
        QCOMPARE(program.gameForm.MainTimer->interval(), 0);
        form.QtyBuy->setText("10");
        form.PriceSellBox->setText("4");
        form.OrderClick();
        QVERIFY(program.dialogs.shown.empty()); // closed instead of "Your order have been made."
        QVERIFY(!form.isVisible());
        QCOMPARE(program.gameForm.MainTimer->interval(), 700);
        QVERIFY(program.gameForm.speedMenu[2]->isChecked()); // Fast, as before
        QCOMPARE(form.Status->text(), QString("-"));
        QCOMPARE(form.selectedDrink, -1);

        // The window gives back only the pause it made: a speed the player
        // chose meanwhile, or a clock that was not running, stays.
        program.game.config.PauseBeer = 0;
        program.gameForm.BuyDrinksClick();
        program.gameForm.Pause1Click();
        form.hide();
        QCOMPARE(program.gameForm.MainTimer->interval(), 0);
        QVERIFY(program.gameForm.speedMenu[3]->isChecked());
        program.game.config.PauseBeer = 1;
        program.gameForm.BuyDrinksClick();
        QVERIFY(program.gameForm.speedMenu[3]->isChecked());
        program.gameForm.Slow1Click();
        form.hide();
        QCOMPARE(program.gameForm.MainTimer->interval(), 4000);
        QVERIFY(program.gameForm.speedMenu[0]->isChecked());
    }

    // The information window: its stock pages turn as the game window's
    // panel's, a month's loss is red, the entry price is set or refused, and
    // a bar bought while it is open joins its list at the next refresh.
    void infoWindow() {
        Program program(test::sampleGame());
        program.game.numberFormat.decimalSeparator = '.';
        program.game.state.bars[0].profitThisMonth = -1;
        program.game.state.bars[0].profitLastMonth = 0;
        TInfoForm& info = *program.forms.infoForm;
        info.show();                                // the first refresh turns the page at once
        QCOMPARE(info.BarOwnList->currentRow(), 0); // the bar shown is the one picked
        QCOMPARE(info.Beer[0]->text(), QString("Blonde Ale"));
        info.TimerTimer();
        QCOMPARE(info.Beer[0]->text() + "/" + info.Beer[2]->text(), QString("Vodka Shot/-"));
        QCOMPARE(info.ProfitMBox->palette().color(QPalette::Text), QColor(200, 0, 0));
        QVERIFY(info.ProfitLBox->palette().color(QPalette::Text) != QColor(200, 0, 0));

        info.PriceEnter->setText("10");
        info.SetPriceClick();
        QCOMPARE(program.game.state.bars[0].entryPrice, 10.0);
        info.PriceEnter->setText("10.01");
        info.CloseButClick(); // refused: the window stays
        QVERIFY(info.isVisible() && program.game.state.bars[0].entryPrice == 10);

        QCOMPARE(info.BarOwnList->count(), 3);
        program.game.state.barCount = 4;
        setFixedText(program.game.state.bars[3].barName, "Fourth");
        info.TimerTimer();
        QCOMPARE(info.BarOwnList->count(), 4);
        QCOMPARE(info.BarOwnList->item(3)->text(), QString("Fourth"));

        info.PriceEnter->clear();
        info.CloseButClick(); // empty reads as 0
        QVERIFY(!info.isVisible() && !info.Timer->enabled());
        QCOMPARE(program.game.state.bars[0].entryPrice, 0.0);
    }

    void promotionMessages() {
        Program program(test::sampleGame()); // 48215.5, bar 0 at 40 of 120 clients
        TPromoteForm& promote = *program.forms.promoteForm;
        promote.show();
        // Each medium's price is in a column of its own whose right edges line up.
        for (const QLabel* price : {promote.NewsPaperPrice, promote.RadioPubPrice})
            QCOMPARE(price->geometry().right(), promote.TvPubPrice->geometry().right());
        promote.PromoteClick(); // no kind chosen: nothing
        QVERIFY(program.dialogs.shown.empty());
        promote.TvPub->setChecked(true);
        promote.PromoteClick();
        QCOMPARE(program.game.state.bars[0].clientsPerDay, 55);
        promote.BarOwnList->setCurrentRow(2);
        promote.NewsPaper->setChecked(true);
        promote.PromoteClick();
        QCOMPARE(program.dialogs.texts().last(), QString("Your bar's pub is now on newspaper."));
        QCOMPARE(program.game.state.bars[2].clientsPerDay, 85);
    }

    void mapPins() {
        Program program(test::sampleGame());
        TMapForm& map = *program.forms.mapForm;
        map.showInGame();
        // A click on a pin picks its bar and rings it; a click elsewhere, or
        // on a pin past the end of the list, picks nothing.
        QCOMPARE(map.TownPic->pinCount(), 18);
        for (const QPoint at : {QPoint(2, 2), map.TownPic->pinCentre(10).toPoint()}) {
            QTest::mouseClick(map.TownPic, Qt::LeftButton, {}, at);
            QVERIFY(map.BarListBox->selectedItems().isEmpty() && !map.BuyBut->isEnabled());
            QCOMPARE(map.TownPic->picked(), -1);
        }
        QTest::mouseClick(map.TownPic, Qt::LeftButton, {}, map.TownPic->pinCentre(1).toPoint());
        QCOMPARE(map.BarListBox->currentRow(), 1);
        QCOMPARE(map.TownPic->picked(), 1);
        map.BarListBox->setCurrentRow(2);
        QCOMPARE(map.TownPic->picked(), 2);
        map.hide(); // opened again, nothing is picked and no pin ringed
        map.showInGame();
        QCOMPARE(map.TownPic->picked(), -1);
        map.BarListBox->setCurrentRow(2);
        map.Cancel1Click();
        QCOMPARE(map.BarListBox->count(), 0);
        QVERIFY(map.Price->text().isEmpty());
    }

    void fromTheMainMenuToBusiness() {
        Program program(GameFolder::ShippedLists);
        Forms& forms = program.forms;
        GameState& state = program.game.state;
        forms.mainForm->show();

        // New game: the date of a new game, then owner creation.
        forms.mainForm->NewGameOmbreButClick();
        QVERIFY(forms.newCarForm->isVisible() && !forms.mainForm->isVisible());
        // The bar capacity is written in every save; the seed comes from the clock.
        QVERIFY(state.version == 5 && state.barCapacity == 25 && state.year == 1980 && !state.day);
        QCOMPARE(program.game.random.seed(), 1000u);

        // The Woman, after the Cool Dude (the last click wins).
        TNewCarForm& owner = *forms.newCarForm;
        QVERIFY(!owner.Create->isEnabled() && owner.OwnerName->maxLength() == 29);
        owner.CoolDude->click();
        QCOMPARE(owner.Knowelge->text(), QString("Very Good"));
        owner.TheWomen->click();
        owner.BusinDescClick();
        QVERIFY(program.dialogs.texts().last().startsWith("The business man is a powerful person"));
        program.dialogs.clear();
        owner.OwnerName->setText("Jo Martel");
        owner.CreateClick();
        QVERIFY(!owner.isVisible() && state.money == 85000);

        // The map.
        TMapForm& map = *forms.mapForm;
        QVERIFY(map.BarListBox->count() == 18 && !map.BuyBut->isEnabled());
        map.BarListBox->setCurrentRow(1); // The Rusty Anchor, 18000
        QCOMPARE(map.Price->text() + "/" + map.BarOwner->text(),
                 QString("18000/This bar is not owned"));
        QVERIFY(map.BuyBut->isEnabled() && !map.SellBut->isEnabled());
        map.BuyButClick();
        QVERIFY(!map.isVisible());

        // Bar setup: the purchase.
        TBarSetupForm& setup = *forms.barSetupForm;
        QVERIFY(setup.isVisible());
        QCOMPARE(setup.MoneyBefore->text() + "/" + setup.MoneyAfter->text(),
                 QString("85000/67000"));
        QVERIFY(setup.LowClass->isEnabled() && !setup.DarkClass->isEnabled()); // class mask 1
        setup.BarName->setText("Jo's Corner");
        QVERIFY(setup.Create->isEnabled());
        setup.Alternatif->click();
        setup.LowClass->click();
        setup.PriceEnter->setText("3");
        setup.CreateClick();
        QVERIFY(program.dialogs.shown.empty() && !setup.isVisible());

        // The game window counts its first day.
        TGameForm& game = program.gameForm;
        QVERIFY(game.isVisible());
        QVERIFY(game.MainTimer->enabled() && game.CashTimer->enabled() &&
                game.BeerStock->enabled());
        QVERIFY(game.MsgBox->item(0)->text().startsWith("The bar you just buy isn't open yet."));
        QVERIFY(state.barCount == 1 && state.money == 67000 && state.day == 1);

        // The map from the game.
        game.BuyBarClick();
        map.BarListBox->setCurrentRow(1);
        map.SellButClick();
        QCOMPARE(program.dialogs.texts().last(), QString("Under reconstruction ;-)"));
        map.Cancel1Click();
        QVERIFY(!map.isVisible() && game.isVisible());

        // The information window opens the bar.
        TInfoForm& info = *forms.infoForm;
        game.ViewInfoClick();
        info.BarOwnList->setCurrentRow(0);
        QCOMPARE(info.StatusBar->text(), QString("Close"));
        info.ChangeStatusClick();
        QVERIFY(info.StatusBar->text() == "Open" && state.bars[0].isOpen);
        info.CloseButClick();
    }

    // The next new game starts the owner window as it is laid out, so the
    // owner's money always comes from an archetype click.
    void theOwnerWindowStartsBlank() {
        Program program(GameFolder::ShippedLists);
        Forms& forms = program.forms;
        forms.mainForm->NewGameOmbreButClick();
        forms.newCarForm->CoolDude->click();
        forms.newCarForm->OwnerName->setText("Max");
        forms.newCarForm->CancelClick();
        forms.mainForm->NewGameOmbreButClick();
        TNewCarForm& owner = *forms.newCarForm;
        QVERIFY(!owner.Buisness->isChecked() && !owner.CoolDude->isChecked() &&
                !owner.TheWomen->isChecked());
        QVERIFY(owner.OwnerName->text().isEmpty() && owner.Money->text().isEmpty() &&
                owner.Credibility->text().isEmpty() && owner.Knowelge->text().isEmpty());
        QVERIFY(!owner.Create->isEnabled());
    }
};

TAVO_UI_TEST_MAIN(BarWindowsTest)
#include "BarWindowsTest.moc"
