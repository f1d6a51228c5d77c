// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The settings file and the files under it: a file that does not parse is never changed, a
// reader never takes more than its cap nor waits on a pipe, and the configuration folder
// follows the XDG rules.
#include "common/files.h"
#include "common/inifile.h"
#include "common/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace ravelin::common {
namespace {

const QString kApp = QString::fromLatin1(kAccountSettingApp);
const QString kSection = QString::fromLatin1(kAccountSettingSection);
const QString kKey = QString::fromLatin1(kAccountSettingKey);

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A configuration folder of the test's own.
class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", saved); }

    QString settingsFile() const { return folder.filePath(QStringLiteral("RAVELIN.ini")); }

    QTemporaryDir folder;
    QByteArray saved;
};

struct Damaged {
    const char* name;
    QByteArray bytes;
    const char* where; // what the message names besides the file
};

class DamagedSettings : public ConfigTest, public ::testing::WithParamInterface<Damaged> {};

TEST_P(DamagedSettings, AreNeitherChangedNorReadAndTheMessageNamesTheFileAndLine) {
    writeAll(settingsFile(), GetParam().bytes);

    const Result<void> stored =
        writeSetting(kApp, kSection, kKey, QStringLiteral("new@example.com"));
    ASSERT_FALSE(stored);
    const QString& error = stored.error();
    EXPECT_EQ(readAll(settingsFile()), GetParam().bytes);
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(settingsFile()))) << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().where))) << error.toStdString();
    EXPECT_EQ(readSetting(kApp, kSection, kKey, QStringLiteral("<none>")),
              QStringLiteral("<none>"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("RAVELIN.ini")})
        << "no temporary or lock file is left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSettings,
    ::testing::Values(
        Damaged{"OneBadLine",
                "[Program%20Settings]\nEmailAddress=old@example.com\nthis line is damaged\n",
                "line 3"},
        Damaged{"UnclosedHeader", "[Program Settings\nEmailAddress=old@example.com\n", "line 1"},
        Damaged{"TruncatedInAQuote", "[Program%20Settings]\nEmailAddress=\"old@exa", "line 2"},
        Damaged{"OverTheSizeCap",
                "[Program%20Settings]\nEmailAddress=" + QByteArray(kMaxIniFileSize, 'x') + "\n",
                "larger than 1 MiB"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigTest, SettingsFilesOfRandomBytesAreNeverRewritten) {
    QRandomGenerator random(20261208);
    for (int attempt = 0; attempt < 6; ++attempt) {
        QByteArray bytes(1000 + attempt * 500, Qt::Uninitialized);
        for (char& byte : bytes) {
            byte = static_cast<char>(random.bounded(256));
        }
        writeAll(settingsFile(), bytes);
        const Result<void> stored =
            writeSetting(kApp, kSection, kKey, QStringLiteral("x@example.com"));
        ASSERT_FALSE(stored) << attempt;
        EXPECT_EQ(readAll(settingsFile()), bytes) << attempt;
        EXPECT_TRUE(stored.error().contains(QStringLiteral("line ")))
            << stored.error().toStdString();
    }
}

TEST_F(ConfigTest, StoringChangesOnlyItsOwnLine) {
    const QByteArray before = "; kept by hand\r\n[Program%20Settings]\r\nEmailAddress = old\r\n"
                              "Colour=blue ; mine\r\n";
    writeAll(settingsFile(), before);

    ASSERT_TRUE(writeSetting(kApp, kSection, kKey, QStringLiteral("new@example.com")));

    EXPECT_EQ(readAll(settingsFile()), QByteArray("; kept by hand\r\n[Program%20Settings]\r\n"
                                                  "EmailAddress=new@example.com\r\n"
                                                  "Colour=blue ; mine\r\n"));
    EXPECT_EQ(readSetting(kApp, kSection, kKey), QStringLiteral("new@example.com"));
}

TEST_F(ConfigTest, StoringIntoAMissingFolderMakesItAndAFolderInTheWayIsNamed) {
    const QString nested = folder.filePath(QStringLiteral("a/b"));
    qputenv("XDG_CONFIG_HOME", nested.toUtf8());
    EXPECT_TRUE(writeSetting(kApp, kSection, kKey, QStringLiteral("x")));
    EXPECT_EQ(readSetting(kApp, kSection, kKey), QStringLiteral("x"));

    writeAll(folder.filePath(QStringLiteral("file")), "not a folder");
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("file/config")).toUtf8());
    const Result<void> stored = writeSetting(kApp, kSection, kKey, QStringLiteral("x"));
    ASSERT_FALSE(stored);
    EXPECT_TRUE(stored.error().contains(QStringLiteral("file is not a folder")))
        << stored.error().toStdString();
}

TEST_F(ConfigTest, ALinkToAMissingFileIsNamedAndLeftAlone) {
    const QString target = folder.filePath(QStringLiteral("elsewhere/RAVELIN.ini"));
    for (const bool targetFolderExists : {false, true}) {
        SCOPED_TRACE(targetFolderExists ? "in a folder that exists" : "in a missing folder");
        if (targetFolderExists) {
            ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("elsewhere")));
        }
        QFile::remove(settingsFile());
        ASSERT_TRUE(QFile::link(target, settingsFile()));

        const Result<void> stored = writeSetting(kApp, kSection, kKey, QStringLiteral("x@y.z"));
        ASSERT_FALSE(stored);
        EXPECT_EQ(stored.error(),
                  QStringLiteral("cannot write %1: it is a link to a missing file: %2")
                      .arg(settingsFile(), target));
        EXPECT_EQ(writeObstacle(settingsFile()),
                  QStringLiteral("%1 is a link to a missing file: %2").arg(settingsFile(), target));
        EXPECT_EQ(QFileInfo(settingsFile()).symLinkTarget(), target);
        EXPECT_FALSE(QFileInfo::exists(target));
    }
}

TEST_F(ConfigTest, ALinkToAFileIsWrittenThrough) {
    const QString target = folder.filePath(QStringLiteral("kept.ini"));
    writeAll(target, "[Program%20Settings]\nOther=1\n");
    ASSERT_TRUE(QFile::link(target, settingsFile()));

    ASSERT_TRUE(writeSetting(kApp, kSection, kKey, QStringLiteral("x@y.z")));

    EXPECT_TRUE(QFileInfo(settingsFile()).isSymLink());
    EXPECT_EQ(readAll(target), QByteArray("[Program%20Settings]\nOther=1\nEmailAddress=x@y.z\n"));
}

TEST_F(ConfigTest, TwoProgramsStoringAtOnceKeepEachOthersValues) {
    const auto store = [](const QString& prefix) {
        for (int i = 0; i < 15; ++i) {
            EXPECT_TRUE(writeSetting(kApp, kSection, prefix + QString::number(i), prefix));
        }
    };
    std::thread first(store, QStringLiteral("first"));
    std::thread second(store, QStringLiteral("second"));
    first.join();
    second.join();
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(readSetting(kApp, kSection, QStringLiteral("first%1").arg(i)),
                  QStringLiteral("first"));
        EXPECT_EQ(readSetting(kApp, kSection, QStringLiteral("second%1").arg(i)),
                  QStringLiteral("second"));
    }
}

struct ConfigHomeCase {
    const char* name;
    const char* value; // nullptr: unset
    bool underHome;
};

class ConfigHome : public ::testing::TestWithParam<ConfigHomeCase> {};

TEST_P(ConfigHome, IsAnAbsoluteXdgConfigHomeElseTheHomesConfigFolder) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    if (GetParam().value == nullptr) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", GetParam().value);
    }
    const QString home = configHome();
    qputenv("XDG_CONFIG_HOME", saved);

    EXPECT_EQ(home, GetParam().underHome ? QDir::homePath() + QStringLiteral("/.config")
                                         : QString::fromUtf8(GetParam().value));
}

TEST(ConfigHomeWithoutHome, IsBelowTheAccountsHomeFolder) {
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    const QString home = configHome();
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);

    const passwd* account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(home,
              QDir::cleanPath(QFile::decodeName(account->pw_dir) + QStringLiteral("/.config")));
}

INSTANTIATE_TEST_SUITE_P(Values, ConfigHome,
                         ::testing::Values(ConfigHomeCase{"Absolute", "/srv/config", false},
                                           ConfigHomeCase{"Relative", "config", true},
                                           ConfigHomeCase{"DotRelative", "./config", true},
                                           ConfigHomeCase{"Empty", "", true},
                                           ConfigHomeCase{"Unset", nullptr, true}),
                         [](const auto& info) { return std::string(info.param.name); });

class CappedRead : public ::testing::Test {
protected:
    QTemporaryDir folder;
};

TEST_F(CappedRead, TakesAFileUpToItsCapAndRefusesALargerOne) {
    const QString path = folder.filePath(QStringLiteral("f"));
    writeAll(path, QByteArray(100, 'a'));
    EXPECT_EQ(readFileCapped(path, 100), QByteArray(100, 'a'));
    const Result<std::optional<QByteArray>> tooLarge = readFileCapped(path, 99);
    ASSERT_FALSE(tooLarge.has_value());
    EXPECT_TRUE(tooLarge.error().contains(QStringLiteral("larger than 99 bytes")))
        << tooLarge.error().toStdString();
}

TEST_F(CappedRead, AMissingFileIsNothingWithoutAProblem) {
    const Result<std::optional<QByteArray>> read =
        readFileCapped(folder.filePath(QStringLiteral("gone")), 10);
    ASSERT_TRUE(read.has_value()) << read.error().toStdString();
    EXPECT_FALSE(read->has_value());
}

TEST_F(CappedRead, DevicesPipesAndFoldersAreRefusedWithoutWaiting) {
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {QStringLiteral("/dev/zero"), pipe, folder.path()}) {
        const auto start = std::chrono::steady_clock::now();
        const Result<std::optional<QByteArray>> read = readFileCapped(path, kMaxIniFileSize);
        ASSERT_FALSE(read.has_value());
        EXPECT_TRUE(read.error().contains(QDir::toNativeSeparators(path)))
            << read.error().toStdString();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
}

TEST_F(CappedRead, AFailedReplaceLeavesTheOldFile) {
    const QString path = folder.filePath(QStringLiteral("f"));
    writeAll(path, "old");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("f.new")));
    const Result<void> refused = replaceFile(folder.filePath(QStringLiteral("f.new")), "x");
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().contains(QStringLiteral("is a folder")))
        << refused.error().toStdString();
    const Result<void> replaced = replaceFile(path, "new");
    EXPECT_TRUE(replaced) << replaced.error().toStdString();
    EXPECT_EQ(readAll(path), QByteArray("new"));
}

} // namespace
} // namespace ravelin::common
