// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading the window's controls by name, and the result boxes' text.
#include "wizard/mstartup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace ravelin::wizard::mstartup {
namespace {

struct BoxCase {
    const char* name;
    QString text;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.name;
}

class ResultBoxText : public ::testing::TestWithParam<BoxCase> {};

TEST_P(ResultBoxText, ReadsBackExactlyWhatWasPutIn) {
    QPlainTextEdit box;
    setBoxText(box, GetParam().text);
    EXPECT_EQ(boxText(box), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ResultBoxText,
    ::testing::Values(
        BoxCase{"Empty", QString()},
        BoxCase{"CrLfLinesEndingInAFormEnd",
                QStringLiteral("Item: Mug<br>\r\n\r\n<form>\r\n<input name=\"a\" > \r\n</form>")},
        BoxCase{"SummaryEndingInTwoLineBreaks", QStringLiteral("PayPal Account: a@b\r\n\r\n")},
        BoxCase{"LoneLineFeedsAndCarriageReturns", QStringLiteral("a\nb\rc\r\n")},
        BoxCase{"NoBreakSpaceAndLineSeparator",
                QStringLiteral("Caf\u00e9\u00a0Mug\u2028\U0001F600")},
        BoxCase{"Tabs", QStringLiteral("\ta\t")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResultBox, ShowsOneLinePerLineOfItsText) {
    QPlainTextEdit box;
    setBoxText(box, QStringLiteral("<form>\r\n</form>"));
    EXPECT_EQ(box.document()->blockCount(), 2);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("<form>\n</form>"));
}

TEST(ResultBox, ReadsAnEditedTextWithCrLfBetweenItsLines) {
    QPlainTextEdit box;
    setBoxText(box, QStringLiteral("<form>\r\n</form>"));
    QTextCursor cursor(box.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\n<!-- mine -->"));
    EXPECT_EQ(boxText(box), QStringLiteral("<form>\r\n</form>\r\n<!-- mine -->"));
}

TEST(ResultBox, ReadsTextPutInByOtherMeansAsShown) {
    QPlainTextEdit box;
    setBoxText(box, QStringLiteral("old"));
    box.setPlainText(QStringLiteral("new\nlines"));
    EXPECT_EQ(boxText(box), QStringLiteral("new\r\nlines"));
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            auto* option = new QRadioButton(&window);
            option->setObjectName(QStringLiteral("optTest_%1").arg(i));
        }
        auto* line = new QLineEdit(QStringLiteral("as typed "), &window);
        line->setObjectName(QStringLiteral("txtTest"));
        auto* combo = new QComboBox(&window);
        combo->setObjectName(QStringLiteral("cmbTest"));
        combo->setEditable(true);
        combo->addItems({QStringLiteral("One"), QStringLiteral("Two")});
    }

    QWidget window;
};

TEST_F(Controls, AGroupWithNoOptionSelectedReadsAsNone) {
    EXPECT_EQ(selectedOption(window, "optTest", 3), std::nullopt);
}

TEST_F(Controls, TheSelectedOptionReadsAsItsIndex) {
    window.findChild<QRadioButton*>(QStringLiteral("optTest_2"))->setChecked(true);
    EXPECT_EQ(selectedOption(window, "optTest", 3), 2);
}

TEST_F(Controls, TextBoxesAndComboBoxesReadAsTheUserSeesThem) {
    EXPECT_EQ(controlText(window, "txtTest"), QStringLiteral("as typed "));
    EXPECT_EQ(controlText(window, "cmbTest"), QStringLiteral("One"));
    window.findChild<QComboBox*>(QStringLiteral("cmbTest"))->setEditText(QStringLiteral("Three"));
    EXPECT_EQ(controlText(window, "cmbTest"), QStringLiteral("Three"));
}

} // namespace
} // namespace ravelin::wizard::mstartup
