// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/driver.h"

#include "wizard/answerdialog.h"
#include "wizard/choices.h"
#include "wizard/mstartup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>

namespace ravelin::wizard::driver {

namespace {

void mouseClick(QWidget& widget, QPoint at) {
    const QPointF local(at);
    const QPointF global(widget.mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

} // namespace

bool click(QWidget& window, std::string_view name) {
    QWidget* widget = mstartup::control(window, name);
    if (widget == nullptr || !widget->isEnabled()) {
        return false;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->click();
    } else if (qobject_cast<QLabel*>(widget) != nullptr) {
        mouseClick(*widget, widget->rect().center());
    } else {
        return false;
    }
    settle();
    return true;
}

bool type(QWidget& window, std::string_view name, const QString& text) {
    QWidget* widget = mstartup::control(window, name);
    if (widget == nullptr || !widget->isEnabled()) {
        return false;
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->selectAll();
        line->insert(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int item = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0) {
            combo->setCurrentIndex(item);
        } else if (combo->isEditable()) {
            combo->setEditText(text);
        } else {
            return false;
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        if (box->isReadOnly()) {
            return false;
        }
        box->selectAll();
        box->insertPlainText(text);
    } else {
        return false;
    }
    return true;
}

bool selectTab(QWidget& window, int index) {
    auto* strip = qobject_cast<QTabWidget*>(mstartup::control(window, "TabStrip1"));
    if (strip == nullptr || !strip->isVisible() || index < 1 || index > strip->count()) {
        return false;
    }
    QTabBar* bar = strip->tabBar();
    mouseClick(*bar, bar->tabRect(index - 1).center());
    settle();
    return true;
}

void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

std::string optionControl(std::string_view group, int index) {
    for (const ImageGroup& images : kImageGroups) {
        if (images.options == group && index < images.standard()) {
            return images.images() + '_' + std::to_string(index);
        }
    }
    return std::string(group) + '_' + std::to_string(index);
}

bool give(QWidget& window, const Answer& answer) {
    return answer.text ? type(window, answer.control, *answer.text) : click(window, answer.control);
}

bool closeDialog(QWidget& dialog, bool keep) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QAbstractButton* button =
        buttons != nullptr ? buttons->button(keep ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
                           : nullptr;
    if (!dialog.isVisible() || button == nullptr) {
        return false;
    }
    button->click();
    settle();
    return !dialog.isVisible();
}

namespace {

// Gives an answer whose control lies in an answer dialog of `tab`, as a user does: the push
// button on the page opens the dialog, the answer is given and OK closes it. Nothing when the
// page shows no such push button: false in `given`.
common::Result<void> giveInDialog(QWidget& window, const ButtonTab& tab, const Answer& answer,
                                  AnswerDialog& dialog, bool& given) {
    given = false;
    const QWidget* opener = mstartup::control(window, dialog.place().opener);
    if (dialog.place().suffix != tab.suffix || opener == nullptr || !opener->isVisible()) {
        return {};
    }
    if (!click(window, dialog.place().opener) || !dialog.isVisible() || !give(window, answer) ||
        !closeDialog(dialog, true)) {
        return common::Failure{QStringLiteral("cannot answer %1 in %2")
                                   .arg(QString::fromStdString(answer.control),
                                        QString::fromStdString(dialog.place().name()))};
    }
    given = true;
    return {};
}

} // namespace

common::Result<void> walk(QWidget& window, const ButtonTab& tab, const std::vector<Answer>& answers,
                          const std::function<void(int page)>& onPage) {
    std::vector<const Answer*> waiting;
    waiting.reserve(answers.size());
    for (const Answer& answer : answers) {
        waiting.push_back(&answer);
    }
    for (int page = 1; page <= tab.resultPage; ++page) {
        for (auto it = waiting.begin(); it != waiting.end();) {
            const QWidget* control = mstartup::control(window, (*it)->control);
            if (AnswerDialog* dialog = control != nullptr ? answerDialogOf(*control) : nullptr) {
                bool given = false;
                if (common::Result<void> done = giveInDialog(window, tab, **it, *dialog, given);
                    !done) {
                    return done;
                }
                it = given ? waiting.erase(it) : it + 1;
                continue;
            }
            if (control == nullptr || !control->isVisible()) {
                ++it;
                continue;
            }
            if (!give(window, **it)) {
                return common::Failure{QStringLiteral("cannot answer %1 on page %2")
                                           .arg(QString::fromStdString((*it)->control))
                                           .arg(page)};
            }
            it = waiting.erase(it);
        }
        if (onPage) {
            onPage(page);
        }
        if (page < tab.resultPage && !click(window, "btnNext" + std::string(tab.suffix))) {
            return common::Failure{QStringLiteral("cannot press Next on page %1").arg(page)};
        }
    }
    if (waiting.empty()) {
        return {};
    }
    QStringList unshown;
    for (const Answer* answer : waiting) {
        unshown.append(QString::fromStdString(answer->control));
    }
    return common::Failure{QStringLiteral("no page shows ") + unshown.join(QStringLiteral(", "))};
}

} // namespace ravelin::wizard::driver
