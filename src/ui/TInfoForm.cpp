#include "ui/TInfoForm.h"

#include "bars/BarInfo.h"
#include "core/NumberText.h"
#include "ui/Accessibility.h"
#include "ui/Dialogs.h"
#include "ui/StockLines.h"
#include "ui/Style.h"
#include "ui/Text.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace tavo::ui {
namespace {

// A whole number, red when below 0.
void showAmount(QLineEdit* box, std::int64_t value) {
    box->setText(QString::number(value));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, value < 0 ? QColor(200, 0, 0)
                                               : QApplication::palette(box).color(QPalette::Text));
    box->setPalette(palette);
}

} // namespace

TInfoForm::TInfoForm(Session& session, Dialogs& dialogs)
    : QDialog(nullptr), session_(session), game_(session.game()), dialogs_(dialogs) {
    setWindowTitle(tr("Informations"));
    setModal(false);
    // Two columns, each packed on its own, so the window stays short
    // enough for a small screen.
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    auto* owner = new QGroupBox(tr("The Owner's Name"));
    // Two rows of radios keep the window short enough for a small screen.
    auto* ownerRows = new QGridLayout(owner);
    OwnerName = new QLabel;
    QFont bold = OwnerName->font();
    bold.setBold(true);
    OwnerName->setFont(bold);
    Buisness = shownChoice<QRadioButton>(tr("Business man"));
    CoolDude = shownChoice<QRadioButton>(tr("Cool Dude"));
    TheWomen = shownChoice<QRadioButton>(tr("The Woman"));
    ownerRows->addWidget(OwnerName, 0, 0, 1, 2);
    ownerRows->addWidget(Buisness, 1, 0);
    ownerRows->addWidget(CoolDude, 1, 1);
    ownerRows->addWidget(TheWomen, 2, 0);
    left->addWidget(owner);

    auto* money = new QGroupBox(tr("Money"));
    auto* moneyRow = new QHBoxLayout(money);
    MoneyLabel = captionFigure(tr("Money"), bold, QStringLiteral("-88888888.88"));
    MoneyLabel->setText(QStringLiteral("0"));
    MoneyLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    moneyRow->addWidget(MoneyLabel, 1);
    moneyRow->addWidget(new QLabel(QStringLiteral("$")));
    auto* finance = new QFormLayout;
    RefundLeft = figureBox();
    MonthPay = figureBox();
    TaxesMonth = figureBox();
    finance->addRow(tr("Money left to refund:"), RefundLeft);
    finance->addRow(tr("Payments/month:"), MonthPay);
    finance->addRow(tr("Taxes/month:"), TaxesMonth);
    auto* moneySide = new QVBoxLayout;
    moneySide->addWidget(money);
    moneySide->addLayout(finance);
    right->addLayout(moneySide);

    auto* setup = new QGroupBox(tr("The Bar's Name"));
    auto* setupGrid = new QGridLayout(setup);
    BarName = new QLabel;
    BarName->setFont(bold);
    setupGrid->addWidget(BarName, 0, 0, 1, 2);
    LowClass = shownChoice<QRadioButton>(tr("Low Class"));
    HighClass = shownChoice<QRadioButton>(tr("High Class"));
    DarkClass = shownChoice<QRadioButton>(tr("Dark Class"));
    RaveClass = shownChoice<QRadioButton>(tr("Rave Class"));
    Alternatif = shownChoice<QCheckBox>(tr("Alternative"));
    Techno = shownChoice<QCheckBox>(tr("Techno/Rave"));
    Rock = shownChoice<QCheckBox>(tr("Rock"));
    Metal = shownChoice<QCheckBox>(tr("Metal/Black Metal/Death"));
    Dance = shownChoice<QCheckBox>(tr("Dance"));
    int row = 1;
    for (QRadioButton* radio : {LowClass, HighClass, DarkClass, RaveClass})
        setupGrid->addWidget(radio, row++, 0);
    row = 1;
    for (QCheckBox* box : {Alternatif, Techno, Rock, Metal, Dance})
        setupGrid->addWidget(box, row++, 1);
    auto* clients = new QFormLayout;
    MaxClients = figureBox();
    PeakClient = figureBox();
    clients->addRow(tr("Max clients:"), MaxClients);
    clients->addRow(tr("Peak clients:"), PeakClient);
    setupGrid->addLayout(clients, 6, 0, 1, 2);
    left->addWidget(setup);

    auto* business = new QVBoxLayout;
    auto* status = new QGroupBox(tr("Status of you bar"));
    auto* statusRow = new QHBoxLayout(status);
    StatusBar = new QLabel(tr("Close"));
    StatusBar->setFont(bold);
    ChangeStatus = new QPushButton(tr("C&hange"));
    statusRow->addWidget(StatusBar, 1);
    statusRow->addWidget(ChangeStatus);
    business->addWidget(status);
    auto* priceRow = new QHBoxLayout;
    PriceEnter = new QLineEdit;
    PriceEnter->setAlignment(Qt::AlignRight);
    SetPrice = new QPushButton(tr("&Set"));
    priceRow->addWidget(new QLabel(tr("Entry Price:")));
    priceRow->addWidget(PriceEnter, 1);
    priceRow->addWidget(SetPrice);
    business->addLayout(priceRow);
    auto* stats = new QFormLayout;
    ProfitMBox = figureBox();
    VisitorsMBox = figureBox();
    ProfitLBox = figureBox();
    VisitorsLBox = figureBox();
    ProfitLot = figureBox();
    stats->addRow(tr("Profit this month:"), ProfitMBox);
    stats->addRow(tr("Visitors this month:"), VisitorsMBox);
    stats->addRow(tr("Profit last month:"), ProfitLBox);
    stats->addRow(tr("Visitors last month:"), VisitorsLBox);
    stats->addRow(tr("Lottery profit:"), ProfitLot);
    business->addLayout(stats);
    right->addLayout(business);

    auto* beers = new QGroupBox(tr("Beers Stock"));
    auto* beerGrid = new QGridLayout(beers);
    // As wide as the longest drink's name: the window keeps its size as the
    // stock pages turn.
    int nameWidth = 0;
    for (int drink = 0; drink < game_.drinks.count(); ++drink)
        nameWidth = std::max(
            nameWidth, QFontMetrics(font()).horizontalAdvance(drinkNameText(game_.drinks, drink)));
    for (int line = 0; line < 4; ++line) { // two drinks a row
        Beer[line] = new QLabel(QStringLiteral("-"));
        Beer[line]->setMinimumWidth(nameWidth);
        Stock[line] = figureBox();
        Stock[line]->setMaximumWidth(Stock[line]->fontMetrics().averageCharWidth() * 8);
        beerGrid->addWidget(Beer[line], line / 2, 2 * (line % 2));
        beerGrid->addWidget(Stock[line], line / 2, 2 * (line % 2) + 1);
    }
    left->addWidget(beers);

    left->addStretch();

    // The bars under the figures, and Close in the window's corner.
    BarOwnList = new QListWidget;
    BarOwnList->setMinimumHeight(BarOwnList->fontMetrics().height() * 3 + 8);
    // Three lines tall, not the list's usual height: the window stays short.
    BarOwnList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    auto* barsLabel = new QLabel(tr("Your bars:"));
    barsLabel->setBuddy(BarOwnList);
    right->addWidget(barsLabel);
    CloseBut = new QPushButton(tr("&Close"));
    auto* barsRow = new QHBoxLayout;
    barsRow->addWidget(BarOwnList, 1);
    barsRow->addWidget(CloseBut, 0, Qt::AlignBottom);
    right->addLayout(barsRow, 1);

    Timer = new GameTimer(
        1000, false, [this] { TimerTimer(); }, this);
    connect(BarOwnList, &QListWidget::itemSelectionChanged, this, &TInfoForm::BarOwnListClick);
    connect(ChangeStatus, &QPushButton::clicked, this, &TInfoForm::ChangeStatusClick);
    connect(SetPrice, &QPushButton::clicked, this, &TInfoForm::SetPriceClick);
    connect(CloseBut, &QPushButton::clicked, this, &TInfoForm::CloseButClick);
    setMainAction(this, SetPrice);
    focusOnShow(this, PriceEnter);
}

void TInfoForm::prepareOwner() {
    OwnerName->setText(fromFixed(game_.state.ownerName));
    Buisness->setChecked(game_.state.ownerType == 1);
    CoolDude->setChecked(game_.state.ownerType == 2);
    TheWomen->setChecked(game_.state.ownerType == 3);
}

void TInfoForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TInfoForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

const BarRecord* TInfoForm::shownBar() const {
    const int bar = game_.state.currentBar;
    if (bar < 0 || bar >= game_.state.barCount || bar >= kMaxBars) return nullptr;
    return &game_.state.bars[bar];
}

void TInfoForm::FormShow() {
    const BarRecord* bar = shownBar();
    PriceEnter->setText(bar ? generalText(bar->entryPrice, game_.numberFormat) : QString());
    prepareOwner();
    stockPages.page = 0;
    listedBarCount_ = 0;
    Timer->setEnabled(true);
    refresh(); // at once, rather than a second later
}

void TInfoForm::TimerTimer() {
    refresh();
}

void TInfoForm::refresh() {
    const GameState& state = game_.state;
    MoneyLabel->setText(generalText(state.money, game_.numberFormat));
    RefundLeft->setText(QString::number(moneyLeftToRefund(state)));
    MonthPay->setText(QString::number(state.monthlyCharges));
    TaxesMonth->setText(QString::number(state.monthlyTaxes));
    showAmount(ProfitLot, state.gamblingBalance);

    const BarRecord* bar = shownBar();
    BarRecord none{};
    const BarRecord& shown = bar ? *bar : none;
    BarName->setText(fromFixed(shown.barName));
    LowClass->setChecked(shown.barClass == 1);
    HighClass->setChecked(shown.barClass == 2);
    DarkClass->setChecked(shown.barClass == 3);
    RaveClass->setChecked(shown.barClass == 4);
    Alternatif->setChecked(shown.musicAlternative == 1);
    Techno->setChecked(shown.musicTechno == 1);
    Rock->setChecked(shown.musicRock == 1);
    Metal->setChecked(shown.musicMetal == 1);
    Dance->setChecked(shown.musicDance == 1);
    MaxClients->setText(QString::number(shown.maxClients));
    PeakClient->setText(QString::number(shown.clientsPerDay));
    StatusBar->setText(shown.isOpen ? tr("Open") : tr("Close"));
    showAmount(ProfitMBox, shown.profitThisMonth);
    VisitorsMBox->setText(QString::number(shown.visitorsThisMonth));
    showAmount(ProfitLBox, shown.profitLastMonth);
    VisitorsLBox->setText(QString::number(shown.visitorsLastMonth));

    showStockPage(&shown, game_.drinks, stockPages, Beer, Stock);

    const int owned = ownedBarCount(state);
    if (owned != listedBarCount_) {
        const QSignalBlocker quiet(BarOwnList);
        BarOwnList->clear();
        BarOwnList->addItems(ownedBarNames(state));
        listedBarCount_ = owned;
    }
    // The bar shown is the one picked in the list.
    const int shownLine = bar ? state.currentBar : -1;
    if (BarOwnList->currentRow() != shownLine) {
        const QSignalBlocker quiet(BarOwnList);
        BarOwnList->setCurrentRow(shownLine);
    }
}

void TInfoForm::BarOwnListClick() {
    const int line = BarOwnList->currentRow();
    if (line < 0) return;
    // Line i is bar i.
    session_.run(command("pick-bar", {word(std::to_string(line))}), voice_);
    refresh();
    if (const BarRecord* bar = shownBar())
        PriceEnter->setText(generalText(bar->entryPrice, game_.numberFormat));
}

void TInfoForm::ChangeStatusClick() {
    if (!shownBar()) return;
    const CommandResult toggled =
        session_.run(command("toggle", {word(std::to_string(game_.state.currentBar))}), voice_);
    StatusBar->setText(toggled.value ? tr("Open") : tr("Close"));
}

bool TInfoForm::acceptPrice() {
    if (PriceEnter->text().isEmpty()) PriceEnter->setText(QStringLiteral("0"));
    const std::string price = toStd(PriceEnter->text());
    if (!shownBar()) return session_.run(command("read-price", {typed(price)}), voice_).value;
    const std::string bar = std::to_string(game_.state.currentBar);
    return session_.run(command("entry-price", {word(bar), typed(price)}), voice_).value;
}

void TInfoForm::SetPriceClick() {
    acceptPrice();
}

void TInfoForm::CloseButClick() {
    if (acceptPrice()) hide();
}

void TInfoForm::FormClose() {
    Timer->setEnabled(false);
}

void TInfoForm::gameReplaced() {
    if (!session_.inGame()) {
        hide();
        return;
    }
    listedBarCount_ = -1; // the loaded game's bars
    if (isVisible()) FormShow();
}

} // namespace tavo::ui
