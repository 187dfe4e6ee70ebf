// The three bank windows, twins that differ by bank: a picture, the
// account page with membership and the service buttons, the account's
// status page, a page of fixed terms, "Help" and "Leave the bank". A
// refresh timer runs while the window is open; each showing and each tick
// sets every control from the account as it stands.
#pragma once

#include "game/Session.h"
#include "ui/DialogsVoice.h"
#include "ui/GameTimer.h"

#include <QDialog>

#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace tavo::ui {

class Dialogs;
class InvestForm;
class LoanRefundForm;
class LoanRequestForm;
class TGermInsuForm;

class BankForm : public QDialog, public SessionListener {
    Q_OBJECT
public:
    // The forms a bank's services open (those the bank offers).
    struct Services {
        InvestForm* invest = nullptr;
        LoanRequestForm* loanRequest = nullptr;
        LoanRefundForm* loanRefund = nullptr;
        TGermInsuForm* insurance = nullptr;
    };

    int bank() const { return bank_; }
    void setServices(const Services& services) { services_ = services; }

    // A way into the bank: the window shows, modeless, in front, and its
    // refresh timer starts.
    void enter();

    void FormShow();
    void UpdateTimerTimer();
    void MemberSetupClick();
    void LeaveBankClick();
    void HelpButClick();
    void InvestmentSetupClick();
    void InvestRefundClick();
    void LoanSetupClick();
    void RefundingLoanClick();
    void InsuranceSetupClick();
    void LeaveInsClick();

    GameTimer* UpdateTimer;
    QTabWidget* Pages;
    QLineEdit* StatusBox;
    QPushButton* MemberSetup;
    QLabel* PriceMsg;
    // The service buttons; nullptr where the bank does not offer them.
    QPushButton* InvestmentSetup = nullptr;
    QPushButton* InvestRefund = nullptr;
    QPushButton* LoanSetup = nullptr;
    QPushButton* RefundingLoan = nullptr;
    QPushButton* InsuranceSetup = nullptr;
    QPushButton* LeaveIns = nullptr;
    QLabel* NotMemMsg;
    QStackedWidget* InfoPage; // the not-member line, or the account's groups
    QGroupBox* InvesStatus = nullptr;
    QLineEdit* InvestYearDone = nullptr;
    QLineEdit* InvestYearLeft = nullptr;
    QLineEdit* InvestNow = nullptr;
    QGroupBox* LoanStatus = nullptr;
    QLineEdit* LoanStart = nullptr;
    QLineEdit* LoanYearDone = nullptr;
    QLineEdit* LoanLeft = nullptr;
    QGroupBox* InsStatus = nullptr;
    QCheckBox* FireInsCheckBox = nullptr;
    QCheckBox* StoleCheckBox = nullptr;
    QLineEdit* FireCost = nullptr;
    QLineEdit* StoleCost = nullptr;
    QPushButton* HelpBut;
    QPushButton* LeaveBank;

protected:
    // What makes one bank's window its own.
    struct Look {
        int bank;
        const char* title;
        const char* picture;
        int refreshInterval;
        const char* priceMessage;
        const char* yearsDoneCaption; // of the investment status
        const char* termsPage;
        // The terms page: groups of lines.
        std::vector<std::pair<const char*, std::vector<const char*>>> terms;
    };
    BankForm(Session& session, Dialogs& dialogs, const Look& look);
    void gameReplaced() override;

    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
    int bank_;
    Services services_;
};

class TInvestBankForm final : public BankForm {
public:
    TInvestBankForm(Session& session, Dialogs& dialogs);
};

class TGermBankForm final : public BankForm {
public:
    TGermBankForm(Session& session, Dialogs& dialogs);
};

class TChinaCashForm final : public BankForm {
public:
    TChinaCashForm(Session& session, Dialogs& dialogs);
};

} // namespace tavo::ui
