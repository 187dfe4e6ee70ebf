// Bar setup, "Setup of the new bar": name, music, class and entry price of
// the bar picked on the map; Create buys it.
#pragma once

#include "bars/BarPurchase.h"
#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace tavo::ui {

class Dialogs;
struct Forms;

class TBarSetupForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TBarSetupForm(Session& session, Dialogs& dialogs, Forms& forms);
    void gameReplaced() override;

    // Set by the map before the window shows.
    void applyClassMask(std::int32_t classMask);
    void prepareSale(int selectedBar, double moneyBefore, double moneyAfter);

    void ClearScreen();
    void BarNameChange();
    void LowClassClick();
    void HighClassClick();
    void DarkClassClick();
    void RaveClassClick();
    void AlternatifClick();
    void TechnoClick();
    void DanceClick();
    void MetalClick();
    void RockClick();
    void CreateClick();
    void CancelClick();

    QLineEdit* BarName;
    QCheckBox* Alternatif;
    QCheckBox* Techno;
    QCheckBox* Dance;
    QCheckBox* Metal;
    QCheckBox* Rock;
    QRadioButton* LowClass;
    QRadioButton* HighClass;
    QRadioButton* DarkClass;
    QRadioButton* RaveClass;
    QLineEdit* PriceEnter;
    QLineEdit* MoneyBefore;
    QLineEdit* MoneyAfter;
    QPushButton* Create;
    QPushButton* Cancel;
    QStatusBar* Status;

    int selectedBar = -1;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void musicClicked(QCheckBox* box, int music);
    void chooseClass(int barClass);

    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
    Forms& forms_;
    QButtonGroup* classes_;
};

} // namespace tavo::ui
