// The main menu: a picture with four picture buttons (New game, Load, About,
// Exit). It reads config.kpl and loads the two lists when it is created.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"
#include "ui/GameTimer.h"
#include "ui/Pictures.h"

#include <QWidget>

namespace tavo {
class TimeSource;
}

namespace tavo::ui {

class Dialogs;
class PictureButton;
struct Forms;

class TMainForm final : public QWidget {
    Q_OBJECT
public:
    TMainForm(Session& session, Forms& forms, Dialogs& dialogs);

    Game& game() { return session_.game(); }

    // Handlers.
    void NewGameOmbreMouseMove();
    void LoadOmbreMouseMove();
    void FormMouseMove();
    void NewGameOmbreButClick();
    void LoadGameClick();
    void ExitButClick();
    // The about window, modal over the menu.
    void AboutButClick();
    void TimerTimer();

    // Controls.
    PictureButton* NewGameOmbre;
    PictureButton* NewGameBut;
    PictureButton* LoadOmbre;
    PictureButton* LoadBut;
    PictureButton* AboutBut;
    PictureButton* ExitBut;
    GameTimer* Timer;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Alt and a caption's underlined letter press that picture; Escape
    // leaves, as Exit does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadLists();

    Session& session_;
    Game& game_;
    Forms& forms_;
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
    WordedPicture background_;
};

} // namespace tavo::ui
