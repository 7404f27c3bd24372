#include <benchmark/benchmark.h>

#include "bench/generated_inputs.h"
#include "tracking/tracking_reply.h"

namespace {

void BM_ParseTrackingReply(benchmark::State& state) {
    const Text reply = MakeReplyText(static_cast<std::size_t>(state.range(0)));
    std::size_t events = 0;
    for (auto _ : state) {
        const TrackingReply parsed = ParseTrackingReply(reply, "9700123456789");
        events = parsed.events.size();
        benchmark::DoNotOptimize(parsed);
    }
    state.counters["events"] = static_cast<double>(events);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_ParseTrackingReply)->Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20);

}  // namespace

BENCHMARK_MAIN();
