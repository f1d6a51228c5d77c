// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// page-editor [PAGE]: edits one HTML page, with the add-ins registered for the current user and
// for every user.
#include "common/helpversion.h"
#include "common/streams.h"
#include "common/translation.h"
#include "editor/pageeditor.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char* argv[]) {
    ravelin::common::openClosedStandardStreams();
    QCommandLineParser parser;
    ravelin::common::describeProgram(
        parser, "page-editor",
        QCoreApplication::translate("main", "Edits one HTML page as source text, with the add-ins "
                                            "registered for the current user and for every user."));
    parser.addPositionalArgument(
        QStringLiteral("page"),
        QCoreApplication::translate("main", "The page to open; a new blank page when left out."),
        QStringLiteral("[page]"));
    ravelin::common::answerHelpOrVersion(parser, argc, argv);

    QApplication app(argc, argv);
    ravelin::common::installSystemTranslation();
    // The editor's window is the main one: add-in windows left open close with it.
    QApplication::setQuitOnLastWindowClosed(false);
    parser.process(app);

    ravelin::editor::PageEditor editor;
    QObject::connect(&editor, &ravelin::editor::PageEditor::exited, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    editor.openStartPage(parser.positionalArguments().value(0));
    editor.show();
    QTimer::singleShot(0, &editor, [&editor] { editor.loadAddins(); });
    return QApplication::exec();
}
