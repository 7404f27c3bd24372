// The same number file through the window's batch run (import, query, export) and through
// parcelio-batch gives the same requests and the same export bytes.
#include <algorithm>
#include <filesystem>

#include "runs/import_export.h"
#include "tests/batch/batch_process.h"
#include "tests/support/batch_line_cases.h"
#include "tests/support/query_window.h"
#include "tests/support/temp_folder.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"

namespace {

namespace fs = std::filesystem;

FileChooser Picks(const fs::path& path) {
    return [path](FileDialogKind) { return std::optional<fs::path>(path); };
}

// The window's table, and a list whose numbers get every kind of answer.
std::vector<BatchLinesCase> ParityCases() {
    std::vector<BatchLinesCase> cases = BatchLinesCases();
    cases.push_back({"EveryKindOfAnswer", "111\r\n222\r\n333\r\n 4 4 4 \r\n222", {}, {}});
    return cases;
}

class WindowParity : public QueryWindowTest, public testing::WithParamInterface<BatchLinesCase> {
  protected:
    void SetUp() override {
        QueryWindowTest::SetUp();
        service_.SetReplyMaker([](const RecordedRequest& request) {
            const std::string number = QueryValue(request.target, "postid").value_or("");
            return StepsReply(number, {{"t2 " + number, "latest"}, {"t1 " + number, "first"}});
        });
        service_.SetReplyForNumber("222", RefusalReply(u8"单号不存在"));
        service_.SetReplyForNumber("333", StepsReply("333", {}));
    }

    TempFolder folder_;
};

TEST_P(WindowParity, GivesTheWindowsRequestsAndExportBytes) {
    const fs::path list = folder_.Path() / "list.txt";
    TempFolder::WriteFile(list, GetParam().box);

    ClickControl(kModeButton);
    ImportNumbersWith(Picks(list));
    QueryAndWait();
    const fs::path window_export = folder_.Path() / "window.txt";
    ExportResultListWith(kBatchResultList, Picks(window_export));
    const std::size_t window_requests = service_.RequestCount();

    // The courier the window used: the one selected at start-up.
    const Text courier = ItemText(kCourierBox, SelectedItem(kCourierBox));
    const fs::path batch_export = folder_.Path() / "batch.txt";
    const fs::path streams = folder_.Path() / "streams";
    fs::create_directories(streams);
    const BatchOutcome outcome =
        RunBatch({"--courier", courier, "-o", batch_export.string(), list.string()}, "",
                 {"PARCELIO_TRACKING_HOST=" + service_.HostAndPort()}, streams.string());

    std::vector<std::string> sent = SentValues("postid");
    const std::vector<std::string> types = SentValues("type");
    for (std::size_t index = 0; index < sent.size(); ++index) {
        sent[index] = types[index] + " " + sent[index];
    }
    ASSERT_EQ(sent.size(), 2 * window_requests);
    const std::vector<std::string> by_window(sent.begin(), sent.begin() + window_requests);
    const std::vector<std::string> by_batch(sent.begin() + window_requests, sent.end());
    EXPECT_EQ(by_batch, by_window);
    ASSERT_TRUE(fs::exists(window_export));
    const std::string exported = TempFolder::FileContent(window_export);
    EXPECT_EQ(exported.empty(), window_requests == 0);
    EXPECT_EQ(TempFolder::FileContent(batch_export), exported);
    // The service refuses only the number 222.
    const bool refused = std::any_of(by_batch.begin(), by_batch.end(),
                                     [](const std::string& one) { return one.ends_with(" 222"); });
    EXPECT_EQ(outcome.status, refused ? 1 : 0) << outcome.errors;
}

INSTANTIATE_TEST_SUITE_P(NumberFiles, WindowParity, testing::ValuesIn(ParityCases()),
                         [](const testing::TestParamInfo<BatchLinesCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
