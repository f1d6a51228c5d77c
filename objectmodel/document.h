// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The editor's document object model as the add-in sees it: the application, its active
// document, the document's selection and the ranges made from it. The page editor implements
// these; tests implement them over an in-memory page. The add-in holds only borrowed pointers.
#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace ravelin::objectmodel {

// A range that covers text or an insertion point.
class IHTMLTxtRange {
public:
    virtual ~IHTMLTxtRange() = default;
    // Replaces the range's content with the HTML, or inserts it at an insertion point.
    virtual void pasteHTML(const QString& html) = 0;
};

// Whatever createRange gives: a text range, or a control range (a selected picture or other
// control) that is not one.
class IHTMLRange {
public:
    virtual ~IHTMLRange() = default;
    // The same range as a text range, or nullptr for a control range.
    virtual IHTMLTxtRange* asTxtRange() = 0;
};

class IHTMLSelectionObject {
public:
    virtual ~IHTMLSelectionObject() = default;
    virtual std::unique_ptr<IHTMLRange> createRange() = 0;
};

// The text of a document and where its selection lies in it, in characters from its start
// (start and end equal at a caret).
struct DocumentSource {
    QString text;
    qsizetype selectionStart = 0;
    qsizetype selectionEnd = 0;
    // The text is a selection an editor handed over rather than a whole page: what it holds is
    // all there is to edit.
    bool isSelection = false;
};

class IHTMLDocument2 {
public:
    virtual ~IHTMLDocument2() = default;
    virtual IHTMLSelectionObject* selection() = 0;
    // The document's text with its selection, or nothing where the document cannot show it.
    virtual std::optional<DocumentSource> source() { return std::nullopt; }
    // A text range over the characters from `start` to `end` of the text source() gives: its
    // pasteHTML replaces them, as one undoable edit. nullptr where the document cannot give one.
    virtual std::unique_ptr<IHTMLTxtRange> rangeOver(qsizetype start, qsizetype end) {
        (void)start;
        (void)end;
        return nullptr;
    }
};

} // namespace ravelin::objectmodel
