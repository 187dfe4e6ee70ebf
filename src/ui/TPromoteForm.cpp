#include "ui/TPromoteForm.h"

#include "bars/Promotion.h"
#include "ui/Dialogs.h"
#include "ui/Style.h"
#include "ui/Text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tavo::ui {

TPromoteForm::TPromoteForm(Game& game, Dialogs& dialogs)
    : QDialog(nullptr), game_(game), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Promote your bar"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("You're looking for more clients in your bar?")));
    layout->addWidget(new QLabel(QStringLiteral("Choose the bar to be promoted")));
    BarOwnList = new QListWidget;
    BarOwnList->setMinimumHeight(BarOwnList->fontMetrics().height() * 6);
    layout->addWidget(BarOwnList, 1);
    auto* kinds = new QGroupBox(QStringLiteral("Where do you want to be promoted:"));
    auto* kindRows = new QVBoxLayout(kinds);
    NewsPaper = new QRadioButton(QStringLiteral("Newspaper pub           [  5 000$]"));
    RadioPub = new QRadioButton(QStringLiteral("Radio pub                    [15 000$]"));
    TvPub = new QRadioButton(QStringLiteral("Tv pub                         [25 000$]"));
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setStyleHint(QFont::Monospace);
    for (QRadioButton* radio : {NewsPaper, RadioPub, TvPub}) {
        radio->setFont(fixed); // the captions are aligned with spaces
        kindRows->addWidget(radio);
    }
    layout->addWidget(kinds);
    Promote = new QPushButton(QStringLiteral("&Promote"));
    CloseBut = new QPushButton(QStringLiteral("&Close"));
    layout->addLayout(buttonRow({Promote, CloseBut}));

    connect(BarOwnList, &QListWidget::itemSelectionChanged, this, &TPromoteForm::BarOwnListClick);
    connect(Promote, &QPushButton::clicked, this, &TPromoteForm::PromoteClick);
    connect(CloseBut, &QPushButton::clicked, this, &TPromoteForm::CloseButClick);
    setMainAction(this, Promote);
    focusOnShow(this, BarOwnList);
}

void TPromoteForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TPromoteForm::FormShow() {
    const QSignalBlocker quiet(BarOwnList);
    BarOwnList->clear();
    BarOwnList->addItems(ownedBarNames(game_.state));
}

void TPromoteForm::BarOwnListClick() {
    const int line = BarOwnList->currentRow();
    if (line >= 0) promoteBar = line; // line i is bar i
}

void TPromoteForm::PromoteClick() {
    std::optional<Advert> advert;
    if (NewsPaper->isChecked())
        advert = Advert::Newspaper;
    else if (RadioPub->isChecked())
        advert = Advert::Radio;
    else if (TvPub->isChecked())
        advert = Advert::Tv;
    tavo::promoteBar(game_.state, promoteBar, advert, voice_);
}

void TPromoteForm::CloseButClick() {
    hide();
}

} // namespace tavo::ui
