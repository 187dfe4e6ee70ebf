#include "ui/Forms.h"

#include "ui/TDisasFireForm.h"
#include "ui/TGameForm.h"
#include "ui/TMainForm.h"
#include "ui/TPassForm.h"
#include "ui/TPopupForm.h"
#include "ui/TSetupForm.h"

namespace tavo::ui {

FormSet::FormSet(Dialogs& dialogs, const TimeSource& clock) {
    mainForm_ = std::make_unique<TMainForm>(forms_, dialogs, clock);
    forms_.mainForm = mainForm_.get();
    Game& game = mainForm_->game();
    fireForm_ = std::make_unique<TDisasFireForm>(game, dialogs, clock);
    forms_.fireForm = fireForm_.get();
    gameForm_ = std::make_unique<TGameForm>(game, dialogs, forms_);
    forms_.gameForm = gameForm_.get();
    passForm_ = std::make_unique<TPassForm>(forms_);
    forms_.passForm = passForm_.get();
    popupForm_ = std::make_unique<TPopupForm>(game, dialogs);
    forms_.popupForm = popupForm_.get();
    setupForm_ = std::make_unique<TSetupForm>(game, dialogs);
    forms_.setupForm = setupForm_.get();
    // Owner creation, where a new game goes next, comes with a later version.
    mainForm_->setNewGameAvailable(false);
}

FormSet::~FormSet() {
    setupForm_.reset();
    popupForm_.reset();
    passForm_.reset();
    gameForm_.reset();
    fireForm_.reset();
    mainForm_.reset();
}

} // namespace tavo::ui
