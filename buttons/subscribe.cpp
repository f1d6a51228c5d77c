// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Subscriptions button: a recurring payment, cmd "_xclick-subscriptions". It borrows the
// Buy Now logo, return and cancel boxes, and takes its pictures from its own image folder.
#include "buttons/buttontypes.h"
#include "buttons/money.h"
#include "buttons/pieces.h"
#include "buttons/text.h"
#include "buttons/writers.h"

#include <utility>

namespace ravelin::buttons {

Button writeSubscribe(const SubscribeAnswers& a, const Context& context) {
    Form form;
    Summary summary(context.account);
    const Currency* currency = findCurrency(a.cmbCurrencySUB);

    form.describe("Subscription Name: ", a.txtItemNameSUB);
    form.describe("Reference Number: ", a.txtItemIDSUB);
    writeOpeningFields(form, context, "_xclick-subscriptions");

    summary.add("Subscription Name/Service: ", a.txtItemNameSUB);
    form.field("item_name", a.txtItemNameSUB);

    summary.add("Subscription ID/Number: ", a.txtItemIDSUB);
    form.field("item_number", a.txtItemIDSUB);

    writeCurrency(form, summary, a.cmbCurrencySUB, currency);

    // The regular plan.
    summary.add("Subscription Price: ", shownPrice(currency, a.txtPriceSUB));
    form.field("a3", formatAmount(a.txtPriceSUB, codeOf(currency)));
    summary.add("Billing Cycle: ", a.cmbNumberSUB);
    form.field("p3", a.cmbNumberSUB);
    summary.add("Billing Term: ", a.cmbTermSUB);
    form.field("t3", firstCharacter(a.cmbTermSUB));

    // Recurrence: until cancelled, or a fixed number of payments.
    if (recurs(a)) {
        summary.add("Recurring: Yes");
        form.field("src", "1");
        if (stopsAfter(a)) {
            summary.add("Stop After: ", a.cmbStopSUB);
            form.field("srt", a.cmbStopSUB);
        }
    }
    summary.add("Retry on Failed: Yes");
    form.field("sra", "1");

    if (writesLogo(a)) {
        summary.add("Company Logo: ", a.txtLogoBN);
        form.field("image_url", a.txtLogoBN);
    }
    writeReturnAddresses(form, summary, a.txtWebSiteSuccessBN, a.txtCancelBN);

    // The trial period or set-up fee; its price is written as typed.
    if (writesTrial(a)) {
        summary.add("Trail or Setup Price: ", shownPrice(currency, a.txtPrice2SUB));
        summary.add("Billing Cycle: ", a.cmbNumber2SUB);
        summary.add("Billing Term: ", a.cmbTerm2SUB);
        form.field("a1", a.txtPrice2SUB);
        form.field("p1", a.cmbNumber2SUB);
        form.field("t1", firstCharacter(a.cmbTerm2SUB));
    }
    writeItemOptions(form, summary, itemOptions<Subscribe>(a), codeOf(currency));
    writeAdvancedVariables(form, summary, a.txtAdvancedSUB);
    chooseImage(form, summary, a.optSUB, Subscribe::kPictures, context.endpoints.subscriptionImages,
                a.txtButtonURLSUB);

    return finishButton(std::move(form), std::move(summary), context);
}

} // namespace ravelin::buttons
