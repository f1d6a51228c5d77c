// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// regsvr [-u] LIBRARY: registers an in-process component for the current user by calling its
// DllRegisterServer (DllUnregisterServer with -u), and says in one line how that went.
// Exit status 0 when it succeeded, 1 otherwise.
#include "objectmodel/com.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <cstdio>

namespace {

using ravelin::objectmodel::HRESULT;

int fail(const QString& message) {
    std::fprintf(stderr, "regsvr: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool unregister = args.size() == 2 && args.front() == QLatin1String("-u");
    if (unregister) {
        args.removeFirst();
    }
    if (args.size() != 1 || args.front().startsWith(QLatin1Char('-'))) {
        return fail(QStringLiteral("usage: regsvr [-u] LIBRARY"));
    }

    const QFileInfo file(args.front());
    const QString path = QDir::toNativeSeparators(file.absoluteFilePath());
    if (!file.isFile()) {
        return fail(QStringLiteral("%1: no such file").arg(path));
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
    const HRESULT hr = function();
    if (ravelin::objectmodel::FAILED(hr)) {
        return fail(QStringLiteral("%1 in %2 failed with error code 0x%3")
                        .arg(entryPoint, path)
                        .arg(static_cast<std::uint32_t>(hr), 8, 16, QLatin1Char('0')));
    }
    std::printf("%s in %s succeeded.\n", entryPoint, qPrintable(path));
    return 0;
}
