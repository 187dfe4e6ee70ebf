// The administrator settings window, "Setting for your employe": the duty
// groups of one administrator, Close & Save, Fire and Cancel. It brings
// the staff list back whenever it closes.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavo::ui {

class Dialogs;
struct Forms;

class TAdminViewForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TAdminViewForm(Session& session, Dialogs& dialogs, Forms& forms);
    void gameReplaced() override;

    // Shows the settings of the staff list's selected administrator, shown
    // again when the window is already open for another.
    void showSettings();
    // Hides the window without bringing the staff list back (a load, the
    // return to the main menu).
    void dismiss();

    void FormShow();
    void FormClose();
    void CloseSaveClick();
    void FireClick();
    void CancelClick();

    QLabel* NameAdmin;
    QGroupBox* LottoGroup;
    QLabel* NbrTickets;
    QLabel* TicketPriceLabel;
    QLineEdit* NbrTicket;
    QGroupBox* DrinkGroup;
    QLineEdit* BuyBeers;
    QGroupBox* LoanGroup;
    QLineEdit* RefWhen;
    QLineEdit* RefAmount;
    QPushButton* CloseSave;
    QPushButton* Fire;
    QPushButton* Cancel;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int selectedAdmin() const;

    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    Forms& forms_;
    DialogsVoice voice_;
    bool dismissing_ = false;
};

} // namespace tavo::ui
