#include "ui/TMapForm.h"

#include "bars/BarPurchase.h"
#include "core/NumberText.h"
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/TBanksForm.h"
#include "ui/TBarSetupForm.h"
#include "ui/TMainForm.h"
#include "ui/Text.h"
#include "ui/TownPicture.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tavo::ui {

TMapForm::TMapForm(Session& session, Dialogs& dialogs, Forms& forms)
    : QDialog(nullptr), session_(session), game_(session.game()), dialogs_(dialogs), forms_(forms) {
    setWindowTitle(tr("Choose a bar to buy"));
    setModal(false);
    // The town and the bars side by side, the buttons under both: narrow
    // enough for a small screen at 150 %.
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    layout->addLayout(top, 1);
    TownPic = new TownPicture;
    // A screen reader reaches the pins as the list's entries.
    TownPic->setAccessibleName(tr("Town map"));
    TownPic->setAccessibleDescription(tr("Each pin is a bar of the list beside it"));
    top->addWidget(TownPic, 1);

    auto* side = new QVBoxLayout;
    BarListBox = new QListWidget;
    BarListBox->setMinimumHeight(BarListBox->fontMetrics().height() * 9);
    side->addWidget(BarListBox, 1);
    auto* figures = new QFormLayout;
    auto figure = [figures](const QString& caption) {
        auto* box = new QLineEdit;
        box->setReadOnly(true);
        figures->addRow(caption, box);
        return box;
    };
    Price = figure(tr("Price:"));
    PeoplePerDay = figure(tr("Average clients/day:"));
    BarMax = figure(tr("Maximum clients in bar:"));
    CostMonth = figure(tr("Cost per month:"));
    BarOwner = figure(tr("Owner:"));
    for (QLineEdit* box : {Price, PeoplePerDay, BarMax, CostMonth}) // figures of a few digits
        box->setMaximumWidth(box->fontMetrics().averageCharWidth() * 12);
    side->addLayout(figures);

    BuyBut = new QPushButton(tr("&Buy the bar"));
    SellBut = new QPushButton(tr("&Sell the bar"));
    BankBut = new QPushButton(tr("&Visit the bank"));
    Cancel = new QPushButton(tr("&Cancel"));
    Cancel1 = new QPushButton(tr("C&ancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BuyBut);
    buttons->addWidget(SellBut);
    buttons->addWidget(BankBut);
    buttons->addStretch();
    buttons->addWidget(Cancel);
    buttons->addWidget(Cancel1);
    top->addLayout(side, 0);
    layout->addLayout(buttons);
    Cancel->hide();
    Cancel1->hide();

    connect(BarListBox, &QListWidget::itemSelectionChanged, this, &TMapForm::BarListBoxClick);
    connect(TownPic, &TownPicture::pinClicked, this, &TMapForm::TownPicClick);
    connect(BuyBut, &QPushButton::clicked, this, &TMapForm::BuyButClick);
    connect(SellBut, &QPushButton::clicked, this, &TMapForm::SellButClick);
    connect(BankBut, &QPushButton::clicked, this, &TMapForm::BankButClick);
    connect(Cancel, &QPushButton::clicked, this, &TMapForm::CancelClick);
    connect(Cancel1, &QPushButton::clicked, this, &TMapForm::Cancel1Click);
    setMainAction(this, BuyBut);
    focusOnShow(this, BarListBox);
}

void TMapForm::showForNewGame() {
    newGame_ = true;
    showCancel();
    showOrRefill(this, [this] { FormShow(); });
}

void TMapForm::showInGame() {
    newGame_ = false;
    showCancel();
    showOrRefill(this, [this] { FormShow(); });
}

void TMapForm::showCancel() {
    // Before the window shows, so that it is sized with its Cancel.
    Cancel->setVisible(newGame_);
    Cancel1->setVisible(!newGame_);
}

void TMapForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TMapForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

void TMapForm::FormShow() {
    // Shown again from bar setup, the map keeps the way it was opened.
    showCancel();
    const QSignalBlocker quiet(BarListBox);
    BarListBox->clear();
    for (int i = 0; i < game_.bars.count(); ++i)
        BarListBox->addItem(fromFixed(game_.bars.at(i)->name));
    TownPic->setPicked(-1); // nothing picked in the list, no pin ringed
    BuyBut->setEnabled(false);
    SellBut->setEnabled(false);
}

void TMapForm::TownPicClick(int bar) {
    if (bar < BarListBox->count()) BarListBox->setCurrentRow(bar);
}

void TMapForm::BarListBoxClick() {
    const int row = BarListBox->currentRow();
    const BarListEntry* entry = game_.bars.at(row);
    TownPic->setPicked(entry ? row : -1);
    if (entry == nullptr) return;
    selectedBar = row;
    BuyBut->setEnabled(true);
    Price->setText(QString::number(entry->price));
    PeoplePerDay->setText(QString::number(entry->peoplePerDay));
    BarMax->setText(QString::number(entry->maxClients));
    CostMonth->setText(QString::number(entry->costPerMonth));
    forms_.barSetupForm->applyClassMask(entry->classMask);
    if (ownsListBar(game_.state, row)) {
        BarOwner->setText(fromFixed(game_.state.ownerName));
        BuyBut->setEnabled(false);
        SellBut->setEnabled(true);
    } else {
        BarOwner->setText(tr("This bar is not owned"));
        SellBut->setEnabled(false);
    }
}

void TMapForm::BuyButClick() {
    if (!pressBuy(game_.state, game_.bars, selectedBar, voice_)) return;
    const BarListEntry* entry = game_.bars.at(selectedBar);
    forms_.barSetupForm->prepareSale(selectedBar, game_.state.money,
                                     game_.state.money - entry->price);
    forms_.barSetupForm->show();
    hide();
}

void TMapForm::SellButClick() {
    pressSell(voice_);
}

void TMapForm::BankButClick() {
    bringToFront(forms_.banksForm); // the map stays open
}

void TMapForm::CancelClick() {
    forms_.mainForm->show();
    hide();
}

void TMapForm::Cancel1Click() {
    hide();
}

void TMapForm::reject() {
    // The window's close box does what its visible Cancel does: in a new
    // game, the player goes back to the main menu rather than to nothing.
    if (newGame_)
        CancelClick();
    else
        Cancel1Click();
}

void TMapForm::FormClose() {
    for (QLineEdit* box : {Price, PeoplePerDay, BarMax, CostMonth, BarOwner})
        box->clear();
    const QSignalBlocker quiet(BarListBox);
    BarListBox->clear();
    Cancel->hide();
}

void TMapForm::gameReplaced() {
    if (!session_.inGame()) hide();
}

} // namespace tavo::ui
