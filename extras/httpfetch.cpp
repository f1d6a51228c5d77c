// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/httpfetch.h"

#include "ravelin/version.h"

#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

namespace ravelin::extras {

namespace {

// The most a socket holds for the fetch at once: each read event handles no more.
constexpr qint64 kPiece = 4096;
// The longest chunk-size line of a chunked body ("1f4;name=value").
constexpr qsizetype kMaxChunkLine = 256;

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The end of the header block (the index after its empty line), or -1 when it has not come
// yet. Lines end in CRLF or, from careless servers, in LF alone.
qsizetype headerEnd(const QByteArray& buffer) {
    qsizetype from = 0;
    for (;;) {
        const qsizetype lf = buffer.indexOf('\n', from);
        if (lf < 0) {
            return -1;
        }
        const qsizetype next = lf + 1;
        if (next < buffer.size() && buffer[next] == '\n') {
            return next + 1;
        }
        if (next + 1 < buffer.size() && buffer[next] == '\r' && buffer[next + 1] == '\n') {
            return next + 2;
        }
        from = next;
    }
}

std::optional<qint64> decimal(const QByteArray& text) {
    if (text.isEmpty() || text.size() > 18) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

HttpFetch::HttpFetch(const QUrl& address, FetchLimits limits, QObject* parent)
    : QObject(parent), address_(address), limits_(limits), deadline_(new QTimer(this)) {
    deadline_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this, &HttpFetch::fail);
}

HttpFetch::~HttpFetch() {
    if (socket_ != nullptr) {
        socket_->disconnect(this);
        socket_->abort();
    }
}

void HttpFetch::start() {
    if (started_) {
        return;
    }
    started_ = true;
    deadline_->start(limits_.timeout);
    connectTo(address_);
}

void HttpFetch::connectTo(const QUrl& address) {
    dropSocket();
    address_ = address;
    buffer_.clear();
    headerBytes_ = 0;
    body_.clear();
    contentLength_ = -1;
    chunkData_ = -1;
    chunkTrailer_ = false;
    stage_ = Stage::Headers;

    const QString scheme = address.scheme().toLower();
    const bool secure = scheme == QLatin1String("https");
    if ((!secure && scheme != QLatin1String("http")) || address.host().isEmpty() ||
        !address.isValid() || (secure && !QSslSocket::supportsSsl())) {
        // Told later, as every other end: the caller has not even returned from start().
        QTimer::singleShot(0, this, &HttpFetch::fail);
        return;
    }
    const quint16 port = static_cast<quint16>(address.port(secure ? 443 : 80));
    if (secure) {
        auto* socket = new QSslSocket(this);
        socket_ = socket;
        connect(socket, &QSslSocket::encrypted, this, &HttpFetch::sendRequest);
        connect(socket, &QSslSocket::sslErrors, this, &HttpFetch::fail);
        socket->setReadBufferSize(kPiece);
        socket->connectToHostEncrypted(address.host(), port);
    } else {
        socket_ = new QTcpSocket(this);
        connect(socket_, &QAbstractSocket::connected, this, &HttpFetch::sendRequest);
        socket_->setReadBufferSize(kPiece);
        socket_->connectToHost(address.host(), port);
    }
    connect(socket_, &QAbstractSocket::readyRead, this, &HttpFetch::readSome);
    connect(socket_, &QAbstractSocket::disconnected, this, &HttpFetch::closed);
    connect(socket_, &QAbstractSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) {
                if (error == QAbstractSocket::RemoteHostClosedError) {
                    closed();
                } else {
                    fail();
                }
            });
}

void HttpFetch::sendRequest() {
    QByteArray target = address_.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty()) {
        target = "/";
    }
    if (address_.hasQuery()) {
        target += '?' + address_.query(QUrl::FullyEncoded).toLatin1();
    }
    const QByteArray host =
        address_.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1();
    socket_->write(
        "GET " + target + " HTTP/1.1\r\nHost: " + host +
        "\r\nUser-Agent: Ravelin-Website-Payments/" +
        QByteArray(version::kRelease.data(), static_cast<qsizetype>(version::kRelease.size())) +
        "\r\nAccept: text/plain\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n");
}

void HttpFetch::readSome() {
    if (socket_ == nullptr) {
        return;
    }
    // At most one piece: the socket holds no more than that.
    buffer_ += socket_->read(kPiece);
    bool going = true;
    while (going && stage_ != Stage::Done && !buffer_.isEmpty()) {
        switch (stage_) {
        case Stage::Headers:
            going = takeHeaders();
            break;
        case Stage::Body:
            going = takeBody();
            break;
        case Stage::Chunks:
            going = takeChunks();
            break;
        case Stage::Idle:
        case Stage::Done:
            going = false;
            break;
        }
    }
}

bool HttpFetch::takeHeaders() {
    const qsizetype end = headerEnd(buffer_);
    if (end < 0 || end > limits_.maxHeaderBytes) {
        if (end > limits_.maxHeaderBytes || buffer_.size() > limits_.maxHeaderBytes) {
            fail();
        }
        return false;
    }
    const QList<QByteArray> lines = buffer_.first(end).split('\n');
    buffer_.remove(0, end);

    // "HTTP/1.1 200 OK"
    const QByteArray statusLine = lines.front().trimmed();
    const QList<QByteArray> status = statusLine.split(' ');
    const qint64 code = status.size() >= 2 ? decimal(status[1]).value_or(-1) : -1;
    if (!statusLine.startsWith("HTTP/1.") || code < 100 || code > 599) {
        fail();
        return false;
    }
    bool chunked = false;
    QByteArray location;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) {
            fail();
            return false;
        }
        const QByteArray name = line.first(colon).trimmed().toLower();
        const QByteArray value = line.sliced(colon + 1).trimmed();
        if (name == "content-length") {
            const std::optional<qint64> length = decimal(value);
            if (!length || (contentLength_ >= 0 && contentLength_ != *length)) {
                fail();
                return false;
            }
            contentLength_ = *length;
        } else if (name == "transfer-encoding") {
            if (value.toLower() != "chunked") {
                fail(); // no other coding of the body is asked for or understood
                return false;
            }
            chunked = true;
        } else if (name == "content-encoding") {
            if (!value.isEmpty() && value.toLower() != "identity") {
                fail(); // only the plain body is asked for: a compressed one is refused whole
                return false;
            }
        } else if (name == "location") {
            location = value;
        }
    }

    if (isRedirect(static_cast<int>(code))) {
        const QUrl next = address_.resolved(QUrl::fromEncoded(location, QUrl::StrictMode));
        const QString scheme = next.scheme().toLower();
        const bool downgrade = address_.scheme().toLower() == QLatin1String("https") &&
                               scheme != QLatin1String("https");
        if (location.isEmpty() || !next.isValid() || ++redirects_ > limits_.maxRedirects ||
            (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || downgrade) {
            fail();
            return false;
        }
        connectTo(next);
        return false;
    }
    if (code < 200 || code > 299) {
        fail();
        return false;
    }
    if (code == 204 || contentLength_ == 0) {
        succeed();
        return false;
    }
    if (chunked) {
        contentLength_ = -1;
        stage_ = Stage::Chunks;
        return true;
    }
    if (contentLength_ > limits_.maxBodyBytes) {
        fail();
        return false;
    }
    stage_ = Stage::Body;
    return true;
}

bool HttpFetch::takeBody() {
    if (contentLength_ >= 0) {
        const qsizetype wanted = static_cast<qsizetype>(contentLength_) - body_.size();
        body_ += buffer_.first(std::min(wanted, buffer_.size()));
        buffer_.clear(); // anything past the body is not for this request
        if (body_.size() == contentLength_) {
            succeed();
        }
        return false;
    }
    body_ += buffer_;
    buffer_.clear();
    if (body_.size() > limits_.maxBodyBytes) {
        fail();
    }
    return false;
}

bool HttpFetch::takeChunks() {
    if (chunkTrailer_ || chunkData_ < 0) {
        // A chunk-size line, or a line of the trailer after the last chunk.
        const qsizetype lf = buffer_.indexOf('\n');
        if (lf < 0) {
            if (buffer_.size() > kMaxChunkLine) {
                fail();
            }
            return false;
        }
        QByteArray line = buffer_.first(lf);
        buffer_.remove(0, lf + 1);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (chunkTrailer_) {
            headerBytes_ += line.size() + 2;
            if (line.isEmpty()) {
                succeed();
                return false;
            }
            if (headerBytes_ > limits_.maxHeaderBytes) {
                fail();
                return false;
            }
            return true;
        }
        if (line.size() > kMaxChunkLine) {
            fail();
            return false;
        }
        const QByteArray size = line.split(';').front().trimmed();
        bool ok = false;
        const qint64 length = size.size() <= 8 ? size.toLongLong(&ok, 16) : -1;
        if (!ok || length < 0) {
            fail();
            return false;
        }
        if (length == 0) {
            chunkTrailer_ = true;
            return true;
        }
        if (body_.size() + length > limits_.maxBodyBytes) {
            fail();
            return false;
        }
        chunkData_ = length;
        return true;
    }
    if (chunkData_ > 0) {
        const qsizetype taken =
            std::min<qsizetype>(static_cast<qsizetype>(chunkData_), buffer_.size());
        body_ += buffer_.first(taken);
        buffer_.remove(0, taken);
        chunkData_ -= taken;
        return true;
    }
    // The line break after a chunk's data.
    if (buffer_.startsWith("\r\n")) {
        buffer_.remove(0, 2);
    } else if (buffer_.startsWith('\n')) {
        buffer_.remove(0, 1);
    } else if (buffer_.size() >= 2 || buffer_ != "\r") {
        fail();
        return false;
    } else {
        return false;
    }
    chunkData_ = -1;
    return true;
}

void HttpFetch::closed() {
    if (stage_ == Stage::Done || socket_ == nullptr) {
        return;
    }
    readSome(); // what the socket still holds
    if (stage_ == Stage::Body && contentLength_ < 0) {
        succeed(); // a body without a length ends with the connection
    } else {
        fail();
    }
}

void HttpFetch::succeed() {
    finish(true);
}

void HttpFetch::fail() {
    finish(false);
}

void HttpFetch::finish(bool ok) {
    if (stage_ == Stage::Done) {
        return;
    }
    stage_ = Stage::Done;
    deadline_->stop();
    dropSocket();
    buffer_.clear();
    emit finished(ok, ok ? body_ : QByteArray());
}

void HttpFetch::dropSocket() {
    if (socket_ != nullptr) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
    }
}

} // namespace ravelin::extras
