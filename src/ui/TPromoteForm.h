// The promotion window, "Promote your bar": newspaper, radio or television
// advertising for one owned bar.
#pragma once

#include "game/Game.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tavo::ui {

class Dialogs;

class TPromoteForm final : public QDialog {
    Q_OBJECT
public:
    TPromoteForm(Game& game, Dialogs& dialogs);

    void FormShow();
    void BarOwnListClick();
    void PromoteClick();
    void CloseButClick();

    QListWidget* BarOwnList;
    QRadioButton* NewsPaper;
    QRadioButton* RadioPub;
    QRadioButton* TvPub;
    // The prices beside the media, in a column of their own.
    QLabel* NewsPaperPrice;
    QLabel* RadioPubPrice;
    QLabel* TvPubPrice;
    QPushButton* Promote;
    QPushButton* CloseBut;

    int promoteBar = 0; // the bar picked last, kept between visits

protected:
    void showEvent(QShowEvent* event) override;

private:
    Game& game_;
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_};
};

} // namespace tavo::ui
