// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Preloaded into an installed page-editor (LD_PRELOAD), this reports what the program shows
// once it has started and loaded its add-ins, then ends it:
//   insert: CAPTION      each entry of the Insert menu, in order
//   library: PATH        each add-in library loaded into the process
//   message: TEXT        each message box open, its text on one line
// The editor queues its add-in loading behind its first window; the probe looks two turns of
// the event loop after the application starts, by then either done or waiting in a box.
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>

namespace {

void print(const char* kind, QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::printf("%s: %s\n", kind, qPrintable(text));
}

void report() {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == QLatin1String("mnuInsert")) {
            for (QAction* action : static_cast<QMenu*>(widget)->actions()) {
                if (!action->isSeparator()) {
                    print("insert", action->text());
                }
            }
        }
    }
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (maps.open(QIODevice::ReadOnly)) {
        QStringList libraries;
        const QRegularExpression addin(QStringLiteral("(/\\S*libravelin_addin\\.so)$"));
        for (const QByteArray& line : maps.readAll().split('\n')) {
            const auto match = addin.match(QString::fromLocal8Bit(line));
            if (match.hasMatch() && !libraries.contains(match.captured(1))) {
                libraries.append(match.captured(1));
            }
        }
        for (const QString& library : libraries) {
            print("library", library);
        }
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            print("message", box->text());
        }
    }
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

void start() {
    QTimer::singleShot(0, qApp, [] { QTimer::singleShot(0, qApp, report); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
