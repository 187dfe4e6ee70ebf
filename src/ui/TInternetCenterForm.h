// The Internet Center: "Infos" fetches the latest version's notes and shows
// them under the running version, "News" fetches the news; the link picture
// opens the web site. Fetches run while the game goes on.
#pragma once

#include "ui/DialogsVoice.h"
#include "ui/WebFetch.h"

#include <QDialog>

#include <optional>

class QTextEdit;

namespace tavo::ui {

class Dialogs;
class PictureButton;

class TInternetCenterForm final : public QDialog {
    Q_OBJECT
public:
    explicit TInternetCenterForm(Dialogs& dialogs);

    // Handlers.
    void InfosOmbreMouseMove();
    void NewsOmbreMouseMove();
    void FormMouseMove();
    void InfosButClick();
    void NewsButClick();
    void WebLinkClick();

    // Controls: each picture button is a normal picture (Ombre) under its
    // highlighted twin (But), which alone takes the mouse's clicks.
    PictureButton* InfosOmbre;
    PictureButton* InfosBut;
    PictureButton* NewsOmbre;
    PictureButton* NewsBut;
    QTextEdit* NetMsg;
    PictureButton* WebLink;

    WebFetch fetch;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum class Document { Infos, News };
    void fetchDocument(Document document);
    void fetched(const QString& text);
    void fetchFailed(FetchFailure failure, int status);
    void setBusy(bool busy);

    std::optional<Document> asked_;    // while a fetch runs
    PictureButton* pressed_ = nullptr; // with the keyboard, while a fetch runs
    Dialogs& dialogs_;
    DialogsVoice voice_{dialogs_, this};
};

} // namespace tavo::ui
