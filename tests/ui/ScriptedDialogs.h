// Dialogs for the window tests: every dialog is recorded, and answers come
// from queues the test fills (No, cancel or nothing when a queue is empty).
#pragma once

#include "ui/Dialogs.h"

#include <deque>
#include <functional>
#include <vector>

namespace tavo::ui::test {

struct ShownDialog {
    enum Kind { Message, MessageBox, Confirm, Information, ErrorBox, OpenFile, SaveFile, OpenUrl };
    Kind kind;
    QString text; // the text, or the file dialog's title, or the address
    QString title;
    DialogButtons buttons = DialogButtons::Ok;
    DialogIcon icon = DialogIcon::None;
    FileDialogSpec file;
    QWidget* asker = nullptr; // the window whose voice spoke, if one did
};

class ScriptedDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    DialogAnswer messageBox(const QString& text, const QString& title, DialogButtons buttons,
                            DialogIcon icon) override;
    bool confirm(const QString& text) override;
    void information(const QString& text) override;
    void errorBox(const QString& text) override;
    std::optional<QString> openFile(const FileDialogSpec& spec) override;
    std::optional<QString> saveFile(const FileDialogSpec& spec) override;
    bool openUrl(const QUrl& url) override;

    // The texts shown, in order (for file dialogs, their titles).
    QStringList texts() const;
    void clear() { shown.clear(); }

    std::vector<ShownDialog> shown;
    std::deque<bool> yes;                        // answers to Yes/No questions
    std::deque<std::optional<QString>> files;    // answers to file dialogs
    std::function<void()> whileErrorShown;       // runs while an error box waits
    std::function<void()> whileInformationShown; // runs while an information message waits
    std::function<void()> whileMessageShown;     // runs while a plain message waits
    bool browser = true;                         // whether an address can be opened

private:
    void record(ShownDialog dialog);
};

} // namespace tavo::ui::test
