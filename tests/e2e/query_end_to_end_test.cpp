// The built program under the virtual X server, driven by real keyboard and mouse input: a
// single query and a batch query against a tracking service on this machine, their rows read
// back through exports made in the real save dialog.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/courier_catalogue.h"
#include "tests/support/literals.h"
#include "tests/support/program_session.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRequestLimitSeconds = 60;
constexpr int kExitLimitSeconds = 30;
// Rows arrive a little after the service has answered: an export before the last row is
// tried again, into a new file.
constexpr int kExportAttempts = 20;

// Exports list into fresh files of folder until one holds expected; the last content.
std::string ExportUntil(const ProgramSession& program, WindowPoint list, const fs::path& folder,
                        const std::string& name, const std::string& expected) {
    std::string content;
    for (int attempt = 0; attempt < kExportAttempts && content != expected; ++attempt) {
        const fs::path file = folder / (name + std::to_string(attempt) + ".txt");
        content = program.ExportList(list, file).value_or("");
    }
    return content;
}

class EndToEnd : public testing::Test {
  protected:
    void SetUp() override {
        service_.SetReplyForNumber(
            "SF100",
            BodyReply(TrackingReplyJson("SF100", {{"2026-12-03 15:20", Utf8(u8"已签收")},
                                                  {"2026-12-02 08:40", Utf8(u8"到达上海")},
                                                  {"2026-12-01 10:00", Utf8(u8"已收件")}})));
        service_.SetReplyForNumber(
            "111", BodyReply(TrackingReplyJson("111", {{"2026-11-02 09:00", Utf8(u8"派送中")},
                                                       {"2026-11-01 09:00", Utf8(u8"已收件")}})));
        service_.SetReplyForNumber("222", BodyReply(MessageReplyJson(Utf8(u8"单号不存在"))));
        service_.SetReplyForNumber(
            "333", BodyReply(TrackingReplyJson("333", {{"2026-11-05 18:30", Utf8(u8"已签收")}})));
    }

    FixtureService service_;
};

TEST_F(EndToEnd, SingleAndBatchQueriesThroughRealInput) {
    LoadCatalogue();
    const fs::path folder = FreshOutputFolder("end_to_end");
    ProgramSession program(service_);
    ASSERT_FALSE(program.Window().empty()) << program.ErrorOutput();

    program.Click(kNumberBox);
    program.Type("SF100");
    program.Click(kQueryButton);
    ASSERT_TRUE(WaitForRequests(service_, 1, kRequestLimitSeconds));
    const RecordedRequest single = service_.Requests()[0];
    EXPECT_EQ(QueryValue(single.target, "postid"), "SF100");
    // Nothing chosen yet: the courier shown at start-up, the catalogue's first.
    EXPECT_EQ(QueryValue(single.target, "type"), CourierCatalogue[0].code);
    EXPECT_EQ(ExportUntil(program, kSingleResultList, folder, "single",
                          "SF100 2026-12-01 10:00 已收件\r\n"
                          "SF100 2026-12-02 08:40 到达上海\r\n"
                          "SF100 2026-12-03 15:20 已签收\r\n"),
              "SF100 2026-12-01 10:00 已收件\r\n"
              "SF100 2026-12-02 08:40 到达上海\r\n"
              "SF100 2026-12-03 15:20 已签收\r\n");

    const fs::path numbers = folder / "numbers.txt";
    std::ofstream(numbers, std::ios::binary) << "111\r\n\r\n 222 \r\n333\r\n";
    program.Click(kModeButton);
    ASSERT_TRUE(program.ImportNumbers(numbers));
    program.Click(kQueryButton);
    ASSERT_TRUE(WaitForRequests(service_, 4, kRequestLimitSeconds));
    std::vector<std::optional<std::string>> batch_numbers;
    for (std::size_t request = 1; request < service_.RequestCount(); ++request) {
        batch_numbers.push_back(QueryValue(service_.Requests()[request].target, "postid"));
    }
    EXPECT_EQ(batch_numbers, (std::vector<std::optional<std::string>>{"111", "222", "333"}));
    const std::string batch_rows =
        "111 2026-11-02 09:00 派送中\r\n"
        "222 -- 单号不存在\r\n"
        "333 2026-11-05 18:30 已签收\r\n";
    EXPECT_EQ(ExportUntil(program, kBatchResultList, folder, "batch", batch_rows), batch_rows);

    EXPECT_EQ(program.CloseAndWait(kExitLimitSeconds), 0);
    EXPECT_EQ(service_.RequestCount(), 4u);
    EXPECT_FALSE(HasSanitizerReport(program.ErrorOutput())) << program.ErrorOutput();
}

}  // namespace
