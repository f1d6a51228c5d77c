// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace ravelin::extras {

namespace {

void hand(const QString& address) {
    // Tolerant parsing keeps the address as written, percent-encodings included.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace

void OpenAddress(const QString& address) {
    hand(address);
    QCoreApplication::processEvents();
}

void MailTo(const QString& address) {
    hand(QStringLiteral("mailto:") + address);
}

} // namespace ravelin::extras
