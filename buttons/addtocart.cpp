// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Add to Cart button: puts one item into the shopping cart, cmd "_cart" with add "1".
#include "buttons/buttontypes.h"
#include "buttons/money.h"
#include "buttons/pieces.h"
#include "buttons/writers.h"

#include <utility>
#include <vector>

namespace ravelin::buttons {

Button writeAddToCart(const AddToCartAnswers& a, const Context& context) {
    Form form;
    Summary summary(context.account);
    const Currency* currency = findCurrency(a.cmbCurrencyATC);

    form.describe("Item Name: ", a.txtItemNameATC);
    form.describe("Item Number: ", a.txtItemIDATC);
    form.describe("Price: ", shownPrice(currency, a.txtPriceATC));
    writeOpeningFields(form, context, "_cart", {{"add", "1"}});

    summary.add("Item Name/Service: ", a.txtItemNameATC);
    form.field("item_name", a.txtItemNameATC);

    summary.add("Item ID/Number: ", a.txtItemIDATC);
    form.field("item_number", a.txtItemIDATC);

    const std::vector<ItemOption> options = itemOptions<AddToCart>(a);
    summary.add("Item Price: ", shownPrice(currency, a.txtPriceATC));
    if (writesItemPrice(a.txtPriceATC, options)) {
        form.field("amount", formatAmount(a.txtPriceATC, codeOf(currency)));
    }

    writeCurrency(form, summary, a.cmbCurrencyATC, currency);

    if (writesNote(a)) {
        summary.add("Customer Note: Yes, ", a.txtNoteATC);
        form.field("cn", a.txtNoteATC);
    }
    form.field("no_shipping", "0");
    form.field("undefined_quantity", "0");

    if (writesLogo(a)) {
        summary.add("Company Logo: ", a.txtLogoATC);
        form.field("image_url", a.txtLogoATC);
    }
    writeReturnAddresses(form, summary, a.txtWebSiteSuccessATC, a.txtCancelATC);
    writeItemOptions(form, summary, options, codeOf(currency));
    writeAdvancedVariables(form, summary, a.txtAdvancedATC);
    chooseImage(form, summary, a.optImageButtonATC, AddToCart::kPictures, context.endpoints.images,
                a.txtButtonURLATC);

    return finishButton(std::move(form), std::move(summary), context);
}

} // namespace ravelin::buttons
