#include "ui/TavoApplication.h"

#include "core/NumberText.h"

#include <exception>

namespace tavo::ui {

TavoApplication::TavoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kAppTitle);
    setApplicationDisplayName(kAppTitle);
}

bool TavoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const ConversionError& error) {
        if (dialogs_) dialogs_->errorBox(QString::fromStdString(error.what()));
    } catch (const std::exception& error) {
        if (dialogs_) dialogs_->errorBox(QString::fromStdString(error.what()));
    }
    return true;
}

} // namespace tavo::ui
