// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A page editor for one test, with the real add-in library registered by regsvr: a home, a
// config folder and system config folders of the test's own, answers for the editor's
// questions, and every message box caught, the editor's own and the real ones the add-in shows.
#pragma once

#include "common/registry.h"
#include "editor/editorprompts.h"
#include "editor/pageeditor.h"
#include "editor/tests/scriptedprompts.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ravelin::addin::testing {

using editor::testing::ScriptedPrompts;

inline const QString kLibrary = QStringLiteral(RAVELIN_ADDIN_LIBRARY);
inline const QString kRegsvr = QStringLiteral(RAVELIN_REGSVR);
inline const QString kMenuCaption = QStringLiteral("&PayPal Purchase Button Wizard");

// What regsvr printed and how it ended.
struct RegsvrRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        saved = {{"HOME", qgetenv("HOME")},
                 {"XDG_CONFIG_HOME", qgetenv("XDG_CONFIG_HOME")},
                 {"XDG_CONFIG_DIRS", qgetenv("XDG_CONFIG_DIRS")}};
        qputenv("HOME", folder.filePath(QStringLiteral("home")).toUtf8());
        qputenv("XDG_CONFIG_HOME", configFolder().toUtf8());
        // The machine's own /etc/xdg may hold registrations: two empty folders stand for it.
        qputenv("XDG_CONFIG_DIRS",
                (systemConfigFolder(0) + QLatin1Char(':') + systemConfigFolder(1)).toUtf8());
    }

    void TearDown() override {
        editor.reset();
        closeWizards();
        for (const auto& [name, value] : saved) {
            if (value.isNull()) {
                qunsetenv(name);
            } else {
                qputenv(name, value);
            }
        }
    }

    QString configFolder() const { return folder.filePath(QStringLiteral("config")); }
    // The system config folders, most important first.
    QString systemConfigFolder(int index) const {
        return folder.filePath(QStringLiteral("xdg-%1").arg(index));
    }

    // Runs regsvr, or `program` with regsvr's path and the arguments after it.
    static RegsvrRun regsvr(const QStringList& arguments, const QStringList& program = {}) {
        QProcess process;
        if (program.isEmpty()) {
            process.start(kRegsvr, arguments);
        } else {
            process.start(program.front(), program.mid(1) + QStringList{kRegsvr} + arguments);
        }
        process.waitForFinished(30000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    // Registers the add-in library for this test's user, as the run script does.
    static void registerAddin() {
        const RegsvrRun run = regsvr({kLibrary});
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    }

    // Starts the editor as its program does: the page, then the add-ins.
    editor::PageEditor& start(const QString& page = {}) {
        auto owned = std::make_unique<ScriptedPrompts>();
        prompts = owned.get();
        editor = std::make_unique<editor::PageEditor>(std::move(owned));
        editor->openStartPage(page);
        editor->show();
        editor->loadAddins();
        settle();
        return *editor;
    }

    QMenu* menu(const QString& name) const { return editor->findChild<QMenu*>(name); }

    // The captions of the Insert menu's entries, separators left out.
    QStringList insertMenu() const {
        QStringList captions;
        for (QAction* action : menu(QStringLiteral("mnuInsert"))->actions()) {
            if (!action->isSeparator()) {
                captions.append(action->text());
            }
        }
        return captions;
    }

    QAction* wizardCommand() const {
        for (QAction* action : menu(QStringLiteral("mnuInsert"))->actions()) {
            if (action->text() == kMenuCaption) {
                return action;
            }
        }
        return nullptr;
    }

    // The wizard windows open now.
    static std::vector<QWidget*> wizards() {
        std::vector<QWidget*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("frmStartup") && widget->isVisible()) {
                found.push_back(widget);
            }
        }
        return found;
    }

    static void closeWizards() {
        for (QWidget* wizard : wizards()) {
            wizard->close();
        }
        settle();
    }

    static void settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QPlainTextEdit& pageBox() const {
        return *editor->findChild<QPlainTextEdit*>(QStringLiteral("txtPage"));
    }

    // Puts the page's text in and the caret at `caret` (or selects up to `end`).
    void setPage(const QString& text, qsizetype caret, qsizetype end = -1) {
        pageBox().setPlainText(text);
        select(caret, end < 0 ? caret : end);
    }

    void select(qsizetype start, qsizetype end) {
        QTextCursor cursor = pageBox().textCursor();
        cursor.setPosition(static_cast<int>(start));
        cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
        pageBox().setTextCursor(cursor);
    }

    // The page as the editor shows it: "\n" between its lines, whatever the file has.
    QString shownText() const {
        return pageBox().document()->toRawText().replace(QChar::ParagraphSeparator,
                                                         QLatin1Char('\n'));
    }

    // A text's lines as the editor shows them, "\n" between them.
    static QString lines(QString text) {
        return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    }

    // Runs `action`, answering with OK every real message box it shows; returns their texts.
    template <typename Action> static std::vector<QString> answeringBoxes(Action action) {
        std::vector<QString> shown;
        QTimer watcher;
        watcher.setInterval(10);
        QObject::connect(&watcher, &QTimer::timeout, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown.push_back(box->text());
                box->done(QMessageBox::Ok);
            }
        });
        watcher.start();
        action();
        settle();
        return shown;
    }

    QTemporaryDir folder;
    std::vector<std::pair<const char*, QByteArray>> saved;
    std::unique_ptr<editor::PageEditor> editor;
    ScriptedPrompts* prompts = nullptr;
};

} // namespace ravelin::addin::testing
