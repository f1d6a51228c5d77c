// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugin.h"

#include "wizardrun.h"

#include <KActionCollection>
#include <KLocalizedString>
#include <KPluginFactory>
#include <KTextEditor/MainWindow>
#include <KTextEditor/View>
#include <KXMLGUIFactory>
#include <QAction>

K_PLUGIN_FACTORY_WITH_JSON(RavelinPluginFactory, "ravelinwizard.json",
                           registerPlugin<ravelin::kate::RavelinPlugin>();)

namespace ravelin::kate {

RavelinPlugin::RavelinPlugin(QObject* parent, const QVariantList&) : KTextEditor::Plugin(parent) {}

QObject* RavelinPlugin::createView(KTextEditor::MainWindow* mainWindow) {
    return new RavelinPluginView(mainWindow);
}

RavelinPluginView::RavelinPluginView(KTextEditor::MainWindow* mainWindow)
    : QObject(mainWindow), mainWindow_(mainWindow) {
    KXMLGUIClient::setComponentName(QStringLiteral("ravelinwizard"),
                                    i18n("PayPal Purchase Button Wizard"));
    setXMLFile(QStringLiteral("ui.rc"));
    QAction* action = actionCollection()->addAction(QStringLiteral("ravelin_wizard"));
    action->setText(i18n("&PayPal Purchase Button Wizard"));
    action->setToolTip(i18n("Write a PayPal payment button and put it at the cursor"));
    connect(action, &QAction::triggered, this, &RavelinPluginView::runWizard);
    mainWindow_->guiFactory()->addClient(this);
}

RavelinPluginView::~RavelinPluginView() {
    mainWindow_->guiFactory()->removeClient(this);
}

void RavelinPluginView::runWizard() {
    KTextEditor::View* view = mainWindow_->activeView();
    if (view == nullptr || (run_ != nullptr && run_->running())) {
        return;
    }
    run_ = new WizardRun(view, this);
    connect(run_, &WizardRun::done, run_, &QObject::deleteLater);
    connect(run_, &WizardRun::failed, run_, &QObject::deleteLater);
    run_->start();
}

} // namespace ravelin::kate

#include "plugin.moc"
