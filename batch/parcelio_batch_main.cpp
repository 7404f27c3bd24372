// parcelio-batch: queries a list of tracking numbers without a window.
#include <string_view>
#include <vector>

#include "batch/batch_program.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return RunBatchProgram(arguments);
}
