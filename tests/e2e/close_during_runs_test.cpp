// Closing the built program's window while query runs wait on a service that never answers:
// the program ends by itself, with status 0 and without any sanitizer report.
#include <gtest/gtest.h>

#include "tests/support/program_session.h"

namespace {

constexpr int kRequestLimitSeconds = 60;
constexpr int kSingleRuns = 8;
// Far below the transfer's own 30-second cut-off, so only the program's abort ends the runs in
// time; far above the program's own bound, so a slow machine does not fail it.
constexpr int kExitLimitSeconds = 10;

TEST(CloseDuringRuns, EndsTheProgramWithStatusZero) {
    FixtureService service;
    service.SetDefaultReply(SilentReply());
    ProgramSession program(service);
    ASSERT_FALSE(program.Window().empty()) << program.ErrorOutput();

    program.Click(kNumberBox);
    program.Type("SF100");
    for (int run = 0; run < kSingleRuns; ++run) {
        program.Click(kQueryButton);
    }
    ASSERT_TRUE(WaitForRequests(service, kSingleRuns, kRequestLimitSeconds));
    program.Click(kModeButton);
    program.Click(kBatchNumberBox);
    program.Type("111");
    program.Click(kQueryButton);
    ASSERT_TRUE(WaitForRequests(service, kSingleRuns + 1, kRequestLimitSeconds));

    EXPECT_EQ(program.CloseAndWait(kExitLimitSeconds), 0);
    EXPECT_FALSE(HasSanitizerReport(program.ErrorOutput())) << program.ErrorOutput();
}

}  // namespace
