#include "runs/file_io.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kReadChunkBytes = 64 * 1024;

// A name in the folder of path that no file holds yet.
fs::path TemporaryPathBeside(const fs::path& path) {
    std::random_device source;
    std::uniform_int_distribution<std::uint64_t> pick;
    fs::path temporary;
    std::error_code error;
    do {
        std::string name = std::to_string(pick(source));
        name.insert(name.begin(), '~');
        name.append(".tmp");
        temporary = path.parent_path() / name;
    } while (fs::exists(temporary, error));
    return temporary;
}

// Whether an existing file may be opened for writing; opening it neither cuts nor changes it.
bool CanOpenForWriting(const fs::path& path) {
    std::fstream probe(path, std::ios::in | std::ios::out | std::ios::binary);
    return probe.is_open();
}

bool WriteNewFile(const fs::path& path, const ByteArray& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        return false;
    }
    if (!bytes.empty()) {
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    file.flush();
    file.close();
    return !file.fail();
}

// The file that path leads to through symbolic links, itself when it is none: writing to a
// link replaces the file it leads to, also one still missing, and keeps the link. Nothing for a
// loop of links.
std::optional<fs::path> FileBehindLinks(fs::path path) {
    constexpr int kMostLinks = 40;
    for (int link = 0; link < kMostLinks; ++link) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            return path;
        }
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

bool ReplaceFile(const fs::path& path, const ByteArray& bytes) {
    std::error_code error;
    const fs::file_status existing = fs::status(path, error);
    const bool replaces = fs::exists(existing);
    if (replaces && (!fs::is_regular_file(existing) || !CanOpenForWriting(path))) {
        return false;
    }
    const fs::path temporary = TemporaryPathBeside(path);
    if (!WriteNewFile(temporary, bytes)) {
        fs::remove(temporary, error);
        return false;
    }
    if (replaces) {
        fs::permissions(temporary, existing.permissions(), error);
    }
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace

std::optional<ByteArray> ReadWholeFile(const fs::path& path) {
    LimitedRead read = ReadFileUpTo(path, UINTMAX_MAX);
    if (read.outcome != ReadOutcome::kRead) {
        return std::nullopt;
    }
    return std::move(read.bytes);
}

LimitedRead ReadFileUpTo(const fs::path& path, std::uintmax_t max_bytes) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return {};
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > max_bytes) {
        return {ReadOutcome::kTooLarge, {}};
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {};
    }
    LimitedRead read{ReadOutcome::kRead, {}};
    if (!error) {
        read.bytes.reserve(static_cast<std::size_t>(size));
    }
    ByteArray chunk(kReadChunkBytes);
    while (file.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) ||
           file.gcount() > 0) {
        if (static_cast<std::uintmax_t>(file.gcount()) > max_bytes - read.bytes.size()) {
            return {ReadOutcome::kTooLarge, {}};
        }
        read.bytes.insert(read.bytes.end(), chunk.begin(), chunk.begin() + file.gcount());
    }
    if (file.bad()) {
        return {};
    }
    return read;
}

bool WriteWholeFile(const fs::path& named_path, const ByteArray& bytes) {
    const std::optional<fs::path> path = FileBehindLinks(named_path);
    return path && ReplaceFile(*path, bytes);
}
