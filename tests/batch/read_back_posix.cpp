// POSIX: the readers run as a python3 child through popen, reading a temporary file.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "tests/batch/read_back.h"

namespace {

// Prints one line per record: its values, each "x" and the hex of its GBK bytes, or a word.
constexpr char kCsvReader[] = R"(
import csv, io, sys
text = open(sys.argv[2], 'rb').read().decode(sys.argv[1])
for row in csv.reader(io.StringIO(text, newline=''), strict=True):
    print(' '.join('x' + cell.encode('gbk').hex() for cell in row))
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
    words = {None: 'null', True: 'true', False: 'false'}
    print(' '.join(words[v] if v is None or isinstance(v, bool) else 'x' + v.encode('gbk').hex()
                   for v in record.values()))
)";

std::string Decoded(const std::string& word) {
    if (word == "null") {
        return "(null)";
    }
    if (word.empty() || word[0] != 'x') {
        return word;
    }
    std::string bytes;
    for (std::size_t at = 1; at + 1 < word.size(); at += 2) {
        bytes += static_cast<char>(std::strtol(word.substr(at, 2).c_str(), nullptr, 16));
    }
    return bytes;
}

// A new temporary file holding bytes; empty when it cannot be made.
std::string TemporaryFile(const std::string& bytes) {
    char path[] = "/tmp/parcelio-read-back-XXXXXX";
    const int descriptor = mkstemp(path);
    if (descriptor < 0) {
        return std::string();
    }
    close(descriptor);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// Runs the reader on the bytes and gives its lines, the words of each decoded and joined by '|'.
std::optional<std::vector<std::string>> ReadBack(const char* reader, const std::string& bytes,
                                                 const std::string& encoding) {
    const std::string script = TemporaryFile(reader);
    const std::string data = TemporaryFile(bytes);
    const std::string command = "python3 " + script + " " + encoding + " " + data;
    FILE* const output = script.empty() || data.empty() ? nullptr : popen(command.c_str(), "r");
    std::string printed;
    if (output != nullptr) {
        char chunk[4096];
        std::size_t count = 0;
        while ((count = std::fread(chunk, 1, sizeof chunk, output)) > 0) {
            printed.append(chunk, count);
        }
    }
    const int status = output == nullptr ? -1 : pclose(output);
    unlink(script.c_str());
    unlink(data.c_str());
    if (status != 0) {
        return std::nullopt;
    }
    std::vector<std::string> records;
    std::size_t start = 0;
    for (std::size_t end = printed.find('\n'); end != std::string::npos;
         start = end + 1, end = printed.find('\n', start)) {
        std::string record;
        const std::string line = printed.substr(start, end - start);
        std::size_t word_start = 0;
        for (std::size_t space = 0; space != std::string::npos; word_start = space + 1) {
            space = line.find(' ', word_start);
            if (word_start != 0) {
                record += '|';
            }
            record += Decoded(line.substr(word_start, space - word_start));
        }
        records.push_back(record);
    }
    return records;
}

}  // namespace

std::optional<std::vector<std::string>> CsvRowsReadBack(const std::string& bytes, bool utf8) {
    return ReadBack(kCsvReader, bytes, utf8 ? "utf-8" : "gbk");
}

std::optional<std::vector<std::string>> JsonlObjectsReadBack(const std::string& bytes) {
    return ReadBack(kJsonlReader, bytes, "utf-8");
}
