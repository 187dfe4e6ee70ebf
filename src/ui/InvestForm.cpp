#include "ui/InvestForm.h"
#include "ui/Translation.h"

#include "banks/BankIds.h"
#include "banks/InvestDesk.h"
#include "ui/Style.h"
#include "ui/Text.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavo::ui {

InvestForm::InvestForm(Session& session, Dialogs& dialogs, int bank)
    : BankServiceForm(session, dialogs, bank, tr("Investment form")) {
    const InvestTerms& terms = *investTerms(bank);
    auto* layout = new QVBoxLayout(this);
    RulesMemo = new QPlainTextEdit;
    RulesMemo->setReadOnly(true);
    RulesMemo->setPlainText(tr("Welcome. If you want to make an investment\n"
                               "here, you must know our rules. You can't\n"
                               "touch your money before the end of your\n"
                               "investment. If you can't wait and you must\n") +
                            translated(terms.chargeLine) + tr("\nthe value your investment."));
    RulesMemo->setFixedHeight(RulesMemo->fontMetrics().lineSpacing() * 7 + 8);
    RulesMemo->setMinimumWidth(RulesMemo->fontMetrics().horizontalAdvance(
                                   tr("investment. If you can't wait and you must")) +
                               40);
    layout->addWidget(RulesMemo);
    layout->addWidget(new QLabel(tr("Fill this form:")));

    auto* years = new QGroupBox(tr("Number of years"));
    auto* yearRows = new QVBoxLayout(years);
    for (int p = 0; p < 2; ++p) {
        plans[p] = new QRadioButton(translated(terms.plans[p].caption));
        yearRows->addWidget(plans[p]);
        connect(plans[p], &QRadioButton::clicked, this, [this, p] { choosePlan(p); });
    }
    layout->addWidget(years);

    auto* money = new QGroupBox(tr("Money informations"));
    auto* moneyRows = new QFormLayout(money);
    auto dollars = [moneyRows](const QString& caption, QLineEdit* box) {
        auto* row = new QHBoxLayout;
        row->addWidget(box, 1);
        row->addWidget(new QLabel(QStringLiteral("$")));
        auto* label = new QLabel(caption);
        label->setBuddy(box); // the box reads by its caption
        moneyRows->addRow(label, row);
    };
    MaxInvest = figureBox(QString());
    InvestBox = new QLineEdit(QStringLiteral("0"));
    InvestBox->setMaxLength(8);
    InvestBox->setAlignment(Qt::AlignRight);
    TotalInvest = figureBox();
    dollars(tr("The max you can invest is:"), MaxInvest);
    dollars(tr("How much you want invest:"), InvestBox);
    dollars(tr("Total after the investment:"), TotalInvest);
    layout->addWidget(money);

    InvestBut = new QPushButton(tr("Invest the money"));
    InvestBut->setEnabled(false);
    Cancel = new QPushButton(tr("Cancel"));
    layout->addLayout(buttonRow({InvestBut, Cancel}));
    connect(InvestBox, &QLineEdit::textChanged, this, &InvestForm::UpdateTotal);
    connect(InvestBut, &QPushButton::clicked, this, &InvestForm::InvestButClick);
    connect(Cancel, &QPushButton::clicked, this, &InvestForm::CancelClick);
    setMainAction(this, InvestBut);
    focusOnShow(this, plans[0]);
}

void InvestForm::offer(std::int32_t maximum) {
    maximum_ = maximum;
    MaxInvest->setText(QString::number(maximum));
    bringToFront(this);
}

void InvestForm::choosePlan(int plan) {
    const InvestPlan& chosen = investTerms(bank_)->plans[plan];
    chosenPlan_ = plan;
    chosenYears = chosen.years;
    chosenRate = chosen.rate;
    plans[plan]->setChecked(true);
    InvestBut->setEnabled(true);
    UpdateTotal();
}

void InvestForm::UpdateTotal() {
    InvestTotal total;
    try {
        total = investmentTotal(toStd(InvestBox->text()), {chosenYears, chosenRate, nullptr});
    } catch (const ConversionError& error) {
        voice_.sayError(error.phrase); // the total stays as it was
        return;
    }
    if (total.emptyBox)
        InvestBox->clear();
    else if (total.total)
        TotalInvest->setText(generalText(*total.total, game_.numberFormat));
}

void InvestForm::InvestButClick() {
    if (session_
            .run(command("invest-money",
                         {word(std::to_string(bank_)), word(std::to_string(chosenPlan_ + 1)),
                          typed(toStd(InvestBox->text())), word(std::to_string(maximum_))}),
                 voice_)
            .value)
        doneWithAccount();
}

void InvestForm::CancelClick() {
    hide();
}

TInvestInvBankForm::TInvestInvBankForm(Session& session, Dialogs& dialogs)
    : InvestForm(session, dialogs, kInvestBank), FiveYears(plans[0]), TenYears(plans[1]) {}

TInvestGermForm::TInvestGermForm(Session& session, Dialogs& dialogs)
    : InvestForm(session, dialogs, kGermanBank), TenYears(plans[0]), ThirtyYears(plans[1]) {}

} // namespace tavo::ui
