// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/windowkeys.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

namespace ravelin::common {

namespace {

const QString kKeysName = QStringLiteral("desktopKeys");

// The window's default push button (QPushButton::isDefault) while it is shown and enabled.
QPushButton* defaultButton(const QWidget& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isVisible() && button->isEnabled()) {
            return button;
        }
    }
    return nullptr;
}

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
        case Qt::Key_Enter: {
            // The focused button; else, where the focused control left the key alone (an
            // option, a check box), the default button, as in a dialog.
            auto* focused = QApplication::focusWidget();
            auto* button = qobject_cast<QPushButton*>(focused);
            if (button == nullptr && focused != nullptr && focused->window() == window_) {
                button = defaultButton(*window_);
            }
            if (button != nullptr && button->window() == window_ && button->isEnabled() &&
                !key->isAutoRepeat()) {
                button->click();
                return true;
            }
            return false;
        }
        default:
            return false;
        }
    }

private:
    QWidget* window_;
};

// Sees every key press of the application before the control it goes to, and takes those of
// `window` (and of the dialogs it owns) that must not reach a text box: Qt delivers Alt and a
// letter to the focused control only when no shown, enabled control took it as its access key,
// and a text box types it; Enter in a one-line box presses the window's default button.
class BoxKeys : public QObject {
public:
    explicit BoxKeys(QWidget* window) : QObject(window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
            return false;
        }
        auto* control = static_cast<QWidget*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isStrayAccessKey(*key)) {
            return ownedByWindow(*control);
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && isOneLineBox(*control) &&
            control->window() == window_) {
            if (QPushButton* button = defaultButton(*window_)) {
                if (!key->isAutoRepeat()) {
                    button->click();
                }
                return true;
            }
        }
        return false;
    }

private:
    // Alt (not with Ctrl or Meta, which AltGr may send) and a character that would be typed.
    static bool isStrayAccessKey(const QKeyEvent& key) {
        const Qt::KeyboardModifiers modifiers = key.modifiers();
        return (modifiers & Qt::AltModifier) != 0 &&
               (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) == 0 &&
               !key.text().isEmpty() && key.text().front().isPrint();
    }

    static bool isOneLineBox(const QWidget& control) {
        const auto* combo = qobject_cast<const QComboBox*>(&control);
        return qobject_cast<const QLineEdit*>(&control) != nullptr ||
               (combo != nullptr && combo->isEditable());
    }

    bool ownedByWindow(const QWidget& control) const {
        for (const QWidget* w = &control; w != nullptr; w = w->parentWidget()) {
            if (w == window_) {
                return true;
            }
        }
        return false;
    }

    QWidget* window_;
};

// A frame in the highlight colour around a multi-line box while it has the focus: the style
// marks a focused one-line box so, but not a multi-line one, whose blinking caret is easily
// missed. It lies over the box's edge and lets the mouse through.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* box) : QWidget(box) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setVisible(box->hasFocus());
        setGeometry(box->rect());
        box->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent()) {
            switch (event->type()) {
            case QEvent::FocusIn:
                raise();
                show();
                break;
            case QEvent::FocusOut:
                hide();
                break;
            case QEvent::Resize:
                setGeometry(parentWidget()->rect());
                break;
            default:
                break;
            }
        }
        return false;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

} // namespace

void useDesktopKeys(QWidget* window) {
    if (window->findChild<QObject*>(kKeysName, Qt::FindDirectChildrenOnly) != nullptr) {
        return;
    }
    new DesktopKeys(window);
    new BoxKeys(window);
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
        box->setTabChangesFocus(true);
        new FocusRing(box);
    }
    for (QTextEdit* box : window->findChildren<QTextEdit*>()) {
        box->setTabChangesFocus(true);
        new FocusRing(box);
    }
}

} // namespace ravelin::common
