// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The About window: product name, release, copyright, the licence notice and the maker's
// e-mail and web links. It is an independent window that does not block the wizard, and it
// destroys itself when closed. Escape closes it; its links take the keyboard focus.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class FrmAbout;
}

namespace ravelin::extras {

class FrmAbout : public QWidget {
    Q_OBJECT
public:
    // `parent` only ties the window's life to the wizard's; it is a window of its own.
    explicit FrmAbout(QWidget* parent = nullptr);
    ~FrmAbout() override;

    // The three paragraphs of the licence notice, separated by an empty line.
    static QString licenceNotice();

private:
    std::unique_ptr<Ui::FrmAbout> ui;
};

} // namespace ravelin::extras
