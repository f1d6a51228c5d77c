// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// page-editor [PAGE]: edits one HTML page, with the add-ins registered for the current user.
#include "editor/pageeditor.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("page-editor"));
    // The editor's window is the main one: add-in windows left open close with it.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Edits one HTML page as source text, with the add-ins "
                                        "registered for the current user."));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("page"),
        QApplication::translate("main", "The page to open; a new blank page when left out."),
        QStringLiteral("[page]"));
    parser.process(app);

    ravelin::editor::PageEditor editor;
    QObject::connect(&editor, &ravelin::editor::PageEditor::exited, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    editor.openStartPage(parser.positionalArguments().value(0));
    editor.show();
    QTimer::singleShot(0, &editor, [&editor] { editor.loadAddins(); });
    return QApplication::exec();
}
