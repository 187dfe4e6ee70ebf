// Renders every window of the game to a PNG file, so that anyone can look
// at all of them at once:
//   QT_QPA_PLATFORM=offscreen [QT_SCALE_FACTOR=2] tavo-render-windows OUTPUT_FOLDER

#include "SampleGame.h"
#include "ScriptedDialogs.h"

#include "core/TimeSource.h"
#include "ui/Forms.h"
#include "ui/TBarSetupForm.h"
#include "ui/TDisasFireForm.h"
#include "ui/TDrinkForm.h"
#include "ui/TGameForm.h"
#include "ui/TInfoForm.h"
#include "ui/TMainForm.h"
#include "ui/TMapForm.h"
#include "ui/TNewCarForm.h"
#include "ui/TPassForm.h"
#include "ui/TPopupForm.h"
#include "ui/TPromoteForm.h"
#include "ui/TSetupForm.h"
#include "ui/TavoApplication.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <cstdio>

using namespace tavo::ui;

namespace {

bool render(QWidget* window, const QDir& folder, const QString& name) {
    window->show();
    QApplication::processEvents();
    const QPixmap shot = window->grab();
    const QString scale = QString::number(shot.devicePixelRatio() * 100);
    const QString path =
        folder.filePath(name + QStringLiteral("@") + scale + QStringLiteral(".png"));
    const bool saved = shot.save(path);
    std::printf("%s %s (%dx%d)\n", saved ? "wrote" : "FAILED", qPrintable(path), shot.width(),
                shot.height());
    window->hide();
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    TavoApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavo-render-windows OUTPUT_FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    folder.setPath(folder.absolutePath());

    test::GameFolder files(test::GameFolder::ShippedLists);
    test::ScriptedDialogs dialogs;
    app.setDialogs(&dialogs);
    tavo::FixedTimeSource clock(1000000);
    FormSet windows(dialogs, clock);
    Forms& forms = windows.forms();
    tavo::Game& game = forms.mainForm->game();

    bool ok = render(forms.mainForm, folder, QStringLiteral("main-menu"));
    ok &= render(forms.popupForm, folder, QStringLiteral("popup"));

    game.state = test::sampleGame();
    forms.infoForm->prepareOwner();
    TGameForm* gameForm = forms.gameForm;
    for (const char* text :
         {"Happy new year!", "The bar you just buy isn't open yet. Open it to make business.",
          "You've got 3 numbers on 6!"})
        gameForm->post(text);
    gameForm->DebugMenu->show();
    gameForm->CashTimerTimer();
    gameForm->BeerStockTimer();
    ok &= render(gameForm, folder, QStringLiteral("game"));
    gameForm->Pause1Click();
    gameForm->CashTimerTimer();
    ok &= render(gameForm, folder, QStringLiteral("game-paused"));

    ok &= render(forms.setupForm, folder, QStringLiteral("setup"));

    forms.newCarForm->TheWomen->click();
    forms.newCarForm->OwnerName->setText(QStringLiteral("Jo Martel"));
    ok &= render(forms.newCarForm, folder, QStringLiteral("owner"));

    forms.mapForm->showInGame();
    forms.mapForm->BarListBox->setCurrentRow(1);
    ok &= render(forms.mapForm, folder, QStringLiteral("map"));

    forms.barSetupForm->show();
    forms.barSetupForm->BarName->setText(QStringLiteral("Jo's Corner"));
    forms.barSetupForm->Alternatif->click();
    forms.barSetupForm->LowClass->click();
    forms.barSetupForm->prepareSale(1, 85000, 67000);
    ok &= render(forms.barSetupForm, folder, QStringLiteral("bar-setup"));

    gameForm->BuyDrinksClick();
    forms.drinkForm->BarOwnList->setCurrentRow(1);
    forms.drinkForm->DrinksListBox->setCurrentRow(1);
    forms.drinkForm->QtyBuy->setText(QStringLiteral("50"));
    ok &= render(forms.drinkForm, folder, QStringLiteral("drinks"));

    game.state.bars[0].profitThisMonth = -340;
    forms.infoForm->show();
    forms.infoForm->BarOwnList->setCurrentRow(0);
    ok &= render(forms.infoForm, folder, QStringLiteral("information"));

    forms.promoteForm->show();
    forms.promoteForm->RadioPub->setChecked(true);
    ok &= render(forms.promoteForm, folder, QStringLiteral("promotion"));
    ok &= render(forms.passForm, folder, QStringLiteral("password"));
    ok &= render(forms.fireForm, folder, QStringLiteral("fire"));
    return ok ? 0 : 1;
}
