#include "ui/TSpinCashForm.h"

#include "core/TimeSource.h"
#include "ui/Accessibility.h"
#include "ui/Style.h"
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
namespace {

QLineEdit* reelBox() {
    auto* box = new QLineEdit;
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    QFont font = box->font();
    font.setPointSizeF(font.pointSizeF() * 2.5);
    font.setBold(true);
    box->setFont(font);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, QColor(0x00, 0xFF, 0x00)); // lime
    colours.setColor(QPalette::Text, QColor(0xFF, 0x00, 0x00)); // red
    box->setPalette(colours);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 24);
    return box;
}

// A label, a figure box and "$" on one row.
QHBoxLayout* amountRow(const QString& caption, QLineEdit* box) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption));
    row->addWidget(box, 1);
    row->addWidget(new QLabel(QStringLiteral("$")));
    return row;
}

} // namespace

TSpinCashForm::TSpinCashForm(Session& session, Dialogs& dialogs)
    : QDialog(nullptr), session_(session), game_(session.game()), voice_(dialogs, this) {
    setWindowTitle(tr("Spin Cash"));
    setModal(false);
    Timer = new GameTimer(
        1, false, [this] { TimerTimer(); }, this);

    auto* layout = new QVBoxLayout(this);
    auto* reelRow = new QHBoxLayout;
    reelRow->addStretch();
    Num1 = reelBox();
    Num2 = reelBox();
    Num3 = reelBox();
    for (int reel = 0; reel < 3; ++reel) {
        reels()[reel]->setAccessibleName(tr("Reel %1").arg(reel + 1));
        reelRow->addWidget(reels()[reel]);
    }
    reelRow->addStretch();
    layout->addLayout(reelRow);

    Bet = new QLineEdit;
    Bet->setAlignment(Qt::AlignRight);
    Spin = new QPushButton(tr("&Spin"));
    auto* betRow = amountRow(tr("Your bet:"), Bet);
    betRow->addWidget(Spin);
    layout->addLayout(betRow);

    auto* chart = new QGroupBox;
    auto* lines = new QVBoxLayout(chart);
    for (const QString& line : {tr("1 - 2 - 3 = Your bet X 7"), tr("2 - 2 - 2 = Your bet X 5"),
                                tr("3 - 3 - 3 = Your bet X 3"), tr("1 - 1 - 1 = Your bet X 2")})
        lines->addWidget(new QLabel(line));
    layout->addWidget(chart);

    auto* stats = new QGroupBox(tr("Stats"));
    auto* statRows = new QGridLayout(stats); // the two boxes one above the other
    TotalWin = figureBox();
    TotalLost = figureBox();
    int row = 0;
    for (const auto& [caption, box] :
         {std::pair{tr("You win:"), TotalWin}, std::pair{tr("You lost:"), TotalLost}}) {
        statRows->addWidget(new QLabel(caption), row, 0);
        statRows->addWidget(box, row, 1);
        statRows->addWidget(new QLabel(QStringLiteral("$")), row++, 2);
    }
    statRows->setColumnStretch(1, 1);
    layout->addWidget(stats);

    connect(Spin, &QPushButton::clicked, this, &TSpinCashForm::SpinClick);
    setMainAction(this, Spin);
    focusOnShow(this, Bet);
}

void TSpinCashForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TSpinCashForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

void TSpinCashForm::FormShow() {
    for (QLineEdit* reel : reels())
        reel->clear();
    mirrorMachine();
    // A spin still running shows the bet it took.
    if (game_.spinCash.spinning) Bet->setText(QString::number(game_.spinCash.stake));
}

void TSpinCashForm::FormClose() {
    Bet->clear();
    stats_ = SpinStats{};
    showStats();
    mirrorMachine(); // a running spin keeps its timer and ends out of sight
}

void TSpinCashForm::mirrorMachine() {
    const bool spinning = game_.spinCash.spinning;
    Timer->setEnabled(spinning);
    Spin->setEnabled(!spinning);
    Bet->setReadOnly(spinning);
}

void TSpinCashForm::showStats() {
    TotalWin->setText(QString::number(stats_.won));
    TotalLost->setText(QString::number(stats_.lost));
}

void TSpinCashForm::SpinClick() {
    // A bet that does not convert ends the handler here.
    session_.run(command("spin-bet", {typed(toStd(Bet->text()))}), voice_);
    mirrorMachine();
}

void TSpinCashForm::gameReplaced() {
    // The game's spin was left unpaid with it.
    hide();
    mirrorMachine();
}

void TSpinCashForm::TimerTimer() {
    if (!game_.spinCash.spinning) return mirrorMachine();
    const std::optional<SpinResult> result = session_.run(command("spin-step"), voice_).spin;
    const std::array<int, 3>& values = game_.spinCash.reels;
    // The reels run silent: the status line says where they stop.
    const RunningFigures running{Num1, Num2, Num3};
    for (int reel = 0; reel < 3; ++reel)
        reels()[reel]->setText(QString::number(values[reel]));
    if (result && isVisible()) { // a spin ended out of sight counts in no opening's stats
        stats_.count(*result);
        showStats();
    }
    mirrorMachine();
}

} // namespace tavo::ui
