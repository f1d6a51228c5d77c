// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/form.h"
#include "buttons/tests/expected.h"

#include <algorithm>
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

// Every special character in every place a form writes a text: attributes replace the double
// quote too, the visible description lines leave it as it is.
TEST(Form, EscapesEverySpecialCharacterInEveryPlace) {
    struct Place {
        const char* what;
        void (*fill)(Form&, std::string_view);
        std::string_view before; // the markup around the written text
        std::string_view after;
        bool visible;
    };
    const Place places[] = {
        {"description", [](Form& f, std::string_view t) { f.describe("L: ", t); }, "L: ", "<br>",
         true},
        {"field name", [](Form& f, std::string_view t) { f.field(t, "v"); },
         R"(<input type="hidden" name=")", R"(" value="v">)", false},
        {"opening value", [](Form& f, std::string_view t) { f.openingField("bn", t); },
         R"(name="bn" value=")", R"(">)", false},
        {"own value", [](Form& f, std::string_view t) { f.field("item_name", t); },
         R"(name="item_name" value=")", R"(">)", false},
        {"image", [](Form& f, std::string_view t) { f.image(std::string(t)); },
         R"(<input type="image" src=")", R"(" border)", false},
        {"action", nullptr, R"(<form action=")", R"(" target)", false},
    };
    struct Case {
        std::string_view text;
        std::string_view attribute;
        std::string_view visible;
    };
    const Case cases[] = {
        {"Garden Gnome", "Garden Gnome", "Garden Gnome"},
        {"Salt & Pepper", "Salt &amp; Pepper", "Salt &amp; Pepper"},
        {"a<b", "a&lt;b", "a&lt;b"},
        {"a>b", "a&gt;b", "a&gt;b"},
        {R"(12" Gnome)", "12&quot; Gnome", R"(12" Gnome)"},
        {"it's", "it's", "it's"},
        {"&amp;", "&amp;amp;", "&amp;amp;"},
        {R"(""&&<<>>)", "&quot;&quot;&amp;&amp;&lt;&lt;&gt;&gt;",
         R"(""&amp;&amp;&lt;&lt;&gt;&gt;)"},
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;",
         "&lt;script&gt;alert(1)&lt;/script&gt;"},
    };
    for (const Place& place : places) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(place.what) + ": " + std::string(c.text));
            Form form;
            if (place.fill != nullptr) {
                place.fill(form, c.text);
            }
            const std::string html = form.render(place.fill != nullptr ? kAction : c.text);
            const std::string written(place.visible ? c.visible : c.attribute);
            EXPECT_TRUE(testing::contains(html, std::string(place.before) + written +
                                                    std::string(place.after)))
                << html;
        }
    }
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

// A character beyond ASCII at any place of any hidden value adds the charset field; in the
// texts that are not posted as values it does not.
TEST(Form, AddsTheCharsetFieldWhereverAHiddenValueHoldsACharacterBeyondAscii) {
    struct Place {
        const char* what;
        void (*fill)(Form&, const std::string&);
        bool charset;
    };
    const Place places[] = {
        {"opening value", [](Form& f, const std::string& t) { f.openingField("bn", t); }, true},
        {"own value", [](Form& f, const std::string& t) { f.field("item_name", t); }, true},
        {"field name", [](Form& f, const std::string& t) { f.field(t, "v"); }, false},
        {"description", [](Form& f, const std::string& t) { f.describe("L: ", t); }, false},
        {"image", [](Form& f, const std::string& t) { f.image(t); }, false},
    };
    const std::string plain(20, 'x');
    const std::string texts[] = {
        "é" + plain, plain + "é" + plain, plain + "é", "¥", "\xE9" /* a lone byte, copied as is */,
    };
    for (const Place& place : places) {
        for (const std::string& text : texts) {
            SCOPED_TRACE(std::string(place.what) + ": " + text);
            Form form;
            form.openingField("business", "ACCOUNT", true);
            place.fill(form, text);
            form.field("amount", "1.00");
            const std::string html = form.render(kAction);
            const std::vector<std::string> names = testing::fieldNames(html);
            const auto charset = std::ranges::find(names, "charset");
            if (!place.charset) {
                EXPECT_EQ(charset, names.end());
                continue;
            }
            EXPECT_EQ(testing::fieldValue(html, "charset"), "utf-8");
            EXPECT_EQ(charset - names.begin(),
                      std::string_view(place.what) == "opening value" ? 2 : 1);
        }
    }
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
    EXPECT_EQ(testing::fieldNames(form.render(kAction)),
              (std::vector<std::string>{"bn", "item_name"}));
}

} // namespace
} // namespace ravelin::buttons
