// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page editor finds the add-in through the user's registry or the system's: the user's
// registration of an add-in wins over the system's, and an earlier system folder over a later
// one. Each registration is written out here as plain INI, the way regsvr leaves it.
#include "addin/tests/editorfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <optional>

namespace ravelin::addin::testing {
namespace {

const QString kProgId = QStringLiteral("RAVELIN.template");
const QString kClsid = QStringLiteral("{10F1B7B2-85C2-4904-B4F6-28DE6F1EDD23}");

// One registration of the add-in: which library, and whether it loads at startup.
struct Registration {
    const char* library; // LIBRARY, COPY (a copy of it elsewhere) or a path
    int loadBehavior = 3;
};

struct Scenario {
    const char* name;
    std::optional<Registration> user;
    std::optional<Registration> firstSystemFolder;
    std::optional<Registration> secondSystemFolder;
    const char* loaded; // the library the editor loaded, as in Registration; nullptr for none
    int loadBehavior;   // what the Add-Ins dialog reads
    const char* error;  // part of the one error shown, or nullptr for none
};

void PrintTo(const Scenario& scenario, std::ostream* out) {
    *out << scenario.name;
}

class RegistryScopes : public EditorTest, public ::testing::WithParamInterface<Scenario> {
protected:
    QString library(const char* name) const {
        QString text = QString::fromUtf8(name);
        if (text == QLatin1String("LIBRARY")) {
            return QFileInfo(kLibrary).absoluteFilePath();
        }
        if (text == QLatin1String("COPY")) {
            return folder.filePath(QStringLiteral("elsewhere/libravelin_addin.so"));
        }
        return text;
    }

    void write(const QString& folderPath, const QString& root,
               const Registration& registration) const {
        QDir().mkpath(folderPath);
        QSettings file(QDir(folderPath).filePath(QStringLiteral("ravelin-registry.ini")),
                       QSettings::IniFormat);
        const QString addin = root +
                              QStringLiteral("/Software/Microsoft/Office/FrontPage/Addins/") +
                              kProgId + QLatin1Char('/');
        const QString classes = root + QStringLiteral("/Software/Classes/");
        file.setValue(addin + QStringLiteral("FriendlyName"),
                      QStringLiteral("Ravelin Website Payments"));
        file.setValue(addin + QStringLiteral("Description"),
                      QStringLiteral("Create PayPal Purchase Buttons"));
        file.setValue(addin + QStringLiteral("LoadBehavior"), registration.loadBehavior);
        file.setValue(classes + kProgId + QStringLiteral("/CLSID/@"), kClsid);
        file.setValue(classes + QStringLiteral("CLSID/") + kClsid +
                          QStringLiteral("/InprocServer32/@"),
                      library(registration.library));
        file.sync();
        ASSERT_EQ(file.status(), QSettings::NoError);
    }
};

TEST_P(RegistryScopes, DecideWhichRegistrationTheEditorFollows) {
    const Scenario& scenario = GetParam();
    QDir().mkpath(QFileInfo(library("COPY")).absolutePath());
    ASSERT_TRUE(QFile::copy(kLibrary, library("COPY")));
    const QString user = QStringLiteral("HKEY_CURRENT_USER");
    const QString machine = QStringLiteral("HKEY_LOCAL_MACHINE");
    if (scenario.user) {
        write(configFolder(), user, *scenario.user);
    }
    if (scenario.firstSystemFolder) {
        write(systemConfigFolder(0), machine, *scenario.firstSystemFolder);
    }
    if (scenario.secondSystemFolder) {
        write(systemConfigFolder(1), machine, *scenario.secondSystemFolder);
    }

    start();

    const auto addins = editor->addins().addins();
    ASSERT_EQ(addins.size(), 1U) << "one add-in, however often it is registered";
    const editor::AddinStatus& status = addins.front();
    EXPECT_EQ(status.connected, scenario.loaded != nullptr);
    EXPECT_EQ(insertMenu().count(kMenuCaption), scenario.loaded != nullptr ? 1 : 0);
    if (scenario.loaded != nullptr) {
        EXPECT_EQ(status.location, library(scenario.loaded));
    }
    EXPECT_EQ(status.loadBehavior, scenario.loadBehavior);
    if (scenario.error == nullptr) {
        EXPECT_TRUE(prompts->errors.empty()) << prompts->errors.front().toStdString();
    } else {
        ASSERT_EQ(prompts->errors.size(), 1U);
        EXPECT_TRUE(prompts->errors.front().contains(QString::fromUtf8(scenario.error)))
            << prompts->errors.front().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Registrations, RegistryScopes,
    ::testing::Values(Scenario{"SystemOnly", std::nullopt, Registration{"LIBRARY"}, std::nullopt,
                               "LIBRARY", 3, nullptr},
                      Scenario{"SecondSystemFolderOnly", std::nullopt, std::nullopt,
                               Registration{"LIBRARY"}, "LIBRARY", 3, nullptr},
                      Scenario{"UsersLibraryWinsOverTheSystems", Registration{"COPY"},
                               Registration{"LIBRARY"}, std::nullopt, "COPY", 3, nullptr},
                      Scenario{"UsersLibraryWinsEvenWhenItIsGone",
                               Registration{"/nonexistent/libgone.so"}, Registration{"LIBRARY"},
                               std::nullopt, nullptr, 3, "/nonexistent/libgone.so does not exist"},
                      Scenario{"UserTurnsOffWhatTheSystemLoadsAtStartup",
                               Registration{"LIBRARY", 0}, Registration{"LIBRARY"}, std::nullopt,
                               nullptr, 0, nullptr},
                      Scenario{"FirstSystemFolderWinsOverTheSecond", std::nullopt,
                               Registration{"COPY"}, Registration{"LIBRARY"}, "COPY", 3, nullptr},
                      Scenario{"UserOnly", Registration{"LIBRARY"}, std::nullopt, std::nullopt,
                               "LIBRARY", 3, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorTest, AUserRegistryKeyBelowTheMachineRootIsNotAUserRegistration) {
    // The user's file is read below HKEY_CURRENT_USER only, the system's below
    // HKEY_LOCAL_MACHINE only: a registration under the wrong root is not followed.
    QDir().mkpath(configFolder());
    QDir().mkpath(systemConfigFolder(0));
    const auto put = [](const QString& file, const QString& root) {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(root + QStringLiteral("/Software/Microsoft/Office/FrontPage/Addins/") +
                              kProgId + QStringLiteral("/LoadBehavior"),
                          3);
    };
    put(QDir(configFolder()).filePath(QStringLiteral("ravelin-registry.ini")),
        QStringLiteral("HKEY_LOCAL_MACHINE"));
    put(QDir(systemConfigFolder(0)).filePath(QStringLiteral("ravelin-registry.ini")),
        QStringLiteral("HKEY_CURRENT_USER"));

    start();

    EXPECT_TRUE(editor->addins().addins().empty());
    EXPECT_TRUE(prompts->errors.empty());
}

} // namespace
} // namespace ravelin::addin::testing
