// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/placement.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace ravelin::common {

void placeOver(QWidget* window, QWidget* owner) {
    if (window == nullptr || owner == nullptr) {
        return;
    }
    owner = owner->window();
    // Window managers keep a dialog above the window it belongs to; the window keeps its
    // decorations. A window without owner stays an ordinary one, in the taskbar of its own.
    if (window->windowType() != Qt::Dialog) {
        window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    }
    // The window's frame is not known before it is shown; the window manager draws it as it
    // draws the owner's.
    const QRect ownerFrame = owner->frameGeometry();
    const QSize decorations = ownerFrame.size() - owner->size();
    const QSize frame = window->size() + decorations;
    QRect placed(QPoint(), frame);
    placed.moveCenter(ownerFrame.center());
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        placed.moveLeft(
            std::max(room.left(), std::min(placed.left(), room.right() + 1 - frame.width())));
        placed.moveTop(
            std::max(room.top(), std::min(placed.top(), room.bottom() + 1 - frame.height())));
    }
    window->move(placed.topLeft());

    window->winId(); // the native window, to name its owner to the window manager
    if (QWindow* handle = window->windowHandle(); handle != nullptr && owner->windowHandle()) {
        handle->setTransientParent(owner->windowHandle());
    }
}

} // namespace ravelin::common
