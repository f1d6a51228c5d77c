// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "standalone/unixsignals.h"

#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace ravelin::standalone {

namespace {

// [0] is written by the handler, [1] read by the notifier. Only one set of handlers exists.
std::array<int, 2> gPair = {-1, -1};
volatile std::sig_atomic_t gPending = 0;
constexpr std::array<int, 2> kSignals = {SIGTERM, SIGINT};

void wake() {
    const char byte = 1;
    // Nothing can be done about a failed write inside a signal handler.
    [[maybe_unused]] const ssize_t written = ::write(gPair[0], &byte, 1);
}

void onSignal(int) {
    if (gPair[0] >= 0) {
        wake();
    } else {
        gPending = 1;
    }
}

} // namespace

void catchTerminationSignals() {
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals) {
        ::sigaction(number, &action, nullptr);
    }
}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    std::array<int, 2> pair = {-1, -1};
    if (gPair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair.data()) != 0) {
        return;
    }
    gPair[1] = pair[1];
    gPair[0] = pair[0];
    notifier_ = new QSocketNotifier(gPair[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(gPair[1], &byte, 1);
        emit terminationRequested();
    });
    catchTerminationSignals();
    if (gPending != 0) {
        gPending = 0;
        wake();
    }
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int number : kSignals) {
        ::sigaction(number, &action, nullptr);
    }
    ::close(gPair[0]);
    ::close(gPair[1]);
    gPair = {-1, -1};
}

} // namespace ravelin::standalone
