#include "ui/BankForm.h"

#include "banks/BankIds.h"
#include "banks/InsuranceDesk.h"
#include "banks/InvestDesk.h"
#include "banks/Membership.h"
#include "ui/InvestForm.h"
#include "ui/LoanForms.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/TGermInsuForm.h"
#include "ui/Translation.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tavo::ui {
namespace {

void enable(QPushButton* button, bool on) {
    if (button) button->setEnabled(on);
}

// A status line: "Caption" [box] "$"
QLineEdit* statusRow(QFormLayout* rows, const QString& caption, bool dollars) {
    QLineEdit* box = figureBox();
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000000000")));
    auto* line = new QHBoxLayout;
    line->addWidget(box, 1);
    auto* unit = new QLabel(dollars ? QStringLiteral("$") : QString());
    unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("$")));
    line->addWidget(unit);
    auto* label = new QLabel(caption);
    label->setBuddy(box); // the box reads by its caption
    rows->addRow(label, line);
    return box;
}

} // namespace

BankForm::BankForm(Session& session, Dialogs& dialogs, const Look& look)
    : QDialog(nullptr), session_(session), game_(session.game()), dialogs_(dialogs),
      bank_(look.bank) {
    setWindowTitle(translated(look.title));
    setModal(false);
    // No close box: "Leave the bank" is the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    const BankServices services = bankServices(bank_);

    auto* layout = new QVBoxLayout(this);
    auto* banner = new QLabel;
    showPicture(banner, QString::fromLatin1(look.picture));
    banner->setAlignment(Qt::AlignCenter);
    layout->addWidget(banner);

    Pages = new QTabWidget;
    layout->addWidget(Pages, 1);

    // "Acount": membership and the service buttons.
    auto* account = new QWidget;
    auto* accountGrid = new QGridLayout(account);
    StatusBox = new QLineEdit(tr("You're not a member"));
    StatusBox->setReadOnly(true);
    accountGrid->addWidget(new QLabel(tr("Your status:")), 0, 0);
    accountGrid->addWidget(StatusBox, 0, 1, 1, 2);
    MemberSetup = new QPushButton(tr("Become a member"));
    PriceMsg = new QLabel(translated(look.priceMessage));
    QSizePolicy kept = PriceMsg->sizePolicy();
    kept.setRetainSizeWhenHidden(true);
    PriceMsg->setSizePolicy(kept);
    accountGrid->addWidget(MemberSetup, 1, 0);
    accountGrid->addWidget(PriceMsg, 1, 1, 1, 2);
    auto* serviceBox = new QGroupBox;
    auto* serviceGrid = new QGridLayout(serviceBox);
    int row = 0;
    auto service = [&](QPushButton*& button, const QString& caption, int column) {
        button = new QPushButton(caption);
        button->setEnabled(false);
        serviceGrid->addWidget(button, row, column);
    };
    if (services.investments) {
        service(InvestmentSetup, tr("Make an Investment"), 0);
        service(InvestRefund, tr("Investment refund"), 1);
        ++row;
    }
    if (services.loans) {
        service(LoanSetup, tr("Borrow money"), 0);
        service(RefundingLoan, tr("Refund the loan"), 1);
        ++row;
    }
    if (services.insurance) {
        service(InsuranceSetup, tr("Buy Insurance"), 0);
        service(LeaveIns, tr("Sell insurance"), 1);
    }
    accountGrid->addWidget(serviceBox, 2, 0, 1, 3);
    accountGrid->setRowStretch(3, 1);
    accountGrid->setColumnStretch(2, 1);
    Pages->addTab(account, tr("Acount"));

    // "Acount Info": what the account holds.
    // A non-member reads one line where a member reads the account: the
    // page keeps the larger's size, so the window keeps its shape.
    auto* info = new QStackedWidget;
    NotMemMsg = new QLabel(tr("You're not a member here"));
    NotMemMsg->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    info->addWidget(NotMemMsg);
    auto* held = new QWidget;
    auto* infoRows = new QVBoxLayout(held);
    info->addWidget(held);
    if (services.investments) {
        InvesStatus = new QGroupBox(tr("Current investment infos"));
        auto* rows = new QFormLayout(InvesStatus);
        InvestYearDone = statusRow(rows, translated(look.yearsDoneCaption), false);
        InvestYearLeft = statusRow(rows, tr("Number of years left:"), false);
        InvestNow = statusRow(rows, tr("Value of your money now:"), true);
        infoRows->addWidget(InvesStatus);
    }
    if (services.loans) {
        LoanStatus = new QGroupBox(tr("Current loan infos"));
        auto* rows = new QFormLayout(LoanStatus);
        LoanStart = statusRow(rows, tr("Money loan:"), true);
        LoanYearDone = statusRow(rows, tr("Number of years so far done:"), false);
        LoanLeft = statusRow(rows, tr("Money left to refund:"), true);
        infoRows->addWidget(LoanStatus);
    }
    if (services.insurance) {
        InsStatus = new QGroupBox(tr("Insurance infos"));
        InsStatus->setEnabled(false); // shown, never changed here
        auto* grid = new QGridLayout(InsStatus);
        FireInsCheckBox = new QCheckBox(tr("Fire Insurance"));
        StoleCheckBox = new QCheckBox(tr("Theft Insurance"));
        FireCost = figureBox();
        StoleCost = figureBox();
        // Each cost reads by its insurance.
        FireCost->setAccessibleName(FireInsCheckBox->text() + tr(" cost"));
        StoleCost->setAccessibleName(StoleCheckBox->text() + tr(" cost"));
        grid->addWidget(FireInsCheckBox, 0, 0);
        grid->addWidget(FireCost, 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("$")), 0, 2);
        grid->addWidget(StoleCheckBox, 1, 0);
        grid->addWidget(StoleCost, 1, 1);
        grid->addWidget(new QLabel(QStringLiteral("$")), 1, 2);
        infoRows->addWidget(InsStatus);
    }
    infoRows->addStretch();
    InfoPage = info;
    Pages->addTab(info, tr("Acount Info"));

    // The bank's terms, fixed text.
    auto* terms = new QWidget;
    auto* termRows = new QVBoxLayout(terms);
    for (const auto& [caption, lines] : look.terms) {
        auto* group = new QGroupBox(translated(caption));
        auto* groupRows = new QVBoxLayout(group);
        for (const char* line : lines)
            groupRows->addWidget(new QLabel(translated(line)));
        termRows->addWidget(group);
    }
    termRows->addStretch();
    Pages->addTab(terms, translated(look.termsPage));

    HelpBut = new QPushButton(tr("Help"));
    LeaveBank = new QPushButton(tr("Leave the bank"));
    layout->addLayout(buttonRow({HelpBut, LeaveBank}));

    UpdateTimer = new GameTimer(
        look.refreshInterval, false, [this] { UpdateTimerTimer(); }, this);
    connect(MemberSetup, &QPushButton::clicked, this, &BankForm::MemberSetupClick);
    connect(HelpBut, &QPushButton::clicked, this, &BankForm::HelpButClick);
    connect(LeaveBank, &QPushButton::clicked, this, &BankForm::LeaveBankClick);
    const std::pair<QPushButton*, void (BankForm::*)()> handlers[] = {
        {InvestmentSetup, &BankForm::InvestmentSetupClick},
        {InvestRefund, &BankForm::InvestRefundClick},
        {LoanSetup, &BankForm::LoanSetupClick},
        {RefundingLoan, &BankForm::RefundingLoanClick},
        {InsuranceSetup, &BankForm::InsuranceSetupClick},
        {LeaveIns, &BankForm::LeaveInsClick}};
    for (const auto& [button, handler] : handlers)
        if (button) connect(button, &QPushButton::clicked, this, handler);
    // Enter joins a bank not yet joined, and presses nothing for a member.
    setMainAction(this, MemberSetup);
}

void BankForm::enter() {
    bringToFront(this);
    UpdateTimer->setEnabled(true);
}

void BankForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void BankForm::reject() {
    LeaveBankClick(); // Escape leaves the bank as its button does
}

void BankForm::FormShow() {
    UpdateTimerTimer();
    // The keyboard on the account page's first action: joining, or the
    // first service.
    if (Pages->currentIndex() != 0) return;
    for (QPushButton* action : {MemberSetup, InvestmentSetup, InvestRefund, LoanSetup,
                                RefundingLoan, InsuranceSetup, LeaveIns, LeaveBank})
        if (action && action->isEnabled()) {
            action->setFocus(Qt::OtherFocusReason);
            break;
        }
}

void BankForm::UpdateTimerTimer() {
    const BankAccount& account = game_.state.bankAccounts[bank_];
    const BankView view = bankView(game_.state, bank_);
    StatusBox->setText(view.member ? tr("You're a member") : tr("You're not a member"));
    MemberSetup->setEnabled(view.memberSetup);
    PriceMsg->setVisible(!view.member); // its place kept
    enable(InvestmentSetup, view.investmentSetup);
    enable(InvestRefund, view.investRefund);
    enable(LoanSetup, view.loanSetup);
    enable(RefundingLoan, view.refundingLoan);
    enable(InsuranceSetup, view.insuranceSetup);
    enable(LeaveIns, view.leaveIns);
    InfoPage->setCurrentIndex(view.member ? 1 : 0);
    auto figure = [](QLineEdit* box, bool held, std::int32_t value) {
        box->setText(QString::number(held ? value : 0));
    };
    if (InvesStatus) {
        const bool held = account.investActive != 0;
        figure(InvestYearDone, held, account.investYearsDone);
        figure(InvestYearLeft, held, account.investYearsLeft);
        figure(InvestNow, held, account.investValue);
    }
    if (LoanStatus) {
        const bool held = account.loanActive != 0;
        figure(LoanStart, held, account.loanAmount);
        figure(LoanYearDone, held, account.loanYearsDone);
        figure(LoanLeft, held, account.loanLeft);
    }
    if (InsStatus) {
        const bool fire = account.insured && account.fireInsured;
        const bool theft = account.insured && account.theftInsured;
        FireInsCheckBox->setChecked(fire);
        figure(FireCost, fire, account.fireInsCost);
        StoleCheckBox->setChecked(theft);
        figure(StoleCost, theft, account.theftInsCost);
    }
}

void BankForm::MemberSetupClick() {
    session_.run(command("member", {word(std::to_string(bank_))}), voice_);
    UpdateTimerTimer();
}

void BankForm::LeaveBankClick() {
    UpdateTimer->setEnabled(false);
    hide();
}

void BankForm::HelpButClick() {
    pressBankHelp(voice_);
}

void BankForm::InvestmentSetupClick() {
    if (!services_.invest) return;
    if (const std::optional<std::int32_t> maximum = investmentMaximum(game_.state, bank_, voice_))
        services_.invest->offer(*maximum);
}

void BankForm::InvestRefundClick() {
    session_.run(command("withdraw", {word(std::to_string(bank_))}), voice_);
    UpdateTimerTimer();
}

void BankForm::LoanSetupClick() {
    if (services_.loanRequest) bringToFront(services_.loanRequest);
}

void BankForm::RefundingLoanClick() {
    if (services_.loanRefund) bringToFront(services_.loanRefund);
}

void BankForm::InsuranceSetupClick() {
    if (services_.insurance) bringToFront(services_.insurance);
}

void BankForm::LeaveInsClick() {
    session_.run(command("leave-insurance"), voice_);
    UpdateTimerTimer();
}

TInvestBankForm::TInvestBankForm(Session& session, Dialogs& dialogs)
    : BankForm(session, dialogs,
               {kInvestBank,
                QT_TRANSLATE_NOOP("tavo", "Welcome to -=Invest Bank=-"),
                "bank-invest",
                500,
                QT_TRANSLATE_NOOP("tavo", "Become a new member for 1000$"),
                QT_TRANSLATE_NOOP("tavo", "Number of years so far done:"),
                QT_TRANSLATE_NOOP("tavo", "Interest Rate infos"),
                {{QT_TRANSLATE_NOOP("tavo", "Long term investment"),
                  {QT_TRANSLATE_NOOP("tavo", "5 years investment: 10% per year"),
                   QT_TRANSLATE_NOOP("tavo", "10 years investment: 25% per year")}},
                 {QT_TRANSLATE_NOOP("tavo", "Loan interest"),
                  {QT_TRANSLATE_NOOP("tavo", "25% interest per year")}}}}) {}

TGermBankForm::TGermBankForm(Session& session, Dialogs& dialogs)
    : BankForm(session, dialogs,
               {kGermanBank,
                QT_TRANSLATE_NOOP("tavo", "German Bank - The Power of your economy"),
                "bank-german",
                1000,
                QT_TRANSLATE_NOOP("tavo", "Become a new member for 3500$"),
                QT_TRANSLATE_NOOP("tavo", "Number of years completed:"),
                QT_TRANSLATE_NOOP("tavo", "Service Information"),
                {{QT_TRANSLATE_NOOP("tavo", "Long term investment"),
                  {QT_TRANSLATE_NOOP("tavo", "15 years investment: 30% per year"),
                   QT_TRANSLATE_NOOP("tavo", "25 years investment: 35% per year")}},
                 {QT_TRANSLATE_NOOP("tavo", "Insurance Informations"),
                  {QT_TRANSLATE_NOOP("tavo", "Fire insurance: 1000$ / years"),
                   QT_TRANSLATE_NOOP("tavo", "Stole insurance: 800$ / years")}}}}) {}

TChinaCashForm::TChinaCashForm(Session& session, Dialogs& dialogs)
    : BankForm(session, dialogs,
               {kChinaCash,
                QT_TRANSLATE_NOOP("tavo", "China Cash - The easy way to get money"),
                "bank-china",
                500,
                QT_TRANSLATE_NOOP("tavo", "Become a new member for 8000$"),
                "",
                QT_TRANSLATE_NOOP("tavo", "Services Informations"),
                {{QT_TRANSLATE_NOOP("tavo", "Loan interest"),
                  {QT_TRANSLATE_NOOP("tavo", "30% interest per year")}}}}) {}

void BankForm::gameReplaced() {
    if (!session_.inGame()) LeaveBankClick();
}

} // namespace tavo::ui
