// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The mark of a text of the core that the windows show translated: the answer checker's
// sentences and the words they are made of. The core uses the English text as it stands, which
// is also its key in the translations; lupdate reads the mark as it reads QT_TRANSLATE_NOOP
// (translations/CMakeLists.txt passes the alias), so each text is written once, here in the core.
#pragma once

// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): lupdate finds the texts by this call's name
#define RAVELIN_TR_NOOP(context, text) text

namespace ravelin::buttons {

// The translation context of the answer checker's texts.
inline constexpr const char* kCheckContext = "Check";

} // namespace ravelin::buttons
