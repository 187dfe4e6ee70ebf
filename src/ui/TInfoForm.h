// The bar information window, "Informations": the owner, one owned bar at
// a time with its figures, stock and month statistics, refreshed every
// second; the bar can be opened or closed and its entry price changed.
#pragma once

#include "core/StockPages.h"
#include "game/Session.h"
#include "ui/DialogsVoice.h"
#include "ui/GameTimer.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tavo::ui {

class Dialogs;

class TInfoForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    TInfoForm(Session& session, Dialogs& dialogs);
    void gameReplaced() override;

    // Owner creation writes the owner's name and type here.
    void prepareOwner();

    void FormShow();
    void BarOwnListClick();
    void TimerTimer();
    void ChangeStatusClick();
    void SetPriceClick();
    void CloseButClick();
    void FormClose();

    GameTimer* Timer;
    QLabel* OwnerName;
    QRadioButton* Buisness;
    QRadioButton* CoolDude;
    QRadioButton* TheWomen;
    QLineEdit* MoneyLabel;
    QLabel* BarName;
    QRadioButton* LowClass;
    QRadioButton* HighClass;
    QRadioButton* DarkClass;
    QRadioButton* RaveClass;
    QCheckBox* Alternatif;
    QCheckBox* Techno;
    QCheckBox* Rock;
    QCheckBox* Metal;
    QCheckBox* Dance;
    QLineEdit* MaxClients;
    QLineEdit* PeakClient;
    QLineEdit* RefundLeft;
    QLineEdit* MonthPay;
    QLineEdit* TaxesMonth;
    QLabel* StatusBar;
    QPushButton* ChangeStatus;
    QLineEdit* PriceEnter;
    QPushButton* SetPrice;
    QLineEdit* ProfitMBox;
    QLineEdit* VisitorsMBox;
    QLineEdit* ProfitLBox;
    QLineEdit* VisitorsLBox;
    QLineEdit* ProfitLot;
    std::array<QLabel*, 4> Beer;
    std::array<QLineEdit*, 4> Stock;
    QListWidget* BarOwnList;
    QPushButton* CloseBut;

    StockPages stockPages; // its counter lives for the whole run

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    bool acceptPrice();
    const BarRecord* shownBar() const;

    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
    int listedBarCount_ = 0;
};

} // namespace tavo::ui
