// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectmodel/paste.h"

#include "common/msgbox.h"

#include <QCoreApplication>
#include <memory>

namespace ravelin::objectmodel {

void pasteHTML(objectmodel::Application* editor, const QString& html) {
    objectmodel::IHTMLDocument2* document = editor != nullptr ? editor->ActiveDocument() : nullptr;
    objectmodel::IHTMLSelectionObject* selection =
        document != nullptr ? document->selection() : nullptr;
    const std::unique_ptr<objectmodel::IHTMLRange> range =
        selection != nullptr ? selection->createRange() : nullptr;
    objectmodel::IHTMLTxtRange* text = range != nullptr ? range->asTxtRange() : nullptr;
    if (text == nullptr) {
        common::showMessage(QCoreApplication::translate("ravelin::objectmodel", kNoSelectionPoint));
        return;
    }
    text->pasteHTML(html);
}

} // namespace ravelin::objectmodel
