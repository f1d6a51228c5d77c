// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/form.h"
#include "buttons/tests/expected.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

using testing::htmlLines;

constexpr std::string_view kAction = "https://pay.example/cgi-bin/webscr";

TEST(Form, RendersDescriptionsFieldsAndImageInTheirPlaces) {
    Form form;
    form.field("item_name", "Mug");
    form.openingField("bn", "BUILD");
    form.openingField("business", "ACCOUNT", true);
    form.describe("Item Name: ", "Mug");
    form.image("https://img.example/buy.gif");
    EXPECT_EQ(
        form.render(kAction),
        htmlLines({
            "Item Name: Mug<br>",
            "",
            R"(<form action="https://pay.example/cgi-bin/webscr" target="paypal" method="post">)",
            R"(<input type="hidden" name="bn" value="BUILD">)",
            R"(<input type="hidden" name="business" value="ACCOUNT" > )",
            R"(<input type="hidden" name="item_name" value="Mug">)",
            R"(<input type="image" src="https://img.example/buy.gif" border="0" name="submit">)",
            "</form>",
        }));
}

TEST(Form, WithoutImageClosesDirectlyAfterTheLastField) {
    Form form;
    form.openingField("display", "1", true);
    EXPECT_EQ(
        form.render(kAction),
        htmlLines({
            R"(<form action="https://pay.example/cgi-bin/webscr" target="paypal" method="post">)",
            R"(<input type="hidden" name="display" value="1" > )",
            "</form>",
        }));
}

TEST(Form, WritesEmptyValuesAndEmptyDescriptions) {
    Form form;
    form.describe("Price: $", "");
    form.field("amount", "");
    const std::string html = form.render(kAction);
    EXPECT_TRUE(html.starts_with("Price: $<br>\r\n\r\n<form"));
    EXPECT_TRUE(testing::contains(html, R"(<input type="hidden" name="amount" value="">)"));
}

TEST(Form, EscapesAttributeValues) {
    struct Case {
        std::string_view value;
        std::string_view written;
    };
    const Case cases[] = {
        {"Garden Gnome", "Garden Gnome"},
        {R"(12" Gnome)", "12&quot; Gnome"},
        {"Salt & Pepper", "Salt &amp; Pepper"},
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"&amp;", "&amp;amp;"},
        {"it's", "it's"},
        {R"(""&&<<>>)", "&quot;&quot;&amp;&amp;&lt;&lt;&gt;&gt;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Form form;
        form.field("item_name", c.value);
        form.image(c.value);
        const std::string html = form.render(kAction);
        EXPECT_TRUE(testing::contains(html, R"(name="item_name" value=")" + std::string(c.written) +
                                                R"(">)"));
        EXPECT_TRUE(testing::contains(html, R"(src=")" + std::string(c.written) + R"(" border)"));
    }
}

TEST(Form, EscapesDescriptionTextButLeavesQuotesAlone) {
    Form form;
    form.describe("Item Name: ", R"(<b>12" Salt & Pepper</b>)");
    EXPECT_TRUE(form.render(kAction).starts_with(
        "Item Name: &lt;b&gt;12\" Salt &amp; Pepper&lt;/b&gt;<br>\r\n\r\n"));
}

TEST(Form, EscapesTheAction) {
    Form form;
    EXPECT_TRUE(testing::contains(form.render(R"(https://x.example/?a=1&b="2")"),
                                  R"(action="https://x.example/?a=1&amp;b=&quot;2&quot;")"));
}

TEST(Form, AddsTheCharsetFieldAfterTheOpeningFieldsWhenAHiddenValueIsNotAscii) {
    Form form;
    form.openingField("bn", "BUILD");
    form.openingField("business", "ACCOUNT", true);
    form.openingField("display", "1", true);
    form.field("item_name", "Café");
    form.field("item_number", "7");
    const auto lines = testing::splitLines(form.render(kAction));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[3], R"(<input type="hidden" name="display" value="1" > )");
    EXPECT_EQ(lines[4], R"(<input type="hidden" name="charset" value="utf-8">)");
    EXPECT_EQ(lines[5], R"(<input type="hidden" name="item_name" value="Café">)");
}

TEST(Form, AddsTheCharsetFieldForANonAsciiOpeningValue) {
    Form form;
    form.openingField("business", "zoë@example.com", true);
    EXPECT_EQ(testing::fieldNames(form.render(kAction)),
              (std::vector<std::string>{"business", "charset"}));
}

TEST(Form, LeavesOutTheCharsetFieldWhenNoHiddenValueIsNonAscii) {
    Form form;
    form.describe("Item Name: ", "Café"); // visible text, not posted
    form.field("item_name", "Cafe");
    form.image("https://img.example/café.gif");
    EXPECT_FALSE(testing::contains(form.render(kAction), "charset"));
}

TEST(Form, GivesItsHiddenFieldsInTheOrderItWritesThem) {
    struct Case {
        const char* what;
        std::string_view itemName;
    };
    const Case cases[] = {{"ASCII values", "Cafe"}, {"a non-ASCII value", "Café"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Form form;
        form.field("item_name", c.itemName);
        form.openingField("bn", "BUILD");
        form.openingField("business", "ACCOUNT", true);
        form.field("amount", "");
        const std::string html = form.render(kAction);
        std::vector<std::string> names;
        for (const HiddenField& field : form.hiddenFields()) {
            names.push_back(field.name);
            EXPECT_EQ(testing::fieldValue(html, field.name), field.value);
            EXPECT_EQ(field.spaced, field.name == "business");
        }
        EXPECT_EQ(names, testing::fieldNames(html));
    }
}

TEST(Form, WithOtherHiddenFieldsKeepsItsDescriptionsAndImage) {
    Form form;
    form.describe("Item Name: ", "Mug");
    form.openingField("bn", "BUILD");
    form.field("item_name", "Mug");
    form.image("https://img.example/buy.gif");
    const Form other = form.withHiddenFields({{"cmd", "_s-xclick", false}});
    EXPECT_EQ(
        other.render(kAction),
        htmlLines({
            "Item Name: Mug<br>",
            "",
            R"(<form action="https://pay.example/cgi-bin/webscr" target="paypal" method="post">)",
            R"(<input type="hidden" name="cmd" value="_s-xclick">)",
            R"(<input type="image" src="https://img.example/buy.gif" border="0" name="submit">)",
            "</form>",
        }));
    EXPECT_EQ(other.imageSource(), form.imageSource());
    EXPECT_EQ(testing::fieldNames(form.render(kAction)),
              (std::vector<std::string>{"bn", "item_name"}));
}

} // namespace
} // namespace ravelin::buttons
