#include <benchmark/benchmark.h>

#include "bench/generated_inputs.h"
#include "text/text_ops.h"

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

void BM_FindText(benchmark::State& state) {
    const Text text = MakeReplyText(kMegabyte) + "\"message\":\"";
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindText(text, "\"message\":\"x"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_FindText);

void BM_SplitText(benchmark::State& state) {
    const Text text = MakeReplyText(kMegabyte);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SplitText(text, "},{"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SplitText);

void BM_RemoveAllSpaces(benchmark::State& state) {
    const Text text = MakeNumberList(60000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(RemoveAllSpaces(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_RemoveAllSpaces);

}  // namespace

BENCHMARK_MAIN();
