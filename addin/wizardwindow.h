// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The add-in's one wizard window: modeless and without owner, created on first use and after
// the user closed it, shown again with its page and answers otherwise. A new window opens
// centred over the editor's main window and stays above it.
#pragma once

class QWidget;

namespace ravelin::objectmodel {
class Application;
}

namespace ravelin::addin {

// Shows the wizard window, creating it for `editor` when it is not open, on the PayPal button
// around the selection of the editor's page when there is one. Returns at once.
QWidget* showWizard(objectmodel::Application* editor);

// The wizard window while it is open, else nullptr.
QWidget* wizardWindow();

} // namespace ravelin::addin
