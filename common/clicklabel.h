// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A label or picture with a click event, as the window's link labels and pictures need. A
// link shows the pointing hand while the mouse is over it, takes keyboard focus (by Tab or a
// click) with a focus frame around it, and Enter, Return or Space activate it as a click does.
// A picture that stands for an option shows that option's focus.
#pragma once

#include <QLabel>

namespace ravelin::common {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Makes the label a link: the pointing hand and keyboard focus. Not a link, it is an
    // ordinary label with the arrow that only the mouse clicks.
    void setLink(bool link);
    bool isLink() const { return link_; }

    // Makes the label the picture of `control`, the option its click selects: a click puts the
    // keyboard focus on `control`, and the picture shows the focus frame while `control` has it.
    void standFor(QWidget* control);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool link_ = false;
};

} // namespace ravelin::common
