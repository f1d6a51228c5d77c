// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The INI format of the settings and the registry: what it reads, what it refuses and where,
// that QSettings and this reader understand each other's files, and that a change touches
// only its own line.
#include "common/inifile.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace ravelin::common {
namespace {

using Values = std::map<QString, QString>;

Values valuesOf(const IniFile& file) {
    Values values;
    for (const QString& key : file.keys()) {
        values[key] = *file.value(key);
    }
    return values;
}

struct GoodFile {
    const char* name;
    QByteArray bytes;
    Values values;
};

class ReadsGoodFiles : public ::testing::TestWithParam<GoodFile> {};

TEST_P(ReadsGoodFiles, IntoTheirKeysAndValues) {
    IniFile::Problem problem;
    const std::optional<IniFile> file = IniFile::parse(GetParam().bytes, &problem);
    ASSERT_TRUE(file.has_value()) << "line " << problem.line << ": "
                                  << problem.reason.toStdString();
    EXPECT_EQ(valuesOf(*file), GetParam().values);
    EXPECT_EQ(file->toBytes(), GetParam().bytes) << "reading alone changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadsGoodFiles,
    ::testing::Values(
        GoodFile{"Empty", "", {}},
        GoodFile{"Account",
                 "[Program%20Settings]\nEmailAddress=seller@example.com\n",
                 {{"Program Settings/EmailAddress", "seller@example.com"}}},
        GoodFile{"RegistryPaths",
                 "[HKEY_CURRENT_USER]\r\nSoftware\\Classes\\CLSID\\%7BAB-12%7D\\InprocServer32\\%40"
                 "=/usr/lib/libx.so\r\n",
                 {{"HKEY_CURRENT_USER/Software/Classes/CLSID/{AB-12}/InprocServer32/@",
                   "/usr/lib/libx.so"}}},
        GoodFile{"CommentsBlankLinesAndBlanksAroundTheParts",
                 "; written by hand\n\n# another comment\n[a]  \n  key = value  ; a remark\n\n",
                 {{"a/key", "value"}}},
        GoodFile{"GeneralSectionAndKeysAheadOfAnyHeader",
                 "top=1\n[General]\nother=2\n[%General]\nreal=3\n",
                 {{"top", "1"}, {"other", "2"}, {"General/real", "3"}}},
        GoodFile{"QuotedValuesKeepTheirBlanksAndSeparators",
                 "[s]\na=\" padded \"\nb=\"x;y,z=w\"\n",
                 {{"s/a", " padded "}, {"s/b", "x;y,z=w"}}},
        GoodFile{"Escapes",
                 "[s]\na=tab\\there\\\\\\\"\nb=\\x41\\x1\\x62\nc=\\101\\0101\n",
                 {{"s/a", "tab\there\\\""},
                  {"s/b", QStringLiteral("A\u0001b")},
                  {"s/c", QStringLiteral("AA")}}},
        GoodFile{"UnicodeRawAndAsCodes",
                 "[s]\n%U00E9t%E9=Cr\xC3\xA8me \xF0\x9F\x8D\xB0\n",
                 {{QStringLiteral("s/\u00e9t\u00e9"), QStringLiteral("Cr\u00e8me \U0001F370")}}},
        GoodFile{"ZeroWidthNoBreakSpacesInNamesAndValues",
                 "[s]\n\xEF\xBB\xBFk=\xEF\xBB\xBFv\n",
                 {{QStringLiteral("s/\uFEFFk"), QStringLiteral("\uFEFFv")}}},
        GoodFile{
            "AtSigns", "[s]\na=@@home\nb=@String(plain)\n", {{"s/a", "@home"}, {"s/b", "plain"}}},
        GoodFile{"ByteOrderMarkAndNoLineBreakAtTheEnd", "\xEF\xBB\xBF[s]\r\nk=v", {{"s/k", "v"}}},
        GoodFile{"OldMacLineBreaks", "[s]\rk=v\r", {{"s/k", "v"}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadFile {
    const char* name;
    QByteArray bytes;
    int line;
    const char* reason;
};

class RefusesBadFiles : public ::testing::TestWithParam<BadFile> {};

TEST_P(RefusesBadFiles, NamingTheLineAndWhatIsWrong) {
    IniFile::Problem problem;
    EXPECT_FALSE(IniFile::parse(GetParam().bytes, &problem).has_value());
    EXPECT_EQ(problem.line, GetParam().line);
    EXPECT_TRUE(problem.reason.contains(QString::fromUtf8(GetParam().reason)))
        << problem.reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusesBadFiles,
    ::testing::Values(
        BadFile{"LineWithoutEquals", "[s]\na=1\noops\n", 3, "neither a [section]"},
        BadFile{"UnclosedHeader", "[Program Settings\nEmailAddress=x\n", 1, "closing \"]\""},
        BadFile{"TextAfterHeader", "[s] x\n", 1, "after a section header"},
        BadFile{"EmptyHeader", "[ ]\n", 1, "without a name"},
        BadFile{"NulByte", QByteArray("[s]\nk=a\0b\n", 10), 2, "control character (0x00)"},
        BadFile{"Escape", "[s]\nk=\x1B[31m\n", 2, "control character (0x1B)"},
        BadFile{"Delete", "[s]\nk=\x7F\n", 2, "control character (0x7F)"},
        BadFile{"NotUtf8", "[s]\nk=caf\xE9\n", 2, "not UTF-8"},
        BadFile{"EmptyKey", "[s]\n =v\n", 2, "without a key"},
        BadFile{"EmptyKeyPart", "[s]\na\\\\b=v\n", 2, "empty part"},
        BadFile{"BadPercentCode", "[s]\na%G1=v\n", 2, "without the code"},
        BadFile{"UnknownEscape", "[s]\nk=\\q\n", 2, "unknown escape"},
        BadFile{"LineContinuation", "[s]\nk=a\\\nb\n", 2, "at the end of the line"},
        BadFile{"UnclosedQuote", "[s]\nk=\"abc\n", 2, "closing quote"},
        BadFile{"EscapedNul", "[s]\nk=a\\0\n", 2, "NUL"},
        BadFile{"LoneSurrogate", "[s]\nk=\\xd800\n", 2, "surrogate"},
        BadFile{"KeyTwice", "[s]\nk=1\n\n[s]\nk=2\n", 5, "second time (first on line 2)"},
        BadFile{"CodeBeyondTheBasicPlane", "[s]\nk=\\x12345\n", 2, "beyond U+FFFF"}),
    [](const auto& info) { return std::string(info.param.name); });

// Values QSettings and this file must agree on, written either way.
const QString kAwkwardValues[] = {
    QStringLiteral("seller@example.com"),
    QStringLiteral(""),
    QStringLiteral(" leading and trailing "),
    QStringLiteral("semi;colon, comma = equals"),
    QStringLiteral("\"quoted\" and back\\slash"),
    QStringLiteral("@at the start"),
    QStringLiteral("@@two"),
    QStringLiteral("tab\tline\nbreak\rreturn"),
    QStringLiteral("\u0001a control and hex digits after it"),
    QStringLiteral("Cr\u00e8me br\u00fbl\u00e9e \u00a3 \u20ac \U0001F370"),
    QStringLiteral("/usr/lib/x86_64-linux-gnu/libravelin_addin.so"),
};

const QString kAwkwardKeys[] = {
    QStringLiteral("Program Settings/EmailAddress"),
    QStringLiteral("HKEY_CURRENT_USER/Software/Classes/CLSID/{0A1B-2C}/InprocServer32/@"),
    QStringLiteral("plain"),
    QStringLiteral("General/inside"),
    QStringLiteral("Sp\u00e9cial \u20ac/k\u00e9y %+"),
};

class QSettingsCompatibility : public ::testing::Test {
protected:
    QString path() const { return folder.filePath(QStringLiteral("compat.ini")); }
    QTemporaryDir folder;
};

TEST_F(QSettingsCompatibility, QSettingsReadsWhatThisFileWrites) {
    IniFile file;
    int i = 0;
    for (const QString& key : kAwkwardKeys) {
        for (const QString& value : kAwkwardValues) {
            ASSERT_TRUE(file.setValue(key + QString::number(i++), value));
        }
    }
    {
        QFile out(path());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.toBytes());
    }
    QSettings settings(path(), QSettings::IniFormat);
    EXPECT_EQ(settings.status(), QSettings::NoError);
    for (const QString& key : file.keys()) {
        EXPECT_EQ(settings.value(key).toString(), *file.value(key)) << key.toStdString();
    }
    EXPECT_EQ(settings.allKeys().size(), file.keys().size());
}

TEST_F(QSettingsCompatibility, ThisFileReadsWhatQSettingsWrites) {
    Values written;
    {
        QSettings settings(path(), QSettings::IniFormat);
        int i = 0;
        for (const QString& key : kAwkwardKeys) {
            for (const QString& value : kAwkwardValues) {
                settings.setValue(key + QString::number(i), value);
                written[key + QString::number(i++)] = value;
            }
        }
        settings.setValue(QStringLiteral("numbers/LoadBehavior"), 3);
        written[QStringLiteral("numbers/LoadBehavior")] = QStringLiteral("3");
        settings.sync();
        ASSERT_EQ(settings.status(), QSettings::NoError);
    }
    QFile in(path());
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    IniFile::Problem problem;
    const std::optional<IniFile> file = IniFile::parse(in.readAll(), &problem);
    ASSERT_TRUE(file.has_value()) << "line " << problem.line << ": "
                                  << problem.reason.toStdString();
    EXPECT_EQ(valuesOf(*file), written);
}

struct Change {
    const char* name;
    QByteArray before;
    std::function<void(IniFile&)> change;
    QByteArray after;
};

class ChangesInPlace : public ::testing::TestWithParam<Change> {};

TEST_P(ChangesInPlace, LeavingEveryOtherLineAsItWas) {
    IniFile::Problem problem;
    std::optional<IniFile> file = IniFile::parse(GetParam().before, &problem);
    ASSERT_TRUE(file.has_value()) << problem.reason.toStdString();
    IniFile changed = *file;
    GetParam().change(changed);
    EXPECT_EQ(changed.toBytes(), GetParam().after);
    const std::optional<IniFile> reread = IniFile::parse(changed.toBytes(), &problem);
    ASSERT_TRUE(reread.has_value()) << "and still parses: " << problem.reason.toStdString();
    EXPECT_EQ(valuesOf(*reread), valuesOf(changed)) << "and holds what was changed";
}

const QString kAccountKey = QStringLiteral("Program Settings/EmailAddress");

INSTANTIATE_TEST_SUITE_P(
    Files, ChangesInPlace,
    ::testing::Values(
        Change{
            "ReplacesOneValue",
            "; mine\r\n[Program%20Settings]\r\nOther = kept  \r\nEmailAddress = old\r\n",
            [](IniFile& f) { f.setValue(kAccountKey, QStringLiteral("new@example.com")); },
            "; mine\r\n[Program%20Settings]\r\nOther = kept  \r\nEmailAddress=new@example.com\r\n"},
        Change{"TheSameValueChangesNothing", "[Program%20Settings]\nEmailAddress = same ; note\n",
               [](IniFile& f) { f.setValue(kAccountKey, QStringLiteral("same")); },
               "[Program%20Settings]\nEmailAddress = same ; note\n"},
        Change{"AddsToTheEndOfItsSection", "[Program%20Settings]\nOther=1\n\n[Zed]\nz=2\n",
               [](IniFile& f) { f.setValue(kAccountKey, QStringLiteral("a@b")); },
               "[Program%20Settings]\nOther=1\nEmailAddress=a@b\n\n[Zed]\nz=2\n"},
        Change{"AddsANewSectionAtTheEnd", "; only a comment",
               [](IniFile& f) { f.setValue(kAccountKey, QStringLiteral(" x ")); },
               "; only a comment\n\n[Program%20Settings]\nEmailAddress=\" x \"\n"},
        Change{"AddsToAnEmptyFile", "",
               [](IniFile& f) { f.setValue(kAccountKey, QStringLiteral("@x")); },
               "[Program%20Settings]\nEmailAddress=@@x\n"},
        Change{"KeepsAMissingFinalLineBreakMissing", "[s]\r\na=1",
               [](IniFile& f) { f.setValue(QStringLiteral("s/b"), QStringLiteral("2")); },
               "[s]\r\na=1\r\nb=2"},
        Change{"RemovesOneLine", "[s]\na=1\nb=2\n[t]\nc=3\n",
               [](IniFile& f) { f.remove(QStringLiteral("s/a")); }, "[s]\nb=2\n[t]\nc=3\n"},
        Change{"RemovesASectionWithItsLastEntry", "[s]\na=1\n\n[t]\nc=3\n\n[u]\nd=4\n",
               [](IniFile& f) { f.remove(QStringLiteral("t/c")); }, "[s]\na=1\n\n[u]\nd=4\n"},
        Change{"RemovesTheLastSectionAndTheBlankLinesBeforeIt", "[s]\na=1\n\n[t]\nc=3\n",
               [](IniFile& f) { f.remove(QStringLiteral("t/c")); }, "[s]\na=1\n"},
        Change{"KeepsASectionWithAComment", "[s]\n; why\na=1\n",
               [](IniFile& f) { f.remove(QStringLiteral("s/a")); }, "[s]\n; why\n"},
        Change{"RemovingWhatIsNotThereChangesNothing", "[s]\na=1\n",
               [](IniFile& f) { f.remove(QStringLiteral("s/b")); }, "[s]\na=1\n"},
        // The next line starts with a U+FEFF of its name: it gets a byte order mark in front,
        // or a reader would take its own for the file's.
        Change{"RemovingTheFirstLineKeepsTheNextOnesZeroWidthNoBreakSpace",
               "a=1\r\n\xEF\xBB\xBF\\x\\y=2\r\n", [](IniFile& f) { f.remove(QStringLiteral("a")); },
               "\xEF\xBB\xBF\xEF\xBB\xBF\\x\\y=2\r\n"},
        Change{"ReplacesAValueAheadOfAnyHeaderWhoseKeyHasParts", "a\\b=1\n[a]\nc=2\n",
               [](IniFile& f) { f.setValue(QStringLiteral("a/b"), QStringLiteral("3")); },
               "a\\b=3\n[a]\nc=2\n"},
        Change{"ReplacesAValueInTheGeneralSectionWhoseKeyHasParts", "[General]\na\\b=1\n",
               [](IniFile& f) { f.setValue(QStringLiteral("a/b"), QStringLiteral("3")); },
               "[General]\na\\b=3\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFile, RefusesToStoreWhatCannotBeReadBack) {
    IniFile file;
    EXPECT_FALSE(file.setValue(QString(), QStringLiteral("v")));
    EXPECT_FALSE(file.setValue(QStringLiteral("a//b"), QStringLiteral("v")));
    EXPECT_FALSE(file.setValue(QStringLiteral("a/b"), QString(QChar(0))));
    EXPECT_FALSE(file.setValue(QStringLiteral("a/b"), QString(QChar(0xD800))));
    EXPECT_TRUE(file.toBytes().isEmpty());
}

} // namespace
} // namespace ravelin::common
