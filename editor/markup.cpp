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

// Scans a start or end tag whose name starts at `i`; quoted attribute values may hold ">".
MarkupSpan scanTag(QStringView text, qsizetype begin, qsizetype i, bool endTag) {
    MarkupSpan span;
    span.begin = begin;
    span.endTag = endTag;
    const qsizetype nameStart = i;
    while (i < text.size() && !isSpace(text[i]) && text[i] != u'/' && text[i] != u'>') {
        ++i;
    }
    span.tagName = text.sliced(nameStart, i - nameStart).toString().toLower();
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

bool isRawTextElement(QStringView name) {
    static constexpr std::array<QStringView, 4> kNames = {u"script", u"style", u"textarea",
                                                          u"title"};
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

// Index of the end tag closing a raw-text element whose content starts at `from`.
qsizetype rawTextEnd(QStringView text, qsizetype from, QStringView name) {
    const QString closing = QStringLiteral("</") + name.toString();
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

bool inside(const MarkupSpan& span, qsizetype position) {
    return span.begin < position && (position < span.end || !span.terminated);
}

} // namespace

QList<MarkupSpan> scanMarkup(QStringView text) {
    QList<MarkupSpan> spans;
    qsizetype i = 0;
    while ((i = text.indexOf(u'<', i)) >= 0) {
        const qsizetype begin = i;
        const QChar next = begin + 1 < text.size() ? text[begin + 1] : QChar();
        MarkupSpan span;
        span.begin = begin;
        if (text.sliced(begin).startsWith(u"<!--")) {
            span.end = endAfter(text, begin + 4, u"-->", &span.terminated);
        } else if (next == u'!' || next == u'?') {
            span.end = endAfter(text, begin + 2, u">", &span.terminated);
        } else if (next == u'/' && begin + 2 < text.size() && isAsciiLetter(text[begin + 2])) {
            span = scanTag(text, begin, begin + 2, true);
        } else if (isAsciiLetter(next)) {
            span = scanTag(text, begin, begin + 1, false);
        } else {
            i = begin + 1; // a "<" in text
            continue;
        }
        spans.append(span);
        i = span.end;
        if (!span.endTag && isRawTextElement(span.tagName)) {
            i = rawTextEnd(text, i, span.tagName);
        }
    }
    return spans;
}

bool isControlElement(QStringView tagName) {
    static constexpr std::array<QStringView, 8> kNames = {
        u"img", u"input", u"button", u"select", u"textarea", u"object", u"embed", u"iframe"};
    return std::find(kNames.begin(), kNames.end(), tagName) != kNames.end();
}

RangeKind classifyRange(QStringView text, qsizetype anchor, qsizetype position) {
    const qsizetype start = std::min(anchor, position);
    const qsizetype end = std::max(anchor, position);
    for (const MarkupSpan& span : scanMarkup(text)) {
        if (span.begin == start && span.end == end && isControlElement(span.tagName)) {
            return RangeKind::Control;
        }
        if (inside(span, start) || inside(span, end)) {
            return RangeKind::Control;
        }
    }
    return RangeKind::Text;
}

} // namespace ravelin::editor
