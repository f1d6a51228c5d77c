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

TEST(Form, AddsTheCharsetFieldWhereverACharacterBeyondAsciiSits) {
    for (std::size_t length = 2; length <= 40; ++length) {
        for (std::size_t at = 0; at + 1 < length; ++at) {
            std::string value(length, 'x');
            value.replace(at, 2, "é");
            Form form;
            form.field("v", value);
            const std::string html = form.render(kAction);
            EXPECT_EQ(testing::fieldValue(html, "v"), value);
            EXPECT_EQ(testing::fieldValue(html, "charset"), "utf-8") << value;
        }
    }
}

TEST(Form, EscapesTextsOfEveryLengthWhereverTheSpecialCharacterSits) {
    // Texts are looked at eight and sixteen bytes at a time: every length up to a few words,
    // with the special character at every place, and texts of many entities that outgrow the
    // room made for the form.
    for (const char special : {'&', '<', '>', '"'}) {
        for (std::size_t length = 1; length <= 40; ++length) {
            for (std::size_t at = 0; at < length; ++at) {
                std::string value(length, 'x');
                value[at] = special;
                Form form;
                form.field("v", value);
                std::string written;
                for (const char c : value) {
                    written += c == '&'   ? "&amp;"
                               : c == '<' ? "&lt;"
                               : c == '>' ? "&gt;"
                               : c == '"' ? "&quot;"
                                          : std::string(1, c);
                }
                EXPECT_EQ(testing::fieldValue(form.render(kAction), "v"), written) << value;
            }
        }
    }
    const std::string ampersands(500, '&');
    Form form;
    form.describe("Item Name: ", ampersands);
    form.field("item_name", ampersands);
    form.image(ampersands);
    const std::string html = form.render(kAction);
    std::string entities;
    for (int i = 0; i < 500; ++i) {
        entities += "&amp;";
    }
    EXPECT_TRUE(html.starts_with("Item Name: " + entities + "<br>\r\n\r\n<form "));
    EXPECT_TRUE(testing::contains(html, R"(name="item_name" value=")" + entities + R"(">)"));
    EXPECT_TRUE(testing::contains(html, R"(src=")" + entities + R"(" border)"));
    EXPECT_TRUE(html.ends_with("</form>"));
}

TEST(Form, FindsNonAsciiBytesInValuesOfEveryLength) {
    for (std::size_t length = 1; length <= 20; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            std::string value(length, 'x');
            value[at] = '\xE9'; // a byte of a UTF-8 sequence; the form copies it as it is
            Form form;
            form.openingField("business", "ACCOUNT", true);
            form.field("item_name", value);
            EXPECT_EQ(testing::fieldNames(form.render(kAction)),
                      (std::vector<std::string>{"business", "charset", "item_name"}))
                << "length " << length << ", at " << at;
        }
    }
}

TEST(Form, KeepsItsOwnCopiesOfValuesMadeOnTheSpot) {
    Form form;
    const std::string longText(1000, 'L');
    {
        std::string shortValue = "12.50";
        std::string longValue = longText;
        form.field("amount", std::move(shortValue));
        form.field("note", std::string(longValue));
        form.openingField("bn", form.keep(longValue));
        longValue.assign(longValue.size(), 'X');
    }
    const std::string html = form.render(kAction);
    EXPECT_EQ(testing::fieldValue(html, "amount"), "12.50");
    EXPECT_EQ(testing::fieldValue(html, "note"), longText);
    EXPECT_EQ(testing::fieldValue(html, "bn"), longText);
}

TEST(Form, RefusesMoreFieldsThanItHasRoomFor) {
    Form form;
    for (std::size_t i = 0; i < Form::kMaxFields; ++i) {
        form.field("f", "v");
    }
    EXPECT_THROW(form.field("f", "v"), std::length_error);
    EXPECT_EQ(testing::fieldNames(form.render(kAction)).size(), Form::kMaxFields);
}

TEST(Form, OnceItKeepsItsTextsItNeedsNothingItWasGivenAndNeitherDoItsCopies) {
    std::string html;
    Form kept;
    Form copied;
    {
        std::string label = "Item Name: ";
        std::string value = "Garden Gnome & more";
        std::string name = "item_name";
        std::string folder = "https://img.example/";
        Form form;
        form.describe(label, value);
        form.openingField(name, value, true);
        form.field("amount", std::string("25.00"));
        form.field("item_number", form.keep(std::string(300, 'N')));
        form.image(folder, "buy.gif");
        html = form.render(kAction);
        const std::vector<HiddenField> fields = form.hiddenFields();

        Form moved(std::move(form));
        copied = moved; // copies while its views still point at the texts given
        moved.keepTexts();
        kept = std::move(moved);
        for (std::string* text : {&label, &value, &name, &folder}) {
            text->assign(text->size(), 'X');
        }
        ASSERT_EQ(copied.hiddenFields().size(), fields.size());
    }
    EXPECT_EQ(kept.render(kAction), html);
    EXPECT_EQ(copied.render(kAction), html);
    EXPECT_EQ(kept.imageSource(), "https://img.example/buy.gif");
    const Form again = kept;
    EXPECT_EQ(again.render(kAction), html);
}

} // namespace
} // namespace ravelin::buttons
