#include <benchmark/benchmark.h>

#include "batch/csv_numbers.h"
#include "bench/generated_inputs.h"
#include "runs/import_export_text.h"

namespace {

void BM_ImportedNumberText(benchmark::State& state) {
    const ByteArray file_bytes =
        TextToBytes(MakeNumberList(static_cast<std::size_t>(state.range(0))) + "\r\n");
    std::size_t box_bytes = 0;
    for (auto _ : state) {
        const Text box_text = ImportedNumberText(file_bytes);
        box_bytes = box_text.size();
        benchmark::DoNotOptimize(box_text);
    }
    state.counters["box_bytes"] = static_cast<double>(box_bytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file_bytes.size()));
}
BENCHMARK(BM_ImportedNumberText)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ColumnNumbers(benchmark::State& state) {
    const std::string export_text = MakeOrderExport(static_cast<std::size_t>(state.range(0)));
    const ByteArray file_bytes(export_text.begin(), export_text.end());
    for (auto _ : state) {
        const auto numbers = ColumnNumbers(file_bytes, "运单号", {"运单号"});
        benchmark::DoNotOptimize(numbers);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file_bytes.size()));
}
BENCHMARK(BM_ColumnNumbers)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ExportedRowBytes(benchmark::State& state) {
    const RowCellsList rows = MakeResultRows(static_cast<std::size_t>(state.range(0)));
    std::size_t file_bytes = 0;
    for (auto _ : state) {
        const ByteArray bytes = ExportedRowBytes(rows);
        file_bytes = bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["file_bytes"] = static_cast<double>(file_bytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file_bytes));
}
BENCHMARK(BM_ExportedRowBytes)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
