// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "standalone/selectiondocument.h"

namespace ravelin::standalone {

namespace {

class SinkRange : public objectmodel::IHTMLRange, public objectmodel::IHTMLTxtRange {
public:
    explicit SinkRange(const SelectionDocument::Sink& sink) : sink_(sink) {}
    IHTMLTxtRange* asTxtRange() override { return this; }
    void pasteHTML(const QString& html) override { sink_(html); }

private:
    const SelectionDocument::Sink& sink_;
};

} // namespace

std::unique_ptr<objectmodel::IHTMLRange> SelectionDocument::createRange() {
    return std::make_unique<SinkRange>(sink_);
}

} // namespace ravelin::standalone
