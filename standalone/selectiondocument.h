// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The object model of ravelin-wizard: a document that is not a page. Its selection is always a
// text range, and whatever is pasted into it goes to the sink it was given (the clipboard, or
// standard output in place of the text an editor handed over).
#pragma once

#include "objectmodel/application.h"
#include "objectmodel/document.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace ravelin::standalone {

class SelectionDocument : public objectmodel::Application,
                          public objectmodel::IHTMLDocument2,
                          private objectmodel::IHTMLSelectionObject {
public:
    using Sink = std::function<void(const QString& html)>;
    // Takes the HTML that replaces the characters from `start` to `end` of the selection.
    using Replacer = std::function<void(qsizetype start, qsizetype end, const QString& html)>;

    explicit SelectionDocument(Sink sink) : sink_(std::move(sink)) {}
    // A document that shows `text`, the selection an editor handed over, to the wizard, and
    // hands a replacement of a part of it to `replace`.
    SelectionDocument(Sink sink, QString text, Replacer replace)
        : sink_(std::move(sink)), text_(std::move(text)), replace_(std::move(replace)) {}

    objectmodel::IHTMLDocument2* ActiveDocument() override { return this; }
    // A document with no editor around it has no menus.
    objectmodel::CommandBars* CommandBars() override { return nullptr; }
    objectmodel::IHTMLSelectionObject* selection() override { return this; }
    std::optional<objectmodel::DocumentSource> source() override;
    std::unique_ptr<objectmodel::IHTMLTxtRange> rangeOver(qsizetype start, qsizetype end) override;

private:
    std::unique_ptr<objectmodel::IHTMLRange> createRange() override;

    Sink sink_;
    std::optional<QString> text_;
    Replacer replace_;
};

} // namespace ravelin::standalone
