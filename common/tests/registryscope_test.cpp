// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where each scope's registry is: the system folders as $XDG_CONFIG_DIRS names them, and the
// scope the environment asks registration to write to.
#include "common/registry.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <optional>

namespace ravelin::common {
namespace {

// Sets an environment variable (or takes it away) for one test, and puts it back.
class Environment {
public:
    Environment(const char* name, std::optional<QByteArray> value)
        : name_(name), saved_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    ~Environment() { wasSet_ ? qputenv(name_, saved_) : qunsetenv(name_); }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

private:
    const char* name_;
    QByteArray saved_;
    bool wasSet_;
};

struct ConfigDirs {
    const char* name;
    std::optional<QByteArray> variable; // nullopt: not set
    QStringList files;
};

void PrintTo(const ConfigDirs& dirs, std::ostream* out) {
    *out << dirs.name;
}

class SystemRegistryFiles : public ::testing::TestWithParam<ConfigDirs> {};

TEST_P(SystemRegistryFiles, FollowXdgConfigDirsMostImportantFirst) {
    const Environment dirs("XDG_CONFIG_DIRS", GetParam().variable);

    EXPECT_EQ(registryFilePaths(RegistryScope::System), GetParam().files);
    EXPECT_EQ(registryFilePath(RegistryScope::System), GetParam().files.front());
}

INSTANTIATE_TEST_SUITE_P(
    Variables, SystemRegistryFiles,
    ::testing::Values(
        ConfigDirs{"Unset", std::nullopt, {"/etc/xdg/ravelin-registry.ini"}},
        ConfigDirs{"Empty", "", {"/etc/xdg/ravelin-registry.ini"}},
        ConfigDirs{"TwoFolders",
                   "/etc/xdg/xdg-ubuntu:/etc/xdg",
                   {"/etc/xdg/xdg-ubuntu/ravelin-registry.ini", "/etc/xdg/ravelin-registry.ini"}},
        ConfigDirs{"RelativeFoldersAreIgnored",
                   "xdg:./etc:/opt/site/xdg",
                   {"/opt/site/xdg/ravelin-registry.ini"}},
        ConfigDirs{"OnlyRelativeFoldersMeanTheDefault", "xdg", {"/etc/xdg/ravelin-registry.ini"}},
        ConfigDirs{"EmptyEntriesAndSlashesAreTidied",
                   "::/opt//xdg/::/root/",
                   {"/opt/xdg/ravelin-registry.ini", "/root/ravelin-registry.ini"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UserRegistryFile, IsInXdgConfigHome) {
    const Environment home("XDG_CONFIG_HOME", "/home/someone/.config-elsewhere");

    EXPECT_EQ(registryFilePaths(RegistryScope::User),
              QStringList{"/home/someone/.config-elsewhere/ravelin-registry.ini"});
    EXPECT_EQ(registryFilePath(),
              QStringLiteral("/home/someone/.config-elsewhere/ravelin-registry.ini"));
}

struct Scope {
    const char* name;
    std::optional<QByteArray> variable;
    RegistryScope scope;
};

void PrintTo(const Scope& scope, std::ostream* out) {
    *out << scope.name;
}

class RequestedScope : public ::testing::TestWithParam<Scope> {};

TEST_P(RequestedScope, IsTheSystemOnlyForExactlySystem) {
    const Environment scope(kRegistryScopeVariable, GetParam().variable);

    EXPECT_EQ(requestedRegistryScope(), GetParam().scope);
}

INSTANTIATE_TEST_SUITE_P(Variables, RequestedScope,
                         ::testing::Values(Scope{"Unset", std::nullopt, RegistryScope::User},
                                           Scope{"System", "system", RegistryScope::System},
                                           Scope{"User", "user", RegistryScope::User},
                                           Scope{"Capitalised", "System", RegistryScope::User},
                                           Scope{"Padded", "system ", RegistryScope::User},
                                           Scope{"Empty", "", RegistryScope::User}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ravelin::common
