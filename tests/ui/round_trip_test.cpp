// Ten thousand GBK numbers go through an import, a batch run and an export with nothing lost
// or changed.
#include <filesystem>
#include <optional>
#include <string>

#include "runs/import_export.h"
#include "tests/support/query_window.h"
#include "tests/support/temp_folder.h"
#include "toolkit/control_names.h"
#include "toolkit/status_bar.h"

namespace fs = std::filesystem;

namespace {

constexpr int kNumbers = 10000;

// GBK: a Chinese prefix, then the index with leading zeros.
std::string NumberAt(int index) {
    const std::string digits = std::to_string(index);
    return "单号" + std::string(5 - digits.size(), '0') + digits;
}

// The ASCII tail of a number, which the service echoes in its step's time.
std::string DigitsOf(const std::string& number) {
    return number.substr(number.find_first_of("0123456789"));
}

using RoundTrip = QueryWindowTest;

TEST_F(RoundTrip, TenThousandNumbersComeBackWhole) {
    service_.SetReplyMaker([](const RecordedRequest& request) {
        const std::string time =
            "2026-06-01 " + DigitsOf(QueryValue(request.target, "postid").value_or(""));
        return StepsReply("", {{time, Utf8(u8"已签收，签收人：本人")}});
    });
    const TempFolder folder;
    std::string file_text;
    std::string expected_export;
    for (int index = 0; index < kNumbers; ++index) {
        const std::string number = NumberAt(index);
        file_text += number + "\r\n";
        expected_export += number + " 2026-06-01 " + DigitsOf(number) + " 已签收，签收人：本人\r\n";
    }
    const fs::path numbers = folder.Path() / "numbers.txt";
    const fs::path exported = folder.Path() / "results.txt";
    TempFolder::WriteFile(numbers, file_text);

    ClickControl(kModeButton);
    ImportNumbersWith([&](FileDialogKind) { return std::optional<fs::path>(numbers); });
    QueryAndWait();
    ASSERT_EQ(StatusPartText(0), "批量查询执行完毕！");
    ExportResultListWith(kBatchResultList,
                         [&](FileDialogKind) { return std::optional<fs::path>(exported); });

    EXPECT_EQ(service_.RequestCount(), static_cast<std::size_t>(kNumbers));
    EXPECT_TRUE(TempFolder::FileContent(exported) == expected_export)
        << "the export differs from the numbers imported";
}

}  // namespace
