// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The add-in model: the events a host raises on an add-in object, and the description of the
// add-in the host hands over with the connection.
#pragma once

#include <QString>
#include <QVariantList>

namespace ravelin::objectmodel {

class Application;

// How the add-in came to be connected.
enum class ConnectMode {
    ext_cm_AfterStartup = 0, // by the user, after the host started
    ext_cm_Startup = 1,      // while the host starts
};

// Why the add-in is being disconnected.
enum class RemoveMode {
    ext_dm_HostShutdown = 0, // the host is closing
    ext_dm_UserClosed = 1,   // the user turned the add-in off
};

// The host's entry for one add-in, as its Add-Ins list shows it.
class COMAddIn {
public:
    virtual ~COMAddIn() = default;
    virtual QString ProgId() const = 0;
    virtual QString Guid() const = 0;
    virtual QString Description() const = 0;
    virtual bool Connect() const = 0;
};

// The object an add-in library creates for its class. The host raises the events on its
// user-interface thread. A failing host operation inside an event throws HostError
// (objectmodel/commandbars.h); an event that throws has failed.
class AddinInstance {
public:
    virtual ~AddinInstance() = default;
    virtual void AddinInstance_OnConnection(Application* application, ConnectMode connectMode,
                                            COMAddIn* addInInst, QVariantList& custom) = 0;
    virtual void AddinInstance_OnDisconnection(RemoveMode removeMode, QVariantList& custom) = 0;
};

} // namespace ravelin::objectmodel
