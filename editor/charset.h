// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The character set of a page, as a browser finds it: a UTF-8 byte order mark, else the first
// <meta charset="..."> or <meta http-equiv="Content-Type" content="...; charset=...">, else
// UTF-8. Pages are read and written in that set by the WHATWG Encoding Standard, as browsers
// read them: its labels name the sets (ISO-8859-1 and US-ASCII are labels of windows-1252),
// and windows-1252 takes every byte, so that whatever a page holds is written back as it was
// read. A character the set cannot hold becomes a numeric character reference (&#937;).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace ravelin::editor {

enum class Charset { Utf8, Windows1252 };

// The set's name in the Encoding Standard ("UTF-8", "windows-1252").
QString charsetName(Charset charset);

// The label of the first character set declaration in the page's markup, trimmed and in lower
// case, or nothing when it declares none. Declarations inside comments do not count.
std::optional<QByteArray> declaredLabel(QByteArrayView page);

// The set a label names (the Encoding Standard's labels for these sets), or nothing.
std::optional<Charset> charsetForLabel(QByteArrayView label);

// Decodes a page; nothing when a byte does not belong to the set, with its offset in
// `badOffset` (the first byte of an ill-formed UTF-8 sequence; windows-1252 takes every byte).
std::optional<QString> decodeText(QByteArrayView bytes, Charset charset, qsizetype* badOffset);

// Whether the set holds the character.
bool holds(Charset charset, char32_t character);

// Encodes a text; characters the set cannot hold become numeric character references.
QByteArray encodeText(QStringView text, Charset charset);

// Where a character the set cannot hold stands where a character reference would not be read
// as one: in a comment, a <!...> or <?...> declaration, or a script or style element. The
// index of the first such character, or nothing.
std::optional<qsizetype> unreferencedCharacter(QStringView text, Charset charset);

} // namespace ravelin::editor
