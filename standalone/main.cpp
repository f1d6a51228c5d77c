// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-wizard [--filter]: the button wizard outside the page editor. Plainly started, Insert
// HTML puts the button on the clipboard. With --filter it is a text filter for any editor: the
// selection comes on standard input, and standard output gets the button in its place, or the
// selection back unchanged when no button was inserted.
#include "common/helpversion.h"
#include "standalone/filter.h"
#include "standalone/unixsignals.h"
#include "standalone/wizardhosts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

using namespace ravelin::standalone;

void say(const QString& message) {
    const QByteArray line = "ravelin-wizard: " + message.toLocal8Bit() + '\n';
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line.constData(), line.size());
}

// An editor may take what the filter writes on standard error into the page, so Qt's own
// notices are kept out of it.
void quietMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

// Hands back what was read and the rest of standard input unchanged.
int passThrough(QFile& in, QFile& out, const QByteArray& head) {
    bool ok = out.write(head) == head.size();
    while (ok && !in.atEnd()) {
        const QByteArray chunk = in.read(qint64{1} << 20);
        if (chunk.isEmpty()) {
            break;
        }
        ok = out.write(chunk) == chunk.size();
    }
    say(QApplication::translate("main", "the selection is larger than %1 MiB; it was handed "
                                        "back unchanged")
            .arg(kMaxSelectionBytes >> 20));
    return 1;
}

int runFilter(QApplication& app, TerminationSignals& termination) {
    // The filter ends when it has answered, not when its window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    std::signal(SIGPIPE, SIG_IGN);
    qInstallMessageHandler(quietMessages);
    QFile in;
    QFile out;
    if (!in.open(stdin, QIODevice::ReadOnly) ||
        !out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        say(QApplication::translate("main", "cannot use standard input and output"));
        return 1;
    }
    const QByteArray selection = in.read(kMaxSelectionBytes + 1);
    if (selection.size() > kMaxSelectionBytes) {
        return passThrough(in, out, selection);
    }

    FilterSession session(selection, out);
    QObject::connect(
        &session, &FilterSession::finished, &app,
        [&app](int code, const QString& error) {
            if (code != 0) {
                say(error);
            }
            app.exit(code);
        },
        Qt::QueuedConnection);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &session,
                     &FilterSession::giveBack);
    FilterWizard wizard(session);
    return QApplication::exec();
}

int runClipboard(QApplication& app, TerminationSignals& termination) {
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app,
                     &QApplication::quit);
    ClipboardWizard wizard;
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    ravelin::common::describeProgram(
        parser, "ravelin-wizard",
        QCoreApplication::translate(
            "main", "Writes a PayPal payment button with the wizard. Insert HTML puts it on the "
                    "clipboard; with --filter the selection comes on standard input and the "
                    "button, or the selection unchanged, goes to standard output."));
    const QCommandLineOption filter(
        QStringLiteral("filter"),
        QCoreApplication::translate("main", "Work as a text filter for an editor."));
    parser.addOption(filter);
    ravelin::common::answerHelpOrVersion(parser, argc, argv);

    catchTerminationSignals();
    QApplication app(argc, argv);
    parser.process(app);

    TerminationSignals termination;
    return parser.isSet(filter) ? runFilter(app, termination) : runClipboard(app, termination);
}
