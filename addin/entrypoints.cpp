// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The library's entry points, the only symbols it exports (addin.map): registration, the class
// factory of the add-in class and whether the library may be unloaded. Registration writes to
// the scope the environment asks for (RAVELIN_REGISTRY_SCOPE, set by regsvr --system), the
// current user's by default; a registration that fails leaves its reason in
// RAVELIN_REGISTRATION_ERROR.
#include "addin/addinids.h"
#include "addin/addintemplate.h"
#include "addin/registration.h"
#include "addin/wizardwindow.h"
#include "common/registry.h"
#include "objectmodel/com.h"

#include <QFileInfo>
#include <QString>
#include <dlfcn.h>
#include <exception>

using namespace ravelin::objectmodel;

namespace {

bool sameGuid(const char* a, const char* b) {
    return a != nullptr &&
           QString::fromLatin1(a).compare(QString::fromLatin1(b), Qt::CaseInsensitive) == 0;
}

class ClassFactory final : public IClassFactory {
public:
    HRESULT CreateInstance(const char* iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (!sameGuid(iid, IID_AddinInstance)) {
            return E_NOINTERFACE;
        }
        try {
            *object = static_cast<AddinInstance*>(new ravelin::addin::AddinTemplate());
        } catch (...) {
            return E_FAIL;
        }
        return S_OK;
    }
};

// The result code of a registration, whose reason, when it failed, goes where the host reads it.
HRESULT registrationResult(const ravelin::common::Result<void>& done) {
    if (done) {
        return S_OK;
    }
    qputenv(kRegistrationErrorVariable, done.error().toUtf8());
    return SELFREG_E_CLASS;
}

// The absolute path of this library, as the loader found it.
QString libraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&libraryPath), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace

extern "C" {

HRESULT DllRegisterServer() {
    try {
        const QString path = libraryPath();
        if (path.isEmpty()) {
            return registrationResult(ravelin::common::Failure{
                QStringLiteral("the library cannot tell the file it was loaded from")});
        }
        return registrationResult(
            ravelin::addin::writeRegistration(path, ravelin::common::requestedRegistryScope()));
    } catch (const std::exception& error) {
        return registrationResult(ravelin::common::Failure{QString::fromLocal8Bit(error.what())});
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT DllUnregisterServer() {
    try {
        return registrationResult(
            ravelin::addin::removeRegistration(ravelin::common::requestedRegistryScope()));
    } catch (const std::exception& error) {
        return registrationResult(ravelin::common::Failure{QString::fromLocal8Bit(error.what())});
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT DllGetClassObject(const char* clsid, const char* iid, void** object) {
    static ClassFactory factory;
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!sameGuid(clsid, ravelin::addin::kClsid)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    if (!sameGuid(iid, IID_IClassFactory)) {
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(&factory);
    return S_OK;
}

HRESULT DllCanUnloadNow() {
    const bool inUse = ravelin::addin::AddinTemplate::liveObjects() > 0 ||
                       ravelin::addin::wizardWindow() != nullptr;
    return inUse ? S_FALSE : S_OK;
}

} // extern "C"
