// A long batch run through the real window against a flaky service: ten thousand GBK numbers,
// imported from a file, of which a tenth see the connection reset, a tenth get an HTML error page
// with status 500 and a tenth are answered after a short wait. Every number gets its row, in line
// order, and the export gives them back whole. (The memory such a run takes is measured by the
// benchmarks, scripts/bench.)
#include <filesystem>
#include <optional>
#include <string>

#include "runs/import_export.h"
#include "runs/result_list.h"
#include "runs/row_cells.h"
#include "tests/support/query_window.h"
#include "tests/support/temp_folder.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/status_bar.h"

namespace fs = std::filesystem;

namespace {

constexpr int kNumbers = 10000;
constexpr int kSlowReplyMs = 3;
constexpr char kDone[] = "批量查询执行完毕！";
// The page's message start marker is missing, so the message runs from its tenth byte up to
// the next double quote: "<html><bo" are the nine bytes skipped.
constexpr char kErrorPage[] =
    "<html><body class=\"error\"><h1>Internal Server Error</h1></body></html>";
constexpr char kErrorPageMessage[] = "dy class=";

enum class Behaviour { kReset, kErrorPage, kSlow, kGood };

Behaviour BehaviourOf(int index) {
    switch (index % 10) {
        case 0:
            return Behaviour::kReset;
        case 1:
            return Behaviour::kErrorPage;
        case 2:
            return Behaviour::kSlow;
        default:
            return Behaviour::kGood;
    }
}

// GBK: a Chinese prefix, then the index with leading zeros.
std::string NumberAt(int index) {
    const std::string digits = std::to_string(index);
    return "单号" + std::string(5 - digits.size(), '0') + digits;
}

// The ASCII tail of a number, which the service echoes in its step's time.
std::string DigitsOf(const std::string& number) {
    const std::size_t digits = number.find_first_of("0123456789");
    return digits == std::string::npos ? "" : number.substr(digits);
}

// The reply's text is UTF-8: the number, which is GBK, appears in it only as its digits.
FixtureReply FlakyReply(const std::string& number) {
    const std::string digits = DigitsOf(number);
    const FixtureReply good =
        StepsReply("", {{"t2 " + digits, Utf8(u8"已签收，签收人：本人")}, {"t1", "first"}});
    switch (BehaviourOf(digits.empty() ? 0 : std::stoi(digits))) {
        case Behaviour::kReset: {
            FixtureReply reset = good;
            reset.send_limit = 0;
            reset.end = ConnectionEnd::kReset;
            return reset;
        }
        case Behaviour::kErrorPage:
            return BodyReply(kErrorPage, 500);
        case Behaviour::kSlow: {
            FixtureReply slow = good;
            slow.delay_ms = kSlowReplyMs;
            return slow;
        }
        case Behaviour::kGood:
            break;
    }
    return good;
}

RowCells ExpectedRow(int index) {
    const std::string number = NumberAt(index);
    switch (BehaviourOf(index)) {
        case Behaviour::kReset:
            return {number, "--", ""};
        case Behaviour::kErrorPage:
            return {number, "--", kErrorPageMessage};
        case Behaviour::kSlow:
        case Behaviour::kGood:
            break;
    }
    return {number, "t2 " + DigitsOf(number), "已签收，签收人：本人"};
}

using BatchSoak = QueryWindowTest;

TEST_F(BatchSoak, TenThousandNumbersAgainstAFlakyService) {
    service_.SetReplyMaker([](const RecordedRequest& request) {
        return FlakyReply(QueryValue(request.target, "postid").value_or(""));
    });
    const TempFolder folder;
    const fs::path numbers = folder.Path() / "numbers.txt";
    const fs::path exported = folder.Path() / "results.txt";
    std::string file_text;
    for (int index = 0; index < kNumbers; ++index) {
        file_text += NumberAt(index);
        file_text += index % 7 == 3 ? "\r\n \r\n" : "\r\n";  // blank lines, which the import drops
    }
    TempFolder::WriteFile(numbers, file_text);
    ClickControl(kModeButton);
    ImportNumbersWith([&](FileDialogKind) { return std::optional<fs::path>(numbers); });

    QueryAndWait();

    const RowCellsList rows = ResultRows(kBatchResultList);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kNumbers));
    for (int index = 0; index < kNumbers; ++index) {
        ASSERT_EQ(rows[index], ExpectedRow(index)) << "row " << index;
    }
    EXPECT_EQ(StatusPartText(0), kDone);
    EXPECT_EQ(service_.RequestCount(), static_cast<std::size_t>(kNumbers));
    // The export gives the numbers back whole.
    ExportResultListWith(kBatchResultList,
                         [&](FileDialogKind) { return std::optional<fs::path>(exported); });
    std::string expected_export;
    for (int index = 0; index < kNumbers; ++index) {
        const RowCells row = ExpectedRow(index);
        expected_export += row[0] + " " + row[1] + " " + row[2] + "\r\n";
    }
    EXPECT_TRUE(TempFolder::FileContent(exported) == expected_export)
        << "the export differs from the rows";
}

}  // namespace
