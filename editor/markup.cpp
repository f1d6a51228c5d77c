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

// HTML's white space, and the line break of Qt's text documents, whose text the page editor
// hands over as it is.
bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' ||
           c == QChar::ParagraphSeparator;
}

// Whether an element name as written is `lowerName`. Only ASCII letters differ in case, as in
// browsers: Qt's case folding would take "\u017Fcript" for "script".
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

constexpr std::array<QStringView, 4> kRawTextElements = {u"script", u"style", u"textarea",
                                                         u"title"};

constexpr std::array<QStringView, 8> kControlElements = {
    u"img", u"input", u"button", u"select", u"textarea", u"object", u"embed", u"iframe"};

// The one of `lowerNames` that a name as written is, or nothing.
QStringView namedIn(QStringView name, const auto& lowerNames) {
    const auto* named = std::find_if(lowerNames.begin(), lowerNames.end(),
                                     [name](QStringView lower) { return isNamed(name, lower); });
    return named != lowerNames.end() ? *named : QStringView();
}

// A start or end tag whose name starts at `i`; quoted attribute values may hold ">".
Markup readTag(QStringView text, qsizetype begin, qsizetype i, Markup::Kind kind) {
    Markup tag{kind, begin, text.size(), false, {}};
    const qsizetype nameStart = i;
    while (i < text.size() && !isSpace(text[i]) && text[i] != u'/' && text[i] != u'>') {
        ++i;
    }
    tag.name = text.sliced(nameStart, i - nameStart);
    bool afterEquals = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'>') {
            tag.end = i + 1;
            tag.terminated = true;
            break;
        }
        if (afterEquals && (c == u'"' || c == u'\'')) {
            i = text.indexOf(c, i + 1);
            if (i < 0) {
                break;
            }
            afterEquals = false;
        } else if (c == u'=') {
            afterEquals = true;
        } else if (!isSpace(c)) {
            afterEquals = false;
        }
    }
    return tag;
}

// A comment from its "<!--": it ends at the first ">" after "--", which may be the dashes of
// its start ("<!-->" is a whole comment), or after a "--!" of its own.
Markup readComment(QStringView text, qsizetype begin) {
    for (qsizetype at = begin + 4; (at = text.indexOf(u'>', at)) >= 0; ++at) {
        if (text.sliced(begin + 2, at - begin - 2).endsWith(u"--") ||
            text.sliced(begin + 4, at - begin - 4).endsWith(u"--!")) {
            return {Markup::Kind::Comment, begin, at + 1, true, {}};
        }
    }
    return {Markup::Kind::Comment, begin, text.size(), false, {}};
}

// Where the end tag of raw text of the element `name` begins, from `from` on: "</", the name
// in any case, then a space, "/", ">" or the text's end. The text's length when none follows.
qsizetype rawTextEnd(QStringView text, qsizetype from, QStringView name) {
    for (qsizetype at = from; (at = text.indexOf(u'<', at)) >= 0; ++at) {
        const qsizetype after = at + 2 + name.size();
        if (after <= text.size() && text[at + 1] == u'/' &&
            isNamed(text.sliced(at + 2, name.size()), name) &&
            (after == text.size() || isSpace(text[after]) || text[after] == u'/' ||
             text[after] == u'>')) {
            return at;
        }
    }
    return text.size();
}

} // namespace

bool MarkupReader::next(Markup* found) {
    if (!rawText_.isEmpty()) {
        const qsizetype end = rawTextEnd(text_, at_, rawText_);
        *found = {Markup::Kind::RawText, at_, end, end < text_.size(), rawText_};
        rawText_ = {};
        at_ = end;
        return true;
    }
    for (; (at_ = text_.indexOf(u'<', at_)) >= 0; ++at_) {
        const QStringView rest = text_.sliced(at_);
        const QChar second = rest.size() > 1 ? rest[1] : QChar();
        if (isAsciiLetter(second)) {
            *found = readTag(text_, at_, at_ + 1, Markup::Kind::StartTag);
            if (found->terminated) {
                rawText_ = namedIn(found->name, kRawTextElements);
            }
        } else if (second == u'/' && rest.size() > 2 && isAsciiLetter(rest[2])) {
            *found = readTag(text_, at_, at_ + 2, Markup::Kind::EndTag);
        } else if (rest.startsWith(u"<!--")) {
            *found = readComment(text_, at_);
        } else if (second == u'!' || second == u'?') {
            const qsizetype close = text_.indexOf(u'>', at_ + 2);
            *found = {
                Markup::Kind::Comment, at_, close < 0 ? text_.size() : close + 1, close >= 0, {}};
        } else {
            continue; // a "<" in text
        }
        at_ = found->end;
        return true;
    }
    at_ = text_.size();
    return false;
}

RangeKind classifyRange(QStringView page, qsizetype anchor, qsizetype position) {
    const qsizetype start = std::clamp<qsizetype>(std::min(anchor, position), 0, page.size());
    const qsizetype end = std::clamp<qsizetype>(std::max(anchor, position), 0, page.size());
    // Positions inside a tag or comment lie after its "<" and before its ">"; raw text holds
    // the positions from the end of its start tag to the "<" of its end tag.
    const auto holds = [](const Markup& piece, qsizetype at) {
        if (piece.kind == Markup::Kind::RawText) {
            return piece.begin <= at && at <= piece.end;
        }
        return piece.begin < at && (at < piece.end || !piece.terminated);
    };
    const auto holdsAnEnd = [&](const Markup& piece) {
        return holds(piece, start) || holds(piece, end);
    };

    MarkupReader reader(page);
    Markup piece;
    qsizetype formBegin = -1; // the "<" of the open form's start tag
    bool controlTag = false;
    while (reader.next(&piece) && piece.begin <= end) {
        if (holdsAnEnd(piece)) {
            return RangeKind::Control;
        }
        const bool tag = piece.kind == Markup::Kind::StartTag || piece.kind == Markup::Kind::EndTag;
        if (tag && isNamed(piece.name, u"form")) {
            if (piece.kind == Markup::Kind::StartTag && formBegin < 0) {
                formBegin = piece.begin;
            } else if (piece.kind == Markup::Kind::EndTag && formBegin >= 0) {
                // The form from its start tag's "<" to after its end tag's ">".
                if (holdsAnEnd({piece.kind, formBegin, piece.end, true, {}})) {
                    return RangeKind::Control;
                }
                formBegin = -1;
            }
        }
        controlTag = controlTag || (tag && piece.begin == start && piece.end == end &&
                                    !namedIn(piece.name, kControlElements).isEmpty());
    }
    if (formBegin >= 0 && formBegin < end) {
        return RangeKind::Control; // a form still open at the selection's end
    }
    return controlTag ? RangeKind::Control : RangeKind::Text;
}

} // namespace ravelin::editor
