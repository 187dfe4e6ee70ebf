// The bank windows a player would notice breaking: the ways in, a bank
// window that shows what the account no longer holds, and the loan,
// investment and insurance forms with the bank window following them.

#include "SampleGame.h"
#include "UiTestMain.h"

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

} // namespace

class BankWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void waysIntoTheBanks() {
        Program program;
        program.game.state = test::sampleGame();
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
        for (const char* item : {"I&nvest Bank", "Chin&a Bank", "&Invest Bank", "&China Cash"})
            QVERIFY2(action(&game, item) && action(&game, item)->isEnabled(), item);
        action(&game, "I&nvest Bank")->trigger();
        QVERIFY(program.forms.investBankForm->isVisible());
        for (QToolButton* tool : game.findChildren<QToolButton*>())
            if (tool->toolTip() == "Visit the bank") QVERIFY(tool->isEnabled());

        // Back to the main menu: every bank window closes and stops.
        program.dialogs.yes = {true};
        game.New1Click();
        for (BankForm* bank : {static_cast<BankForm*>(program.forms.investBankForm),
                               static_cast<BankForm*>(program.forms.germBankForm), &china})
            QVERIFY(!bank->isVisible() && !bank->UpdateTimer->running());
        QVERIFY(!banks.isVisible());
    }

    void refreshMirrorsTheAccount() {
        Program program;
        memberOf(program, kInvestBank, 50000);
        BankAccount& account = program.game.state.bankAccounts[kInvestBank];
        account.investActive = 1;
        account.investYearsDone = 2;
        account.investYearsLeft = 3;
        account.investValue = 12000;
        account.loanActive = 1;
        account.loanAmount = 15000;
        account.loanLeft = 18750;
        BankForm& bank = *program.forms.investBankForm;
        bank.open();
        QCOMPARE(bank.StatusBox->text(), QString("You're a member"));
        QVERIFY(!bank.InvestmentSetup->isEnabled() && bank.InvestRefund->isEnabled());
        QVERIFY(bank.NotMemMsg->isHidden() && !bank.LoanStatus->isHidden());
        QCOMPARE(bank.InvestNow->text() + "/" + bank.LoanLeft->text(), QString("12000/18750"));

        // The investment ends meanwhile: the next tick gives the button back.
        account.investActive = 0;
        bank.UpdateTimerTimer();
        QVERIFY(bank.InvestmentSetup->isEnabled() && !bank.InvestRefund->isEnabled());
        QCOMPARE(bank.InvestNow->text(), QString("0"));

        // Another game, where the player is no member: the window follows.
        program.game.state = test::sampleGame();
        bank.UpdateTimerTimer();
        QCOMPARE(bank.StatusBox->text(), QString("You're not a member"));
        QVERIFY(bank.MemberSetup->isEnabled() && !bank.PriceMsg->isHidden());
        QVERIFY(!bank.InvestmentSetup->isEnabled() && !bank.RefundingLoan->isEnabled());
        QVERIFY(!bank.NotMemMsg->isHidden() && bank.LoanStatus->isHidden());
        QCOMPARE(bank.LoanLeft->text(), QString("0"));

        // Membership: No changes nothing; Yes takes the fee.
        bank.MemberSetupClick();
        QVERIFY(bank.MemberSetup->isEnabled());
        program.dialogs.yes = {true};
        bank.MemberSetupClick();
        QVERIFY(!bank.MemberSetup->isEnabled() && bank.LoanSetup->isEnabled());
        bank.LeaveBankClick();
        QVERIFY(!bank.isVisible() && !bank.UpdateTimer->enabled());
    }

    void loanWindows() {
        Program program;
        memberOf(program, kChinaCash, 20000);
        BankForm& bank = *program.forms.chinaCashForm;
        bank.open();
        bank.LoanSetupClick();
        LoanRequestForm& request = *program.forms.loanChina1Set;
        QVERIFY(request.isVisible());
        QCOMPARE(request.curloan->text(), QString("0"));
        QCOMPARE(request.limit->text(), QString("175000")); // credibility 2
        request.MoneyAsk->setText("25000");
        request.AskMoneyClick();
        QCOMPARE(program.dialogs.texts(), QStringList{"Your loan have been accepted."});
        QVERIFY(!request.isVisible());
        QVERIFY(bank.RefundingLoan->isEnabled()); // at once, not at the next tick
        QCOMPARE(bank.LoanLeft->text(), QString("25000"));

        bank.RefundingLoanClick();
        LoanRefundForm& refund = *program.forms.loanChinRef1;
        QCOMPARE(refund.RefundBox->text(), QString("25000"));
        refund.RefundBox->setText("25001");
        refund.RefundButClick(); // too much: the box shows what is left again
        QCOMPARE(refund.RefundBox->text(), QString("25000"));
        refund.RefundButClick();
        QVERIFY(!refund.isVisible() && !bank.RefundingLoan->isEnabled());
        QCOMPARE(bank.LoanLeft->text(), QString("0"));

        // An owner of no known kind: the limit keeps its "--".
        program.game.state.credibility = 0;
        program.forms.loanInvSetup->show();
        QCOMPARE(program.forms.loanInvSetup->limit->text(), QString("--"));
    }

    void investmentForm() {
        Program program;
        memberOf(program, kInvestBank, 1000.99);
        BankForm& bank = *program.forms.investBankForm;
        bank.open();
        TInvestInvBankForm& form = *program.forms.investInvBankForm;
        bank.InvestmentSetupClick(); // refused: too little money
        QVERIFY(program.dialogs.shown.size() == 1 && !form.isVisible());

        program.game.state.money = 11000;
        bank.InvestmentSetupClick();
        QVERIFY(form.isVisible() && !form.InvestBut->isEnabled());
        QCOMPARE(form.MaxInvest->text(), QString("10000"));
        form.FiveYears->click();
        QCOMPARE(form.InvestBox->text(), QString("")); // "0" is emptied
        QVERIFY(form.InvestBut->isEnabled());
        form.InvestBox->setText("12345");
        QCOMPARE(form.TotalInvest->text(), QString("18517.5"));
        form.InvestBox->setText("-4");
        QCOMPARE(form.InvestBox->text(), QString(""));
        QCOMPARE(form.TotalInvest->text(), QString("18517.5")); // the last total stays
        form.InvestBox->setText("9999");
        form.InvestButClick();
        QVERIFY(!form.isVisible() && program.game.state.money == 1001);
        QVERIFY(!bank.InvestmentSetup->isEnabled() && bank.InvestRefund->isEnabled());
        QCOMPARE(bank.InvestYearLeft->text(), QString("5"));

        program.dialogs.yes = {true};
        bank.InvestRefundClick();
        QVERIFY(bank.InvestmentSetup->isEnabled() && !bank.InvestRefund->isEnabled());
        QCOMPARE(bank.InvestNow->text(), QString("0"));
    }

    void insuranceForm() {
        Program program;
        memberOf(program, kGermanBank, 10000);
        BankForm& bank = *program.forms.germBankForm;
        bank.open();
        TGermInsuForm& form = *program.forms.germInsuForm;
        bank.InsuranceSetupClick();
        QVERIFY(form.isVisible());
        form.FireCheck->click();
        form.StoleCheck->click();
        QCOMPARE(form.TotalMoney->text(), QString("1800"));
        form.BuyInsClick();
        QVERIFY(!form.isVisible() && program.game.state.money == 8200);
        QVERIFY(bank.FireInsCheckBox->isChecked() && bank.StoleCheckBox->isChecked());
        QCOMPARE(bank.StoleCost->text(), QString("800"));
        QVERIFY(bank.LeaveIns->isEnabled());

        bank.InsuranceSetupClick(); // shown again: nothing ticked
        QVERIFY(!form.FireCheck->isChecked() && !form.StoleCheck->isChecked());
        QCOMPARE(form.TotalMoney->text(), QString("0"));
        form.hide();

        program.dialogs.yes = {true, false};
        bank.LeaveInsClick();
        QVERIFY(!bank.FireInsCheckBox->isChecked() && bank.StoleCheckBox->isChecked());
        QCOMPARE(bank.FireCost->text(), QString("0"));
        QVERIFY(bank.LeaveIns->isEnabled());
        program.dialogs.yes = {true};
        bank.LeaveInsClick();
        QVERIFY(!bank.LeaveIns->isEnabled());
    }
};

TAVO_UI_TEST_MAIN(BankWindowsTest)
#include "BankWindowsTest.moc"
