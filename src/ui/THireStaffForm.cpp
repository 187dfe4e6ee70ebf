#include "ui/THireStaffForm.h"

#include "staff/Hiring.h"
#include "ui/Pictures.h"
#include "ui/Style.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tavo::ui {
namespace {

// The caption's columns: name, age, salary.
constexpr int kNameWidth = 13;
constexpr int kAgeWidth = 15;

QFont columnFont() {
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setStyleHint(QFont::Monospace);
    return fixed;
}

} // namespace

QString candidateCaption(const Candidate& candidate) {
    return QStringLiteral("%1%2%3")
        .arg(QString::fromLatin1(candidate.name), -kNameWidth)
        .arg(QCoreApplication::translate("tavo", "%1 years old").arg(candidate.age), -kAgeWidth)
        .arg(QCoreApplication::translate("tavo", "%1$/month").arg(candidate.salary));
}

THireStaffForm::THireStaffForm(Session& session, Dialogs& dialogs)
    : QDialog(nullptr), session_(session), game_(session.game()), voice_(dialogs, this) {
    setWindowTitle(tr("Hire Staff for you bars"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* banner = new QLabel;
    banner->setPixmap(picture(QStringLiteral("staff")));
    banner->setAlignment(Qt::AlignCenter);
    layout->addWidget(banner);
    layout->addWidget(heading(tr("Hire staff for your bars")));

    auto* pages = new QTabWidget;
    auto* page = new QWidget;
    auto* rows = new QGridLayout(page);
    rows->addWidget(
        new QLabel(tr("An administrator can do many things for you! He can buy beers,")), 0, 0, 1,
        2);
    rows->addWidget(new QLabel(tr("lottery tickets and take care of your investments and loans.")),
                    1, 0, 1, 2);
    // The headings stand over the captions' columns, past the choice's circle.
    auto* headings = new QLabel(QStringLiteral("%1%2%3")
                                    .arg(tr("Name"), -kNameWidth)
                                    .arg(tr("Age"), -kAgeWidth)
                                    .arg(tr("Salary")));
    QFont boldColumns = columnFont();
    boldColumns.setBold(true);
    headings->setFont(boldColumns);
    const int indent = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                       style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    headings->setContentsMargins(indent, 8, 0, 0);
    rows->addWidget(headings, 2, 0);

    NedTarrow = new QRadioButton;
    IdaBrenn = new QRadioButton;
    SamKorr = new QRadioButton;
    LeoVask = new QRadioButton;
    NedDetails = new QPushButton(tr("Details"));
    IdaDetails = new QPushButton(tr("Details"));
    SamDetails = new QPushButton(tr("Details"));
    LeoDetail = new QPushButton(tr("Details"));
    const std::array<QPushButton*, 4> details = {NedDetails, IdaDetails, SamDetails, LeoDetail};
    for (int id = 1; id <= 4; ++id) {
        QRadioButton* choice = choices()[id - 1];
        choice->setText(candidateCaption(*findCandidate(id)));
        choice->setFont(columnFont());
        rows->addWidget(choice, id + 2, 0);
        rows->addWidget(details[id - 1], id + 2, 1);
    }
    rows->setRowStretch(7, 1);
    pages->addTab(page, tr("Administrators"));
    layout->addWidget(pages, 1);

    Hire = new QPushButton(tr("&Hire"));
    CloseBut = new QPushButton(tr("&Close"));
    layout->addLayout(buttonRow({Hire, CloseBut}));

    connect(NedDetails, &QPushButton::clicked, this, &THireStaffForm::NedDetailsClick);
    connect(IdaDetails, &QPushButton::clicked, this, &THireStaffForm::IdaDetailsClick);
    connect(SamDetails, &QPushButton::clicked, this, &THireStaffForm::SamDetailsClick);
    connect(LeoDetail, &QPushButton::clicked, this, &THireStaffForm::LeoDetailClick);
    connect(Hire, &QPushButton::clicked, this, &THireStaffForm::HireClick);
    connect(CloseBut, &QPushButton::clicked, this, &THireStaffForm::CloseButClick);
    setMainAction(this, Hire);
}

void THireStaffForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void THireStaffForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

void THireStaffForm::FormShow() {
    const std::array<bool, 4> free = hireChoices(game_.state, voice_);
    for (int i = 0; i < 4; ++i)
        choices()[i]->setEnabled(free[i]);
    clearSelection();
    // The keyboard goes to the first candidate who can be chosen.
    for (QRadioButton* choice : choices()) {
        if (!choice->isEnabled()) continue;
        choice->setFocus(Qt::OtherFocusReason);
        break;
    }
}

void THireStaffForm::FormClose() {
    for (QRadioButton* choice : choices())
        choice->setEnabled(true);
}

void THireStaffForm::clearSelection() {
    for (QRadioButton* choice : choices()) {
        choice->setAutoExclusive(false);
        choice->setChecked(false);
        choice->setAutoExclusive(true);
    }
}

void THireStaffForm::NedDetailsClick() {
    sayIntroduction(1, voice_);
}
void THireStaffForm::IdaDetailsClick() {
    sayIntroduction(2, voice_);
}
void THireStaffForm::SamDetailsClick() {
    sayIntroduction(3, voice_);
}
void THireStaffForm::LeoDetailClick() {
    sayIntroduction(4, voice_);
}

void THireStaffForm::HireClick() {
    for (int id = 1; id <= 4; ++id) {
        QRadioButton* choice = choices()[id - 1];
        if (!choice->isChecked()) continue;
        if (session_.run(command("hire-admin", {word(std::to_string(id))}), voice_).value)
            choice->setEnabled(false);
        break;
    }
    clearSelection();
}

void THireStaffForm::CloseButClick() {
    hide();
}

void THireStaffForm::gameReplaced() {
    hide();
}

} // namespace tavo::ui
