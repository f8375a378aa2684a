// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Cost of the routines and of a whole click at 8, 1,000 and 1,000,000 code
// units; linear growth shows as a ratio of about 1,000 between the last two.
#include "logic/conversion_command.h"
#include "logic/hex_text.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::u16string hexText(std::int64_t length) {
    std::u16string text;
    text.reserve(static_cast<std::size_t>(length));
    for (std::int64_t i = 0; i < length; ++i) {
        text += u"0123456789abcdef"[i % 16];
    }
    return text;
}

// Hands the command the same input every time and drops what it writes.
class BenchWindow : public tovalin::WindowOps {
public:
    explicit BenchWindow(std::u16string input) : input_(std::move(input)) {}
    std::u16string getInputText() override { return input_; }
    void setInputText(std::u16string_view text) override { benchmark::DoNotOptimize(text.data()); }
    void setOutputText(std::u16string_view text) override { benchmark::DoNotOptimize(text.data()); }
    void showMessage(std::u16string_view, std::int32_t, std::u16string_view) override {}

private:
    std::u16string input_;
};

void BM_panduanHex(benchmark::State& state) {
    const std::u16string text = hexText(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tovalin::panduanHex(text));
    }
    state.SetComplexityN(state.range(0));
}

void BM_convert(benchmark::State& state) {
    const std::u16string text = hexText(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tovalin::convert(text));
    }
    state.SetComplexityN(state.range(0));
}

void BM_f_a_Click(benchmark::State& state) {
    BenchWindow window(hexText(state.range(0)));
    tovalin::ConversionCommand command(window);
    for (auto _ : state) {
        command.f_a_Click();
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_panduanHex)->Arg(8)->Arg(1'000)->Arg(1'000'000)->Complexity();
BENCHMARK(BM_convert)->Arg(8)->Arg(1'000)->Arg(1'000'000)->Complexity();
BENCHMARK(BM_f_a_Click)->Arg(8)->Arg(1'000)->Arg(1'000'000)->Complexity();

BENCHMARK_MAIN();
