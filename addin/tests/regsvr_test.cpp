// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// regsvr with the real add-in library: what registration writes to the user's registry or, with
// --system, to the system registry, and what unregistration takes away.
#include "addin/tests/editorfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <map>
#include <unistd.h>

namespace ravelin::addin::testing {
namespace {

using Values = std::map<QString, QString>;

const QString kAddinKey =
    QStringLiteral("HKEY_CURRENT_USER/Software/Microsoft/Office/FrontPage/Addins/RAVELIN.template");
const QString kProgIdClass =
    QStringLiteral("HKEY_CURRENT_USER/Software/Classes/RAVELIN.template/CLSID/@");

// Every value in one registry file, read as plain INI.
Values fileValues(const QString& file) {
    const QSettings settings(file, QSettings::IniFormat);
    Values values;
    for (const QString& path : settings.allKeys()) {
        values[path] = settings.value(path).toString();
    }
    return values;
}

// Every value in the current user's registry.
Values registryValues() {
    return fileValues(common::registryFilePath());
}

class RegsvrTest : public EditorTest {
protected:
    // What registering the library at `path` must write, and nothing more; below
    // HKEY_LOCAL_MACHINE for every user.
    static Values registration(const QString& clsid, const QString& path,
                               const QString& root = QStringLiteral("HKEY_CURRENT_USER")) {
        const auto rooted = [&root](QString key) {
            return key.replace(QStringLiteral("HKEY_CURRENT_USER"), root);
        };
        return {
            {rooted(kAddinKey + QStringLiteral("/FriendlyName")),
             QStringLiteral("Ravelin Website Payments")},
            {rooted(kAddinKey + QStringLiteral("/Description")),
             QStringLiteral("Create PayPal Purchase Buttons")},
            {rooted(kAddinKey + QStringLiteral("/LoadBehavior")), QStringLiteral("3")},
            {rooted(kProgIdClass), clsid},
            {rooted(QStringLiteral("HKEY_CURRENT_USER/Software/Classes/CLSID/%1/InprocServer32/@")
                        .arg(clsid)),
             path},
        };
    }

    QString systemRegistry(int folder) const {
        return QDir(systemConfigFolder(folder)).filePath(QStringLiteral("ravelin-registry.ini"));
    }
};

TEST_F(RegsvrTest, WritesExactlyTheRegistrationWithTheLibrarysAbsolutePath) {
    const QFileInfo library(kLibrary);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(library.absolutePath());
    const RegsvrRun run = regsvr({library.fileName()}); // named relative to the folder
    QDir::setCurrent(previous);

    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(
        run.output,
        QStringLiteral("DllRegisterServer in %1 succeeded.\n").arg(library.absoluteFilePath()));
    const Values values = registryValues();
    const QString clsid = values.count(kProgIdClass) != 0 ? values.at(kProgIdClass) : QString();
    EXPECT_TRUE(
        QRegularExpression(
            QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"))
            .match(clsid)
            .hasMatch())
        << clsid.toStdString();
    EXPECT_EQ(values, registration(clsid, library.absoluteFilePath()));
    EXPECT_EQ(common::Registry().value(kAddinKey + QStringLiteral("/LoadBehavior")).toInt(), 3);
}

TEST_F(RegsvrTest, UnregisterRemovesExactlyTheRegistrationAndLeavesEverythingElse) {
    const Values others = {
        {QStringLiteral("HKEY_CURRENT_USER/Software/Microsoft/Office/FrontPage/Addins/"
                        "Other.Addin/FriendlyName"),
         QStringLiteral("Another add-in")},
        {kAddinKey + QStringLiteral("/CommandLineSafe"), QStringLiteral("0")},
        {QStringLiteral("HKEY_CURRENT_USER/Software/Classes/.html/@"), QStringLiteral("htmlfile")},
    };
    {
        common::Registry registry;
        for (const auto& [path, value] : others) {
            registry.setValue(path, value);
        }
        ASSERT_TRUE(registry.commit());
    }

    registerAddin();
    EXPECT_EQ(registryValues().size(), others.size() + 5);
    const RegsvrRun run = regsvr({QStringLiteral("-u"), kLibrary});

    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.output, QStringLiteral("DllUnregisterServer in %1 succeeded.\n")
                              .arg(QFileInfo(kLibrary).absoluteFilePath()));
    EXPECT_EQ(registryValues(), others);
}

TEST_F(RegsvrTest, UnregisteringWhatIsNotRegisteredSucceedsAndChangesNothing) {
    const RegsvrRun run = regsvr({QStringLiteral("-u"), kLibrary});

    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(registryValues().empty());
}

struct BadRun {
    const char* name;
    QStringList arguments; // QTCORE and NOTALIBRARY stand for those files
    const char* error;
};

class RegsvrFailure : public RegsvrTest, public ::testing::WithParamInterface<BadRun> {};

TEST_P(RegsvrFailure, SaysWhyInOneLineAndExitsWithOne) {
    const QString notALibrary = folder.filePath(QStringLiteral("notes.so"));
    {
        QFile file(notALibrary);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a library\n");
    }
    QStringList arguments = GetParam().arguments;
    for (QString& argument : arguments) {
        argument.replace(QStringLiteral("QTCORE"), QLibraryInfo::path(QLibraryInfo::LibrariesPath) +
                                                       QStringLiteral("/libQt6Core.so.6"));
        argument.replace(QStringLiteral("NOTALIBRARY"), notALibrary);
        argument.replace(QStringLiteral("LIBRARY"), kLibrary);
    }

    const RegsvrRun run = regsvr(arguments);

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.isEmpty());
    EXPECT_EQ(run.errors.count(QLatin1Char('\n')), 1) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QString::fromUtf8(GetParam().error)))
        << run.errors.toStdString();
    EXPECT_TRUE(registryValues().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RegsvrFailure,
    ::testing::Values(
        BadRun{"NoLibrary", {}, "usage: regsvr [-u] [--system] LIBRARY"},
        BadRun{"UnknownOption", {"-x", "LIBRARY"}, "usage: regsvr [-u] [--system] LIBRARY"},
        BadRun{"SystemWithoutLibrary", {"--system"}, "usage: regsvr [-u] [--system] LIBRARY"},
        BadRun{"UnregisterSystemWithoutLibrary",
               {"-u", "--system"},
               "usage: regsvr [-u] [--system] LIBRARY"},
        BadRun{"MissingFile", {"/nonexistent/libgone.so"}, "/nonexistent/libgone.so: no such file"},
        BadRun{"Folder", {"/tmp"}, "/tmp is a folder, not a library"},
        BadRun{"NotALibrary", {"NOTALIBRARY"}, "cannot load"},
        BadRun{"NoEntryPoint", {"QTCORE"}, "has no entry point DllRegisterServer"},
        BadRun{
            "NoUnregisterEntryPoint", {"-u", "QTCORE"}, "has no entry point DllUnregisterServer"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegsvrTest, ARegistryThatCannotBeWrittenIsAFailure) {
    // The config folder is a file: no registry can be kept below it.
    QFile blocker(configFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const RegsvrRun run = regsvr({kLibrary});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(
        QStringLiteral("DllRegisterServer in %1 failed with error code 0x80040201")
            .arg(QFileInfo(kLibrary).absoluteFilePath())))
        << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("%1 is not a folder").arg(configFolder())))
        << run.errors.toStdString();
    EXPECT_EQ(run.errors.count(QLatin1Char('\n')), 1) << run.errors.toStdString();
}

TEST_F(RegsvrTest, ARegistryThatIsALinkToAMissingFileIsLeftAloneAndNamedWithTheCode) {
    ASSERT_TRUE(QDir().mkpath(configFolder()));
    const QString registry = common::registryFilePath();
    const QString target = folder.filePath(QStringLiteral("elsewhere/ravelin-registry.ini"));
    ASSERT_TRUE(QFile::link(target, registry));

    const RegsvrRun run = regsvr({kLibrary});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors,
              QStringLiteral("regsvr: DllRegisterServer in %1 failed with error code 0x80040201: "
                             "cannot write %2: it is a link to a missing file: %3\n")
                  .arg(QFileInfo(kLibrary).absoluteFilePath(), registry, target));
    EXPECT_EQ(QFileInfo(registry).symLinkTarget(), target);
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST_F(RegsvrTest, ForEveryUserWritesExactlyTheRegistrationToTheFirstSystemFolderAndTakesItAway) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root registers for every user; the refusal is tested on its own";
    }
    const Values others = {
        {QStringLiteral("HKEY_LOCAL_MACHINE/Software/Microsoft/Office/FrontPage/Addins/"
                        "Other.Addin/FriendlyName"),
         QStringLiteral("Another add-in")},
        {QStringLiteral("HKEY_LOCAL_MACHINE/Software/Classes/.html/@"), QStringLiteral("htmlfile")},
    };
    {
        QDir().mkpath(systemConfigFolder(0));
        QSettings settings(systemRegistry(0), QSettings::IniFormat);
        for (const auto& [path, value] : others) {
            settings.setValue(path, value);
        }
    }
    const QString library = QFileInfo(kLibrary).absoluteFilePath();

    const RegsvrRun run = regsvr({QStringLiteral("--system"), kLibrary});

    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.output,
              QStringLiteral("DllRegisterServer in %1 succeeded for every user.\n").arg(library));
    Values values = fileValues(systemRegistry(0));
    const QString clsid =
        values[QStringLiteral("HKEY_LOCAL_MACHINE/Software/Classes/RAVELIN.template/CLSID/@")];
    Values expected = registration(clsid, library, QStringLiteral("HKEY_LOCAL_MACHINE"));
    expected.insert(others.begin(), others.end());
    EXPECT_EQ(values, expected);
    EXPECT_FALSE(clsid.isEmpty());
    EXPECT_TRUE(registryValues().empty()) << "the user's registry is not touched";
    EXPECT_FALSE(QFileInfo::exists(systemRegistry(1))) << "only the first folder is written";

    const RegsvrRun removal = regsvr({QStringLiteral("-u"), QStringLiteral("--system"), kLibrary});

    EXPECT_EQ(removal.exitCode, 0) << removal.errors.toStdString();
    EXPECT_EQ(removal.output,
              QStringLiteral("DllUnregisterServer in %1 succeeded for every user.\n").arg(library));
    EXPECT_EQ(fileValues(systemRegistry(0)), others);
}

TEST_F(RegsvrTest, AScopeLeftInTheEnvironmentDoesNotMakeAPlainRegistrationSystemWide) {
    qputenv(common::kRegistryScopeVariable, "system");
    const RegsvrRun run = regsvr({kLibrary});
    qunsetenv(common::kRegistryScopeVariable);

    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(registryValues().size(), 5U);
    EXPECT_FALSE(QFileInfo::exists(systemRegistry(0)));
}

class RegsvrNotRoot : public RegsvrTest, public ::testing::WithParamInterface<QStringList> {};

TEST_P(RegsvrNotRoot, RefusesToRegisterForEveryUserInOneLine) {
    QStringList asOtherUser; // run as is when not root, else as the user nobody
    if (geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty()) {
            GTEST_SKIP() << "running as root without setpriv to become another user";
        }
        asOtherUser = {setpriv, QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                       QStringLiteral("--clear-groups")};
        if (QProcess::execute(setpriv, asOtherUser.mid(1) + QStringList{QStringLiteral("test"),
                                                                        QStringLiteral("-x"),
                                                                        kRegsvr}) != 0) {
            GTEST_SKIP() << "the user nobody cannot run " << kRegsvr.toStdString();
        }
    }

    const RegsvrRun run = regsvr(GetParam() + QStringList{kLibrary}, asOtherUser);

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.isEmpty());
    EXPECT_EQ(run.errors,
              QStringLiteral("regsvr: --system registers for every user of this machine and needs "
                             "root; run it as root, e.g. with sudo\n"));
    EXPECT_FALSE(QFileInfo::exists(systemRegistry(0)));
    EXPECT_TRUE(registryValues().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RegsvrNotRoot,
    ::testing::Values(QStringList{QStringLiteral("--system")},
                      QStringList{QStringLiteral("-u"), QStringLiteral("--system")},
                      QStringList{QStringLiteral("--system"), QStringLiteral("-u")}),
    [](const auto& info) {
        return info.param.join(QString()).remove(QLatin1Char('-')).toStdString();
    });

TEST_F(RegsvrTest, AFolderTheUserCannotWriteIsNamedWithTheReason) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "the folder is made unwritable for another user by root";
    }
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        GTEST_SKIP() << "no setpriv to become another user";
    }
    const QStringList asNobody = {setpriv, QStringLiteral("--reuid=nobody"),
                                  QStringLiteral("--regid=nogroup"),
                                  QStringLiteral("--clear-groups")};
    if (QProcess::execute(setpriv, asNobody.mid(1) + QStringList{QStringLiteral("test"),
                                                                 QStringLiteral("-x"), kRegsvr}) !=
        0) {
        GTEST_SKIP() << "the user nobody cannot run " << kRegsvr.toStdString();
    }
    // The config folder is root's, readable by everyone and writable by root alone.
    ASSERT_TRUE(QDir().mkpath(configFolder()));
    const auto readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(folder.path(), readable));
    ASSERT_TRUE(QFile::setPermissions(configFolder(), readable));

    const RegsvrRun run = regsvr({kLibrary}, asNobody);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors.count(QLatin1Char('\n')), 1) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(
        QStringLiteral("cannot create files in %1: Permission denied").arg(configFolder())))
        << run.errors.toStdString();
    EXPECT_TRUE(QDir(configFolder()).isEmpty());
}

struct DamagedRegistry {
    const char* name;
    bool unregister;
};

class RegsvrWithADamagedRegistry : public RegsvrTest,
                                   public ::testing::WithParamInterface<DamagedRegistry> {};

TEST_P(RegsvrWithADamagedRegistry, ChangesNothingAndNamesTheFileAndTheBadLine) {
    registerAddin();
    const QString path = common::registryFilePath();
    QByteArray damaged;
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        damaged = file.readAll();
        const qsizetype secondLine = damaged.indexOf('\n') + 1;
        damaged.insert(secondLine, "this line was damaged by hand\n");
        file.seek(0);
        file.write(damaged);
    }

    const RegsvrRun run =
        GetParam().unregister ? regsvr({QStringLiteral("-u"), kLibrary}) : regsvr({kLibrary});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.isEmpty());
    EXPECT_EQ(run.errors.count(QLatin1Char('\n')), 1) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("%1, line 2:").arg(path)))
        << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("left as it was"))) << run.errors.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
}

INSTANTIATE_TEST_SUITE_P(Runs, RegsvrWithADamagedRegistry,
                         ::testing::Values(DamagedRegistry{"Register", false},
                                           DamagedRegistry{"Unregister", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ravelin::addin::testing
