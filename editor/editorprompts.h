// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The questions and messages of the page editor: file dialogs, the unsaved-changes question,
// error messages and opening a page in the browser. Tests replace them.
#pragma once

#include <QString>
#include <memory>

class QUrl;
class QWidget;

namespace ravelin::editor {

class EditorPrompts {
public:
    enum class Answer { Save, Discard, Cancel };

    virtual ~EditorPrompts() = default;
    // Asks whether to save the changes of the page named `pageName`.
    virtual Answer askToSaveChanges(QWidget* parent, const QString& pageName) = 0;
    // The file to open or to save to; empty when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& folder) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& suggestion) = 0;
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // Opens the address with the user's program for it; false when none could be started.
    virtual bool openUrl(const QUrl& url) = 0;
};

// The ordinary dialogs and the desktop's browser.
std::unique_ptr<EditorPrompts> makeDialogPrompts();

} // namespace ravelin::editor
