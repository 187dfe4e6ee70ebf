#include "ui/TGameForm.h"

#include "banks/BankIds.h"
#include "core/Autosave.h"
#include "core/NumberText.h"
#include "core/SaveFile.h"
#include "game/GameDay.h"
#include "leisure/InternetCenter.h"
#include "leisure/WebSite.h"
#include "ui/BankForm.h"
#include "ui/BankWindows.h"
#include "ui/Dates.h"
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include "ui/GameSettings.h"
#include "ui/Icons.h"
#include "ui/Outcomes.h"
#include "ui/SaveDialogs.h"
#include "ui/StockLines.h"
#include "ui/Style.h"
#include "ui/TAboutForm.h"
#include "ui/TAdminViewForm.h"
#include "ui/TBanksForm.h"
#include "ui/TBarSetupForm.h"
#include "ui/TDisasFireForm.h"
#include "ui/TDrinkForm.h"
#include "ui/TFinanceForm.h"
#include "ui/THireStaffForm.h"
#include "ui/TInfoForm.h"
#include "ui/TInternetCenterForm.h"
#include "ui/TLotoSixForm.h"
#include "ui/TMainForm.h"
#include "ui/TMapForm.h"
#include "ui/TPassForm.h"
#include "ui/TPromoteForm.h"
#include "ui/TRacingMonForm.h"
#include "ui/TSetupForm.h"
#include "ui/TSpinCashForm.h"
#include "ui/TViewStaffForm.h"
#include "ui/Text.h"
#include "ui/Translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstring>

namespace tavo::ui {
namespace {

// The keys of the speeds, in the same order.
constexpr Qt::Key kSpeedKeys[4] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_Space};

QLineEdit* readOnlyBox(const QString& text) {
    QLineEdit* box = figureBox(text);
    box->setMaximumWidth(90);
    return box;
}

} // namespace

TGameForm::TGameForm(Session& session, Dialogs& dialogs, Forms& forms)
    : QMainWindow(nullptr), session_(session), game_(session.game()), dialogs_(dialogs),
      forms_(forms) {
    setWindowTitle(tr("Tavo Alpha"));
    MainTimer = new GameTimer(
        3000, false, [this] { MainTimerTimer(); }, this);
    CashTimer = new GameTimer(
        500, true, [this] { CashTimerTimer(); }, this);
    BeerStock = new GameTimer(
        1000, true, [this] { BeerStockTimer(); }, this);
    setCentralWidget(buildCentre());
    // The status bar holds the website's button, then the line of what the
    // player's acts came to.
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(VisitWeb);
    outcomes_ = new Outcomes(session_, statusBar(), this);
    buildMenus();
    // The status bar comes after the centre in the Tab order, as it stands
    // under it.
    QWidget* last = nullptr;
    for (QWidget* at = nextInFocusChain(); at != this; at = at->nextInFocusChain())
        if (centralWidget()->isAncestorOf(at)) last = at;
    if (last) setTabOrder(last, VisitWeb);
    clockChanged(); // "Normal" is ticked while the clock runs at 3000
    CashTimerTimer();
}

QWidget* TGameForm::buildCentre() {
    auto* centre = new QWidget;
    auto* grid = new QGridLayout(centre);

    // Bar stock info.
    auto* stock = new QGroupBox(tr("Bar stock info."));
    auto* stockGrid = new QGridLayout(stock);
    BarNameLabel = new QLabel;
    QFont barFont = BarNameLabel->font();
    barFont.setBold(true);
    BarNameLabel->setFont(barFont);
    stockGrid->addWidget(BarNameLabel, 0, 0, 1, 2);
    for (int line = 0; line < 4; ++line) {
        DrinkName[line] = new QLabel(QStringLiteral("-"));
        DrinkStock[line] = readOnlyBox(QStringLiteral("0"));
        stockGrid->addWidget(DrinkName[line], line + 1, 0);
        stockGrid->addWidget(DrinkStock[line], line + 1, 1);
    }
    PauseBarBut = new QPushButton(QStringLiteral("||"));
    PauseBarBut->setToolTip(tr("Stay on this bar"));
    // Read by what it does, pressed while the panel stays on the bar.
    PauseBarBut->setAccessibleName(tr("Stay on this bar"));
    PauseBarBut->setCheckable(true);
    NextBarBut = new QPushButton(QStringLiteral("->"));
    NextBarBut->setToolTip(tr("See the next bar now"));
    NextBarBut->setAccessibleName(tr("Next bar"));
    auto* stockButtons = new QHBoxLayout;
    stockButtons->addStretch();
    stockButtons->addWidget(PauseBarBut);
    stockButtons->addWidget(NextBarBut);
    stockGrid->addLayout(stockButtons, 5, 0, 1, 2);
    connect(PauseBarBut, &QPushButton::clicked, this, &TGameForm::PauseBarButClick);
    connect(NextBarBut, &QPushButton::clicked, this, &TGameForm::NextBarButClick);
    grid->addWidget(stock, 0, 0, 2, 1);

    // Misc info.
    auto* misc = new QGroupBox(tr("Misc info."));
    auto* miscGrid = new QGridLayout(misc);
    ClientsBox = readOnlyBox(QStringLiteral("0"));
    LotteryBox = readOnlyBox(QStringLiteral("0"));
    auto* lotteryLabel = new QLabel(tr("Lottery tickets buy:"));
    const QString lotteryHint = tr("Number of lottery tickets bought by your admin.");
    lotteryLabel->setToolTip(lotteryHint);
    LotteryBox->setToolTip(lotteryHint);
    miscGrid->addWidget(new QLabel(tr("Clients in your bar:")), 0, 0);
    miscGrid->addWidget(ClientsBox, 0, 1);
    miscGrid->addWidget(lotteryLabel, 1, 0);
    miscGrid->addWidget(LotteryBox, 1, 1);
    grid->addWidget(misc, 0, 1);

    // Money and date.
    auto* moneyAndDate = new QHBoxLayout;
    auto* money = new QGroupBox(tr("Money"));
    auto* moneyRow = new QHBoxLayout(money);
    QFont big = money->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    MoneyLabel = captionFigure(tr("Money"), big, QStringLiteral("-88888888.88"));
    MoneyLabel->setText(QStringLiteral("0"));
    MoneyLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    DebugOpen = new QLabel(QStringLiteral("$"));
    DebugOpen->setFont(big);
    DebugOpen->installEventFilter(this);
    moneyRow->addWidget(MoneyLabel, 1);
    moneyRow->addWidget(DebugOpen);
    moneyAndDate->addWidget(money, 1);

    auto* date = new QGroupBox(tr("Date:"));
    auto* dateRow = new QHBoxLayout(date);
    DayLabel = captionFigure(tr("Date"), big, dateText(30, 9, 8888));
    MonthLabel = new QLabel;
    YearLabel = new QLabel;
    PauseLabel = new QLabel(tr("Pause"));
    dateRow->addWidget(DayLabel);
    for (QLabel* label : {MonthLabel, YearLabel, PauseLabel}) {
        label->setFont(big);
        dateRow->addWidget(label);
    }
    PauseLabel->hide();
    dateRow->addStretch();
    date->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(date, &QWidget::customContextMenuRequested, this,
            [this, date](const QPoint& at) { DatePopup->popup(date->mapToGlobal(at)); });
    moneyAndDate->addWidget(date, 1);
    grid->addLayout(moneyAndDate, 1, 1);

    // Messages.
    grid->addWidget(new QLabel(tr("Your messages box:")), 2, 0, 1, 2);
    MsgBox = new QListWidget;
    MsgBox->setSelectionMode(QAbstractItemView::SingleSelection);
    const int line = MsgBox->fontMetrics().height() + 2;
    MsgBox->setMinimumHeight(3 * line + 8);
    grid->addWidget(MsgBox, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);

    VisitWeb = new QPushButton(tr("&Visit the website"));
    connect(VisitWeb, &QPushButton::clicked, this, &TGameForm::VisitWebClick);

    // Debug Menu, shown once the password is given.
    DebugMenu = new QGroupBox(tr("Debug Menu"));
    auto* debug = new QGridLayout(DebugMenu);
    ClockSpeedBox = new QLineEdit(QStringLiteral("0"));
    ClockSpeedBut = new QPushButton(tr("Set Clock speed"));
    Week = new QLineEdit;
    Week->setReadOnly(true);
    FireBut = new QPushButton(tr("Fire"));
    FireBut->setToolTip(tr("Set one of your bar in fire"));
    MoreMoney = new QLineEdit;
    MoneyAdd = new QPushButton(tr("Add money"));
    ClockSpeedBox->setAccessibleName(tr("Clock speed"));
    MoreMoney->setAccessibleName(tr("Money to add"));
    debug->addWidget(ClockSpeedBox, 0, 0);
    debug->addWidget(ClockSpeedBut, 0, 1);
    debug->addWidget(new QLabel(tr("Week day:")), 0, 2);
    debug->addWidget(Week, 0, 3);
    debug->addWidget(MoreMoney, 1, 0);
    debug->addWidget(MoneyAdd, 1, 1);
    debug->addWidget(FireBut, 1, 3);
    connect(ClockSpeedBut, &QPushButton::clicked, this, &TGameForm::ClockSpeedButClick);
    connect(FireBut, &QPushButton::clicked, this, &TGameForm::FireButClick);
    connect(MoneyAdd, &QPushButton::clicked, this, &TGameForm::MoneyAddClick);
    DebugMenu->hide();
    grid->addWidget(DebugMenu, 5, 0, 1, 2);

    // The message box's pop-up menu, on the window, the money and the stock.
    for (QWidget* owner : {centre, static_cast<QWidget*>(money), static_cast<QWidget*>(stock)}) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, this,
                [this, owner](const QPoint& at) { MessagePopup->popup(owner->mapToGlobal(at)); });
    }
    return centre;
}

void TGameForm::buildMenus() {
    auto speedItems = [this](QMenu* menu, std::array<QAction*, 4>& items, bool popup) {
        const QString captions[4] = {popup ? tr("&Slow") : tr("S&low"), tr("&Normal"), tr("&Fast"),
                                     tr("&Pause")};
        void (TGameForm::*handlers[4])() = {&TGameForm::Slow1Click, &TGameForm::Normal1Click,
                                            &TGameForm::Fast1Click, &TGameForm::Pause1Click};
        auto* choice = new QActionGroup(menu); // one speed ticked at a time
        for (int i = 0; i < 4; ++i) {
            items[i] = menu->addAction(captions[i], this, handlers[i]);
            items[i]->setCheckable(true);
            choice->addAction(items[i]);
        }
        // Every speed menu shows the keys beside its captions; the keys
        // themselves belong to the window alone (below), so that no key has
        // two owners wherever the keyboard is, an open menu included.
        for (int i = 0; i < 4; ++i)
            items[i]->setText(captions[i] + QLatin1Char('\t') +
                              QKeySequence(kSpeedKeys[i]).toString(QKeySequence::NativeText));
    };

    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* save = file->addAction(tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), this,
                                    &TGameForm::Save1Click);
    QAction* load = file->addAction(tr("&Load"), QKeySequence(Qt::CTRL | Qt::Key_L), this,
                                    &TGameForm::Load1Click);
    QAction* setup = file->addAction(tr("Se&tup"), QKeySequence(Qt::CTRL | Qt::Key_T), this,
                                     &TGameForm::Setup1Click);
    NewGameItem = file->addAction(tr("&New game"), this, &TGameForm::New1Click);
    NewGameItem->setVisible(false);
    // The hidden item's shortcut still takes the player back to the menu.
    auto* newGameKey = new QAction(this);
    newGameKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newGameKey, &QAction::triggered, this, &TGameForm::New1Click);
    addAction(newGameKey);
    void (TGameForm::*keyHandlers[4])() = {&TGameForm::Slow1Click, &TGameForm::Normal1Click,
                                           &TGameForm::Fast1Click, &TGameForm::PauseKeyPress};
    for (int i = 0; i < 4; ++i) {
        auto* key = new QAction(this);
        key->setShortcut(QKeySequence(kSpeedKeys[i]));
        connect(key, &QAction::triggered, this, keyHandlers[i]);
        addAction(key);
        gameKeys_.push_back(key);
    }
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                                    &TGameForm::Quit1Click);
    // The game's keys act from every window of a running game: while the
    // game window is shown, and not past a modal window.
    gameKeys_.insert(gameKeys_.end(), {save, load, quit});
    for (QAction* key : gameKeys_)
        key->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    speedItems(tools->addMenu(tr("&Speed")), speedMenu, false);
    tools->addSeparator();
    QAction* info = tools->addAction(tr("V&iew your info"), this, &TGameForm::ViewInfoClick);
    QAction* drinks = tools->addAction(tr("&Buy drinks"), this, &TGameForm::BuyDrinksClick);
    QAction* buyBar = tools->addAction(tr("B&uy a bar"), this, &TGameForm::BuyBarClick);
    QAction* promote = tools->addAction(tr("&Promote your bar"), this, &TGameForm::PromoteClick);
    QAction* finances = tools->addAction(tr("&Finances"), this, &TGameForm::FinancesClick);
    QMenu* banks = tools->addMenu(tr("&Visit the bank"));
    banks->addAction(tr("I&nvest Bank"), this, &TGameForm::InvestBank1Click);
    banks->addAction(tr("&German Bank"), this, &TGameForm::GermanBank1Click);
    banks->addAction(tr("Chin&a Bank"), this, &TGameForm::ChinaCash1Click);
    QMenu* staff = tools->addMenu(tr("&Manage staff"));
    staff->addAction(tr("&Hire staff"), this, &TGameForm::HireStaffClick);
    staff->addAction(tr("Vi&ew your staff"), this, &TGameForm::ViewStaffClick);
    QMenu* lottery = tools->addMenu(tr("&Lottery Center"));
    lottery->addAction(tr("Lotto &6/49"), this, &TGameForm::LottoClick);
    lottery->addAction(tr("Spin &Cash"), this, &TGameForm::SpinCashClick);

    lottery->addAction(tr("&Racing Money"), this, &TGameForm::RacingMoneyClick);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* internet =
        help->addAction(tr("&Internet Center"), this, &TGameForm::InternetCenter1Click);
    QAction* about = help->addAction(tr("&About"), this, &TGameForm::About1Click);

    DatePopup = new QMenu(this);
    speedItems(DatePopup, speedPopup, true);

    MessagePopup = new QMenu(this);
    MessagePopup->addAction(tr("C&lear this message"), this, &TGameForm::Clearthismessage1Click);
    MessagePopup->addAction(tr("&Clear all messages"), this, &TGameForm::Clearmessageboc1Click);
    MessagePopup->addSeparator();
    MessagePopup->addAction(tr("&About"), this, &TGameForm::About1Click);
    MessagePopup->addAction(tr("&Quit"), this, &TGameForm::Quit1Click);

    QToolBar* bar = addToolBar(tr("Tools"));
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    // A toolbar button that does what its menu item does.
    // A menu item on the toolbar too: its picture there, its hint as tooltip.
    auto button = [bar](ToolIcon icon, const QString& hint, QAction* item) {
        item->setIcon(toolIcon(icon));
        item->setIconVisibleInMenu(false);
        item->setToolTip(hint);
        bar->addAction(item);
        return item;
    };
    auto dropDown = [bar](ToolIcon icon, const QString& hint, QMenu* menu) {
        auto* tool = new QToolButton;
        tool->setIcon(toolIcon(icon));
        tool->setToolTip(hint);
        tool->setMenu(menu);
        tool->setPopupMode(QToolButton::InstantPopup);
        bar->addWidget(tool);
        return tool;
    };
    button(ToolIcon::Save, tr("Save your game"), save);
    button(ToolIcon::Open, tr("Open a save game"), load);
    button(ToolIcon::Setup, tr("Setup"), setup);
    button(ToolIcon::Quit, tr("Quit the game"), quit);
    bar->addSeparator();
    auto* speedDrop = new QMenu(this);
    speedItems(speedDrop, speedToolbar, false);
    dropDown(ToolIcon::Speed, tr("Set the speed of the game"), speedDrop);
    bar->addSeparator();
    button(ToolIcon::Info, tr("View your informations"), info);
    button(ToolIcon::Drinks, tr("Buy drinks"), drinks);
    button(ToolIcon::BuyBar, tr("Buy a bar"), buyBar);
    button(ToolIcon::Promote, tr("Promote your bar"), promote);
    button(ToolIcon::Finances, tr("Finances month by month"), finances);
    auto* bankDrop = new QMenu(this);
    bankDrop->addAction(tr("&Invest Bank"), this, &TGameForm::InvestBank1Click);
    bankDrop->addAction(tr("&German Bank"), this, &TGameForm::GermanBank1Click);
    bankDrop->addAction(tr("&China Cash"), this, &TGameForm::ChinaCash1Click);
    dropDown(ToolIcon::Bank, tr("Visit the bank"), bankDrop);
    auto* staffDrop = new QMenu(this);
    staffDrop->addAction(tr("&Hire Staff"), this, &TGameForm::HireStaffClick);
    staffDrop->addAction(tr("&View Staff"), this, &TGameForm::ViewStaffClick);
    dropDown(ToolIcon::Staff, tr("Manage your staff"), staffDrop);
    auto* lotteryDrop = new QMenu(this);
    lotteryDrop->addAction(tr("&Lotto 6/49"), this, &TGameForm::LottoClick);
    lotteryDrop->addAction(tr("&Spin Cash"), this, &TGameForm::SpinCashClick);

    lotteryDrop->addAction(tr("&Racing Money"), this, &TGameForm::RacingMoneyClick);
    dropDown(ToolIcon::Lottery, tr("Lottery Center"), lotteryDrop);
    bar->addSeparator();
    button(ToolIcon::Internet, tr("Visit the Internet Center"), internet);
    button(ToolIcon::About, tr("About"), about);
    // Wide enough for every toolbar button, and for the longest date of the
    // player's language.
    setMinimumWidth(std::max(bar->sizeHint().width() + 16, minimumSizeHint().width()));
}

void TGameForm::messagePosted(const Phrase& text) {
    MsgBox->addItem(translated(text));
    // The newest line is the list's current one, which a screen reader
    // reads as the keyboard comes in; nothing is selected for clearing.
    MsgBox->setCurrentRow(MsgBox->count() - 1, QItemSelectionModel::NoUpdate);
}

void TGameForm::clockChanged() {
    const GameClock& clock = session_.clock();
    MainTimer->setInterval(clock.interval());
    MainTimer->setEnabled(clock.running());
    for (auto* items : {&speedMenu, &speedPopup, &speedToolbar})
        (*items)[clock.speed()]->setChecked(true);
    // The displays run while a game is on: a return to the main menu stops them.
    if (clock.running()) {
        CashTimer->setEnabled(true);
        BeerStock->setEnabled(true);
    }
}

void TGameForm::gameReplaced() {
    if (session_.inGame()) return;
    CashTimer->setEnabled(false);
    BeerStock->setEnabled(false);
    hide();
}

void TGameForm::startClock() {
    session_.startClock();
}

void TGameForm::resetBarDisplay() {
    shownBar = 0;
    drinkPage.page = 0;
    stayOnBar = false;
    PauseBarBut->setChecked(false);
    PauseBarBut->setText(QStringLiteral("||"));
}

bool TGameForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DebugOpen && event->type() == QEvent::MouseButtonRelease) DebugOpenClick();
    return QMainWindow::eventFilter(watched, event);
}

void TGameForm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        for (QAction* key : gameKeys_)
            key->setEnabled(false);
}

void TGameForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    for (QAction* key : gameKeys_)
        key->setEnabled(true);
    if (!event->spontaneous()) MainTimerTimer();
    // What the day filled in may want a wider window: it widens as it
    // shows, rather than a moment after it appears.
    layout()->activate();
    if (const int wanted = sizeHint().width(); wanted > width()) resize(wanted, height());
}

void TGameForm::MainTimerTimer() {
    const DayOutcome day = session_.day(voice_);
    showDate();
    if (day.clientsShown) ClientsBox->setText(QString::number(*day.clientsShown));
    if (day.fireStrikes) forms_.fireForm->show();
}

void TGameForm::showDate() {
    const GameState& state = game_.state;
    if (QString date = dateText(state.day, state.month, state.year); !date.isEmpty())
        DayLabel->setText(date); // the whole date, as the player's language writes it
    Week->setText(QString::number(state.weekDay));
}

void TGameForm::CashTimerTimer() {
    MoneyLabel->setText(generalText(game_.state.money, game_.numberFormat));
    LotteryBox->setText(QString::number(game_.state.adminTicketCount));
    const bool paused = MainTimer->interval() <= 0;
    DayLabel->setVisible(!paused);
    MonthLabel->setVisible(!paused);
    YearLabel->setVisible(!paused);
    PauseLabel->setVisible(paused);
}

void TGameForm::BeerStockTimer() {
    const GameState& state = game_.state;
    const int bars = ownedBarCount(state);
    // A game loaded with fewer bars than the one before may leave the
    // panel past the last bar: it starts again from the first.
    if (shownBar < 0 || shownBar >= bars) shownBar = 0;
    const BarRecord* bar = bars > 0 ? &state.bars[shownBar] : nullptr;
    if (bar)
        BarNameLabel->setText(fromFixed(bar->barName));
    else
        BarNameLabel->clear();
    showStockPage(bar, game_.drinks, drinkPage, DrinkName, DrinkStock);
    if (!stayOnBar) {
        if (barTicks > 5) {
            barTicks = 0;
            shownBar += 1;
            if (shownBar >= bars) shownBar = 0;
        } else {
            barTicks += 1;
        }
    }
}

void TGameForm::PauseBarButClick() {
    stayOnBar = !stayOnBar;
    PauseBarBut->setChecked(stayOnBar);
    PauseBarBut->setText(stayOnBar ? QStringLiteral("<>") : QStringLiteral("||"));
}

void TGameForm::NextBarButClick() {
    if (shownBar < game_.state.barCount - 1)
        shownBar += 1;
    else
        shownBar = 0;
}

void TGameForm::PauseKeyPress() {
    // Space still presses the button that has the keyboard, in any window.
    if (auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget())) {
        button->click();
        return;
    }
    session_.togglePause();
    outcomes_->speedChosen();
}

void TGameForm::Slow1Click() {
    session_.chooseSpeed(GameClock::Slow);
    outcomes_->speedChosen();
}
void TGameForm::Normal1Click() {
    session_.chooseSpeed(GameClock::Normal);
    outcomes_->speedChosen();
}
void TGameForm::Fast1Click() {
    session_.chooseSpeed(GameClock::Fast);
    outcomes_->speedChosen();
}
void TGameForm::Pause1Click() {
    session_.chooseSpeed(GameClock::Pause);
    outcomes_->speedChosen();
}

bool TGameForm::Save1Click() {
    const std::optional<QString> path = dialogs_.saveFile(saveGameDialog());
    if (!path) return false;
    if (session_.save(path->toStdString())) return true;
    dialogs_.message(tr("Error #3\nError!"));
    return false;
}

void TGameForm::Load1Click() {
    const LoadAnswer answer =
        loadWithDialogs(dialogs_, session_, tr("Error #3\nError opening file!"));
    if (answer == LoadAnswer::Refused) close(); // which asks whether to quit
}

void TGameForm::Setup1Click() {
    forms_.setupForm->show();
}

void TGameForm::Quit1Click() {
    close();
}

bool TGameForm::FormCloseQuery() {
    if (!dialogs_.confirm(tr("You really want to quit ?"))) return false;
    if (dialogs_.messageBox(tr("Do you want to save the game before leaving?"),
                            tr("Save your game?"), DialogButtons::YesNo,
                            DialogIcon::Question) == DialogAnswer::Yes)
        return Save1Click(); // a cancelled or failed save leaves the player in the game
    return true;
}

void TGameForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}

void TGameForm::New1Click() {
    if (dialogs_.messageBox(tr("Do you want to start a new game?"), tr("Start a new game?"),
                            DialogButtons::YesNo, DialogIcon::Question) != DialogAnswer::Yes)
        return;
    session_.leaveGame(); // every window of the game closes itself
    // and so do those that hold nothing of a game.
    forms_.passForm->hide();
    forms_.internetCenterForm->hide(); // its fetch is dropped with it
    forms_.aboutForm->hide();
    forms_.setupForm->hide();
    forms_.banksForm->hide();
    forms_.mainForm->show();
}

void TGameForm::VisitWebClick() {
    dialogs_.openAddress(QUrl(qText(homePage())));
}

void TGameForm::InternetCenter1Click() {
    if (askConnected(voice_)) showOrRefill(forms_.internetCenterForm, [] {});
}

void TGameForm::About1Click() {
    forms_.aboutForm->showModeless();
}

void TGameForm::ViewInfoClick() {
    forms_.infoForm->show();
}

void TGameForm::BuyDrinksClick() {
    if (forms_.drinkForm->isVisible()) {
        // Asked again while open: the interval remembered stays the one
        // from before the window paused the clock.
        bringToFront(forms_.drinkForm);
        return;
    }
    session_.drinksOpened();
    forms_.drinkForm->show();
}

void TGameForm::BuyBarClick() {
    forms_.mapForm->showInGame();
}

void TGameForm::PromoteClick() {
    forms_.promoteForm->show();
}

void TGameForm::FinancesClick() {
    showOrRefill(forms_.financeForm, [this] { forms_.financeForm->FormShow(); });
}

void TGameForm::InvestBank1Click() {
    bankWindow(forms_, kInvestBank)->enter();
}

void TGameForm::GermanBank1Click() {
    bankWindow(forms_, kGermanBank)->enter();
}

void TGameForm::ChinaCash1Click() {
    bankWindow(forms_, kChinaCash)->enter();
}

void TGameForm::HireStaffClick() {
    forms_.hireStaffForm->show();
}

void TGameForm::ViewStaffClick() {
    forms_.viewStaffForm->show();
}

void TGameForm::LottoClick() {
    if (forms_.lotoSixForm->isVisible()) return;
    session_.lottoOpened();
    forms_.lotoSixForm->show();
}

void TGameForm::RacingMoneyClick() {
    TRacingMonForm* form = forms_.racingMonForm;
    showOrRefill(form, [form] { form->FormShow(); });
}

void TGameForm::SpinCashClick() {
    bringToFront(forms_.spinCashForm);
}

void TGameForm::DebugOpenClick() {
    forms_.passForm->show();
}

void TGameForm::ClockSpeedButClick() {
    try {
        session_.setClockInterval(toInteger(toStd(ClockSpeedBox->text())));
    } catch (const ConversionError& error) {
        voice_.sayError(error.phrase);
    }
}

void TGameForm::FireButClick() {
    // With no bar there is nothing to burn, and no window.
    if (game_.state.barCount > 0) forms_.fireForm->show();
}

void TGameForm::MoneyAddClick() {
    session_.run(command("add-money", {typed(toStd(MoreMoney->text()))}), voice_);
}

void TGameForm::Clearthismessage1Click() {
    for (int row = MsgBox->count() - 1; row >= 0; --row)
        if (MsgBox->item(row)->isSelected()) delete MsgBox->takeItem(row);
}

void TGameForm::Clearmessageboc1Click() {
    MsgBox->clear();
}

} // namespace tavo::ui
