// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Finding a page's character set as browsers do, and reading and writing text in it.
#include "editor/charset.h"

#include <gtest/gtest.h>
#include <string>

namespace ravelin::editor {
namespace {

struct Declaration {
    const char* name;
    QByteArray page;
    std::optional<QByteArray> label;
};

class DeclaredLabel : public ::testing::TestWithParam<Declaration> {};

TEST_P(DeclaredLabel, IsTheFirstMetaDeclarationOutsideComments) {
    EXPECT_EQ(declaredLabel(GetParam().page), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, DeclaredLabel,
    ::testing::Values(
        Declaration{"None", "<html><head><title>x</title></head></html>", std::nullopt},
        Declaration{"MetaCharset", "<head><meta charset=\"utf-8\"></head>", "utf-8"},
        Declaration{"UpperCaseUnquotedWithBlanks", "<HEAD><META CHARSET= ISO-8859-1 >",
                    "iso-8859-1"},
        Declaration{"SingleQuotesAndSelfClosing", "<meta charset='windows-1252'/>", "windows-1252"},
        Declaration{"HttpEquiv",
                    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">",
                    "iso-8859-1"},
        Declaration{"HttpEquivAfterContent",
                    "<meta content='text/html;charset=\"Windows-1252\"' http-equiv=content-type>",
                    "windows-1252"},
        Declaration{"ContentWithoutHttpEquiv", "<meta content=\"text/html; charset=latin1\">",
                    std::nullopt},
        Declaration{"InAComment", "<!-- <meta charset=\"latin1\"> --><meta charset=\"utf-8\">",
                    "utf-8"},
        Declaration{"InAnAttributeValue", "<a title='<meta charset=latin1>'>x</a>", std::nullopt},
        Declaration{"FirstOfTwo", "<meta charset=\"us-ascii\"><meta charset=\"utf-8\">",
                    "us-ascii"},
        Declaration{"NotAMetaElement", "<metadata charset=\"latin1\">", std::nullopt},
        Declaration{"MetaWithoutCharset", "<meta name=\"author\" content=\"x\">", std::nullopt},
        Declaration{"UnknownLabelIsStillTheLabel", "<meta charset=\"Shift_JIS\">", "shift_jis"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CharsetForLabel, KnowsTheEncodingStandardsLabelsForItsTwoSets) {
    EXPECT_EQ(charsetForLabel("utf8"), Charset::Utf8);
    EXPECT_EQ(charsetForLabel(" UTF-8 "), Charset::Utf8);
    EXPECT_EQ(charsetForLabel("cp1252"), Charset::Windows1252);
    EXPECT_EQ(charsetForLabel("latin1"), Charset::Windows1252);
    EXPECT_EQ(charsetForLabel("ISO_8859-1"), Charset::Windows1252);
    EXPECT_EQ(charsetForLabel("us-ascii"), Charset::Windows1252);
    EXPECT_EQ(charsetForLabel("shift_jis"), std::nullopt);
    EXPECT_EQ(charsetForLabel("utf-16"), std::nullopt);
    EXPECT_EQ(charsetForLabel(""), std::nullopt);
}

struct Encoding {
    const char* name;
    Charset charset;
    QString text;
    QByteArray bytes;
};

class EncodeText : public ::testing::TestWithParam<Encoding> {};

TEST_P(EncodeText, WritesWhatTheSetHoldsAndReferencesTheRest) {
    EXPECT_EQ(encodeText(GetParam().text, GetParam().charset), GetParam().bytes);
}

const QString kTyped =
    QStringLiteral("Cr\u00e8me br\u00fbl\u00e9e \u00a3 \u20ac \u2026 \u2603 \U0001F370");

INSTANTIATE_TEST_SUITE_P(
    Texts, EncodeText,
    ::testing::Values(Encoding{"Utf8", Charset::Utf8, kTyped, kTyped.toUtf8()},
                      Encoding{"Windows1252", Charset::Windows1252, kTyped,
                               "Cr\xE8me br\xFBl\xE9"
                               "e \xA3 \x80 \x85 &#9731; &#127856;"},
                      Encoding{"ZeroWidthNoBreakSpacesStay", Charset::Utf8,
                               QStringLiteral("\uFEFFa\uFEFF"),
                               "\xEF\xBB\xBF"
                               "a\xEF\xBB\xBF"},
                      // The five C1 controls the index gives a byte are written as it; the others
                      // it has no byte for.
                      Encoding{"ControlCharactersOfTheHighHalf", Charset::Windows1252,
                               QStringLiteral("\u0080\u0081\u0085\u008d\u008f\u0090\u009d\u00a0"),
                               "&#128;\x81&#133;\x8D\x8F\x90\x9D\xA0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeText, TakesEveryByteAsWindows1252AndRefusesBadUtf8) {
    qsizetype bad = -1;
    QByteArray everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    const std::optional<QString> decoded = decodeText(everyByte, Charset::Windows1252, &bad);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->mid(0x80, 2), QStringLiteral("\u20ac\u0081"));
    EXPECT_EQ(encodeText(*decoded, Charset::Windows1252), everyByte) << "and writes each back";
    EXPECT_FALSE(decodeText("caf\xE9", Charset::Utf8, &bad).has_value());
    EXPECT_EQ(bad, 3);
}

TEST(UnreferencedCharacter, IsACharacterOutsideTheSetWhereReferencesAreNotRead) {
    const QString page =
        QStringLiteral("<p title='\u20ac'>\u20ac</p><script>var s = '\u00e9\u20ac';"
                       "</script><!-- \u2603 -->");
    EXPECT_EQ(unreferencedCharacter(page, Charset::Windows1252), page.indexOf(QChar(0x2603)));
    EXPECT_EQ(unreferencedCharacter(page, Charset::Utf8), std::nullopt);
    EXPECT_EQ(unreferencedCharacter(QStringLiteral("<style>p{}</style><p>\u2603</p>"),
                                    Charset::Windows1252),
              std::nullopt);
}

} // namespace
} // namespace ravelin::editor
