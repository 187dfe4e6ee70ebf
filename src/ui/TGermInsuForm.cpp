#include "ui/TGermInsuForm.h"

#include "banks/BankIds.h"
#include "banks/InsuranceDesk.h"
#include "ui/Style.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tavo::ui {
namespace {

QPlainTextEdit* contract(const QString& words) {
    const QStringList lines = words.split(QLatin1Char('\n'));
    auto* text = new QPlainTextEdit(words);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics = text->fontMetrics();
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    text->setMinimumWidth(widest + 30);
    text->setMinimumHeight(metrics.lineSpacing() * 10 + 12);
    return text;
}

} // namespace

TGermInsuForm::TGermInsuForm(Session& session, Dialogs& dialogs)
    : BankServiceForm(session, dialogs, kGermanBank, tr("Buy an insurance")) {
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Read our contract before sign up"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    FireContract = contract(tr("The fire insurance covers all of\n"
                               "your bar. If a fire destroys your bar,\n"
                               "you'll  receive the value of the bar\n"
                               "plus 15 000$. If the bar is burned\n"
                               "down and the investigation of the\n"
                               "police tells us that you are affiliated\n"
                               "with some mafia gang, your\n"
                               "contract is null and you'll lose\n"
                               "everything. The cost of the\n"
                               "insurance is 1000$ per month."));
    StoleContract = contract(tr("The theft insurance covers all of\n"
                                "your bar. If a burglary happens in\n"
                                "one of your bars, you'll recieve\n"
                                "90% of the value stolen. If the\n"
                                "investigation of the police tells us\n"
                                "that you are affiliated with some\n"
                                "mafia gang, your contract is null\n"
                                "and you'll lose everything. The\n"
                                "cost of the insurance is 800$ per\n"
                                "month."));
    FireCheck = new QCheckBox(tr("Fire insurace"));
    StoleCheck = new QCheckBox(tr("Theft insurace"));
    auto* contracts = new QGridLayout;
    contracts->addWidget(FireContract, 0, 0);
    contracts->addWidget(StoleContract, 0, 1);
    contracts->addWidget(new QLabel(tr("Check the box if you want:")), 1, 0);
    contracts->addWidget(new QLabel(tr("Check the box if you want:")), 1, 1);
    // Each contract reads by the insurance it is for.
    FireContract->setAccessibleName(FireCheck->text() + tr(" contract"));
    StoleContract->setAccessibleName(StoleCheck->text() + tr(" contract"));
    contracts->addWidget(FireCheck, 2, 0);
    contracts->addWidget(StoleCheck, 2, 1);
    layout->addLayout(contracts);

    TotalMoney = figureBox();
    TotalMoney->setMaximumWidth(
        TotalMoney->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10 + 16);
    BuyIns = new QPushButton(tr("Sign up"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(tr("Total:")));
    bottom->addWidget(TotalMoney);
    bottom->addWidget(new QLabel(QStringLiteral("$")));
    bottom->addStretch();
    bottom->addWidget(BuyIns);
    layout->addLayout(bottom);

    connect(FireCheck, &QCheckBox::clicked, this, &TGermInsuForm::FireCheckClick);
    connect(StoleCheck, &QCheckBox::clicked, this, &TGermInsuForm::StoleCheckClick);
    connect(BuyIns, &QPushButton::clicked, this, &TGermInsuForm::BuyInsClick);
    setMainAction(this, BuyIns);
    focusOnShow(this, FireCheck);
}

void TGermInsuForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TGermInsuForm::FormShow() {
    FireCheck->setChecked(false);
    StoleCheck->setChecked(false);
    insuranceTotal = 0;
    TotalMoney->setText(QStringLiteral("0"));
}

void TGermInsuForm::FireCheckClick() {
    insuranceTotal = tavo::insuranceTotal(FireCheck->isChecked(), StoleCheck->isChecked());
    TotalMoney->setText(QString::number(insuranceTotal));
}

void TGermInsuForm::StoleCheckClick() {
    FireCheckClick(); // the same total
}

void TGermInsuForm::BuyInsClick() {
    if (session_
            .run(command("sign-up", {word(FireCheck->isChecked() ? "1" : "0"),
                                     word(StoleCheck->isChecked() ? "1" : "0")}),
                 voice_)
            .value)
        doneWithAccount();
}

} // namespace tavo::ui
