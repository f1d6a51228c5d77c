// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The update check: once per opening of the wizard, fetch the version file the maker
// publishes and, when it names a newer release than the running one, offer the installer.
// The fetch runs in the background (extras/httpfetch.h): the window answers the user meanwhile
// and is never held, however the server behaves, and closing it ends the fetch at once. Every
// failure ends the check without a word.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringView>
#include <chrono>
#include <compare>
#include <optional>

class QByteArray;
class QWidget;

namespace ravelin::extras {

// A release number, compared number by number.
struct Release {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned revision = 0;
    auto operator<=>(const Release&) const = default;
};

// Reads exactly three dot-separated decimal numbers ("3.0.1", "3.10.2"); anything else,
// blanks included, is not a release.
std::optional<Release> parseRelease(QStringView text);

// A version file larger than this is not a version file.
inline constexpr qsizetype kMaxVersionFileSize = 1024;

// Whether a version file's body names a release newer than `running`. Trailing blanks and
// line breaks are ignored; a body over kMaxVersionFileSize bytes never does.
bool announcesNewerRelease(const QByteArray& body, QStringView running);

// How long the whole fetch may take, redirects included, and how much of the reply's status
// line and headers is read.
inline constexpr std::chrono::milliseconds kTransferTimeout{10000};
inline constexpr qsizetype kMaxVersionReplyHeaderSize = qsizetype{16} * 1024;

class HttpFetch;

class UpdateCheck : public QObject {
    Q_OBJECT
public:
    struct Addresses {
        QString versionFile;
        QString installer;
    };

    // The built-in addresses, each replaced by RAVELIN_VERSION_URL or RAVELIN_INSTALLER_URL
    // when that variable is set.
    static Addresses addresses();

    // A check on behalf of `window`, which parents the check and its messages: closing the
    // window ends a fetch still under way.
    UpdateCheck(Addresses addresses, std::chrono::milliseconds timeout, QWidget* window);

    // Starts the fetch. A check runs once; it deletes itself after finished(). An address on a
    // reserved domain (".example", ".invalid", ".test") is not fetched.
    void start();

signals:
    // The check has ended, whichever way.
    void finished();

private:
    void fetched(bool ok, const QByteArray& body);
    void offer();
    void end();

    Addresses addresses_;
    std::chrono::milliseconds timeout_;
    QPointer<QWidget> window_;
    HttpFetch* fetch_ = nullptr;
    bool started_ = false;
};

// What the first tick of the wizard's tmCheckVersion runs: one check with the built-in
// addresses and timeout.
void checkForUpdate(QWidget* window);

} // namespace ravelin::extras
