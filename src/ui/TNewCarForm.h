// Owner creation, "Create a new character": the owner's name and one of
// three archetypes with their ratings and starting money.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace tavo::ui {

class Dialogs;
struct Forms;

class TNewCarForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TNewCarForm(Session& session, Dialogs& dialogs, Forms& forms);
    void gameReplaced() override;

    void BuisnessClick();
    void CoolDudeClick();
    void TheWomenClick();
    void CreateClick();
    void CancelClick();
    void BusinDescClick();
    void CoolDescClick();
    void WomanDescClick();
    void CredButClick();
    void KnowButClick();

    QLineEdit* OwnerName;
    QRadioButton* Buisness;
    QRadioButton* CoolDude;
    QRadioButton* TheWomen;
    QLineEdit* Credibility;
    QLineEdit* Knowelge;
    QLineEdit* Money;
    QPushButton* Create;
    QPushButton* Cancel;
    QStatusBar* Status;

    // Every new game starts the window as it is laid out: no archetype,
    // empty name, ratings and money, Create disabled.
    void ClearForm();

protected:
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    void applyArchetype(int ownerType);

    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
    Forms& forms_;
};

} // namespace tavo::ui
