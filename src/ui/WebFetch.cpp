#include "ui/WebFetch.h"

#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>

namespace tavo::ui {
namespace {

bool isWeb(const QUrl& address) {
    return address.isValid() && (address.scheme() == QLatin1String("http") ||
                                 address.scheme() == QLatin1String("https"));
}

// UTF-8, or, for a document written before it, one byte a character.
QString documentText(const QByteArray& body) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(body);
    return utf8.hasError() ? QString::fromLatin1(body) : text;
}

int statusOf(const QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

} // namespace

WebFetch::WebFetch(QObject* parent) : QObject(parent) {
    manager_.setProxy(QNetworkProxy::NoProxy);
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] { fail(FetchFailure::Deadline); });
}

void WebFetch::start(const QUrl& address) {
    cancel();
    hops_ = 0;
    site_ = address;
    if (!isWeb(address)) {
        fail(FetchFailure::Connection);
        return;
    }
    deadline_.start(limits_.deadlineMs);
    send(address);
}

void WebFetch::cancel() {
    deadline_.stop();
    drop();
}

void WebFetch::send(const QUrl& address) {
    body_.clear();
    QNetworkRequest request(address);
    // Redirects are judged here, one by one.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tavo/0.4.1"));
    reply_ = manager_.get(request);
    // Bytes wait in the socket until read: the cap bounds what is held.
    reply_->setReadBufferSize(limits_.cap + 1);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &WebFetch::headersArrived);
    connect(reply_, &QNetworkReply::readyRead, this, &WebFetch::bytesArrived);
    connect(reply_, &QNetworkReply::finished, this, &WebFetch::replyFinished);
}

void WebFetch::headersArrived() {
    const int status = statusOf(reply_);
    if (status >= 300 && status < 400 && reply_->hasRawHeader(QByteArrayLiteral("Location"))) {
        redirect(reply_->url().resolved(
            QUrl::fromEncoded(reply_->rawHeader(QByteArrayLiteral("Location")))));
        return;
    }
    if (status < 200 || status >= 300) {
        fail(FetchFailure::Status, status);
        return;
    }
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > limits_.cap) fail(FetchFailure::TooLarge);
}

void WebFetch::redirect(const QUrl& target) {
    hops_ += 1;
    if (hops_ > limits_.maxRedirects) {
        fail(FetchFailure::TooManyRedirects);
        return;
    }
    const bool downgrade = reply_->url().scheme() == QLatin1String("https") &&
                           target.scheme() != QLatin1String("https");
    if (!isWeb(target) || downgrade ||
        target.host().compare(site_.host(), Qt::CaseInsensitive) != 0) {
        fail(FetchFailure::Redirected);
        return;
    }
    drop();
    send(target);
}

void WebFetch::bytesArrived() {
    body_ += reply_->read(limits_.cap + 1 - body_.size());
    if (body_.size() > limits_.cap) fail(FetchFailure::TooLarge);
}

void WebFetch::replyFinished() {
    if (reply_->error() != QNetworkReply::NoError) {
        const int status = statusOf(reply_);
        if (status != 0 && (status < 200 || status >= 300))
            fail(FetchFailure::Status, status);
        else
            fail(FetchFailure::Connection);
        return;
    }
    const int status = statusOf(reply_);
    if (status < 200 || status >= 300) {
        fail(FetchFailure::Status, status);
        return;
    }
    bytesArrived();
    if (reply_ == nullptr) return; // over the cap
    deadline_.stop();
    drop();
    emit succeeded(documentText(body_));
}

void WebFetch::fail(FetchFailure failure, int status) {
    cancel();
    emit failed(failure, status);
}

void WebFetch::drop() {
    if (reply_ == nullptr) return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
}

} // namespace tavo::ui
