// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// SIGTERM and SIGINT turned into a Qt signal, delivered by the event loop: the handler only
// writes one byte into a socket pair that a QSocketNotifier watches.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace ravelin::standalone {

// Call first thing in main: from then on SIGTERM and SIGINT are noted instead of ending the
// program, and a TerminationSignals made later delivers what was noted.
void catchTerminationSignals();

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Delivers SIGTERM and SIGINT once the event loop runs, including one that came before.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace ravelin::standalone
