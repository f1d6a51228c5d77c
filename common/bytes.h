// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Byte texts as the readers of files and pages take them apart. Each format has its own idea
// of a blank (INI: space and tab; HTML: ASCII white space, which is not QByteArray's: no
// vertical tab), so the reader says which bytes are blanks.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace ravelin::common {

// `text` without the bytes at either end for which `isBlank` holds.
template <typename IsBlank> QByteArray trimmed(QByteArrayView text, IsBlank isBlank) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.sliced(begin, end - begin).toByteArray();
}

} // namespace ravelin::common
