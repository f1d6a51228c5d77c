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

class ReplacingRange : public objectmodel::IHTMLTxtRange {
public:
    ReplacingRange(const SelectionDocument::Replacer& replace, qsizetype start, qsizetype end)
        : replace_(replace), start_(start), end_(end) {}
    void pasteHTML(const QString& html) override { replace_(start_, end_, html); }

private:
    const SelectionDocument::Replacer& replace_;
    qsizetype start_;
    qsizetype end_;
};

} // namespace

std::unique_ptr<objectmodel::IHTMLRange> SelectionDocument::createRange() {
    return std::make_unique<SinkRange>(sink_);
}

std::optional<objectmodel::DocumentSource> SelectionDocument::source() {
    if (!text_) {
        return std::nullopt;
    }
    return objectmodel::DocumentSource{
        .text = *text_, .selectionStart = 0, .selectionEnd = text_->size(), .isSelection = true};
}

std::unique_ptr<objectmodel::IHTMLTxtRange> SelectionDocument::rangeOver(qsizetype start,
                                                                         qsizetype end) {
    if (!text_ || !replace_ || start < 0 || start > end || end > text_->size()) {
        return nullptr;
    }
    return std::make_unique<ReplacingRange>(replace_, start, end);
}

} // namespace ravelin::standalone
