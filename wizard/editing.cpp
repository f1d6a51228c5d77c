// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/editing.h"

#include "buttons/text.h"

#include <QCoreApplication>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace ravelin::wizard {

namespace {

// The buttons of `text`, each with where it runs in the text in characters.
std::vector<ButtonInPage> buttonsOf(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const std::string_view page(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::vector<ButtonInPage> buttons;
    buttons::PageButtons read = buttons::readButtons(page);
    auto* found = std::get_if<std::vector<buttons::FoundButton>>(&read);
    if (found == nullptr) {
        return buttons; // a page past the reader's bound: edited as any other
    }
    for (buttons::FoundButton& button : *found) {
        const qsizetype start =
            static_cast<qsizetype>(buttons::utf16Length(page.substr(0, button.begin)));
        const qsizetype end = start + static_cast<qsizetype>(buttons::utf16Length(
                                          page.substr(button.begin, button.end - button.begin)));
        QString held = text.mid(start, end - start);
        buttons.push_back({std::move(button), start, end, std::move(held)});
    }
    return buttons;
}

} // namespace

std::optional<ButtonInPage> buttonAtSelection(objectmodel::IHTMLDocument2& document) {
    const std::optional<objectmodel::DocumentSource> source = document.source();
    if (!source) {
        return std::nullopt;
    }
    std::vector<ButtonInPage> buttons = buttonsOf(source->text);
    for (ButtonInPage& button : buttons) {
        if (source->isSelection ||
            (button.start <= source->selectionStart && source->selectionEnd <= button.end)) {
            return std::move(button);
        }
    }
    return std::nullopt;
}

common::Result<ButtonInPage> replaceButton(objectmodel::IHTMLDocument2& document,
                                           const ButtonInPage& button, const QString& html) {
    const std::optional<objectmodel::DocumentSource> before = document.source();
    const QString changed = QCoreApplication::translate(
        "ravelin::wizard::ButtonInPage",
        "The button the wizard was opened on has changed in the page since, so the new button "
        "was not put in its place. Open the wizard on the button again, or copy the new "
        "button's HTML.");
    if (!before) {
        return common::Failure{changed};
    }
    qsizetype start = button.start;
    if (before->text.mid(start, button.end - button.start) != button.text) {
        start = before->text.indexOf(button.text);
        if (start < 0 || before->text.lastIndexOf(button.text) != start) {
            return common::Failure{changed};
        }
    }
    const qsizetype length = button.end - button.start;
    const std::unique_ptr<objectmodel::IHTMLTxtRange> range =
        document.rangeOver(start, start + length);
    if (range == nullptr) {
        return common::Failure{changed};
    }
    range->pasteHTML(html);

    // The new button runs from the same place; the page around it is as it was.
    ButtonInPage written = button;
    written.start = start;
    if (const std::optional<objectmodel::DocumentSource> after = document.source()) {
        written.end = start + length + (after->text.size() - before->text.size());
        written.text = after->text.mid(start, written.end - start);
        for (ButtonInPage& read : buttonsOf(after->text)) {
            if (read.start == start) {
                return std::move(read);
            }
        }
    }
    return written;
}

} // namespace ravelin::wizard
