// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/updatecheck.h"

#include "common/msgbox.h"
#include "common/qstr.h"
#include "extras/httpfetch.h"
#include "extras/maker.h"
#include "extras/shell.h"
#include "ravelin/version.h"

#include <QByteArray>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <utility>

namespace ravelin::extras {

namespace {

// Numbers of more digits than this are not release numbers (and would not fit).
constexpr qsizetype kMaxDigits = 9;

std::optional<unsigned> parseNumber(QStringView text) {
    if (text.isEmpty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c.unicode() - '0');
    }
    return value;
}

QString envOr(const char* variable, const char* builtIn) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QString::fromUtf8(builtIn) : value;
}

// Hosts under the reserved top-level domains never resolve: a build that kept the placeholder
// addresses has no version file to look for, and does not ask the network about it.
bool leadsNowhere(const QUrl& address) {
    const QString host = address.host().toLower();
    for (const char* domain : {"example", "invalid", "test"}) {
        const QString name = QString::fromLatin1(domain);
        if (host == name || host.endsWith(QLatin1Char('.') + name)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<Release> parseRelease(QStringView text) {
    const qsizetype first = text.indexOf(QLatin1Char('.'));
    const qsizetype second = first < 0 ? -1 : text.indexOf(QLatin1Char('.'), first + 1);
    if (second < 0) {
        return std::nullopt;
    }
    const auto major = parseNumber(text.first(first));
    const auto minor = parseNumber(text.sliced(first + 1, second - first - 1));
    const auto revision = parseNumber(text.sliced(second + 1));
    if (!major || !minor || !revision) {
        return std::nullopt;
    }
    return Release{*major, *minor, *revision};
}

bool announcesNewerRelease(const QByteArray& body, QStringView running) {
    if (body.size() > kMaxVersionFileSize) {
        return false;
    }
    QString text = QString::fromUtf8(body);
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == QLatin1Char(' ') || text[end - 1] == QLatin1Char('\t') ||
                       text[end - 1] == QLatin1Char('\r') || text[end - 1] == QLatin1Char('\n'))) {
        --end;
    }
    text.truncate(end);

    const auto published = parseRelease(text);
    const auto current = parseRelease(running);
    return published && current && *published > *current;
}

UpdateCheck::Addresses UpdateCheck::addresses() {
    return {envOr("RAVELIN_VERSION_URL", maker::kVersionFileAddress),
            envOr("RAVELIN_INSTALLER_URL", maker::kInstallerAddress)};
}

UpdateCheck::UpdateCheck(Addresses addresses, std::chrono::milliseconds timeout, QWidget* window)
    : QObject(window), addresses_(std::move(addresses)), timeout_(timeout), window_(window) {}

void UpdateCheck::start() {
    if (started_) {
        return;
    }
    started_ = true;

    const QUrl versionFile(addresses_.versionFile, QUrl::StrictMode);
    if (leadsNowhere(versionFile)) {
        QTimer::singleShot(0, this, &UpdateCheck::end);
        return;
    }
    FetchLimits limits;
    limits.maxHeaderBytes = kMaxVersionReplyHeaderSize;
    limits.maxBodyBytes = kMaxVersionFileSize;
    limits.timeout = timeout_;
    fetch_ = new HttpFetch(versionFile, limits, this);
    connect(fetch_, &HttpFetch::finished, this, &UpdateCheck::fetched);
    fetch_->start();
}

void UpdateCheck::fetched(bool ok, const QByteArray& body) {
    fetch_->deleteLater();
    fetch_ = nullptr;
    if (ok && announcesNewerRelease(body, common::qstr(version::kRelease))) {
        offer();
        return;
    }
    end();
}

void UpdateCheck::offer() {
    // The messages are modal: the window may go while one is open, and this check with it.
    const QPointer<UpdateCheck> self(this);
    const common::MessageAnswer answer = common::showMessage(
        tr("A newer version of Ravelin Wizard has been found.  Would you like to download it now?"),
        common::MessageButtons::YesNo, common::MessageIcon::None, tr("New Version"), window_);
    if (self.isNull()) {
        return;
    }
    if (answer == common::MessageAnswer::Yes) {
        common::showMessage(
            tr("When the download begins, you will receive a dialog box on whether to OPEN/RUN or "
               "SAVE the program.  Choose the OPEN/RUN button to automatically install the "
               "update.  You will need to exit FrontPage for the Update to work."),
            common::MessageButtons::Ok, common::MessageIcon::Information, {}, window_);
        if (self.isNull()) {
            return;
        }
        OpenAddress(addresses_.installer);
        if (self.isNull()) {
            return;
        }
    }
    end();
}

void UpdateCheck::end() {
    emit finished();
    deleteLater();
}

void checkForUpdate(QWidget* window) {
    auto* check = new UpdateCheck(UpdateCheck::addresses(), kTransferTimeout, window);
    check->start();
}

} // namespace ravelin::extras
