// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One bounded HTTP GET of a small file, run on the window's own thread without ever holding
// it: every step is a socket event that handles a few KiB at most. The server is not trusted:
// the status line and headers, the body and the whole transfer each have a cap, redirects are
// followed only a few times and only to http or https (never from https down to http), a
// compressed body is refused, TLS certificates are checked and their errors never ignored.
// Ending the fetch, or deleting it, closes its connection at once; there is no thread to wait
// for.
//
// Not QNetworkAccessManager: under a flood of headers Qt 6.4's keeps its thread spinning after
// abort() and takes 5 s to be deleted, so the window would not close at once
// (HostileServerCase.ClosingTheWindowMidwayEndsTheCheckAtOnce/SendsHeadersWithoutEnd).
#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <chrono>

class QAbstractSocket;
class QTimer;

namespace ravelin::extras {

struct FetchLimits {
    qsizetype maxHeaderBytes = qsizetype{16} * 1024; // the status line and every header together
    qsizetype maxBodyBytes = 1024;
    int maxRedirects = 3;
    std::chrono::milliseconds timeout{10000}; // the whole transfer, redirects included
};

class HttpFetch : public QObject {
    Q_OBJECT
public:
    HttpFetch(const QUrl& address, FetchLimits limits, QObject* parent = nullptr);
    ~HttpFetch() override;

    // Starts the fetch; finished() follows once, later, whichever way it ends.
    void start();

signals:
    // `ok` when a 2xx reply arrived whole within the limits; `body` is then its body.
    void finished(bool ok, const QByteArray& body);

private:
    enum class Stage { Idle, Headers, Body, Chunks, Done };

    void connectTo(const QUrl& address);
    void sendRequest();
    void readSome();
    bool takeHeaders();
    bool takeBody();
    bool takeChunks();
    void closed();
    void succeed();
    void fail();
    void finish(bool ok);
    void dropSocket();

    QUrl address_;
    FetchLimits limits_;
    QTimer* deadline_;
    QAbstractSocket* socket_ = nullptr;
    Stage stage_ = Stage::Idle;
    int redirects_ = 0;
    QByteArray buffer_; // received and not yet taken
    qsizetype headerBytes_ = 0;
    QByteArray body_;
    qint64 contentLength_ = -1; // -1: the body ends when the server closes
    qint64 chunkData_ = -1;     // data bytes left of the current chunk; -1: its size is next
    bool chunkTrailer_ = false; // the last chunk has come: the trailer lines follow
    bool started_ = false;
};

} // namespace ravelin::extras
