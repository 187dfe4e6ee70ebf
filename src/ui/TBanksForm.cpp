#include "ui/TBanksForm.h"
#include "ui/Translation.h"

#include "banks/BankIds.h"
#include "banks/Membership.h"
#include "ui/BankForm.h"
#include "ui/BankWindows.h"
#include "ui/Forms.h"
#include "ui/Style.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tavo::ui {

TBanksForm::TBanksForm(Dialogs& dialogs, Forms& forms)
    : QDialog(nullptr), dialogs_(dialogs), forms_(forms) {
    setWindowTitle(tr("Choose a bank"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    auto group = [&](const QString& caption, QRadioButton*& first, const QString& firstCaption,
                     QRadioButton*& second, const QString& secondCaption) {
        auto* box = new QGroupBox(caption);
        auto* rows = new QVBoxLayout(box);
        first = new QRadioButton(firstCaption);
        second = new QRadioButton(secondCaption);
        rows->addWidget(first);
        rows->addWidget(second);
        groups->addWidget(box);
    };
    group(tr("Canadian banks"), InvestBank, tr("Invest Bank"), InterBank, tr("Inter Bank"));
    group(tr("Europen banks"), GermanBank, tr("German Bank"), SuisaCash, tr("China Cash"));
    layout->addLayout(groups);
    EnterBank = new QPushButton(tr("Enter the bank"));
    EnterBank->setEnabled(false);
    layout->addLayout(buttonRow({EnterBank}));

    connect(InvestBank, &QRadioButton::clicked, this, &TBanksForm::InvestBankClick);
    connect(InterBank, &QRadioButton::clicked, this, &TBanksForm::InterBankClick);
    connect(GermanBank, &QRadioButton::clicked, this, &TBanksForm::GermanBankClick);
    connect(SuisaCash, &QRadioButton::clicked, this, &TBanksForm::SuisaCashClick);
    connect(EnterBank, &QPushButton::clicked, this, &TBanksForm::EnterBankClick);
    for (QRadioButton* choice : {InvestBank, InterBank, GermanBank, SuisaCash})
        choice->installEventFilter(this);
    setMainAction(this, EnterBank);
}

void TBanksForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) ClearForm();
}

bool TBanksForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) EnterBankEnabled();
    return QDialog::eventFilter(watched, event);
}

void TBanksForm::ClearForm() {
    for (QRadioButton* choice : {InvestBank, InterBank, GermanBank, SuisaCash}) {
        choice->setAutoExclusive(false);
        choice->setChecked(false);
        choice->setAutoExclusive(true);
    }
}

void TBanksForm::choose(std::int16_t bank, std::initializer_list<QRadioButton*> otherGroup) {
    selectedBank = bank;
    for (QRadioButton* choice : otherGroup) {
        choice->setAutoExclusive(false);
        choice->setChecked(false);
        choice->setAutoExclusive(true);
    }
}

void TBanksForm::InvestBankClick() {
    choose(kInvestBank, {GermanBank, SuisaCash});
}

void TBanksForm::InterBankClick() {
    choose(kInterBank, {GermanBank, SuisaCash});
}

void TBanksForm::GermanBankClick() {
    choose(kGermanBank, {InvestBank, InterBank});
}

void TBanksForm::SuisaCashClick() {
    choose(kChinaCash, {InvestBank, InterBank});
}

void TBanksForm::EnterBankEnabled() {
    EnterBank->setEnabled(true);
}

void TBanksForm::EnterBankClick() {
    if (enterBank(selectedBank, voice_)) bankWindow(forms_, selectedBank)->enter();
}

} // namespace tavo::ui
