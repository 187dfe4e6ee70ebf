#include "ui/TBarSetupForm.h"

#include "bars/BarPurchase.h"
#include "core/NumberText.h"
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include "ui/StatusHints.h"
#include "ui/Style.h"
#include "ui/TGameForm.h"
#include "ui/TMapForm.h"
#include "ui/Text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tavo::ui {

TBarSetupForm::TBarSetupForm(Session& session, Dialogs& dialogs, Forms& forms)
    : QDialog(nullptr), session_(session), game_(session.game()), dialogs_(dialogs), forms_(forms) {
    setWindowTitle(tr("Setup of the new bar"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* nameRow = new QFormLayout;
    BarName = new QLineEdit;
    BarName->setMaxLength(kBarNameLength);
    nameRow->addRow(tr("Name of the bar:"), BarName);
    layout->addLayout(nameRow);

    auto* middle = new QHBoxLayout;
    auto* music = new QGroupBox(tr("Music"));
    auto* musicRows = new QVBoxLayout(music);
    Alternatif = new QCheckBox(tr("Alternative"));
    Techno = new QCheckBox(tr("Techno/Rave"));
    Dance = new QCheckBox(tr("Dance"));
    Metal = new QCheckBox(tr("Metal/Black Metal/Death"));
    Rock = new QCheckBox(tr("Rock"));
    for (QCheckBox* box : {Alternatif, Techno, Dance, Metal, Rock})
        musicRows->addWidget(box);
    auto* musicMore = new QPushButton(tr("More"));
    musicMore->setAccessibleName(tr("Music: More"));
    musicRows->addWidget(musicMore, 0, Qt::AlignRight);
    middle->addWidget(music);

    auto* kind = new QGroupBox(tr("Type of bar"));
    auto* kindGrid = new QGridLayout(kind);
    LowClass = new QRadioButton(tr("Low Class"));
    HighClass = new QRadioButton(tr("High Class"));
    DarkClass = new QRadioButton(tr("Dark Class"));
    RaveClass = new QRadioButton(tr("Rave Class"));
    classes_ = new QButtonGroup(this);
    const QString classMore[4] = {
        tr("This bar is located in a small street of the city, your clients are poor."),
        tr("This bar is located in a famous street of the city, your clients are rich "
           "and affluent."),
        tr("This bar is located in a dark part of the city, your clients are strange, "
           "mysterious and weird people."),
        tr("This bar is located in an old building, there is a lot of empty space to dance.")};
    int row = 0;
    for (QRadioButton* button : {LowClass, HighClass, DarkClass, RaveClass}) {
        classes_->addButton(button, row + 1);
        kindGrid->addWidget(button, row, 0);
        auto* more = new QPushButton(tr("More"));
        const QString text = classMore[row];
        connect(more, &QPushButton::clicked, this, [this, text] { dialogs_.message(text); });
        kindGrid->addWidget(more, row, 1);
        ++row;
    }
    middle->addWidget(kind);
    layout->addLayout(middle);

    auto* money = new QFormLayout;
    PriceEnter = new QLineEdit(QStringLiteral("0"));
    MoneyBefore = new QLineEdit;
    MoneyAfter = new QLineEdit;
    MoneyBefore->setReadOnly(true);
    MoneyAfter->setReadOnly(true);
    money->addRow(tr("Entry price?"), PriceEnter);
    money->addRow(tr("Money before the sale:"), MoneyBefore);
    money->addRow(tr("Money after the sale:"), MoneyAfter);
    layout->addLayout(money);

    Create = new QPushButton(tr("Create"));
    Create->setEnabled(false);
    Cancel = new QPushButton(tr("Cancel"));
    layout->addLayout(buttonRow({Create, Cancel}));
    Status = addStatusBar(layout);

    auto* hints = new StatusHints(Status, this);
    hints->add(BarName, tr("Enter the name of your bar"));
    hints->add(LowClass, tr("Low Class Bar"));
    hints->add(HighClass, tr("High Class Bar"));
    hints->add(DarkClass, tr("Dark Class Bar"));
    hints->add(RaveClass, tr("Rave Class Bar"));
    for (QCheckBox* box : {Alternatif, Techno, Dance, Metal, Rock})
        hints->add(box, tr("You must choose at lease one type of music"));

    connect(musicMore, &QPushButton::clicked, this, [this] {
        dialogs_.message(tr(
            "The type of music you play goes with the location of the bar and the clients of your "
            "bar,\n if you put the wrong type of music with the bar,\n people won't come."));
    });
    connect(BarName, &QLineEdit::textChanged, this, &TBarSetupForm::BarNameChange);
    connect(LowClass, &QRadioButton::clicked, this, &TBarSetupForm::LowClassClick);
    connect(HighClass, &QRadioButton::clicked, this, &TBarSetupForm::HighClassClick);
    connect(DarkClass, &QRadioButton::clicked, this, &TBarSetupForm::DarkClassClick);
    connect(RaveClass, &QRadioButton::clicked, this, &TBarSetupForm::RaveClassClick);
    connect(Alternatif, &QCheckBox::clicked, this, &TBarSetupForm::AlternatifClick);
    connect(Techno, &QCheckBox::clicked, this, &TBarSetupForm::TechnoClick);
    connect(Dance, &QCheckBox::clicked, this, &TBarSetupForm::DanceClick);
    connect(Metal, &QCheckBox::clicked, this, &TBarSetupForm::MetalClick);
    connect(Rock, &QCheckBox::clicked, this, &TBarSetupForm::RockClick);
    connect(Create, &QPushButton::clicked, this, &TBarSetupForm::CreateClick);
    connect(Cancel, &QPushButton::clicked, this, &TBarSetupForm::CancelClick);
    setMainAction(this, Create);
    focusOnShow(this, BarName);
}

void TBarSetupForm::applyClassMask(std::int32_t classMask) {
    bool allowed[5] = {false, LowClass->isEnabled(), HighClass->isEnabled(), DarkClass->isEnabled(),
                       RaveClass->isEnabled()};
    tavo::applyClassMask(classMask, allowed);
    LowClass->setEnabled(allowed[kLowClass]);
    HighClass->setEnabled(allowed[kHighClass]);
    DarkClass->setEnabled(allowed[kDarkClass]);
    RaveClass->setEnabled(allowed[kRaveClass]);
}

void TBarSetupForm::prepareSale(int bar, double moneyBefore, double moneyAfter) {
    selectedBar = bar;
    MoneyBefore->setText(generalText(moneyBefore, game_.numberFormat));
    MoneyAfter->setText(generalText(moneyAfter, game_.numberFormat));
}

void TBarSetupForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) ClearScreen();
}

void TBarSetupForm::ClearScreen() {
    BarName->clear();
    for (QCheckBox* box : {Alternatif, Techno, Dance, Metal, Rock})
        box->setChecked(false);
    classes_->setExclusive(false);
    for (QAbstractButton* button : classes_->buttons())
        button->setChecked(false);
    classes_->setExclusive(true);
    session_.run(command("bar-setup"), voice_);
}

void TBarSetupForm::BarNameChange() {
    Create->setEnabled(true);
}

void TBarSetupForm::chooseClass(int barClass) {
    session_.run(command("bar-class", {word(std::to_string(barClass))}), voice_);
}

void TBarSetupForm::LowClassClick() {
    chooseClass(kLowClass);
}
void TBarSetupForm::HighClassClick() {
    chooseClass(kHighClass);
}
void TBarSetupForm::DarkClassClick() {
    chooseClass(kDarkClass);
}
void TBarSetupForm::RaveClassClick() {
    chooseClass(kRaveClass);
}

void TBarSetupForm::musicClicked(QCheckBox* box, int music) {
    const std::string letter(1, kMusicLetters[static_cast<std::size_t>(music)]);
    session_.run(command("bar-music", {word(letter), word(box->isChecked() ? "1" : "0")}), voice_);
}

void TBarSetupForm::AlternatifClick() {
    musicClicked(Alternatif, 0);
}
void TBarSetupForm::TechnoClick() {
    musicClicked(Techno, 1);
}
void TBarSetupForm::DanceClick() {
    musicClicked(Dance, 2);
}
void TBarSetupForm::MetalClick() {
    musicClicked(Metal, 3);
}
void TBarSetupForm::RockClick() {
    musicClicked(Rock, 4);
}

void TBarSetupForm::CreateClick() {
    const int outcome = session_
                            .run(command("create-bar", {word(std::to_string(selectedBar)),
                                                        typed(toStd(BarName->text())),
                                                        typed(toStd(PriceEnter->text()))}),
                                 voice_)
                            .value;
    if (outcome == 0) return;                             // not bought
    if (outcome == 2) forms_.gameForm->resetBarDisplay(); // the first bar
    forms_.gameForm->startClock();
    forms_.gameForm->show();
    hide();
}

void TBarSetupForm::CancelClick() {
    hide();
    forms_.mapForm->show();
}

void TBarSetupForm::reject() {
    CancelClick();
}

void TBarSetupForm::gameReplaced() {
    hide(); // the purchase was one of the game before
}

} // namespace tavo::ui
