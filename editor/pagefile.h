// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Pages as files: UTF-8 text whose line breaks and byte order mark are kept as the file had
// them, read whole and written atomically.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace ravelin::editor {

enum class LineEnding { CrLf, Lf, Cr };

// A page's text with "\n" between its lines, and how its file writes them.
struct PageText {
    QString text;
    // New pages break lines as the HTML the add-ins write does.
    LineEnding lineEnding = LineEnding::CrLf;
    bool byteOrderMark = false;

    bool operator==(const PageText&) const = default;
};

// "\r\n" and lone "\r" become "\n".
QString normalizeLineBreaks(QString text);

// The page in `bytes`, or nothing when they are not UTF-8. Its first line break decides how
// the page breaks its lines; a file without any uses `fallback`.
std::optional<PageText> decodePage(const QByteArray& bytes, LineEnding fallback = LineEnding::CrLf);
QByteArray encodePage(const PageText& page);

// The text as the file holds it: "\n" replaced by the page's line break.
QString withLineEnding(const QString& text, LineEnding lineEnding);

// Reads a page; on failure returns nothing and a message for the user in `error`.
std::optional<PageText> readPageFile(const QString& path, QString* error);
// Writes a page atomically: the file holds either its old or its new content. On failure
// returns false with a message for the user in `error`.
bool writePageFile(const QString& path, const PageText& page, QString* error);

// A new blank page: an HTML5 skeleton, and the caret's place in its body.
PageText blankPage();
qsizetype blankPageCaret();

} // namespace ravelin::editor
