// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/inifile.h"

#include "common/bytes.h"
#include "common/escapes.h"
#include "common/files.h"
#include "common/utf8.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStringDecoder>
#include <algorithm>
#include <map>

namespace ravelin::common {

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// A parse failure inside one line, carried up to the line's number.
struct LineError {
    QString reason;
};

// UTF-8 as it is: a U+FEFF at the start stays (QString::fromUtf8 would drop it).
QString fromUtf8(const QByteArray& bytes) {
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
        .decode(bytes);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArray trimmedBlanks(QByteArrayView text) {
    return trimmed(text, isBlank);
}

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    return -1;
}

bool isControl(char16_t c) {
    return c < 0x20 || c == 0x7F;
}

// What in a decoded text cannot be typed: a NUL, or half a surrogate pair.
std::optional<QString> untypable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() == 0) {
            return QStringLiteral("a NUL character");
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            return QStringLiteral("half a surrogate pair (U+%1)")
                .arg(QString::number(c.unicode(), 16).toUpper());
        }
    }
    return std::nullopt;
}

// A section or key name: "\" is "/", "%XX" and "%UXXXX" are character codes.
std::optional<QString> unescapeName(const QByteArray& bytes, LineError* error) {
    const QString text = fromUtf8(bytes);
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            name += QLatin1Char('/');
            continue;
        }
        if (c != QLatin1Char('%')) {
            name += c;
            continue;
        }
        qsizetype first = i + 1;
        int digits = 2;
        if (first < text.size() && text[first] == QLatin1Char('U')) {
            ++first;
            digits = 4;
        }
        if (first + digits > text.size()) {
            error->reason = QStringLiteral("a \"%\" in a name without the code it stands for");
            return std::nullopt;
        }
        int code = 0;
        for (int d = 0; d < digits; ++d) {
            const int value = hexValue(text[first + d]);
            if (value < 0) {
                error->reason = QStringLiteral("a \"%\" in a name without the code it stands for");
                return std::nullopt;
            }
            code = code * 16 + value;
        }
        name += QChar(static_cast<char16_t>(code));
        i = first + digits - 1;
    }
    for (const QChar c : name) {
        if (isControl(c.unicode())) {
            error->reason = QStringLiteral("a control character in a name");
            return std::nullopt;
        }
    }
    if (const auto bad = untypable(name)) {
        error->reason = *bad + QStringLiteral(" in a name");
        return std::nullopt;
    }
    return name;
}

// The value after "=", read as QSettings reads a single text.
std::optional<QString> unescapeValue(const QByteArray& bytes, LineError* error) {
    QString value;
    QByteArray run; // raw bytes not yet decoded
    const auto flush = [&] {
        value += fromUtf8(run);
        run.clear();
    };
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < bytes.size() && isBlank(bytes[i])) {
            ++i;
        }
    };
    skipBlanks();
    qsizetype chopLimit = 0;
    bool inQuotes = false;
    bool quoted = false;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\\') {
            flush();
            if (++i == bytes.size()) {
                error->reason = QStringLiteral("a \"\\\" at the end of the line");
                return std::nullopt;
            }
            const char escape = bytes[i++];
            static constexpr std::pair<char, char16_t> kEscapes[] = {
                {'a', u'\a'}, {'b', u'\b'},  {'f', u'\f'},  {'n', u'\n'},
                {'r', u'\r'}, {'t', u'\t'},  {'v', u'\v'},  {'"', u'"'},
                {'?', u'?'},  {'\'', u'\''}, {'\\', u'\\'},
            };
            const auto* known = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                             [&](const auto& e) { return e.first == escape; });
            if (known != std::end(kEscapes)) {
                value += QChar(known->second);
            } else if (escape == 'x' || (escape >= '0' && escape <= '7')) {
                const int base = escape == 'x' ? 16 : 8;
                char32_t code = escape == 'x' ? 0 : static_cast<char32_t>(escape - '0');
                int digits = escape == 'x' ? 0 : 1;
                while (i < bytes.size()) {
                    const int d = hexValue(QLatin1Char(bytes[i]));
                    if (d < 0 || d >= base) {
                        break;
                    }
                    code = code * base + static_cast<char32_t>(d);
                    ++digits;
                    ++i;
                    if (code > 0xFFFF) {
                        error->reason = QStringLiteral("a character code beyond U+FFFF");
                        return std::nullopt;
                    }
                }
                if (digits == 0) {
                    error->reason = QStringLiteral("\"\\x\" without a hexadecimal code");
                    return std::nullopt;
                }
                value += QChar(static_cast<char16_t>(code));
            } else {
                error->reason = QStringLiteral("an unknown escape \"\\%1\"")
                                    .arg(QString::fromUtf8(QByteArray(1, escape)));
                return std::nullopt;
            }
            chopLimit = value.size();
        } else if (c == '"') {
            flush();
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = value.size();
            }
        } else if (c == ';' && !inQuotes) {
            break; // the rest of the line is a comment
        } else {
            run += c;
            ++i;
        }
    }
    flush();
    if (inQuotes) {
        error->reason = QStringLiteral("a quoted value without its closing quote");
        return std::nullopt;
    }
    if (!quoted) {
        qsizetype end = value.size();
        while (end > chopLimit &&
               (value[end - 1] == QLatin1Char(' ') || value[end - 1] == QLatin1Char('\t'))) {
            --end;
        }
        value.truncate(end);
    }
    if (value.startsWith(QLatin1String("@@"))) {
        value.remove(0, 1);
    } else if (value.startsWith(QLatin1String("@String(")) && value.endsWith(QLatin1Char(')'))) {
        value = value.sliced(8).chopped(1);
    }
    if (const auto bad = untypable(value)) {
        error->reason = *bad + QStringLiteral(" in a value");
        return std::nullopt;
    }
    return value;
}

// Writes a name as QSettings does: letters, digits, "_", "-" and "." as they are, "/" as "\",
// everything else as a character code.
QByteArray escapeName(const QString& name) {
    QByteArray out;
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        } else {
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
        }
    }
    return out;
}

// Writes a value as QSettings does, so that either reads what the other wrote.
QByteArray escapeValue(QString text) {
    if (text.startsWith(QLatin1Char('@'))) {
        text.prepend(QLatin1Char('@'));
    }
    QByteArray out;
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == ';' || c == ',' || c == '=') {
            needsQuotes = true;
        }
        if (escapeNextIfHex && hexValue(QChar(c)) >= 0) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\v':
            out += "\\v";
            break;
        default:
            if (const std::string_view escape = backslashEscape(c); !escape.empty()) {
                out += QByteArrayView(escape.data(), static_cast<qsizetype>(escape.size()));
            } else if (isControl(c)) {
                out += "\\x" + QByteArray::number(c, 16);
                escapeNextIfHex = true;
            } else if (text[i].isHighSurrogate() && i + 1 < text.size()) {
                out += text.sliced(i, 2).toUtf8();
                ++i;
            } else {
                out += QString(QChar(c)).toUtf8();
            }
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' ')) {
        out = '"' + out + '"';
    }
    return out;
}

QByteArray headerText(const QString& section) {
    if (section.isEmpty()) {
        return "[General]";
    }
    if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
        return "[%General]";
    }
    return '[' + escapeName(section) + ']';
}

bool storableKey(const QString& key) {
    return !key.isEmpty() && !key.split(QLatin1Char('/')).contains(QString()) &&
           std::none_of(key.cbegin(), key.cend(), [](QChar c) { return isControl(c.unicode()); }) &&
           !untypable(key);
}

} // namespace

std::optional<IniFile> IniFile::parse(const QByteArray& bytes, Problem* problem) {
    IniFile file;
    QByteArray data = bytes;
    if (data.startsWith(kByteOrderMark)) {
        file.byteOrderMark_ = kByteOrderMark;
        data.remove(0, kByteOrderMark.size());
    }
    const auto fail = [&](int line, const QString& reason) {
        *problem = {line, reason};
        return std::nullopt;
    };

    // Lines and their breaks.
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = start;
        while (end < data.size() && data[end] != '\n' && data[end] != '\r') {
            ++end;
        }
        Line line;
        line.text = data.sliced(start, end - start);
        qsizetype next = end;
        if (end < data.size()) {
            next = data[end] == '\r' && end + 1 < data.size() && data[end + 1] == '\n' ? end + 2
                                                                                       : end + 1;
            line.ending = data.sliced(end, next - end);
        }
        if (file.lines_.empty() && !line.ending.isEmpty()) {
            file.lineBreak_ = line.ending;
        }
        file.lines_.push_back(std::move(line));
        start = next;
    }

    std::map<QString, int> seen; // key, line number
    QString section;
    for (std::size_t index = 0; index < file.lines_.size(); ++index) {
        Line& line = file.lines_[index];
        const int number = static_cast<int>(index) + 1;
        for (const char c : line.text) {
            const auto u = static_cast<unsigned char>(c);
            if ((u < 0x20 && c != '\t') || u == 0x7F) {
                return fail(number,
                            QStringLiteral("a control character (0x%1)")
                                .arg(QString::number(u, 16).toUpper().rightJustified(2, u'0')));
            }
        }
        if (firstInvalidUtf8(std::string_view(line.text.constData(),
                                              static_cast<std::size_t>(line.text.size())))) {
            return fail(number, QStringLiteral("bytes that are not UTF-8 text"));
        }

        const QByteArray text = trimmedBlanks(line.text);
        LineError error;
        if (text.isEmpty()) {
            line.kind = Kind::Blank;
        } else if (text.startsWith(';') || text.startsWith('#')) {
            line.kind = Kind::Comment;
        } else if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            if (close < 0) {
                return fail(number, QStringLiteral("a section header without its closing \"]\""));
            }
            const QByteArray after = trimmedBlanks(text.sliced(close + 1));
            if (!after.isEmpty() && !after.startsWith(';') && !after.startsWith('#')) {
                return fail(number, QStringLiteral("text after a section header's \"]\""));
            }
            const QByteArray name = trimmedBlanks(text.sliced(1, close - 1));
            if (name.isEmpty()) {
                return fail(number, QStringLiteral("a section header without a name"));
            }
            if (name.compare("general", Qt::CaseInsensitive) == 0) {
                section.clear();
            } else if (name.compare("%general", Qt::CaseInsensitive) == 0) {
                section = QString::fromLatin1(name.sliced(1));
            } else if (const auto unescaped = unescapeName(name, &error)) {
                section = *unescaped;
            } else {
                return fail(number, error.reason);
            }
            line.kind = Kind::Header;
            line.section = section;
        } else {
            const qsizetype equals = text.indexOf('=');
            if (equals < 0) {
                return fail(number,
                            QStringLiteral("neither a [section], a key=value entry nor a comment"));
            }
            const QByteArray keyText = trimmedBlanks(text.first(equals));
            if (keyText.isEmpty()) {
                return fail(number, QStringLiteral("an entry without a key"));
            }
            if (keyText.contains('"') || keyText.contains(';')) {
                return fail(number, QStringLiteral("a key holding a raw \" or ;"));
            }
            const auto name = unescapeName(keyText, &error);
            if (!name) {
                return fail(number, error.reason);
            }
            const QString key = section.isEmpty() ? *name : section + QLatin1Char('/') + *name;
            if (!storableKey(key)) {
                return fail(number, QStringLiteral("a key with an empty part"));
            }
            const auto value = unescapeValue(line.text.sliced(line.text.indexOf('=') + 1), &error);
            if (!value) {
                return fail(number, error.reason);
            }
            if (const auto earlier = seen.find(key); earlier != seen.end()) {
                return fail(number,
                            QStringLiteral("the key \"%1\" a second time (first on line %2)")
                                .arg(key)
                                .arg(earlier->second));
            }
            seen.emplace(key, number);
            line.kind = Kind::Entry;
            line.section = section;
            line.key = key;
            line.value = *value;
        }
    }
    return file;
}

QString IniFile::sectionOf(const QString& key) {
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : key.first(slash);
}

std::optional<std::size_t> IniFile::find(const QString& key) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Entry && lines_[i].key == key) {
            return i;
        }
    }
    return std::nullopt;
}

QStringList IniFile::keys() const {
    QStringList keys;
    for (const Line& line : lines_) {
        if (line.kind == Kind::Entry) {
            keys.append(line.key);
        }
    }
    keys.sort();
    return keys;
}

std::optional<QString> IniFile::value(const QString& key) const {
    const auto index = find(key);
    return index ? std::optional<QString>(lines_[*index].value) : std::nullopt;
}

bool IniFile::setValue(const QString& key, const QString& value) {
    if (!storableKey(key) || untypable(value)) {
        return false;
    }
    // The entry as it is written below the header of `section`.
    const auto entryIn = [&](const QString& section) {
        Line entry;
        entry.kind = Kind::Entry;
        const QString name = section.isEmpty() ? key : key.sliced(section.size() + 1);
        entry.text = escapeName(name) + '=' + escapeValue(value);
        entry.section = section;
        entry.key = key;
        entry.value = value;
        return entry;
    };

    if (const auto index = find(key)) {
        // In the section it stands in, which need not be the key's first part: "a\b=1" ahead
        // of any header is the key "a/b" too.
        Line& line = lines_[*index];
        if (line.value != value) {
            Line entry = entryIn(line.section);
            entry.ending = line.ending;
            line = std::move(entry);
        }
        return true;
    }
    const QString section = sectionOf(key);
    Line entry = entryIn(section);

    // After the last line of the section's last block. Entries ahead of any header belong to
    // the section of keys without a section part; comments there are the file's own.
    std::optional<std::size_t> last;
    QString current;
    bool headed = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Header) {
            current = line.section;
            headed = true;
        }
        if (current == section && (line.kind == Kind::Header || line.kind == Kind::Entry ||
                                   (line.kind == Kind::Comment && headed))) {
            last = i;
        }
    }
    const auto terminate = [this](std::size_t i) {
        if (lines_[i].ending.isEmpty()) {
            lines_[i].ending = lineBreak_;
            return true;
        }
        return false;
    };
    if (last) {
        const bool wasLast = terminate(*last);
        entry.ending = wasLast ? QByteArray() : lineBreak_;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*last) + 1, std::move(entry));
        return true;
    }
    if (!lines_.empty()) {
        terminate(lines_.size() - 1);
        if (lines_.back().kind != Kind::Blank) {
            lines_.push_back(Line{Kind::Blank, {}, lineBreak_, {}, {}, {}});
        }
    }
    lines_.push_back(Line{Kind::Header, headerText(section), lineBreak_, section, {}, {}});
    entry.ending = lineBreak_;
    lines_.push_back(std::move(entry));
    return true;
}

void IniFile::remove(const QString& key) {
    const auto index = find(key);
    if (!index) {
        return;
    }
    const bool endedFile = lines_[*index].ending.isEmpty();
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    dropEmptySection(*index);
    if (endedFile && !lines_.empty()) {
        lines_.back().ending.clear(); // the file still ends without a line break
    }
}

void IniFile::dropEmptySection(std::size_t removed) {
    // The header of the block the removed line was in, unless something but blank lines
    // stands between them.
    std::optional<std::size_t> header;
    for (std::size_t i = removed; i-- > 0;) {
        if (lines_[i].kind == Kind::Header) {
            header = i;
            break;
        }
        if (lines_[i].kind != Kind::Blank) {
            return;
        }
    }
    if (!header) {
        return;
    }
    std::size_t end = *header + 1;
    while (end < lines_.size() && lines_[end].kind == Kind::Blank) {
        ++end;
    }
    if (end < lines_.size() && lines_[end].kind != Kind::Header) {
        return;
    }
    std::size_t begin = *header;
    if (end == lines_.size()) { // at the end of the file the blank lines before it go too
        while (begin > 0 && lines_[begin - 1].kind == Kind::Blank) {
            --begin;
        }
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(begin),
                 lines_.begin() + static_cast<std::ptrdiff_t>(end));
}

QByteArray IniFile::toBytes() const {
    QByteArray bytes = byteOrderMark_;
    // A first line that starts with the bytes of a byte order mark (a U+FEFF in a name, once
    // the lines before it were removed) gets a mark of its own in front, so that a reader
    // takes that one for the file's and reads the line as it is.
    if (bytes.isEmpty() && !lines_.empty() && lines_.front().text.startsWith(kByteOrderMark)) {
        bytes = kByteOrderMark;
    }
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.ending;
    }
    return bytes;
}

QString describe(const QString& path, const IniFile::Problem& problem) {
    const QString file = QDir::toNativeSeparators(path);
    return problem.line > 0
               ? QStringLiteral("%1, line %2: %3").arg(file).arg(problem.line).arg(problem.reason)
               : QStringLiteral("%1: %2").arg(file, problem.reason);
}

Result<IniFile> readIniFile(const QString& path) {
    const Result<std::optional<QByteArray>> bytes = readFileCapped(path, kMaxIniFileSize);
    if (!bytes) {
        return Failure{bytes.error()};
    }
    if (!*bytes) {
        return IniFile();
    }
    IniFile::Problem problem;
    std::optional<IniFile> file = IniFile::parse(**bytes, &problem);
    if (!file) {
        return Failure{describe(path, problem)};
    }
    return std::move(*file);
}

Result<void> updateIniFile(const QString& path, const std::function<bool(IniFile&)>& change) {
    const QString shown = QDir::toNativeSeparators(path);
    if (const Result<void> made = makeFolder(QFileInfo(path).absolutePath()); !made) {
        return Failure{QStringLiteral("cannot write %1: %2").arg(shown, made.error())};
    }
    // The lock QSettings takes too, so that neither overwrites what the other just wrote.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(5000)) {
        return Failure{
            lock.error() == QLockFile::LockFailedError
                ? QStringLiteral("cannot write %1: another program holds its lock").arg(shown)
                : QStringLiteral("cannot write %1: %2")
                      .arg(shown, writeObstacle(path).value_or(QStringLiteral("cannot lock it")))};
    }
    Result<IniFile> file = readIniFile(path);
    if (!file) {
        return Failure{file.error() + QStringLiteral("; the file was left as it was")};
    }
    const bool existed = QFileInfo::exists(path);
    const QByteArray before = file->toBytes();
    if (!change(*file)) {
        return Failure{QStringLiteral("cannot store that value in %1").arg(shown)};
    }
    const QByteArray after = file->toBytes();
    if (after == before && (existed || after.isEmpty())) {
        return {};
    }
    return replaceFile(path, after);
}

} // namespace ravelin::common
