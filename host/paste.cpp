// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/paste.h"

#include "platform/msgbox.h"

#include <QCoreApplication>
#include <memory>

namespace ravelin::host {

void pasteHTML(platform::Application* editor, const QString& html) {
    platform::IHTMLDocument2* document = editor != nullptr ? editor->ActiveDocument() : nullptr;
    platform::IHTMLSelectionObject* selection =
        document != nullptr ? document->selection() : nullptr;
    const std::unique_ptr<platform::IHTMLRange> range =
        selection != nullptr ? selection->createRange() : nullptr;
    platform::IHTMLTxtRange* text = range != nullptr ? range->asTxtRange() : nullptr;
    if (text == nullptr) {
        platform::MsgBox(QCoreApplication::translate("ravelin::host", kNoSelectionPoint),
                         platform::vbOKOnly);
        return;
    }
    text->pasteHTML(html);
}

} // namespace ravelin::host
