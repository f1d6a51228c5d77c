// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The host's command bars: its menus and the controls on them, as add-ins reach them. A host
// operation that cannot be done throws HostError.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

namespace ravelin::objectmodel {

// A host operation failed: no such bar, a control that is gone, a control type not offered.
class HostError : public std::runtime_error {
public:
    explicit HostError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// Control types of CommandBarControls::Add: the add-in adds a button; a host may refuse others,
// such as a popup.
enum MsoControlType {
    msoControlButton = 1,
    msoControlPopup = 10,
};

class CommandBarButton;

class CommandBarControl {
public:
    virtual ~CommandBarControl() = default;
    // The caption; an "&" marks the access key that follows it.
    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    // Removes the control from its bar. Throws when it is gone already.
    virtual void Delete() = 0;
    // The same control as a button, or nullptr when it is not a button.
    virtual CommandBarButton* asButton() = 0;
};

class CommandBarButton : public CommandBarControl {
public:
    // The Click event: the button and the host's CancelDefault flag.
    using ClickHandler = std::function<void(CommandBarButton* ctrl, bool& cancelDefault)>;
    // Sets the one receiver of Click; an empty handler stops the events.
    virtual void setClick(ClickHandler handler) = 0;
};

class CommandBarControls {
public:
    virtual ~CommandBarControls() = default;
    virtual int Count() const = 0;
    // Adds a control after the bar's last one. A temporary control is never saved with the
    // host's menus.
    virtual std::shared_ptr<CommandBarControl> Add(MsoControlType type, bool temporary) = 0;
};

class CommandBar {
public:
    virtual ~CommandBar() = default;
    virtual QString Name() const = 0;
    virtual CommandBarControls* Controls() = 0;
};

class CommandBars {
public:
    virtual ~CommandBars() = default;
    // The bar with this name ("Insert" is the Insert menu). Throws when there is none.
    virtual CommandBar* Item(const QString& name) = 0;
};

} // namespace ravelin::objectmodel
