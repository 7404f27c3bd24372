#include "batch/batch_output.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "batch/process_control.h"
#include "runs/file_io.h"
#include "tracking/convert_charset.h"

namespace fs = std::filesystem;

StreamCharset ChooseCharset(Encoding encoding, TerminalKind terminal) {
    switch (encoding) {
        case Encoding::kGbk:
            return {false, false};
        case Encoding::kUtf8:
            return {true, false};
        case Encoding::kFollowTerminal:
            break;
    }
    return {terminal == TerminalKind::kUtf8 || terminal == TerminalKind::kWideConsole,
            terminal == TerminalKind::kWideConsole};
}

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

std::vector<Text> ArgumentReadings(std::string_view argument, Encoding encoding,
                                   bool arguments_utf8) {
    std::vector<Text> readings;
    if (arguments_utf8 || encoding != Encoding::kFollowTerminal) {
        if (std::optional<Text> text =
                ArgumentText(argument, arguments_utf8 || encoding == Encoding::kUtf8)) {
            readings.push_back(std::move(*text));
        }
        return readings;
    }
    readings.emplace_back(argument);
    std::optional<Text> converted = ArgumentText(argument, true);
    if (converted && *converted != argument) {
        readings.push_back(std::move(*converted));
    }
    return readings;
}

fs::path ArgumentPath(const std::string& argument) {
    return fs::path(std::u8string(argument.begin(), argument.end()));
}

std::optional<std::string> OutputPathProblem(const std::string& path) {
    std::error_code error;
    const fs::path file = ArgumentPath(path);
    if (fs::is_directory(file, error)) {
        return "output file " + path + " is a folder";
    }
    fs::path folder = file.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    if (!fs::is_directory(folder, error)) {
        const std::u8string name = folder.u8string();
        return "cannot write " + path + ": no folder " + std::string(name.begin(), name.end());
    }
    return std::nullopt;
}

bool WriteStream(StandardStream stream, const ByteArray& bytes, const StreamCharset& charset) {
    if (charset.console) {
        return WriteWideConsole(stream, std::string_view(bytes.data(), bytes.size()));
    }
    FILE* const file = stream == StandardStream::kOutput ? stdout : stderr;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        return false;
    }
    return std::fflush(file) == 0;
}

bool WriteOutputFile(const std::string& path, const ByteArray& bytes) {
    HoldInterrupts();
    const bool written = WriteWholeFile(ArgumentPath(path), bytes);
    ReleaseInterrupts();
    return written;
}

namespace {

// A complaint on standard error: the message is ASCII with the command line's own texts in it.
void Complain(const std::string& text) {
    if (StreamTerminal(StandardStream::kError) == TerminalKind::kWideConsole &&
        WriteWideConsole(StandardStream::kError, text)) {
        return;
    }
    std::fputs(text.c_str(), stderr);
}

}  // namespace

int ReportUsageError(const std::string& message) {
    Complain("parcelio-batch: " + message + "\nTry 'parcelio-batch --help'.\n");
    return kBadUsage;
}

int ReportWriteError(const std::string& target) {
    Complain("parcelio-batch: cannot write " + target + "\n");
    return kBadUsage;
}

StreamCharset ErrorCharset(const BatchOptions& options) {
    return ChooseCharset(options.encoding, StreamTerminal(StandardStream::kError));
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

Text StateSummary(const StateCounts& counts) {
    std::size_t total = 0;
    for (const std::size_t count : counts) {
        total += count;
    }
    Text summary = std::to_string(total) + " 个单号";
    std::string_view separator = "：";
    for (const ParcelState state : kParcelStates) {
        const std::size_t count = counts[static_cast<std::size_t>(state)];
        if (count > 0) {
            summary += JoinTexts(separator, ParcelStateName(state), " ", std::to_string(count));
            separator = "，";
        }
    }
    return summary;
}

std::string ProgressRedraw(std::string_view line, std::size_t shown_width) {
    std::string redraw(1, '\r');
    redraw.append(line);
    if (shown_width > line.size()) {
        redraw.append(shown_width - line.size(), ' ');
    }
    return line.empty() ? redraw + "\r" : redraw;
}
