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
        DecodeCase{"WindowsLineBreaks", "a\r\nb\r\n", {"a\nb\n", LineEnding::CrLf, false}},
        DecodeCase{"UnixLineBreaks", "a\nb", {"a\nb", LineEnding::Lf, false}},
        DecodeCase{"OldMacLineBreaks", "a\rb\r", {"a\nb\n", LineEnding::Cr, false}},
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

TEST(PageFile, AMixedFileTakesItsFirstLineBreakForEveryLine) {
    const common::Result<PageText> page = decodePage("a\r\nb\nc\rd");
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->text, QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(encodePage(*page), QByteArray("a\r\nb\r\nc\r\nd"));
}

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
    EXPECT_TRUE(page.text.startsWith(QStringLiteral("<!DOCTYPE html>\n")));
    EXPECT_TRUE(page.text.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    EXPECT_EQ(page.text.mid(blankPageCaret() - 7, 15), QStringLiteral("<body>\n\n</body>"));
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
                      RefusedPage{"ByteOutsideWindows1252", "<meta charset=\"cp1252\">\nok\n\x81",
                                  "the byte 0x81 at line 3 is not a windows-1252 character"},
                      RefusedPage{"BadUtf8UnderItsDeclaration", "<meta charset=\"utf-8\">\n\xE9",
                                  "not UTF-8 text, the character set it declares"},
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

    const PageText page{QStringLiteral("<meta charset=\"iso-8859-1\">\n<script>\nvar price = "
                                       "'\u20ac5';\n</script>"),
                        LineEnding::Lf, false};
    const common::Result<void> written = writePageFile(path, page);
    ASSERT_FALSE(written);
    EXPECT_TRUE(
        written.error().contains(QStringLiteral("\"\u20ac\" on line 3 is not in ISO-8859-1")))
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
