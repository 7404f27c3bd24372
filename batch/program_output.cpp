#include "batch/program_output.h"

#include <cstdio>

#include "batch/batch_output.h"
#include "batch/output_text.h"
#include "runs/import_export_text.h"

int ReportUsageError(const std::string& message) {
    std::fprintf(stderr, "parcelio-batch: %s\nTry 'parcelio-batch --help'.\n", message.c_str());
    return kBadUsage;
}

int ReportWriteError(const std::string& target) {
    std::fprintf(stderr, "parcelio-batch: cannot write %s\n", target.c_str());
    return kBadUsage;
}

namespace {

bool DeliverOutput(const BatchOptions& options, std::string_view gbk_text) {
    const ByteArray bytes = OutputBytes(gbk_text, options.utf8);
    return options.output_path ? WriteOutputFile(*options.output_path, bytes)
                               : WriteStandardOutput(bytes);
}

}  // namespace

int DeliverOrReport(const BatchOptions& options, std::string_view gbk_text, int status) {
    if (!DeliverOutput(options, gbk_text)) {
        return ReportWriteError(options.output_path.value_or("standard output"));
    }
    return status;
}

Text RowsText(const RowCellsList& rows) {
    return BytesToText(ExportedRowBytes(rows));
}
