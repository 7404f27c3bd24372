#include "batch/batch_output.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "batch/process_control.h"
#include "runs/file_io.h"

namespace fs = std::filesystem;

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
