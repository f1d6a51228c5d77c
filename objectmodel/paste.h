// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Pasting HTML into the page open in the editor, at its selection point.
#pragma once

#include "objectmodel/application.h"

#include <QString>

namespace ravelin::objectmodel {

// The message shown when the editor gives no place to paste at.
inline constexpr char kNoSelectionPoint[] = "Unable to get selection point";

// Pastes `html`, exactly as given, at the selection point of the editor's active page: it
// replaces selected text, or goes in at the caret. When no text range can be had there (a
// picture or another control is selected, or no page is open) the message "Unable to get
// selection point" is shown and nothing is pasted.
void pasteHTML(objectmodel::Application* editor, const QString& html);

} // namespace ravelin::objectmodel
