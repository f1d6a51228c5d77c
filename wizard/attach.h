// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Everything the wizard window offers besides building buttons, wired in one call: the
// outside links, the bottom-row buttons, the sample buttons of the examples panel, the About
// window behind the subtitle. (The update check is scheduled by the window's load, through
// extras/updateschedule.h.)
#pragma once

class QWidget;

namespace ravelin::objectmodel {
class Application;
}

namespace ravelin::extras {

// Finds the window's controls by objectName and connects their clicks:
//   Label26 shows the About window (one at a time, not modal, centred over the window);
//   Image1 and btnOther open the maker's home page, btnAbout the merchant sign-up,
//   btnPleaseDonate the donation request;
//   lblPolicy, Label20, Image3, Label21, Image4 and Label23 open the address in their "Tag"
//   property as it is at the moment of the click;
//   btnBuyNow, btnShoppingCart and btnSubscriptions paste their sample page into the
//   editor's page.
// Link labels and pictures get the pointing hand. A control the window lacks is skipped with a
// warning. Call when the window has been built; a further call for the same window does
// nothing.
void attach(QWidget* frmStartup, objectmodel::Application* editor);

} // namespace ravelin::extras
