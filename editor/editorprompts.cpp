// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editorprompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace ravelin::editor {

namespace {

QString pageFilter() {
    return QCoreApplication::translate("ravelin::editor::EditorPrompts",
                                       "HTML pages (*.html *.htm);;All files (*)");
}

class DialogPrompts : public EditorPrompts {
public:
    Answer askToSaveChanges(QWidget* parent, const QString& pageName) override {
        const auto button = QMessageBox::warning(
            parent, QCoreApplication::translate("ravelin::editor::EditorPrompts", "Page Editor"),
            QCoreApplication::translate(
                "ravelin::editor::EditorPrompts",
                "The page %1 has changes that are not saved.\n\nSave them before closing it?")
                .arg(pageName),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        switch (button) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
        }
    }

    QString openFileName(QWidget* parent, const QString& folder) override {
        return QFileDialog::getOpenFileName(
            parent, QCoreApplication::translate("ravelin::editor::EditorPrompts", "Open Page"),
            folder, pageFilter());
    }

    QString saveFileName(QWidget* parent, const QString& suggestion) override {
        return QFileDialog::getSaveFileName(
            parent, QCoreApplication::translate("ravelin::editor::EditorPrompts", "Save Page As"),
            suggestion, pageFilter());
    }

    void showError(QWidget* parent, const QString& message) override {
        QMessageBox::warning(
            parent, QCoreApplication::translate("ravelin::editor::EditorPrompts", "Page Editor"),
            message);
    }

    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

} // namespace

std::unique_ptr<EditorPrompts> makeDialogPrompts() {
    return std::make_unique<DialogPrompts>();
}

} // namespace ravelin::editor
