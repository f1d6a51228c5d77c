// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Donations button: a single payment, cmd "_xclick", whose amount may be left blank for
// the donor to fill in. It borrows the Add to Cart logo, return and cancel boxes.
#include "buttons/buttontypes.h"
#include "buttons/money.h"
#include "buttons/pieces.h"
#include "buttons/writers.h"

#include <utility>

namespace ravelin::buttons {

Button writeDonate(const DonateAnswers& a, const Context& context) {
    Form form;
    Summary summary(context.account);
    const Currency* currency = findCurrency(a.cmbCurrencyDON);

    writeOpeningFields(form, context, "_xclick");

    summary.add("Donation Name/Service: ", a.txtItemNameDON);
    form.field("item_name", a.txtItemNameDON);

    summary.add("Donation ID/Number: ", a.txtItemIDDON);
    form.field("item_number", a.txtItemIDDON);

    summary.add("Donation Amount: ", shownPrice(currency, a.txtPriceDON));
    form.field("amount", formatAmount(a.txtPriceDON, codeOf(currency)));

    writeCurrency(form, summary, a.cmbCurrencyDON, currency);

    if (writesNote(a)) {
        summary.add("Donator Note: Yes, ", a.txtNoteDON);
        form.field("cn", a.txtNoteDON);
    }
    if (writesLogo(a)) {
        summary.add("Company Logo: ", a.txtLogoATC);
        form.field("image_url", a.txtLogoATC);
    }
    writeReturnAddresses(form, summary, a.txtWebSiteSuccessATC, a.txtCancelATC);
    writeAdvancedVariables(form, summary, a.txtAdvancedDON);
    chooseImage(form, summary, a.optDON, Donate::kPictures, context.endpoints.images,
                a.txtButtonURLDON);

    return finishButton(std::move(form), std::move(summary), context);
}

} // namespace ravelin::buttons
