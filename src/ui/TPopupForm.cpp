#include "ui/TPopupForm.h"
#include "ui/Translation.h"

#include "core/ConfigRecord.h"
#include "ui/Dialogs.h"
#include "ui/Outcomes.h"
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

const char* const kNews =
    QT_TRANSLATE_NOOP("tavo", "- Racing Money (You can bet on cars \n"
                              "  races to win money)\n"
                              "\n"
                              "- You recieve messages in your \n"
                              "  messages box \n"
                              "\n"
                              "- Now you can close or open your bar\n"
                              "\n"
                              "- In info form you can have your bars \n"
                              "  stats (Visitors and Profit earn)\n"
                              "\n"
                              "- Bailiff repay the bank if your loan is too \n"
                              "  big\n"
                              "\n"
                              "- Major code rewrite for many thing. \n"
                              "  (Buy bars, buy drinks, etc...)\n"
                              "\n"
                              "- Some new forms interface (Drinks \n"
                              "  form, Info form, Main Form)\n"
                              "\n"
                              "- Update center replace by Internet \n"
                              "  Center\n"
                              "\n"
                              "- Few bugs fix!\n"
                              "\n"
                              "- Few improvements");

} // namespace

TPopupForm::TPopupForm(Session& session, Dialogs& dialogs)
    // A window of its own rather than a dialog: a dialog that belongs to no
    // shown window would be kept above every window of the game, the
    // message boxes included.
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowStaysOnTopHint),
      session_(session), game_(session.game()), dialogs_(dialogs) {
    setWindowTitle(tr("What's new?"));
    setModal(false);
    makeWhite(this);

    auto* layout = new QVBoxLayout(this);
    auto* pictureLabel = new QLabel;
    showPicture(pictureLabel, QStringLiteral("popup"));
    pictureLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(pictureLabel);
    auto* heading = new QLabel(tr("What's new on this version:"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    News = new QPlainTextEdit;
    News->setReadOnly(true);
    News->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    News->setPlainText(translated(kNews));
    News->setMinimumHeight(News->fontMetrics().height() * 8);
    layout->addWidget(News, 1);

    auto* bottom = new QHBoxLayout;
    Sec = new QLabel(QString::number(secondsLeft));
    // As wide for 9 as for 10: the window keeps its size as it counts.
    Sec->setMinimumWidth(Sec->sizeHint().width());
    Sec->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SecondsLeftLabel = new QLabel(tr("seconds left"));
    ShowPop = new QCheckBox(tr("Show this at startup"));
    ShowPop->setChecked(true);
    CloseBut = new QPushButton(tr("Close"));
    CloseBut->setEnabled(false);
    notice_ = new Notice;
    bottom->addWidget(Sec);
    bottom->addWidget(SecondsLeftLabel);
    bottom->addWidget(notice_, 1);
    bottom->addWidget(ShowPop);
    bottom->addWidget(CloseBut);
    layout->addLayout(bottom);
    connect(CloseBut, &QPushButton::clicked, this, &TPopupForm::CloseButClick);

    Timer = new GameTimer(
        1000, false, [this] { TimerTimer(); }, this);
    setMainAction(this, CloseBut);
}

void TPopupForm::showEvent(QShowEvent* event) {
    sayCountdown();
    QDialog::showEvent(event);
    if (secondsLeft > 0) Timer->setEnabled(true);
}

void TPopupForm::TimerTimer() {
    secondsLeft -= 1;
    Sec->setText(QString::number(secondsLeft));
    sayCountdown();
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
        dialogs_.messageBox(tr("An error happen when I try to write on the disk"), tr("Disk error"),
                            DialogButtons::Ok, DialogIcon::Stop);
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
    if (CloseBut->isEnabled())
        CloseButClick();
    else
        notice_->say(secondsLeft == 1
                         ? tr("This window can close in 1 second.")
                         : tr("This window can close in %1 seconds.").arg(secondsLeft));
}

void TPopupForm::sayCountdown() {
    // The countdown reads as one line, and the window tells it as it opens.
    const QString left = secondsLeft <= 0   ? QString()
                         : secondsLeft == 1 ? tr("1 second left")
                                            : tr("%1 seconds left").arg(secondsLeft);
    Sec->setAccessibleName(left);
    setAccessibleDescription(left);
}

} // namespace tavo::ui
