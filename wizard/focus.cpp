// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/focus.h"

#include <QRadioButton>
#include <QWidget>

namespace ravelin::wizard::focus {

namespace {

bool takesFocus(const QWidget& control) {
    return control.focusPolicy() != Qt::NoFocus && control.focusProxy() == nullptr &&
           control.isEnabled() && inSight(control);
}

// The selected option of the group `option` belongs to (options exclude one another within
// their parent), or `option` itself when none is selected.
QWidget* selectedOf(QWidget* option) {
    auto* radio = qobject_cast<QRadioButton*>(option);
    if (radio == nullptr || !radio->autoExclusive() || radio->isChecked() ||
        radio->parentWidget() == nullptr) {
        return option;
    }
    for (QRadioButton* other :
         radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (other->autoExclusive() && other->isChecked() && takesFocus(*other)) {
            return other;
        }
    }
    return option;
}

} // namespace

bool inSight(const QWidget& control) {
    if (!control.isVisible()) {
        return false;
    }
    const QWidget* window = control.window();
    if (window == &control) {
        return true;
    }
    const QWidget* top = window->childAt(control.mapTo(window, control.rect().center()));
    return top == &control || (top != nullptr && control.isAncestorOf(top));
}

bool isTabStop(const QWidget& control) {
    if (!takesFocus(control)) {
        return false;
    }
    // A group of options is one stop, at its selected option (the options themselves move the
    // stop about as the focus goes from one to another; the selection decides here).
    if (auto* option = qobject_cast<const QRadioButton*>(&control);
        option != nullptr && option->autoExclusive()) {
        return selectedOf(const_cast<QRadioButton*>(option)) == option;
    }
    return (control.focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

QWidget* nextStop(const QWidget& window, bool forward) {
    QWidget* start = window.focusWidget();
    if (start == nullptr) {
        start = const_cast<QWidget*>(&window);
    }
    QWidget* candidate = start;
    do {
        candidate = forward ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (candidate->window() == &window && isTabStop(*candidate)) {
            return candidate;
        }
    } while (candidate != start);
    return nullptr;
}

QWidget* firstField(const QWidget& page) {
    // The window heads its focus chain.
    const QWidget* window = page.window();
    for (QWidget* candidate = window->nextInFocusChain(); candidate != window;
         candidate = candidate->nextInFocusChain()) {
        if (!page.isAncestorOf(candidate)) {
            continue;
        }
        if (isTabStop(*candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

bool focusFirstField(const QWidget& page) {
    QWidget* field = firstField(page);
    if (field == nullptr) {
        return false;
    }
    field->setFocus(Qt::TabFocusReason);
    return true;
}

void chain(std::span<QWidget* const> controls) {
    for (std::size_t i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
}

} // namespace ravelin::wizard::focus
