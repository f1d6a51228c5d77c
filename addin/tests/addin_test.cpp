// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The add-in in the page editor, end to end: the real library, registered by regsvr, loaded
// by the editor from its registration, and its wizard pasting into the editor's page.
#include "addin/tests/editorfixture.h"
#include "buttons/examples.h"
#include "buttons/tests/examples.h"
#include "common/settings.h"
#include "editor/addinsdialog.h"
#include "editor/pagefile.h"
#include "extras/samples.h"
#include "objectmodel/com.h"
#include "ravelin/version.h"
#include "wizard/driver.h"
#include "wizard/mstartup.h"
#include "wizard/tabs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibrary>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QWindow>

namespace ravelin::addin::testing {
namespace {

namespace driver = wizard::driver;

const QString kAccount = QStringLiteral("seller@example.com");
const QString kProgId = QStringLiteral("RAVELIN.template");

// The worked example's HTML, written out, for the test's account and this release.
QString workedExampleHtml() {
    return QString::fromStdString(buttons::testing::exampleButton<buttons::BuyNow>(
                                      kAccount.toStdString(), version::kBuildCode)
                                      .html);
}

class AddinTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        registerAddin();
    }

    QWidget& openWizard() {
        wizardCommand()->trigger();
        settle();
        const auto open = wizards();
        EXPECT_EQ(open.size(), 1U);
        return *open.front();
    }

    // Walks the Buy Now tab to its result page with the worked example's answers.
    QWidget& walkBuyNow() {
        QWidget& wizard = openWizard();
        EXPECT_TRUE(driver::click(wizard, "btnStart"));
        EXPECT_TRUE(driver::type(wizard, "txtEmail", kAccount));
        EXPECT_TRUE(driver::selectTab(wizard, static_cast<int>(wizard::Tab::BuyNow)));
        const auto& tab = wizard::tabOf<buttons::BuyNow>();
        const common::Result<void> walked = driver::walk(
            wizard, tab,
            driver::answersFor<buttons::BuyNow>(buttons::workedExample<buttons::BuyNow>()));
        EXPECT_TRUE(walked) << walked.error().toStdString();
        return wizard;
    }

    // The page as its file would hold it.
    QString savedText() const { return editor->page().text; }

    static QString mstartupText(const QWidget& wizard, std::string_view name) {
        return wizard::mstartup::controlText(wizard, name);
    }

    int wizardCommands() const { return static_cast<int>(insertMenu().count(kMenuCaption)); }
};

TEST_F(AddinTest, TheEditorStartsOnABlankPageWithTheWizardCommandAtTheEndOfTheInsertMenu) {
    start();

    EXPECT_TRUE(prompts->errors.empty());
    EXPECT_EQ(insertMenu(), (QStringList{QStringLiteral("Line &Break"),
                                         QStringLiteral("&Horizontal Line"), kMenuCaption}));
    EXPECT_EQ(editor->page(), editor::blankPage());
    EXPECT_EQ(pageBox().textCursor().position(), editor::blankPageCaret());
    EXPECT_TRUE(wizards().empty());
}

TEST_F(AddinTest, TriggeringTheCommandTwiceShowsOneModelessWizardWindowWithoutOwner) {
    start();
    wizardCommand()->trigger();
    settle();
    const auto first = wizards();
    wizardCommand()->trigger();
    settle();

    ASSERT_EQ(first.size(), 1U);
    EXPECT_EQ(wizards(), first);
    EXPECT_EQ(first.front()->parentWidget(), nullptr);
    EXPECT_FALSE(first.front()->isModal());
    EXPECT_TRUE(editor->isEnabled()) << "the editor stays usable beside the wizard";
}

class WizardPlacement : public AddinTest, public ::testing::WithParamInterface<QRect> {};

TEST_P(WizardPlacement, OpensCentredOverTheEditorAndKeptAboveIt) {
    start();
    editor->setGeometry(GetParam());
    settle();
    wizardCommand()->trigger();
    settle();
    ASSERT_EQ(wizards().size(), 1U);
    QWidget* wizard = wizards().front();

    const QPoint offset = wizard->frameGeometry().center() - editor->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4)
        << "the wizard's centre is " << offset.x() << ", " << offset.y() << " off the editor's";
    ASSERT_NE(wizard->windowHandle(), nullptr);
    EXPECT_EQ(wizard->windowHandle()->transientParent(), editor->windowHandle())
        << "the window manager keeps it above the editor";
    EXPECT_EQ(wizard->windowType(), Qt::Dialog) << "the type kept above another window";
    EXPECT_TRUE(wizard->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(wizard->parentWidget(), nullptr) << "still without owner";
    EXPECT_FALSE(wizard->isModal());
}

INSTANTIATE_TEST_SUITE_P(EditorWindows, WizardPlacement,
                         ::testing::Values(QRect(60, 40, 640, 520), QRect(150, 70, 600, 500),
                                           QRect(0, 0, 760, 580)));

TEST_F(AddinTest, TheCommandKeepsTheOpenWizardsPageAndMakesANewOneAfterItWasClosed) {
    start();
    QWidget& wizard = openWizard();
    ASSERT_TRUE(driver::click(wizard, "btnStart"));
    ASSERT_TRUE(driver::type(wizard, "txtEmail", kAccount));
    wizard.showMinimized();

    wizardCommand()->trigger();
    settle();
    ASSERT_EQ(wizards(), std::vector<QWidget*>{&wizard});
    EXPECT_FALSE(wizard.isMinimized());
    EXPECT_EQ(wizard.findChild<QLineEdit*>(QStringLiteral("txtEmail"))->text(), kAccount);

    wizard.close();
    wizardCommand()->trigger(); // before the closed window is gone
    settle();
    const auto reopened = wizards();
    ASSERT_EQ(reopened.size(), 1U);
    EXPECT_TRUE(reopened.front()->findChild<QWidget*>(QStringLiteral("btnStart"))->isVisible())
        << "a new window opens on its welcome panel";
}

TEST_F(AddinTest, ABuyNowWalkPutsExactlyTheWritersHtmlAtTheCaretOfThePage) {
    start();
    const QString before = savedText();
    const qsizetype caret = pageBox().textCursor().position();
    // The blank page's lines end in CR LF.
    const qsizetype savedCaret =
        shownText().left(caret).replace(QLatin1Char('\n'), QLatin1String("\r\n")).size();

    QWidget& wizard = walkBuyNow();
    ASSERT_TRUE(driver::click(wizard, "btnFinishBN"));

    const QString html = workedExampleHtml();
    EXPECT_EQ(savedText(), before.left(savedCaret) + html + before.mid(savedCaret));
    EXPECT_EQ(pageBox().textCursor().position(), caret + lines(html).size())
        << "the caret follows the button";
    EXPECT_TRUE(editor->isModified());
    EXPECT_EQ(wizards(), std::vector<QWidget*>{&wizard}) << "the wizard stays open";
    EXPECT_TRUE(prompts->errors.empty());

    pageBox().undo();
    EXPECT_EQ(savedText(), before) << "the paste is one edit";
}

TEST_F(AddinTest, WithTextSelectedInsertHtmlReplacesIt) {
    start();
    setPage(QStringLiteral("<p>Our gnomes: PLACE HERE</p>\n"), 15, 25);

    QWidget& wizard = walkBuyNow();
    ASSERT_TRUE(driver::click(wizard, "btnFinishBN"));

    EXPECT_EQ(shownText(), QStringLiteral("<p>Our gnomes: ") + lines(workedExampleHtml()) +
                               QStringLiteral("</p>\n"));
}

TEST_F(AddinTest, OnAButtonOfThePageTheWizardEditsItAndOneUndoGivesThePageBack) {
    start();
    const buttons::Context context{.account = "gnomes@example.com",
                                   .buildCode = std::string(version::kBuildCode),
                                   .endpoints = {}};
    buttons::BuyNowAnswers gnome = buttons::workedExample<buttons::BuyNow>();
    buttons::BuyNowAnswers frog = gnome;
    frog.txtItemNameBN = "Garden Frog";
    const auto html = [&](const buttons::BuyNowAnswers& answers) {
        return lines(QString::fromStdString(buttons::BuyNow::kWrite(answers, context).html));
    };
    const QString top = QStringLiteral("<p>Our gnomes</p>\n") + html(gnome) +
                        QStringLiteral("\n<p>And a frog</p>\n");
    const QString bottom = QStringLiteral("\n<p>Thank you</p>\n");
    // The caret on the frog's form, a few lines into it.
    setPage(top + html(frog) + bottom, top.size() + html(frog).indexOf(u"<input") + 3);
    const QString before = savedText();

    QWidget& wizard = openWizard();
    EXPECT_EQ(mstartupText(wizard, "txtItemNameBN"), QStringLiteral("Garden Frog"));
    EXPECT_EQ(mstartupText(wizard, "txtEmail"), QStringLiteral("gnomes@example.com"));
    frog.txtPriceBN = "27";
    const common::Result<void> walked =
        driver::walk(wizard, wizard::tabOf<buttons::BuyNow>(), {{"txtPriceBN", "27"}});
    ASSERT_TRUE(walked) << walked.error().toStdString();
    ASSERT_TRUE(driver::click(wizard, "btnFinishBN"));

    EXPECT_EQ(shownText(), top + html(frog) + bottom) << "the old button, and only it, is gone";
    EXPECT_TRUE(common::readSetting(common::kAccountSettingApp, common::kAccountSettingSection,
                                    common::kAccountSettingKey)
                    .isEmpty())
        << "the button's account is not the seller's stored one";
    pageBox().undo();
    EXPECT_EQ(savedText(), before) << "the replacement is one edit";
}

TEST_F(AddinTest, WhereAButtonHasNoPlaceInsertHtmlSaysUnableToGetSelectionPoint) {
    start();
    const QString longScript = QStringLiteral("var a = 1;\n").repeated(20'000);
    const struct {
        const char* what;
        QString page;
        qsizetype start;
        qsizetype end;
    } places[] = {
        {"an image tag selected", u"<p><img src=\"gnome.png\" alt=\"Gnome\"></p>\n"_qs, 3, 38},
        {"the caret in a script", u"<script>\nvar a = 1;\n</script>\n"_qs, 13, 13},
        {"the caret in a script of 220,000 characters",
         u"<p>Gnomes</p>\n<script>\n"_qs + longScript + u"</script>\n"_qs, 200'000, 200'000},
        {"the caret in a style", u"<style>\np { margin: 0 }\n</style>\n"_qs, 9, 9},
        {"the caret in a comment", u"<!-- old price -->\n"_qs, 8, 8},
        {"the caret in a form", u"<form action=\"/find\">\n<input name=\"q\">\n</form>\n"_qs, 21,
         21},
        {"a run from text into a form", u"<p>Gnomes</p><form>\n<input>\n</form>\n"_qs, 3, 20},
    };
    QWidget& wizard = walkBuyNow();
    for (const auto& place : places) {
        setPage(place.page, place.start, place.end);

        const auto shown = answeringBoxes([&] { driver::click(wizard, "btnFinishBN"); });

        EXPECT_EQ(shown, std::vector<QString>{QStringLiteral("Unable to get selection point")})
            << place.what;
        EXPECT_EQ(shownText(), place.page) << place.what;
    }
    EXPECT_EQ(wizards(), std::vector<QWidget*>{&wizard});
}

TEST_F(AddinTest, ASampleButtonOfTheWizardPastesItsPageOnceIntoTheEditor) {
    start();
    setPage(QStringLiteral("<body>\n\n</body>"), 7);
    QWidget& wizard = openWizard();
    ASSERT_TRUE(driver::click(wizard, "btnFirstTime"));

    ASSERT_TRUE(driver::click(wizard, "btnBuyNow"));

    EXPECT_EQ(shownText(), QStringLiteral("<body>\n") + lines(extras::buyNowSample()) +
                               QStringLiteral("\n</body>"));
}

TEST_F(AddinTest, ConnectingDisconnectingAndConnectingInTheAddInsDialogLeavesOneEntry) {
    start();
    editor::AddinsDialog dialog(editor->addins(), editor.get());
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstAddins"));
    ASSERT_EQ(list->count(), 1);
    QListWidgetItem* item = list->item(0);
    EXPECT_EQ(item->text(), QStringLiteral("Ravelin Website Payments"));
    EXPECT_EQ(item->checkState(), Qt::Checked);

    item->setCheckState(Qt::Unchecked);
    settle();
    EXPECT_EQ(wizardCommands(), 0);
    item->setCheckState(Qt::Checked);
    settle();

    EXPECT_EQ(wizardCommands(), 1);
    EXPECT_EQ(insertMenu().last(), kMenuCaption);
    EXPECT_EQ(item->checkState(), Qt::Checked);
    wizardCommand()->trigger();
    settle();
    EXPECT_EQ(wizards().size(), 1U) << "the new entry opens the wizard";
}

TEST_F(AddinTest, DisconnectingWithTheWizardOpenRemovesTheEntryAndLeavesTheWizardOpen) {
    start();
    QWidget& wizard = openWizard();
    ASSERT_TRUE(driver::click(wizard, "btnStart"));

    editor->addins().disconnect(kProgId);
    settle();

    EXPECT_EQ(wizardCommands(), 0);
    EXPECT_EQ(wizards(), std::vector<QWidget*>{&wizard});
    EXPECT_TRUE(wizard.findChild<QWidget*>(QStringLiteral("TabStrip1"))->isVisible());

    ASSERT_TRUE(editor->addins().connect(kProgId));
    wizardCommand()->trigger();
    settle();
    EXPECT_EQ(wizards(), std::vector<QWidget*>{&wizard}) << "still the one window";
}

TEST_F(AddinTest, TheLibraryMakesOnlyItsClassAndMayBeUnloadedOnlyWhenNothingOfItIsAlive) {
    QLibrary library(kLibrary);
    ASSERT_TRUE(library.load()) << library.errorString().toStdString();
    const auto getClassObject =
        reinterpret_cast<objectmodel::DllGetClassObjectFn>(library.resolve("DllGetClassObject"));
    const auto canUnloadNow =
        reinterpret_cast<objectmodel::DllCanUnloadNowFn>(library.resolve("DllCanUnloadNow"));
    ASSERT_NE(getClassObject, nullptr);
    ASSERT_NE(canUnloadNow, nullptr);
    const QByteArray clsid = common::Registry()
                                 .value(QStringLiteral("HKEY_CURRENT_USER/Software/Classes/"
                                                       "RAVELIN.template/CLSID/@"))
                                 .toString()
                                 .toLatin1();

    void* object = nullptr;
    EXPECT_EQ(getClassObject("{00000000-0000-0000-0000-000000000000}",
                             objectmodel::IID_IClassFactory, &object),
              objectmodel::CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(getClassObject(clsid.constData(), objectmodel::IID_AddinInstance, &object),
              objectmodel::E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    ASSERT_EQ(getClassObject(clsid.toLower().constData(), objectmodel::IID_IClassFactory, &object),
              objectmodel::S_OK);
    auto* factory = static_cast<objectmodel::IClassFactory*>(object);
    EXPECT_EQ(canUnloadNow(), objectmodel::S_OK);

    void* addin = nullptr;
    ASSERT_EQ(factory->CreateInstance(objectmodel::IID_AddinInstance, &addin), objectmodel::S_OK);
    EXPECT_EQ(canUnloadNow(), objectmodel::S_FALSE) << "an add-in object is alive";
    delete static_cast<objectmodel::AddinInstance*>(addin);
    EXPECT_EQ(canUnloadNow(), objectmodel::S_OK);

    start();
    EXPECT_EQ(canUnloadNow(), objectmodel::S_FALSE) << "the editor holds the add-in";
    editor->addins().disconnect(kProgId);
    EXPECT_EQ(canUnloadNow(), objectmodel::S_OK);
    ASSERT_TRUE(editor->addins().connect(kProgId));
    openWizard();
    editor->addins().disconnect(kProgId);
    EXPECT_EQ(canUnloadNow(), objectmodel::S_FALSE) << "the wizard window is open";
    closeWizards();
    EXPECT_EQ(canUnloadNow(), objectmodel::S_OK);
}

struct BrokenRegistration {
    const char* name;
    const char* value; // what InprocServer32 names, or nullptr to drop the class
    const char* reason;
};

class BrokenRegistrationTest : public AddinTest,
                               public ::testing::WithParamInterface<BrokenRegistration> {};

TEST_P(BrokenRegistrationTest, IsReportedOnceAndTheEditorWorks) {
    const QString clsidKey =
        QStringLiteral("HKEY_CURRENT_USER/Software/Classes/RAVELIN.template/CLSID/@");
    {
        common::Registry registry;
        const QString clsid = registry.value(clsidKey).toString();
        if (GetParam().value == nullptr) {
            registry.removeValue(clsidKey);
        } else {
            QString library = QString::fromUtf8(GetParam().value);
            library.replace(QStringLiteral("QTCORE"),
                            QLibraryInfo::path(QLibraryInfo::LibrariesPath) +
                                QStringLiteral("/libQt6Core.so.6"));
            registry.setValue(QStringLiteral("HKEY_CURRENT_USER/Software/Classes/CLSID/") + clsid +
                                  QStringLiteral("/InprocServer32/@"),
                              library);
        }
        ASSERT_TRUE(registry.commit());
    }

    start();

    ASSERT_EQ(prompts->errors.size(), 1U);
    EXPECT_TRUE(prompts->errors.front().contains(QStringLiteral("Ravelin Website Payments")));
    EXPECT_TRUE(prompts->errors.front().contains(QString::fromUtf8(GetParam().reason)))
        << prompts->errors.front().toStdString();
    EXPECT_EQ(wizardCommands(), 0);

    select(editor::blankPageCaret(), editor::blankPageCaret());
    menu(QStringLiteral("mnuInsert"))->actions().at(0)->trigger(); // Line Break
    EXPECT_TRUE(shownText().contains(QStringLiteral("<body>\n<br>\n</body>")));

    editor::AddinsDialog dialog(editor->addins(), editor.get());
    const auto* status = dialog.findChild<QLabel*>(QStringLiteral("lblStatus"));
    EXPECT_TRUE(status->text().contains(QString::fromUtf8(GetParam().reason)))
        << status->text().toStdString();
    EXPECT_EQ(prompts->errors.size(), 1U) << "reported once";
}

INSTANTIATE_TEST_SUITE_P(
    Registrations, BrokenRegistrationTest,
    ::testing::Values(BrokenRegistration{"MissingLibrary", "/nonexistent/libgone.so",
                                         "/nonexistent/libgone.so does not exist"},
                      BrokenRegistration{"LibraryWithoutEntryPoint", "QTCORE",
                                         "has no entry point DllGetClassObject"},
                      BrokenRegistration{"NoClass", nullptr, "no class is registered"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PageFile {
    const char* name;
    QByteArray bytes;
};

class SaveAndReopen : public EditorTest, public ::testing::WithParamInterface<PageFile> {};

TEST_P(SaveAndReopen, GivesTheSameBytes) {
    const QString path = folder.filePath(QStringLiteral("page.html"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().bytes);
    }
    start(path);
    ASSERT_TRUE(editor->save());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), GetParam().bytes) << "an unchanged page saves as it was read";
    file.close();

    pageBox().moveCursor(QTextCursor::End);
    pageBox().insertPlainText(QStringLiteral("<p>Caf\u00e9</p>\n"));
    ASSERT_TRUE(editor->save());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    const QString text = editor->page().text;

    start(path);
    EXPECT_EQ(editor->page().text, text);
    EXPECT_FALSE(editor->isModified());
    ASSERT_TRUE(editor->save());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), saved);
    EXPECT_TRUE(prompts->errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, SaveAndReopen,
    ::testing::Values(
        PageFile{"WindowsLineBreaks", "<html>\r\n<body>\r\n<p>Gnome</p>\r\n</body>\r\n</html>\r\n"},
        PageFile{"UnixLineBreaks", "<html>\n<body>\n<p>Gnome</p>\n</body>\n</html>\n"},
        PageFile{"ByteOrderMarkAndNoFinalLineBreak", "\xEF\xBB\xBF<p>Gnome</p>\r\n<p>Mug</p>"},
        PageFile{"NonBreakingSpacesAndAccents",
                 "<p>25\xC2\xA0\xE2\x82\xAC \xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80</p>\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorTest, ExitWithUnsavedChangesAsksFirstAndCancelKeepsThePageOpenAndUnchanged) {
    registerAddin();
    start();
    pageBox().insertPlainText(QStringLiteral("<p>Unsaved</p>"));
    const QString text = editor->page().text;
    prompts->answer = editor::EditorPrompts::Answer::Cancel;

    const QList<QAction*> fileMenu = menu(QStringLiteral("mnuFile"))->actions();
    fileMenu.last()->trigger(); // Exit
    settle();

    EXPECT_EQ(prompts->questions, std::vector<QString>{QStringLiteral("Untitled")});
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->page().text, text);
    EXPECT_TRUE(editor->isModified());
    EXPECT_NE(wizardCommand(), nullptr) << "the add-in stays connected";

    prompts->answer = editor::EditorPrompts::Answer::Discard;
    fileMenu.last()->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(prompts->questions.size(), 2U);
}

} // namespace
} // namespace ravelin::addin::testing
