// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wizard window: the welcome panel with its two start buttons, the tab strip with the Setup
// page and one tab per button type, the examples panel, and the page-by-page walk of each type
// to its result page and the paste of its HTML into the editor's page.
#pragma once

#include "buttons/check.h"
#include "buttons/writers.h"
#include "common/result.h"
#include "wizard/editing.h"
#include "wizard/findingmarks.h"
#include "wizard/tabs.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace Ui {
class FrmStartup;
}
namespace ravelin::objectmodel {
class Application;
}

namespace ravelin::wizard {

class FrmPaymentLink;

// A top-level window without owner; it deletes itself when closed (Qt::WA_DeleteOnClose), so
// hold it through a QPointer. Every control carries its name as objectName; look controls up
// with findChild (names are unique in the window).
//
// The keyboard: Tab goes through what the user sees, top to bottom and left to right, and
// never to a control that lies under another panel; showing a page puts the focus on its first
// field. Ctrl+Tab and Ctrl+PgDown (Ctrl+Shift+Tab and Ctrl+PgUp) select the next (previous)
// tab as a click on it does; Escape closes the window; Enter presses the focused button, and in
// a one-line box the page's default button (Next, or Insert HTML on the result page); an access
// key whose button is disabled or hidden does nothing (common/windowkeys.h).
class FrmStartup : public QWidget {
    Q_OBJECT
public:
    // Builds and loads the window: computes the build code, reads the account address from the
    // stored setting and schedules the update check (extras/updateschedule.h). `editor` receives
    // the pastes of Insert HTML (and of the samples); it must outlive the window.
    explicit FrmStartup(objectmodel::Application* editor, QWidget* parent = nullptr);
    ~FrmStartup() override;

    // Looks for a PayPal button around the selection of the editor's page. When there is one,
    // the window shows its type's first page with every answer of it filled in, and the
    // account box holds its account (stored only when the seller types in the box); Insert
    // HTML then puts the new button in its place. Elsewhere the window is as it was, and
    // Insert HTML pastes at the selection.
    void openOnSelectedButton();

    // The editor the window pastes into.
    objectmodel::Application* editor() const { return editor_; }
    // The "bn" value of every button, e.g. "KORVANEX.301".
    const std::string& buildCode() const { return buildCode_; }
    // The page number of the selected button type, 1 for its first panel; 0 until a tab is
    // selected.
    int pageNumber() const { return page_; }

    // What every writer reads besides its tab's answers: the sandbox's endpoints when "Try my
    // buttons in the sandbox" is checked.
    buttons::Context writerContext() const;

    // The widget that shows the checker's finding on a control: its label, or the control.
    QWidget* findingShownOn(std::string_view control) const { return marks_.markedWidget(control); }

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void load();
    void placePanels();
    void createAnswerDialogs();
    void connectPages();
    void setUpKeyboard();
    void selectNeighbourTab(int step);
    void focusPage(std::string_view panel);
    void connectAnswerEdits();

    void startClicked();
    void firstTimeClicked();
    void tabStripClicked(int index);
    void nextClicked(const ButtonTab& tab);
    void previousClicked(const ButtonTab& tab);
    void insertHtmlClicked(const ButtonTab& tab);
    // Puts `html` into the editor's page: in the place of the button the window was opened on,
    // or at the selection point.
    void putInPage(const QString& html);
    // Puts the text of the tab's HTML box, whole, on the clipboard and says so beside the button.
    void copyHtmlClicked(const ButtonTab& tab);
    void protectClicked();
    // Opens the PayPal payment link dialog, made at the first click and kept with its answers
    // for the window's life; its Insert HTML pastes as the result pages' does.
    void paymentLinkClicked();
    // Opens the dialog that the push button `opener` opens on the tab in use.
    void openAnswerDialog(std::string_view opener);
    void sandboxToggled(bool checked);

    // Writes the tab's button into its result boxes, encrypted when the seller asked for it;
    // when it cannot be written the boxes are emptied, Insert HTML is disabled and the seller
    // is told why.
    void writeResult(const ButtonTab& tab);
    // Tells on the Setup page whether buttons are encrypted.
    void showProtection();
    // Tells the seller, once for the window's life, that a choice (`what`) could not be kept
    // in the settings file, and why; the wizard goes on with it.
    void tellWhenNotStored(const QString& what, const common::Result<void>& stored);

    void showPanel(std::string_view name);
    void hidePanel(std::string_view name);
    void setButtonStates(const ButtonTab& tab);

    // Shows the findings on the controls of the pages the user has left with Next (and of the
    // Setup page), and keeps the shown ones in step with the answers as they are edited.
    void markFindings(const ButtonTab& tab);
    void updateFindings();
    bool confirmInsertDespiteErrors(const ButtonTab& tab);

    // The step (as the page captions count: the Setup page is step 1) whose page holds the
    // control a finding names; 0 when no page of the tab does.
    int stepOf(const ButtonTab& tab, std::string_view control) const;
    // Says on the line above the tab strip what is wrong on the page of `page` the user just
    // left with Next, with a link back to it; says nothing when the page has no error.
    void tellStepProblem(const ButtonTab& tab, int page);
    void hideStepProblem();
    // Shows the step of the tab with the finding on `control` (the Setup page for step 1) and
    // puts the focus on that control.
    void goToStep(const ButtonTab& tab, int step, std::string_view control);

    std::unique_ptr<Ui::FrmStartup> ui_;
    objectmodel::Application* editor_;
    QString account_;
    std::string buildCode_;
    qint16 page_ = 0;
    // The private key's passphrase, asked when a key needs one and kept, in memory only, for
    // the window's life.
    std::optional<QString> passphrase_;
    bool keyWarningShown_ = false;
    bool settingsProblemShown_ = false;
    const ButtonTab* lastTab_ = nullptr; // the button tab selected last
    FindingMarks marks_;
    // The button of the page the window was opened on, which Insert HTML replaces.
    std::optional<ButtonInPage> editing_;
    // The account the box was given from that button, until the seller types in the box.
    std::optional<QString> accountFromButton_;
    // Where the link of the line above the tab strip leads, while it is shown.
    struct StepBack {
        const ButtonTab* tab;
        int step;
        std::string control;
    };
    std::optional<StepBack> stepBack_;
    QPointer<FrmPaymentLink> paymentLink_;
    // The payment link push button's caption and name when the window edits no button.
    QString linkCaption_;
    QString linkAccessibleName_;
    int linkWidth_ = 0;
};

} // namespace ravelin::wizard
