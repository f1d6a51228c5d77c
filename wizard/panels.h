// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wizard's panels: the advertising panel, the Setup page, the examples panel and every
// page panel of the five button types, each built from its form in wizard/pages/.
#pragma once

#include <QFrame>
#include <span>
#include <string_view>

namespace ravelin::wizard {

// Creates the panel with this objectName as a child of `parent`, with all its controls
// (named), fixed texts, design defaults, Tags and pictures. Sizes are set; position is the
// caller's. Returns nullptr for an unknown name.
QFrame* createPanel(std::string_view name, QWidget* parent);

// All panel names createPanel knows, in creation order.
std::span<const std::string_view> panelNames();

} // namespace ravelin::wizard
