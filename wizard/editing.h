// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A PayPal button of the editor's page that the wizard was opened on: found around the
// selection by the button reader (buttons/reader.h), and later replaced by the button the
// seller writes, in one undoable edit.
#pragma once

#include "buttons/reader.h"
#include "common/result.h"
#include "objectmodel/document.h"

#include <QString>
#include <optional>

namespace ravelin::wizard {

struct ButtonInPage {
    buttons::FoundButton found;
    // Where the button's text (its description lines and its form) runs in the document's
    // source, in characters, and that text as the page held it when it was read.
    qsizetype start = 0;
    qsizetype end = 0;
    QString text;
};

// The button the selection lies in (a caret on its description lines or in its form, or a
// selection within it); when the document's text is a selection an editor handed over, the
// first button in it. Nothing where the document shows no text or holds no button there.
std::optional<ButtonInPage> buttonAtSelection(objectmodel::IHTMLDocument2& document);

// Puts `html` in the place of `button`, as one undoable edit, and answers where the new text
// runs. Fails, changing nothing, when the page no longer holds the button as it was read and
// it cannot be found once, unchanged, elsewhere in it.
common::Result<ButtonInPage> replaceButton(objectmodel::IHTMLDocument2& document,
                                           const ButtonInPage& button, const QString& html);

} // namespace ravelin::wizard
