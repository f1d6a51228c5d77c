// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the extras' tests share: the desktop's address handler and the message box replaced by
// recorders, and a small HTTP server on 127.0.0.1.
#pragma once

#include "common/msgbox.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <memory>
#include <ostream>
#include <vector>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '(' << list.join(QStringLiteral(", ")).toStdString() << ')';
}

namespace ravelin::extras::testing {

// Receives every address handed to the desktop, so that no browser or mail program starts.
class OpenedAddresses : public QObject {
    Q_OBJECT
public:
    static OpenedAddresses& instance() {
        static OpenedAddresses catcher;
        return catcher;
    }

    void install() {
        for (const char* scheme : {"http", "https", "mailto", "file", "ftp"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
        }
    }

    // The addresses opened since the last clear(), fully encoded, in order.
    QStringList addresses() const { return addresses_; }
    void clear() { addresses_.clear(); }

public slots:
    void open(const QUrl& url) { addresses_ << QString::fromUtf8(url.toEncoded()); }

private:
    QStringList addresses_;
};

// Answers every message box with `answer` and keeps what was shown.
class MessageLog {
public:
    using Message = common::Message;

    explicit MessageLog(common::MessageAnswer answer = common::MessageAnswer::Ok)
        : answer_(answer) {
        common::setMessageHandler([this](const Message& message) {
            messages_.push_back(message);
            return message.buttons == common::MessageButtons::YesNo ? answer_
                                                                    : common::MessageAnswer::Ok;
        });
    }
    ~MessageLog() { common::setMessageHandler({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    const std::vector<Message>& messages() const { return messages_; }

private:
    common::MessageAnswer answer_;
    std::vector<Message> messages_;
};

// An HTTP server on 127.0.0.1 that answers every request with one fixed reply, or accepts
// and never answers.
class LocalHttpServer {
public:
    LocalHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
    }

    void answer(int status, QByteArray body) {
        status_ = status;
        body_ = std::move(body);
        silent_ = false;
    }
    void staySilent() { silent_ = true; }

    QString address(const char* path = "/version.txt") const {
        return QStringLiteral("http://127.0.0.1:%1%2")
            .arg(server_.serverPort())
            .arg(QString::fromLatin1(path));
    }
    int connections() const { return connections_; }
    // Connections the client has closed.
    int closedConnections() const { return closed_; }
    int requests() const { return requests_; }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            ++connections_;
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                *request += socket->readAll();
                if (!request->contains("\r\n\r\n") || silent_) {
                    return;
                }
                ++requests_;
                request->clear();
                socket->write(QByteArrayLiteral("HTTP/1.1 ") + QByteArray::number(status_) +
                              QByteArrayLiteral(" Reply\r\nContent-Type: text/plain\r\n"
                                                "Connection: close\r\nContent-Length: ") +
                              QByteArray::number(body_.size()) + "\r\n\r\n" + body_);
                socket->disconnectFromHost();
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                ++closed_;
                socket->deleteLater();
            });
        }
    }

    QTcpServer server_;
    int status_ = 200;
    QByteArray body_;
    bool silent_ = false;
    int connections_ = 0;
    int closed_ = 0;
    int requests_ = 0;
};

// An address on 127.0.0.1 where nothing listens.
inline QString closedPortAddress() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/version.txt").arg(port);
}

} // namespace ravelin::extras::testing
