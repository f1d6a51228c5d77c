// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One benchmark per button writer, each on a typical set of answers.
#include "buttons/writers.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ravelin::buttons;

const Context kContext{"seller@example.com", "KORVANEX.301", Endpoints{}};

template <typename Answers>
void run(benchmark::State& state, Button (*writer)(const Answers&, const Context&),
         const Answers& answers) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        Button button = writer(answers, kContext);
        bytes += button.html.size() + button.summary.size();
        benchmark::DoNotOptimize(button);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_BuyNow(benchmark::State& state) {
    BuyNowAnswers a;
    a.txtItemNameBN = "Garden Gnome";
    a.txtItemIDBN = "GN-7";
    a.txtPriceBN = "25";
    a.cmbCurrencyBN = "Euro (EUR)";
    a.txtBaseShippingBN = "5.00";
    a.txtHandlingBN = "1.50";
    run(state, &writeBuyNow, a);
}
BENCHMARK(BM_BuyNow);

void BM_AddToCart(benchmark::State& state) {
    AddToCartAnswers a;
    a.optImageButtonATC = 2;
    a.txtItemNameATC = "Blue Mug";
    a.txtItemIDATC = "MUG-01";
    a.txtPriceATC = "12.5";
    a.cmbCurrencyATC = "Euro (EUR)";
    a.optNoteATC = 0;
    a.txtNoteATC = "Gift message";
    a.txtWebSiteSuccessATC = "thanks.htm";
    run(state, &writeAddToCart, a);
}
BENCHMARK(BM_AddToCart);

void BM_ViewCart(benchmark::State& state) {
    ViewCartAnswers a;
    a.optVC = 1;
    run(state, &writeViewCart, a);
}
BENCHMARK(BM_ViewCart);

void BM_Donate(benchmark::State& state) {
    DonateAnswers a;
    a.optDON = 3;
    a.txtItemNameDON = "Roof Fund";
    a.txtItemIDDON = "RF-1";
    a.cmbCurrencyDON = "British Pound Sterling (£)";
    a.txtWebSiteSuccessATC = "thanks.htm";
    run(state, &writeDonate, a);
}
BENCHMARK(BM_Donate);

void BM_Subscribe(benchmark::State& state) {
    SubscribeAnswers a;
    a.txtItemNameSUB = "Monthly Newsletter";
    a.txtItemIDSUB = "NL1";
    a.cmbCurrencySUB = "Euro (EUR)";
    a.txtPriceSUB = "9.5";
    a.txtPrice2SUB = "0";
    a.cmbTerm2SUB = "Months(s)";
    run(state, &writeSubscribe, a);
}
BENCHMARK(BM_Subscribe);

} // namespace
