#include "WindowTour.h"

#include "leisure/InternetCenter.h"

namespace tavo::ui::test {

bool tourWindows(Forms& forms, const std::function<bool(QWidget*, const QString&)>& visit) {
    tavo::Game& game = forms.mainForm->game();
    bool ok = visit(forms.mainForm, QStringLiteral("main-menu"));
    ok &= visit(forms.popupForm, QStringLiteral("popup"));

    game.state = test::sampleGame();
    forms.infoForm->prepareOwner();
    TGameForm* gameForm = forms.gameForm;
    for (const char* text :
         {"Happy new year!", "The bar you just buy isn't open yet. Open it to make business.",
          "You've got 3 numbers on 6!"})
        gameForm->messagePosted(text);
    gameForm->CashTimerTimer();
    gameForm->BeerStockTimer();
    ok &= visit(gameForm, QStringLiteral("game"));
    gameForm->Pause1Click();
    gameForm->CashTimerTimer();
    ok &= visit(gameForm, QStringLiteral("game-paused"));
    gameForm->DebugMenu->show(); // as the password opens it
    ok &= visit(gameForm, QStringLiteral("game-debug"));
    gameForm->DebugMenu->hide();

    ok &= visit(forms.setupForm, QStringLiteral("setup"));

    forms.newCarForm->show(); // showing clears the form: filled after
    forms.newCarForm->TheWomen->click();
    forms.newCarForm->OwnerName->setText(QStringLiteral("Jo Martel"));
    ok &= visit(forms.newCarForm, QStringLiteral("owner"));

    forms.mapForm->showInGame();
    forms.mapForm->BarListBox->setCurrentRow(1);
    ok &= visit(forms.mapForm, QStringLiteral("map"));

    forms.barSetupForm->show();
    forms.barSetupForm->BarName->setText(QStringLiteral("Jo's Corner"));
    forms.barSetupForm->Alternatif->click();
    forms.barSetupForm->LowClass->click();
    forms.barSetupForm->prepareSale(1, 85000, 67000);
    ok &= visit(forms.barSetupForm, QStringLiteral("bar-setup"));

    gameForm->BuyDrinksClick();
    forms.drinkForm->BarOwnList->setCurrentRow(1);
    forms.drinkForm->DrinksListBox->setCurrentRow(1);
    forms.drinkForm->QtyBuy->setText(QStringLiteral("50"));
    ok &= visit(forms.drinkForm, QStringLiteral("drinks"));

    game.state.bars[0].profitThisMonth = -340;
    forms.infoForm->show();
    forms.infoForm->BarOwnList->setCurrentRow(0);
    ok &= visit(forms.infoForm, QStringLiteral("information"));

    forms.promoteForm->show();
    forms.promoteForm->RadioPub->setChecked(true);
    ok &= visit(forms.promoteForm, QStringLiteral("promotion"));
    ok &= visit(forms.passForm, QStringLiteral("password"));
    ok &= visit(forms.fireForm, QStringLiteral("fire"));

    // The banks: a member of Invest Bank with an investment and a loan, of
    // German Bank with both contracts; no member of China Cash.
    forms.banksForm->show();
    forms.banksForm->GermanBank->setChecked(true);
    forms.banksForm->EnterBankEnabled();
    ok &= visit(forms.banksForm, QStringLiteral("banks"));
    tavo::BankAccount& invest = game.state.bankAccounts[tavo::kInvestBank];
    invest.member = 1;
    invest.investActive = 1;
    invest.investYearsDone = 2;
    invest.investYearsLeft = 3;
    invest.investValue = 12000;
    invest.loanActive = 1;
    invest.loanAmount = 15000;
    invest.loanYearsDone = 1;
    invest.loanLeft = 18750;
    tavo::BankAccount& german = game.state.bankAccounts[tavo::kGermanBank];
    german.member = german.insured = german.fireInsured = german.theftInsured = 1;
    german.fireInsCost = 1000;
    german.theftInsCost = 800;
    const std::pair<BankForm*, const char*> banks[] = {{forms.investBankForm, "invest-bank"},
                                                       {forms.germBankForm, "german-bank"},
                                                       {forms.chinaCashForm, "china-cash"}};
    for (const auto& [bank, name] : banks) {
        bank->UpdateTimerTimer();
        ok &= visit(bank, QString::fromLatin1(name));
        bank->Pages->setCurrentIndex(1);
        ok &= visit(bank, QString::fromLatin1(name) + QStringLiteral("-account"));
        bank->Pages->setCurrentIndex(2);
        ok &= visit(bank, QString::fromLatin1(name) + QStringLiteral("-terms"));
    }
    forms.loanInvSetup->MoneyAsk->setText(QStringLiteral("5000"));
    ok &= visit(forms.loanInvSetup, QStringLiteral("loan-request"));
    ok &= visit(forms.loanChinRef1, QStringLiteral("loan-refund"));
    forms.investInvBankForm->offer(47215);
    forms.investInvBankForm->FiveYears->click();
    forms.investInvBankForm->InvestBox->setText(QStringLiteral("12345"));
    ok &= visit(forms.investInvBankForm, QStringLiteral("investment"));
    forms.germInsuForm->show();
    forms.germInsuForm->FireCheck->click();
    ok &= visit(forms.germInsuForm, QStringLiteral("insurance"));
    // Staff: Ned and Leo hired; each window of the loop, then the Lotto.
    forms.hireStaffForm->show();
    for (QRadioButton* choice : {forms.hireStaffForm->NedTarrow, forms.hireStaffForm->LeoVask}) {
        choice->click();
        forms.hireStaffForm->HireClick();
    }
    forms.hireStaffForm->IdaBrenn->click();
    ok &= visit(forms.hireStaffForm, QStringLiteral("hire-staff"));
    forms.viewStaffForm->show();
    forms.viewStaffForm->AdminList->setCurrentRow(1);
    ok &= visit(forms.viewStaffForm, QStringLiteral("staff-list"));
    for (int admin : {0, 1}) {
        forms.viewStaffForm->selectedAdmin = admin;
        ok &= visit(forms.adminViewForm, QStringLiteral("staff-settings-%1").arg(admin + 1));
    }
    forms.viewStaffForm->hide();
    game.state.lottoTicketCount = 3;
    gameForm->LottoClick();
    const char* ticket[6] = {"6", "13", "21", "27", "38", "49"};
    for (int box = 0; box < 6; ++box)
        forms.lotoSixForm->numbers()[box]->setText(QString::fromLatin1(ticket[box]));
    ok &= visit(forms.lotoSixForm, QStringLiteral("lotto"));
    gameForm->SpinCashClick(); // after a spin of 2500
    forms.spinCashForm->Bet->setText(QStringLiteral("2500"));
    forms.spinCashForm->SpinClick();
    while (game.spinCash.spinning)
        forms.spinCashForm->TimerTimer();
    ok &= visit(forms.spinCashForm, QStringLiteral("spin-cash"));
    forms.racingMonForm->Car3Bet->setChecked(true); // a race half-way
    forms.racingMonForm->BetCash->setText(QStringLiteral("500"));
    forms.racingMonForm->StartRaceClick();
    for (int tick = 0; tick < 90; ++tick)
        forms.racingMonForm->RaceTimerTimer();
    ok &= visit(forms.racingMonForm, QStringLiteral("race"));
    // The race stays half-way: a tick of its real timer while the next
    // windows are drawn would run it on, with draws the year then misses.
    forms.racingMonForm->RaceTimer->setEnabled(false);
    forms.internetCenterForm->NetMsg->setPlainText(
        qText(tavo::kRunningVersionText) +
        QStringLiteral("The latest version is\n----\nVersion: 0.4.2\nBuild: 41\n"));
    ok &= visit(forms.internetCenterForm, QStringLiteral("internet-center"));
    gameForm->About1Click();
    ok &= visit(forms.aboutForm, QStringLiteral("about"));

    // A year played: twelve months of charts.
    for (int day = 0; day < 360; ++day)
        gameForm->MainTimerTimer();
    ok &= visit(forms.financeForm, QStringLiteral("finances"));
    return ok;
}

} // namespace tavo::ui::test
