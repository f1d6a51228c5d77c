// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The character set of a page, as a browser finds it: a UTF-8 byte order mark, else the first
// <meta charset="..."> or <meta http-equiv="Content-Type" content="...; charset=...">, else
// UTF-8. Pages are read and written in that set. As browsers do, a page declaring ISO-8859-1
// or US-ASCII is read as windows-1252; it is written so that a strict reader of the declared
// set reads the same: characters outside it become numeric character references (&#8364;).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace ravelin::editor {

enum class Charset {
    Utf8,
    Windows1252,
    Latin1, // declared ISO-8859-1: read as windows-1252, written in ISO-8859-1
    Ascii,  // declared US-ASCII: read as windows-1252, written in ASCII
};

// The name a page declares the set by ("UTF-8", "windows-1252", "ISO-8859-1", "US-ASCII").
QString charsetName(Charset charset);

// The label of the first character set declaration in the page's markup, trimmed and in lower
// case, or nothing when it declares none. Declarations inside comments do not count.
std::optional<QByteArray> declaredLabel(QByteArrayView page);

// The set a label names (the labels browsers know for these sets), or nothing.
std::optional<Charset> charsetForLabel(QByteArrayView label);

// Decodes a page; nothing when a byte does not belong to the set, with its offset in
// `badOffset` (UTF-8: the first byte of the ill-formed sequence).
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
