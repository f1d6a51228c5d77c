// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/frmstartup.h"

#include "common/clicklabel.h"
#include "common/msgbox.h"
#include "common/qstr.h"
#include "common/settings.h"
#include "common/windowkeys.h"
#include "extras/updateschedule.h"
#include "objectmodel/paste.h"
#include "ravelin/version.h"
#include "ui_frmstartup.h"
#include "wizard/answerdialog.h"
#include "wizard/attach.h"
#include "wizard/choices.h"
#include "wizard/focus.h"
#include "wizard/frmpassphrase.h"
#include "wizard/frmpaymentlink.h"
#include "wizard/frmprotect.h"
#include "wizard/layout.h"
#include "wizard/mstartup.h"
#include "wizard/panels.h"
#include "wizard/pictures.h"
#include "wizard/protection.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <algorithm>
#include <array>
#include <ctime>
#include <utility>
#include <vector>

namespace ravelin::wizard {

using common::qstr;

namespace {

// The colour lblEmail turns when a tab is chosen without an account address.
const QColor kMissingAddressRed(255, 0, 0);

// The panels over the tab strip, bottom to top: the examples panel, the Setup page and the
// first page of each type, then the later pages, which lie over the first ones.
constexpr auto kStackedPanels = [] {
    const auto isFirstPage = [](std::string_view panel) {
        return std::any_of(kButtonTabs.begin(), kButtonTabs.end(),
                           [&](const ButtonTab& tab) { return tab.panels[0] == panel; });
    };
    std::array<std::string_view, 1 + kResetPanels.size()> panels{"frmExamples", kSetupPanel};
    std::size_t i = 2;
    for (const ButtonTab& tab : kButtonTabs) {
        panels[i++] = tab.panels[0];
    }
    for (std::string_view panel : kResetPanels) {
        if (panel != kSetupPanel && !isFirstPage(panel)) {
            panels[i++] = panel;
        }
    }
    return panels;
}();

// The six tabs of the tab strip fit its width with a little less room beside each caption.
class CompactTabStyle : public QProxyStyle {
public:
    explicit CompactTabStyle(const QString& base) : QProxyStyle(base) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? std::min(value, 12) : value;
    }
};

template <typename T> T* named(const QWidget& window, std::string_view name) {
    return qobject_cast<T*>(mstartup::control(window, name));
}

// The findings, and each finding of a dialog's box once more on the push button that opens the
// dialog, so that the page shows what the closed dialog holds to put right.
buttons::Findings withDialogOpeners(const QWidget& window, buttons::Findings findings) {
    const std::size_t count = findings.size();
    for (std::size_t i = 0; i < count; ++i) {
        const QWidget* control = mstartup::control(window, findings[i].control);
        if (const AnswerDialog* dialog = control != nullptr ? answerDialogOf(*control) : nullptr) {
            buttons::Finding onOpener = findings[i];
            onOpener.control = dialog->place().opener;
            findings.push_back(std::move(onOpener));
        }
    }
    return findings;
}

} // namespace

FrmStartup::FrmStartup(objectmodel::Application* editor, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::FrmStartup>()), editor_(editor), marks_(*this) {
    // Its size is fixed: no maximize button. Without CustomizeWindowHint the platform may put
    // back the buttons of an ordinary window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    ui_->setupUi(this);
    placePanels();
    createAnswerDialogs();
    connectPages();
    connectAnswerEdits();
    load();
    extras::attach(this, editor);
    setUpKeyboard();
}

FrmStartup::~FrmStartup() = default;

buttons::Context FrmStartup::writerContext() const {
    const auto* sandbox = named<QCheckBox>(*this, "chkSandbox");
    return {.account = account_.toStdString(),
            .buildCode = buildCode_,
            .endpoints = sandbox != nullptr && sandbox->isChecked() ? buttons::Endpoints::sandbox()
                                                                    : buttons::Endpoints{}};
}

void FrmStartup::placePanels() {
    ui_->Image1->setGeometry(toPixels(layout::kLogo));
    ui_->Image1->setPixmap(logoPicture());
    ui_->Image1->setLink(true);
    ui_->Image1->setAccessibleName(tr("Maker's web site"));
    ui_->lblTitle->setGeometry(toPixels(layout::kTitle));
    ui_->Label26->setGeometry(toPixels(layout::kSubtitle));
    ui_->Label26->setLink(true);
    ui_->frmMain->setGeometry(toPixels(layout::kWelcome));
    ui_->btnFirstTime->setGeometry(toPixels(layout::kFirstTime));
    ui_->btnStart->setGeometry(toPixels(layout::kStart));
    ui_->lblStepProblem->setGeometry(toPixels(layout::kStepProblem));
    ui_->lblGoToStep->setGeometry(toPixels(layout::kGoToStep));
    ui_->lblGoToStep->setLink(true);
    ui_->TabStrip1->setGeometry(toPixels(layout::kTabStrip));
    ui_->TabStrip1->setAutoFillBackground(true); // it hides the advertising panel below it
    auto* tabStyle = new CompactTabStyle(style()->name());
    tabStyle->setParent(ui_->TabStrip1->tabBar());
    ui_->TabStrip1->tabBar()->setStyle(tabStyle);
    ui_->TabStrip1->hide();
    ui_->TabStrip1->setAccessibleName(tr("Button type"));
    ui_->TabStrip1->tabBar()->setAccessibleName(tr("Button type"));
    ui_->btnPleaseDonate->setGeometry(toPixels(layout::kPleaseDonate));
    ui_->btnAbout->setGeometry(toPixels(layout::kMerchantSignup));
    ui_->btnOther->setGeometry(toPixels(layout::kOtherSoftware));

    if (QFrame* advertising = createPanel("grpPage_0", ui_->frmMain)) {
        advertising->move(toPixels(layout::kAdvertising).topLeft());
        advertising->show();
    }
    // The tab strip lies over the welcome panel, the panels over the tab strip.
    ui_->frmMain->lower();
    for (std::string_view name : kStackedPanels) {
        QFrame* panel = createPanel(name, this);
        if (panel == nullptr) {
            qWarning("ravelin: the wizard has no panel %s", qstr(name).toUtf8().constData());
            continue;
        }
        // Panels lie over one another: each hides what is below it.
        panel->setAutoFillBackground(true);
        panel->move(pixels(layout::kPageLeft), pixels(layout::kPageTop));
        panel->hide();
        panel->raise();
    }
}

void FrmStartup::createAnswerDialogs() {
    for (const DialogPlace& place : kAnswerDialogs) {
        auto* dialog = new AnswerDialog(place, this);
        dialog->hide();
    }
}

void FrmStartup::connectPages() {
    connect(ui_->btnStart, &QAbstractButton::clicked, this, &FrmStartup::startClicked);
    if (const auto* link = named<QAbstractButton>(*this, "btnPaymentLink")) {
        linkCaption_ = link->text();
        linkAccessibleName_ = link->accessibleName();
        linkWidth_ = link->minimumWidth();
    }
    if (auto* email = named<QLineEdit>(*this, "txtEmail")) {
        connect(email, &QLineEdit::textEdited, this, [this] { accountFromButton_.reset(); });
    }
    connect(ui_->btnFirstTime, &QAbstractButton::clicked, this, &FrmStartup::firstTimeClicked);

    // A tab is selected by a click on another tab, a click on the selected one, or the
    // keyboard. The handler runs after the tab strip has finished with the mouse or key, so
    // that the message it may show does not interrupt the tab strip's own event.
    QTabWidget* tabs = ui_->TabStrip1;
    auto select = [this](int position) {
        QMetaObject::invokeMethod(
            this, [this, position] { tabStripClicked(position + 1); }, Qt::QueuedConnection);
    };
    connect(tabs, &QTabWidget::currentChanged, this, select);
    connect(tabs, &QTabWidget::tabBarClicked, this, [tabs, select](int position) {
        if (position >= 0 && position == tabs->currentIndex()) {
            select(position);
        }
    });

    for (const ButtonTab& tab : kButtonTabs) {
        const QString suffix = qstr(tab.suffix);
        if (auto* next = findChild<QAbstractButton*>("btnNext" + suffix)) {
            connect(next, &QAbstractButton::clicked, this, [this, &tab] { nextClicked(tab); });
        }
        if (auto* previous = findChild<QAbstractButton*>("btnPrev" + suffix)) {
            connect(previous, &QAbstractButton::clicked, this,
                    [this, &tab] { previousClicked(tab); });
        }
        if (auto* finish = findChild<QAbstractButton*>("btnFinish" + suffix)) {
            connect(finish, &QAbstractButton::clicked, this,
                    [this, &tab] { insertHtmlClicked(tab); });
        }
        if (auto* copy = findChild<QAbstractButton*>("btnCopy" + suffix)) {
            connect(copy, &QAbstractButton::clicked, this, [this, &tab] { copyHtmlClicked(tab); });
            // Ctrl+Shift+C as well, while the button is shown and enabled: the shortcut belongs
            // to it.
            auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), copy);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, copy, &QAbstractButton::click);
        }
    }

    // A click on a standard button picture selects its option and disables the address box.
    for (const ImageGroup& group : kImageGroups) {
        for (int i = 0; i < group.standard(); ++i) {
            const QString index = '_' + QString::number(i);
            auto* image = findChild<common::ClickLabel*>(qstr(group.images()) + index);
            auto* option = findChild<QAbstractButton*>(qstr(group.options) + index);
            QWidget* box = mstartup::control(*this, group.addressBox);
            if (image == nullptr || option == nullptr) {
                continue;
            }
            connect(image, &common::ClickLabel::clicked, this, [option, box] {
                option->setChecked(true);
                if (box != nullptr) {
                    box->setEnabled(false);
                }
            });
        }
    }

    connect(ui_->lblGoToStep, &common::ClickLabel::clicked, this, [this] {
        if (const std::optional<StepBack> back = stepBack_) {
            goToStep(*back->tab, back->step, back->control);
        }
    });
    // Item options and Advanced variables: a push button on a borrowed page opens the dialog
    // of the tab in use.
    std::vector<std::string_view> openers;
    for (const DialogPlace& place : kAnswerDialogs) {
        if (std::ranges::find(openers, place.opener) != openers.end()) {
            continue;
        }
        openers.push_back(place.opener);
        if (auto* opener = named<QAbstractButton>(*this, place.opener)) {
            connect(opener, &QAbstractButton::clicked, this,
                    [this, name = place.opener] { openAnswerDialog(name); });
        }
    }

    if (auto* protect = named<QAbstractButton>(*this, "btnProtect")) {
        connect(protect, &QAbstractButton::clicked, this, &FrmStartup::protectClicked);
    }
    if (auto* link = named<QAbstractButton>(*this, "btnPaymentLink")) {
        connect(link, &QAbstractButton::clicked, this, &FrmStartup::paymentLinkClicked);
    }
    if (auto* sandbox = named<QCheckBox>(*this, "chkSandbox")) {
        connect(sandbox, &QCheckBox::toggled, this, &FrmStartup::sandboxToggled);
    }

    // Address, note and payment-count boxes are enabled exactly while their option is
    // selected: selecting another option of the group turns the enabling one off.
    for (const DependentBox& dependent : kDependentBoxes) {
        auto* option = named<QAbstractButton>(*this, dependent.option());
        QWidget* box = mstartup::control(*this, dependent.box);
        if (option == nullptr || box == nullptr) {
            continue;
        }
        box->setEnabled(option->isChecked());
        connect(option, &QAbstractButton::toggled, box, &QWidget::setEnabled);
    }
}

void FrmStartup::setUpKeyboard() {
    // Tab goes as the eye does: the title line, the start buttons, the advertising links, the
    // tab strip, the fields of the page shown, its Previous, Next and Insert HTML, then the
    // bottom row. Whatever is hidden or lies under another panel is passed over.
    std::vector<QWidget*> order = {ui_->Image1, ui_->Label26, ui_->btnFirstTime, ui_->btnStart,
                                   ui_->lblGoToStep};
    std::vector<QWidget*> navigation;
    for (const ButtonTab& tab : kButtonTabs) {
        for (const char* button : {"btnCopy", "btnPrev", "btnNext", "btnFinish"}) {
            if (QWidget* control = findChild<QWidget*>(button + qstr(tab.suffix))) {
                navigation.push_back(control);
            }
        }
    }
    auto appendControlsOf = [&](std::string_view name) {
        const QWidget* panel = mstartup::control(*this, name);
        if (panel == nullptr) {
            return;
        }
        for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
            if (panel->isAncestorOf(w) && w->focusPolicy() != Qt::NoFocus &&
                w->focusProxy() == nullptr &&
                std::find(navigation.begin(), navigation.end(), w) == navigation.end()) {
                order.push_back(w);
            }
        }
    };
    appendControlsOf("grpPage_0");
    order.push_back(ui_->TabStrip1->tabBar());
    for (std::string_view name : kStackedPanels) {
        appendControlsOf(name);
    }
    order.insert(order.end(), navigation.begin(), navigation.end());
    order.insert(order.end(), {ui_->btnPleaseDonate, ui_->btnAbout, ui_->btnOther});
    focus::chain(order);

    for (auto [keys, step] :
         {std::pair{QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Tab),
                                        QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
                    1},
          std::pair{QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                        QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
                    -1}}) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, step = step] { selectNeighbourTab(step); });
    }
    common::useDesktopKeys(this);
    // The window opens with the focus on the way to building buttons.
    ui_->btnStart->setFocus();
}

bool FrmStartup::focusNextPrevChild(bool next) {
    if (QWidget* stop = focus::nextStop(*this, next)) {
        stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

void FrmStartup::selectNeighbourTab(int step) {
    QTabWidget* tabs = ui_->TabStrip1;
    if (!tabs->isVisible() || tabs->count() == 0) {
        return; // nobody could click a tab of a hidden strip
    }
    // As a click on that tab: the selection runs the address check and shows its page.
    tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
}

void FrmStartup::focusPage(std::string_view panel) {
    if (const QWidget* page = mstartup::control(*this, panel)) {
        focus::focusFirstField(*page);
    }
}

void FrmStartup::connectAnswerEdits() {
    // Every answer box and option of the pages; the result boxes are not answers.
    for (auto* line : findChildren<QLineEdit*>()) {
        connect(line, &QLineEdit::textChanged, this, &FrmStartup::updateFindings);
    }
    for (auto* combo : findChildren<QComboBox*>()) {
        connect(combo, &QComboBox::currentTextChanged, this, &FrmStartup::updateFindings);
    }
    for (auto* option : findChildren<QAbstractButton*>(QRegularExpression("^opt"))) {
        connect(option, &QAbstractButton::toggled, this, &FrmStartup::updateFindings);
    }
    for (auto* dialog : findChildren<AnswerDialog*>()) {
        for (auto* box : dialog->findChildren<QPlainTextEdit*>()) {
            connect(box, &QPlainTextEdit::textChanged, this, &FrmStartup::updateFindings);
        }
    }
}

void FrmStartup::load() {
    buildCode_ = buttons::buildCode(version::kMajor, version::kMinor, version::kRevision);
    account_ = common::readSetting(common::kAccountSettingApp, common::kAccountSettingSection,
                                   common::kAccountSettingKey);
    const QString product = qstr(version::kProductName);
    setWindowTitle(product);
    ui_->lblTitle->setText(product);
    setFixedSize(pixels(layout::kClientWidth), pixels(layout::kClientHeight));

    if (auto* sandbox = named<QCheckBox>(*this, "chkSandbox")) {
        const QSignalBlocker quiet(sandbox); // reading the setting is no reason to write it
        sandbox->setChecked(storedSandbox());
    }
    showProtection();

    extras::scheduleUpdateCheck(this);
}

void FrmStartup::startClicked() {
    hideStepProblem();
    if (QWidget* examples = mstartup::control(*this, "frmExamples")) {
        examples->hide();
    }
    ui_->TabStrip1->show();
    mstartup::pageReset(*this);
    showPanel(kSetupPanel);
    if (auto* email = named<QLineEdit>(*this, "txtEmail")) {
        email->setText(account_);
    }
    focusPage(kSetupPanel);
}

void FrmStartup::firstTimeClicked() {
    hideStepProblem();
    ui_->TabStrip1->hide();
    if (QWidget* examples = mstartup::control(*this, "frmExamples")) {
        examples->setGeometry(pixels(layout::kExamplesLeft), pixels(layout::kExamplesTop), width(),
                              pixels(layout::kExamplesHeight));
        examples->show();
    }
    mstartup::pageReset(*this);
    focusPage("frmExamples");
}

void FrmStartup::tabStripClicked(int index) {
    const ButtonTab* tab = buttonTab(index);
    if (tab != nullptr) {
        auto* email = named<QLineEdit>(*this, "txtEmail");
        account_ = email != nullptr ? email->text() : QString();
        if (account_.isEmpty()) {
            if (auto* label = named<QWidget>(*this, "lblEmail")) {
                QPalette palette = label->palette();
                palette.setColor(QPalette::WindowText, kMissingAddressRed);
                label->setPalette(palette);
            }
            common::showMessage(tr("Please enter your PayPal payment email address."),
                                common::MessageButtons::Ok, common::MessageIcon::None, {}, this);
            if (email != nullptr) {
                email->setFocus();
            }
            return;
        }
    }
    hideStepProblem();
    if (tab != nullptr) {
        // A new walk: findings show again as its pages are left.
        marks_.clear();
        lastTab_ = tab;
    }
    mstartup::pageReset(*this);
    // A failed write leaves the address held by the window; it is written again at the next
    // tab selection. An address that came with the button the window was opened on is the
    // seller's only once she types it.
    if (account_ != accountFromButton_) {
        tellWhenNotStored(tr("The account address"),
                          common::writeSetting(common::kAccountSettingApp,
                                               common::kAccountSettingSection,
                                               common::kAccountSettingKey, account_));
    }
    showPanel(tab != nullptr ? tab->panels[0] : kSetupPanel);
    page_ = 1;
    if (tab != nullptr) {
        setButtonStates(*tab);
    }
    focusPage(tab != nullptr ? tab->panels[0] : kSetupPanel);
}

void FrmStartup::nextClicked(const ButtonTab& tab) {
    const std::optional<PageStep> step = nextStep(tab, page_);
    if (!step) {
        return;
    }
    const int left = page_;
    hideStepProblem();
    page_ = static_cast<qint16>(step->page);
    setButtonStates(tab);
    if (step->runsWriter) {
        writeResult(tab);
    }
    showPanel(step->show);
    hidePanel(step->hide);
    focusPage(step->show);
    markFindings(tab);
    tellStepProblem(tab, left);
}

void FrmStartup::previousClicked(const ButtonTab& tab) {
    const std::optional<PageStep> step = previousStep(tab, page_);
    if (!step) {
        return;
    }
    hideStepProblem();
    hidePanel(step->hide);
    showPanel(step->show);
    page_ = static_cast<qint16>(step->page);
    setButtonStates(tab);
    focusPage(step->show);
}

void FrmStartup::insertHtmlClicked(const ButtonTab& tab) {
    auto* box = named<QPlainTextEdit>(*this, tab.htmlBox);
    if (box == nullptr) {
        return;
    }
    if (!confirmInsertDespiteErrors(tab)) {
        return;
    }
    putInPage(mstartup::boxText(*box));
}

void FrmStartup::putInPage(const QString& html) {
    objectmodel::IHTMLDocument2* document =
        editor_ != nullptr ? editor_->ActiveDocument() : nullptr;
    if (!editing_ || document == nullptr) {
        objectmodel::pasteHTML(editor_, html);
        return;
    }
    common::Result<ButtonInPage> replaced = replaceButton(*document, *editing_, html);
    if (!replaced) {
        common::showMessage(replaced.error(), common::MessageButtons::Ok, common::MessageIcon::None,
                            {}, this);
        return;
    }
    editing_ = std::move(*replaced);
}

void FrmStartup::openOnSelectedButton() {
    objectmodel::IHTMLDocument2* document =
        editor_ != nullptr ? editor_->ActiveDocument() : nullptr;
    const bool wasEditing = editing_.has_value();
    editing_ = document != nullptr ? buttonAtSelection(*document) : std::nullopt;
    // A payment link begun for a button starts afresh for another place; one begun for the
    // selection point keeps what was typed.
    if (wasEditing || editing_) {
        delete paymentLink_.data();
    }
    if (auto* link = named<QAbstractButton>(*this, "btnPaymentLink")) {
        link->setText(editing_ ? tr("&Replace with a PayPal payment link…") : linkCaption_);
        link->setAccessibleName(editing_ ? tr("Replace with a PayPal payment link")
                                         : linkAccessibleName_);
        // The longer caption takes its room from the free space beside it.
        link->setMinimumWidth(linkWidth_);
        link->setMaximumWidth(linkWidth_);
        if (editing_) {
            link->setMaximumWidth(QWIDGETSIZE_MAX);
            link->setMinimumWidth(std::max(linkWidth_, link->sizeHint().width()));
        }
    }
    if (!editing_) {
        return;
    }
    const buttons::FoundButton& found = editing_->found;
    startClicked();
    account_ = QString::fromStdString(found.account);
    accountFromButton_ = account_;
    if (auto* email = named<QLineEdit>(*this, "txtEmail")) {
        email->setText(account_);
    }
    if (auto* sandbox = named<QCheckBox>(*this, "chkSandbox")) {
        const QSignalBlocker quiet(sandbox); // the seller's stored choice stays hers
        sandbox->setChecked(found.sandbox);
    }
    mstartup::showAnswers(*this, found.answers);

    const ButtonTab* opened = nullptr;
    buttons::withButtonType(found.type, [&]<typename Type>() {
        for (const ButtonTab& tab : kButtonTabs) {
            opened = tab.suffix == Type::kSuffix ? &tab : opened;
        }
    });
    if (opened != nullptr && !found.account.empty()) {
        {
            const QSignalBlocker quiet(ui_->TabStrip1); // the tab is selected here, at once
            ui_->TabStrip1->setCurrentIndex(static_cast<int>(opened->tab) - 1);
        }
        tabStripClicked(static_cast<int>(opened->tab));
    }

    QStringList said;
    said << tr("Editing the button on line %1 of the page: Insert HTML puts the new one in its "
               "place.")
                .arg(found.line);
    if (found.encrypted) {
        said << tr("It is encrypted, so its answers could not be read: give them again.");
    }
    if (found.type == buttons::BuyNow::kName || found.type == buttons::AddToCart::kName) {
        said << tr("PayPal calls these buttons a legacy integration: the Setup page can replace "
                   "it with a PayPal payment link.");
    }
    for (const std::string& note : found.notes) {
        said << QString::fromStdString(note);
    }
    const QString line = said.join(QLatin1Char(' '));
    QLabel* shown = ui_->lblStepProblem;
    shown->setText(shown->fontMetrics().elidedText(line, Qt::ElideRight, shown->width()));
    shown->setToolTip(line);
    shown->setAccessibleName(line);
    shown->show();
    ui_->lblGoToStep->hide();
    stepBack_.reset();
}

void FrmStartup::copyHtmlClicked(const ButtonTab& tab) {
    auto* box = named<QPlainTextEdit>(*this, tab.htmlBox);
    if (box == nullptr) {
        return;
    }
    QGuiApplication::clipboard()->setText(mstartup::boxText(*box));
    if (auto* copied = findChild<QLabel*>("lblCopied" + qstr(tab.suffix))) {
        copied->setText(tr("Copied to the clipboard."));
        copied->show();
    }
}

void FrmStartup::protectClicked() {
    auto* dialog = new FrmProtect(storedProtection(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const Protection chosen = dialog->protection();
        if (chosen.privateKey != storedProtection().privateKey) {
            passphrase_.reset(); // another key, another passphrase
            keyWarningShown_ = false;
        }
        tellWhenNotStored(tr("The encryption settings"), storeProtection(chosen));
        showProtection();
    });
    dialog->open();
}

void FrmStartup::paymentLinkClicked() {
    if (paymentLink_ == nullptr) {
        buttons::PaymentLinkAnswers start;
        if (editing_) {
            // The link takes the words of the button it replaces.
            buttons::withReadAnswers(editing_->found, [&]<typename Type>(const auto& answers) {
                for (const auto& key : Type::kKeys) {
                    if (key.text != nullptr && key.name.starts_with("txtItemName")) {
                        start.txtLinkTextPL = answers.*key.text;
                    }
                }
            });
        }
        paymentLink_ = new FrmPaymentLink(start, this);
        if (editing_) {
            paymentLink_->setWindowTitle(tr("Replace with a PayPal payment link"));
        }
        connect(paymentLink_, &FrmPaymentLink::insertHtml, this, &FrmStartup::putInPage);
    }
    paymentLink_->open();
}

void FrmStartup::openAnswerDialog(std::string_view opener) {
    const DialogPlace* place =
        lastTab_ != nullptr ? dialogPlace(opener, lastTab_->suffix) : nullptr;
    if (place == nullptr) {
        return;
    }
    if (auto* dialog = named<AnswerDialog>(*this, place->name())) {
        dialog->open();
    }
}

void FrmStartup::sandboxToggled(bool checked) {
    tellWhenNotStored(tr("The sandbox choice"), storeSandbox(checked));
}

void FrmStartup::tellWhenNotStored(const QString& what, const common::Result<void>& stored) {
    if (stored || settingsProblemShown_) {
        return;
    }
    settingsProblemShown_ = true;
    common::showMessage(tr("%1 could not be kept for the next time: %2. The wizard goes on "
                           "with it; later failures to keep a setting are not told again.")
                            .arg(what, stored.error()),
                        common::MessageButtons::Ok, common::MessageIcon::None, {}, this);
}

void FrmStartup::showProtection() {
    if (auto* label = named<QLabel>(*this, "lblProtect")) {
        const Protection protection = storedProtection();
        label->setText(protection.encrypt ? tr("Encrypted with ID %1").arg(protection.certificateId)
                                          : QString());
    }
}

void FrmStartup::writeResult(const ButtonTab& tab) {
    const buttons::Button plain = mstartup::makeButton(tab, *this, writerContext());
    const Protection protection = storedProtection();
    const std::time_t now = std::time(nullptr);
    Sealed sealed = seal(plain, protection, passphrase_, now);
    if (sealed.keyProblem == crypto::KeyProblem::PassphraseNeeded) {
        passphrase_ = askPassphrase(protection.privateKey, this);
        if (passphrase_) {
            sealed = seal(plain, protection, passphrase_, now);
        }
    }
    if (sealed.keyProblem == crypto::KeyProblem::PassphraseNeeded ||
        sealed.keyProblem == crypto::KeyProblem::WrongPassphrase) {
        passphrase_.reset(); // asked again for the next button
    }

    if (!sealed.button) {
        mstartup::showButton(tab, *this, {});
        for (const char* button : {"btnFinish", "btnCopy"}) {
            if (auto* widget = findChild<QWidget*>(button + qstr(tab.suffix))) {
                widget->setEnabled(false);
            }
        }
        common::showMessage(sealed.problem, common::MessageButtons::Ok, common::MessageIcon::None,
                            {}, this);
        return;
    }
    mstartup::showButton(tab, *this, *sealed.button);
    if (!sealed.warnings.isEmpty() && !keyWarningShown_) {
        keyWarningShown_ = true;
        common::showMessage(sealed.warnings.join('\n'), common::MessageButtons::Ok,
                            common::MessageIcon::None, {}, this);
    }
}

void FrmStartup::markFindings(const ButtonTab& tab) {
    // The pages left: the Setup page (its address was taken at the tab selection) and the
    // type's panels before the page now shown.
    std::vector<const QWidget*> left;
    if (const QWidget* setup = mstartup::control(*this, kSetupPanel)) {
        left.push_back(setup);
    }
    for (int k = 1; k < page_ && k <= static_cast<int>(tab.panels.size()); ++k) {
        if (const QWidget* panel = mstartup::control(*this, tab.panels[k - 1])) {
            left.push_back(panel);
        }
    }
    // A control of a dialog shows its finding once the page with the dialog's push button is
    // left, and so does that push button.
    marks_.mark(withDialogOpeners(*this, mstartup::checkButton(tab, *this, account_.toStdString())),
                [this, &left](const QWidget& control) {
                    const QWidget* onPage = &control;
                    if (const AnswerDialog* dialog = answerDialogOf(control)) {
                        onPage = mstartup::control(*this, dialog->place().opener);
                    }
                    return onPage != nullptr &&
                           std::ranges::any_of(left, [onPage](const QWidget* panel) {
                               return panel->isAncestorOf(onPage);
                           });
                });
}

void FrmStartup::updateFindings() {
    if (marks_.isEmpty() || lastTab_ == nullptr) {
        return;
    }
    // While the Setup page is shown the address box may hold a new address.
    auto* email = named<QLineEdit>(*this, "txtEmail");
    const QString account = email != nullptr && email->isVisible() ? email->text() : account_;
    marks_.update(
        withDialogOpeners(*this, mstartup::checkButton(*lastTab_, *this, account.toStdString())));
}

bool FrmStartup::confirmInsertDespiteErrors(const ButtonTab& tab) {
    const buttons::Findings findings = mstartup::checkButton(tab, *this, account_.toStdString());
    if (!buttons::hasErrors(findings)) {
        return true;
    }
    common::Message message;
    message.prompt = tr("PayPal will refuse or misread this button:") + '\n';
    message.buttons = common::MessageButtons::YesNoDefaultNo;
    const buttons::Finding* first = nullptr;
    for (const buttons::Finding& finding : findings) {
        if (finding.severity != buttons::Severity::Error) {
            continue;
        }
        const int step = stepOf(tab, finding.control);
        const QString sentence = findingText(finding);
        message.prompt +=
            QStringLiteral("\n- ") +
            (step > 0 ? tr("Step %1: %2").arg(QString::number(step), sentence) : sentence);
        if (first == nullptr && step > 0) {
            first = &finding;
        }
    }
    message.prompt += QStringLiteral("\n\n") + tr("Insert it anyway?");
    const int firstStep = first != nullptr ? stepOf(tab, first->control) : 0;
    if (firstStep > 0) {
        message.otherButton = tr("Go to step %1").arg(firstStep);
    }
    switch (common::showMessage(message, this)) {
    case common::MessageAnswer::Yes:
        return true;
    case common::MessageAnswer::Other:
        goToStep(tab, firstStep, first->control);
        return false;
    default:
        return false;
    }
}

int FrmStartup::stepOf(const ButtonTab& tab, std::string_view control) const {
    // An option group's finding names the group; its options are NAME_0, NAME_1, ...
    const QWidget* widget = mstartup::control(*this, control);
    if (widget == nullptr) {
        widget = mstartup::control(*this, std::string(control) + "_0");
    }
    if (widget == nullptr) {
        return 0;
    }
    if (const QWidget* setup = mstartup::control(*this, kSetupPanel);
        setup != nullptr && setup->isAncestorOf(widget)) {
        return 1;
    }
    for (int page = 1; page <= tab.resultPage; ++page) {
        if (const QWidget* panel = mstartup::control(*this, tab.panels[page - 1]);
            panel != nullptr && panel->isAncestorOf(widget)) {
            return page + 1;
        }
    }
    return 0;
}

void FrmStartup::tellStepProblem(const ButtonTab& tab, int page) {
    const QWidget* panel = page >= 1 && page <= tab.resultPage
                               ? mstartup::control(*this, tab.panels[page - 1])
                               : nullptr;
    if (panel == nullptr) {
        return;
    }
    for (const buttons::Finding& finding :
         mstartup::checkButton(tab, *this, account_.toStdString())) {
        if (finding.severity != buttons::Severity::Error ||
            stepOf(tab, finding.control) != page + 1) {
            continue;
        }
        const QString line =
            tr("Step %1 has a problem: %2").arg(QString::number(page + 1), findingText(finding));
        QLabel* problem = ui_->lblStepProblem;
        problem->setText(problem->fontMetrics().elidedText(line, Qt::ElideRight, problem->width()));
        problem->setToolTip(line);
        problem->setAccessibleName(line);
        ui_->lblGoToStep->setText(tr("Go to step %1").arg(page + 1));
        problem->show();
        ui_->lblGoToStep->show();
        stepBack_ = StepBack{&tab, page + 1, std::string(finding.control)};
        return;
    }
}

void FrmStartup::hideStepProblem() {
    ui_->lblStepProblem->hide();
    ui_->lblGoToStep->hide();
    stepBack_.reset();
}

void FrmStartup::goToStep(const ButtonTab& tab, int step, std::string_view control) {
    hideStepProblem();
    if (step == 1) {
        ui_->TabStrip1->setCurrentIndex(static_cast<int>(Tab::Setup) - 1);
        return; // the Setup page shows with the focus in its address box
    }
    const int page = step - 1;
    if (page < 1 || page > tab.resultPage) {
        return;
    }
    if (page_ != page) {
        if (page_ > 1 && page_ <= tab.resultPage) {
            hidePanel(tab.panels[page_ - 1]);
        }
        showPanel(tab.panels[page - 1]);
        page_ = static_cast<qint16>(page);
        setButtonStates(tab);
    }
    QWidget* widget = mstartup::control(*this, control);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && combo->isEditable()) {
        widget = combo->lineEdit();
    }
    if (widget != nullptr && widget->isEnabled() && focus::inSight(*widget)) {
        widget->setFocus(Qt::OtherFocusReason);
    } else {
        focusPage(tab.panels[page - 1]);
    }
}

void FrmStartup::showPanel(std::string_view name) {
    if (QWidget* panel = mstartup::control(*this, name)) {
        panel->move(pixels(layout::kPageLeft), pixels(layout::kPageTop));
        panel->show();
    }
}

void FrmStartup::hidePanel(std::string_view name) {
    if (name.empty()) {
        return;
    }
    if (QWidget* panel = mstartup::control(*this, name)) {
        panel->hide();
    }
}

void FrmStartup::setButtonStates(const ButtonTab& tab) {
    const ButtonStates states = buttonStates(tab, page_);
    const QString suffix = qstr(tab.suffix);
    if (auto* previous = findChild<QWidget*>("btnPrev" + suffix)) {
        previous->setEnabled(states.previous);
    }
    // Enter in a one-line box presses the page's way on: Next, or Insert HTML on the result
    // page.
    if (auto* next = findChild<QPushButton*>("btnNext" + suffix)) {
        next->setEnabled(states.next);
        next->setDefault(states.next);
    }
    if (auto* finish = findChild<QPushButton*>("btnFinish" + suffix)) {
        finish->setEnabled(states.insertHtml);
        finish->setDefault(!states.next && states.insertHtml);
    }
    // Copy HTML belongs to the result page; what it said of a copy goes with the page.
    if (auto* copy = findChild<QWidget*>("btnCopy" + suffix)) {
        copy->setVisible(page_ == tab.resultPage);
        copy->setEnabled(true);
    }
    if (auto* copied = findChild<QWidget*>("lblCopied" + suffix)) {
        copied->hide();
    }
}

} // namespace ravelin::wizard
