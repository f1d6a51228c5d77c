// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The in-process component model the page editor and its add-ins share: result codes, the
// class factory and the four entry points an add-in library exports with C linkage. Class and
// interface identifiers are GUID strings in braces, as the registry holds them. Result codes
// live only at this C boundary: the entry points, the factory, and the hosts that call them.
#pragma once

#include <cstdint>

namespace ravelin::objectmodel {

using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111);
inline constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201);

inline constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}

// The class factory's own interface and the add-in interface (AddinInstance, objectmodel/addin.h).
inline constexpr const char* IID_IClassFactory = "{00000001-0000-0000-C000-000000000046}";
inline constexpr const char* IID_AddinInstance = "{B65AD801-ABAF-11D0-BB8B-00A0C90F2744}";

// Creates the objects of one class. Factories are owned by the library that made them.
class IClassFactory {
public:
    // On success *object receives a new object of the requested interface, owned by the caller
    // (destroy it with delete through that interface).
    virtual HRESULT CreateInstance(const char* iid, void** object) = 0;

protected:
    ~IClassFactory() = default;
};

// Why DllRegisterServer or DllUnregisterServer failed, in words for the user. The entry points
// take nothing and give only a result code, so a failing one leaves its reason in this
// environment variable of the process (as the scope they write to comes in one); a host clears
// it before the call and reads it after a failure.
inline constexpr const char* kRegistrationErrorVariable = "RAVELIN_REGISTRATION_ERROR";

// The entry points, as resolved from a loaded library.
extern "C" {
using DllRegisterServerFn = HRESULT (*)(); // DllUnregisterServer's too
using DllGetClassObjectFn = HRESULT (*)(const char* clsid, const char* iid, void** object);
using DllCanUnloadNowFn = HRESULT (*)();
}

} // namespace ravelin::objectmodel
