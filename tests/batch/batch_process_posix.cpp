// POSIX: fork, exec and wait for parcelio-batch.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include "tests/batch/batch_process.h"

extern char** environ;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    return static_cast<bool>(file);
}

// Everything the child needs is made before fork: after it, only exec-safe calls are made.
std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

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

}  // namespace

std::optional<BatchChild> StartBatch(const std::vector<std::string>& arguments,
                                     const std::string& standard_input,
                                     const std::vector<std::string>& extra_environment,
                                     const std::string& folder) {
    BatchChild child{-1, folder + "/stdout", folder + "/stderr"};
    const std::string input_file = folder + "/stdin";
    if (!WriteFile(input_file, standard_input)) {
        return std::nullopt;
    }
    std::vector<std::string> argument_texts = {PARCELIO_BATCH_PROGRAM};
    argument_texts.insert(argument_texts.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environment_texts;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment_texts.emplace_back(*entry);
    }
    environment_texts.insert(environment_texts.end(), extra_environment.begin(),
                             extra_environment.end());
    std::vector<char*> argv = Pointers(argument_texts);
    std::vector<char*> envp = Pointers(environment_texts);

    const int pid = fork();
    if (pid < 0) {
        return std::nullopt;
    }
    if (pid == 0) {
        const int input = open(input_file.c_str(), O_RDONLY);
        const int output = open(child.output_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errors = open(child.error_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (input < 0 || output < 0 || errors < 0 || chdir(folder.c_str()) != 0) {
            _exit(127);
        }
        dup2(input, STDIN_FILENO);
        dup2(output, STDOUT_FILENO);
        dup2(errors, STDERR_FILENO);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    child.pid = pid;
    return child;
}

BatchOutcome FinishBatch(const BatchChild& child, int limit_seconds) {
    BatchOutcome outcome;
    int wait_status = 0;
    int ended = 0;
    for (int tenth = 0; tenth < limit_seconds * 10; ++tenth) {
        ended = waitpid(child.pid, &wait_status, WNOHANG);
        if (ended != 0) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (ended == 0) {
        kill(child.pid, SIGKILL);
        waitpid(child.pid, &wait_status, 0);
    } else if (ended == child.pid && WIFEXITED(wait_status)) {
        outcome.status = WEXITSTATUS(wait_status);
    } else if (ended == child.pid && WIFSIGNALED(wait_status)) {
        outcome.signal = WTERMSIG(wait_status);
    }
    outcome.output = ReadFile(child.output_file);
    outcome.errors = ReadFile(child.error_file);
    return outcome;
}

BatchOutcome RunBatch(const std::vector<std::string>& arguments, const std::string& standard_input,
                      const std::vector<std::string>& extra_environment,
                      const std::string& folder) {
    const std::optional<BatchChild> child =
        StartBatch(arguments, standard_input, extra_environment, folder);
    if (!child) {
        return {};
    }
    return FinishBatch(*child, 60);
}

void InterruptBatch(const BatchChild& child) {
    kill(child.pid, SIGINT);
}

std::string TerminalTranscript(const std::vector<std::string>& arguments,
                               const std::vector<std::string>& extra_environment) {
    std::string command = "env";
    for (const std::string& entry : extra_environment) {
        command += " " + entry;
    }
    command += std::string(" ") + PARCELIO_BATCH_PROGRAM;
    for (const std::string& argument : arguments) {
        command += " " + argument;
    }
    // Python's pty.spawn runs the command on a new pseudo-terminal and copies what it shows;
    // unlike script(1) it does not hang the terminal up when its own input ends.
    const std::string spawn =
        "python3 -c 'import pty, sys; pty.spawn(sys.argv[1:])' " + command + " </dev/null";
    FILE* terminal = popen(spawn.c_str(), "r");
    if (terminal == nullptr) {
        return {};
    }
    std::string transcript;
    char chunk[4096];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, terminal)) > 0) {
        transcript.append(chunk, count);
    }
    pclose(terminal);
    return ScreenText(transcript);
}
