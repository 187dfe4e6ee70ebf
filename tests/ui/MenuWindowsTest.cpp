// The windows of the banks, the staff and the games, as a player goes
// through them: the ways into the banks, a bank window that shows what the
// account no longer holds, the loan, investment and insurance forms with
// the bank window following them; the staff windows' loop (hire, list,
// settings); the Lotto window with the clock it stops, Spin Cash and the
// race.

#include "SampleGame.h"
#include "UiTestMain.h"

#include "core/NumberText.h"
#include "leisure/Lotto.h"

#include <QStackedWidget>

using namespace tavo;
using namespace tavo::ui;
using test::Program;

namespace {

// The sample game with money and the membership of one bank.
void memberOf(Program& program, int bank, double money) {
    program.game.state = test::sampleGame();
    program.game.numberFormat.decimalSeparator = '.';
    program.game.state.money = money;
    program.game.state.bankAccounts[bank].member = 1;
}

QAction* action(QWidget* window, const QString& text) {
    for (QAction* item : window->findChildren<QAction*>())
        if (item->text() == text) return item;
    return nullptr;
}

// Hires the candidates through the hire window, which is left closed.
void hire(Program& program, std::initializer_list<int> staffIds) {
    THireStaffForm& form = *program.forms.hireStaffForm;
    program.gameForm.HireStaffClick();
    for (int id : staffIds) {
        form.choices()[id - 1]->click();
        form.HireClick();
    }
    form.CloseButClick();
}

QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

void typeTicket(TLotoSixForm& form, const QStringList& numbers) {
    for (int box = 0; box < 6; ++box)
        form.numbers()[box]->setText(numbers[box]);
}

} // namespace

class MenuWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // What a window's action says belongs to that window: the message box
    // stands in front of it, whatever window the player used last.
    void messagesBelongToTheWindowThatSpoke() {
        Program program;
        memberOf(program, kChinaCash, 100);
        program.forms.passForm->show(); // the window used last
        const struct {
            const char* what;
            QWidget* window;
            std::function<void()> act;
        } rows[] = {
            {"the drinks window's Order with nothing picked", program.forms.drinkForm,
             [&] { program.forms.drinkForm->OrderClick(); }},
            {"China Cash's Borrow form", program.forms.loanChina1Set,
             [&] {
                 program.forms.loanChina1Set->MoneyAsk->setText("x");
                 program.forms.loanChina1Set->AskMoneyClick();
             }},
            {"a Lotto ticket of five numbers", program.forms.lotoSixForm,
             [&] { program.forms.lotoSixForm->BuyClick(); }},
            {"the game window's debug money", program.forms.gameForm.get(),
             [&] {
                 program.gameForm.MoreMoney->setText("x");
                 program.gameForm.MoneyAddClick();
             }},
        };
        for (const auto& row : rows) {
            program.dialogs.clear();
            row.act();
            QVERIFY2(program.dialogs.shown.size() == 1, row.what);
            QVERIFY2(program.dialogs.shown[0].asker == row.window, row.what);
        }
    }

    void waysIntoTheBanks() {
        Program program(test::sampleGame());
        TMapForm& map = *program.forms.mapForm;
        map.showInGame();
        QVERIFY(map.BankBut->isEnabled());
        map.BankButClick();
        TBanksForm& banks = *program.forms.banksForm;
        QVERIFY(banks.isVisible() && map.isVisible() && !banks.EnterBank->isEnabled());
        banks.EnterBankEnabled(); // a choice took the focus
        banks.InterBank->click();
        banks.EnterBankClick();
        QCOMPARE(program.dialogs.texts(), QStringList{"Under Construction"});
        banks.GermanBank->click();
        banks.SuisaCash->click(); // the two groups act as one
        QVERIFY(!banks.InterBank->isChecked() && !banks.GermanBank->isChecked());
        banks.EnterBankClick();
        BankForm& china = *program.forms.chinaCashForm;
        QVERIFY(china.isVisible() && china.UpdateTimer->running() &&
                china.UpdateTimer->interval() == 500);
        banks.hide();
        banks.show(); // shown again: nothing chosen, the last choice kept
        QVERIFY(!banks.SuisaCash->isChecked() && banks.EnterBank->isEnabled());
        QCOMPARE(banks.selectedBank, kChinaCash);

        // The game window's menu and toolbar lead to each bank.
        TGameForm& game = program.gameForm;
        action(&game, "&German Bank")->trigger();
        QVERIFY(program.forms.germBankForm->isVisible());
        QCOMPARE(program.forms.germBankForm->UpdateTimer->interval(), 1000);
        action(&game, "I&nvest Bank")->trigger();
        QVERIFY(program.forms.investBankForm->isVisible());
    }

    void refreshMirrorsTheAccount() {
        Program program;
        memberOf(program, kInvestBank, 50000);
        BankAccount& account = program.game.state.bankAccounts[kInvestBank];
        account.investActive = 1;
        account.investValue = 12000;
        account.loanActive = 1;
        account.loanLeft = 18750;
        BankForm& bank = *program.forms.investBankForm;
        bank.enter();

        // The investment ends meanwhile: the next tick gives the button back.
        account.investActive = 0;
        bank.UpdateTimerTimer();
        QVERIFY(bank.InvestmentSetup->isEnabled() && !bank.InvestRefund->isEnabled());
        QCOMPARE(bank.InvestNow->text(), QString("0"));

        // Another game, where the player is no member: the window follows.
        program.game.state = test::sampleGame();
        bank.UpdateTimerTimer();
        QCOMPARE(bank.InfoPage->currentWidget(), bank.NotMemMsg);
        QCOMPARE(bank.LoanLeft->text(), QString("0"));

        // Membership taken: the window follows at once.
        program.dialogs.yes = {true};
        bank.MemberSetupClick();
        QVERIFY(!bank.MemberSetup->isEnabled() && bank.LoanSetup->isEnabled());
        bank.LeaveBankClick();
        QVERIFY(!bank.isVisible() && !bank.UpdateTimer->enabled());
    }

    // A loan and its refund, an investment and its withdrawal, insurance and
    // its leaving, each through its form: the bank window shows it at once.
    void servicesShowInTheBankAtOnce() {
        Program program;
        memberOf(program, kChinaCash, 20000);
        program.game.state.bankAccounts[kInvestBank].member = 1;
        program.game.state.bankAccounts[kGermanBank].member = 1;
        BankForm& china = *program.forms.chinaCashForm;
        china.enter();
        china.LoanSetupClick();
        LoanRequestForm& request = *program.forms.loanChina1Set;
        QVERIFY(request.isVisible());
        request.MoneyAsk->setText("25000");
        request.AskMoneyClick();
        QVERIFY(!request.isVisible() && china.RefundingLoan->isEnabled());
        QCOMPARE(china.LoanLeft->text(), QString("25000"));
        china.RefundingLoanClick();
        LoanRefundForm& refund = *program.forms.loanChinRef1;
        refund.RefundBox->setText("25001");
        refund.RefundButClick(); // too much: the box shows what is left again
        QCOMPARE(refund.RefundBox->text(), QString("25000"));
        refund.RefundButClick();
        QVERIFY(!refund.isVisible() && !china.RefundingLoan->isEnabled());
        QCOMPARE(china.LoanLeft->text(), QString("0"));

        BankForm& invest = *program.forms.investBankForm;
        invest.enter();
        TInvestInvBankForm& form = *program.forms.investInvBankForm;
        invest.InvestmentSetupClick();
        QVERIFY(form.isVisible() && !form.InvestBut->isEnabled());
        form.FiveYears->click();
        QCOMPARE(form.InvestBox->text(), QString("")); // "0" is emptied
        form.InvestBox->setText("12345");
        // A mistyped amount is said where the total is worked out; the
        // total stays the last one read.
        program.dialogs.clear();
        form.InvestBox->setText("12x");
        QCOMPARE(program.dialogs.texts(), QStringList{"'12x' is not a valid integer value"});
        QCOMPARE(form.TotalInvest->text(), QString("18517.5"));
        form.InvestBox->setText("9999");
        form.InvestButClick();
        QVERIFY(!form.isVisible() && invest.InvestRefund->isEnabled());
        QCOMPARE(invest.InvestYearLeft->text(), QString("5"));
        program.dialogs.yes = {true};
        invest.InvestRefundClick();
        QVERIFY(invest.InvestmentSetup->isEnabled() && invest.InvestNow->text() == "0");

        BankForm& german = *program.forms.germBankForm;
        german.enter();
        TGermInsuForm& insurance = *program.forms.germInsuForm;
        german.InsuranceSetupClick();
        insurance.FireCheck->click();
        insurance.StoleCheck->click();
        QCOMPARE(insurance.TotalMoney->text(), QString("1800"));
        insurance.BuyInsClick();
        QVERIFY(!insurance.isVisible() && german.FireInsCheckBox->isChecked());
        QVERIFY(german.StoleCheckBox->isChecked() && german.StoleCost->text() == "800");
        german.InsuranceSetupClick(); // shown again: nothing ticked
        QVERIFY(!insurance.FireCheck->isChecked() && insurance.TotalMoney->text() == "0");
        insurance.hide();
        program.dialogs.yes = {true, true};
        german.LeaveInsClick();
        QVERIFY(!german.FireInsCheckBox->isChecked() && !german.LeaveIns->isEnabled());
        QCOMPARE(german.FireCost->text(), QString("0"));
    }

    // Enter presses each window's main action; at each showing the
    // keyboard goes to the first field the player uses.
    void enterAndFocus() {
        Program program(test::sampleGame());
        hire(program, {1, 2});
        Forms& forms = program.forms;
        // The settings window fits the groups of the administrator shown,
        // from its first showing on.
        TAdminViewForm& settings = *forms.adminViewForm;
        settings.show(); // Ned: the Lotto group alone
        const int oneGroup = settings.height();
        settings.hide();
        forms.viewStaffForm->selectedAdmin = 1;
        settings.show(); // Ida: the Lotto and drink groups
        QVERIFY(settings.height() > oneGroup);
        settings.hide();
        forms.viewStaffForm->selectedAdmin = 0;
        const struct {
            QWidget* window;
            QPushButton* main;
            QWidget* field;
        } windows[] = {
            {forms.newCarForm, forms.newCarForm->Create, forms.newCarForm->OwnerName},
            {forms.mapForm, forms.mapForm->BuyBut, forms.mapForm->BarListBox},
            {forms.barSetupForm, forms.barSetupForm->Create, forms.barSetupForm->BarName},
            {forms.drinkForm, forms.drinkForm->Order, forms.drinkForm->QtyBuy},
            {forms.infoForm, forms.infoForm->SetPrice, forms.infoForm->PriceEnter},
            {forms.promoteForm, forms.promoteForm->Promote, forms.promoteForm->BarOwnList},
            {forms.setupForm, forms.setupForm->Ok, forms.setupForm->BarsListPath},
            {forms.passForm, forms.passForm->Valid, forms.passForm->Password},
            {forms.popupForm, forms.popupForm->CloseBut, forms.popupForm->ShowPop},
            {forms.aboutForm, forms.aboutForm->CloseBut, forms.aboutForm->CloseBut},
            {forms.hireStaffForm, forms.hireStaffForm->Hire, forms.hireStaffForm->SamKorr},
            {forms.viewStaffForm, forms.viewStaffForm->ViewAdmin, forms.viewStaffForm->AdminList},
            {forms.adminViewForm, forms.adminViewForm->CloseSave, forms.adminViewForm->NbrTicket},
            {forms.lotoSixForm, forms.lotoSixForm->Buy, forms.lotoSixForm->Num1},
            {forms.spinCashForm, forms.spinCashForm->Spin, forms.spinCashForm->Bet},
            {forms.racingMonForm, forms.racingMonForm->StartRace, forms.racingMonForm->Car1Bet},
            {forms.chinaCashForm, forms.chinaCashForm->MemberSetup,
             forms.chinaCashForm->MemberSetup},
        };
        for (const auto& w : windows) {
            const QString fault = test::enterAndFocusFault(w.window, w.main, w.field);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }

        // Each bank keeps its shape when the player joins, and then opens
        // on its first service.
        for (BankForm* bank : {static_cast<BankForm*>(forms.investBankForm),
                               static_cast<BankForm*>(forms.germBankForm),
                               static_cast<BankForm*>(forms.chinaCashForm)}) {
            program.game.state = test::sampleGame();
            bank->enter();
            QApplication::processEvents();
            const QSize before = bank->size();
            for (BankAccount& account : program.game.state.bankAccounts)
                account.member = 1;
            bank->UpdateTimerTimer();
            bank->Pages->setCurrentIndex(1);
            QApplication::processEvents();
            QCOMPARE(bank->size(), before);
            bank->LeaveBankClick();
            bank->Pages->setCurrentIndex(0);
            bank->enter();
            QVERIFY(bank->focusWidget() != bank->MemberSetup &&
                    qobject_cast<QPushButton*>(bank->focusWidget())->isEnabled());
            bank->LeaveBankClick();
        }
    }

    void hiringAllFour() {
        Program program(test::sampleGame());
        THireStaffForm& form = *program.forms.hireStaffForm;
        program.gameForm.HireStaffClick();
        form.HireClick(); // nothing chosen
        QCOMPARE(program.game.state.adminCount, 0);
        for (QRadioButton* choice : form.choices()) {
            choice->click();
            form.HireClick();
            QVERIFY(!choice->isEnabled() && !choice->isChecked());
        }
        QCOMPARE(program.game.state.adminCount, 4);
        form.LeoDetail->click();
        QVERIFY(program.dialogs.texts().value(0).endsWith("can help you!\n-----\nStaff ID: #004"));
        QVERIFY(program.dialogs.shown[0].icon == DialogIcon::Information);
        form.CloseButClick();
        for (QRadioButton* choice : form.choices())
            QVERIFY(choice->isEnabled()); // until the next show
        form.show();
        for (QRadioButton* choice : form.choices())
            QVERIFY(!choice->isEnabled());
    }

    void theListAndTheSettingsLoop() {
        Program program(test::sampleGame());
        TViewStaffForm& list = *program.forms.viewStaffForm;
        TAdminViewForm& settings = *program.forms.adminViewForm;
        program.gameForm.ViewStaffClick();
        list.ViewAdminClick(); // an empty list: nothing happens
        QVERIFY(list.isVisible() && !settings.isVisible());
        list.CloseButClick();

        hire(program, {1, 2, 3});
        program.gameForm.ViewStaffClick();
        QCOMPARE(rows(list.AdminList), QStringList({"Ned Tarrow", "Ida Brenn", "Sam Korr"}));
        list.ViewAdminClick(); // no row picked: the list only closes
        QVERIFY(!list.isVisible() && !settings.isVisible());

        list.show();
        list.AdminList->setCurrentRow(2);
        list.ViewAdminClick();
        QVERIFY(!list.isVisible() && settings.isVisible());
        QCOMPARE(settings.NameAdmin->text().simplified(),
                 QString("Sam Korr 37 years old 455$/month"));
        QVERIFY(!settings.LottoGroup->isVisibleTo(&settings) &&
                settings.DrinkGroup->isVisibleTo(&settings) &&
                !settings.LoanGroup->isVisibleTo(&settings));
        settings.CancelClick();
        QVERIFY(list.isVisible() && !settings.isVisible());
        QVERIFY(settings.LottoGroup->isVisibleTo(&settings));

        list.AdminList->setCurrentRow(0);
        list.ViewAdminClick();
        settings.NbrTicket->setText("2");
        settings.CloseSaveClick();
        QVERIFY(!settings.isVisible() && list.isVisible());
        QCOMPARE(program.game.state.admins[0].ticketsPerWeek, 2);

        list.AdminList->setCurrentRow(0);
        list.ViewAdminClick();
        program.dialogs.yes = {true};
        settings.FireClick();
        QVERIFY(!settings.isVisible() && list.isVisible());
        QCOMPARE(rows(list.AdminList), QStringList({"Sam Korr", "Ida Brenn"}));
    }

    // Leaving a game closes its staff windows and the forms of the banks'
    // services (which hold the old game's limits), and ends a spin or a race
    // bet in it unpaid, so that no prize lands in the next game.
    void aLoadOrANewGameClosesTheStaffAndGamblingWindows() {
        Program program(test::sampleGame());
        QVERIFY(saveGame(program.folder.path("other.sav").toStdString(), test::sampleGame()));
        hire(program, {4});
        TViewStaffForm& list = *program.forms.viewStaffForm;
        TSpinCashForm& spin = *program.forms.spinCashForm;
        TRacingMonForm& race = *program.forms.racingMonForm;
        for (bool load : {true, false}) {
            program.gameForm.ViewStaffClick();
            list.AdminList->setCurrentRow(0);
            list.ViewAdminClick();
            program.gameForm.ViewStaffClick();
            program.gameForm.HireStaffClick();
            program.gameForm.SpinCashClick();
            spin.Bet->setText("100");
            spin.SpinClick();
            program.gameForm.RacingMoneyClick();
            race.Car1Bet->setChecked(true);
            race.BetCash->setText("100");
            race.StartRaceClick();
            program.game.race.cars[0].x = kRaceFinishX; // car 1 wins at the next step
            const std::vector<QWidget*> services = {
                program.forms.loanInvSetup, program.forms.loanChinRef1,
                program.forms.investInvBankForm, program.forms.germInsuForm};
            for (QWidget* form : services)
                form->show();
            if (load) {
                program.dialogs.files = {program.folder.path("other.sav")};
                program.gameForm.Load1Click();
                QCOMPARE(program.game.state.adminCount, 0);
            } else {
                program.dialogs.yes = {true};
                program.gameForm.New1Click();
            }
            QVERIFY(!list.isVisible());
            for (QWidget* form : services)
                QVERIFY2(!form->isVisible(), form->metaObject()->className());
            QVERIFY(!program.forms.adminViewForm->isVisible());
            QVERIFY(!program.forms.hireStaffForm->isVisible());
            QVERIFY(!spin.isVisible() && !spin.Timer->enabled() && !program.game.spinCash.spinning);
            QVERIFY(!race.isVisible() && !race.RaceTimer->enabled() && !race.race.running);
            const double money = program.game.state.money;
            spin.TimerTimer();
            race.RaceTimerTimer();
            QCOMPARE(program.game.state.money, money);
            program.game.state = test::sampleGame();
            hire(program, {4});
        }
    }

    void lottoStopsTheClockAndSellsTenTickets() {
        Program program(test::sampleGame());
        TGameForm& game = program.gameForm;
        TLotoSixForm& lotto = *program.forms.lotoSixForm;
        game.startClock();
        game.Fast1Click();
        game.LottoClick();
        QVERIFY(lotto.isVisible() && lotto.windowModality() == Qt::ApplicationModal);
        QVERIFY(game.MainTimer->interval() == 0 && !game.MainTimer->running());

        // Bought or refused (5 is out of range), the boxes are emptied.
        for (const char* first : {"6", "5"}) {
            typeTicket(lotto, {first, "7", "8", "9", "10", "49"});
            lotto.BuyClick();
            for (QLineEdit* box : lotto.numbers())
                QVERIFY(box->text().isEmpty());
        }
        QCOMPARE(lotto.CurTick->text(), QString("1")); // the tickets held
        typeTicket(lotto, {"6", "7", "x", "9", "10", "11"});
        program.dialogs.clear();
        lotto.BuyClick();
        QCOMPARE(program.dialogs.texts(), QStringList{"'x' is not a valid integer value"});
        QCOMPARE(lotto.Num3->text(), QString("x")); // the boxes keep their texts
        for (int ticket = 2; ticket <= 10; ++ticket) {
            typeTicket(lotto, {"6", "7", "8", "9", "10", QString::number(10 + ticket)});
            lotto.BuyClick();
            QCOMPARE(lotto.Buy->isEnabled(), ticket < 10);
        }
        lotto.close();
        QVERIFY(game.MainTimer->interval() == 700 && game.MainTimer->running());

        game.LottoClick();
        QVERIFY(!lotto.Buy->isEnabled());
        lotto.close();
        VectorSink messages;
        RunDraw(program.game.state, program.game.random, messages);
        game.LottoClick();
        QVERIFY(lotto.Buy->isEnabled() && lotto.CurTick->text() == "1");

        lotto.RadomClick();
        QVERIFY(!lotto.Radom->isEnabled() && lotto.Timer->enabled() &&
                lotto.Timer->interval() == 1000);
        QVERIFY(lotto.Num1->text().isEmpty()); // the pick comes with the tick
        lotto.TimerTimer();
        QVERIFY(lotto.Radom->isEnabled() && !lotto.Timer->enabled() &&
                !lotto.Num1->text().isEmpty());
    }

    // A lost spin of 100 (the clock's second gives 3-3-2), a won spin of 50
    // on 2-2-2, and a spin left running when the window closes: it ends out
    // of sight, is paid, and the window comes back idle with its stats at 0.
    void spinCashPlaysAndSurvivesClosing() {
        Program program(test::sampleGame());
        TSpinCashForm& spin = *program.forms.spinCashForm;
        const auto play = [&](const char* bet, int ticks) {
            spin.Bet->setText(QString::fromLatin1(bet));
            spin.SpinClick();
            for (int tick = 0; tick < ticks; ++tick)
                spin.TimerTimer();
            return spin.Num1->text() + spin.Num2->text() + spin.Num3->text();
        };
        program.gameForm.SpinCashClick();
        QVERIFY(spin.isVisible() && !spin.isModal() && spin.Spin->isEnabled());
        QCOMPARE(play("100", kSpinSteps), QString("332"));
        play("50", 0);
        program.game.spinCash.reels = {1, 1, 1}; // the last step shows 2-2-2
        program.game.spinCash.step = kSpinSteps - 1;
        spin.TimerTimer();
        QCOMPARE(spin.TotalLost->text() + "/" + spin.TotalWin->text(), QString("100/250"));
        play("1000", 10);
        spin.close();
        program.gameForm.SpinCashClick(); // back while the reels turn
        QVERIFY(spin.Bet->text() == "1000" && spin.Bet->isReadOnly() && !spin.Spin->isEnabled() &&
                spin.Timer->interval() == 1);
        spin.close();
        QVERIFY(spin.Timer->enabled()); // the spin goes on out of sight
        for (int tick = 10; tick < kSpinSteps; ++tick)
            spin.TimerTimer();
        QCOMPARE(program.game.state.money, 48215.5 + 100 - 1000);
        program.gameForm.SpinCashClick();
        QVERIFY(spin.Spin->isEnabled() && !spin.Bet->isReadOnly() && !spin.Timer->enabled() &&
                spin.Bet->text().isEmpty());
        QCOMPARE(spin.TotalLost->text() + "/" + spin.TotalWin->text(), QString("0/0"));
    }

    void aRaceWonWhileHiddenIsHeldByItsMessage() {
        Program program;
        TRacingMonForm& form = *program.forms.racingMonForm;
        for (QAction* item : program.gameForm.findChildren<QAction*>())
            if (item->text() == "&Racing Money") item->trigger(); // the menu's and the toolbar's
        QVERIFY(form.isVisible());
        program.game.state.money = 1000;
        form.Car3Bet->setChecked(true);
        form.BetCash->setText("1000");
        form.StartRaceClick();
        form.CloseButClick();
        form.RaceTimerTimer();
        program.game.race.cars[2].x = kRaceFinishX; // the next step takes car 3 past the line
        int held = 0;
        program.dialogs.whileInformationShown = [&] {
            QCOMPARE(form.WinnerBox->text(), QString("The car # 3")); // the step is shown
            for (int tick = 0; tick < 3; ++tick)
                form.RaceTimerTimer();
            QVERIFY(form.race.raceOver); // no tick ran: the clean-up waits
            held += 1;
        };
        for (int tick = 0; tick < 3 && form.RaceTimer->enabled(); ++tick)
            form.RaceTimerTimer();
        QCOMPARE(held, 1);
        QCOMPARE(program.game.state.money, 2000.0);
        QVERIFY(!form.RaceTimer->enabled() && form.BetBox->isEnabled());
    }
};

TAVO_UI_TEST_MAIN(MenuWindowsTest)
#include "MenuWindowsTest.moc"
