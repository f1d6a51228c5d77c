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

namespace ravelin::standalone {

class SelectionDocument : public objectmodel::Application,
                          public objectmodel::IHTMLDocument2,
                          private objectmodel::IHTMLSelectionObject {
public:
    using Sink = std::function<void(const QString& html)>;

    explicit SelectionDocument(Sink sink) : sink_(std::move(sink)) {}

    objectmodel::IHTMLDocument2* ActiveDocument() override { return this; }
    // A document with no editor around it has no menus.
    objectmodel::CommandBars* CommandBars() override { return nullptr; }
    objectmodel::IHTMLSelectionObject* selection() override { return this; }

private:
    std::unique_ptr<objectmodel::IHTMLRange> createRange() override;

    Sink sink_;
};

} // namespace ravelin::standalone
