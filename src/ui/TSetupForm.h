// The setup window: the three options and the two list files, written to
// config.kpl. It is left only by Ok or Cancel.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tavo::ui {

class Dialogs;

class TSetupForm final : public QDialog {
    Q_OBJECT
public:
    TSetupForm(Session& session, Dialogs& dialogs);

    void FormShow();
    void Browse1Click();
    void Browse2Click();
    void OkClick();
    void CancelClick();

    QCheckBox* PopupStart;
    QCheckBox* PauseBeer;
    QCheckBox* DrinkClose;
    QCheckBox* Autosave; // kept in the game's settings file, not in config.kpl
    QComboBox* Language; // kept there too, taken at the next start
    QLineEdit* BarsListPath;
    QLineEdit* DrinksListPath;
    QPushButton* Browse1;
    QPushButton* Browse2;
    QPushButton* Ok;
    QPushButton* Cancel;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    Session& session_;
    Game& game_;
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
};

} // namespace tavo::ui
