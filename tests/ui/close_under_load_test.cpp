// Closing the built program's window while eight single runs and a batch run are receiving
// answers that drip in (the scenario table closes it while runs wait on a silent service): every
// time the program ends by itself with status 0 and without any sanitizer report. A few rounds,
// for an order of the workers' ends that shows only now and then. The exit times are printed,
// not judged.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/support/program_session.h"
#include "text/chrono_shim.h"

namespace {

constexpr int kRounds = 5;
constexpr int kSingleRuns = 8;
constexpr int kRequestLimitSeconds = 60;
// Far below the hour the slow answers would take; far above the program's own 1.5 s wait for its
// workers, so that a machine busy with builds, or the thread checker's slower exit, does not
// fail it.
constexpr int kExitLimitSeconds = 30;

// Sends the head and a first part at once, then one byte every 200 ms: the transfer stays
// above the client's low-speed cut-off and would take about an hour to finish.
FixtureReply SlowReply() {
    FixtureReply reply = BodyReply(std::string(18000, ' '));
    reply.drip_after = 64;
    reply.drip_bytes = 1;
    reply.drip_interval_ms = 200;
    return reply;
}

// Starts the program, starts the runs, closes the window; the seconds the program took to end.
double CloseOneLoadedProgram(int round) {
    FixtureService service;
    service.SetDefaultReply(SlowReply());
    ProgramSession program(service);
    EXPECT_FALSE(program.Window().empty()) << "round " << round << ": " << program.ErrorOutput();
    if (program.Window().empty()) {
        return 0;
    }
    program.Click(kNumberBox);
    program.Type("SF100");
    for (int run = 0; run < kSingleRuns; ++run) {
        program.Click(kQueryButton);
    }
    program.Click(kModeButton);
    program.Click(kBatchNumberBox);
    program.Type("111");
    program.Click(kQueryButton);
    EXPECT_TRUE(service.WaitForRequests(kSingleRuns + 1, kRequestLimitSeconds))
        << "round " << round;

    const auto closing = std::chrono::steady_clock::now();
    EXPECT_EQ(program.CloseAndWait(kExitLimitSeconds), 0) << "round " << round;
    const double taken =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - closing).count();
    EXPECT_FALSE(HasSanitizerReport(program.ErrorOutput()))
        << "round " << round << ": " << program.ErrorOutput();
    return taken;
}

TEST(CloseUnderLoad, EndsTheProgramWithStatusZeroEveryTime) {
    std::vector<double> seconds;
    for (int round = 0; round < kRounds && !HasFailure(); ++round) {
        seconds.push_back(CloseOneLoadedProgram(round));
    }
    std::sort(seconds.begin(), seconds.end());
    if (!seconds.empty()) {
        std::printf("exit after Esc over %zu rounds: min %.3f s, median %.3f s, max %.3f s\n",
                    seconds.size(), seconds.front(), seconds[seconds.size() / 2], seconds.back());
    }
}

}  // namespace
