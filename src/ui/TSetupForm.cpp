#include "ui/TSetupForm.h"

#include "core/ConfigRecord.h"
#include "core/FileIo.h"
#include "ui/Dialogs.h"
#include "ui/Style.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tavo::ui {

TSetupForm::TSetupForm(Game& game, Dialogs& dialogs)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), game_(game),
      dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Setup"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* options = new QGroupBox(QStringLiteral("Options"));
    auto* optionRows = new QVBoxLayout(options);
    PopupStart = new QCheckBox(QStringLiteral("View what's new at startup"));
    PauseBeer = new QCheckBox(QStringLiteral("Pause the game while you buy beers"));
    DrinkClose = new QCheckBox(QStringLiteral("Close the form after you buy beers"));
    for (QCheckBox* box : {PopupStart, PauseBeer, DrinkClose})
        optionRows->addWidget(box);
    layout->addWidget(options);

    auto* files = new QGroupBox(QStringLiteral("Files"));
    auto* fileGrid = new QGridLayout(files);
    BarsListPath = new QLineEdit;
    DrinksListPath = new QLineEdit;
    Browse1 = new QPushButton(QStringLiteral("Browse"));
    Browse2 = new QPushButton(QStringLiteral("Browse"));
    fileGrid->addWidget(new QLabel(QStringLiteral("Your bars list file:")), 0, 0, 1, 2);
    fileGrid->addWidget(BarsListPath, 1, 0);
    fileGrid->addWidget(Browse1, 1, 1);
    fileGrid->addWidget(new QLabel(QStringLiteral("Your drinks list file:")), 2, 0, 1, 2);
    fileGrid->addWidget(DrinksListPath, 3, 0);
    fileGrid->addWidget(Browse2, 3, 1);
    for (QLineEdit* edit : {BarsListPath, DrinksListPath}) {
        edit->setMaxLength(99);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
        edit->setToolTip(QStringLiteral("Path of your bars list file"));
        edit->installEventFilter(this);
    }
    layout->addWidget(files);

    Ok = new QPushButton(QStringLiteral("Ok"));
    Cancel = new QPushButton(QStringLiteral("Cancel"));
    Ok->setDefault(true);
    layout->addLayout(buttonRow({Ok, Cancel}));

    connect(Browse1, &QPushButton::clicked, this, &TSetupForm::Browse1Click);
    connect(Browse2, &QPushButton::clicked, this, &TSetupForm::Browse2Click);
    connect(Ok, &QPushButton::clicked, this, &TSetupForm::OkClick);
    connect(Cancel, &QPushButton::clicked, this, &TSetupForm::CancelClick);
}

void TSetupForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TSetupForm::FormShow() {
    const ConfigRecord& config = game_.config;
    PopupStart->setChecked(config.PopupStart != 0);
    PauseBeer->setChecked(config.PauseBeer != 0);
    DrinkClose->setChecked(config.DrinkClose != 0);
    BarsListPath->setText(pathFromFixed(config.barsListPath));
    DrinksListPath->setText(pathFromFixed(config.drinksListPath));
}

bool TSetupForm::eventFilter(QObject* watched, QEvent* event) {
    // Over a path that is not empty, the hint shows the whole path.
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::Enter && !edit->text().isEmpty())
        edit->setToolTip(edit->text());
    return QDialog::eventFilter(watched, event);
}

void TSetupForm::Browse1Click() {
    if (auto path =
            dialogs_.openFile({QStringLiteral("Select the bars list file"), QStringLiteral("bar"),
                               QStringLiteral("Bars list file (*.bar)|*.bar")}))
        BarsListPath->setText(*path);
}

void TSetupForm::Browse2Click() {
    if (auto path =
            dialogs_.openFile({QStringLiteral("Select the drinks list file"), QStringLiteral("drk"),
                               QStringLiteral("Drinks List File (*.drk)|*.drk")}))
        DrinksListPath->setText(*path);
}

void TSetupForm::OkClick() {
    // A temporary file beside config.kpl tells whether it can be written,
    // without touching it.
    if (!canWriteBeside(kConfigFileName)) {
        dialogs_.messageBox(
            QStringLiteral(
                "An error happen when I try to write on the disk\nThe setup file is unwritable."),
            QStringLiteral("Disk error"), DialogButtons::Ok, DialogIcon::Stop);
        hide();
        return;
    }
    ConfigRecord& config = game_.config;
    config.PopupStart = PopupStart->isChecked() ? 1 : 0;
    config.PauseBeer = PauseBeer->isChecked() ? 1 : 0;
    config.DrinkClose = DrinkClose->isChecked() ? 1 : 0;
    const bool haveBars = !BarsListPath->text().isEmpty();
    if (haveBars)
        pathToFixed(config.barsListPath, BarsListPath->text());
    else
        dialogs_.information(QStringLiteral("You must choose a bars list file."));
    const bool haveDrinks = !DrinksListPath->text().isEmpty();
    if (haveDrinks)
        pathToFixed(config.drinksListPath, DrinksListPath->text());
    else
        dialogs_.information(QStringLiteral("You must choose a drinks list file."));
    if (!haveBars || !haveDrinks) {
        dialogs_.information(QStringLiteral("Your save game wasn't saved..."));
    } else if (!writeConfig(kConfigFileName, config)) {
        dialogs_.messageBox(
            QStringLiteral(
                "An error happen when I try to write on the disk\nThe setup file is unwritable."),
            QStringLiteral("Disk error"), DialogButtons::Ok, DialogIcon::Stop);
    }
    hide();
}

void TSetupForm::CancelClick() {
    hide();
}

void TSetupForm::reject() {
    CancelClick();
}

} // namespace tavo::ui
