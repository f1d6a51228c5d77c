// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-wizard [--filter]: the button wizard outside the page editor. Plainly started, Insert
// HTML puts the button on the clipboard. With --filter it is a text filter for any editor: the
// selection comes on standard input, and standard output gets the button in its place, or the
// selection back unchanged when no button was inserted.
#include "common/files.h"
#include "common/helpversion.h"
#include "common/streams.h"
#include "common/translation.h"
#include "standalone/filter.h"
#include "standalone/unixsignals.h"
#include "standalone/wizardhosts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <exception>
#include <string_view>
#include <unistd.h>

namespace {

using namespace ravelin::standalone;

void say(const QString& message) {
    const QByteArray line = "ravelin-wizard: " + message.toLocal8Bit() + '\n';
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line.constData(), line.size());
}

// Writes all of `bytes` to standard output; false when it could not.
bool writeOut(const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t now = ::write(STDOUT_FILENO, bytes.constData() + written,
                                    static_cast<std::size_t>(bytes.size() - written));
        if (now < 0 && errno == EINTR) {
            continue;
        }
        if (now <= 0) {
            return false;
        }
        written += now;
    }
    return true;
}

// The selection, from when it was read until the filter answered: what goes back when the
// wizard cannot go on.
const QByteArray* gSelection = nullptr;

// Writes the selection back unchanged and says in one line why the wizard did not answer.
int handBack(const QByteArray& selection, const QString& why) {
    gSelection = nullptr; // it goes out once
    const bool written = writeOut(selection);
    say(why + (written ? QCoreApplication::translate("main", "; the selection was handed back "
                                                             "unchanged")
                       : QString()));
    return 1;
}

// The first line of one of Qt's messages, to stand inside a line of ours.
QString clause(const QString& message) {
    QString line = message.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (line.endsWith(QLatin1Char('.'))) {
        line.chop(1);
    }
    return line;
}

// Whether the window's toolkit has started; a fatal notice before means it could not.
bool gStarted = false;

// An editor may take what the filter writes on standard error into the page, so Qt's own
// notices are kept out of it. A fatal one (no display to open the window on, for one) ends the
// program right after this returns: the selection goes back first, and one line says why, in
// the words of the last notice before it when the toolkit could not start (Qt's fatal one only
// says that it could not).
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    static QString lastNotice;
    if (type != QtFatalMsg) {
        lastNotice = message;
        return;
    }
    const QString why =
        gStarted || lastNotice.isEmpty()
            ? QCoreApplication::translate("main", "cannot go on: %1").arg(clause(message))
            : QCoreApplication::translate("main", "cannot open the wizard's window: %1")
                  .arg(clause(lastNotice));
    if (gSelection != nullptr) {
        handBack(*gSelection, why);
    } else {
        say(why);
    }
    ::_exit(1);
}

// Whether the command line asks for the filter. Known before Qt reads the command line, so that
// Qt's notices are quiet from the start.
bool asksForFilter(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        if (std::string_view(argv[i]) == "--filter") {
            return true;
        }
    }
    return false;
}

// Whether the environment names a display, or a platform that needs none, to show the window.
bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Hands back what was read and the rest of standard input unchanged.
int passThrough(const QByteArray& head) {
    QFile in;
    bool ok = in.open(stdin, QIODevice::ReadOnly) && writeOut(head);
    while (ok && !in.atEnd()) {
        const QByteArray chunk = in.read(qint64{1} << 20);
        if (chunk.isEmpty()) {
            break;
        }
        ok = writeOut(chunk);
    }
    say(QCoreApplication::translate("main", "the selection is larger than %1 MiB; it was handed "
                                            "back unchanged")
            .arg(kMaxSelectionBytes >> 20));
    return 1;
}

// The filter: checked, and its selection read, before the window's toolkit starts, so that
// nothing is lost whatever stops it.
int runFilter(int argc, char* argv[], QCommandLineParser& parser,
              const ravelin::common::ClosedStreams& closed) {
    qInstallMessageHandler(quietMessages);
    if (closed.input || closed.output) {
        say(closed.input ? QCoreApplication::translate(
                               "main", "standard input is closed, so there is no selection to "
                                       "read; nothing was written")
                         : QCoreApplication::translate(
                               "main", "standard output is closed, so the button would have "
                                       "nowhere to go; nothing was read"));
        return 1;
    }
    std::signal(SIGPIPE, SIG_IGN);
    const ravelin::common::Result<QByteArray> read =
        ravelin::common::readCapped(STDIN_FILENO, kMaxSelectionBytes);
    if (!read) {
        say(QCoreApplication::translate("main", "cannot read the selection from standard input: %1")
                .arg(read.error()));
        return 1;
    }
    const QByteArray& selection = *read;
    if (selection.size() > kMaxSelectionBytes) {
        return passThrough(selection);
    }
    gSelection = &selection;
    if (!hasDisplay()) {
        return handBack(
            selection, QCoreApplication::translate(
                           "main", "cannot open the wizard's window: no display is set (DISPLAY or "
                                   "WAYLAND_DISPLAY)"));
    }

    QApplication app(argc, argv);
    ravelin::common::installSystemTranslation();
    gStarted = true;
    if (!parser.parse(QCoreApplication::arguments())) {
        return handBack(selection, clause(parser.errorText()));
    }
    // The filter ends when it has answered, not when its window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    TerminationSignals termination;
    QFile out;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return handBack(selection,
                        QCoreApplication::translate("main", "cannot use standard output"));
    }
    FilterSession session(selection, out);
    // Once the session has answered, nothing more goes out, whatever happens after.
    QObject::connect(&session, &FilterSession::finished, [] { gSelection = nullptr; });
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

int runClipboard(int argc, char* argv[], QCommandLineParser& parser) {
    QApplication app(argc, argv);
    ravelin::common::installSystemTranslation();
    parser.process(app);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app,
                     &QApplication::quit);
    ClipboardWizard wizard;
    return QApplication::exec();
}

int run(int argc, char* argv[]) {
    const ravelin::common::ClosedStreams closed = ravelin::common::openClosedStandardStreams();
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
    return asksForFilter(argc, argv) ? runFilter(argc, argv, parser, closed)
                                     : runClipboard(argc, argv, parser);
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        say(QCoreApplication::translate("main", "cannot go on: %1")
                .arg(QString::fromLocal8Bit(error.what())));
        return 1;
    }
}
