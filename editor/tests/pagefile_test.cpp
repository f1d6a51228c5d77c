// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace ravelin::editor {
namespace {

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    PageText page;
};

class DecodePage : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodePage, KeepsTheLineBreaksAndByteOrderMarkToWriteThemBack) {
    const common::Result<PageText> page = decodePage(GetParam().bytes);
    ASSERT_TRUE(page.has_value()) << page.error().toStdString();
    EXPECT_EQ(*page, GetParam().page);
    EXPECT_EQ(encodePage(*page), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodePage,
    ::testing::Values(
        DecodeCase{"WindowsLineBreaks", "a\r\nb\r\n", {"a\r\nb\r\n", LineEnding::CrLf, false}},
        DecodeCase{"UnixLineBreaks", "a\nb", {"a\nb", LineEnding::Lf, false}},
        DecodeCase{"OldMacLineBreaks", "a\rb\r", {"a\rb\r", LineEnding::Cr, false}},
        // Lines are added with the break most lines have, the first one's on a tie.
        DecodeCase{"MostlyUnix", "a\r\nb\nc\n", {"a\r\nb\nc\n", LineEnding::Lf, false}},
        DecodeCase{"ATie", "a\rb\nc\r\nd\n\r", {"a\rb\nc\r\nd\n\r", LineEnding::Cr, false}},
        DecodeCase{"NoLineBreakAtAll", "<p>x</p>", {"<p>x</p>", LineEnding::CrLf, false}},
        DecodeCase{"ByteOrderMark",
                   "\xEF\xBB\xBF<p>\xC3\xA9</p>\n",
                   {QStringLiteral("<p>\u00e9</p>\n"), LineEnding::Lf, true}},
        DecodeCase{"EmptyFile", "", {"", LineEnding::CrLf, false}},
        // Pages in the character set they declare.
        DecodeCase{"Latin1",
                   "<meta charset=\"iso-8859-1\"><p>caf\xE9 \xA3</p>",
                   {QStringLiteral("<meta charset=\"iso-8859-1\"><p>caf\u00e9 \u00a3</p>"),
                    LineEnding::CrLf, false}},
        DecodeCase{"Windows1252ByHttpEquiv",
                   "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                   "\x80 \x93quoted\x94",
                   {QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                   "charset=windows-1252\">\u20ac \u201cquoted\u201d"),
                    LineEnding::CrLf, false}},
        // As browsers read them: US-ASCII and ISO-8859-1 are windows-1252, whose five bytes
        // the code page leaves out are the C1 controls of their number.
        DecodeCase{"UsAsciiIsWindows1252",
                   "<meta charset=\"us-ascii\">\x80\x81\x8D\x8F\x90\x9D\xFF",
                   {QStringLiteral("<meta charset=\"us-ascii\">\u20ac\u0081\u008d\u008f\u0090"
                                   "\u009d\u00ff"),
                    LineEnding::CrLf, false}},
        DecodeCase{"ByteOrderMarkOutweighsTheDeclaration",
                   "\xEF\xBB\xBF<meta charset=\"latin1\">\xC3\xA9",
                   {QStringLiteral("<meta charset=\"latin1\">\u00e9"), LineEnding::CrLf, true}},
        DecodeCase{"AZeroWidthNoBreakSpaceAfterTheByteOrderMark",
                   "\xEF\xBB\xBF\xEF\xBB\xBFx\xEF\xBB\xBF",
                   {QStringLiteral("\uFEFFx\uFEFF"), LineEnding::CrLf, true}},
        DecodeCase{"NoDeclarationIsUtf8",
                   "<p>\xE2\x82\xAC</p>",
                   {QStringLiteral("<p>\u20ac</p>"), LineEnding::CrLf, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageFile, TextThatIsNotUtf8IsNotReadAndTheMessageSaysWhy) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("latin1.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<p>caf\xE9</p>");
    file.close();

    const common::Result<PageText> page = readPageFile(path);
    ASSERT_FALSE(page.has_value());
    EXPECT_TRUE(page.error().contains(QStringLiteral("not UTF-8"))) << page.error().toStdString();
}

TEST(PageFile, AFailedSaveLeavesTheOldFileAsItWasAndSaysWhy) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);

    const common::Result<void> written =
        writePageFile(path, PageText{QStringLiteral("new"), LineEnding::Lf, false});
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    if (written) {
        GTEST_SKIP() << "the folder stays writable for this user (root)";
    }
    EXPECT_TRUE(written.error().contains(QDir::toNativeSeparators(path)))
        << written.error().toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
}

TEST(PageFile, SavingIntoAMissingFolderFailsWithAMessage) {
    const common::Result<void> written =
        writePageFile(QStringLiteral("/nonexistent/folder/page.html"), blankPage());
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().contains(QStringLiteral("/nonexistent/folder/page.html")));
}

TEST(PageFile, TheBlankPageIsUtf8Html5WithTheCaretInItsBody) {
    const PageText page = blankPage();
    EXPECT_TRUE(page.text.startsWith(QStringLiteral("<!DOCTYPE html>\r\n")));
    EXPECT_TRUE(page.text.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    const QString lines = QString(page.text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    EXPECT_EQ(lines.mid(blankPageCaret() - 7, 15), QStringLiteral("<body>\n\n</body>"));
}

struct RefusedPage {
    const char* name;
    QByteArray bytes;
    const char* reason;
};

class UnreadablePages : public ::testing::TestWithParam<RefusedPage> {};

TEST_P(UnreadablePages, AreRefusedWithAClearMessage) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().bytes);
    file.close();

    const common::Result<PageText> page = readPageFile(path);
    ASSERT_FALSE(page.has_value());
    const QString& error = page.error();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().reason))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, UnreadablePages,
    ::testing::Values(RefusedPage{"UnknownCharset", "<meta charset=\"Shift_JIS\">\x82\xA0",
                                  "declares the character set \"shift_jis\""},
                      RefusedPage{"BadUtf8UnderItsDeclaration", "<meta charset=\"utf-8\">\n\xE9",
                                  "not UTF-8 text, the character set it declares"},
                      RefusedPage{"BadUtf8AfterOldMacLineBreaks", "a\rb\r\xE9",
                                  "the bytes at line 3 are not a UTF-8 character"},
                      RefusedPage{"Utf16", "\xFF\xFE<\0h\0", "UTF-16"},
                      RefusedPage{"LargerThanTheCap", QByteArray(kMaxPageSize + 1, ' '),
                                  "larger than 64 MiB"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageFile, ACharacterOutsideTheSetInAScriptIsNotSavedAndTheFileStays) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();

    const PageText page{QStringLiteral("<meta charset=\"iso-8859-1\">\r<script>\r\nvar price = "
                                       "'\u20ac5 \u03a9';\n</script>"),
                        LineEnding::Lf, false};
    const common::Result<void> written = writePageFile(path, page);
    ASSERT_FALSE(written);
    EXPECT_TRUE(written.error().contains(QStringLiteral(
        "\"\u03a9\" on line 3 is not in windows-1252, the character set the page declares "
        "(\"iso-8859-1\" is read and written as windows-1252, as browsers do)")))
        << written.error().toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
}

TEST(PageFile, APageDeclaringASetTheEditorCannotWriteIsNotSaved) {
    const common::Result<QByteArray> bytes =
        encodePage({QStringLiteral("<meta charset=\"koi8-r\">"), LineEnding::Lf, false});
    ASSERT_FALSE(bytes.has_value());
    EXPECT_TRUE(bytes.error().contains(QStringLiteral("koi8-r"))) << bytes.error().toStdString();
}

} // namespace
} // namespace ravelin::editor
