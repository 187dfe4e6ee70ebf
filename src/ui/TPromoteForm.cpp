#include "ui/TPromoteForm.h"

#include "bars/Promotion.h"
#include "ui/Dialogs.h"
#include "ui/Style.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tavo::ui {

TPromoteForm::TPromoteForm(Session& session, Dialogs& dialogs)
    : QDialog(nullptr), session_(session), game_(session.game()), dialogs_(dialogs) {
    setWindowTitle(tr("Promote your bar"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("You're looking for more clients in your bar?")));
    layout->addWidget(new QLabel(tr("Choose the bar to be promoted")));
    BarOwnList = new QListWidget;
    BarOwnList->setMinimumHeight(BarOwnList->fontMetrics().height() * 6);
    layout->addWidget(BarOwnList, 1);
    auto* kinds = new QGroupBox(tr("Where do you want to be promoted:"));
    // Each medium's name beside its price, the prices in a column of their
    // own, right-aligned in figures of one width, so that they line up.
    auto* kindRows = new QGridLayout(kinds);
    auto medium = [&](QRadioButton*& radio, QLabel*& price, const QString& caption) {
        const qsizetype bracket = caption.indexOf(QLatin1Char('['));
        radio = new QRadioButton(caption.left(bracket).trimmed());
        radio->setAccessibleName(caption.simplified());
        price = new QLabel(caption.mid(bracket));
        price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont figures = price->font();
        figures.setFamily(QStringLiteral("DejaVu Sans Mono"));
        figures.setStyleHint(QFont::Monospace);
        price->setFont(figures);
        price->setBuddy(radio);
        const int row = kindRows->rowCount();
        kindRows->addWidget(radio, row, 0);
        kindRows->addWidget(price, row, 1);
    };
    medium(NewsPaper, NewsPaperPrice, tr("Newspaper pub           [  5 000$]"));
    medium(RadioPub, RadioPubPrice, tr("Radio pub                    [15 000$]"));
    medium(TvPub, TvPubPrice, tr("Tv pub                         [25 000$]"));
    kindRows->setColumnStretch(0, 1);
    layout->addWidget(kinds);
    Promote = new QPushButton(tr("&Promote"));
    CloseBut = new QPushButton(tr("&Close"));
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
    const char* kind = NewsPaper->isChecked()  ? "news"
                       : RadioPub->isChecked() ? "radio"
                       : TvPub->isChecked()    ? "tv"
                                               : "none";
    session_.run(command("promote-bar", {word(std::to_string(promoteBar)), word(kind)}), voice_);
}

void TPromoteForm::CloseButClick() {
    hide();
}

void TPromoteForm::gameReplaced() {
    if (!session_.inGame())
        hide();
    else if (isVisible())
        FormShow(); // the loaded game's bars
}

} // namespace tavo::ui
