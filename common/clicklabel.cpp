// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/clicklabel.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ravelin::common {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::setLink(bool link) {
    link_ = link;
    if (link) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    } else {
        unsetCursor();
        setFocusPolicy(Qt::NoFocus);
    }
}

void ClickLabel::standFor(QWidget* control) {
    setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(control);
    control->installEventFilter(this);
}

bool ClickLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == focusProxy() &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        update();
    }
    return QLabel::eventFilter(watched, event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
        if (link_ && plain) {
            if (!event->isAutoRepeat()) {
                emit clicked();
            }
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // A frame in the colour the style marks the focused button with; a picture, whose own
    // edge could hide a thin frame, is also tinted with it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor colour = palette().color(QPalette::Highlight);
    const bool picture = !pixmap().isNull();
    if (picture) {
        QColor tint = colour;
        tint.setAlpha(70);
        painter.fillRect(rect(), tint);
    }
    const qreal width = picture ? 2 : 1;
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = width / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 2, 2);
}

} // namespace ravelin::common
