// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The button-image pictures and options, the note options and the recurrence options, with the
// boxes each enables.
#include "wizard/choices.h"
#include "wizard/tests/windowtest.h"

namespace ravelin::wizard::testing {
namespace {

std::string item(std::string_view group, int index) {
    return std::string(group) + '_' + std::to_string(index);
}

} // namespace
} // namespace ravelin::wizard::testing

namespace ravelin::wizard {
inline void PrintTo(const ImageGroup& group, std::ostream* os) {
    *os << group.options;
}
} // namespace ravelin::wizard

namespace ravelin::wizard::testing {
namespace {

class ImageChoice : public WindowTest, public ::testing::WithParamInterface<ImageGroup> {
protected:
    std::optional<int> selected() const {
        return mstartup::selectedOption(*window, GetParam().options, GetParam().standard() + 1);
    }
};

TEST_P(ImageChoice, EveryAddressBoxStartsDisabledWithTheSecureScheme) {
    open();
    EXPECT_FALSE(enabled(GetParam().addressBox));
    EXPECT_EQ(text(GetParam().addressBox), "https://");
}

TEST_P(ImageChoice, TheCustomOptionEnablesTheAddressBoxAndAnyOtherOptionDisablesIt) {
    const ImageGroup& group = GetParam();
    open();
    for (int i = 0; i < group.standard(); ++i) {
        ASSERT_TRUE(driver::click(*window, item(group.options, group.standard())));
        EXPECT_TRUE(enabled(group.addressBox));
        ASSERT_TRUE(driver::click(*window, item(group.options, i)));
        EXPECT_FALSE(enabled(group.addressBox)) << "after option " << i;
        EXPECT_EQ(selected(), i);
    }
}

TEST_P(ImageChoice, ClickingAPictureSelectsItsOptionAndDisablesTheBoxKeepingItsText) {
    const ImageGroup& group = GetParam();
    open();
    for (int i = 0; i < group.standard(); ++i) {
        ASSERT_TRUE(driver::click(*window, item(group.options, group.standard())));
        ASSERT_TRUE(driver::type(*window, group.addressBox, QStringLiteral("https://x/my.png")));
        ASSERT_TRUE(driver::click(*window, item(group.images(), i)));
        EXPECT_EQ(selected(), i);
        EXPECT_FALSE(enabled(group.addressBox));
        EXPECT_EQ(text(group.addressBox), "https://x/my.png");
    }
}

TEST_P(ImageChoice, ClickingThePictureOfTheSelectedOptionChangesNothing) {
    const ImageGroup& group = GetParam();
    open();
    const std::optional<int> before = selected();
    ASSERT_TRUE(before.has_value());
    ASSERT_TRUE(driver::click(*window, item(group.images(), *before)));
    EXPECT_EQ(selected(), before);
    EXPECT_FALSE(enabled(group.addressBox));
}

INSTANTIATE_TEST_SUITE_P(Groups, ImageChoice, ::testing::ValuesIn(kImageGroups),
                         [](const auto& info) { return std::string(info.param.options); });

TEST_F(WindowTest, TheDesignDefaultsSelectTheStandardImagesTheNoNotesAndKeepCharging) {
    open();
    EXPECT_EQ(mstartup::selectedOption(*window, "optBN", 9), 5);
    EXPECT_EQ(mstartup::selectedOption(*window, "optImageButtonATC", 6), 0);
    EXPECT_EQ(mstartup::selectedOption(*window, "optVC", 4), 0);
    EXPECT_EQ(mstartup::selectedOption(*window, "optDON", 5), 0);
    EXPECT_EQ(mstartup::selectedOption(*window, "optSUB", 9), 0);
    EXPECT_EQ(mstartup::selectedOption(*window, "optNoteATC", 2), 1);
    EXPECT_EQ(mstartup::selectedOption(*window, "optNoteDON", 2), 1);
    EXPECT_EQ(mstartup::selectedOption(*window, "optRecurSUB", 2), 0);
    for (const DependentBox& dependent : kDependentBoxes) {
        EXPECT_FALSE(enabled(dependent.box)) << dependent.box;
    }
}

struct NoteCase {
    const char* group;
    const char* box;
};

void PrintTo(const NoteCase& c, std::ostream* os) {
    *os << c.group;
}

class NoteChoice : public WindowTest, public ::testing::WithParamInterface<NoteCase> {};

TEST_P(NoteChoice, YesEnablesTheNoteBoxAndNoDisablesItKeepingItsText) {
    const std::string group = GetParam().group;
    open();
    EXPECT_EQ(text(GetParam().box), "(optional instructions)");
    ASSERT_TRUE(driver::click(*window, group + "_0"));
    EXPECT_TRUE(enabled(GetParam().box));
    ASSERT_TRUE(driver::type(*window, GetParam().box, QStringLiteral("Gift message")));
    ASSERT_TRUE(driver::click(*window, group + "_1"));
    EXPECT_FALSE(enabled(GetParam().box));
    EXPECT_EQ(text(GetParam().box), "Gift message");
    ASSERT_TRUE(driver::click(*window, group + "_1"));
    EXPECT_FALSE(enabled(GetParam().box));
}

INSTANTIATE_TEST_SUITE_P(Groups, NoteChoice,
                         ::testing::Values(NoteCase{"optNoteATC", "txtNoteATC"},
                                           NoteCase{"optNoteDON", "txtNoteDON"}),
                         [](const auto& info) { return std::string(info.param.group); });

TEST_F(WindowTest, TheAddToCartNoteBoxTakesThirtyCharactersAndTheDonationsNoteAnyNumber) {
    open();
    const QString forty = QString(40, QLatin1Char('n'));
    ASSERT_TRUE(driver::click(*window, "optNoteATC_0"));
    ASSERT_TRUE(driver::type(*window, "txtNoteATC", forty));
    EXPECT_EQ(text("txtNoteATC"), std::string(30, 'n'));
    ASSERT_TRUE(driver::click(*window, "optNoteDON_0"));
    ASSERT_TRUE(driver::type(*window, "txtNoteDON", forty));
    EXPECT_EQ(text("txtNoteDON"), std::string(40, 'n'));
}

TEST_F(WindowTest, TheNumberOfPaymentsIsEnabledExactlyWhileStopChargingAfterIsSelected) {
    open();
    EXPECT_FALSE(enabled("cmbStopSUB"));
    ASSERT_TRUE(driver::click(*window, "optRecurSUB_0"));
    EXPECT_FALSE(enabled("cmbStopSUB")) << "keeping on charging uses no number of payments";
    ASSERT_TRUE(driver::click(*window, "optRecurSUB_1"));
    EXPECT_TRUE(enabled("cmbStopSUB"));
    ASSERT_TRUE(driver::type(*window, "cmbStopSUB", QStringLiteral("12")));
    ASSERT_TRUE(driver::click(*window, "optRecurSUB_0"));
    EXPECT_FALSE(enabled("cmbStopSUB"));
    EXPECT_EQ(text("cmbStopSUB"), "12");
}

TEST_F(WindowTest, ChoicesAndBoxesKeepTheirStateAcrossTabs) {
    openWithAccount();
    selectTab(Tab::BuyNow);
    ASSERT_TRUE(driver::click(*window, "optBN_8"));
    ASSERT_TRUE(driver::type(*window, "txtButtonURLBN", QStringLiteral("https://x/b.png")));
    selectTab(Tab::Subscriptions);
    ASSERT_TRUE(driver::click(*window, "btnNextSUB"));
    ASSERT_TRUE(driver::click(*window, "btnNextSUB"));
    ASSERT_TRUE(driver::click(*window, "optRecurSUB_1"));
    selectTab(Tab::BuyNow);
    selectTab(Tab::Subscriptions);

    EXPECT_EQ(mstartup::selectedOption(*window, "optBN", 9), 8);
    EXPECT_TRUE(enabled("txtButtonURLBN"));
    EXPECT_EQ(text("txtButtonURLBN"), "https://x/b.png");
    EXPECT_EQ(mstartup::selectedOption(*window, "optRecurSUB", 2), 1);
    EXPECT_TRUE(enabled("cmbStopSUB"));
}

} // namespace
} // namespace ravelin::wizard::testing
