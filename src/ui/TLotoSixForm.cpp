#include "ui/TLotoSixForm.h"

#include "leisure/Lotto.h"
#include "ui/Forms.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/TGameForm.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tavo::ui {

TLotoSixForm::TLotoSixForm(Session& session, Dialogs& dialogs)
    : QDialog(nullptr), session_(session), game_(session.game()), voice_(dialogs, this) {
    setWindowTitle(tr("Lotto 6/49"));
    setWindowModality(Qt::ApplicationModal);
    Timer = new GameTimer(
        1000, false, [this] { TimerTimer(); }, this);

    auto* layout = new QVBoxLayout(this);
    auto* banner = new QLabel;
    banner->setPixmap(picture(QStringLiteral("lotto")));
    banner->setAlignment(Qt::AlignCenter);
    layout->addWidget(banner);
    auto* slogan = new QLabel(tr("Each weeks you can win big with Lotto 6/49"));
    QFont bold = slogan->font();
    bold.setBold(true);
    slogan->setFont(bold);
    layout->addWidget(slogan);
    layout->addWidget(new QLabel(tr("Ticket's price: 250$")));
    auto* jackpot = new QHBoxLayout;
    jackpot->addWidget(new QLabel(tr("Current jackpot:")));
    JackPotBox = figureBox();
    JackPotBox->setFont(bold);
    jackpot->addWidget(JackPotBox, 1);
    jackpot->addWidget(new QLabel(QStringLiteral("$")));
    layout->addLayout(jackpot);

    auto* ticket = new QGroupBox(tr("Your ticket numbers "));
    auto* grid = new QGridLayout(ticket);
    auto* boxes = new QHBoxLayout;
    Num1 = new QLineEdit;
    Num2 = new QLineEdit;
    Num3 = new QLineEdit;
    Num4 = new QLineEdit;
    Num5 = new QLineEdit;
    Num6 = new QLineEdit;
    const int boxWidth = Num1->fontMetrics().horizontalAdvance(QStringLiteral("4949")) + 16;
    for (QLineEdit* box : numbers()) {
        box->setAccessibleName(tr("Number %1").arg(boxes->count() + 1));
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(boxWidth);
        boxes->addWidget(box);
    }
    boxes->addStretch();
    grid->addLayout(boxes, 0, 0, 1, 2);
    auto* counter = new QHBoxLayout;
    CurTick = new QLabel(QStringLiteral("1"));
    counter->addWidget(CurTick);
    counter->addWidget(new QLabel(QStringLiteral("/")));
    counter->addWidget(new QLabel(QStringLiteral("10")));
    counter->addStretch();
    grid->addLayout(counter, 1, 0);
    Radom = new QPushButton(tr("Random"));
    Buy = new QPushButton(tr("Buy this ticket"));
    grid->addLayout(buttonRow({Radom, Buy}), 1, 1);
    layout->addWidget(ticket);

    connect(Radom, &QPushButton::clicked, this, &TLotoSixForm::RadomClick);
    connect(Buy, &QPushButton::clicked, this, &TLotoSixForm::BuyClick);
    setMainAction(this, Buy); // Enter in the boxes buys the ticket
    focusOnShow(this, Num1);
}

void TLotoSixForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TLotoSixForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

void TLotoSixForm::FormShow() {
    const GameState& state = game_.state;
    const bool full = lottoTicketsFull(state);
    CurTick->setText(QString::number(full ? kMaxLottoTickets : state.lottoTicketCount + 1));
    Buy->setEnabled(!full);
    // A random pick left waiting when the window closed is forgotten.
    Timer->setEnabled(false);
    Radom->setEnabled(true);
    unsetCursor();
    clearNumbers();
    JackPotBox->setText(QString::number(state.lottoJackpot));
}

void TLotoSixForm::FormClose() {
    Timer->setEnabled(false);
    unsetCursor();
    session_.lottoClosed();
}

void TLotoSixForm::clearNumbers() {
    for (QLineEdit* box : numbers())
        box->clear();
}

void TLotoSixForm::BuyClick() {
    std::array<std::string, 6> texts;
    for (int box = 0; box < 6; ++box)
        texts[box] = toStd(numbers()[box]->text());
    // A number that does not convert ends the handler here: the boxes
    // keep their texts.
    std::vector<ScriptWord> words;
    for (const std::string& text : texts)
        words.push_back(typed(text));
    const CommandResult bought = session_.run(command("ticket", words), voice_);
    if (bought.stopped) return; // the boxes keep what was typed
    if (bought.value) {
        const GameState& state = game_.state;
        const bool full = lottoTicketsFull(state);
        CurTick->setText(QString::number(full ? kMaxLottoTickets : state.lottoTicketCount));
        Buy->setEnabled(!full);
    }
    clearNumbers();
    Num1->setFocus(Qt::OtherFocusReason); // ready for the next ticket
}

void TLotoSixForm::RadomClick() {
    Radom->setEnabled(false);
    setCursor(Qt::BusyCursor); // the pick takes a second
    Timer->setEnabled(true);
}

void TLotoSixForm::TimerTimer() {
    setCursor(Qt::BusyCursor);
    const CommandResult picked = session_.run(command("lotto-pick"), voice_);
    for (int box = 0; box < 6; ++box)
        numbers()[box]->setText(QString::number(picked.numbers[box]));
    unsetCursor();
    Radom->setEnabled(true);
    Timer->setEnabled(false);
}

void TLotoSixForm::gameReplaced() {
    if (!session_.inGame()) hide();
}

} // namespace tavo::ui
