// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The plugin only wires: one menu entry per main window, and a WizardRun for the active view.
#pragma once

#include <KTextEditor/Plugin>
#include <KXMLGUIClient>
#include <QObject>
#include <QPointer>
#include <QVariantList>

namespace KTextEditor {
class MainWindow;
}

namespace ravelin::kate {

class WizardRun;

class RavelinPlugin : public KTextEditor::Plugin {
    Q_OBJECT
public:
    explicit RavelinPlugin(QObject* parent, const QVariantList& = {});
    QObject* createView(KTextEditor::MainWindow* mainWindow) override;
};

class RavelinPluginView : public QObject, public KXMLGUIClient {
    Q_OBJECT
public:
    explicit RavelinPluginView(KTextEditor::MainWindow* mainWindow);
    ~RavelinPluginView() override;

private:
    void runWizard();

    KTextEditor::MainWindow* mainWindow_;
    QPointer<WizardRun> run_;
};

} // namespace ravelin::kate
