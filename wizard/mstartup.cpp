// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/mstartup.h"

#include "buttons/buttontypes.h"
#include "common/qstr.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QWidget>

namespace ravelin::wizard::mstartup {

using common::qstr;

namespace {

// The dynamic property of a result box that keeps the text last put into it.
constexpr char kWrittenText[] = "ravelinWrittenText";

// A text as a text document holds it: every line break one block separator.
QString asBlocks(QString text) {
    text.replace(QStringLiteral("\r\n"), QString(QChar::ParagraphSeparator));
    text.replace(QChar('\r'), QChar::ParagraphSeparator);
    text.replace(QChar('\n'), QChar::ParagraphSeparator);
    return text;
}

std::string text(const QWidget& window, std::string_view name) {
    return controlText(window, name).toStdString();
}

} // namespace

QWidget* control(const QWidget& window, std::string_view name) {
    return window.findChild<QWidget*>(qstr(name));
}

QString controlText(const QWidget& window, std::string_view name) {
    QWidget* widget = control(window, name);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        return boxText(*box);
    }
    qWarning("ravelin: no text box named %s", qstr(name).toUtf8().constData());
    return {};
}

buttons::OptionIndex selectedOption(const QWidget& window, std::string_view group, int count) {
    for (int i = 0; i < count; ++i) {
        const QString name = qstr(group) + '_' + QString::number(i);
        auto* option = window.findChild<QAbstractButton*>(name);
        if (option == nullptr) {
            qWarning("ravelin: no option named %s", name.toUtf8().constData());
        } else if (option->isChecked()) {
            return i;
        }
    }
    return std::nullopt;
}

namespace {

// Reads a tab's answers from the controls that key them.
template <typename Answers, std::size_t N>
Answers readAnswers(const QWidget& window, const std::array<buttons::AnswerKey<Answers>, N>& keys) {
    Answers answers;
    for (const buttons::AnswerKey<Answers>& key : keys) {
        if (key.text != nullptr) {
            answers.*key.text = text(window, key.name);
        } else {
            answers.*key.option = selectedOption(window, key.name, key.options);
        }
    }
    return answers;
}

void fill(QWidget& window, std::string_view name, const std::string& text) {
    auto* box = qobject_cast<QPlainTextEdit*>(control(window, name));
    if (box == nullptr) {
        qWarning("ravelin: no result box named %s", qstr(name).toUtf8().constData());
        return;
    }
    setBoxText(*box, QString::fromStdString(text));
}

} // namespace

buttons::Button makeButton(const ButtonTab& tab, const QWidget& window,
                           const buttons::Context& context) {
    buttons::Button button;
    buttons::withButtonTypeOfSuffix(tab.suffix, [&]<typename Type>() {
        button = Type::kWrite(readAnswers(window, Type::kKeys), context);
    });
    return button;
}

void showButton(const ButtonTab& tab, QWidget& window, const buttons::Button& button) {
    if (tab.order == ResultOrder::SummaryFirst) {
        fill(window, tab.logBox, button.summary);
        fill(window, tab.htmlBox, button.html);
    } else {
        fill(window, tab.htmlBox, button.html);
        fill(window, tab.logBox, button.summary);
    }
}

void writeButton(const ButtonTab& tab, QWidget& window, const buttons::Context& context) {
    showButton(tab, window, makeButton(tab, window, context));
}

buttons::Findings checkButton(const ButtonTab& tab, const QWidget& window,
                              std::string_view account) {
    buttons::Findings findings;
    buttons::withButtonTypeOfSuffix(tab.suffix, [&]<typename Type>() {
        findings = Type::kCheck(readAnswers(window, Type::kKeys), account);
    });
    return findings;
}

namespace {

void showText(QWidget& window, std::string_view name, const QString& text) {
    QWidget* widget = control(window, name);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int item = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0) {
            combo->setCurrentIndex(item);
        } else if (combo->isEditable()) {
            combo->setEditText(text);
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        setBoxText(*box, text);
    } else {
        qWarning("ravelin: no text box named %s", qstr(name).toUtf8().constData());
    }
}

void showOption(QWidget& window, std::string_view group, int count,
                const buttons::OptionIndex& selected) {
    for (int i = 0; i < count; ++i) {
        if (auto* option =
                window.findChild<QAbstractButton*>(qstr(group) + '_' + QString::number(i))) {
            // Exclusive buttons cannot be unchecked one by one: for a group left with nothing
            // selected each is unchecked on its own.
            const bool exclusive = option->autoExclusive();
            option->setAutoExclusive(false);
            option->setChecked(selected == i);
            option->setAutoExclusive(exclusive);
        }
    }
}

} // namespace

void showAnswers(QWidget& window, const buttons::ReadAnswers& read) {
    buttons::forEachButtonType([&]<typename Type>() {
        const auto* answers = std::get_if<typename Type::Answers>(&read);
        if (answers == nullptr) {
            return;
        }
        for (const auto& key : Type::kKeys) {
            if (key.text != nullptr) {
                showText(window, key.name, QString::fromStdString(answers->*key.text));
            } else {
                showOption(window, key.name, key.options, answers->*key.option);
            }
        }
    });
}

void pageReset(QWidget& window) {
    for (std::string_view name : kResetPanels) {
        if (QWidget* panel = control(window, name)) {
            panel->hide();
        }
    }
}

void setBoxText(QPlainTextEdit& box, const QString& text) {
    box.setPlainText(text);
    box.document()->setModified(false);
    box.setProperty(kWrittenText, text);
}

QString boxText(const QPlainTextEdit& box) {
    const QTextDocument* document = box.document();
    // The document keeps each line as a block; a block separator reads as one CR LF.
    QString shown = document->toRawText();
    const QVariant written = box.property(kWrittenText);
    if (!document->isModified() && written.isValid()) {
        QString text = written.toString();
        if (asBlocks(text) == shown) {
            return text;
        }
    }
    shown.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return shown;
}

} // namespace ravelin::wizard::mstartup
