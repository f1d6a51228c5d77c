// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The add-in object "RAVELIN.template" the editor creates and connects. On connection it adds
// "&PayPal Purchase Button Wizard" at the end of the editor's Insert menu, whose command shows
// the wizard window; on disconnection it removes that entry again.
#pragma once

#include "platform/addin.h"
#include "platform/application.h"

#include <memory>

namespace ravelin::host {

class AddinTemplate : public platform::AddinInstance {
public:
    AddinTemplate();
    ~AddinTemplate() override;
    AddinTemplate(const AddinTemplate&) = delete;
    AddinTemplate& operator=(const AddinTemplate&) = delete;

    // Keeps the editor and adds the menu entry. A failing host operation ends the connection
    // there and reaches the editor.
    void AddinInstance_OnConnection(platform::Application* application,
                                    platform::ConnectMode connectMode,
                                    platform::COMAddIn* addInInst, QVariantList& custom) override;
    // Deletes the menu entry; ignores every failure. The wizard window stays open.
    void AddinInstance_OnDisconnection(platform::RemoveMode removeMode,
                                       QVariantList& custom) override;

    // The editor received at connection; kept until the object is released.
    platform::Application* FPapp = nullptr;

    // Add-in objects alive in this library.
    static int liveObjects();

private:
    void eTemplateButton_Click(platform::CommandBarButton* ctrl, bool& cancelDefault);
    // Stops the menu entry's events and lets go of it; errors ignored.
    void releaseButton() noexcept;

    // The menu entry, receiving its Click while held.
    std::shared_ptr<platform::CommandBarButton> eTemplateButton;
};

} // namespace ravelin::host
