// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One benchmark per button writer, each on the answers of its worked example.
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

} // namespace
