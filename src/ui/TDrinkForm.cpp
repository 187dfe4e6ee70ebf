#include "ui/TDrinkForm.h"

#include "bars/DrinkOrder.h"
#include "core/NumberText.h"
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include "ui/Style.h"
#include "ui/TGameForm.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tavo::ui {
namespace {

const QString kPlaceholder = QStringLiteral("-");
const QString kZero = QStringLiteral("0");

QLineEdit* numberBox(bool readOnly) {
    QLineEdit* box = figureBox(kZero);
    box->setReadOnly(readOnly);
    return box;
}

} // namespace

TDrinkForm::TDrinkForm(Session& session, Dialogs& dialogs, Forms& forms)
    : QDialog(nullptr), session_(session), game_(session.game()), dialogs_(dialogs), forms_(forms) {
    setWindowTitle(tr("Order drinks for your bars"));
    setModal(false);
    auto* layout = new QGridLayout(this);

    auto* barSide = new QVBoxLayout;
    barSide->addWidget(new QLabel(tr("Choose the bar you want to order drinks:")));
    BarOwnList = new QListWidget;
    barSide->addWidget(BarOwnList, 1);
    // The lists are as tall as the drink's side asks (eight drinks), not
    // their usual height: the window fits a small screen at 150 %.
    BarOwnList->setMinimumHeight(BarOwnList->fontMetrics().height() * 4 + 8);
    BarOwnList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    auto* barFigures = new QFormLayout;
    Status = figureLine(kPlaceholder);
    AverageClients = figureLine(kPlaceholder);
    barFigures->addRow(tr("Status:"), Status);
    barFigures->addRow(tr("Clients /  Day:"), AverageClients);
    barSide->addLayout(barFigures);
    layout->addLayout(barSide, 0, 0);

    auto* drinkSide = new QVBoxLayout;
    drinkSide->addWidget(new QLabel(tr("Choose the drink you want to order:")));
    DrinksListBox = new QListWidget;
    drinkSide->addWidget(DrinksListBox, 1);
    DrinksListBox->setMinimumHeight(DrinksListBox->fontMetrics().height() * 8 + 8);
    DrinksListBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    DrinksInfoBox = new QGroupBox(tr("Drink Informations"));
    auto* info = new QGridLayout(DrinksInfoBox);
    RetailPrice = figureLine(kPlaceholder);
    Percentage = figureLine(kPlaceholder);
    Weight = figureLine(kPlaceholder);
    for (QLineEdit* figure : {RetailPrice, Percentage, Weight})
        figure->setAlignment(Qt::AlignRight);
    info->addWidget(new QLabel(tr("Retail Price:")), 0, 0);
    info->addWidget(RetailPrice, 0, 1);
    info->addWidget(new QLabel(QStringLiteral("$")), 0, 2);
    info->addWidget(new QLabel(QStringLiteral("%:")), 1, 0);
    info->addWidget(Percentage, 1, 1);
    info->addWidget(new QLabel(tr("Weight:")), 2, 0);
    info->addWidget(Weight, 2, 1);
    info->addWidget(new QLabel(tr("oz")), 2, 2);
    drinkSide->addWidget(DrinksInfoBox);
    layout->addLayout(drinkSide, 0, 1);

    auto* order = new QGroupBox(tr("Your order"));
    auto* orderGrid = new QGridLayout(order);
    UsedBar = new QCheckBox(tr("I use this drink in this bar"));
    UsedBar->setChecked(true);
    QtyLeft = numberBox(true);
    QtyBuy = numberBox(false);
    PriceSellBox = numberBox(false);
    ProfitBox = numberBox(true);
    TotalPrice = numberBox(true);
    orderGrid->addWidget(UsedBar, 0, 0, 1, 4);
    orderGrid->addWidget(new QLabel(tr("Qty left in this bar")), 1, 0);
    orderGrid->addWidget(QtyLeft, 1, 1);
    orderGrid->addWidget(new QLabel(tr("Qty you want to buy")), 2, 0);
    orderGrid->addWidget(QtyBuy, 2, 1);
    orderGrid->addWidget(new QLabel(tr("Your Price")), 3, 0);
    orderGrid->addWidget(PriceSellBox, 3, 1);
    orderGrid->addWidget(new QLabel(tr("Profit")), 1, 2);
    orderGrid->addWidget(ProfitBox, 1, 3);
    orderGrid->addWidget(new QLabel(tr("Total:")), 2, 2);
    orderGrid->addWidget(TotalPrice, 2, 3);
    layout->addWidget(order, 1, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    Order = new QPushButton(tr("&Order"));
    Help = new QPushButton(tr("&Help"));
    AddDrinks = new QPushButton(tr("&Add a drink"));
    auto* close = new QPushButton(tr("&Close"));
    buttons->addWidget(Help);
    buttons->addWidget(AddDrinks);
    buttons->addStretch();
    buttons->addWidget(Order);
    buttons->addWidget(close);
    layout->addLayout(buttons, 2, 0, 1, 2);

    connect(BarOwnList, &QListWidget::itemSelectionChanged, this, &TDrinkForm::BarOwnListClick);
    connect(DrinksListBox, &QListWidget::itemSelectionChanged, this,
            &TDrinkForm::DrinksListBoxClick);
    connect(QtyBuy, &QLineEdit::textChanged, this, &TDrinkForm::QtyBuyChange);
    connect(PriceSellBox, &QLineEdit::textChanged, this, &TDrinkForm::PriceSellBoxChange);
    connect(Order, &QPushButton::clicked, this, &TDrinkForm::OrderClick);
    connect(Help, &QPushButton::clicked, this, &TDrinkForm::HelpClick);
    connect(AddDrinks, &QPushButton::clicked, this, &TDrinkForm::AddDrinksClick);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    setMainAction(this, Order);
    focusOnShow(this, QtyBuy);
}

void TDrinkForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TDrinkForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

void TDrinkForm::FormShow() {
    const QSignalBlocker quietBars(BarOwnList);
    const QSignalBlocker quietDrinks(DrinksListBox);
    QtyBuy->setText(kZero);
    QtyLeft->setText(kZero);
    BarOwnList->clear();
    DrinksListBox->clear();
    BarOwnList->addItem(tr("All your bars"));
    BarOwnList->addItems(ownedBarNames(game_.state));
    for (int d = 0; d < game_.drinks.count(); ++d)
        DrinksListBox->addItem(fromFixed(game_.drinks.at(d)->name));
}

void TDrinkForm::BarOwnListClick() {
    const int line = BarOwnList->currentRow();
    if (line < 0) return;
    if (line == 0) {
        Status->setText(QStringLiteral("N/A"));
        AverageClients->setText(QStringLiteral("N/A"));
        orderBar = kAllBars;
        showStockLeft();
        refreshTotals();
        return;
    }
    const int bar = line - 1; // the lines after "All your bars" are bars 0, 1, ...
    if (!session_.run(command("pick-bar", {word(std::to_string(bar))}), voice_).ran) return;
    orderBar = bar;
    const BarRecord& record = game_.state.bars[bar];
    Status->setText(record.isOpen ? tr("Open") : tr("Close"));
    AverageClients->setText(QString::number(record.clientsPerDay));
    showStockLeft();
    refreshTotals();
}

void TDrinkForm::DrinksListBoxClick() {
    const int drink = DrinksListBox->currentRow();
    const DrinkListEntry* entry = game_.drinks.at(drink);
    if (entry == nullptr) return;
    selectedDrink = drink;
    const QSignalBlocker quietPrice(PriceSellBox);
    PriceSellBox->setText(kZero);
    if (orderBar != kAllBars && orderBar >= 0 && orderBar < game_.state.barCount) {
        UsedBar->setChecked(true);
        BarRecord& bar = game_.state.bars[orderBar];
        const int slot = findDrinkSlot(bar, drink, false);
        if (slot >= 0 && bar.drinks[slot].salePrice > 0) {
            PriceSellBox->setText(generalText(bar.drinks[slot].salePrice, game_.numberFormat));
            UsedBar->setChecked(bar.drinks[slot].inUse != 0);
        }
    }
    showStockLeft();
    refreshTotals();
    DrinksInfoBox->setTitle(entry->kind == 0 ? tr("Beer Information") : tr("Shooter Information"));
    RetailPrice->setText(fromFixed(entry->retailPrice));
    Weight->setText(fromFixed(entry->weight));
    Percentage->setText(fromFixed(entry->alcohol));
}

void TDrinkForm::refreshTotals() {
    const OrderFigures figures =
        orderFigures(game_.state, game_.drinks, orderBar, selectedDrink, toStd(QtyBuy->text()),
                     toStd(PriceSellBox->text()), game_.numberFormat);
    TotalPrice->setText(figures.total ? generalText(*figures.total, game_.numberFormat) : kZero);
    ProfitBox->setText(figures.profit ? generalText(*figures.profit, game_.numberFormat) : kZero);
}

void TDrinkForm::showStockLeft() {
    QtyLeft->setText(kZero);
    if (orderBar < 0 || orderBar >= game_.state.barCount || orderBar >= kMaxBars) return;
    BarRecord& bar = game_.state.bars[orderBar];
    if (const int slot = findDrinkSlot(bar, selectedDrink, false); slot >= 0)
        QtyLeft->setText(QString::number(bar.drinks[slot].stock));
}

void TDrinkForm::QtyBuyChange() {
    refreshTotals();
}

void TDrinkForm::PriceSellBoxChange() {
    refreshTotals();
}

void TDrinkForm::OrderClick() {
    const std::string quantity = toStd(QtyBuy->text());
    const std::string price = toStd(PriceSellBox->text());
    const bool picked = Status->text() != kPlaceholder;
    const CommandResult ordered = session_.run(
        command("place-order",
                {word(picked ? "1" : "0"),
                 word(orderBar == kAllBars ? "all" : std::to_string(orderBar)),
                 word(selectedDrink < 0 ? "-" : std::to_string(selectedDrink)), typed(quantity),
                 typed(price), word(UsedBar->isChecked() ? "1" : "0")}),
        voice_);
    showStockLeft();
    if (ordered.value == 1) hide(); // the window closes after an order
}

void TDrinkForm::FormClose() {
    session_.drinksClosed();
    Status->setText(kPlaceholder);
    AverageClients->setText(kPlaceholder);
    RetailPrice->setText(kPlaceholder);
    Percentage->setText(kPlaceholder);
    Weight->setText(kPlaceholder);
    DrinksInfoBox->setTitle(tr("Drink Informations"));
    for (QLineEdit* box : {QtyBuy, TotalPrice, ProfitBox, PriceSellBox, QtyLeft}) {
        const QSignalBlocker quiet(box);
        box->setText(kZero);
    }
    selectedDrink = -1;
    orderBar = -1;
    const QSignalBlocker quietBars(BarOwnList);
    const QSignalBlocker quietDrinks(DrinksListBox);
    BarOwnList->clearSelection();
    DrinksListBox->clearSelection();
}

void TDrinkForm::HelpClick() {
    dialogs_.message(tr("How to buy drinks?\n1- Choose the bar you want to order drinks\n"
                        "2- Choose the drink you want to order\n3- Enter a price and a "
                        "qty and order."));
}

void TDrinkForm::AddDrinksClick() {
    dialogs_.message(tr("In the next release!"));
}

void TDrinkForm::gameReplaced() {
    if (!session_.inGame())
        hide();
    else if (isVisible())
        FormShow(); // the loaded game's bars
}

} // namespace tavo::ui
