// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The View Cart button: shows the shopping cart, cmd "_cart" with display "1".
#include "buttons/buttontypes.h"
#include "buttons/pieces.h"
#include "buttons/writers.h"

#include <utility>

namespace ravelin::buttons {

Button writeViewCart(const ViewCartAnswers& a, const Context& context) {
    Form form;
    Summary summary(context.account);

    writeOpeningFields(form, context, "_cart");
    form.openingField("display", "1", true);
    writeAdvancedVariables(form, summary, a.txtAdvancedVC);

    chooseImage(form, summary, a.optVC, ViewCart::kPictures, context.endpoints.images,
                a.txtButtonURLVC);

    return finishButton(std::move(form), std::move(summary), context);
}

} // namespace ravelin::buttons
