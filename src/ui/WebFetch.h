// One document fetched from the game's web site while the game goes on:
// the whole fetch has a deadline (a server that drips bytes is cut off
// too), only a success status counts, the document is read no further than
// its cap, and redirects stay on the site's host, a few hops at most.
#pragma once

#include "leisure/InternetCenter.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace tavo::ui {

class WebFetch final : public QObject {
    Q_OBJECT
public:
    struct Limits {
        int deadlineMs = kFetchDeadlineMs;
        qint64 cap = kDocumentCap;
        int maxRedirects = kMaxRedirects;
    };

    explicit WebFetch(QObject* parent = nullptr);

    void setLimits(const Limits& limits) { limits_ = limits; }
    const Limits& limits() const { return limits_; }

    // Starts fetching `address`; a fetch still running is dropped unheard.
    void start(const QUrl& address);
    // Drops the running fetch, if any, without a word.
    void cancel();
    bool running() const { return reply_ != nullptr; }

signals:
    void succeeded(const QString& text);
    void failed(tavo::FetchFailure failure, int status);

private:
    void send(const QUrl& address);
    void headersArrived();
    void bytesArrived();
    void replyFinished();
    // A redirect to `target`, followed when it stays on the site.
    void redirect(const QUrl& target);
    void fail(FetchFailure failure, int status = 0);
    void drop();

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    QTimer deadline_;
    QByteArray body_;
    QUrl site_; // the address first asked for: its host is the site's
    int hops_ = 0;
    Limits limits_;
};

} // namespace tavo::ui
