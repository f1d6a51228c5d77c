// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page editor: a main window editing one HTML page as source text. It is the add-ins'
// Application: its command bars are its menus and its active document is the open page.
#pragma once

#include "editor/addinhost.h"
#include "editor/editorprompts.h"
#include "editor/menucommandbars.h"
#include "editor/pagedocument.h"
#include "editor/pagefile.h"
#include "objectmodel/application.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QTemporaryDir;

namespace Ui {
class PageEditor;
}

namespace ravelin::editor {

class HtmlHighlighter;

class PageEditor : public QMainWindow, public objectmodel::Application {
    Q_OBJECT
public:
    explicit PageEditor(std::unique_ptr<EditorPrompts> prompts = makeDialogPrompts(),
                        QWidget* parent = nullptr);
    ~PageEditor() override;

    // Pages with a longer line are not opened: laying such a line out takes seconds and
    // hundreds of megabytes, and again at every change of it.
    static constexpr qsizetype kLongestLine = qsizetype{1024} * 1024;

    objectmodel::IHTMLDocument2* ActiveDocument() override;
    objectmodel::CommandBars* CommandBars() override;
    QWidget* MainWindow() override;

    // Opens the page at `path`, or a new blank page when it is empty. A path that does not
    // exist yet names a new page to be saved there; one that cannot be read is reported and a
    // blank page opened instead.
    void openStartPage(const QString& path);
    // Loads and connects the add-ins that load at startup; failures are reported in one
    // message.
    void loadAddins();

    AddinHost& addins() { return *addins_; }
    // The file of the page; empty for a page never saved.
    QString filePath() const { return path_; }
    // The page as it would be saved.
    PageText page() const;
    bool isModified() const;

    bool newPage();
    bool openPage();
    bool openFile(const QString& path);
    bool save();
    bool saveAs();
    // Shows a copy of the page as it stands in the browser. The copies live in a folder of
    // their own until the editor closes; when no browser starts, the copy goes at once and the
    // message says how to choose one.
    bool preview();
    void showAddinsDialog();

signals:
    // The window closed for good (the add-ins are disconnected).
    void exited();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool maybeSave();
    bool writeTo(const QString& path);
    // `longestLine` is the length of the page's longest line; a new page's are short.
    void setPage(const PageText& page, const QString& path, qsizetype caret,
                 qsizetype longestLine = 0);
    void insertMarkup(const QString& markup);
    // Tells in the status bar when the page or some of its lines are shown without colours.
    void updateColoursNote();
    void updateTitle();
    QString pageName() const;

    std::unique_ptr<Ui::PageEditor> ui_;
    std::unique_ptr<EditorPrompts> prompts_;
    HtmlHighlighter* highlighter_;
    QLabel* coloursNote_;
    bool longLines_ = false; // the page has lines too long to colour
    std::unique_ptr<PageDocument> document_;
    std::unique_ptr<MenuCommandBars> commandBars_;
    QString path_;
    LineEnding lineEnding_ = LineEnding::CrLf;
    bool byteOrderMark_ = false;
    std::unique_ptr<QTemporaryDir> previewFolder_;
    std::unique_ptr<AddinHost> addins_; // last: add-ins go before the window's parts
};

} // namespace ravelin::editor
