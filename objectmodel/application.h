// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objectmodel/commandbars.h"
#include "objectmodel/document.h"

class QWidget;

namespace ravelin::objectmodel {

// The running editor's application object.
class Application {
public:
    virtual ~Application() = default;
    // The HTML document of the page the user is editing, or nullptr when no page is open.
    virtual IHTMLDocument2* ActiveDocument() = 0;
    // The editor's command bars (its menus).
    virtual objectmodel::CommandBars* CommandBars() = 0;
    // The editor's main window, which the add-in's windows open over; nullptr for a host
    // without a window of its own in this process.
    virtual QWidget* MainWindow() { return nullptr; }
};

} // namespace ravelin::objectmodel
