// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Each sample is written as lines with single-quoted attributes, indented by blanks (table at
// column 0, rows 2, cells 4, cell content 6, form fields 8), joined with CR LF; the single
// quotes become double quotes at the very end. The sample values hold no apostrophe, which
// that last step would turn into a double quote as well.
#include "extras/samples.h"

#include "buttons/writers.h"

#include <QStringList>
#include <initializer_list>
#include <utility>

namespace ravelin::extras {

namespace {

// The sample shop every sample form pays.
const QString kSeller = QStringLiteral("seller@samplestore.example");
const QString kShop = QStringLiteral("http://www.samplestore.example/");
const QString kThanks = kShop + QStringLiteral("thankyou.html");
const QString kCancelled = kShop + QStringLiteral("cancelled.html");
const QString kPictures = kShop + QStringLiteral("images/");

using Field = std::pair<QString, QString>; // name, value

QString q(const char* text) {
    return QString::fromLatin1(text);
}

// A hidden field; an empty value is written as the bare word "value".
QString hidden(const Field& field) {
    QString element = QStringLiteral("<input type='hidden' name='") + field.first + q("' value");
    if (!field.second.isEmpty()) {
        element += q("='") + field.second + q("'");
    }
    return element + q(">");
}

QString fields(std::initializer_list<Field> list) {
    QString line;
    for (const Field& field : list) {
        line += hidden(field);
    }
    return line;
}

struct Picture {
    QString source;
    int width;
    int height;
};

QString submitImage(const Picture& picture) {
    return QStringLiteral("<input type='image' src='") + picture.source +
           q("' border='0' name='submit' width='") + QString::number(picture.width) +
           q("' height='") + QString::number(picture.height) + q("'>");
}

QString endpoint() {
    return QString::fromStdString(buttons::Endpoints{}.webscr);
}

QString standardImage(const char* name) {
    return QString::fromStdString(buttons::Endpoints{}.images) + q(name);
}

QString subscriptionImage(const char* name) {
    return QString::fromStdString(buttons::Endpoints{}.subscriptionImages) + q(name);
}

QString formOpening() {
    return QStringLiteral("<form action='") + endpoint() + q("' target='paypal' method='post'>");
}

// One catalogue item: its picture cell and its text cell with the payment form.
struct Item {
    QString name;
    QString plan; // a second line of the bold name (subscriptions), or empty
    QString code;
    QString price; // the amount the form charges first, two decimals
    Picture picture;
    QStringList fieldLines;
};

// Cell widths: the Buy Now and Subscriptions samples give both cells 200; the shopping cart
// gives only its text cells a width.
struct Widths {
    QString pictureCell; // empty for none
    QString textCell;
};

const QString kTableOpening =
    QStringLiteral("<table border='1' cellspacing='0' cellpadding='10' bordercolor='#808080'>");

void appendItem(QStringList& lines, const Item& item, const Widths& widths) {
    QString pictureCell = q("    <td");
    if (!widths.pictureCell.isEmpty()) {
        pictureCell += q(" width='") + widths.pictureCell + q("'");
    }
    pictureCell += q(" valign='middle' align='center'><img border='0' src='") +
                   item.picture.source + q("' width='") + QString::number(item.picture.width) +
                   q("' height='") + QString::number(item.picture.height) + q("'></td>");
    lines << pictureCell;

    const QString textCell = q("    <td width='") + widths.textCell + q("'><b>") + item.name;
    if (item.plan.isEmpty()) {
        lines << textCell + q("</b><br>");
    } else {
        lines << textCell + q("<br>");
        lines << q("      ") + item.plan + q("</b><br>");
    }
    lines << q("      Code: ") + item.code + q("<br>");
    lines << q("      Price: $") + item.price + q("<br>");
    lines << q("      ") + formOpening();
    for (const QString& fieldLine : item.fieldLines) {
        lines << q("        ") + fieldLine;
    }
    lines << q("      </form>");
    lines << q("    </td>");
}

void appendTable(QStringList& lines, std::initializer_list<std::initializer_list<Item>> rows,
                 const Widths& widths) {
    lines << kTableOpening;
    for (const auto& row : rows) {
        lines << q("  <tr>");
        for (const Item& item : row) {
            appendItem(lines, item, widths);
        }
        lines << q("  </tr>");
    }
    lines << q("</table>");
}

QString finish(const QStringList& lines) {
    QString text = lines.join(q("\r\n"));
    text.replace(QLatin1Char('\''), QLatin1Char('"'));
    return text;
}

Item cartItem(const char* name, const char* code, const char* price, const char* picture,
              bool inParagraph) {
    const QString fieldLine = fields({{q("bn"), {}},
                                      {q("cmd"), q("_cart")},
                                      {q("add"), q("1")},
                                      {q("business"), kSeller},
                                      {q("item_name"), q(name)},
                                      {q("item_number"), q(code)},
                                      {q("amount"), q(price)},
                                      {q("currency_code"), q("USD")},
                                      {q("no_note"), q("1")},
                                      {q("image_url"), {}},
                                      {q("no_shipping"), q("0")},
                                      {q("undefined_quantity"), q("0")},
                                      {q("return"), kThanks},
                                      {q("cancel_return"), kCancelled}}) +
                              submitImage({standardImage("sc-but-03.gif"), 106, 24});
    return {q(name),
            {},
            q(code),
            q(price),
            {kPictures + q(picture), 100, 100},
            {inParagraph ? q("<p>") + fieldLine + q("</p>") : fieldLine}};
}

Item newsletterItem(const char* plan, const char* itemName, const char* code, const char* price,
                    const char* trialPrice, const char* trialUnit, const Picture& button) {
    const Field a1{q("a1"), q(trialPrice)};
    return {q("Garden Notes Newsletter"),
            q(plan),
            q(code),
            q(price),
            {kPictures + q("garden-notes.jpg"), 90, 120},
            {fields({{q("bn"), {}},
                     {q("cmd"), q("_xclick-subscriptions")},
                     {q("business"), kSeller},
                     {q("item_name"), q(itemName)},
                     {q("item_number"), q(code)},
                     {q("currency_code"), q("USD")},
                     {q("a3"), q("24.95")},
                     {q("p3"), q("6")},
                     {q("t3"), q("M")}}),
             fields({{q("src"), q("1")},
                     {q("srt"), q("-")},
                     {q("sra"), q("1")},
                     {q("image_url"), {}},
                     {q("return"), kThanks},
                     {q("cancel_return"), kCancelled},
                     a1,
                     {q("p1"), q("1")},
                     {q("t1"), q(trialUnit)}}) +
                 submitImage(button)}};
}

} // namespace

QString buyNowSample() {
    const Item cd{q("Harbour Lights - Live Recording (CD)"),
                  {},
                  q("CD-1001"),
                  q("12.00"),
                  {kPictures + q("harbour-lights-cd.jpg"), 100, 100},
                  {q("<p align='center'>") +
                   fields({{q("bn"), {}},
                           {q("cmd"), q("_xclick")},
                           {q("business"), kSeller},
                           {q("item_name"), q("Harbour Lights - Live Recording (CD)")},
                           {q("item_number"), q("CD-1001")},
                           {q("amount"), q("12.00")},
                           {q("currency_code"), q("USD")},
                           {q("undefined_quantity"), q("1")},
                           {q("image_url"), kPictures + q("store-logo.gif")},
                           {q("shipping"), q("3.00")},
                           {q("handling"), q("1.00")},
                           {q("return"), kThanks},
                           {q("cancel_return"), kCancelled}}) +
                   submitImage({standardImage("x-click-butcc.gif"), 73, 44}) + q("</p>")}};

    QStringList lines;
    appendTable(lines, {{cd}}, {q("200"), q("200")});
    return finish(lines);
}

QString shoppingCartSample() {
    QStringList lines;
    appendTable(
        lines,
        {{cartItem("Classic Cotton T-Shirt", "TS-101", "12.00", "tshirt-classic.jpg", true),
          cartItem("Long Sleeve T-Shirt", "TS-102", "15.00", "tshirt-long.jpg", false)},
         {cartItem("Striped Pocket T-Shirt", "TS-103", "13.50", "tshirt-striped.jpg", false),
          cartItem("Baseball Cap", "CP-201", "10.50", "cap.jpg", false)}},
        {{}, q("150")});
    lines << formOpening();
    lines << q("  ") +
                 fields({{q("bn"), {}},
                         {q("cmd"), q("_cart")},
                         {q("business"), kSeller},
                         {q("display"), q("1")}}) +
                 submitImage({standardImage("view_cart.gif"), 130, 32});
    lines << q("</form>");
    return finish(lines);
}

QString subscriptionSample() {
    QStringList lines;
    const Widths widths{q("200"), q("200")};
    appendTable(
        lines,
        {{newsletterItem("1 Month (Free)", "Garden Notes Newsletter - First Month Free", "GN-TRIAL",
                         "0.00", "0.00", "M", {subscriptionImage("x-click-but28.gif"), 76, 21})}},
        widths);
    appendTable(
        lines,
        {{newsletterItem("6 Month Subscription", "Garden Notes Newsletter - 6 Months", "GN-6M",
                         "24.95", "", "D", {subscriptionImage("x-click-but24.gif"), 76, 23})}},
        widths);
    return finish(lines);
}

} // namespace ravelin::extras
