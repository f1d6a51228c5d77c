// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The INI files of the settings and the registry, in the form QSettings writes them, read
// strictly and changed in place.
//
// A file is UTF-8 text (a byte order mark is allowed) of lines ending in LF, CRLF or CR:
// blank lines, comments (the first non-blank character ";" or "#"), section headers
// "[name]" and entries "key=value". Keys are paths whose parts are separated by "/": the
// entry "b\c=1" in the section "[a]" is the key "a/b/c"; entries of "[General]" (or ahead of
// any header) have keys without a section part. In names, "%XX" and "%UXXXX" stand for the
// character of that hexadecimal code and "\" for "/". A value may be quoted ("...") to keep
// its outer blanks, ";", "," and "="; "\" starts an escape (\a \b \f \n \r \t \v \" \' \? \\,
// \xHEX, \0OCTAL); an unquoted ";" starts a comment; "@@" at its start stands for "@".
//
// Anything else does not parse, and a file that does not parse is never written: control
// characters other than tab, CR and LF, bytes that are not UTF-8, a header without its "]",
// a line without "=", an empty key or key part, an unknown escape, an unclosed quote, a NUL
// or half a surrogate pair in a value, a key given twice. Files over kMaxIniFileSize are not
// read.
//
// Changing a value rewrites only its own line; every other line, comments included, stays
// byte for byte as it was.
//
// Not QSettings: one setValue rewrites the whole file (comments, order, CR LF and spacing lost:
// ChangesInPlace and StoringChangesOnlyItsOwnLine), a bad line is no error and is then dropped
// with no line number (RefusesBadFiles, DamagedSettings), a key given twice is taken silently,
// and it writes through a dangling link.
#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace ravelin::common {

// The largest settings or registry file read: far more than such a file ever holds.
inline constexpr qint64 kMaxIniFileSize = qint64{1024} * 1024;

class IniFile {
public:
    // Where and why a file does not parse. Line 0 stands for the whole file.
    struct Problem {
        int line = 0;
        QString reason;
    };

    // An empty file.
    IniFile() = default;

    // The file in `bytes`, or nothing and the problem.
    static std::optional<IniFile> parse(const QByteArray& bytes, Problem* problem);

    // Every key, sorted.
    QStringList keys() const;
    std::optional<QString> value(const QString& key) const;

    // Sets a value: its own line changes, or a line is added to the end of its section (a new
    // section goes to the end of the file). False, changing nothing, for a key that cannot be
    // stored (empty, or with an empty part) or a value with a NUL or half a surrogate pair.
    bool setValue(const QString& key, const QString& value);
    // Removes a key's line; a section left with nothing in it goes with its last entry.
    void remove(const QString& key);

    // The file as it would be written.
    QByteArray toBytes() const;

private:
    enum class Kind { Blank, Comment, Header, Entry };
    struct Line {
        Kind kind = Kind::Blank;
        QByteArray text;   // the line as the file holds it, without its line break
        QByteArray ending; // its line break: "\n", "\r\n", "\r" or nothing at the file's end
        QString section;   // a header's section, or the one an entry stands in; "" for the
                           // keys without a section part
        QString key;       // an entry's key
        QString value;     // an entry's value
    };

    std::optional<std::size_t> find(const QString& key) const;
    void dropEmptySection(std::size_t removed);
    static QString sectionOf(const QString& key);

    QByteArray byteOrderMark_;
    QByteArray lineBreak_ = "\n"; // for the lines added: the file's first line break
    std::vector<Line> lines_;
};

// "FILE, line N: REASON" (or "FILE: REASON" for line 0), the file named for its user.
QString describe(const QString& path, const IniFile::Problem& problem);

// Reads the INI file at `path`: an empty file when there is none. When it cannot be read or
// parsed, says why (a sentence naming the file, and the line when it does not parse).
Result<IniFile> readIniFile(const QString& path);

// Changes the INI file at `path` by `change`, holding a lock on it meanwhile so that two
// programs changing it at once both have their way. The file is read afresh, changed and
// replaced atomically (common/files.h); when nothing changed, it is not written at all. A
// file that cannot be read or parsed is left as it was. On failure says why.
Result<void> updateIniFile(const QString& path, const std::function<bool(IniFile&)>& change);

} // namespace ravelin::common
