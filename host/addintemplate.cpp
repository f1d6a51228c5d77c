// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/addintemplate.h"

#include "host/addinids.h"
#include "host/wizardwindow.h"

#include <atomic>

namespace ravelin::host {

namespace {

std::atomic<int> gLiveObjects{0};

} // namespace

AddinTemplate::AddinTemplate() {
    ++gLiveObjects;
}

AddinTemplate::~AddinTemplate() {
    releaseButton();
    --gLiveObjects;
}

int AddinTemplate::liveObjects() {
    return gLiveObjects;
}

void AddinTemplate::AddinInstance_OnConnection(platform::Application* application,
                                               platform::ConnectMode /*connectMode*/,
                                               platform::COMAddIn* /*addInInst*/,
                                               QVariantList& /*custom*/) {
    FPapp = application;
    platform::CommandBarControls* controls =
        FPapp->CommandBars()->Item(QString::fromLatin1(kCommandBar))->Controls();
    const std::shared_ptr<platform::CommandBarControl> control =
        controls->Add(platform::msoControlButton, true);
    platform::CommandBarButton* button = control->asButton();
    if (button == nullptr) {
        throw platform::HostError(QStringLiteral("The new control is not a button."));
    }
    button->setCaption(QString::fromLatin1(kMenuCaption));
    releaseButton(); // a second connection without disconnection keeps one receiver
    eTemplateButton = std::shared_ptr<platform::CommandBarButton>(control, button);
    eTemplateButton->setClick([this](platform::CommandBarButton* ctrl, bool& cancelDefault) {
        eTemplateButton_Click(ctrl, cancelDefault);
    });
}

void AddinTemplate::AddinInstance_OnDisconnection(platform::RemoveMode /*removeMode*/,
                                                  QVariantList& /*custom*/) {
    try {
        if (eTemplateButton) {
            eTemplateButton->Delete();
        }
    } catch (...) {
        // The entry may be gone already (the user removed it): nothing to do.
    }
    releaseButton();
}

void AddinTemplate::releaseButton() noexcept {
    try {
        if (eTemplateButton) {
            eTemplateButton->setClick({});
        }
    } catch (...) {
        // A deleted entry raises no more events anyway.
    }
    eTemplateButton.reset();
}

void AddinTemplate::eTemplateButton_Click(platform::CommandBarButton* /*ctrl*/,
                                          bool& /*cancelDefault*/) {
    showWizard(FPapp);
}

} // namespace ravelin::host
