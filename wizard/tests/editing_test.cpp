// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The button a selection lies in, and its replacement, over a page held in memory.
#include "buttons/buttontypes.h"
#include "objectmodel/tests/memorypage.h"
#include "ravelin/version.h"
#include "wizard/editing.h"

#include <QString>
#include <gtest/gtest.h>

namespace ravelin::wizard {
namespace {

using objectmodel::testing::MemoryPage;

QString lines(const std::string& html) {
    return QString::fromStdString(html).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

const buttons::Context kContext{
    .account = "shop@example.com", .buildCode = std::string(version::kBuildCode), .endpoints = {}};
// Text with characters of two and four UTF-8 bytes before the buttons, so that places in bytes
// and in characters differ.
const QString kBefore = QStringLiteral("<p>Caf\u00e9 \U0001F600</p>\n");
const QString kDonate = lines(buttons::Donate::kWrite(buttons::DonateAnswers{}, kContext).html);
const QString kBetween = QStringLiteral("\n<p>and</p>\n");
const QString kCart = lines(buttons::ViewCart::kWrite(buttons::ViewCartAnswers{}, kContext).html);
const QString kPage = kBefore + kDonate + kBetween + kCart + QStringLiteral("\n");
const qsizetype kCartStart = kBefore.size() + kDonate.size() + kBetween.size();

TEST(ButtonAtSelection, IsTheButtonTheCaretOrTheWholeSelectionLiesIn) {
    const struct {
        const char* what;
        qsizetype start;
        qsizetype end;
        std::string_view type; // "" for none
    } cases[] = {
        {"caret before the buttons", 3, 3, ""},
        {"caret at the first button's start", kBefore.size(), kBefore.size(), "donate"},
        {"caret at its end", kBefore.size() + kDonate.size(), kBefore.size() + kDonate.size(),
         "donate"},
        {"caret between them", kCartStart - 2, kCartStart - 2, ""},
        {"selection within the second", kCartStart + 5, kCartStart + 40, "view-cart"},
        {"selection from a button to the text after it", kBefore.size() + 2, kCartStart - 2, ""},
        {"caret after the last", kPage.size(), kPage.size(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryPage page(kPage);
        page.select(c.start, c.end);
        const std::optional<ButtonInPage> button = buttonAtSelection(page);
        ASSERT_EQ(button.has_value(), !c.type.empty());
        if (button) {
            EXPECT_EQ(button->found.type, c.type);
            EXPECT_EQ(button->text, c.type == "donate" ? kDonate : kCart);
            EXPECT_EQ(kPage.mid(button->start, button->end - button->start), button->text);
        }
    }
}

TEST(ReplaceButton, ReplacesOnlyTheButtonWhereverItMovedAndRefusesOneThatChanged) {
    const QString html = QStringLiteral("<form>new</form>");
    const struct {
        const char* what;
        QString edited; // the page when Insert HTML is pressed
        QString after;  // "" for a refusal that leaves `edited` as it is
    } cases[] = {
        {"the page as it was", kPage, kBefore + kDonate + kBetween + html + QStringLiteral("\n")},
        {"text typed above the button", QStringLiteral("<h1>Shop</h1>") + kPage,
         QStringLiteral("<h1>Shop</h1>") + kBefore + kDonate + kBetween + html +
             QStringLiteral("\n")},
        {"the button edited by hand",
         QString(kPage).replace(QStringLiteral("_cart"), QStringLiteral("_carts")),
         {}},
        {"the button now twice in the page", kCart + kPage, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryPage page(kPage);
        page.setCaret(kCartStart + 10);
        const std::optional<ButtonInPage> button = buttonAtSelection(page);
        ASSERT_TRUE(button.has_value());
        MemoryPage now(c.edited);
        const common::Result<ButtonInPage> replaced = replaceButton(now, *button, html);
        EXPECT_EQ(replaced.has_value(), !c.after.isEmpty());
        EXPECT_EQ(now.text(), c.after.isEmpty() ? c.edited : c.after);
        if (replaced) {
            EXPECT_EQ(now.text().mid(replaced->start, replaced->end - replaced->start), html);
        }
    }
}

} // namespace
} // namespace ravelin::wizard
