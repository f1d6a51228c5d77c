// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page editor's questions answered as a test says, with a record of what it asked, what
// errors it showed and what it opened in the browser.
#pragma once

#include "editor/editorprompts.h"

#include <QString>
#include <QUrl>
#include <vector>

namespace ravelin::editor::testing {

// The editor's questions, answered as the test says, and what it asked and showed.
class ScriptedPrompts : public EditorPrompts {
public:
    Answer askToSaveChanges(QWidget*, const QString& pageName) override {
        questions.push_back(pageName);
        return answer;
    }
    QString openFileName(QWidget*, const QString&) override { return fileToOpen; }
    QString saveFileName(QWidget*, const QString&) override { return fileToSave; }
    void showError(QWidget*, const QString& message) override { errors.push_back(message); }
    bool openUrl(const QUrl& url) override {
        opened.push_back(url);
        return browserStarts;
    }

    Answer answer = Answer::Cancel;
    QString fileToOpen;
    QString fileToSave;
    bool browserStarts = true;
    std::vector<QString> questions;
    std::vector<QString> errors;
    std::vector<QUrl> opened;
};

} // namespace ravelin::editor::testing
