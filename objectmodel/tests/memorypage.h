// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// An editor page held in memory, for tests of everything that pastes: the page's source text
// with a caret or a selected run of text, or a selected control (a picture, say), which gives
// a control range as a real editor does. Header only; link nothing.
#pragma once

#include "objectmodel/application.h"
#include "objectmodel/document.h"

#include <QString>
#include <algorithm>
#include <memory>

namespace ravelin::objectmodel::testing {

class MemoryPage : public IHTMLDocument2, private IHTMLSelectionObject {
public:
    // A page with the caret at the end of its text.
    explicit MemoryPage(QString text = {})
        : text_(std::move(text)), start_(text_.size()), end_(text_.size()) {}

    const QString& text() const { return text_; }
    qsizetype selectionStart() const { return start_; }
    qsizetype selectionEnd() const { return end_; }
    bool controlSelected() const { return control_; }
    // How many times pasteHTML was called on this page.
    int pasteCount() const { return pastes_; }

    // The caret at `position`, nothing selected.
    void setCaret(qsizetype position) { select(position, position); }

    // The run of text from `start` to `end` selected.
    void select(qsizetype start, qsizetype end) {
        start_ = std::clamp<qsizetype>(std::min(start, end), 0, text_.size());
        end_ = std::clamp<qsizetype>(std::max(start, end), 0, text_.size());
        control_ = false;
    }

    // The control whose tag runs from `start` to `end` selected, as when the user clicks a
    // picture: the selection gives a control range, not a text range.
    void selectControl(qsizetype start, qsizetype end) {
        select(start, end);
        control_ = true;
    }

    IHTMLSelectionObject* selection() override { return this; }
    std::optional<DocumentSource> source() override {
        return DocumentSource{.text = text_, .selectionStart = start_, .selectionEnd = end_};
    }
    std::unique_ptr<IHTMLTxtRange> rangeOver(qsizetype start, qsizetype end) override {
        if (start < 0 || start > end || end > text_.size()) {
            return nullptr;
        }
        return std::make_unique<TextRange>(*this, start, end);
    }

private:
    class TextRange : public IHTMLRange, public IHTMLTxtRange {
    public:
        TextRange(MemoryPage& page, qsizetype start, qsizetype end)
            : page_(page), start_(start), end_(end) {}
        IHTMLTxtRange* asTxtRange() override { return this; }
        void pasteHTML(const QString& html) override {
            page_.replace(start_, end_, html);
            end_ = start_ + html.size();
            start_ = end_;
        }

    private:
        MemoryPage& page_;
        qsizetype start_;
        qsizetype end_;
    };

    class ControlRange : public IHTMLRange {
    public:
        IHTMLTxtRange* asTxtRange() override { return nullptr; }
    };

    std::unique_ptr<IHTMLRange> createRange() override {
        if (control_) {
            return std::make_unique<ControlRange>();
        }
        return std::make_unique<TextRange>(*this, start_, end_);
    }

    void replace(qsizetype start, qsizetype end, const QString& html) {
        text_.replace(start, end - start, html);
        start_ = end_ = start + html.size();
        control_ = false;
        ++pastes_;
    }

    QString text_;
    qsizetype start_;
    qsizetype end_;
    bool control_ = false;
    int pastes_ = 0;
};

// The editor's application object over one page in memory, or over none (no page open).
class MemoryEditor : public Application {
public:
    explicit MemoryEditor(MemoryPage* page = nullptr) : page_(page) {}
    void setPage(MemoryPage* page) { page_ = page; }
    IHTMLDocument2* ActiveDocument() override { return page_; }
    // A page in memory has no menus.
    objectmodel::CommandBars* CommandBars() override { return nullptr; }

private:
    MemoryPage* page_;
};

} // namespace ravelin::objectmodel::testing
