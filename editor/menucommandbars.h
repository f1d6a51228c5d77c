// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page editor's command bars are its menus: the bar "Insert" is the Insert menu, and a
// button added to a bar is an entry at the end of that menu. The editor keeps no menu
// customisation, so no added control, temporary or not, outlives the session.
#pragma once

#include "objectmodel/commandbars.h"

#include <QPointer>
#include <functional>
#include <map>
#include <memory>

class QMenu;
class QMenuBar;

namespace ravelin::editor {

class MenuCommandBars : public objectmodel::CommandBars {
public:
    // Reports a Click handler that failed: the control's caption and the reason.
    using FailureReporter = std::function<void(const QString& caption, const QString& reason)>;

    MenuCommandBars(QMenuBar* menuBar, FailureReporter reportFailure);
    ~MenuCommandBars() override;

    // The menu whose title, without its access-key marks, is `name` (ignoring case).
    objectmodel::CommandBar* Item(const QString& name) override;

private:
    class Bar;
    QPointer<QMenuBar> menuBar_;
    FailureReporter reportFailure_;
    std::map<QMenu*, std::unique_ptr<Bar>> bars_;
};

// The title of a menu or caption of an entry without its access-key marks ("&&" stays "&").
QString withoutAccessKeys(const QString& caption);

} // namespace ravelin::editor
