// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wizard window outside any editor, in the two ways ravelin-wizard runs it: pasting to the
// clipboard, or answering an editor's filter call.
#pragma once

#include "standalone/selectiondocument.h"

#include <QPointer>
#include <QWidget>

namespace ravelin::standalone {

class FilterSession;

// The text that tells the user where the button went.
QString clipboardNotice();

// Insert HTML puts the button on the clipboard, as plain text and as HTML, and says so.
class ClipboardWizard {
public:
    ClipboardWizard();
    ~ClipboardWizard();
    ClipboardWizard(const ClipboardWizard&) = delete;
    ClipboardWizard& operator=(const ClipboardWizard&) = delete;

    // The wizard window; nullptr once the user closed it.
    QWidget* window() const { return window_.data(); }

private:
    SelectionDocument document_;
    QPointer<QWidget> window_;
};

// Insert HTML answers `session` with the button; closing the window, or Escape, gives the
// selection back.
class FilterWizard {
public:
    explicit FilterWizard(FilterSession& session);
    ~FilterWizard();
    FilterWizard(const FilterWizard&) = delete;
    FilterWizard& operator=(const FilterWizard&) = delete;

    QWidget* window() const { return window_.data(); }

private:
    SelectionDocument document_;
    QPointer<QWidget> window_;
};

} // namespace ravelin::standalone
