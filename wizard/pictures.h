// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wizard's pictures, all drawn here with QPainter: the title logo, the two pictures of the
// advertising panel and one picture per standard button image name.
#pragma once

#include <QPixmap>
#include <QString>
#include <string_view>

namespace ravelin::wizard {

// How a standard button picture is drawn: its caption, its size in pixels and whether it
// carries a strip of small card marks under the caption.
struct ButtonLook {
    QString caption;
    int width = 0;
    int height = 0;
    bool cards = false;
    bool pill = false; // round ends instead of rounded corners
};

// The look of the standard button of this image name (a Tag of the button-image pages). An
// unknown name gets a plain "Buy Now" button, so a picture is always drawn.
ButtonLook buttonLook(std::string_view imageName);

// What the picture of this image name shows, in words for those who cannot see it: its caption,
// its size, its shape and card logos, then its size in pixels, e.g. "Buy Now button, large,
// with card logos (73 × 34 pixels)".
QString pictureDescription(std::string_view imageName);

// A button in the payment service's familiar style (yellow to orange, dark blue bold
// caption), drawn from buttonLook(imageName).
QPixmap buttonPicture(std::string_view imageName);

// The window's title logo (Image1): the Ravelin wordmark, 111 x 37 pixels.
QPixmap logoPicture();

// The advertising panel's pictures: a web page with a payment button (Image3) and an auction
// gavel (Image4).
QPixmap websitePaymentsPicture();
QPixmap auctionPaymentsPicture();

} // namespace ravelin::wizard
