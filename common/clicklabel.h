// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A label or picture with a click event, as the window's link labels and pictures need. A
// link shows the pointing hand while the mouse is over it.
#pragma once

#include <QLabel>

namespace ravelin::common {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Shows the pointing hand over the label (links); an ordinary arrow otherwise.
    void setLink(bool link);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace ravelin::common
