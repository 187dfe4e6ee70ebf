#include "ui/TSetupForm.h"

#include "core/ConfigRecord.h"
#include "game/Setup.h"
#include "ui/Dialogs.h"
#include "ui/GameSettings.h"
#include "ui/Style.h"
#include "ui/Text.h"
#include "ui/Translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTranslator>
#include <QVBoxLayout>

#include <algorithm>

namespace tavo::ui {
namespace {

const char* const kNextStartNote = QT_TRANSLATE_NOOP(
    "tavo::ui::TSetupForm", "The new language takes effect when Tavo next starts.");

// A text of this window as `language` says it, read from that language's
// translation (the one the game speaks is loaded only at start).
QString inLanguage(const QString& language, const char* english) {
    QTranslator translator;
    if (translator.load(QStringLiteral("tavo_") + language, translationsFolder())) {
        const QString said = translator.translate("tavo::ui::TSetupForm", english);
        if (!said.isEmpty()) return said;
    }
    return QString::fromUtf8(english);
}

} // namespace

TSetupForm::TSetupForm(Session& session, Dialogs& dialogs)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session), game_(session.game()), dialogs_(dialogs) {
    setWindowTitle(tr("Setup"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* options = new QGroupBox(tr("Options"));
    auto* optionRows = new QVBoxLayout(options);
    PopupStart = new QCheckBox(tr("View what's new at startup"));
    PauseBeer = new QCheckBox(tr("Pause the game while you buy beers"));
    DrinkClose = new QCheckBox(tr("Close the form after you buy beers"));
    Autosave = new QCheckBox(tr("Save the game by itself at each month change"));
    Autosave->setToolTip(tr("Keeps each game's three newest in the saves folder, "
                            "autosave-OWNER-TAG-1.sav to -3.sav after its owner, TAG telling "
                            "the game apart"));
    for (QCheckBox* box : {PopupStart, PauseBeer, DrinkClose, Autosave})
        optionRows->addWidget(box);
    auto* languageRow = new QHBoxLayout;
    Language = new QComboBox;
    for (const QString& code : languageCodes())
        Language->addItem(languageName(code), code);
    Language->setToolTip(tr("The game speaks the language chosen here from its next start"));
    auto* languageLabel = new QLabel(tr("&Language:"));
    languageLabel->setBuddy(Language);
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(Language, 1);
    optionRows->addLayout(languageRow);
    layout->addWidget(options);

    auto* files = new QGroupBox(tr("Files"));
    auto* fileGrid = new QGridLayout(files);
    BarsListPath = new QLineEdit;
    DrinksListPath = new QLineEdit;
    Browse1 = new QPushButton(tr("Browse"));
    Browse2 = new QPushButton(tr("Browse"));
    fileGrid->addWidget(new QLabel(tr("Your bars list file:")), 0, 0, 1, 2);
    fileGrid->addWidget(BarsListPath, 1, 0);
    fileGrid->addWidget(Browse1, 1, 1);
    fileGrid->addWidget(new QLabel(tr("Your drinks list file:")), 2, 0, 1, 2);
    fileGrid->addWidget(DrinksListPath, 3, 0);
    fileGrid->addWidget(Browse2, 3, 1);
    for (QLineEdit* edit : {BarsListPath, DrinksListPath}) {
        // No length limit: a path longer than the record holds is refused
        // whole by Ok, never cut.
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
        edit->setToolTip(tr("Path of your bars list file"));
        edit->installEventFilter(this);
    }
    layout->addWidget(files);

    Ok = new QPushButton(tr("Ok"));
    Cancel = new QPushButton(tr("Cancel"));
    Ok->setDefault(true);
    layout->addLayout(buttonRow({Ok, Cancel}));

    connect(Browse1, &QPushButton::clicked, this, &TSetupForm::Browse1Click);
    connect(Browse2, &QPushButton::clicked, this, &TSetupForm::Browse2Click);
    connect(Ok, &QPushButton::clicked, this, &TSetupForm::OkClick);
    connect(Cancel, &QPushButton::clicked, this, &TSetupForm::CancelClick);
    setMainAction(this, Ok);
    focusOnShow(this, BarsListPath);
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
    Autosave->setChecked(autosaveEnabled());
    Language->setCurrentIndex(std::max(0, Language->findData(chosenLanguage())));
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
    if (auto path = dialogs_.openFile({tr("Select the bars list file"), QStringLiteral("bar"),
                                       tr("Bars list file (*.bar)|*.bar")}))
        BarsListPath->setText(*path);
}

void TSetupForm::Browse2Click() {
    if (auto path = dialogs_.openFile({tr("Select the drinks list file"), QStringLiteral("drk"),
                                       tr("Drinks List File (*.drk)|*.drk")}))
        DrinksListPath->setText(*path);
}

void TSetupForm::OkClick() {
    const QByteArray bars = BarsListPath->text().toUtf8();
    const QByteArray drinks = DrinksListPath->text().toUtf8();
    const SetupChoice choice{PopupStart->isChecked(),
                             PauseBeer->isChecked(),
                             DrinkClose->isChecked(),
                             {bars.constData(), static_cast<std::size_t>(bars.size())},
                             {drinks.constData(), static_cast<std::size_t>(drinks.size())}};
    ConfigFile store(kConfigFileName);
    if (applySetup(game_.config, store, choice, voice_) != SetupEnd::Close) return;
    if (Autosave->isChecked() != autosaveEnabled() && !setAutosaveEnabled(Autosave->isChecked())) {
        voice_.say(configUnwritable());
        return;
    }
    const QString language = Language->currentData().toString();
    const QString spoken = effectiveLanguage(chosenLanguage());
    if (language != chosenLanguage() && !setChosenLanguage(language)) {
        voice_.say(configUnwritable());
        return;
    }
    // Told in the language chosen, which the player reads best.
    if (effectiveLanguage(language) != spoken)
        dialogs_.information(inLanguage(effectiveLanguage(language), kNextStartNote));
    hide();
}

void TSetupForm::CancelClick() {
    hide();
}

void TSetupForm::reject() {
    CancelClick();
}

} // namespace tavo::ui
