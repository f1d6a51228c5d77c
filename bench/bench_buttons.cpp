// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One benchmark per button writer, each on the answers of its worked example.
#include "buttons/tests/examples.h"
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
    run(state, &writeBuyNow, testing::buyNowExample());
}
BENCHMARK(BM_BuyNow);

void BM_AddToCart(benchmark::State& state) {
    run(state, &writeAddToCart, testing::addToCartExample());
}
BENCHMARK(BM_AddToCart);

void BM_ViewCart(benchmark::State& state) {
    run(state, &writeViewCart, testing::viewCartExample());
}
BENCHMARK(BM_ViewCart);

void BM_Donate(benchmark::State& state) {
    run(state, &writeDonate, testing::donateExample());
}
BENCHMARK(BM_Donate);

void BM_Subscribe(benchmark::State& state) {
    run(state, &writeSubscribe, testing::subscribeExample());
}
BENCHMARK(BM_Subscribe);

} // namespace
