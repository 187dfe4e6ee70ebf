#include "ScriptedDialogs.h"

namespace tavo::ui::test {
namespace {

bool nextYes(std::deque<bool>& answers) {
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> nextFile(std::deque<std::optional<QString>>& answers) {
    if (answers.empty()) return std::nullopt;
    const std::optional<QString> path = answers.front();
    answers.pop_front();
    return path;
}

ShownDialog shownDialog(ShownDialog::Kind kind, const QString& text, const QString& title = {},
                        DialogButtons buttons = DialogButtons::Ok,
                        DialogIcon icon = DialogIcon::None, const FileDialogSpec& file = {}) {
    ShownDialog dialog{kind, text, title, buttons, icon, file};
    return dialog;
}

} // namespace

void ScriptedDialogs::record(ShownDialog dialog) {
    dialog.asker = speaker();
    shown.push_back(std::move(dialog));
}

void ScriptedDialogs::message(const QString& text) {
    record(shownDialog(ShownDialog::Message, text, kAppTitleText));
    if (whileMessageShown) whileMessageShown();
}

DialogAnswer ScriptedDialogs::messageBox(const QString& text, const QString& title,
                                         DialogButtons buttons, DialogIcon icon) {
    record(shownDialog(ShownDialog::MessageBox, text, title, buttons, icon));
    if (buttons == DialogButtons::Ok) return DialogAnswer::Ok;
    return nextYes(yes) ? DialogAnswer::Yes : DialogAnswer::No;
}

bool ScriptedDialogs::confirm(const QString& text) {
    record(shownDialog(ShownDialog::Confirm, text, QStringLiteral("Confirm"), DialogButtons::YesNo,
                       DialogIcon::Question));
    return nextYes(yes);
}

void ScriptedDialogs::information(const QString& text) {
    record(shownDialog(ShownDialog::Information, text, kAppTitleText, DialogButtons::Ok,
                       DialogIcon::Information));
    if (whileInformationShown) whileInformationShown();
}

void ScriptedDialogs::errorBox(const QString& text) {
    record(shownDialog(ShownDialog::ErrorBox, text, kAppTitleText, DialogButtons::Ok,
                       DialogIcon::Stop));
    if (whileErrorShown) whileErrorShown();
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogSpec& spec) {
    record(shownDialog(ShownDialog::OpenFile, spec.title, {}, DialogButtons::Ok, DialogIcon::None,
                       spec));
    return nextFile(files);
}

std::optional<QString> ScriptedDialogs::saveFile(const FileDialogSpec& spec) {
    record(shownDialog(ShownDialog::SaveFile, spec.title, {}, DialogButtons::Ok, DialogIcon::None,
                       spec));
    return nextFile(files);
}

bool ScriptedDialogs::openUrl(const QUrl& url) {
    record(shownDialog(ShownDialog::OpenUrl, url.toString()));
    return browser;
}

QStringList ScriptedDialogs::texts() const {
    QStringList all;
    for (const ShownDialog& dialog : shown)
        all << dialog.text;
    return all;
}

} // namespace tavo::ui::test
