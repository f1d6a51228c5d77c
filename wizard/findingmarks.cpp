// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/findingmarks.h"

#include "wizard/mstartup.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>
#include <utility>

namespace ravelin::wizard {

namespace {

QString translated(std::string_view key) {
    return QCoreApplication::translate(buttons::kCheckContext, std::string(key).c_str());
}

// `text` with each %1 ... %9 replaced by the value of that number, in one pass, so that a "%2"
// in a typed value stays as typed.
QString filled(const QString& text, const QStringList& values) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int number = i + 1 < text.size() ? text[i + 1].digitValue() : -1;
        if (text[i] == '%' && number >= 1 && number <= values.size()) {
            out += values[number - 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString argumentText(const buttons::Argument& argument) {
    const QString text = QString::fromStdString(argument.text);
    return argument.key.empty() ? text : filled(translated(argument.key), {text});
}

} // namespace

QString findingText(const buttons::Finding& finding) {
    QStringList values;
    for (const buttons::Argument& argument : finding.arguments) {
        values.push_back(argumentText(argument));
    }
    return filled(translated(finding.key), values);
}

namespace {

// Each control's findings in one: the worse severity and the sentences, one a line.
struct Summary {
    buttons::Severity severity = buttons::Severity::Warning;
    QString sentences;
};

std::map<std::string, Summary> byControl(const buttons::Findings& findings) {
    std::map<std::string, Summary> out;
    for (const buttons::Finding& f : findings) {
        Summary& s = out[std::string(f.control)];
        if (f.severity == buttons::Severity::Error) {
            s.severity = buttons::Severity::Error;
        }
        if (!s.sentences.isEmpty()) {
            s.sentences += '\n';
        }
        s.sentences += findingText(f);
    }
    return out;
}

// The colours of a marked label: red for an error, dark orange for a warning.
constexpr QRgb kErrorColour = 0xFF0000;
constexpr QRgb kWarningColour = 0xFF8C00;

} // namespace

FindingMarks::FindingMarks(QWidget& window) : window_(window) {}

QColor FindingMarks::colour(buttons::Severity severity) {
    return QColor(severity == buttons::Severity::Error ? kErrorColour : kWarningColour);
}

QLabel* FindingMarks::labelOf(const QWidget& control) const {
    if (!labelsFound_) {
        for (QLabel* label : window_.findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) {
                labels_.insert(label->buddy(), label);
            }
        }
        labelsFound_ = true;
    }
    return labels_.value(&control, nullptr);
}

QWidget* FindingMarks::markedWidget(std::string_view control) const {
    QWidget* widget = mstartup::control(window_, control);
    if (widget == nullptr) {
        return nullptr;
    }
    QLabel* label = labelOf(*widget);
    return label != nullptr ? label : widget;
}

void FindingMarks::mark(const buttons::Findings& findings,
                        const std::function<bool(const QWidget& control)>& include) {
    std::map<std::string, Summary> found = byControl(findings);
    std::erase_if(found, [&](const auto& entry) {
        const QWidget* control = mstartup::control(window_, entry.first);
        return control == nullptr || !include(*control);
    });
    keepOnly(found);
    for (const auto& [control, summary] : found) {
        apply(control, summary.severity, summary.sentences);
    }
}

void FindingMarks::update(const buttons::Findings& findings) {
    const std::map<std::string, Summary> found = byControl(findings);
    keepOnly(found);
    for (const auto& entry : marks_) {
        const Summary& summary = found.at(entry.first);
        apply(entry.first, summary.severity, summary.sentences);
    }
}

template <typename Found> void FindingMarks::keepOnly(const Found& found) {
    for (auto it = marks_.begin(); it != marks_.end();) {
        if (found.contains(it->first)) {
            ++it;
        } else {
            remove(it->second);
            it = marks_.erase(it);
        }
    }
}

void FindingMarks::clear() {
    for (auto& entry : marks_) {
        remove(entry.second);
    }
    marks_.clear();
}

void FindingMarks::apply(const std::string& control, buttons::Severity severity,
                         const QString& sentences) {
    auto it = marks_.find(control);
    if (it == marks_.end()) {
        QWidget* widget = mstartup::control(window_, control);
        QWidget* shown = markedWidget(control);
        if (widget == nullptr || shown == nullptr) {
            return;
        }
        it = marks_
                 .emplace(control, Mark{widget, shown, shown->palette(), shown->toolTip(),
                                        widget->accessibleDescription()})
                 .first;
    }
    Mark& mark = it->second;
    if (mark.shown == nullptr || mark.control == nullptr) {
        return;
    }
    QPalette palette = mark.palette;
    const QColor colour = FindingMarks::colour(severity);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, colour);
    }
    mark.shown->setPalette(palette);
    mark.shown->setToolTip(sentences);
    // Screen readers tell the sentence with the control.
    mark.control->setAccessibleDescription(sentences);
}

void FindingMarks::remove(Mark& mark) {
    if (mark.shown != nullptr) {
        mark.shown->setPalette(mark.palette);
        mark.shown->setToolTip(mark.toolTip);
    }
    if (mark.control != nullptr) {
        mark.control->setAccessibleDescription(mark.description);
    }
}

} // namespace ravelin::wizard
