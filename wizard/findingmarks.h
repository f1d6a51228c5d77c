// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// How the wizard shows the answer checker's findings on its pages: the label of each control
// with a finding (the Designer label whose buddy the control is) turns red for an error or dark
// orange for a warning, and its tooltip holds the finding's sentence. A control without a label
// of its own has its own text coloured and carries the tooltip itself. The checker decides; this
// only paints, and puts back what it painted over.
#pragma once

#include "buttons/check.h"

#include <QColor>
#include <QHash>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>

class QLabel;
class QWidget;

namespace ravelin::wizard {

// A finding's sentence in the user's language: its key and its words translated (context
// buttons::kCheckContext), the seller's texts as they stand; the English sentence where no
// translation is loaded.
QString findingText(const buttons::Finding& finding);

class FindingMarks {
public:
    explicit FindingMarks(QWidget& window);

    // Marks each control that has a finding and that `include` accepts; clears every other mark.
    void mark(const buttons::Findings& findings,
              const std::function<bool(const QWidget& control)>& include);

    // Keeps the marks of the controls that still have a finding, with its new sentence and
    // colour, and clears the others; marks nothing new.
    void update(const buttons::Findings& findings);

    // Clears every mark, putting back the colours and tooltips the widgets had.
    void clear();

    bool isEmpty() const { return marks_.empty(); }

    // The widget that shows a control's mark: its label, or the control itself when it has none.
    // Nullptr when the window has no such control.
    QWidget* markedWidget(std::string_view control) const;

    static QColor colour(buttons::Severity severity);

private:
    struct Mark {
        QPointer<QWidget> control;
        QPointer<QWidget> shown; // the label, or the control
        QPalette palette;
        QString toolTip;
        QString description;
    };

    void apply(const std::string& control, buttons::Severity severity, const QString& sentences);
    void remove(Mark& mark);
    // Clears the marks of the controls that are not keys of `found`.
    template <typename Found> void keepOnly(const Found& found);
    QLabel* labelOf(const QWidget& control) const;

    QWidget& window_;
    mutable QHash<const QWidget*, QLabel*> labels_; // by buddy; filled at the first look-up
    mutable bool labelsFound_ = false;
    std::map<std::string, Mark> marks_; // by control name
};

} // namespace ravelin::wizard
