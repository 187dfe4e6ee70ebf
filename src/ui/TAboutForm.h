// The about window: the banner, the credits and two links, the web site
// and the team's mail address, each opened with the desktop's handler.
// Modeless from the game window, modal over the main menu.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tavo::ui {

class Dialogs;

class TAboutForm final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(Dialogs& dialogs);

    // Shows the window over every other; `closed` is sent when it goes.
    void showModal();
    // Shows the window beside the others (or brings it to the front).
    void showModeless();

    // Handlers.
    void WebAddressClick();
    void EmailAddressClick();
    void WebAddressMouseMove(); // the address turns red
    void FormMouseMove();       // and blue again

    // Controls.
    QLabel* Banner;
    QGroupBox* OuterBox;
    QGroupBox* CreditsBox;
    QLabel* EmailAddress;
    QLabel* VisitLabel;
    QLabel* WebAddress;
    QPushButton* CloseBut;

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Dialogs& dialogs_;
};

} // namespace tavo::ui
