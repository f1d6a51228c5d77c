// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-wizard --filter: the text an editor hands over on standard input is the selection.
// Exactly one answer goes back on standard output: the button, in place of the selection, when
// the user inserts one; otherwise the selection itself, byte for byte, so that an editor that
// replaces the selection with the output never loses text.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

class QIODevice;

namespace ravelin::standalone {

// The most standard input a filter takes as the selection. Past it the text is handed back
// unchanged and the filter ends with an error.
inline constexpr qint64 kMaxSelectionBytes = qint64{64} * 1024 * 1024;

// The button's HTML (whose lines end in CR LF) with the line breaks of the selection: CR LF
// when the selection has any, LF otherwise; and when the selection ends with a line break, the
// HTML ends with the same one, so that the next line of the page does not join the form's last.
// UTF-8.
QByteArray withSelectionLineBreaks(const QString& html, const QByteArray& selection);
// The same without the line break at the end: for HTML that replaces a part of the selection.
QByteArray inSelectionLineBreaks(const QString& html, const QByteArray& selection);

class FilterSession : public QObject {
    Q_OBJECT
public:
    // `output` receives the one answer; it must outlive the session.
    FilterSession(QByteArray selection, QIODevice& output, QObject* parent = nullptr);

    const QByteArray& selection() const { return selection_; }
    bool answered() const { return answered_; }

    // The user inserted `html`: it goes out in place of the selection.
    void insert(const QString& html);
    // The user replaced the characters from `start` to `end` of selectionText() with `html`:
    // the selection goes out with them replaced and every other byte as it came.
    void replace(qsizetype start, qsizetype end, const QString& html);
    // The selection as text, when it is UTF-8; a selection that is not cannot be edited in
    // part without changing its other bytes.
    std::optional<QString> selectionText() const;
    // The wizard ended without an insert (closed, Escape, a signal): the selection goes back.
    void giveBack();

signals:
    // Emitted once, after the answer was written (0) or could not be (1, with `error` set).
    void finished(int exitCode, const QString& error);

private:
    void answer(const QByteArray& bytes);

    QByteArray selection_;
    QIODevice& output_;
    bool answered_ = false;
};

} // namespace ravelin::standalone
