// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Buy Now button: a single-item payment, cmd "_xclick".
#include "buttons/buttontypes.h"
#include "buttons/money.h"
#include "buttons/pieces.h"
#include "buttons/writers.h"

#include <utility>
#include <vector>

namespace ravelin::buttons {

Button writeBuyNow(const BuyNowAnswers& a, const Context& context) {
    Form form;
    Summary summary(context.account);
    const Currency* currency = findCurrency(a.cmbCurrencyBN);

    form.describe("Item Name: ", a.txtItemNameBN);
    form.describe("Item Number: ", a.txtItemIDBN);
    form.describe("Price: ", shownPrice(currency, a.txtPriceBN));
    writeOpeningFields(form, context, "_xclick");

    summary.add("Item Name/Service: ", a.txtItemNameBN);
    form.field("item_name", a.txtItemNameBN);

    summary.add("Item ID/Number: ", a.txtItemIDBN);
    form.field("item_number", a.txtItemIDBN);

    const std::vector<ItemOption> options = itemOptions<BuyNow>(a);
    summary.add("Item Price: ", shownPrice(currency, a.txtPriceBN));
    if (writesItemPrice(a.txtPriceBN, options)) {
        form.field("amount", formatAmount(a.txtPriceBN, codeOf(currency)));
    }

    writeCurrency(form, summary, a.cmbCurrencyBN, currency);

    if (letsBuyerChooseQuantity(a)) {
        summary.add("Customer Note: Yes");
        form.field("undefined_quantity", "1");
    }
    if (writesLogo(a)) {
        summary.add("Company Logo: ", a.txtLogoBN);
        form.field("image_url", a.txtLogoBN);
    }
    if (writesShippingAmount(a.txtBaseShippingBN)) {
        summary.add("Base Shipping: ", a.txtBaseShippingBN);
        form.field("shipping", a.txtBaseShippingBN);
    }
    if (writesShippingAmount(a.txtExtraShippingBN)) {
        summary.add("Extra Shipping: ", a.txtExtraShippingBN);
        form.field("shipping2", a.txtExtraShippingBN);
    }
    if (writesShippingAmount(a.txtHandlingBN)) {
        summary.add("Handling: ", a.txtHandlingBN);
        form.field("handling", a.txtHandlingBN);
    }
    writeReturnAddresses(form, summary, a.txtWebSiteSuccessBN, a.txtCancelBN);
    writeItemOptions(form, summary, options, codeOf(currency));
    writeAdvancedVariables(form, summary, a.txtAdvancedBN);
    chooseImage(form, summary, a.optBN, BuyNow::kPictures, context.endpoints.images,
                a.txtButtonURLBN);

    return finishButton(std::move(form), std::move(summary), context);
}

} // namespace ravelin::buttons
