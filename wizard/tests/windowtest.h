// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A wizard window for one test: settings in a folder of the test's own, messages caught, and
// an editor page in memory to paste into.
#pragma once

#include "common/msgbox.h"
#include "common/settings.h"
#include "objectmodel/tests/memorypage.h"
#include "ravelin/version.h"
#include "wizard/driver.h"
#include "wizard/frmstartup.h"
#include "wizard/mstartup.h"
#include "wizard/tabs.h"
#include "wizard/tests/printers.h"
#include "wizard/twips.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace ravelin::wizard::testing {

inline const QString kAccount = QStringLiteral("seller@example.com");

// A widget's geometry as the window's layout gives it, in twips.
inline TwipsRect toTwips(const QRect& r) {
    return {twips(r.x()), twips(r.y()), twips(r.width()), twips(r.height())};
}

using Message = common::Message;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        common::setMessageHandler([this](const common::Message& message) {
            messages.push_back(message);
            return common::MessageAnswer::Ok;
        });
    }

    void TearDown() override {
        window.reset();
        common::setMessageHandler({});
        qputenv("XDG_CONFIG_HOME", savedConfigHome);
    }

    // Creates and shows the window (the load reads the stored setting). The update check does
    // not run: the test main switches it off.
    FrmStartup& open() {
        window = std::make_unique<FrmStartup>(&editor);
        window->show();
        driver::settle();
        return *window;
    }

    // Opens the window, starts building and enters the account address.
    FrmStartup& openWithAccount(const QString& account = kAccount) {
        open();
        EXPECT_TRUE(driver::click(*window, "btnStart"));
        EXPECT_TRUE(driver::type(*window, "txtEmail", account));
        return *window;
    }

    void selectTab(Tab tab) { ASSERT_TRUE(driver::selectTab(*window, static_cast<int>(tab))); }

    template <typename T = QWidget> T* named(std::string_view name) const {
        auto* widget = qobject_cast<T*>(mstartup::control(*window, name));
        EXPECT_NE(widget, nullptr) << "no " << name;
        return widget;
    }

    bool shown(std::string_view name) const {
        QWidget* widget = named(name);
        return widget != nullptr && widget->isVisible();
    }

    bool enabled(std::string_view name) const {
        QWidget* widget = named(name);
        return widget != nullptr && widget->isEnabled();
    }

    std::string text(std::string_view name) const {
        return mstartup::controlText(*window, name).toStdString();
    }

    QString storedAccount() const {
        return common::readSetting(QStringLiteral("RAVELIN"), QStringLiteral("Program Settings"),
                                   QStringLiteral("EmailAddress"), QStringLiteral("<none>"));
    }

    // The settings file the window reads and writes.
    QString settingsFile() const { return config.filePath(QStringLiteral("RAVELIN.ini")); }

    QTemporaryDir config;
    QByteArray savedConfigHome;
    std::vector<Message> messages;
    objectmodel::testing::MemoryPage page;
    objectmodel::testing::MemoryEditor editor{&page};
    std::unique_ptr<FrmStartup> window;
};

// What the writers are given by a window whose account address is kAccount.
inline buttons::Context context(const QString& account = kAccount) {
    return {.account = account.toStdString(),
            .buildCode = std::string(version::kBuildCode),
            .endpoints = {}};
}

} // namespace ravelin::wizard::testing
