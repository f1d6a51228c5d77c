// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/pictures.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>
#include <array>

namespace ravelin::wizard {
namespace {

// The colours the pictures share.
const QColor kCaptionBlue(11, 42, 102);
const QColor kStoneBlue(44, 92, 170);
const QColor kEdge(196, 134, 24);
const QColor kButtonOrange(243, 160, 30);
const QColor kGold(255, 196, 57);

struct LookEntry {
    std::string_view name;
    const char* caption;
    int width;
    int height;
    bool cards;
    bool pill;
};

// One entry per standard image name of the five button-image pages. The sizes keep every
// page's pictures within its two rows of choices.
constexpr std::array kLooks = {
    // Buy Now
    LookEntry{"x-click-but01.gif", "Buy Now", 62, 22, false, false},
    LookEntry{"x-click-but03.gif", "Buy Now", 66, 22, false, true},
    LookEntry{"x-click-but02.gif", "Buy Now", 72, 26, false, false},
    LookEntry{"x-click-but23.gif", "Buy Now", 68, 24, false, true},
    LookEntry{"x-click-but9.gif", "Buy Now", 76, 28, false, false},
    LookEntry{"x-click-butcc.gif", "Buy Now", 73, 34, true, false},
    LookEntry{"x-click-but5.gif", "Buy Now", 80, 34, true, true},
    LookEntry{"x-click-but6.gif", "Buy Now", 86, 34, true, false},
    // Add to Cart
    LookEntry{"sc-but-01.gif", "Add to Cart", 82, 22, false, false},
    LookEntry{"sc-but-02.gif", "Add to Cart", 86, 24, false, true},
    LookEntry{"sc-but-03.gif", "Add to Cart", 106, 24, false, false},
    LookEntry{"x-click-but10.gif", "Add to Cart", 90, 28, false, false},
    LookEntry{"x-click-but22.gif", "Add to Cart", 90, 34, true, false},
    // View Cart
    LookEntry{"view_cart.gif", "View Cart", 130, 32, false, false},
    LookEntry{"view_cart_03.gif", "View Cart", 92, 24, false, true},
    LookEntry{"view_cart_02.gif", "View Cart", 104, 28, false, false},
    // Donations
    LookEntry{"x-click-but04.gif", "Donate", 62, 22, false, false},
    LookEntry{"x-click-but21.gif", "Donate", 70, 24, false, true},
    LookEntry{"x-click-but11.gif", "Donate", 76, 28, false, false},
    LookEntry{"x-click-butcc-donate.gif", "Donate", 80, 34, true, false},
    // Subscriptions
    LookEntry{"x-click-but20.gif", "Subscribe", 74, 22, false, false},
    LookEntry{"x-click-but30.gif", "Subscribe", 78, 24, false, true},
    LookEntry{"x-click-but31.gif", "Subscribe", 82, 28, false, false},
    LookEntry{"x-click-butcc-subscribe.gif", "Subscribe", 84, 34, true, false},
    LookEntry{"x-click-but24.gif", "Subscribe", 76, 23, false, false},
    LookEntry{"x-click-but28.gif", "Subscribe", 76, 21, false, true},
    LookEntry{"x-click-but29.gif", "Subscribe", 84, 26, false, false},
};

QPixmap transparentPixmap(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The largest bold font, at most `maxPixels` high, whose rendering of `text` fits `width`.
QFont fittingBoldFont(const QString& text, int width, int maxPixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    for (int size = maxPixels; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return font;
}

// Four small card marks: plain coloured rectangles with a light band, centred in `area`.
void drawCardMarks(QPainter& painter, const QRectF& area) {
    const std::array<QColor, 4> colours = {QColor(26, 79, 160), QColor(214, 48, 49),
                                           QColor(46, 139, 87), QColor(90, 90, 110)};
    const qreal cardHeight = area.height();
    const qreal cardWidth = cardHeight * 1.5;
    const qreal gap = 2;
    const qreal total = 4 * cardWidth + 3 * gap;
    qreal x = area.left() + (area.width() - total) / 2;
    for (const QColor& colour : colours) {
        const QRectF card(x, area.top(), cardWidth, cardHeight);
        painter.setPen(QPen(colour.darker(140), 0.8));
        painter.setBrush(colour);
        painter.drawRoundedRect(card, 1.5, 1.5);
        painter.fillRect(QRectF(card.left() + 1, card.top() + cardHeight * 0.35, cardWidth - 2,
                                cardHeight * 0.18),
                         QColor(255, 255, 255, 150));
        x += cardWidth + gap;
    }
}

} // namespace

ButtonLook buttonLook(std::string_view imageName) {
    for (const LookEntry& entry : kLooks) {
        if (entry.name == imageName) {
            return {QString::fromUtf8(entry.caption), entry.width, entry.height, entry.cards,
                    entry.pill};
        }
    }
    return {QStringLiteral("Buy Now"), 62, 22, false, false};
}

QString pictureDescription(std::string_view imageName) {
    const ButtonLook look = buttonLook(imageName);
    QStringList parts = {
        QCoreApplication::translate("ravelin::wizard", "%1 button").arg(look.caption)};
    if (look.height <= 22) {
        parts << QCoreApplication::translate("ravelin::wizard", "small");
    } else if (look.height <= 28) {
        parts << QCoreApplication::translate("ravelin::wizard", "medium");
    } else {
        parts << QCoreApplication::translate("ravelin::wizard", "large");
    }
    if (look.pill) {
        parts << QCoreApplication::translate("ravelin::wizard", "with rounded ends");
    }
    if (look.cards) {
        parts << QCoreApplication::translate("ravelin::wizard", "with card logos");
    }
    return parts.join(QStringLiteral(", ")) +
           QCoreApplication::translate("ravelin::wizard", " (%1 \u00d7 %2 pixels)")
               .arg(look.width)
               .arg(look.height);
}

QPixmap buttonPicture(std::string_view imageName) {
    const ButtonLook look = buttonLook(imageName);
    QPixmap pixmap = transparentPixmap(look.width, look.height);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF body = QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = look.pill ? body.height() / 2 : 5;
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, QColor(255, 239, 176));
    fill.setColorAt(0.45, QColor(255, 203, 72));
    fill.setColorAt(1.0, kButtonOrange);
    painter.setPen(QPen(kEdge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, radius, radius);

    // A soft highlight across the upper half.
    QPainterPath shine;
    shine.addRoundedRect(body.adjusted(2, 1.5, -2, -body.height() / 2), radius - 1, radius - 1);
    painter.fillPath(shine, QColor(255, 255, 255, 70));

    const qreal captionHeight = look.cards ? body.height() * 0.58 : body.height();
    const QRectF captionArea(body.left() + 4, body.top(), body.width() - 8, captionHeight);
    const int maxPixels = look.cards ? 13 : std::min(14, static_cast<int>(captionHeight * 0.55));
    painter.setFont(
        fittingBoldFont(look.caption, static_cast<int>(captionArea.width()), maxPixels));
    painter.setPen(QColor(255, 255, 255, 160));
    painter.drawText(captionArea.translated(0, 1), Qt::AlignCenter, look.caption);
    painter.setPen(kCaptionBlue);
    painter.drawText(captionArea, Qt::AlignCenter, look.caption);

    if (look.cards) {
        const qreal cardHeight = std::min<qreal>(9, body.height() - captionHeight - 3);
        drawCardMarks(painter, QRectF(body.left() + 4, body.top() + captionHeight, body.width() - 8,
                                      cardHeight));
    }
    return pixmap;
}

QPixmap logoPicture() {
    QPixmap pixmap = transparentPixmap(111, 37);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A ravelin seen from above: an arrow-headed outwork in front of a wall.
    const QPolygonF outwork(
        {QPointF(3, 30), QPointF(3, 15), QPointF(15, 4), QPointF(27, 15), QPointF(27, 30)});
    QLinearGradient stone(QPointF(0, 4), QPointF(0, 30));
    stone.setColorAt(0.0, kStoneBlue);
    stone.setColorAt(1.0, kCaptionBlue);
    painter.setPen(QPen(kCaptionBlue, 1));
    painter.setBrush(stone);
    painter.drawPolygon(outwork);
    painter.setPen(QPen(kGold, 2));
    painter.drawLine(QPointF(9, 19), QPointF(15, 13));
    painter.drawLine(QPointF(15, 13), QPointF(21, 19));
    painter.fillRect(QRectF(1, 31, 28, 3), kButtonOrange);

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(21);
    const QString word = QStringLiteral("Ravelin");
    while (QFontMetrics(font).horizontalAdvance(word) > 78 && font.pixelSize() > 10) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
    painter.setPen(kCaptionBlue);
    painter.drawText(QRectF(32, 0, 79, 31), Qt::AlignLeft | Qt::AlignVCenter, word);
    painter.fillRect(QRectF(32, 31, 77, 3), kButtonOrange);
    return pixmap;
}

QPixmap websitePaymentsPicture() {
    QPixmap pixmap = transparentPixmap(48, 40);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // A browser window with a few lines of text and a payment button.
    const QRectF window(1.5, 1.5, 45, 37);
    painter.setPen(QPen(QColor(110, 120, 140), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(window, 3, 3);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(1.5, 1.5, 45, 8), 3, 3);
    painter.fillPath(bar, kStoneBlue);
    painter.fillRect(QRectF(2, 6, 44, 4), kStoneBlue);
    for (int i = 0; i < 3; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(QPointF(6 + 4 * i, 5.5), 1.2, 1.2);
    }
    painter.setPen(QPen(QColor(180, 186, 196), 2));
    painter.drawLine(QPointF(6, 15), QPointF(40, 15));
    painter.drawLine(QPointF(6, 20), QPointF(34, 20));
    painter.drawLine(QPointF(6, 25), QPointF(38, 25));
    QLinearGradient fill(QPointF(0, 28), QPointF(0, 35));
    fill.setColorAt(0.0, QColor(255, 230, 150));
    fill.setColorAt(1.0, kButtonOrange);
    painter.setPen(QPen(kEdge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(20.5, 28.5, 21, 7), 3, 3);
    return pixmap;
}

QPixmap auctionPaymentsPicture() {
    QPixmap pixmap = transparentPixmap(48, 40);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // The sounding block.
    painter.setPen(QPen(QColor(90, 55, 25), 1));
    painter.setBrush(QColor(150, 95, 45));
    painter.drawRoundedRect(QRectF(4.5, 31.5, 26, 6), 2, 2);

    // The gavel, tilted, its head striking towards the block.
    painter.translate(24, 20);
    painter.rotate(-35);
    QLinearGradient wood(QPointF(0, -6), QPointF(0, 6));
    wood.setColorAt(0.0, QColor(196, 130, 66));
    wood.setColorAt(1.0, QColor(120, 72, 30));
    painter.setBrush(wood);
    painter.drawRoundedRect(QRectF(-2, -2, 24, 4), 1.5, 1.5); // handle
    painter.drawRoundedRect(QRectF(-12, -8, 10, 16), 2, 2);   // head
    painter.setPen(QPen(kGold, 2));
    painter.drawLine(QPointF(-12, -4), QPointF(-2, -4));
    painter.drawLine(QPointF(-12, 4), QPointF(-2, 4));
    return pixmap;
}

} // namespace ravelin::wizard
