// The road of a new game, played through the windows' handlers as a
// player would: owner, map, bar setup, the game window, information and
// drinks windows, and the first days of business.

#include "SampleGame.h"
#include "UiTestMain.h"

using namespace tavo;
using namespace tavo::ui;
using test::GameFolder;
using test::Program;

class NewGameRoadTest : public QObject {
    Q_OBJECT

private slots:
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

        // The Woman, after the Cool Dude (the last click wins); a name is needed.
        TNewCarForm& owner = *forms.newCarForm;
        QVERIFY(!owner.Create->isEnabled() && owner.OwnerName->maxLength() == 29);
        owner.CoolDude->click();
        QCOMPARE(owner.Knowelge->text(), QString("Very Good"));
        owner.TheWomen->click();
        QCOMPARE(owner.Money->text() + "/" + owner.Credibility->text(), QString("85000/Average"));
        owner.CreateClick(); // no name: refused
        QCOMPARE(program.dialogs.shown.size(), size_t{1});
        owner.BusinDescClick();
        QVERIFY(program.dialogs.texts().last().startsWith("The business man is a powerful person"));
        program.dialogs.clear();
        owner.OwnerName->setText("Jo Martel");
        owner.CreateClick();
        QVERIFY(!owner.isVisible() && state.money == 85000);

        // The map, in its new-game way.
        TMapForm& map = *forms.mapForm;
        QVERIFY(map.isVisible() && map.Cancel->isVisible() && !map.Cancel1->isVisible());
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
        QCOMPARE(state.bars[0].clientsPerDay, 37); // 35, +2 for alternative in a low bar

        // The map from the game: the bar is the player's.
        game.BuyBarClick();
        QVERIFY(map.Cancel1->isVisible() && !map.Cancel->isVisible());
        map.BarListBox->setCurrentRow(1);
        QCOMPARE(map.BarOwner->text(), QString("Jo Martel"));
        QVERIFY(!map.BuyBut->isEnabled() && map.SellBut->isEnabled());
        map.SellButClick();
        QCOMPARE(program.dialogs.texts().last(), QString("Under reconstruction ;-)"));
        map.Cancel1Click();
        QVERIFY(!map.isVisible() && game.isVisible());

        // The information window opens the bar.
        TInfoForm& info = *forms.infoForm;
        game.ViewInfoClick();
        QCOMPARE(info.OwnerName->text(), QString("Jo Martel"));
        QVERIFY(info.TheWomen->isChecked());
        QCOMPARE(info.BarOwnList->count(), 1);
        info.BarOwnList->setCurrentRow(0);
        QCOMPARE(info.StatusBar->text(), QString("Close"));
        info.ChangeStatusClick();
        QVERIFY(info.StatusBar->text() == "Open" && state.bars[0].isOpen);
        info.CloseButClick();

        // The drinks window orders 100 lagers for the bar.
        TDrinkForm& drinks = *forms.drinkForm;
        game.BuyDrinksClick();
        drinks.BarOwnList->setCurrentRow(1);
        QCOMPARE(drinks.Status->text() + "/" + drinks.AverageClients->text(), QString("Open/37"));
        drinks.DrinksListBox->setCurrentRow(1); // Blonde Lager, 2 $
        QCOMPARE(drinks.DrinksInfoBox->title(), QString("Beer Information"));
        drinks.QtyBuy->setText("100");
        drinks.PriceSellBox->setText("4");
        drinks.OrderClick();
        QCOMPARE(state.bars[0].drinks[0].stock, 100);
        drinks.hide();

        // A few days of business: clients come in and drink.
        for (int day = 0; day < 5; ++day)
            game.MainTimerTimer();
        QVERIFY(state.bars[0].visitorsThisMonth > 0 && state.bars[0].drinks[0].stock < 100);
        game.CashTimerTimer();
        QCOMPARE(game.MoneyLabel->text(), QString::number(state.money, 'g', 15));
    }

    void cancellingGoesBack() {
        Program program(GameFolder::ShippedLists);
        Forms& forms = program.forms;
        forms.mainForm->NewGameOmbreButClick();
        forms.newCarForm->CancelClick();
        QVERIFY(forms.mainForm->isVisible() && !forms.newCarForm->isVisible());

        forms.mainForm->NewGameOmbreButClick();
        forms.newCarForm->CoolDude->click();
        forms.newCarForm->OwnerName->setText("Max");
        forms.newCarForm->CreateClick();
        forms.mapForm->BarListBox->setCurrentRow(0);
        forms.mapForm->BuyButClick();
        forms.barSetupForm->CancelClick(); // back to the map, still in its new-game way
        QVERIFY(forms.mapForm->isVisible());
        QVERIFY(forms.mapForm->Cancel->isVisible());
        forms.mapForm->CancelClick();
        QVERIFY(forms.mainForm->isVisible() && !forms.mapForm->isVisible());

        // The next new game starts the owner window as it is laid out, so
        // the owner's money always comes from an archetype click.
        forms.mainForm->NewGameOmbreButClick();
        TNewCarForm& owner = *forms.newCarForm;
        QVERIFY(!owner.Buisness->isChecked() && !owner.CoolDude->isChecked() &&
                !owner.TheWomen->isChecked());
        QVERIFY(owner.OwnerName->text().isEmpty() && owner.Money->text().isEmpty() &&
                owner.Credibility->text().isEmpty() && owner.Knowelge->text().isEmpty());
        QVERIFY(!owner.Create->isEnabled());
    }
};

TAVO_UI_TEST_MAIN(NewGameRoadTest)
#include "NewGameRoadTest.moc"
