#include "ui/TPassForm.h"

#include "ui/Style.h"

#include "ui/Forms.h"
#include "ui/TGameForm.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavo::ui {

TPassForm::TPassForm(Forms& forms) : QDialog(nullptr), forms_(forms) {
    setWindowTitle(tr("Password Check"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Debug Center"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading->setFont(bold);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(tr("Enter your password")));
    Password = new QLineEdit;
    Password->setMaxLength(8);
    Password->setEchoMode(QLineEdit::Password);
    Password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    Password->installEventFilter(this);
    layout->addWidget(Password);
    Pass = new QLineEdit(QStringLiteral("zumq"), this);
    Pass->setEnabled(false);
    Pass->hide();
    auto* access = new QGroupBox(tr("Acces Status"));
    auto* accessRow = new QHBoxLayout(access);
    Status = new QLabel(QStringLiteral("-"));
    accessRow->addWidget(Status);
    layout->addWidget(access);
    Valid = new QPushButton(tr("Valid"));
    Valid->setDefault(true);
    layout->addWidget(Valid, 0, Qt::AlignRight);
    connect(Valid, &QPushButton::clicked, this, &TPassForm::ValidClick);
    setMainAction(this, Valid);
    focusOnShow(this, Password);
    // Wide enough for the window manager to write the whole title (in bold,
    // beside its icon and buttons).
    bold.setPointSizeF(font().pointSizeF());
    setMinimumWidth(QFontMetrics(bold).horizontalAdvance(windowTitle()) +
                    6 * QFontMetrics(bold).height());
}

bool TPassForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Password && event->type() == QEvent::MouseButtonPress) PasswordClick();
    return QDialog::eventFilter(watched, event);
}

void TPassForm::PasswordClick() {
    Status->setText(QStringLiteral("-"));
}

void TPassForm::ValidClick() {
    if (Password->text() == Pass->text()) {
        Status->setText(tr("Granted"));
        forms_.gameForm->DebugMenu->show();
        Password->clear();
        hide();
    } else {
        Status->setText(tr("Denied"));
        Password->clear();
    }
}

} // namespace tavo::ui
