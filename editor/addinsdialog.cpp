// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/addinsdialog.h"

#include "common/registry.h"
#include "editor/addinhost.h"
#include "ui_addinsdialog.h"

#include <QDir>
#include <QSignalBlocker>

namespace ravelin::editor {

namespace {

constexpr int kProgIdRole = Qt::UserRole;

} // namespace

QString loadBehaviorText(int loadBehavior) {
    switch (loadBehavior) {
    case common::kLoadAtStartup:
        return AddinsDialog::tr("Load at Startup");
    case common::kLoadOnDemand:
        return AddinsDialog::tr("Load on Demand");
    case common::kLoadAtNextStartupOnly:
        return AddinsDialog::tr("Load at Next Startup Only");
    default:
        return AddinsDialog::tr("Load by the user");
    }
}

AddinsDialog::AddinsDialog(AddinHost& host, QWidget* parent)
    : QDialog(parent), host_(host), ui_(std::make_unique<Ui::AddinsDialog>()) {
    ui_->setupUi(this);
    host_.refresh();
    fill();
    connect(ui_->lstAddins, &QListWidget::currentItemChanged, this, &AddinsDialog::showDetails);
    connect(ui_->lstAddins, &QListWidget::itemChanged, this, &AddinsDialog::toggled);
    if (ui_->lstAddins->count() > 0) {
        ui_->lstAddins->setCurrentRow(0);
    }
    showDetails();
}

AddinsDialog::~AddinsDialog() = default;

void AddinsDialog::fill() {
    const QSignalBlocker blocker(ui_->lstAddins);
    for (const AddinStatus& addin : host_.addins()) {
        auto* item = new QListWidgetItem(addin.friendlyName, ui_->lstAddins);
        item->setData(kProgIdRole, addin.progId);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(addin.connected ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(addin.description);
    }
}

void AddinsDialog::showDetails() {
    const QListWidgetItem* item = ui_->lstAddins->currentItem();
    const QString progId = item != nullptr ? item->data(kProgIdRole).toString() : QString();
    for (const AddinStatus& addin : host_.addins()) {
        if (addin.progId != progId) {
            continue;
        }
        ui_->lblLocation->setText(addin.location.isEmpty()
                                      ? tr("(no library registered)")
                                      : QDir::toNativeSeparators(addin.location));
        ui_->lblLoadBehavior->setText(loadBehaviorText(addin.loadBehavior));
        if (!addin.error.isEmpty()) {
            ui_->lblStatus->setText(tr("Not loaded: %1.").arg(addin.error));
        } else {
            ui_->lblStatus->setText(addin.connected ? tr("Connected") : tr("Not connected"));
        }
        return;
    }
    ui_->lblLocation->clear();
    ui_->lblLoadBehavior->clear();
    ui_->lblStatus->clear();
}

void AddinsDialog::toggled(QListWidgetItem* item) {
    const QString progId = item->data(kProgIdRole).toString();
    bool connected = false;
    if (item->checkState() == Qt::Checked) {
        connected = host_.connect(progId).has_value();
    } else {
        host_.disconnect(progId);
    }
    {
        const QSignalBlocker blocker(ui_->lstAddins);
        item->setCheckState(connected ? Qt::Checked : Qt::Unchecked);
    }
    ui_->lstAddins->setCurrentItem(item);
    showDetails();
}

} // namespace ravelin::editor
