#include "batch/batch_output.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "batch/process_control.h"
#include "runs/file_io.h"
#include "runs/import_export_text.h"
#include "tracking/tracking_request.h"

namespace fs = std::filesystem;

ByteArray OutputBytes(std::string_view gbk_text, bool utf8) {
    const ByteArray gbk = TextToBytes(gbk_text);
    if (!utf8 || gbk.empty()) {
        return gbk;
    }
    ByteArray converted = ConvertCharset(gbk, "GBK", "UTF-8");
    return converted.empty() ? gbk : converted;
}

std::optional<Text> ArgumentText(std::string_view argument, bool utf8) {
    if (!utf8 || argument.empty()) {
        return Text(argument);
    }
    const ByteArray converted = ConvertCharset(TextToBytes(argument), "UTF-8", "GBK");
    if (converted.empty()) {
        return std::nullopt;
    }
    return BytesToText(converted);
}

std::optional<std::string> OutputPathProblem(const std::string& path) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        return "output file " + path + " is a folder";
    }
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    if (!fs::is_directory(folder, error)) {
        return "cannot write " + path + ": no folder " + folder.string();
    }
    return std::nullopt;
}

bool WriteStandardOutput(const ByteArray& bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
        return false;
    }
    return std::fflush(stdout) == 0;
}

bool WriteOutputFile(const std::string& path, const ByteArray& bytes) {
    HoldInterrupts();
    const bool written = WriteWholeFile(path, bytes);
    ReleaseInterrupts();
    return written;
}

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

namespace {

std::string MinutesAndSeconds(long long seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
    return text;
}

}  // namespace

std::string ProgressLine(std::size_t done, std::size_t total, std::size_t failed,
                         long long elapsed_ms) {
    std::string line = std::to_string(done) + "/" + std::to_string(total) + " numbers, " +
                       std::to_string(failed) + " failed, ";
    if (done == 0 || elapsed_ms <= 0) {
        return line + "--/s, -- left";
    }
    const double per_second = static_cast<double>(done) * 1000.0 / static_cast<double>(elapsed_ms);
    const double left_seconds = static_cast<double>(total - done) / per_second;
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.1f/s, ", per_second);
    return line + rate + MinutesAndSeconds(static_cast<long long>(left_seconds + 0.5)) + " left";
}
