// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The add-in object "RAVELIN.template" the editor creates and connects. On connection it adds
// "&PayPal Purchase Button Wizard" at the end of the editor's Insert menu, whose command shows
// the wizard window; on disconnection it removes that entry again.
#pragma once

#include "objectmodel/addin.h"
#include "objectmodel/application.h"

#include <memory>

namespace ravelin::addin {

class AddinTemplate : public objectmodel::AddinInstance {
public:
    AddinTemplate();
    ~AddinTemplate() override;
    AddinTemplate(const AddinTemplate&) = delete;
    AddinTemplate& operator=(const AddinTemplate&) = delete;

    // Keeps the editor and adds the menu entry. A failing host operation ends the connection
    // there and reaches the editor.
    void AddinInstance_OnConnection(objectmodel::Application* application,
                                    objectmodel::ConnectMode connectMode,
                                    objectmodel::COMAddIn* addInInst,
                                    QVariantList& custom) override;
    // Deletes the menu entry; ignores every failure. The wizard window stays open.
    void AddinInstance_OnDisconnection(objectmodel::RemoveMode removeMode,
                                       QVariantList& custom) override;

    // The editor received at connection; kept until the object is released.
    objectmodel::Application* FPapp = nullptr;

    // Add-in objects alive in this library.
    static int liveObjects();

private:
    void eTemplateButton_Click(objectmodel::CommandBarButton* ctrl, bool& cancelDefault);
    // Stops the menu entry's events and lets go of it; errors ignored.
    void releaseButton() noexcept;

    // The menu entry, receiving its Click while held.
    std::shared_ptr<objectmodel::CommandBarButton> eTemplateButton;
};

} // namespace ravelin::addin
