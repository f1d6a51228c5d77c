// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "addin/wizardwindow.h"

#include "common/placement.h"
#include "objectmodel/application.h"
#include "wizard/frmstartup.h"

#include <QPointer>

namespace ravelin::addin {

namespace {

QPointer<QWidget>& window() {
    static QPointer<QWidget> instance;
    return instance;
}

// A closed window waits for its deletion hidden, with its delete-on-close already spent.
bool closed(const QWidget& widget) {
    return !widget.isVisible() && !widget.testAttribute(Qt::WA_DeleteOnClose);
}

} // namespace

QWidget* wizardWindow() {
    QWidget* widget = window().data();
    return widget != nullptr && !closed(*widget) ? widget : nullptr;
}

QWidget* showWizard(objectmodel::Application* editor) {
    auto* widget = qobject_cast<wizard::FrmStartup*>(wizardWindow());
    if (widget == nullptr) {
        widget = new wizard::FrmStartup(editor);
        widget->setAttribute(Qt::WA_DeleteOnClose);
        window() = widget;
        // Over the editor and kept above it; still modeless and without owner.
        common::placeOver(widget, editor != nullptr ? editor->MainWindow() : nullptr);
        widget->show();
        widget->openOnSelectedButton();
        return widget;
    }
    widget->openOnSelectedButton();
    if (widget->isMinimized()) {
        widget->showNormal();
    } else {
        widget->show();
    }
    widget->raise();
    widget->activateWindow();
    return widget;
}

} // namespace ravelin::addin
