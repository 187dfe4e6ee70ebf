// Dialogs shown with QMessageBox and QFileDialog, addresses opened with
// QDesktopServices.
#pragma once

#include "ui/Dialogs.h"

#include <QFileDialog>

namespace tavo::ui {

// A file dialog as the game describes it: mode, filter shown once, suffix.
void setUpFileDialog(QFileDialog& dialog, const FileDialogSpec& spec, QFileDialog::AcceptMode mode);

class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    DialogAnswer messageBox(const QString& text, const QString& title, DialogButtons buttons,
                            DialogIcon icon) override;
    bool confirm(const QString& text) override;
    void information(const QString& text) override;
    void errorBox(const QString& text) override;
    std::optional<QString> openFile(const FileDialogSpec& spec) override;
    std::optional<QString> saveFile(const FileDialogSpec& spec) override;
    void openUrl(const QUrl& url) override;

    // Where the save and load dialogs open; empty for the current folder.
    void setSavesFolder(const QString& folder) { savesFolder_ = folder; }

private:
    std::optional<QString> runFileDialog(const FileDialogSpec& spec, QFileDialog::AcceptMode mode);
    QString savesFolder_;
};

} // namespace tavo::ui
