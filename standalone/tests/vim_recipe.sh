#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Vim recipe of docs/editors.md with ravelin-button as the filter: the line holding the
# placeholder becomes the button, and the rest of the page stays as it was.
#   vim_recipe.sh RAVELIN-BUTTON
set -eu
button=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

printf '<p>Our cart</p>\n<p>BUTTON</p>\n<p>Thank you</p>\n' >"$work/page.html"
printf '{"optVC": 1}\n' >"$work/cart.json"
vim -N -u NONE -i NONE -es \
    -c "/BUTTON/!$button view-cart --answers $work/cart.json --account seller@example.com" \
    -c 'wq' "$work/page.html"

{
    printf '<p>Our cart</p>\n'
    "$button" view-cart --answers "$work/cart.json" --account seller@example.com | tr -d '\r'
    printf '\n<p>Thank you</p>\n'
} >"$work/expected.html"

if ! cmp -s "$work/page.html" "$work/expected.html"; then
    diff -u "$work/expected.html" "$work/page.html" >&2 || true
    echo "vim_recipe: the page is not the expected one" >&2
    exit 1
fi
