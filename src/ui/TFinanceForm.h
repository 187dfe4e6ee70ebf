// The "Finances" window: month by month, the money at each month's end and
// each bar's profit and visitors, as charts. It follows the running game:
// shown again, or at a month change while open, it draws the months anew.
#pragma once

#include "game/Session.h"

#include <QDialog>

class QChart;
class QLabel;
class QPushButton;
class QTabWidget;

namespace tavo::ui {

class TFinanceForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    explicit TFinanceForm(Session& session);
    void gameReplaced() override;
    void monthEnded() override;

    void FormShow();
    void CloseButClick();

    QLabel* Summary;
    QTabWidget* Pages;
    QChart* MoneyChart;
    QChart* ProfitChart;
    QChart* VisitorsChart;
    QPushButton* CloseBut;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
};

} // namespace tavo::ui
