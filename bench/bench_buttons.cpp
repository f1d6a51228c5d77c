// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One benchmark per button writer and one per answer checker, each on the answers of its worked
// example: a check should cost less than writing the button. Beside each writer its baseline:
// a plain copy of the same button's summary and HTML, the least any writer that hands back new
// strings can cost.
#include "buttons/check.h"
#include "buttons/examples.h"
#include "buttons/writers.h"
#include "ravelin/version.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>
#include <vector>

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

template <typename Answers>
void BM_CopyOutput(benchmark::State& state, Button (*writer)(const Answers&, const Context&),
                   const Answers& answers) {
    const Button written = writer(answers, kContext);
    std::size_t bytes = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(written);
        std::string summary = written.summary;
        std::string html = written.html;
        bytes += html.size() + summary.size();
        benchmark::DoNotOptimize(summary);
        benchmark::DoNotOptimize(html);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

// The least of repeated runs (--benchmark_repetitions), the figure least disturbed by other
// work on a shared machine.
double least(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

BENCHMARK_CAPTURE(BM_Write, BuyNow, &writeBuyNow, workedExample<BuyNow>())
    ->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(BM_CopyOutput, BuyNow, &writeBuyNow, workedExample<BuyNow>())
    ->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(BM_Write, AddToCart, &writeAddToCart, workedExample<AddToCart>())
    ->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(BM_CopyOutput, AddToCart, &writeAddToCart, workedExample<AddToCart>())
    ->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(BM_Write, ViewCart, &writeViewCart, workedExample<ViewCart>())
    ->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(BM_CopyOutput, ViewCart, &writeViewCart, workedExample<ViewCart>())
    ->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(BM_Write, Donate, &writeDonate, workedExample<Donate>())
    ->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(BM_CopyOutput, Donate, &writeDonate, workedExample<Donate>())
    ->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(BM_Write, Subscribe, &writeSubscribe, workedExample<Subscribe>())
    ->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(BM_CopyOutput, Subscribe, &writeSubscribe, workedExample<Subscribe>())
    ->ComputeStatistics("min", least);
// A Buy Now button with item options and an advanced variable.
BENCHMARK_CAPTURE(BM_Write, BuyNowTShirt, &writeBuyNow, tShirtExample())
    ->ComputeStatistics("min", least);
BENCHMARK_CAPTURE(BM_CopyOutput, BuyNowTShirt, &writeBuyNow, tShirtExample())
    ->ComputeStatistics("min", least);

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
// Item options and an advanced variable, whose check looks at the fields the button carries.
BENCHMARK_CAPTURE(BM_Check, BuyNowTShirt, &checkBuyNow, tShirtExample());

} // namespace
