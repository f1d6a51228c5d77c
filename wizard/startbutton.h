// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The welcome panel's large push buttons: an ordinary push button whose caption wraps onto as
// many lines as the button's width needs, centred.
#pragma once

#include <QPushButton>

namespace ravelin::wizard {

class StartButton : public QPushButton {
    Q_OBJECT
public:
    explicit StartButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ravelin::wizard
