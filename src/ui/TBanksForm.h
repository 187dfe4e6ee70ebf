// The bank directory, "Choose a bank": the four banks of the town in two
// groups that act as one, and "Enter the bank".
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

#include <cstdint>

class QPushButton;
class QRadioButton;

namespace tavo::ui {

class Dialogs;
struct Forms;

class TBanksForm final : public QDialog {
    Q_OBJECT
public:
    TBanksForm(Dialogs& dialogs, Forms& forms);

    void ClearForm();
    void InvestBankClick();
    void InterBankClick();
    void GermanBankClick();
    void SuisaCashClick();
    void EnterBankEnabled();
    void EnterBankClick();

    QRadioButton* InvestBank;
    QRadioButton* InterBank;
    QRadioButton* GermanBank;
    QRadioButton* SuisaCash;
    QPushButton* EnterBank;

    std::int16_t selectedBank = 0; // kept for the whole run

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(std::int16_t bank, std::initializer_list<QRadioButton*> otherGroup);

    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
    Forms& forms_;
};

} // namespace tavo::ui
