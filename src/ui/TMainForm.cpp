#include "ui/TMainForm.h"

#include "core/FixedText.h"
#include "core/SaveFile.h"
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"
#include "ui/SaveDialogs.h"
#include "ui/TAboutForm.h"
#include "ui/TGameForm.h"
#include "ui/TNewCarForm.h"
#include "ui/TPopupForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>

namespace tavo::ui {
namespace {

char systemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 128) return point[0].toLatin1();
    return '.';
}

} // namespace

TMainForm::TMainForm(Session& session, Forms& forms, Dialogs& dialogs)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), session_(session),
      game_(session.game()), forms_(forms), dialogs_(dialogs),
      background_(wordedPicture(QStringLiteral("menu-background"))) {
    setWindowTitle(kAppTitleText);
    setMouseTracking(true);
    setFixedSize(background_.pixmap.deviceIndependentSize().toSize());
    tellWords(this, background_);

    NewGameOmbre = new PictureButton(QStringLiteral("button-newgame"));
    NewGameBut = new PictureButton(QStringLiteral("button-newgame-lit"));
    LoadOmbre = new PictureButton(QStringLiteral("button-load"));
    LoadBut = new PictureButton(QStringLiteral("button-load-lit"));
    AboutBut = new PictureButton(QStringLiteral("button-about"));
    ExitBut = new PictureButton(QStringLiteral("button-exit"));
    NewGameOmbre->setToolTip(tr("Start a new game"));
    LoadOmbre->setToolTip(tr("Load a saved game"));
    // A screen reader reads the captions drawn on the pictures (Alt and the
    // underlined letter press them).
    for (PictureButton* button : {NewGameOmbre, LoadOmbre, AboutBut, ExitBut})
        button->setAccessibleName(plainCaption(button->caption()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addStretch(5);
    layout->addWidget(pictureStack(NewGameOmbre, NewGameBut), 0, Qt::AlignHCenter);
    layout->addSpacing(14);
    layout->addWidget(pictureStack(LoadOmbre, LoadBut), 0, Qt::AlignHCenter);
    layout->addStretch(3);
    auto* corners = new QHBoxLayout;
    corners->addWidget(AboutBut);
    corners->addStretch();
    corners->addWidget(ExitBut);
    layout->addLayout(corners);

    connect(NewGameOmbre, &PictureButton::hovered, this, &TMainForm::NewGameOmbreMouseMove);
    connect(LoadOmbre, &PictureButton::hovered, this, &TMainForm::LoadOmbreMouseMove);
    connect(NewGameBut, &PictureButton::clicked, this, &TMainForm::NewGameOmbreButClick);
    connect(LoadBut, &PictureButton::clicked, this, &TMainForm::LoadGameClick);
    // The keyboard reaches the four pictures with Tab; the lit ones over
    // New game and Load only light up.
    connect(NewGameOmbre, &PictureButton::clicked, this, &TMainForm::NewGameOmbreButClick);
    connect(LoadOmbre, &PictureButton::clicked, this, &TMainForm::LoadGameClick);
    for (PictureButton* lit : {NewGameBut, LoadBut})
        lit->setFocusPolicy(Qt::NoFocus);
    for (PictureButton* picture : {NewGameOmbre, LoadOmbre, AboutBut, ExitBut})
        picture->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(NewGameOmbre, LoadOmbre);
    setTabOrder(LoadOmbre, AboutBut);
    setTabOrder(AboutBut, ExitBut);
    connect(ExitBut, &PictureButton::clicked, this, &TMainForm::ExitButClick);
    connect(AboutBut, &PictureButton::clicked, this, &TMainForm::AboutButClick);

    game_.numberFormat.decimalSeparator = systemDecimalSeparator();
    game_.config = readConfig(kConfigFileName);
    loadLists();
    Timer = new GameTimer(
        5, true, [this] { TimerTimer(); }, this);
}

void TMainForm::loadLists() {
    if (!game_.bars.loadFromFile(fixedText(game_.config.barsListPath))) {
        dialogs_.messageBox(tr("Error #02\nUnable to complet LoadTheFile."), tr("Oups..."),
                            DialogButtons::Ok, DialogIcon::Stop);
        dialogs_.message(
            tr("Error #02\nYou must re-install the game.\nThe bars list file is not found!"));
    }
    if (!game_.drinks.loadFromFile(fixedText(game_.config.drinksListPath))) {
        dialogs_.messageBox(tr("Error #02\nUnable to complet LoadTheFile."), tr("Oups..."),
                            DialogButtons::Ok, DialogIcon::Stop);
        dialogs_.message(
            tr("Error #03\nYou must re-install the game.\nThe drinks list file is not found"));
    }
}

void TMainForm::NewGameOmbreMouseMove() {
    NewGameBut->show();
    LoadBut->hide();
}

void TMainForm::LoadOmbreMouseMove() {
    LoadBut->show();
    NewGameBut->hide();
}

void TMainForm::FormMouseMove() {
    NewGameBut->hide();
    LoadBut->hide();
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove();
    QWidget::mouseMoveEvent(event);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ExitButClick();
        return;
    }
    // Alt and the letter its caption marks, in the player's language.
    const QKeySequence pressed(event->keyCombination());
    for (PictureButton* picture : {NewGameOmbre, LoadOmbre, AboutBut, ExitBut})
        if (picture->isEnabled() && !pressed.isEmpty() &&
            pressed == QKeySequence::mnemonic(picture->caption())) {
            emit picture->clicked();
            return;
        }
    QWidget::keyPressEvent(event);
}

void TMainForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_.pixmap);
}

void TMainForm::NewGameOmbreButClick() {
    session_.run(command("new-game"), voice_);
    forms_.newCarForm->show();
    hide();
}

void TMainForm::LoadGameClick() {
    if (loadWithDialogs(dialogs_, session_, tr("Error #3\nError!")) != LoadAnswer::Loaded) return;
    forms_.gameForm->startClock();
    forms_.gameForm->show();
    hide();
}

void TMainForm::ExitButClick() {
    close();
    QApplication::quit();
}

void TMainForm::AboutButClick() {
    forms_.aboutForm->hide(); // one left open in a game comes back modal
    // The about window would open under a menu kept on top.
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    show();
    connect(
        forms_.aboutForm, &TAboutForm::closed, this,
        [this] {
            setWindowFlag(Qt::WindowStaysOnTopHint, true);
            show();
        },
        Qt::SingleShotConnection);
    forms_.aboutForm->showModal();
}

void TMainForm::TimerTimer() {
    if (game_.config.PopupStart) forms_.popupForm->show();
    Timer->setEnabled(false);
}

} // namespace tavo::ui
