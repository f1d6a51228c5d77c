// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Large made-up shop pages for the range decision's tests and the editor's benchmark: a
// catalogue of items, each with headings, attributes, entities, a comment, a picture and a
// link whose title holds ">", with a script and a style block now and then. The page is
// whole markup: it ends outside every tag, comment and element.
#pragma once

#include <QString>

namespace ravelin::editor::testing {

// One catalogue entry; `n` makes each one different.
inline QString catalogueItem(int n) {
    const QString number = QString::number(n);
    QString item =
        QStringLiteral("<div class=\"item\" id=\"item-%1\">\n"
                       "  <h2>Garden gnome %1</h2>\n"
                       "  <p>Hand-painted <b>gnome</b> &amp; friends, 30&nbsp;cm tall. "
                       "Price: <span class=\"price\">$25</span></p>\n"
                       "  <!-- stock: %1, shelf <b>B</b> -->\n"
                       "  <img src=\"img/gnome-%1.jpg\" alt=\"Gnome %1\" width=\"120\">\n"
                       "  <a href=\"/shop/gnome-%1?ref=list&amp;page=2\" "
                       "title=\"More > details\">More</a>\n"
                       "</div>\n")
            .arg(number);
    if (n % 100 == 0) {
        item += QStringLiteral("<script>if (shown < 10 && total > 0) { show(\"<b>\" + shown + "
                               "\"</b>\"); }</script>\n"
                               "<style>.item > h2 { color: #333; }</style>\n");
    }
    return item;
}

// A page of at least `size` characters, made of whole catalogue entries.
inline QString largePage(qsizetype size) {
    QString page;
    page.reserve(size + 1024);
    page += QStringLiteral("<!DOCTYPE html>\n<html>\n<head><title>Gnomes</title></head>\n<body>\n");
    for (int n = 1; page.size() < size; ++n) {
        page += catalogueItem(n);
    }
    return page;
}

} // namespace ravelin::editor::testing
