// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One benchmark per button writer, each on the answers of its worked example.
#include "buttons/tests/examples.h"
#include "buttons/writers.h"
#include "ravelin/version.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

using namespace ravelin::buttons;

const Context kContext{"seller@example.com", std::string(ravelin::version::kBuildCode),
                       Endpoints{}};

template <typename Answers>
void BM_Write(benchmark::State& state, Button (*writer)(const Answers&, const Context&),
              const Answers& answers) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        Button button = writer(answers, kContext);
        bytes += button.html.size() + button.summary.size();
        benchmark::DoNotOptimize(button);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

BENCHMARK_CAPTURE(BM_Write, BuyNow, &writeBuyNow, testing::buyNowExample());
BENCHMARK_CAPTURE(BM_Write, AddToCart, &writeAddToCart, testing::addToCartExample());
BENCHMARK_CAPTURE(BM_Write, ViewCart, &writeViewCart, testing::viewCartExample());
BENCHMARK_CAPTURE(BM_Write, Donate, &writeDonate, testing::donateExample());
BENCHMARK_CAPTURE(BM_Write, Subscribe, &writeSubscribe, testing::subscribeExample());

} // namespace
