// parcelio-batch: the window's batch run, single query and courier list for scripts.
#pragma once

#include <string_view>
#include <vector>

// Exit statuses of the program.
inline constexpr int kAllAnswered = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kBadUsage = 2;

// arguments: the command line without the program's name. Returns the exit status.
int RunBatchProgram(const std::vector<std::string_view>& arguments);
