#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "tests/batch/batch_process.h"
#include "tests/support/temp_folder.h"

namespace {

// What a terminal shows after these bytes, line by line: carriage returns, line feeds, erasing
// to the end of the line and moving right or left (as a Windows console under Wine draws);
// other control sequences change nothing shown. Columns are counted in bytes.
std::string ScreenText(const std::string& bytes) {
    std::vector<std::string> lines(1);
    std::size_t row = 0;
    std::size_t column = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char byte = bytes[at];
        if (byte == '\r') {
            column = 0;
        } else if (byte == '\n') {
            if (++row == lines.size()) {
                lines.emplace_back();
            }
        } else if (byte == '\x1b' && at + 1 < bytes.size() && bytes[at + 1] == '[') {
            std::size_t end = at + 2;
            while (end < bytes.size() &&
                   std::isalpha(static_cast<unsigned char>(bytes[end])) == 0) {
                ++end;
            }
            const std::string parameters = bytes.substr(at + 2, end - at - 2);
            const std::size_t count =
                parameters.empty() ? 1 : std::strtoul(parameters.c_str(), nullptr, 10);
            const char command = end < bytes.size() ? bytes[end] : '\0';
            if (command == 'K') {
                lines[row].resize(std::min(lines[row].size(), column));
            } else if (command == 'C') {
                column += count;
            } else if (command == 'D') {
                column -= std::min(column, count);
            }
            at = end;
        } else {
            std::string& line = lines[row];
            if (line.size() <= column) {
                line.resize(column, ' ');
                line += byte;
            } else {
                line[column] = byte;
            }
            ++column;
        }
    }
    std::string shown;
    for (std::string& line : lines) {
        line.erase(line.find_last_not_of(' ') + 1);
        shown += line + "\n";
    }
    return shown;
}

// The readers print one line per record, its values joined by '|' in hex of their GBK bytes,
// then "end", which a reader that failed never prints.
constexpr char kCsvReader[] = R"(
import csv, io, sys
text = open(sys.argv[2], 'rb').read().decode(sys.argv[1])
for row in csv.reader(io.StringIO(text, newline=''), strict=True):
    print('|'.join(row).encode('gbk').hex())
print('end')
)";

constexpr char kJsonlReader[] = R"(
import json, sys
text = open(sys.argv[2], 'rb').read().decode(sys.argv[1])
assert text == '' or text.endswith('\n')
for line in text.split('\n')[:-1]:
    record = json.loads(line)
    assert list(record) == ['number', 'ok', 'message', 'time', 'context', 'state',
                            'state_text', 'error'], list(record)
    if record['error'] is None:
        del record['error']
    words = {None: '(null)', True: 'true', False: 'false'}
    print('|'.join(words[v] if v is None or isinstance(v, bool) else v
                   for v in record.values()).encode('gbk').hex())
print('end')
)";

// Runs the reader on the bytes and gives its records.
std::optional<std::vector<std::string>> ReadBack(const char* reader, const std::string& bytes,
                                                 const std::string& encoding) {
    const TempFolder folder;
    TempFolder::WriteFile(folder.Path() / "reader.py", reader);
    TempFolder::WriteFile(folder.Path() / "data", bytes);
    std::istringstream printed(CommandOutput("python3 " + (folder.Path() / "reader.py").string() +
                                             " " + encoding + " " +
                                             (folder.Path() / "data").string()));
    std::vector<std::string> records;
    for (std::string line; std::getline(printed, line);) {
        if (line == "end") {
            return records;
        }
        std::string& record = records.emplace_back();
        for (std::size_t at = 0; at + 1 < line.size(); at += 2) {
            record += static_cast<char>(std::strtol(line.substr(at, 2).c_str(), nullptr, 16));
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<BatchChild> StartBatch(const std::vector<std::string>& arguments,
                                     const std::string& standard_input,
                                     const std::vector<std::string>& extra_environment,
                                     const std::string& folder) {
    TempFolder::WriteFile(folder + "/stdin", standard_input);
    const std::optional<ChildProcess> child =
        StartProgram(PARCELIO_BATCH_PROGRAM, {.arguments = arguments,
                                              .extra_environment = extra_environment,
                                              .input_file = folder + "/stdin",
                                              .output_file = folder + "/stdout",
                                              .error_file = folder + "/stderr",
                                              .folder = folder});
    return child ? std::optional(BatchChild{*child, folder}) : std::nullopt;
}

BatchOutcome FinishBatch(const BatchChild& child, int limit_seconds) {
    return {WaitForEnd(child.process, limit_seconds),
            TempFolder::FileContent(child.folder + "/stdout"),
            TempFolder::FileContent(child.folder + "/stderr")};
}

BatchOutcome RunBatch(const std::vector<std::string>& arguments, const std::string& standard_input,
                      const std::vector<std::string>& extra_environment,
                      const std::string& folder) {
    const std::optional<BatchChild> child =
        StartBatch(arguments, standard_input, extra_environment, folder);
    return child ? FinishBatch(*child, 60) : BatchOutcome{};
}

std::string TerminalTranscript(const std::vector<std::string>& arguments,
                               const std::vector<std::string>& extra_environment) {
    // Python's pty.spawn runs the command on a new pseudo-terminal and copies what it shows;
    // unlike script(1) it does not hang the terminal up when its own input ends.
    std::string command = "python3 -c 'import pty, sys; pty.spawn(sys.argv[1:])' env";
    for (const std::string& word : extra_environment) {
        command += " " + word;
    }
    command += std::string(" ") + PARCELIO_BATCH_PROGRAM;
    for (const std::string& word : arguments) {
        command += " " + word;
    }
    return ScreenText(CommandOutput(command + " </dev/null"));
}

std::optional<std::vector<std::string>> CsvRowsReadBack(const std::string& bytes) {
    return ReadBack(kCsvReader, bytes, "gbk");
}

std::optional<std::vector<std::string>> JsonlObjectsReadBack(const std::string& bytes) {
    return ReadBack(kJsonlReader, bytes, "utf-8");
}
