// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The add-in's identity: its programmatic identifier, the component's class, interface and
// type-library identifiers, and the names the editor lists it under.
#pragma once

#include <QtGlobal>

namespace ravelin::addin {

// Project name, full stop, class name.
inline constexpr const char* kProgId = "RAVELIN.template";
inline constexpr const char* kClsid = "{10F1B7B2-85C2-4904-B4F6-28DE6F1EDD23}";
inline constexpr const char* kIid = "{7E4E6596-392C-4988-9B2B-86A93A25FEEC}";
inline constexpr const char* kLibid = "{0A47A7C8-2EF9-42A5-9729-11AA48CADF5E}";

inline constexpr const char* kFriendlyName = "Ravelin Website Payments";
inline constexpr const char* kDescription = "Create PayPal Purchase Buttons";

// The menu command added to the editor's Insert menu; the caption is shown translated (context
// kCaptionContext).
inline constexpr const char* kCommandBar = "Insert";
inline constexpr const char* kCaptionContext = "ravelin::addin";
inline constexpr const char* kMenuCaption =
    QT_TRANSLATE_NOOP("ravelin::addin", "&PayPal Purchase Button Wizard");

} // namespace ravelin::addin
