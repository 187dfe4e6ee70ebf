#include "ui/TDisasFireForm.h"

#include "banks/Fire.h"
#include "core/TimeSource.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace tavo::ui {

TDisasFireForm::TDisasFireForm(Session& session, Dialogs& dialogs)
    : QDialog(nullptr), session_(session), game_(session.game()), voice_(dialogs, this) {
    setWindowTitle(tr("Fire!"));
    setModal(false);
    makeWhite(this);

    auto* layout = new QVBoxLayout(this);
    auto* pictureLabel = new QLabel;
    pictureLabel->setPixmap(picture(QStringLiteral("fire")));
    pictureLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(pictureLabel);
    Msg1 = new QLabel(tr("You wasn't insured"));
    Msg2 = new QLabel(tr("You was insured "));
    QFont bold = Msg1->font();
    bold.setBold(true);
    for (QLabel* message : {Msg1, Msg2}) {
        message->setFont(bold);
        message->setAlignment(Qt::AlignCenter);
        message->hide();
        layout->addWidget(message);
    }
    auto* pay = new QHBoxLayout;
    pay->addStretch();
    pay->addWidget(new QLabel(tr("You must pay: ")));
    MoneyPay = new QLabel(QStringLiteral("0"));
    MoneyPay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    MoneyPay->setMinimumWidth(MoneyPay->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    MoneyPay->setFont(bold);
    pay->addWidget(MoneyPay);
    pay->addWidget(new QLabel(QStringLiteral("$")));
    pay->addStretch();
    layout->addLayout(pay);
    auto* close = new QPushButton(tr("&Close"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    layout->addWidget(close, 0, Qt::AlignHCenter);
}

void TDisasFireForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TDisasFireForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

void TDisasFireForm::FormShow() {
    const std::optional<FireOutcome> fire = session_.run(command("fire"), voice_).fire;
    if (!fire) { // no bar to burn: no fire
        QTimer::singleShot(0, this, &QDialog::hide);
        return;
    }
    (fire->insured ? Msg2 : Msg1)->show();
    MoneyPay->setText(QString::number(fire->damage));
}

void TDisasFireForm::FormClose() {
    Msg1->hide();
    Msg2->hide();
    MoneyPay->setText(QStringLiteral("0"));
}

void TDisasFireForm::gameReplaced() {
    if (!session_.inGame()) hide();
}

} // namespace tavo::ui
