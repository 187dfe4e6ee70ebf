#include "ui/TAboutForm.h"

#include "leisure/WebSite.h"
#include "ui/Dialogs.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/Text.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavo::ui {
namespace {

QLabel* link(const QString& text) {
    auto* label = new QLabel(text);
    label->setCursor(Qt::PointingHandCursor);
    QFont underlined = label->font();
    underlined.setUnderline(true);
    label->setFont(underlined);
    return label;
}

void colour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

bool isLeftRelease(const QEvent* event) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

} // namespace

TAboutForm::TAboutForm(Dialogs& dialogs) : QDialog(nullptr), dialogs_(dialogs) {
    setWindowTitle(tr("About"));
    makeWhite(this);
    auto* layout = new QVBoxLayout(this);
    Banner = new QLabel;
    showPicture(Banner, QStringLiteral("about-banner"));
    layout->addWidget(Banner, 0, Qt::AlignHCenter);

    OuterBox = new QGroupBox;
    auto* outer = new QVBoxLayout(OuterBox);
    CreditsBox = new QGroupBox;
    auto* credits = new QVBoxLayout(CreditsBox);
    credits->addWidget(heading(tr("Tavo")));
    credits->addWidget(new QLabel(tr("Version 0.4.1 alpha")));
    credits->addWidget(new QLabel(tr("Written, drawn and tested by the Tavo team.")));
    auto* mail = new QHBoxLayout;
    mail->addWidget(new QLabel(tr("E-mail me at:")));
    EmailAddress = link(qText(kTeamEmail));
    mail->addWidget(EmailAddress);
    mail->addStretch();
    credits->addLayout(mail);
    credits->addWidget(new QLabel(tr("Thanks to every player who sent an idea or a bug.")));
    outer->addWidget(CreditsBox);
    auto* visit = new QHBoxLayout;
    VisitLabel = new QLabel(tr("Visit the official web site:"));
    visit->addWidget(VisitLabel);
    WebAddress = link(qText(homePage()));
    visit->addWidget(WebAddress);
    visit->addStretch();
    outer->addLayout(visit);
    layout->addWidget(OuterBox);

    CloseBut = new QPushButton(tr("&Close"));
    connect(CloseBut, &QPushButton::clicked, this, &QDialog::hide);
    layout->addLayout(buttonRow({CloseBut}));
    setMainAction(this, CloseBut);
    focusOnShow(this, CloseBut);

    colour(WebAddress, Qt::blue);
    colour(EmailAddress, Qt::blue);
    for (QWidget* watched : std::initializer_list<QWidget*>{this, OuterBox, CreditsBox, VisitLabel,
                                                            WebAddress, EmailAddress}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

void TAboutForm::showModal() {
    if (isVisible()) return;
    setWindowModality(Qt::ApplicationModal);
    show();
}

void TAboutForm::showModeless() {
    if (!isVisible()) setWindowModality(Qt::NonModal);
    showOrRefill(this, [] {});
}

void TAboutForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit closed();
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == WebAddress) {
        if (event->type() == QEvent::MouseMove) {
            WebAddressMouseMove();
            event->accept(); // not passed on to the boxes around, which would turn it blue
            return true;
        }
        if (event->type() == QEvent::Enter)
            WebAddressMouseMove();
        else if (event->type() == QEvent::Leave)
            FormMouseMove();
        else if (isLeftRelease(event))
            WebAddressClick();
    } else if (watched == EmailAddress) {
        if (isLeftRelease(event)) EmailAddressClick();
    } else if (event->type() == QEvent::MouseMove) {
        FormMouseMove();
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::WebAddressClick() {
    dialogs_.openAddress(QUrl(qText(homePage())));
}

void TAboutForm::EmailAddressClick() {
    dialogs_.openAddress(QUrl(QStringLiteral("mailto:") + qText(kTeamEmail)));
}

void TAboutForm::WebAddressMouseMove() {
    colour(WebAddress, Qt::red);
}

void TAboutForm::FormMouseMove() {
    colour(WebAddress, Qt::blue);
}

} // namespace tavo::ui
