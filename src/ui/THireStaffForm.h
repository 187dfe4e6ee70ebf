// The hire window, "Hire Staff for you bars": the four candidates, their
// self-introductions, and Hire.
#pragma once

#include "game/Session.h"
#include "staff/Roster.h"
#include "ui/DialogsVoice.h"

#include <QDialog>

#include <array>

class QPushButton;
class QRadioButton;

namespace tavo::ui {

class Dialogs;

// A candidate's line in the hire window, which the settings window shows
// too: name, age and salary in columns.
QString candidateCaption(const Candidate& candidate);

class THireStaffForm final : public QDialog, public SessionListener {
    Q_OBJECT
public:
    THireStaffForm(Session& session, Dialogs& dialogs);
    void gameReplaced() override;

    void FormShow();
    void FormClose();
    void NedDetailsClick();
    void IdaDetailsClick();
    void SamDetailsClick();
    void LeoDetailClick();
    void HireClick();
    void CloseButClick();

    QRadioButton* NedTarrow;
    QRadioButton* IdaBrenn;
    QRadioButton* SamKorr;
    QRadioButton* LeoVask;
    QPushButton* NedDetails;
    QPushButton* IdaDetails;
    QPushButton* SamDetails;
    QPushButton* LeoDetail;
    QPushButton* Hire;
    QPushButton* CloseBut;

    // The four choices by staff ID (entry id - 1).
    std::array<QRadioButton*, 4> choices() const { return {NedTarrow, IdaBrenn, SamKorr, LeoVask}; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void clearSelection();

    Session& session_;
    Game& game_;
    Listening listening_{session_, this};
    DialogsVoice voice_;
};

} // namespace tavo::ui
