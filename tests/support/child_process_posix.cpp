// POSIX: process start, wait and kill, and shell commands.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <cstdio>

#include "tests/support/child_process.h"

extern char** environ;

namespace {

constexpr int kWaitRoundMicroseconds = 10000;

}  // namespace

std::optional<ChildProcess> StartProgram(const std::string& program,
                                         const std::vector<std::string>& extra_environment,
                                         const std::string& error_file,
                                         const std::vector<std::string>& arguments) {
    std::vector<char*> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.push_back(*entry);
    }
    for (const std::string& entry : extra_environment) {
        environment.push_back(const_cast<char*>(entry.c_str()));
    }
    environment.push_back(nullptr);
    std::vector<char*> argument_list{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argument_list.push_back(const_cast<char*>(argument.c_str()));
    }
    argument_list.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, error_file.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argument_list.data(),
                                   environment.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        return std::nullopt;
    }
    return ChildProcess{pid};
}

std::optional<int> WaitForExit(const ChildProcess& child, int limit_seconds) {
    const int rounds = limit_seconds * (1000000 / kWaitRoundMicroseconds);
    for (int round = 0; round < rounds; ++round) {
        int status = 0;
        const pid_t ended = waitpid(child.pid, &status, WNOHANG);
        if (ended == child.pid) {
            return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
        }
        if (ended < 0) {
            return std::nullopt;
        }
        usleep(kWaitRoundMicroseconds);
    }
    KillProgram(child);
    return std::nullopt;
}

bool HasEnded(const ChildProcess& child) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(child.pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == child.pid;
}

void KillProgram(const ChildProcess& child) {
    if (kill(child.pid, SIGKILL) == 0) {
        waitpid(child.pid, nullptr, 0);
    }
}

std::string CommandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    pclose(pipe);
    while (!output.empty() && output.back() == '\n') {
        output.pop_back();
    }
    return output;
}

void PauseBriefly() {
    usleep(100000);
}
