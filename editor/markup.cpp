// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/markup.h"

#include <algorithm>
#include <array>

namespace ravelin::editor {

namespace {

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Index after the first `needle` at or after `from`, or the text's length when there is none.
qsizetype endAfter(QStringView text, qsizetype from, QStringView needle, bool* found) {
    const qsizetype at = text.indexOf(needle, from);
    *found = at >= 0;
    return at >= 0 ? at + needle.size() : text.size();
}

// One piece of markup as the scanner finds it; its name is a view into the text.
struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
    bool terminated = true;
    QStringView name; // the element name as written, for start and end tags
    bool endTag = false;
};

// Scans a start or end tag whose name starts at `i`; quoted attribute values may hold ">".
Span scanTag(QStringView text, qsizetype begin, qsizetype i, bool endTag) {
    Span span;
    span.begin = begin;
    span.endTag = endTag;
    const qsizetype nameStart = i;
    while (i < text.size() && !isSpace(text[i]) && text[i] != u'/' && text[i] != u'>') {
        ++i;
    }
    span.name = text.sliced(nameStart, i - nameStart);
    bool afterEquals = false;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'>') {
            span.end = i + 1;
            return span;
        }
        if (afterEquals && (c == u'"' || c == u'\'')) {
            const qsizetype close = text.indexOf(c, i + 1);
            if (close < 0) {
                break;
            }
            i = close + 1;
            afterEquals = false;
            continue;
        }
        if (c == u'=') {
            afterEquals = true;
        } else if (!isSpace(c)) {
            afterEquals = false;
        }
        ++i;
    }
    span.end = text.size();
    span.terminated = false;
    return span;
}

// Whether an element name as written is `lowerName`. Only ASCII letters differ in case: no
// other character becomes an ASCII letter of these names when made lower-case.
bool isNamed(QStringView name, QStringView lowerName) {
    if (name.size() != lowerName.size()) {
        return false;
    }
    for (qsizetype i = 0; i < name.size(); ++i) {
        char16_t c = name[i].unicode();
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
        if (c != lowerName[i].unicode()) {
            return false;
        }
    }
    return true;
}

struct RawTextElement {
    QStringView name;
    QStringView closing; // the start of its end tag
};

constexpr std::array<RawTextElement, 4> kRawTextElements = {{
    {u"script", u"</script"},
    {u"style", u"</style"},
    {u"textarea", u"</textarea"},
    {u"title", u"</title"},
}};

constexpr std::array<QStringView, 8> kControlElements = {
    u"img", u"input", u"button", u"select", u"textarea", u"object", u"embed", u"iframe"};

// The start of the end tag that closes the raw text after a start tag named `name`, or
// nothing when the element's content is markup.
QStringView rawTextClosing(QStringView name) {
    for (const RawTextElement& element : kRawTextElements) {
        if (isNamed(name, element.name)) {
            return element.closing;
        }
    }
    return {};
}

bool isControlName(QStringView name) {
    return std::any_of(kControlElements.begin(), kControlElements.end(),
                       [name](QStringView control) { return isNamed(name, control); });
}

// Index of the end tag that begins with `closing` and ends a raw text starting at `from`.
qsizetype rawTextEnd(QStringView text, qsizetype from, QStringView closing) {
    qsizetype at = from;
    while ((at = text.indexOf(closing, at, Qt::CaseInsensitive)) >= 0) {
        const qsizetype after = at + closing.size();
        if (after >= text.size() || isSpace(text[after]) || text[after] == u'/' ||
            text[after] == u'>') {
            return at;
        }
        at = after;
    }
    return text.size();
}

// Walks the markup of a text in order, starting where the text is outside markup.
class Scanner {
public:
    explicit Scanner(QStringView text) : text_(text) {}

    // The next piece of markup; false at the end of the text.
    bool next(Span* found) {
        while ((i_ = text_.indexOf(u'<', i_)) >= 0) {
            const qsizetype begin = i_;
            const QChar next = begin + 1 < text_.size() ? text_[begin + 1] : QChar();
            Span span;
            span.begin = begin;
            if (text_.sliced(begin).startsWith(u"<!--")) {
                span.end = endAfter(text_, begin + 4, u"-->", &span.terminated);
            } else if (next == u'!' || next == u'?') {
                span.end = endAfter(text_, begin + 2, u">", &span.terminated);
            } else if (next == u'/' && begin + 2 < text_.size() &&
                       isAsciiLetter(text_[begin + 2])) {
                span = scanTag(text_, begin, begin + 2, true);
            } else if (isAsciiLetter(next)) {
                span = scanTag(text_, begin, begin + 1, false);
            } else {
                i_ = begin + 1; // a "<" in text
                continue;
            }
            i_ = span.end;
            if (!span.endTag) {
                if (const QStringView closing = rawTextClosing(span.name); !closing.isEmpty()) {
                    i_ = rawTextEnd(text_, i_, closing);
                }
            }
            *found = span;
            return true;
        }
        i_ = text_.size();
        return false;
    }

private:
    QStringView text_;
    qsizetype i_ = 0;
};

// The longest look past a position that the scanner needs to read markup before it as it
// would with the whole text: "</textarea" and the character after it.
constexpr qsizetype kLookAhead = 16;

// A selection up to this long is read in one piece with the text around it.
constexpr qsizetype kJoinedSelection = 4096;

// Where reading for a position starts: the nearest "<" at or before `from`, or the start.
qsizetype restartAt(TextSource& source, qsizetype from) {
    qsizetype piece = 4096;
    qsizetype to = from + 1;
    while (to > 0) {
        const qsizetype begin = std::max<qsizetype>(0, to - piece);
        const qsizetype at = source.read(begin, to).lastIndexOf(u'<');
        if (at >= 0) {
            return begin + at;
        }
        to = begin;
        piece *= 2;
    }
    return 0;
}

// What the markup around `from` and `to` (from <= to) is, read from a restart point before
// `from` to a little past `to`.
struct Around {
    bool fromInside = false; // `from` lies inside a piece of markup
    bool toInside = false;
    // The piece of markup that begins at `from`, if any.
    bool tagAtFrom = false;
    bool controlAtFrom = false;
    qsizetype endAtFrom = 0;
    bool terminatedAtFrom = true;
};

// Whether a span read at `offset` that begins before `position` reaches past it.
bool covers(const Span& span, qsizetype offset, qsizetype position) {
    return offset + span.end > position || !span.terminated;
}

Around readAround(TextSource& source, qsizetype from, qsizetype to) {
    const qsizetype restart =
        from > kRangeLookBehind ? restartAt(source, from - kRangeLookBehind) : 0;
    const QStringView text = source.read(restart, std::min(source.size(), to + kLookAhead));
    Scanner scanner(text);
    Around around;
    Span span;
    while (scanner.next(&span)) {
        const qsizetype begin = restart + span.begin;
        if (begin < from) {
            around.fromInside = covers(span, restart, from);
        } else if (begin == from) {
            around.fromInside = false;
            around.tagAtFrom = true;
            around.controlAtFrom = isControlName(span.name);
            around.endAtFrom = restart + span.end;
            around.terminatedAtFrom = span.terminated;
        }
        if (begin >= to) {
            break;
        }
        around.toInside = covers(span, restart, to);
    }
    return around;
}

// The end of the piece of markup that begins at `from`, read up to a little past `until`.
qsizetype endOfMarkupAt(TextSource& source, qsizetype from, qsizetype until) {
    const qsizetype stop = std::min(source.size(), until + kLookAhead);
    Scanner scanner(source.read(from, stop));
    Span span;
    return scanner.next(&span) ? from + span.end : stop;
}

// A string as a text source: pieces are views into it.
class StringSource : public TextSource {
public:
    explicit StringSource(QStringView text) : text_(text) {}
    qsizetype size() const override { return text_.size(); }
    QStringView read(qsizetype from, qsizetype to) override {
        return text_.sliced(from, to - from);
    }

private:
    QStringView text_;
};

} // namespace

QList<MarkupSpan> scanMarkup(QStringView text) {
    QList<MarkupSpan> spans;
    Scanner scanner(text);
    Span span;
    while (scanner.next(&span)) {
        spans.append(MarkupSpan{span.begin, span.end, span.terminated,
                                span.name.toString().toLower(), span.endTag});
    }
    return spans;
}

bool isControlElement(QStringView tagName) {
    return std::find(kControlElements.begin(), kControlElements.end(), tagName) !=
           kControlElements.end();
}

RangeKind classifyRange(TextSource& text, qsizetype anchor, qsizetype position) {
    // Positions outside the text read as its nearest end; a control's tag is selected only
    // by a selection from its "<" to just after its ">".
    const qsizetype start = std::min(anchor, position);
    const qsizetype end = std::max(anchor, position);
    const qsizetype size = text.size();
    const qsizetype from = std::clamp<qsizetype>(start, 0, size);
    const qsizetype to = std::clamp<qsizetype>(end, 0, size);

    Around around;
    if (to - from <= kJoinedSelection) {
        around = readAround(text, from, to);
    } else {
        around = readAround(text, from, from);
        around.toInside = readAround(text, to, to).toInside;
    }
    if (around.fromInside || around.toInside) {
        return RangeKind::Control;
    }
    if (around.tagAtFrom && around.controlAtFrom && start == from && start < end) {
        qsizetype tagEnd = around.endAtFrom;
        if (!around.terminatedAtFrom && tagEnd < size) {
            tagEnd = endOfMarkupAt(text, from, to); // the tag runs on past what was read
        }
        if (tagEnd == end) {
            return RangeKind::Control;
        }
    }
    return RangeKind::Text;
}

RangeKind classifyRange(QStringView text, qsizetype anchor, qsizetype position) {
    StringSource source(text);
    return classifyRange(source, anchor, position);
}

} // namespace ravelin::editor
