// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/windowkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

namespace ravelin::common {

namespace {

const QString kKeysName = QStringLiteral("desktopKeys");

// Sees the window's key presses that the control with the focus left unanswered (a key event
// goes up from that control to its window until someone accepts it).
class DesktopKeys : public QObject {
public:
    explicit DesktopKeys(QWidget* window) : QObject(window), window_(window) {
        setObjectName(kKeysName);
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) {
            return false;
        }
        if (event->type() == QEvent::Show) {
            // Showing a window forgets that the keyboard moved its focus; it is shown all the
            // same, so that a keyboard user sees where the focus is from the first key on.
            window_->setAttribute(Qt::WA_KeyboardFocusChange);
            return false;
        }
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers != Qt::NoModifier) {
            return false;
        }
        switch (key->key()) {
        case Qt::Key_Escape:
            window_->close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
                button != nullptr && button->window() == window_ && button->isEnabled() &&
                !key->isAutoRepeat()) {
                button->click();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    QWidget* window_;
};

} // namespace

void useDesktopKeys(QWidget* window) {
    if (window->findChild<QObject*>(kKeysName, Qt::FindDirectChildrenOnly) != nullptr) {
        return;
    }
    new DesktopKeys(window);
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
        box->setTabChangesFocus(true);
    }
    for (QTextEdit* box : window->findChildren<QTextEdit*>()) {
        box->setTabChangesFocus(true);
    }
}

} // namespace ravelin::common
