// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/links.h"
#include "extras/shell.h"
#include "extras/tests/support.h"

#include <gtest/gtest.h>

namespace ravelin::extras {
namespace {

using testing::OpenedAddresses;

struct DonationCase {
    const char* name;
    Donation donation;
    const char* expected;
};

class DonationRequest : public ::testing::TestWithParam<DonationCase> {};

TEST_P(DonationRequest, ListsTheFieldsInOrderWithOnlyTheReturnAddressesEncoded) {
    EXPECT_EQ(donationRequest(GetParam().donation).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Makers, DonationRequest,
    ::testing::Values(
        DonationCase{"PlainSite",
                     {"www.paypal.com", "sales@ravelin.example", "Ravelin+Website+Payments",
                      "http://www.ravelin.example"},
                     "https://www.paypal.com/cgi-bin/webscr?bn=&cmd=_xclick"
                     "&business=sales@ravelin.example&item_name=Ravelin+Website+Payments"
                     "&item_number=0000&amount=5.00&currency_code=USD&undefined_quantity=1"
                     "&image_url=&return=http%3A%2F%2Fwww.ravelin.example"
                     "&cancel_return=http%3A%2F%2Fwww.ravelin.example&submit.x=47&submit.y=20"},
        DonationCase{"SiteWithFolders",
                     {"www.sandbox.paypal.com", "give@tools.example", "Tool+Box",
                      "https://tools.example/en/thanks/"},
                     "https://www.sandbox.paypal.com/cgi-bin/webscr?bn=&cmd=_xclick"
                     "&business=give@tools.example&item_name=Tool+Box"
                     "&item_number=0000&amount=5.00&currency_code=USD&undefined_quantity=1"
                     "&image_url=&return=https%3A%2F%2Ftools.example%2Fen%2Fthanks%2F"
                     "&cancel_return=https%3A%2F%2Ftools.example%2Fen%2Fthanks%2F"
                     "&submit.x=47&submit.y=20"}),
    [](const auto& info) { return std::string(info.param.name); });

class OpenAddressHands : public ::testing::TestWithParam<const char*> {};

TEST_P(OpenAddressHands, TheAddressUnchangedToTheDesktop) {
    OpenedAddresses::instance().clear();
    OpenAddress(QString::fromUtf8(GetParam()));
    EXPECT_EQ(OpenedAddresses::instance().addresses(), QStringList{QString::fromUtf8(GetParam())});
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, OpenAddressHands,
    ::testing::Values("http://www.paypal.com/cgi-bin/webscr?cmd=p/gen/ua/policy_privacy-outside",
                      "http://www.paypal.com/pdn", "http://www.ravelin.example/",
                      "https://www.paypal.com/mrb/pal=RAVELINEXAMPLE",
                      "https://www.paypal.com/cgi-bin/webscr?bn=&cmd=_xclick"
                      "&business=sales@ravelin.example&item_name=Ravelin+Website+Payments"
                      "&item_number=0000&amount=5.00&currency_code=USD&undefined_quantity=1"
                      "&image_url=&return=http%3A%2F%2Fwww.ravelin.example"
                      "&cancel_return=http%3A%2F%2Fwww.ravelin.example&submit.x=47&submit.y=20"));

TEST(MailTo, HandsMailtoAndTheAddressWithNothingElse) {
    OpenedAddresses::instance().clear();
    MailTo(QStringLiteral("info@ravelin.example"));
    EXPECT_EQ(OpenedAddresses::instance().addresses(),
              QStringList{QStringLiteral("mailto:info@ravelin.example")});
}

} // namespace
} // namespace ravelin::extras
