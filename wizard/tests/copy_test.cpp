// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Copy HTML on every result page: the HTML box's text, whole, on the clipboard, by the button,
// its access key or Ctrl+Shift+C, and a word beside the button that it was done.
#include "buttons/examples.h"
#include "wizard/tests/windowtest.h"

#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <functional>

namespace ravelin::wizard::testing {
namespace {

struct CopyWay {
    const char* name;
    std::function<void(QWidget& window, const ButtonTab&)> copy;
};

void PrintTo(const CopyWay& w, std::ostream* os) {
    *os << w.name;
}

class CopyHtml : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }

    // Walks the tab to its result page with its worked example's answers, in an active window.
    void toResult(const ButtonTab& tab) {
        openWithAccount();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        selectTab(tab.tab);
        buttons::withButtonTypeOfSuffix(tab.suffix, [&]<typename Type>() {
            const common::Result<void> walked = driver::walk(
                *window, tab, driver::answersFor<Type>(buttons::workedExample<Type>()));
            ASSERT_TRUE(walked) << walked.error().toStdString();
        });
        ASSERT_EQ(window->pageNumber(), tab.resultPage);
    }

    static std::string clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }

    QLabel* copied(const ButtonTab& tab) const {
        return named<QLabel>("lblCopied" + std::string(tab.suffix));
    }
};

class CopyEveryTab : public CopyHtml,
                     public ::testing::WithParamInterface<std::tuple<ButtonTab, CopyWay>> {};

TEST_P(CopyEveryTab, PutsTheHtmlBoxTextWholeOnTheClipboardAndSaysSo) {
    const auto& [tab, way] = GetParam();
    toResult(tab);
    const std::string suffix(tab.suffix);
    ASSERT_TRUE(shown("btnCopy" + suffix));
    ASSERT_TRUE(enabled("btnCopy" + suffix));
    EXPECT_FALSE(copied(tab)->isVisible()) << "nothing said before a copy";
    const std::string html = text(tab.htmlBox);
    ASSERT_TRUE(html.ends_with("</form>"));
    ASSERT_NE(html.find("\r\n"), std::string::npos);

    way.copy(*window, tab);
    for (int waited = 0; clipboard() == "before" && waited < 2000; waited += 50) {
        QTest::qWait(50); // an access key presses its button a moment later
    }

    EXPECT_EQ(clipboard(), html) << "the whole HTML, line breaks as the box holds them";
    EXPECT_NE(clipboard(), text(tab.logBox));
    QLabel* said = copied(tab);
    EXPECT_TRUE(said->isVisible());
    EXPECT_EQ(said->text(), QStringLiteral("Copied to the clipboard."));
    EXPECT_LE(said->heightForWidth(said->width()), said->height()) << "the words fit";
    EXPECT_EQ(page.pasteCount(), 0) << "copying inserts nothing";
    EXPECT_EQ(window->pageNumber(), tab.resultPage);

    // Leaving the result page takes the button and its word away.
    ASSERT_TRUE(driver::click(*window, "btnPrev" + suffix));
    EXPECT_FALSE(shown("btnCopy" + suffix));
    EXPECT_FALSE(said->isVisible());
}

const CopyWay kCopyWays[] = {
    {"Button",
     [](QWidget& window, const ButtonTab& tab) {
         ASSERT_TRUE(driver::click(window, "btnCopy" + std::string(tab.suffix)));
     }},
    {"AccessKey",
     [](QWidget& window, const ButtonTab& tab) {
         QWidget* summary = mstartup::control(window, tab.logBox);
         summary->setFocus(Qt::TabFocusReason);
         QTest::keyClick(summary, 'c', Qt::AltModifier);
     }},
    {"CtrlShiftC",
     [](QWidget& window, const ButtonTab& tab) {
         QWidget* summary = mstartup::control(window, tab.logBox);
         summary->setFocus(Qt::TabFocusReason);
         QTest::keyClick(summary, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
     }},
};

INSTANTIATE_TEST_SUITE_P(Tabs, CopyEveryTab,
                         ::testing::Combine(::testing::ValuesIn(kButtonTabs),
                                            ::testing::ValuesIn(kCopyWays)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).suffix) +
                                    std::get<1>(info.param).name;
                         });

TEST_F(CopyHtml, BeforeTheResultPageTheKeysCopyNothingAndTypeNothing) {
    openWithAccount();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    selectTab(Tab::BuyNow);
    ASSERT_TRUE(driver::click(*window, "btnNextBN"));
    ASSERT_TRUE(driver::type(*window, "txtPriceBN", QStringLiteral("12.50")));
    QWidget* price = named("txtPriceBN");
    price->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(shown("btnCopyBN"));

    QTest::keyClick(price, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(price, 'c', Qt::AltModifier);
    QTest::qWait(200);

    EXPECT_EQ(clipboard(), "before");
    EXPECT_EQ(text("txtPriceBN"), "12.50");
}

TEST_F(CopyHtml, TheViewCartButtonIsCopiedAsEdited) {
    toResult(tabOf<buttons::ViewCart>());
    auto* box = named<QPlainTextEdit>("txtHTMLVC");
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(QStringLiteral("\n<!-- mine -->"));
    ASSERT_TRUE(driver::click(*window, "btnCopyVC"));
    EXPECT_EQ(clipboard(), text("txtHTMLVC"));
    EXPECT_TRUE(clipboard().ends_with("</form>\r\n<!-- mine -->"));
}

} // namespace
} // namespace ravelin::wizard::testing
