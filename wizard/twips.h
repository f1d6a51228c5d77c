// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Window geometry in twips (1/1440 inch). The window is laid out at 96 dots per inch, 15 twips
// to the pixel; Qt scales the pixels for high-density screens.
#pragma once

#include <QRect>
#include <QSize>

namespace ravelin::wizard {

inline constexpr int kTwipsPerPixel = 15;

// A length in twips as pixels, rounded to the nearest pixel.
constexpr int pixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// A length in pixels as twips.
constexpr int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A rectangle given as Left, Top, Width and Height in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

inline QRect toPixels(const TwipsRect& r) {
    return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
}

} // namespace ravelin::wizard
