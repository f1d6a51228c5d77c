// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageeditor.h"

#include "editor/addinsdialog.h"
#include "editor/htmlhighlighter.h"
#include "ui_pageeditor.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QUrl>
#include <algorithm>

namespace ravelin::editor {

namespace {

constexpr int kStatusTimeout = 5000;

// The length of the longest line of a text whose lines end in CR LF, LF or CR.
qsizetype longestLine(QStringView text) {
    qsizetype longest = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || text[i] == u'\r') {
            longest = std::max(longest, i - start);
            i += text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 1 : 0;
            start = i + 1;
        }
    }
    return std::max(longest, text.size() - start);
}

} // namespace

PageEditor::PageEditor(std::unique_ptr<EditorPrompts> prompts, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::PageEditor>()), prompts_(std::move(prompts)) {
    ui_->setupUi(this);
    QPlainTextEdit* text = ui_->txtPage;
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    highlighter_ = new HtmlHighlighter(text->document());
    coloursNote_ = new QLabel(this);
    coloursNote_->setObjectName(QStringLiteral("lblColours"));
    coloursNote_->setAccessibleName(tr("Colours"));
    coloursNote_->hide();
    statusBar()->addPermanentWidget(coloursNote_);
    connect(highlighter_, &HtmlHighlighter::colouringChanged, this, &PageEditor::updateColoursNote);
    document_ = std::make_unique<PageDocument>(text);
    commandBars_ = std::make_unique<MenuCommandBars>(
        ui_->menuBar, [this](const QString& caption, const QString& reason) {
            prompts_->showError(
                this, tr("The command %1 failed: %2").arg(withoutAccessKeys(caption), reason));
        });
    addins_ = std::make_unique<AddinHost>(this);

    ui_->actNew->setShortcut(QKeySequence::New);
    ui_->actOpen->setShortcut(QKeySequence::Open);
    ui_->actSave->setShortcut(QKeySequence::Save);
    ui_->actSaveAs->setShortcut(QKeySequence::SaveAs);
    ui_->actExit->setShortcut(QKeySequence::Quit);
    ui_->actUndo->setShortcut(QKeySequence::Undo);
    ui_->actRedo->setShortcut(QKeySequence::Redo);
    ui_->actCut->setShortcut(QKeySequence::Cut);
    ui_->actCopy->setShortcut(QKeySequence::Copy);
    ui_->actPaste->setShortcut(QKeySequence::Paste);
    ui_->actSelectAll->setShortcut(QKeySequence::SelectAll);

    connect(ui_->actNew, &QAction::triggered, this, &PageEditor::newPage);
    connect(ui_->actOpen, &QAction::triggered, this, &PageEditor::openPage);
    connect(ui_->actSave, &QAction::triggered, this, &PageEditor::save);
    connect(ui_->actSaveAs, &QAction::triggered, this, &PageEditor::saveAs);
    connect(ui_->actPreview, &QAction::triggered, this, &PageEditor::preview);
    connect(ui_->actExit, &QAction::triggered, this, &QWidget::close);
    connect(ui_->actUndo, &QAction::triggered, text, &QPlainTextEdit::undo);
    connect(ui_->actRedo, &QAction::triggered, text, &QPlainTextEdit::redo);
    connect(ui_->actCut, &QAction::triggered, text, &QPlainTextEdit::cut);
    connect(ui_->actCopy, &QAction::triggered, text, &QPlainTextEdit::copy);
    connect(ui_->actPaste, &QAction::triggered, text, &QPlainTextEdit::paste);
    connect(ui_->actSelectAll, &QAction::triggered, text, &QPlainTextEdit::selectAll);
    connect(ui_->actLineBreak, &QAction::triggered, this,
            [this] { insertMarkup(QStringLiteral("<br>")); });
    connect(ui_->actHorizontalLine, &QAction::triggered, this,
            [this] { insertMarkup(QStringLiteral("<hr>")); });
    connect(ui_->actAddIns, &QAction::triggered, this, &PageEditor::showAddinsDialog);

    ui_->actUndo->setEnabled(false);
    ui_->actRedo->setEnabled(false);
    ui_->actCut->setEnabled(false);
    ui_->actCopy->setEnabled(false);
    connect(text, &QPlainTextEdit::undoAvailable, ui_->actUndo, &QAction::setEnabled);
    connect(text, &QPlainTextEdit::redoAvailable, ui_->actRedo, &QAction::setEnabled);
    connect(text, &QPlainTextEdit::copyAvailable, ui_->actCut, &QAction::setEnabled);
    connect(text, &QPlainTextEdit::copyAvailable, ui_->actCopy, &QAction::setEnabled);
    connect(text->document(), &QTextDocument::modificationChanged, this,
            &QWidget::setWindowModified);

    setPage(blankPage(), {}, blankPageCaret());
}

PageEditor::~PageEditor() {
    addins_.reset(); // disconnects what is still connected while the menus exist
}

objectmodel::IHTMLDocument2* PageEditor::ActiveDocument() {
    return document_.get();
}

objectmodel::CommandBars* PageEditor::CommandBars() {
    return commandBars_.get();
}

QWidget* PageEditor::MainWindow() {
    return this;
}

PageText PageEditor::page() const {
    return PageText{pageText(*ui_->txtPage, lineEnding_), lineEnding_, byteOrderMark_};
}

bool PageEditor::isModified() const {
    return ui_->txtPage->document()->isModified();
}

QString PageEditor::pageName() const {
    return path_.isEmpty() ? tr("Untitled") : QFileInfo(path_).fileName();
}

void PageEditor::updateTitle() {
    setWindowTitle(tr("%1[*] - Page Editor").arg(pageName()));
    setWindowFilePath(path_);
}

void PageEditor::setPage(const PageText& page, const QString& path, qsizetype caret,
                         qsizetype longestLine) {
    QPlainTextEdit* text = ui_->txtPage;
    longLines_ = longestLine > HtmlHighlighter::kLongestColouredLine;
    setPageText(*text, page.text, page.lineEnding);
    updateColoursNote();
    QTextCursor cursor(text->document());
    cursor.setPosition(static_cast<int>(caret));
    text->setTextCursor(cursor);
    text->document()->setModified(false);
    lineEnding_ = page.lineEnding;
    byteOrderMark_ = page.byteOrderMark;
    path_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    setWindowModified(false);
    updateTitle();
}

void PageEditor::openStartPage(const QString& path) {
    if (path.isEmpty()) {
        setPage(blankPage(), {}, blankPageCaret());
        return;
    }
    if (!QFileInfo::exists(path)) {
        setPage(blankPage(), path, blankPageCaret());
        statusBar()->showMessage(tr("New page: %1").arg(QDir::toNativeSeparators(path)),
                                 kStatusTimeout);
        return;
    }
    if (!openFile(path)) {
        setPage(blankPage(), {}, blankPageCaret());
    }
}

void PageEditor::loadAddins() {
    const QStringList failures = addins_->startup();
    if (const std::optional<QString> problem = addins_->registryProblem()) {
        prompts_->showError(
            this,
            tr("A registry of add-ins could not be read and was passed over: %1.").arg(*problem));
    }
    if (!failures.isEmpty()) {
        prompts_->showError(
            this, tr("These add-ins could not be loaded:\n\n%1\n\nTools > Add-Ins lists them.")
                      .arg(failures.join(QLatin1Char('\n'))));
    }
}

bool PageEditor::maybeSave() {
    if (!isModified()) {
        return true;
    }
    switch (prompts_->askToSaveChanges(this, pageName())) {
    case EditorPrompts::Answer::Save:
        return save();
    case EditorPrompts::Answer::Discard:
        return true;
    case EditorPrompts::Answer::Cancel:
        break;
    }
    return false;
}

bool PageEditor::newPage() {
    if (!maybeSave()) {
        return false;
    }
    setPage(blankPage(), {}, blankPageCaret());
    return true;
}

bool PageEditor::openPage() {
    if (!maybeSave()) {
        return false;
    }
    const QString folder = path_.isEmpty() ? QDir::homePath() : QFileInfo(path_).absolutePath();
    const QString path = prompts_->openFileName(this, folder);
    return !path.isEmpty() && openFile(path);
}

bool PageEditor::openFile(const QString& path) {
    const common::Result<PageText> page = readPageFile(path);
    if (!page) {
        prompts_->showError(this, page.error());
        return false;
    }
    const qsizetype longest = longestLine(page->text);
    if (longest > kLongestLine) {
        prompts_->showError(this, tr("Cannot open %1: it has a line of %L2 characters. The page "
                                     "editor opens pages whose lines are at most %L3 characters "
                                     "long; break the line in another editor first.")
                                      .arg(QDir::toNativeSeparators(path))
                                      .arg(longest)
                                      .arg(kLongestLine));
        return false;
    }
    setPage(*page, path, 0, longest);
    return true;
}

bool PageEditor::writeTo(const QString& path) {
    if (const common::Result<void> written = writePageFile(path, page()); !written) {
        prompts_->showError(this, written.error());
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    ui_->txtPage->document()->setModified(false);
    updateTitle();
    statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(path_)), kStatusTimeout);
    return true;
}

bool PageEditor::save() {
    return path_.isEmpty() ? saveAs() : writeTo(path_);
}

bool PageEditor::saveAs() {
    const QString suggestion = path_.isEmpty() ? QDir::home().filePath(tr("untitled.html")) : path_;
    const QString path = prompts_->saveFileName(this, suggestion);
    return !path.isEmpty() && writeTo(path);
}

bool PageEditor::preview() {
    if (!previewFolder_ || !previewFolder_->isValid()) {
        previewFolder_ = std::make_unique<QTemporaryDir>();
    }
    const QString name =
        path_.isEmpty() ? QStringLiteral("preview.html") : QFileInfo(path_).fileName();
    const QString copy = previewFolder_->filePath(name);
    const common::Result<void> written = previewFolder_->isValid()
                                             ? writePageFile(copy, page())
                                             : common::Failure{previewFolder_->errorString()};
    if (!written) {
        prompts_->showError(
            this, tr("Cannot make a copy of the page to preview: %1").arg(written.error()));
        return false;
    }
    if (!prompts_->openUrl(QUrl::fromLocalFile(copy))) {
        previewFolder_.reset(); // nobody will read the copy
        prompts_->showError(
            this,
            tr("No browser could be started to show the page.\n\nChoose your browser with the "
               "command\n    xdg-settings set default-web-browser firefox-esr.desktop\n(with the "
               "name of your browser's .desktop file), or name its program in the environment "
               "variable BROWSER, as in\n    BROWSER=firefox page-editor"));
        return false;
    }
    return true;
}

void PageEditor::showAddinsDialog() {
    AddinsDialog dialog(*addins_, this);
    dialog.exec();
}

void PageEditor::insertMarkup(const QString& markup) {
    const std::unique_ptr<objectmodel::IHTMLRange> range = document_->createRange();
    if (objectmodel::IHTMLTxtRange* text = range->asTxtRange()) {
        text->pasteHTML(markup);
    } else {
        statusBar()->showMessage(tr("Put the caret outside tags, comments, scripts, styles, "
                                    "text areas, titles and forms to insert there."),
                                 kStatusTimeout);
    }
}

void PageEditor::updateColoursNote() {
    if (!highlighter_->isColouring()) {
        coloursNote_->setText(tr("No colours: the page is longer than %L1 characters")
                                  .arg(HtmlHighlighter::kLargestColouredPage));
    } else if (longLines_) {
        coloursNote_->setText(tr("Lines longer than %L1 characters are shown without colours")
                                  .arg(HtmlHighlighter::kLongestColouredLine));
    }
    coloursNote_->setVisible(!highlighter_->isColouring() || longLines_);
}

void PageEditor::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    addins_->shutdown();
    previewFolder_.reset(); // the copies shown in the browser go with the editor
    event->accept();
    emit exited();
}

} // namespace ravelin::editor
