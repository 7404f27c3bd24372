// The progress line a batch run shows on a terminal.
#pragma once

#include <cstddef>
#include <string>

// "done/total numbers, F failed, R/s, M:SS left" for a run that has queried done of total
// numbers in elapsed_ms; rate and time left read "--" until the first number is answered.
std::string ProgressLine(std::size_t done, std::size_t total, std::size_t failed,
                         long long elapsed_ms);
