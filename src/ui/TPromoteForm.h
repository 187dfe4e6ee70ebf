// The promotion window, "Promote your bar": newspaper, radio or television
// advertising for one owned bar.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tavo::ui {

class Dialogs;

class TPromoteForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TPromoteForm(Session& session, Dialogs& dialogs);
    void gameReplaced() override;

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
    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
};

} // namespace tavo::ui
