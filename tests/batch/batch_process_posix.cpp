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
            line.resize(std::max(line.size(), column + 1), ' ');
            line[column++] = byte;
        }
    }
    std::string shown;
    for (std::string& line : lines) {
        line.erase(line.find_last_not_of(' ') + 1);
        shown += line + "\n";
    }
    return shown;
}

// Reads csv (GBK, strict quoting) or jsonl (UTF-8, the keys in their order) and prints one
// line per record, its values joined by '|' in hex of their GBK bytes, then "end", which a
// reader that failed never prints.
constexpr char kReader[] = R"(
import csv, io, json, sys
data = open(sys.argv[2], 'rb').read()
if sys.argv[1] == 'csv':
    records = csv.reader(io.StringIO(data.decode('gbk'), newline=''), strict=True)
else:
    text = data.decode('utf-8')
    assert text == '' or text.endswith('\n')
    objects = [json.loads(line) for line in text.split('\n')[:-1]]
    keys = ['number', 'ok', 'message', 'time', 'context', 'state', 'state_text', 'error']
    assert all(list(record) == keys for record in objects), objects
    words = {None: '(null)', True: 'true', False: 'false'}
    records = [[words[v] if v is None or isinstance(v, bool) else v
                for k, v in record.items() if k != 'error' or v is not None] for record in objects]
for values in records:
    print('|'.join(values).encode('gbk').hex())
print('end')
)";

// Runs the reader on the bytes in format and gives its records.
std::optional<std::vector<std::string>> ReadBack(const std::string& format,
                                                 const std::string& bytes) {
    const TempFolder folder;
    TempFolder::WriteFile(folder.Path() / "reader.py", kReader);
    TempFolder::WriteFile(folder.Path() / "data", bytes);
    std::istringstream printed(CommandOutput("python3 " + (folder.Path() / "reader.py").string() +
                                             " " + format + " " +
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
    return ReadBack("csv", bytes);
}

std::optional<std::vector<std::string>> JsonlObjectsReadBack(const std::string& bytes) {
    return ReadBack("jsonl", bytes);
}
