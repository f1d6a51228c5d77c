// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Tools > Add-Ins: the registered add-ins with a check box each. Checking one connects it at
// once, unchecking disconnects it; a failure unchecks it and shows why.
#pragma once

#include <QDialog>
#include <memory>

class QListWidgetItem;

namespace Ui {
class AddinsDialog;
}

namespace ravelin::editor {

class AddinHost;

class AddinsDialog : public QDialog {
    Q_OBJECT
public:
    AddinsDialog(AddinHost& host, QWidget* parent = nullptr);
    ~AddinsDialog() override;

private:
    void fill();
    void showDetails();
    void toggled(QListWidgetItem* item);

    AddinHost& host_;
    std::unique_ptr<Ui::AddinsDialog> ui_;
};

// How the Add-Ins dialog names a load behaviour value.
QString loadBehaviorText(int loadBehavior);

} // namespace ravelin::editor
