// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One benchmark per button writer and one per answer checker, each on the answers of its worked
// example: a check should cost less than writing the button.
#include "buttons/check.h"
#include "buttons/examples.h"
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

BENCHMARK_CAPTURE(BM_Write, BuyNow, &writeBuyNow, workedExample<BuyNow>());
BENCHMARK_CAPTURE(BM_Write, AddToCart, &writeAddToCart, workedExample<AddToCart>());
BENCHMARK_CAPTURE(BM_Write, ViewCart, &writeViewCart, workedExample<ViewCart>());
BENCHMARK_CAPTURE(BM_Write, Donate, &writeDonate, workedExample<Donate>());
BENCHMARK_CAPTURE(BM_Write, Subscribe, &writeSubscribe, workedExample<Subscribe>());

template <typename Answers>
void BM_Check(benchmark::State& state, Findings (*check)(const Answers&, std::string_view),
              const Answers& answers) {
    for (auto _ : state) {
        Findings findings = check(answers, kContext.account);
        benchmark::DoNotOptimize(findings);
    }
}

BENCHMARK_CAPTURE(BM_Check, BuyNow, &checkBuyNow, workedExample<BuyNow>());
BENCHMARK_CAPTURE(BM_Check, AddToCart, &checkAddToCart, workedExample<AddToCart>());
BENCHMARK_CAPTURE(BM_Check, ViewCart, &checkViewCart, workedExample<ViewCart>());
BENCHMARK_CAPTURE(BM_Check, Donate, &checkDonate, workedExample<Donate>());
BENCHMARK_CAPTURE(BM_Check, Subscribe, &checkSubscribe, workedExample<Subscribe>());

} // namespace
