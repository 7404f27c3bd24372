// parcelio-batch: the window's batch run, single query and courier list for scripts.
#pragma once

#include <string_view>
#include <vector>

// arguments: the command line without the program's name. Returns the exit status.
int RunBatchProgram(const std::vector<std::string_view>& arguments);
