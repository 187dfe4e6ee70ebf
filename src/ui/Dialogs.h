// The one door to modal dialogs and the desktop: messages, questions, file
// dialogs and the system's "open" action. The game uses QtDialogs; the
// window tests use a scripted fake.
#pragma once

#include "core/Voice.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <optional>

namespace tavo::ui {

inline const QString kAppTitleText = QString::fromLatin1(tavo::kAppTitle);

enum class DialogIcon { None, Stop, Question, Information };
enum class DialogButtons { Ok, YesNo };
enum class DialogAnswer { Ok, Yes, No };

// A file dialog as the game describes it. The filter is written the game's
// way, "Label|pattern|Label|pattern" (see toQtFilter).
struct FileDialogSpec {
    QString title;
    QString defaultSuffix; // without the dot
    QString filter;
    // A save or load of a game: the dialog opens in the saves folder.
    bool savedGames = false;
};

// "Save Files (*.sav)|*.sav|All Files (*.txt)|*.*" as a Qt name filter
// list: "Save Files (*.sav) (*.sav);;All Files (*.txt) (*)".
QString toQtFilter(const QString& gameFilter);

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A plain message with an OK button, titled with the application title.
    virtual void message(const QString& text) = 0;
    // A message box with the caller's title, buttons and icon.
    virtual DialogAnswer messageBox(const QString& text, const QString& title,
                                    DialogButtons buttons, DialogIcon icon) = 0;
    // The toolkit's confirmation: title "Confirm", Yes/No. True on Yes.
    virtual bool confirm(const QString& text) = 0;
    // An information message with an OK button.
    virtual void information(const QString& text) = 0;
    // The application's display of an error that escaped a handler.
    virtual void errorBox(const QString& text) = 0;
    // The chosen file's full path, or nothing when the player cancels.
    virtual std::optional<QString> openFile(const FileDialogSpec& spec) = 0;
    virtual std::optional<QString> saveFile(const FileDialogSpec& spec) = 0;
    // Opens an address (web page, mailto:) with the system's default
    // handler; false when no program could be started for it.
    virtual bool openUrl(const QUrl& url) = 0;

    // The window a dialog shown now belongs to, while one speaks (a
    // window's voice); otherwise none, and the window in front is taken.
    QWidget* speaker() const { return speaker_; }

    // While it lives, the dialogs shown belong to `window`.
    class Speaking {
    public:
        Speaking(Dialogs& dialogs, QWidget* window) : dialogs_(dialogs), before_(dialogs.speaker_) {
            if (window != nullptr) dialogs_.speaker_ = window;
        }
        ~Speaking() { dialogs_.speaker_ = before_; }
        Speaking(const Speaking&) = delete;
        Speaking& operator=(const Speaking&) = delete;

    private:
        Dialogs& dialogs_;
        QPointer<QWidget> before_;
    };

    // Opens an address; when nothing can open it the player is told, with
    // the address to copy.
    void openAddress(const QUrl& url) {
        if (!openUrl(url))
            messageBox(QCoreApplication::translate(
                           "tavo", "No web browser could be started. The address is:\n") +
                           url.toString(),
                       kAppTitleText, DialogButtons::Ok, DialogIcon::Information);
    }

private:
    QPointer<QWidget> speaker_;
};

} // namespace tavo::ui
