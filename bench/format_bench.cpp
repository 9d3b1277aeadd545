// The conversions every grid cell and box goes through: each must stay well under 300 ns.

#include <benchmark/benchmark.h>

#include <array>

#include "common/core/format_number.h"
#include "common/core/number_parse.h"
#include "common/core/number_text.h"

namespace {

constexpr std::array<double, 8> kValues = {607.161,  19837398.0, -3.0,       0.5,
                                           1234.567, 0.0,        123456.789, 1e-7};

void currency(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(coinwell::formatNumber(kValues[i++ % kValues.size()], "Currency"));
    }
}
BENCHMARK(currency);

void customPattern(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(coinwell::formatNumber(kValues[i++ % kValues.size()], "####.00"));
    }
}
BENCHMARK(customPattern);

void groupedPattern(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            coinwell::formatNumber(kValues[i++ % kValues.size()], "$###,###,###.00"));
    }
}
BENCHMARK(groupedPattern);

void percent(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(coinwell::formatNumber(kValues[i++ % kValues.size()], "Percent"));
    }
}
BENCHMARK(percent);

void plainDouble(benchmark::State& state) {
    constexpr std::array<double, 6> values = {1.0 / 3, 5.0, 7.25, 1e15, 0.00001, -1234.5678};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(coinwell::plainNumberText(values[i++ % values.size()]));
    }
}
BENCHMARK(plainDouble);

void plainSingle(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            coinwell::plainNumberText(static_cast<float>(kValues[i++ % kValues.size()])));
    }
}
BENCHMARK(plainSingle);

void leadingNumber(benchmark::State& state) {
    constexpr std::array<const char*, 4> texts = {"1234.5", " 12.5kg", "1.5D+003", "7"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(coinwell::parseLeadingNumber(texts[i++ % texts.size()]));
    }
}
BENCHMARK(leadingNumber);

void localeNumber(benchmark::State& state) {
    constexpr std::array<const char*, 3> texts = {"$1,234.50", "(12)", "0.075"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(coinwell::parseLocaleNumber(texts[i++ % texts.size()]));
    }
}
BENCHMARK(localeNumber);

void longDate(benchmark::State& state) {
    const coinwell::DateTime when{2006, 9, 30, 15, 7, 9};
    for (auto _ : state) {
        benchmark::DoNotOptimize(coinwell::formatDate(when, "Long Date"));
    }
}
BENCHMARK(longDate);

}  // namespace
