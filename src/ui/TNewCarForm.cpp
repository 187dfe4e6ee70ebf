#include "ui/TNewCarForm.h"
#include "ui/Translation.h"

#include "bars/Owner.h"
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include "ui/StatusHints.h"
#include "ui/Style.h"
#include "ui/TInfoForm.h"
#include "ui/TMainForm.h"
#include "ui/TMapForm.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tavo::ui {
namespace {

QLineEdit* readOnly() {
    auto* box = figureBox(QString());
    box->setAlignment(Qt::AlignLeft);
    return box;
}

} // namespace

TNewCarForm::TNewCarForm(Session& session, Dialogs& dialogs, Forms& forms)
    : QDialog(nullptr), session_(session), game_(session.game()), dialogs_(dialogs), forms_(forms) {
    setWindowTitle(tr("Create a new character"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Owner's name:")));
    OwnerName = new QLineEdit;
    OwnerName->setMaxLength(kOwnerNameLength);
    nameRow->addWidget(OwnerName, 1);
    layout->addLayout(nameRow);

    auto* kinds = new QGroupBox(tr("Who are you?"));
    auto* kindGrid = new QGridLayout(kinds);
    Buisness = new QRadioButton(tr("Business man"));
    CoolDude = new QRadioButton(tr("Cool Dude"));
    TheWomen = new QRadioButton(tr("The Woman"));
    auto* businDesc = new QPushButton(tr("Description"));
    auto* coolDesc = new QPushButton(tr("Description"));
    auto* womanDesc = new QPushButton(tr("Description"));
    kindGrid->addWidget(Buisness, 0, 0);
    kindGrid->addWidget(businDesc, 0, 1);
    kindGrid->addWidget(CoolDude, 1, 0);
    kindGrid->addWidget(coolDesc, 1, 1);
    kindGrid->addWidget(TheWomen, 2, 0);
    kindGrid->addWidget(womanDesc, 2, 1);
    layout->addWidget(kinds);

    auto* ratings = new QGroupBox(tr("Your profile"));
    auto* ratingGrid = new QGridLayout(ratings);
    Credibility = readOnly();
    Knowelge = readOnly();
    Money = readOnly();
    auto* credBut = new QPushButton(tr("More"));
    auto* knowBut = new QPushButton(tr("More"));
    for (QPushButton* more : {credBut, knowBut})
        more->setToolTip(tr("If you need more info"));
    ratingGrid->addWidget(new QLabel(tr("Credibility:")), 0, 0);
    ratingGrid->addWidget(Credibility, 0, 1);
    ratingGrid->addWidget(credBut, 0, 2);
    ratingGrid->addWidget(new QLabel(tr("Knowledge:")), 1, 0);
    ratingGrid->addWidget(Knowelge, 1, 1);
    ratingGrid->addWidget(knowBut, 1, 2);
    ratingGrid->addWidget(new QLabel(tr("Money:")), 2, 0);
    ratingGrid->addWidget(Money, 2, 1);
    ratingGrid->addWidget(new QLabel(QStringLiteral("$")), 2, 2);
    layout->addWidget(ratings);

    Create = new QPushButton(tr("Create"));
    Create->setEnabled(false);
    Create->setDefault(true);
    Cancel = new QPushButton(tr("Cancel"));
    layout->addLayout(buttonRow({Create, Cancel}));
    Status = addStatusBar(layout);

    auto* hints = new StatusHints(Status, this);
    hints->add(OwnerName, tr("Enter the owner's name"));
    hints->add(Buisness, tr("The business man"));
    hints->add(CoolDude, tr("The cool dude"));
    hints->add(TheWomen, tr("The woman"));

    connect(Buisness, &QRadioButton::clicked, this, &TNewCarForm::BuisnessClick);
    connect(CoolDude, &QRadioButton::clicked, this, &TNewCarForm::CoolDudeClick);
    connect(TheWomen, &QRadioButton::clicked, this, &TNewCarForm::TheWomenClick);
    connect(businDesc, &QPushButton::clicked, this, &TNewCarForm::BusinDescClick);
    connect(coolDesc, &QPushButton::clicked, this, &TNewCarForm::CoolDescClick);
    connect(womanDesc, &QPushButton::clicked, this, &TNewCarForm::WomanDescClick);
    connect(credBut, &QPushButton::clicked, this, &TNewCarForm::CredButClick);
    connect(knowBut, &QPushButton::clicked, this, &TNewCarForm::KnowButClick);
    connect(Create, &QPushButton::clicked, this, &TNewCarForm::CreateClick);
    connect(Cancel, &QPushButton::clicked, this, &TNewCarForm::CancelClick);
    setMainAction(this, Create);
    focusOnShow(this, OwnerName);
}

void TNewCarForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) ClearForm();
}

void TNewCarForm::ClearForm() {
    OwnerName->clear();
    for (QRadioButton* kind : {Buisness, CoolDude, TheWomen}) {
        kind->setAutoExclusive(false);
        kind->setChecked(false);
        kind->setAutoExclusive(true);
    }
    for (QLineEdit* box : {Credibility, Knowelge, Money})
        box->clear();
    Create->setEnabled(false);
    OwnerName->setFocus();
}

void TNewCarForm::applyArchetype(int ownerType) {
    session_.run(command("owner-kind", {word(std::to_string(ownerType))}), voice_);
    Credibility->setText(translated(ratingWord(game_.state.credibility)));
    Knowelge->setText(translated(ratingWord(game_.state.knowledge)));
    Money->setText(QString::number(static_cast<qint64>(game_.state.money)));
    Create->setEnabled(true);
}

void TNewCarForm::BuisnessClick() {
    applyArchetype(1);
}
void TNewCarForm::CoolDudeClick() {
    applyArchetype(2);
}
void TNewCarForm::TheWomenClick() {
    applyArchetype(3);
}

void TNewCarForm::CreateClick() {
    if (!session_.run(command("owner", {typed(toStd(OwnerName->text()))}), voice_).value) return;
    forms_.infoForm->prepareOwner();
    forms_.mapForm->showForNewGame();
    hide();
}

void TNewCarForm::CancelClick() {
    forms_.mainForm->show();
    hide();
}

void TNewCarForm::reject() {
    CancelClick();
}

void TNewCarForm::BusinDescClick() {
    dialogs_.message(tr("The business man is a powerful person and he has many contacts "
                        "in the financial industry.\n He doesn't know very much about bars."));
}

void TNewCarForm::CoolDescClick() {
    dialogs_.message(tr("The cool dude knows everything to know about bars,\nbut he doesn't "
                        "have much credibility with the bank managers."));
}

void TNewCarForm::WomanDescClick() {
    dialogs_.message(
        tr("The woman isn't the best in the bar industry,\n but she can do great things."));
}

void TNewCarForm::CredButClick() {
    dialogs_.message(tr(
        "The higher your credibility becomes, the more you can borrow from your different banks."));
}

void TNewCarForm::KnowButClick() {
    dialogs_.message(tr("The higher your knowledge, the higher the number of clients "
                        "that will visit your bar(s)."));
}

void TNewCarForm::gameReplaced() {
    if (!session_.inGame()) hide();
}

} // namespace tavo::ui
