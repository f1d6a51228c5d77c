// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "addin/addintemplate.h"

#include "addin/addinids.h"
#include "addin/wizardwindow.h"
#include "common/translation.h"

#include <QCoreApplication>
#include <atomic>

namespace ravelin::addin {

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

void AddinTemplate::AddinInstance_OnConnection(objectmodel::Application* application,
                                               objectmodel::ConnectMode /*connectMode*/,
                                               objectmodel::COMAddIn* /*addInInst*/,
                                               QVariantList& /*custom*/) {
    FPapp = application;
    // The host may speak no language of ours, or be a copy of ours that already does.
    common::installSystemTranslation();
    objectmodel::CommandBarControls* controls =
        FPapp->CommandBars()->Item(QString::fromLatin1(kCommandBar))->Controls();
    const std::shared_ptr<objectmodel::CommandBarControl> control =
        controls->Add(objectmodel::msoControlButton, true);
    objectmodel::CommandBarButton* button = control->asButton();
    if (button == nullptr) {
        throw objectmodel::HostError(QCoreApplication::translate(
            "ravelin::addin::AddinTemplate", "The new control is not a button."));
    }
    button->setCaption(QCoreApplication::translate(kCaptionContext, kMenuCaption));
    releaseButton(); // a second connection without disconnection keeps one receiver
    eTemplateButton = std::shared_ptr<objectmodel::CommandBarButton>(control, button);
    eTemplateButton->setClick([this](objectmodel::CommandBarButton* ctrl, bool& cancelDefault) {
        eTemplateButton_Click(ctrl, cancelDefault);
    });
}

void AddinTemplate::AddinInstance_OnDisconnection(objectmodel::RemoveMode /*removeMode*/,
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

void AddinTemplate::eTemplateButton_Click(objectmodel::CommandBarButton* /*ctrl*/,
                                          bool& /*cancelDefault*/) {
    showWizard(FPapp);
}

} // namespace ravelin::addin
