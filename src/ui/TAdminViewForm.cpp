#include "ui/TAdminViewForm.h"

#include "staff/AdminSettings.h"
#include "ui/Forms.h"
#include "ui/Style.h"
#include "ui/THireStaffForm.h"
#include "ui/TViewStaffForm.h"
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

QLineEdit* numberBox() {
    auto* box = new QLineEdit;
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(110);
    return box;
}

} // namespace

TAdminViewForm::TAdminViewForm(Session& session, Dialogs& dialogs, Forms& forms)
    : QDialog(nullptr), session_(session), game_(session.game()), forms_(forms),
      voice_(dialogs, this) {
    setWindowTitle(tr("Setting for your employe"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(tr("Set your administrator"));
    auto* inFrame = new QVBoxLayout(frame);
    NameAdmin = new QLabel;
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setBold(true);
    NameAdmin->setFont(fixed); // the hire window's caption, in its columns
    inFrame->addWidget(NameAdmin);

    LottoGroup = new QGroupBox;
    auto* lotto = new QGridLayout(LottoGroup);
    NbrTickets = new QLabel;
    TicketPriceLabel = new QLabel;
    auto* offer = new QHBoxLayout;
    offer->addWidget(new QLabel(tr("I can buy you")));
    offer->addWidget(NbrTickets);
    offer->addWidget(new QLabel(tr("tickets per week for")));
    offer->addWidget(TicketPriceLabel);
    offer->addWidget(new QLabel(QStringLiteral("$")));
    offer->addStretch();
    lotto->addLayout(offer, 0, 0, 1, 2);
    NbrTicket = numberBox();
    lotto->addWidget(new QLabel(tr("How many tickets/week do you want?")), 1, 0);
    lotto->addWidget(NbrTicket, 1, 1);
    inFrame->addWidget(LottoGroup);

    DrinkGroup = new QGroupBox;
    auto* drinks = new QGridLayout(DrinkGroup);
    drinks->addWidget(new QLabel(tr("I will buy drinks each time your stock is low.")), 0, 0, 1, 2);
    BuyBeers = numberBox();
    drinks->addWidget(new QLabel(tr("How many drinks you want me to buy?")), 1, 0);
    drinks->addWidget(BuyBeers, 1, 1);
    inFrame->addWidget(DrinkGroup);

    LoanGroup = new QGroupBox;
    auto* loans = new QGridLayout(LoanGroup);
    loans->addWidget(new QLabel(tr("I will refund your loan if you have enough money.")), 0, 0, 1,
                     3);
    RefWhen = numberBox();
    RefWhen->setToolTip(tr("I'll refund when you have more than this"));
    RefAmount = numberBox();
    RefAmount->setToolTip(tr("When you have enough money, i'll refund this"));
    loans->addWidget(new QLabel(tr("Refund when I have more than")), 1, 0);
    loans->addWidget(RefWhen, 1, 1);
    loans->addWidget(new QLabel(QStringLiteral("$")), 1, 2);
    loans->addWidget(new QLabel(tr("How much I refund?")), 2, 0);
    loans->addWidget(RefAmount, 2, 1);
    loans->addWidget(new QLabel(QStringLiteral("$")), 2, 2);
    inFrame->addWidget(LoanGroup);
    layout->addWidget(frame);

    CloseSave = new QPushButton(tr("&Close && Save"));
    CloseSave->setToolTip(tr("Save the setting"));
    Fire = new QPushButton(tr("&Fire"));
    Fire->setToolTip(tr("Fire this employe"));
    Cancel = new QPushButton(tr("&Cancel"));
    layout->addLayout(buttonRow({CloseSave, Fire, Cancel}));

    connect(CloseSave, &QPushButton::clicked, this, &TAdminViewForm::CloseSaveClick);
    connect(Fire, &QPushButton::clicked, this, &TAdminViewForm::FireClick);
    connect(Cancel, &QPushButton::clicked, this, &TAdminViewForm::CancelClick);
    setMainAction(this, CloseSave);
}

void TAdminViewForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TAdminViewForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

int TAdminViewForm::selectedAdmin() const {
    return forms_.viewStaffForm->selectedAdmin;
}

void TAdminViewForm::showSettings() {
    showOrRefill(this, [this] { FormShow(); });
}

void TAdminViewForm::dismiss() {
    dismissing_ = true;
    hide();
    dismissing_ = false;
}

void TAdminViewForm::FormShow() {
    const Candidate* candidate = settingsCandidate(game_.state, selectedAdmin(), voice_);
    const AdminRecord* admin = adminAt(game_.state, selectedAdmin());
    const AdminRecord shown = admin ? *admin : AdminRecord{};
    NameAdmin->setText(candidate ? candidateCaption(*candidate) : QString());
    NbrTickets->setText(QString::number(shown.maxTicketsPerWeek));
    TicketPriceLabel->setText(QString::number(shown.ticketPrice));
    NbrTicket->setText(QString::number(shown.ticketsPerWeek));
    BuyBeers->setText(QString::number(shown.drinkOrderQuantity));
    RefWhen->setText(QString::number(shown.refundThreshold));
    RefAmount->setText(QString::number(shown.refundAmount));
    const int id = candidate ? candidate->staffId : 0;
    LottoGroup->setVisible(id == 1 || id == 2);
    DrinkGroup->setVisible(id == 2 || id == 3);
    LoanGroup->setVisible(id == 4);
    // The window fits the groups shown at once, even at its first showing
    // when its size was worked out with every group in.
    QWidget* frame = LottoGroup->parentWidget();
    frame->layout()->invalidate();
    frame->updateGeometry();
    layout()->activate();
    // The keyboard goes to the first box shown.
    for (QLineEdit* box : {NbrTicket, BuyBeers, RefWhen}) {
        if (!box->isVisibleTo(this)) continue;
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        break;
    }
}

void TAdminViewForm::FormClose() {
    LottoGroup->setVisible(true);
    if (!dismissing_) forms_.viewStaffForm->showList();
}

void TAdminViewForm::CloseSaveClick() {
    const std::string tickets = toStd(NbrTicket->text());
    const std::string drinks = toStd(BuyBeers->text());
    const std::string when = toStd(RefWhen->text());
    const std::string amount = toStd(RefAmount->text());
    const std::string index = std::to_string(selectedAdmin());
    if (session_
            .run(command("save-admin",
                         {word(index), typed(tickets), typed(drinks), typed(when), typed(amount)}),
                 voice_)
            .value)
        close();
}

void TAdminViewForm::FireClick() {
    const std::string index = std::to_string(selectedAdmin());
    if (session_.run(command("dismiss-admin", {word(index)}), voice_).value) close();
}

void TAdminViewForm::CancelClick() {
    close();
}

void TAdminViewForm::gameReplaced() {
    dismiss(); // no administrator of the game before stays
}

} // namespace tavo::ui
