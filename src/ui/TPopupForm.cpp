#include "ui/TPopupForm.h"

#include "core/ConfigRecord.h"
#include "ui/Dialogs.h"
#include "ui/Pictures.h"
#include "ui/Style.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavo::ui {
namespace {

const char* const kNews[] = {"- Racing Money (You can bet on cars ",
                             "  races to win money)",
                             "",
                             "- You recieve messages in your ",
                             "  messages box ",
                             "",
                             "- Now you can close or open your bar",
                             "",
                             "- In info form you can have your bars ",
                             "  stats (Visitors and Profit earn)",
                             "",
                             "- Bailiff repay the bank if your loan is too ",
                             "  big",
                             "",
                             "- Major code rewrite for many thing. ",
                             "  (Buy bars, buy drinks, etc...)",
                             "",
                             "- Some new forms interface (Drinks ",
                             "  form, Info form, Main Form)",
                             "",
                             "- Update center replace by Internet ",
                             "  Center",
                             "",
                             "- Few bugs fix!",
                             "",
                             "- Few improvements"};

} // namespace

TPopupForm::TPopupForm(Game& game, Dialogs& dialogs)
    // A window of its own rather than a dialog: a dialog that belongs to no
    // shown window would be kept above every window of the game, the
    // message boxes included.
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowStaysOnTopHint),
      game_(game), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("What's new?"));
    setModal(false);
    makeWhite(this);

    auto* layout = new QVBoxLayout(this);
    auto* pictureLabel = new QLabel;
    pictureLabel->setPixmap(picture(QStringLiteral("popup")));
    pictureLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(pictureLabel);
    auto* heading = new QLabel(QStringLiteral("What's new on this version:"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    News = new QPlainTextEdit;
    News->setReadOnly(true);
    News->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QStringList lines;
    for (const char* line : kNews)
        lines << QString::fromLatin1(line);
    News->setPlainText(lines.join(QLatin1Char('\n')));
    News->setMinimumHeight(News->fontMetrics().height() * 8);
    layout->addWidget(News, 1);

    auto* bottom = new QHBoxLayout;
    Sec = new QLabel(QString::number(secondsLeft));
    // As wide for 9 as for 10: the window keeps its size as it counts.
    Sec->setMinimumWidth(Sec->sizeHint().width());
    Sec->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SecondsLeftLabel = new QLabel(QStringLiteral("seconds left"));
    ShowPop = new QCheckBox(QStringLiteral("Show this at startup"));
    ShowPop->setChecked(true);
    CloseBut = new QPushButton(QStringLiteral("Close"));
    CloseBut->setEnabled(false);
    bottom->addWidget(Sec);
    bottom->addWidget(SecondsLeftLabel);
    bottom->addStretch();
    bottom->addWidget(ShowPop);
    bottom->addWidget(CloseBut);
    layout->addLayout(bottom);
    connect(CloseBut, &QPushButton::clicked, this, &TPopupForm::CloseButClick);

    Timer = new GameTimer(
        1000, false, [this] { TimerTimer(); }, this);
    setMainAction(this, CloseBut);
}

void TPopupForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (secondsLeft > 0) Timer->setEnabled(true);
}

void TPopupForm::TimerTimer() {
    secondsLeft -= 1;
    Sec->setText(QString::number(secondsLeft));
    if (secondsLeft <= 0) {
        Timer->setEnabled(false);
        CloseBut->setEnabled(true);
        Sec->hide();
        SecondsLeftLabel->hide();
    }
}

void TPopupForm::CloseButClick() {
    ConfigRecord changed = game_.config;
    changed.PopupStart = ShowPop->isChecked() ? 1 : 0;
    if (writeConfig(kConfigFileName, changed))
        game_.config = changed;
    else
        dialogs_.messageBox(QStringLiteral("An error happen when I try to write on the disk"),
                            QStringLiteral("Disk error"), DialogButtons::Ok, DialogIcon::Stop);
    hide();
}

void TPopupForm::closeEvent(QCloseEvent* event) {
    // The popup closes as "Close" does, and not before the countdown is over.
    if (!CloseBut->isEnabled()) {
        event->ignore();
        return;
    }
    CloseButClick();
    event->accept();
}

void TPopupForm::reject() {
    if (CloseBut->isEnabled()) CloseButClick();
}

} // namespace tavo::ui
