#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "tests/support/child_process.h"

extern char** environ;

namespace {

std::vector<char*> Pointers(const std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (const std::string& text : texts) {
        pointers.push_back(const_cast<char*>(text.c_str()));
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

std::optional<ChildProcess> StartProgram(const std::string& program, const ChildSetup& setup) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.emplace_back(*entry);
    }
    environment.insert(environment.end(), setup.extra_environment.begin(),
                       setup.extra_environment.end());
    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), setup.arguments.begin(), setup.arguments.end());
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::pair<int, const std::string*> streams[] = {{STDIN_FILENO, &setup.input_file},
                                                          {STDOUT_FILENO, &setup.output_file},
                                                          {STDERR_FILENO, &setup.error_file}};
    for (const auto& [descriptor, file] : streams) {
        if (!file->empty()) {
            const int flags = descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC;
            posix_spawn_file_actions_addopen(&actions, descriptor, file->c_str(), flags, 0644);
        }
    }
    if (!setup.folder.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, setup.folder.c_str());
    }
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr,
                                   Pointers(arguments).data(), Pointers(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? std::optional(ChildProcess{pid}) : std::nullopt;
}

ChildEnd WaitForEnd(const ChildProcess& child, int limit_seconds) {
    int status = 0;
    pid_t ended = 0;
    if (!WaitFor([&] { return (ended = waitpid(child.pid, &status, WNOHANG)) != 0; },
                 limit_seconds)) {
        SignalProgram(child, SIGKILL);
        waitpid(child.pid, nullptr, 0);
        return {};
    }
    if (ended != child.pid) {
        return {};
    }
    return WIFEXITED(status) ? ChildEnd{WEXITSTATUS(status), 0}
                             : ChildEnd{std::nullopt, WIFSIGNALED(status) ? WTERMSIG(status) : 0};
}

bool HasEnded(const ChildProcess& child) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(child.pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == child.pid;
}

void SignalProgram(const ChildProcess& child, int signal) {
    kill(child.pid, signal);
}

std::string CommandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char chunk[4096];
    for (std::size_t count = 0; (count = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
        output.append(chunk, count);
    }
    pclose(pipe);
    while (!output.empty() && output.back() == '\n') {
        output.pop_back();
    }
    return output;
}

void PauseBriefly(int tenths) {
    for (int tenth = 0; tenth < tenths; ++tenth) {
        usleep(100000);  // usleep may refuse a second or more
    }
}

bool WaitFor(const std::function<bool()>& condition, int limit_seconds) {
    for (int look = 0; look < limit_seconds * 10; ++look) {
        if (condition()) {
            return true;
        }
        PauseBriefly();
    }
    return condition();
}
