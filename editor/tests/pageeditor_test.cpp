// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page editor without add-ins: files, unsaved changes, the Insert menu's own commands,
// the preview, and its menus as command bars.
#include "common/translation.h"
#include "editor/charset.h"
#include "editor/htmlhighlighter.h"
#include "editor/pageeditor.h"
#include "editor/tests/scriptedprompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace ravelin::editor {
namespace {

using testing::ScriptedPrompts;

class PageEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toUtf8());
        auto owned = std::make_unique<ScriptedPrompts>();
        prompts = owned.get();
        editor = std::make_unique<PageEditor>(std::move(owned));
    }

    void TearDown() override { editor.reset(); }

    QPlainTextEdit& pageBox() const {
        return *editor->findChild<QPlainTextEdit*>(QStringLiteral("txtPage"));
    }

    QAction* action(const char* name) const {
        return editor->findChild<QAction*>(QString::fromLatin1(name));
    }

    QString write(const QString& name, const QByteArray& bytes) const {
        QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void setCaret(qsizetype position) {
        QTextCursor cursor = pageBox().textCursor();
        cursor.setPosition(static_cast<int>(position));
        pageBox().setTextCursor(cursor);
    }

    QTemporaryDir folder;
    std::vector<QString> messages;
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<PageEditor> editor;
};

TEST_F(PageEditorTest, APageThatCannotBeReadIsReportedAndTheOpenPageStays) {
    pageBox().insertPlainText(QStringLiteral("<p>Mine</p>"));
    const PageText before = editor->page();
    prompts->answer = EditorPrompts::Answer::Discard;
    prompts->fileToOpen = write(QStringLiteral("latin1.html"), "<p>caf\xE9</p>");

    EXPECT_FALSE(editor->openPage());

    ASSERT_EQ(prompts->errors.size(), 1U);
    EXPECT_TRUE(prompts->errors.front().contains(QStringLiteral("latin1.html")));
    EXPECT_EQ(editor->page(), before);
    EXPECT_TRUE(editor->isModified());
}

TEST_F(PageEditorTest, AFailedSaveIsReportedAndThePageStaysUnsaved) {
    pageBox().insertPlainText(QStringLiteral("<p>Mine</p>"));
    prompts->fileToSave = QStringLiteral("/nonexistent/folder/page.html");

    EXPECT_FALSE(editor->save());

    ASSERT_EQ(prompts->errors.size(), 1U);
    EXPECT_TRUE(prompts->errors.front().contains(QStringLiteral("/nonexistent/folder/page.html")));
    EXPECT_TRUE(editor->isModified());
    EXPECT_TRUE(editor->filePath().isEmpty());
}

TEST_F(PageEditorTest, NewWithUnsavedChangesKeepsThePageWhenTheSaveIsCancelled) {
    pageBox().insertPlainText(QStringLiteral("<p>Mine</p>"));
    const PageText before = editor->page();
    prompts->answer = EditorPrompts::Answer::Save;
    prompts->fileToSave.clear(); // the user cancels the Save As dialog

    action("actNew")->trigger();

    EXPECT_EQ(prompts->questions.size(), 1U);
    EXPECT_EQ(editor->page(), before);
}

TEST_F(PageEditorTest, SaveAsWritesTheFileAndNamesThePageAfterIt) {
    pageBox().insertPlainText(QStringLiteral("<p>Mine</p>"));
    prompts->fileToSave = folder.filePath(QStringLiteral("shop.html"));

    ASSERT_TRUE(editor->saveAs());

    EXPECT_EQ(read(prompts->fileToSave), encodePage(editor->page()));
    EXPECT_EQ(editor->filePath(), prompts->fileToSave);
    EXPECT_FALSE(editor->isModified());
    EXPECT_TRUE(editor->windowTitle().startsWith(QStringLiteral("shop.html")));
}

TEST_F(PageEditorTest, AStartPageThatDoesNotExistYetIsANewPageToBeSavedThere) {
    const QString path = folder.filePath(QStringLiteral("new.html"));
    editor->openStartPage(path);

    EXPECT_EQ(editor->page(), blankPage());
    EXPECT_EQ(editor->filePath(), path);
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(editor->save());
    EXPECT_EQ(read(path), encodePage(blankPage()));
}

TEST_F(PageEditorTest, InsertCommandsGoInAtTheCaretButNeverWhereMarkupHasNoPlace) {
    const struct {
        const char* page;
        qsizetype caret;
    } refused[] = {
        {"<p class=\"x\">Gnome</p>", 5},                    // in a tag
        {"<script>if (a < b) go();</script>", 12},          // in a script
        {"<!-- <p>old</p> -->", 8},                         // in a comment
        {"<form><p>Name <input name=\"q\"></p></form>", 9}, // in a form
    };
    for (const auto& place : refused) {
        const QString page = QString::fromLatin1(place.page);
        pageBox().setPlainText(page);
        setCaret(place.caret);
        editor->statusBar()->clearMessage();
        action("actLineBreak")->trigger();
        EXPECT_EQ(editor->page().text, page);
        EXPECT_TRUE(editor->statusBar()->currentMessage().startsWith(u"Put the caret outside"))
            << place.page;
    }

    pageBox().setPlainText(QStringLiteral("<p class=\"x\">Gnome</p>"));
    setCaret(18); // after "Gnome"
    action("actHorizontalLine")->trigger();
    EXPECT_EQ(editor->page().text, QStringLiteral("<p class=\"x\">Gnome<hr></p>"));
    EXPECT_EQ(pageBox().textCursor().position(), 22);
}

TEST_F(PageEditorTest, APageWithALineTooLongToLayOutIsRefusedAndTheOpenPageStays) {
    pageBox().insertPlainText(QStringLiteral("<p>Mine</p>"));
    const PageText before = editor->page();
    const QByteArray longest(PageEditor::kLongestLine, 'x');

    EXPECT_FALSE(editor->openFile(write(QStringLiteral("one-line.html"), longest + "x\n<p>")));

    ASSERT_EQ(prompts->errors.size(), 1U);
    EXPECT_TRUE(prompts->errors.front().contains(QStringLiteral("one-line.html")));
    EXPECT_TRUE(prompts->errors.front().contains(QLocale().toString(PageEditor::kLongestLine)));
    EXPECT_EQ(editor->page(), before);

    EXPECT_TRUE(editor->openFile(write(QStringLiteral("just.html"), "<p>\n" + longest)))
        << "a line as long as the limit opens";
}

TEST_F(PageEditorTest, TheStatusBarTellsWhenLinesAreShownWithoutColours) {
    const auto note = [this] { return editor->findChild<QLabel*>(QStringLiteral("lblColours")); };
    ASSERT_NE(note(), nullptr);
    EXPECT_FALSE(note()->isVisibleTo(editor.get()));

    const QByteArray longLine(HtmlHighlighter::kLongestColouredLine + 1, 'x');
    ASSERT_TRUE(editor->openFile(write(QStringLiteral("long.html"), "<p>\n" + longLine)));
    EXPECT_TRUE(note()->isVisibleTo(editor.get()));
    EXPECT_TRUE(note()->text().contains(QLocale().toString(HtmlHighlighter::kLongestColouredLine)));

    ASSERT_TRUE(editor->openFile(write(QStringLiteral("short.html"), "<p>\n" + longLine.left(10))));
    EXPECT_FALSE(note()->isVisibleTo(editor.get()));
}

TEST_F(PageEditorTest, PreviewOpensACopyOfThePageAsItStandsInTheBrowser) {
    pageBox().insertPlainText(QStringLiteral("<p>Unsaved \u00e9</p>"));

    ASSERT_TRUE(editor->preview());

    ASSERT_EQ(prompts->opened.size(), 1U);
    EXPECT_EQ(read(prompts->opened.front().toLocalFile()), encodePage(editor->page()));
    EXPECT_TRUE(editor->isModified()) << "the page itself is not saved";
}

TEST_F(PageEditorTest, PreviewWithoutABrowserSaysHowToChooseOneAndKeepsNoCopy) {
    prompts->browserStarts = false;

    EXPECT_FALSE(editor->preview());

    ASSERT_EQ(prompts->errors.size(), 1U);
    EXPECT_TRUE(
        prompts->errors.front().contains(QStringLiteral("xdg-settings set default-web-browser")));
    EXPECT_TRUE(prompts->errors.front().contains(QStringLiteral("BROWSER=")));
    ASSERT_EQ(prompts->opened.size(), 1U);
    const QString copy = prompts->opened.front().toLocalFile();
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_FALSE(QFileInfo(copy).dir().exists()) << "nor its folder";
}

TEST_F(PageEditorTest, ClosingTheEditorRemovesTheCopiesItShowed) {
    prompts->answer = EditorPrompts::Answer::Discard;
    pageBox().insertPlainText(QStringLiteral("<p>Shown</p>"));
    ASSERT_TRUE(editor->preview());
    ASSERT_TRUE(editor->preview());
    ASSERT_EQ(prompts->opened.size(), 2U);
    const QString copy = prompts->opened.front().toLocalFile();
    ASSERT_TRUE(QFile::exists(copy));

    editor->show();
    EXPECT_TRUE(editor->close());

    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_FALSE(QFileInfo(copy).dir().exists());
}

// Add-ins ask for a command bar by its English name, whatever language the menus speak.
TEST_F(PageEditorTest, TheCommandBarsKeepTheirNamesInEveryLanguage) {
    editor.reset();
    const common::Translation german(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(german.loaded());
    editor = std::make_unique<PageEditor>(std::make_unique<ScriptedPrompts>());
    EXPECT_EQ(editor->findChild<QMenu*>(QStringLiteral("mnuInsert"))->title(),
              QStringLiteral("&Einfügen"));
    objectmodel::CommandBar* bar = editor->CommandBars()->Item(QStringLiteral("Insert"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Name(), QStringLiteral("Insert"));
    editor.reset();
}

TEST_F(PageEditorTest, TheInsertMenuIsTheInsertCommandBarAndAddedButtonsGoAtItsEnd) {
    objectmodel::CommandBar* bar = editor->CommandBars()->Item(QStringLiteral("insert"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Name(), QStringLiteral("Insert"));
    const int before = bar->Controls()->Count();

    const auto control = bar->Controls()->Add(objectmodel::msoControlButton, true);
    objectmodel::CommandBarButton* button = control->asButton();
    ASSERT_NE(button, nullptr);
    button->setCaption(QStringLiteral("&Gnome"));
    int clicks = 0;
    button->setClick([&](objectmodel::CommandBarButton* ctrl, bool&) {
        EXPECT_EQ(ctrl, button);
        ++clicks;
    });

    const QList<QAction*> entries =
        editor->findChild<QMenu*>(QStringLiteral("mnuInsert"))->actions();
    EXPECT_EQ(bar->Controls()->Count(), before + 1);
    EXPECT_EQ(entries.last()->text(), QStringLiteral("&Gnome"));
    entries.last()->trigger();
    EXPECT_EQ(clicks, 1);

    button->Delete();
    EXPECT_EQ(bar->Controls()->Count(), before);
    EXPECT_THROW(button->Delete(), objectmodel::HostError)
        << "a deleted entry cannot be deleted again";
    EXPECT_THROW(button->setCaption(QStringLiteral("x")), objectmodel::HostError);
}

TEST_F(PageEditorTest, CommandBarOperationsThatCannotBeDoneThrow) {
    EXPECT_THROW(editor->CommandBars()->Item(QStringLiteral("Format")), objectmodel::HostError);
    objectmodel::CommandBarControls* controls =
        editor->CommandBars()->Item(QStringLiteral("Insert"))->Controls();
    EXPECT_THROW(controls->Add(objectmodel::msoControlPopup, true), objectmodel::HostError);
}

TEST_F(PageEditorTest, AClickHandlerThatFailsIsReportedWithTheCommandsName) {
    const auto control = editor->CommandBars()
                             ->Item(QStringLiteral("Insert"))
                             ->Controls()
                             ->Add(objectmodel::msoControlButton, true);
    control->setCaption(QStringLiteral("&Broken"));
    control->asButton()->setClick([](objectmodel::CommandBarButton*, bool&) {
        throw objectmodel::HostError(QStringLiteral("no page"));
    });

    editor->findChild<QMenu*>(QStringLiteral("mnuInsert"))->actions().last()->trigger();

    ASSERT_EQ(prompts->errors.size(), 1U);
    EXPECT_TRUE(prompts->errors.front().contains(QStringLiteral("Broken")));
    EXPECT_TRUE(prompts->errors.front().contains(QStringLiteral("no page")));
}

TEST_F(PageEditorTest, ARegistryThatDoesNotParseIsReportedWithItsLineAndLeftAsItWas) {
    ASSERT_TRUE(QDir().mkpath(folder.filePath(QStringLiteral("config"))));
    const QByteArray damaged = "[HKEY_CURRENT_USER]\n"
                               "Software\\Microsoft\\Office\\FrontPage\\Addins\\X\\LoadBehavior=3\n"
                               "damaged\n";
    const QString registry = write(QStringLiteral("config/ravelin-registry.ini"), damaged);

    editor->loadAddins();

    ASSERT_EQ(prompts->errors.size(), 1U);
    EXPECT_TRUE(prompts->errors.front().contains(
        QStringLiteral("%1, line 3:").arg(QDir::toNativeSeparators(registry))))
        << prompts->errors.front().toStdString();
    EXPECT_TRUE(editor->addins().addins().empty());
    EXPECT_EQ(read(registry), damaged);
}

TEST_F(PageEditorTest, APageDeclaringLatin1IsSavedAsBrowsersReadItWithReferencesForTheRest) {
    const QByteArray ascii =
        "<!DOCTYPE html>\r\n<html><head><meta charset=\"iso-8859-1\">"
        "<title>Menu</title></head>\r\n<body>\r\n<p></p>\r\n</body></html>\r\n";
    prompts->fileToOpen = write(QStringLiteral("menu.html"), ascii);
    ASSERT_TRUE(editor->openPage());
    const QString typed = QStringLiteral("Cr\u00e8me br\u00fbl\u00e9e \u00a3 \u20ac \u03a9");
    setCaret(pageBox().toPlainText().indexOf(QStringLiteral("</p>")));
    pageBox().insertPlainText(typed);

    ASSERT_TRUE(editor->save()) << (prompts->errors.empty()
                                        ? ""
                                        : prompts->errors.front().toStdString());

    // A browser reads the page in windows-1252, as the editor writes it, and then resolves the
    // references.
    const QByteArray saved = read(prompts->fileToOpen);
    EXPECT_EQ(saved, QByteArray(ascii).replace("<p></p>", "<p>Cr\xE8me br\xFBl\xE9"
                                                          "e \xA3 \x80 &#937;</p>"));
    qsizetype bad = -1;
    const QString shown =
        QTextDocumentFragment::fromHtml(*decodeText(saved, Charset::Windows1252, &bad))
            .toPlainText();
    EXPECT_TRUE(shown.contains(typed)) << shown.toStdString();
}

struct Page {
    const char* name;
    QByteArray bytes;
};

void PrintTo(const Page& page, std::ostream* os) {
    *os << page.name;
}

class OpenedAndSaved : public PageEditorTest, public ::testing::WithParamInterface<Page> {};

// Nothing the user did not change changes: whatever a page holds, Qt's text document included,
// it is written back byte for byte.
TEST_P(OpenedAndSaved, GivesTheSameBytes) {
    const QString path = write(QStringLiteral("page.html"), GetParam().bytes);
    ASSERT_TRUE(editor->openFile(path)) << prompts->errors.front().toStdString();
    EXPECT_FALSE(editor->isModified());

    ASSERT_TRUE(editor->save()) << prompts->errors.front().toStdString();

    EXPECT_EQ(read(path), GetParam().bytes);
    EXPECT_EQ(editor->page(), *decodePage(GetParam().bytes));
}

QByteArray every1252Byte() {
    QByteArray bytes = "<meta charset=\"windows-1252\">";
    for (int byte = 0x80; byte < 0x100; ++byte) {
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, OpenedAndSaved,
    ::testing::Values(
        Page{"CrLfAndLfMixed", "<p>a</p>\r\n<p>b</p>\n<p>c</p>\r\n\n"},
        Page{"ALoneCrBeforeCrLf", "a\r\r\nb"}, Page{"CrLines", "<p>a</p>\r<p>b</p>\r"},
        Page{"CrLinesWithALfLine", "a\rb\rc\nd\r"}, Page{"OnlyLineBreaks", "\r\n\n\r\r\n\n\r"},
        Page{"NoLineBreakAtTheEnd", "a\r\nb"}, Page{"EmptyFile", ""},
        Page{"LineSeparator", "a\xE2\x80\xA8"
                              "b\n"},
        Page{"ParagraphSeparator", "a\xE2\x80\xA9"
                                   "b\r\n\xE2\x80\xA9\n\xE2\x80\xA9"},
        Page{"Noncharacters", "\xEF\xB7\x90x\xEF\xB7\x91\n\xEF\xB7\xAF\xEF\xBF\xBE\xEF\xBF\xBF"
                              "\xF4\x8F\xBF\xBF"},
        Page{"AnObjectReplacementCharacterOfItsOwn", "x\xEF\xBF\xBCy\xEF\xBF\xBC"},
        Page{"Nul", QByteArray("a\0b\n\0", 5)},
        Page{"ControlCharacters", "\x01\x08\x0B\x0C\x1B\x7F\xC2\x85\xC2\x9F\n"},
        Page{"NoBreakSpaceAndTabs", "a\xC2\xA0"
                                    "b \t\r\n"},
        Page{"ByteOrderMark", "\xEF\xBB\xBF<p>x</p>\r\n"},
        Page{"ByteOrderMarkTwice", "\xEF\xBB\xBF\xEF\xBB\xBFx\xEF\xBB\xBF"},
        Page{"AZeroWidthNoBreakSpaceFirst", "\xEF\xBB\xBF"},
        Page{"BeyondTheBasicPlane", "\xF0\x9F\x8D\xB0\n"},
        Page{"Iso88591WithTheEuroInAComment",
             "<meta charset=\"iso-8859-1\"><!-- \x80 -->caf\xE9\r\n"},
        Page{"UsAsciiWithHighBytes", "<meta charset=\"us-ascii\">\x93q\x94\x81\r\n"},
        Page{"EveryWindows1252Byte", every1252Byte()},
        Page{"MarksInAScriptAndATag",
             "<script>\xE2\x80\xA9</script>\r\n<p\xEF\xB7\x90>\xEF\xB7\x91</p>\r"}),
    [](const auto& info) { return std::string(info.param.name); });

// A page whose lines break in three ways, with a character Qt's document cannot hold.
const QByteArray kMixedPage = "one\r\ntwo\nthree\rfour\xE2\x80\xA9"
                              "five\r\n";

TEST_F(PageEditorTest, AnEditChangesOnlyTheTextEditedAndUndoGivesThePageBack) {
    const QString path = write(QStringLiteral("mixed.html"), kMixedPage);
    ASSERT_TRUE(editor->openFile(path));
    const QString lines = QStringLiteral("one\ntwo\nthree\nfour\uFFFC"
                                         "five\n");
    ASSERT_EQ(pageBox().toPlainText(), lines) << "one line to a block, the mark in its place";
    QTextCursor cursor = pageBox().textCursor();
    const auto at = [&](const QString& text) {
        cursor.setPosition(static_cast<int>(lines.indexOf(text)));
        return cursor;
    };
    struct Edit {
        const char* what;
        std::function<void()> edit;
        QByteArray saved;
    };
    const Edit edits[] = {
        {"typed on a line", [&] { at(QStringLiteral("two")).insertText(QStringLiteral("2 ")); },
         "one\r\n2 two\nthree\rfour\xE2\x80\xA9"
         "five\r\n"},
        // A new break takes the one the line above ends with.
        {"a line broken in two", [&] { at(QStringLiteral("wo")).insertBlock(); },
         "one\r\nt\r\nwo\nthree\rfour\xE2\x80\xA9"
         "five\r\n"},
        {"a pasted button's lines",
         [&] { at(QStringLiteral("ree")).insertText(QStringLiteral("<form>\r\n</form>")); },
         "one\r\ntwo\nth<form>\n</form>ree\rfour\xE2\x80\xA9"
         "five\r\n"},
        {"on the first line, the page's own break, the one most lines end with",
         [&] { at(QStringLiteral("ne")).insertText(QStringLiteral("\n")); },
         "o\r\nne\r\ntwo\nthree\rfour\xE2\x80\xA9"
         "five\r\n"},
        {"two lines joined lose the break between them",
         [&] {
             QTextCursor join = at(QStringLiteral("four"));
             join.deletePreviousChar();
         },
         "one\r\ntwo\nthreefour\xE2\x80\xA9"
         "five\r\n"},
        {"the mark deleted deletes its character",
         [&] { at(QStringLiteral("five")).deletePreviousChar(); },
         "one\r\ntwo\nthree\rfourfive\r\n"},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.what);
        e.edit();
        ASSERT_TRUE(editor->save());
        EXPECT_EQ(read(path), e.saved);
        pageBox().undo();
        ASSERT_TRUE(editor->save());
        EXPECT_EQ(read(path), kMixedPage) << "undone";
    }
}

} // namespace
} // namespace ravelin::editor
