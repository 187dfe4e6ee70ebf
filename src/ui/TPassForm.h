// The debug centre's password window: the right password shows the game
// window's Debug Menu.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavo::ui {

struct Forms;

class TPassForm final : public QDialog {
    Q_OBJECT
public:
    explicit TPassForm(Forms& forms);

    void PasswordClick();
    void ValidClick();

    QLineEdit* Password;
    QLineEdit* Pass; // the expected password, hidden and disabled
    QLabel* Status;
    QPushButton* Valid;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Forms& forms_;
};

} // namespace tavo::ui
