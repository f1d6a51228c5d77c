// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page editor's add-ins: those registered for it under the current user or for every user
// (a user's registration of an add-in wins over the system's), loaded from
// their libraries through the class factory, connected and disconnected. Libraries stay
// loaded for the rest of the session once loaded: a window an add-in opened may outlive its
// connection.
#pragma once

#include "common/result.h"
#include "objectmodel/addin.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QLibrary;

namespace ravelin::objectmodel {
class Application;
}

namespace ravelin::editor {

// What the Add-Ins dialog shows of one registered add-in.
struct AddinStatus {
    QString progId;
    QString friendlyName; // the programmatic identifier when the registration has no name
    QString description;
    int loadBehavior = 0;
    QString location; // the library, when the registration names one
    bool connected = false;
    QString error; // why the last load or connection failed; empty when it did not
};

class AddinHost {
public:
    explicit AddinHost(objectmodel::Application* application);
    ~AddinHost(); // disconnects whatever is still connected, as at shutdown
    AddinHost(const AddinHost&) = delete;
    AddinHost& operator=(const AddinHost&) = delete;

    // Re-reads the registrations. Connected add-ins stay, even when no longer registered.
    void refresh();
    // Why a registry was passed over at the last refresh (each file and the line that does not
    // parse, say); nothing when every registry could be read.
    std::optional<QString> registryProblem() const { return registryProblem_; }
    std::vector<AddinStatus> addins() const;

    // Reads the registrations and connects every add-in that loads at startup. Returns one
    // line per add-in that failed ("name: reason").
    QStringList startup();
    // Disconnects every connected add-in.
    void shutdown();

    // Loads and connects one add-in, or says why it could not; the reason is also kept in the
    // add-in's status.
    common::Result<void>
    connect(const QString& progId,
            objectmodel::ConnectMode mode = objectmodel::ConnectMode::ext_cm_AfterStartup);
    void disconnect(const QString& progId,
                    objectmodel::RemoveMode mode = objectmodel::RemoveMode::ext_dm_UserClosed);

private:
    struct Entry;
    Entry* find(const QString& progId);
    common::Result<std::unique_ptr<objectmodel::AddinInstance>> createInstance(const Entry& entry);
    common::Result<QLibrary*> library(const QString& path);

    objectmodel::Application* application_;
    std::vector<std::unique_ptr<Entry>> entries_;
    std::map<QString, std::unique_ptr<QLibrary>> libraries_;
    std::optional<QString> registryProblem_;
};

} // namespace ravelin::editor
