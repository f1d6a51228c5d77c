// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wizard's panels: the advertising panel, the Setup page, the examples panel and every
// page panel of the five button types, each built from its form in wizard/pages/.
//
// Page captions read "Step", lblCurrentPage_N, "of", lblTotalPages_N, numbered across the
// window in the order of panelNames(): fmBN_1..5 are N = 1..5, fmATC_1..4 are 6..9,
// fmVC_1..2 are 10..11, fmDON_1..2 are 12..13, fmSUB_1..3 are 14..16; the Setup page's "1"
// is lblCurrentPage_0. The words are lblStepWord_N and lblOfWord_N. Other fixed texts are
// labels named after their role and panel (lblHeadingBN1, lblOrBN1, lblUrlBN1, ...), each
// name used once in the window.
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
