// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Pages as files, read whole (at most kMaxPageSize bytes) and written atomically, in the
// character set the page declares (editor/charset.h). A page is written back as it was read:
// each line keeps its own line break, and the byte order mark stays.
#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

namespace ravelin::editor {

// The largest page read: far beyond any page edited by hand, and room for generated catalogue
// pages of fifty million characters, which the editor takes without a stall.
inline constexpr qint64 kMaxPageSize = qint64{64} * 1024 * 1024;

enum class LineEnding { CrLf, Lf, Cr };

// A page's text as its file holds it, decoded: its line breaks, CR LF, LF and CR, each as it
// is, and how the lines added to it break.
struct PageText {
    QString text;
    // The line break of the lines added: the one most of its lines end with (the first one's
    // on a tie); new pages break lines as the HTML the add-ins write does.
    LineEnding lineEnding = LineEnding::CrLf;
    bool byteOrderMark = false;

    bool operator==(const PageText&) const = default;
};

// The characters of a line break.
QStringView lineBreak(LineEnding lineEnding);

// The page in `bytes`, decoded in the character set it declares (UTF-8 when it declares none).
// Fails with the reason when the set is not one the editor reads or a byte does not belong to
// it. A file without any line break adds lines with `fallback`.
common::Result<PageText> decodePage(const QByteArray& bytes,
                                    LineEnding fallback = LineEnding::CrLf);
// The page's bytes in the character set its text declares at that moment (UTF-8 with a byte
// order mark, or when it declares none); characters outside the set as numeric character
// references. Fails with the reason when it declares a set the editor cannot write or holds
// such a character where a reference would not be read as one.
common::Result<QByteArray> encodePage(const PageText& page);

// Reads a page, or says to the user why it could not.
common::Result<PageText> readPageFile(const QString& path);
// Writes a page atomically: the file holds either its old or its new content. On failure says
// to the user why.
common::Result<void> writePageFile(const QString& path, const PageText& page);

// A new blank page: an HTML5 skeleton, and the caret's place in its body, a line break
// counting one place as in the editor.
PageText blankPage();
qsizetype blankPageCaret();

} // namespace ravelin::editor
