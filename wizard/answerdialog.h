// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The dialogs that hold answers of a button type beside its pages: its Item options (the menus
// and text boxes the buyer sets) and its Advanced variables, each opened by a push button on one
// of the pages the type shows. Their controls carry the type's control names, the names of the
// Designer forms followed by the type's suffix (txtOption1Name of frmoptions.ui becomes
// txtOption1NameBN), so that the wizard reads them through the type's key table as it reads
// every page.
#pragma once

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QString>
#include <array>
#include <string>
#include <string_view>

namespace ravelin::wizard {

enum class DialogKind { ItemOptions, AdvancedVariables };

// Where a dialog belongs: the button type whose answers it holds and the push button that opens
// it. The Donate and Subscriptions tabs show the Add to Cart and Buy Now optional-settings pages,
// so the push button there opens the dialog of the tab in use.
struct DialogPlace {
    DialogKind kind;
    std::string_view suffix;
    std::string_view opener;

    // frmOptions or frmAdvanced, followed by the suffix.
    std::string name() const;
};

// Item options on each item page of Buy Now, Add to Cart and Subscriptions; Advanced variables
// on each type's last answer page.
inline constexpr std::array<DialogPlace, 8> kAnswerDialogs = {{
    {DialogKind::ItemOptions, "ATC", "btnOptionsATC"},
    {DialogKind::ItemOptions, "BN", "btnOptionsBN"},
    {DialogKind::ItemOptions, "SUB", "btnOptionsSUB"},
    {DialogKind::AdvancedVariables, "ATC", "btnAdvancedATC"},
    {DialogKind::AdvancedVariables, "VC", "btnAdvancedVC"},
    {DialogKind::AdvancedVariables, "BN", "btnAdvancedBN"},
    {DialogKind::AdvancedVariables, "DON", "btnAdvancedATC"},
    {DialogKind::AdvancedVariables, "SUB", "btnAdvancedBN"},
}};

// The dialog that `opener` opens while the tab of `suffix` is in use, or nullptr.
const DialogPlace* dialogPlace(std::string_view opener, std::string_view suffix);

// One of the dialogs, hidden until it is opened. OK keeps what was typed; Cancel, Escape and the
// close box put back what the boxes held when it was opened.
class AnswerDialog : public QDialog {
    Q_OBJECT
public:
    AnswerDialog(const DialogPlace& place, QWidget* parent);

    const DialogPlace& place() const { return place_; }

    void open() override;
    void reject() override;

private:
    void keepTexts();

    const DialogPlace& place_;
    QHash<QWidget*, QString> kept_; // the boxes of the dialog, by the text each held
};

// The answer dialog `control` lies in, or nullptr.
AnswerDialog* answerDialogOf(const QWidget& control);

} // namespace ravelin::wizard
