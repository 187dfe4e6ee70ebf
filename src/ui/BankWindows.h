// The bank windows, made together and wired to each other: the directory,
// the three banks and the forms of their services.
#pragma once

#include <memory>
#include <vector>

class QWidget;

namespace tavo {
class Session;
}

namespace tavo::ui {

class BankForm;
class Dialogs;
struct Forms;

// Makes the windows, enters them in `forms` and hands them over.
std::vector<std::unique_ptr<QWidget>> makeBankWindows(Session& session, Dialogs& dialogs,
                                                      Forms& forms);

// The window of a bank that has one (Invest Bank, German Bank, China
// Cash), else nullptr.
BankForm* bankWindow(Forms& forms, int bank);

} // namespace tavo::ui
