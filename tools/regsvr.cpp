// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// regsvr [-u] [--system] LIBRARY: registers an in-process component for the current user by
// calling its DllRegisterServer (DllUnregisterServer with -u), and says in one line how that
// went: when the entry point fails, the line gives its error code and the reason it left (or,
// from a library that leaves none, why the registry could not be changed, as far as the
// registry file and its folder show it). With --system (root only) the registration
// is for every user of the machine: the entry points take no arguments, so the scope is handed
// over in RAVELIN_REGISTRY_SCOPE.
// Exit status 0 when it succeeded, 1 otherwise.
#include "common/files.h"
#include "common/registry.h"
#include "common/streams.h"
#include "objectmodel/com.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

using ravelin::objectmodel::HRESULT;

int fail(const QString& message) {
    std::fprintf(stderr, "regsvr: %s\n", qPrintable(message));
    return 1;
}

// Why the registry could not be changed: a file that does not parse (named with its line), or
// what stands in the way of writing it. Nothing when neither shows.
std::optional<QString> registryObstacle(ravelin::common::RegistryScope scope) {
    const ravelin::common::Registry registry(scope);
    if (!registry.readable()) {
        return registry.problem() + QStringLiteral("; the registry was left as it was");
    }
    return ravelin::common::writeObstacle(ravelin::common::registryFilePath(scope));
}

} // namespace

int main(int argc, char* argv[]) {
    ravelin::common::openClosedStandardStreams();
    // The one line is regsvr's own: Qt's notices (of the locale, say) are not shown.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    bool unregister = false;
    bool system = false;
    while (args.size() > 1 &&
           (args.front() == QLatin1String("-u") || args.front() == QLatin1String("--system"))) {
        (args.front() == QLatin1String("-u") ? unregister : system) = true;
        args.removeFirst();
    }
    if (args.size() != 1 || args.front().startsWith(QLatin1Char('-'))) {
        return fail(QStringLiteral("usage: regsvr [-u] [--system] LIBRARY"));
    }
    if (system && geteuid() != 0) {
        return fail(QStringLiteral("--system registers for every user of this machine and needs "
                                   "root; run it as root, e.g. with sudo"));
    }
    if (system) {
        qputenv(ravelin::common::kRegistryScopeVariable, "system");
    } else {
        qunsetenv(ravelin::common::kRegistryScopeVariable);
    }

    const QFileInfo file(args.front());
    const QString path = QDir::toNativeSeparators(file.absoluteFilePath());
    if (file.isDir()) {
        return fail(QStringLiteral("%1 is a folder, not a library").arg(path));
    }
    if (!file.exists()) {
        return fail(QStringLiteral("%1: no such file").arg(path));
    }
    if (!file.isFile()) {
        return fail(QStringLiteral("%1 is not a regular file").arg(path));
    }
    QLibrary library(file.absoluteFilePath());
    if (!library.load()) {
        return fail(QStringLiteral("cannot load %1: %2").arg(path, library.errorString()));
    }
    const char* entryPoint = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    const auto function =
        reinterpret_cast<ravelin::objectmodel::DllRegisterServerFn>(library.resolve(entryPoint));
    if (function == nullptr) {
        return fail(QStringLiteral("%1 has no entry point %2").arg(path, entryPoint));
    }
    qunsetenv(ravelin::objectmodel::kRegistrationErrorVariable);
    const HRESULT hr = function();
    if (ravelin::objectmodel::FAILED(hr)) {
        const QString reason =
            qEnvironmentVariable(ravelin::objectmodel::kRegistrationErrorVariable);
        const std::optional<QString> obstacle =
            !reason.isEmpty() ? reason
                              : registryObstacle(ravelin::common::requestedRegistryScope());
        return fail(QStringLiteral("%1 in %2 failed with error code 0x%3%4")
                        .arg(entryPoint, path)
                        .arg(static_cast<std::uint32_t>(hr), 8, 16, QLatin1Char('0'))
                        .arg(obstacle ? QStringLiteral(": ") + *obstacle : QString()));
    }
    std::printf("%s in %s succeeded%s.\n", entryPoint, qPrintable(path),
                system ? " for every user" : "");
    return 0;
}
