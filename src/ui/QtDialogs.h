// Dialogs shown with QMessageBox and QFileDialog, addresses opened with
// QDesktopServices.
#pragma once

#include "ui/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

namespace tavo::ui {

// A file dialog as the game describes it: mode, filter shown once, suffix.
void setUpFileDialog(QFileDialog& dialog, const FileDialogSpec& spec, QFileDialog::AcceptMode mode);

// Every dialog has the window that asked as its parent, so it opens in
// front of that window (of an always-on-top one too) with the keyboard.
class QtDialogs final : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;
    QtDialogs(const QtDialogs&) = delete;
    QtDialogs& operator=(const QtDialogs&) = delete;
    void message(const QString& text) override;
    DialogAnswer messageBox(const QString& text, const QString& title, DialogButtons buttons,
                            DialogIcon icon) override;
    bool confirm(const QString& text) override;
    void information(const QString& text) override;
    void errorBox(const QString& text) override;
    std::optional<QString> openFile(const FileDialogSpec& spec) override;
    std::optional<QString> saveFile(const FileDialogSpec& spec) override;
    bool openUrl(const QUrl& url) override;

    // Where the save and load dialogs open; empty for the current folder.
    void setSavesFolder(const QString& folder) { savesFolder_ = folder; }

    // The window a dialog shown now belongs to.
    QWidget* asker() const;

private:
    static constexpr const char* kOwnDialog = "tavoOwnDialog";
    QMessageBox::StandardButton run(QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons);
    std::optional<QString> runFileDialog(const FileDialogSpec& spec, QFileDialog::AcceptMode mode);
    QString savesFolder_;
    QPointer<QWidget> lastAsker_;
    QMetaObject::Connection focusWatch_;
};

} // namespace tavo::ui
