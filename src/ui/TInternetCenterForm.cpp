#include "ui/TInternetCenterForm.h"
#include "ui/Translation.h"

#include "leisure/WebSite.h"
#include "ui/Dialogs.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/Text.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tavo::ui {

TInternetCenterForm::TInternetCenterForm(Dialogs& dialogs) : QDialog(nullptr), dialogs_(dialogs) {
    setWindowTitle(tr("Internet Center"));
    setModal(false);
    setMouseTracking(true);
    InfosOmbre = new PictureButton(QStringLiteral("net-infos"));
    InfosBut = new PictureButton(QStringLiteral("net-infos-lit"));
    NewsOmbre = new PictureButton(QStringLiteral("net-news"));
    NewsBut = new PictureButton(QStringLiteral("net-news-lit"));
    InfosOmbre->setToolTip(tr("The latest version of Tavo"));
    NewsOmbre->setToolTip(tr("The news of Tavo"));
    NetMsg = new QTextEdit;
    NetMsg->setReadOnly(true);
    NetMsg->setAcceptRichText(false);
    NetMsg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    NetMsg->setMinimumSize(440, NetMsg->fontMetrics().height() * 12);
    WebLink = new PictureButton(QStringLiteral("net-link"));
    WebLink->setToolTip(qText(homePage()));

    auto* layout = new QVBoxLayout(this);
    auto* pictures = new QHBoxLayout;
    pictures->addStretch();
    pictures->addWidget(pictureStack(InfosOmbre, InfosBut));
    pictures->addSpacing(24);
    pictures->addWidget(pictureStack(NewsOmbre, NewsBut));
    pictures->addStretch();
    layout->addLayout(pictures);
    layout->addWidget(NetMsg, 1);
    layout->addWidget(WebLink, 0, Qt::AlignHCenter);

    connect(InfosOmbre, &PictureButton::hovered, this, &TInternetCenterForm::InfosOmbreMouseMove);
    connect(NewsOmbre, &PictureButton::hovered, this, &TInternetCenterForm::NewsOmbreMouseMove);
    connect(InfosBut, &PictureButton::clicked, this, &TInternetCenterForm::InfosButClick);
    connect(NewsBut, &PictureButton::clicked, this, &TInternetCenterForm::NewsButClick);
    // The keyboard reaches the normal pictures with Tab and presses them
    // with Enter; the highlighted ones only light up.
    connect(InfosOmbre, &PictureButton::clicked, this, &TInternetCenterForm::InfosButClick);
    connect(NewsOmbre, &PictureButton::clicked, this, &TInternetCenterForm::NewsButClick);
    connect(WebLink, &PictureButton::clicked, this, &TInternetCenterForm::WebLinkClick);
    for (PictureButton* lit : {InfosBut, NewsBut}) {
        lit->setFocusPolicy(Qt::NoFocus);
        lit->installEventFilter(this);
    }
    for (PictureButton* picture : {InfosOmbre, NewsOmbre, WebLink})
        picture->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(InfosOmbre, NewsOmbre);
    setTabOrder(NewsOmbre, NetMsg);
    setTabOrder(NetMsg, WebLink);
    focusOnShow(this, InfosOmbre);

    connect(&fetch, &WebFetch::succeeded, this, &TInternetCenterForm::fetched);
    connect(&fetch, &WebFetch::failed, this, &TInternetCenterForm::fetchFailed);
}

void TInternetCenterForm::InfosOmbreMouseMove() {
    InfosBut->show();
    NewsBut->hide();
}

void TInternetCenterForm::NewsOmbreMouseMove() {
    NewsBut->show();
    InfosBut->hide();
}

void TInternetCenterForm::FormMouseMove() {
    InfosBut->hide();
    NewsBut->hide();
}

void TInternetCenterForm::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove();
    QDialog::mouseMoveEvent(event);
}

bool TInternetCenterForm::eventFilter(QObject* watched, QEvent* event) {
    // Leaving a highlighted picture is moving over the rest of the window.
    if (event->type() == QEvent::Leave) FormMouseMove();
    return QDialog::eventFilter(watched, event);
}

void TInternetCenterForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // A fetch does not report into a closed window; a minimised one (hidden
    // by the window system) keeps it.
    if (event->spontaneous() || isMinimized()) return;
    fetch.cancel();
    asked_.reset();
    setBusy(false);
}

void TInternetCenterForm::InfosButClick() {
    fetchDocument(Document::Infos);
}

void TInternetCenterForm::NewsButClick() {
    fetchDocument(Document::News);
}

void TInternetCenterForm::fetchDocument(Document document) {
    if (asked_) return;
    NetMsg->clear();
    asked_ = document;
    setBusy(true);
    fetch.start(QUrl(qText(
        documentAddress(document == Document::Infos ? kLastVersionDocument : kNewsDocument))));
}

void TInternetCenterForm::fetched(const QString& text) {
    const Document document = asked_.value_or(Document::News);
    asked_.reset();
    setBusy(false);
    if (document == Document::Infos)
        NetMsg->setPlainText(translated(kRunningVersionText) + text);
    else
        NetMsg->setPlainText(text);
}

void TInternetCenterForm::fetchFailed(FetchFailure failure, int status) {
    asked_.reset();
    setBusy(false);
    NetMsg->clear();
    reportFetchFailure(voice_, failure, status);
}

void TInternetCenterForm::setBusy(bool busy) {
    // The keyboard waits in the box meanwhile: leaving it on a disabled
    // picture would pass it on to the other, which would light up.
    if (busy && (InfosOmbre->hasFocus() || NewsOmbre->hasFocus())) {
        pressed_ = static_cast<PictureButton*>(focusWidget());
        NetMsg->setFocus();
    }
    for (PictureButton* picture : {InfosOmbre, InfosBut, NewsOmbre, NewsBut}) {
        picture->setEnabled(!busy);
        picture->setCursor(busy ? Qt::BusyCursor : Qt::PointingHandCursor);
    }
    if (busy) {
        setCursor(Qt::BusyCursor);
        return;
    }
    unsetCursor();
    if (pressed_) pressed_->setFocus();
    pressed_ = nullptr;
}

void TInternetCenterForm::WebLinkClick() {
    dialogs_.openAddress(QUrl(qText(homePage())));
}

} // namespace tavo::ui
