// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/addinhost.h"

#include "common/registry.h"
#include "objectmodel/com.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <algorithm>
#include <map>

namespace ravelin::editor {

namespace {

QString hex(objectmodel::HRESULT hr) {
    return QStringLiteral("0x%1").arg(static_cast<std::uint32_t>(hr), 8, 16, QLatin1Char('0'));
}

// The host's entry for an add-in, handed to it with the connection.
class HostAddIn : public objectmodel::COMAddIn {
public:
    QString ProgId() const override { return status.progId; }
    QString Guid() const override { return clsid; }
    QString Description() const override { return status.description; }
    bool Connect() const override { return status.connected; }

    AddinStatus status;
    QString clsid;
};

} // namespace

struct AddinHost::Entry {
    HostAddIn addIn;
    std::unique_ptr<objectmodel::AddinInstance> instance;
};

AddinHost::AddinHost(objectmodel::Application* application) : application_(application) {}

AddinHost::~AddinHost() {
    shutdown();
}

AddinHost::Entry* AddinHost::find(const QString& progId) {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const auto& entry) {
        return entry->addIn.status.progId == progId;
    });
    return found == entries_.end() ? nullptr : found->get();
}

void AddinHost::refresh() {
    // The user's registry first, then the system's in each of its folders: the first registry
    // that lists an add-in describes it, its class and library included. A registry that
    // cannot be read or parsed is passed over, and why is kept for the user.
    std::vector<std::unique_ptr<const common::Registry>> registries;
    QStringList problems;
    for (const common::RegistryScope scope :
         {common::RegistryScope::User, common::RegistryScope::System}) {
        for (const QString& path : common::registryFilePaths(scope)) {
            auto registry = std::make_unique<const common::Registry>(scope, path);
            if (registry->readable()) {
                registries.push_back(std::move(registry));
            } else {
                problems.append(registry->problem());
            }
        }
    }
    registryProblem_ =
        problems.isEmpty() ? std::nullopt : std::optional(problems.join(QStringLiteral("; ")));
    QStringList progIds;
    std::map<QString, const common::Registry*> registeredIn;
    for (const auto& registry : registries) {
        for (const QString& progId :
             registry->subkeys(common::editorAddinsKey(registry->scope()))) {
            if (registeredIn.emplace(progId, registry.get()).second) {
                progIds.append(progId);
            }
        }
    }
    std::erase_if(entries_, [&](const auto& entry) {
        return !entry->instance && !progIds.contains(entry->addIn.status.progId);
    });
    for (const QString& progId : progIds) {
        Entry* entry = find(progId);
        if (entry == nullptr) {
            entries_.push_back(std::make_unique<Entry>());
            entry = entries_.back().get();
            entry->addIn.status.progId = progId;
        }
        const common::Registry& registry = *registeredIn.at(progId);
        const QString key =
            common::registryPath({common::editorAddinsKey(registry.scope()), progId});
        const QString classes = common::classesKey(registry.scope());
        AddinStatus& status = entry->addIn.status;
        status.friendlyName = registry.value(key + QStringLiteral("/FriendlyName")).toString();
        if (status.friendlyName.isEmpty()) {
            status.friendlyName = progId;
        }
        status.description = registry.value(key + QStringLiteral("/Description")).toString();
        status.loadBehavior = registry.value(key + QStringLiteral("/LoadBehavior")).toInt();
        if (!entry->instance) {
            entry->addIn.clsid =
                registry
                    .value(common::registryPath({classes, progId, QStringLiteral("CLSID"),
                                                 QString::fromLatin1(common::kDefaultValue)}))
                    .toString();
            status.location = entry->addIn.clsid.isEmpty()
                                  ? QString()
                                  : registry
                                        .value(common::registryPath(
                                            {classes, QStringLiteral("CLSID"), entry->addIn.clsid,
                                             QStringLiteral("InprocServer32"),
                                             QString::fromLatin1(common::kDefaultValue)}))
                                        .toString();
        }
    }
}

std::vector<AddinStatus> AddinHost::addins() const {
    std::vector<AddinStatus> list;
    for (const auto& entry : entries_) {
        list.push_back(entry->addIn.status);
    }
    return list;
}

QStringList AddinHost::startup() {
    refresh();
    QStringList failures;
    for (const auto& entry : entries_) {
        const AddinStatus& status = entry->addIn.status;
        if (status.loadBehavior == common::kLoadAtStartup && !status.connected &&
            !connect(status.progId, objectmodel::ConnectMode::ext_cm_Startup)) {
            failures.append(QStringLiteral("%1: %2").arg(status.friendlyName, status.error));
        }
    }
    return failures;
}

void AddinHost::shutdown() {
    for (const auto& entry : entries_) {
        disconnect(entry->addIn.status.progId, objectmodel::RemoveMode::ext_dm_HostShutdown);
    }
}

common::Result<QLibrary*> AddinHost::library(const QString& path) {
    if (const auto loaded = libraries_.find(path); loaded != libraries_.end()) {
        return loaded->second.get();
    }
    if (!QFileInfo(path).isFile()) {
        return common::Failure{QCoreApplication::translate("ravelin::editor::AddinHost",
                                                           "the library %1 does not exist")
                                   .arg(QDir::toNativeSeparators(path))};
    }
    auto candidate = std::make_unique<QLibrary>(path);
    if (!candidate->load()) {
        return common::Failure{QCoreApplication::translate("ravelin::editor::AddinHost",
                                                           "the library %1 cannot be loaded: %2")
                                   .arg(QDir::toNativeSeparators(path), candidate->errorString())};
    }
    return libraries_.emplace(path, std::move(candidate)).first->second.get();
}

common::Result<std::unique_ptr<objectmodel::AddinInstance>>
AddinHost::createInstance(const Entry& entry) {
    const QString& clsid = entry.addIn.clsid;
    const QString& path = entry.addIn.status.location;
    if (clsid.isEmpty()) {
        return common::Failure{QCoreApplication::translate("ravelin::editor::AddinHost",
                                                           "no class is registered for %1")
                                   .arg(entry.addIn.status.progId)};
    }
    if (path.isEmpty()) {
        return common::Failure{
            QCoreApplication::translate("ravelin::editor::AddinHost",
                                        "no library is registered for the class %1")
                .arg(clsid)};
    }
    const common::Result<QLibrary*> lib = library(path);
    if (!lib) {
        return common::Failure{lib.error()};
    }
    // Past this point the add-in speaks through its C entry points and result codes.
    const auto getClassObject =
        reinterpret_cast<objectmodel::DllGetClassObjectFn>((*lib)->resolve("DllGetClassObject"));
    if (getClassObject == nullptr) {
        return common::Failure{
            QCoreApplication::translate("ravelin::editor::AddinHost",
                                        "the library %1 has no entry point DllGetClassObject")
                .arg(QDir::toNativeSeparators(path))};
    }
    void* factory = nullptr;
    objectmodel::HRESULT hr =
        getClassObject(clsid.toLatin1().constData(), objectmodel::IID_IClassFactory, &factory);
    if (objectmodel::FAILED(hr) || factory == nullptr) {
        return common::Failure{
            QCoreApplication::translate("ravelin::editor::AddinHost",
                                        "the library %1 does not provide the class %2 (error %3)")
                .arg(QDir::toNativeSeparators(path), clsid, hex(hr))};
    }
    void* object = nullptr;
    hr = static_cast<objectmodel::IClassFactory*>(factory)->CreateInstance(
        objectmodel::IID_AddinInstance, &object);
    if (objectmodel::FAILED(hr) || object == nullptr) {
        return common::Failure{
            QCoreApplication::translate("ravelin::editor::AddinHost",
                                        "the add-in object could not be created (error %1)")
                .arg(hex(hr))};
    }
    return std::unique_ptr<objectmodel::AddinInstance>(
        static_cast<objectmodel::AddinInstance*>(object));
}

common::Result<void> AddinHost::connect(const QString& progId, objectmodel::ConnectMode mode) {
    Entry* entry = find(progId);
    if (entry == nullptr) {
        return common::Failure{
            QCoreApplication::translate("ravelin::editor::AddinHost", "no add-in %1 is registered")
                .arg(progId)};
    }
    AddinStatus& status = entry->addIn.status;
    if (entry->instance) {
        return {};
    }
    common::Result<std::unique_ptr<objectmodel::AddinInstance>> created = createInstance(*entry);
    std::unique_ptr<objectmodel::AddinInstance> instance;
    QString error;
    if (created) {
        instance = std::move(*created);
        QVariantList custom;
        try {
            instance->AddinInstance_OnConnection(application_, mode, &entry->addIn, custom);
        } catch (const std::exception& failure) {
            error = QCoreApplication::translate("ravelin::editor::AddinHost",
                                                "the add-in failed to connect: %1")
                        .arg(QString::fromStdString(failure.what()));
            instance.reset();
        } catch (...) {
            error = QCoreApplication::translate("ravelin::editor::AddinHost",
                                                "the add-in failed to connect");
            instance.reset();
        }
    } else {
        error = created.error();
    }
    status.error = error;
    status.connected = instance != nullptr;
    entry->instance = std::move(instance);
    if (!status.connected) {
        return common::Failure{error};
    }
    return {};
}

void AddinHost::disconnect(const QString& progId, objectmodel::RemoveMode mode) {
    Entry* entry = find(progId);
    if (entry == nullptr || !entry->instance) {
        return;
    }
    QVariantList custom;
    try {
        entry->instance->AddinInstance_OnDisconnection(mode, custom);
    } catch (...) {
        // The add-in is released all the same.
    }
    entry->instance.reset();
    entry->addIn.status.connected = false;
}

} // namespace ravelin::editor
