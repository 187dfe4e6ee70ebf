#include "ui/LoanForms.h"
#include "ui/Translation.h"

#include "banks/BankIds.h"
#include "banks/LoanDesk.h"
#include "ui/Style.h"
#include "ui/Text.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tavo::ui {

LoanRequestForm::LoanRequestForm(Session& session, Dialogs& dialogs, int bank)
    : BankServiceForm(session, dialogs, bank, tr("Make a loan")) {
    auto* layout = new QVBoxLayout(this);
    RatesText = new QLabel(tr("You can pay back the loan every\n"
                              "time you want. Our interest rate is\n") +
                           translated(loanTerms(bank)->rateLine));
    RatesText->setFrameShape(QFrame::StyledPanel);
    RatesText->setMargin(6);
    layout->addWidget(RatesText);
    auto* grid = new QGridLayout;
    // Figures read as read-only boxes, each named by its label.
    curloan = figureBox(QStringLiteral("--"));
    limit = figureBox(QStringLiteral("--"));
    for (QLineEdit* figure : {curloan, limit}) {
        QFont bold = figure->font();
        bold.setBold(true);
        figure->setFont(bold);
    }
    grid->addWidget(new QLabel(tr("Your current loan is:")), 0, 0);
    grid->addWidget(curloan, 0, 1);
    grid->addWidget(new QLabel(tr("Your loan limit is:")), 1, 0);
    grid->addWidget(limit, 1, 1);
    grid->addWidget(new QLabel(tr("How much money do you need?")), 2, 0, 1, 2);
    MoneyAsk = new QLineEdit;
    MoneyAsk->setAlignment(Qt::AlignRight);
    auto* ask = new QHBoxLayout;
    ask->addWidget(MoneyAsk, 1);
    ask->addWidget(new QLabel(QStringLiteral("$")));
    grid->addLayout(ask, 3, 0, 1, 2);
    layout->addLayout(grid);
    AskMoney = new QPushButton(tr("Ask"));
    layout->addLayout(buttonRow({AskMoney}));
    connect(AskMoney, &QPushButton::clicked, this, &LoanRequestForm::AskMoneyClick);
    setMainAction(this, AskMoney);
    focusOnShow(this, MoneyAsk);
}

void LoanRequestForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void LoanRequestForm::FormShow() {
    curloan->setText(QString::number(game_.state.bankAccounts[bank_].loanAmount));
    if (const std::optional<std::int32_t> shown = showLoanLimit(game_.state, bank_, voice_))
        limit->setText(QString::number(*shown));
}

void LoanRequestForm::AskMoneyClick() {
    if (session_
            .run(command("ask-loan", {word(std::to_string(bank_)), typed(toStd(MoneyAsk->text())),
                                      typed(toStd(limit->text()))}),
                 voice_)
            .value)
        doneWithAccount();
}

TLoanInvSetup::TLoanInvSetup(Session& session, Dialogs& dialogs)
    : LoanRequestForm(session, dialogs, kInvestBank) {}

TLoanChina1Set::TLoanChina1Set(Session& session, Dialogs& dialogs)
    : LoanRequestForm(session, dialogs, kChinaCash) {}

LoanRefundForm::LoanRefundForm(Session& session, Dialogs& dialogs, int bank)
    : BankServiceForm(session, dialogs, bank, tr("Refund the loan")) {
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 52);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("How much do you want to refund?")));
    RefundBox = new QLineEdit;
    RefundBox->setAlignment(Qt::AlignRight);
    auto* row = new QHBoxLayout;
    row->addWidget(RefundBox, 1);
    row->addWidget(new QLabel(QStringLiteral("$")));
    layout->addLayout(row);
    RefundBut = new QPushButton(tr("Refund"));
    layout->addLayout(buttonRow({RefundBut}));
    connect(RefundBut, &QPushButton::clicked, this, &LoanRefundForm::RefundButClick);
    setMainAction(this, RefundBut);
    focusOnShow(this, RefundBox);
}

void LoanRefundForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void LoanRefundForm::FormShow() {
    RefundBox->setText(QString::number(game_.state.bankAccounts[bank_].loanLeft));
}

void LoanRefundForm::RefundButClick() {
    const CommandResult paid = session_.run(
        command("pay-loan", {word(std::to_string(bank_)), typed(toStd(RefundBox->text()))}),
        voice_);
    if (!paid.ran) return;
    switch (static_cast<RefundOutcome>(paid.value)) {
    case RefundOutcome::Refused:
        return;
    case RefundOutcome::TooMuch:
        FormShow();
        return;
    case RefundOutcome::Refunded:
    case RefundOutcome::Closed:
        doneWithAccount();
    }
}

TLoanInvRef::TLoanInvRef(Session& session, Dialogs& dialogs)
    : LoanRefundForm(session, dialogs, kInvestBank) {}

TLoanChinRef1::TLoanChinRef1(Session& session, Dialogs& dialogs)
    : LoanRefundForm(session, dialogs, kChinaCash) {}

} // namespace tavo::ui
