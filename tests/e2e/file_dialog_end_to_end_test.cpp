// The real GTK file dialogs of the built program, driven through xdotool: a name typed without
// extension opens or saves the ".txt" file, an export never replaces a file unasked, and a
// replaced file keeps its permissions and the symbolic link that led to it. Also the
// clipboard: a copied row is read by another program while Parcelio runs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "catalogue/courier_catalogue.h"
#include "tests/support/literals.h"
#include "tests/support/program_session.h"
#include "tests/support/temp_folder.h"
#include "tests/support/x_input.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRequestLimitSeconds = 60;
constexpr int kExitLimitSeconds = 30;
constexpr int kDialogLimitSeconds = 10;
constexpr int kLooks = 100;
const std::string kReplaceTitle = Utf8(u8"^确认另存为$");
// The first row of SingleResultList, below its header (client coordinates of the window).
constexpr WindowPoint kFirstSingleRow{309, 270};
// As the clipboard gives it to other programs, and as exported (GBK).
const std::string kFirstRow = Utf8(u8"SF100 2026-12-01 10:00 已收件");
const std::string kExportedRows =
    "SF100 2026-12-01 10:00 已收件\r\nSF100 2026-12-02 08:40 到达上海\r\n";

std::string CommandOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 256> chunk{};
    std::size_t read = 0;
    while (pipe && (read = std::fread(chunk.data(), 1, chunk.size(), pipe.get())) > 0) {
        output.append(chunk.data(), read);
    }
    return output;
}

bool WaitFor(const std::function<bool()>& condition) {
    for (int look = 0; look < kLooks; ++look) {
        if (condition()) {
            return true;
        }
        PauseBriefly();
    }
    return condition();
}

class FileDialogs : public testing::Test {
  protected:
    void SetUp() override {
        LoadCatalogue();
        service_.SetReplyForNumber(
            "SF100",
            BodyReply(TrackingReplyJson("SF100", {{"2026-12-02 08:40", Utf8(u8"到达上海")},
                                                  {"2026-12-01 10:00", Utf8(u8"已收件")}})));
        folder_ = FreshOutputFolder("file_dialogs");
    }

    // A single query for SF100 whose two rows have arrived (an export of them shows both).
    void QuerySingle(const ProgramSession& program) {
        program.Click(kNumberBox);
        program.Type("SF100");
        program.Click(kQueryButton);
        ASSERT_TRUE(WaitForRequests(service_, 1, kRequestLimitSeconds));
        int attempt = 0;
        ASSERT_TRUE(WaitFor([&] {
            const fs::path probe = folder_ / ("rows" + std::to_string(++attempt) + ".txt");
            return program.ExportList(kSingleResultList, probe).value_or("") == kExportedRows;
        }));
    }

    // Opens the save dialog from the single list's menu and types name into it; the dialog.
    // On a busy machine the menu may open after the keys meant for it: tried a few times.
    static std::string StartExport(const ProgramSession& program, const fs::path& name) {
        std::string dialog;
        for (int attempt = 0; attempt < 5 && dialog.empty(); ++attempt) {
            program.Click(kSingleResultList);
            program.Click(kSingleResultList, 3);
            PressKeysInPopup("Down Down Return", kDialogLimitSeconds);
            dialog = FindWindow(kFileDialogTitle, kDialogLimitSeconds);
        }
        if (!dialog.empty()) {
            PressKeysIn(dialog, "ctrl+a");
            TypeInto(dialog, name.string());
            PressKeysIn(dialog, "Return");
        }
        return dialog;
    }

    FixtureService service_;
    fs::path folder_;
};

TEST_F(FileDialogs, ANameTypedWithoutExtensionOpensTheTxtFile) {
    std::ofstream(folder_ / "numbers.txt", std::ios::binary) << "\xEF\xBB\xBF"
                                                                "111\r\n222\r\n";
    ProgramSession program(service_);
    ASSERT_FALSE(program.Window().empty()) << program.ErrorOutput();
    program.Click(kModeButton);
    ASSERT_TRUE(program.ImportNumbers(folder_ / "numbers"));
    program.Click(kQueryButton);
    ASSERT_TRUE(WaitForRequests(service_, 2, kRequestLimitSeconds));
    // The byte-order mark Notepad writes is no part of the first number.
    EXPECT_EQ(QueryValue(service_.Requests()[0].target, "postid"), "111");
    EXPECT_EQ(QueryValue(service_.Requests()[1].target, "postid"), "222");
    EXPECT_EQ(program.CloseAndWait(kExitLimitSeconds), 0);
}

TEST_F(FileDialogs, AnExportNamedWithoutExtensionAsksBeforeReplacingTheTxtFile) {
    const fs::path keep = folder_ / "keep.txt";
    std::ofstream(keep, std::ios::binary) << "kept";
    ProgramSession program(service_);
    ASSERT_FALSE(program.Window().empty()) << program.ErrorOutput();
    QuerySingle(program);

    // No: the file stays and the dialog shows again; cancelling it exports nothing.
    ASSERT_FALSE(StartExport(program, folder_ / "keep").empty());
    std::string question = FindWindow(kReplaceTitle, kDialogLimitSeconds);
    ASSERT_FALSE(question.empty()) << "no question before replacing keep.txt";
    PressKeysIn(question, "Return");  // No is the default answer
    const std::string again = FindWindow(kFileDialogTitle, kDialogLimitSeconds);
    ASSERT_FALSE(again.empty());
    PressKeysIn(again, "Escape");
    ASSERT_TRUE(WaitFor([] { return !WindowShows(kFileDialogTitle); }));
    EXPECT_EQ(TempFolder::FileContent(keep), "kept");

    // Yes: replaced.
    ASSERT_FALSE(StartExport(program, folder_ / "keep").empty());
    question = FindWindow(kReplaceTitle, kDialogLimitSeconds);
    ASSERT_FALSE(question.empty());
    PressKeysIn(question, "alt+y");
    EXPECT_TRUE(WaitFor([&] { return TempFolder::FileContent(keep) == kExportedRows; }))
        << TempFolder::FileContent(keep);
    EXPECT_EQ(program.CloseAndWait(kExitLimitSeconds), 0);
}

TEST_F(FileDialogs, AnExportThroughALinkReplacesItsTargetAndKeepsPermissions) {
    const fs::path target = folder_ / "target.txt";
    const fs::path link = folder_ / "link.txt";
    std::ofstream(target, std::ios::binary) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(target.filename(), link);
    ProgramSession program(service_);
    ASSERT_FALSE(program.Window().empty()) << program.ErrorOutput();
    QuerySingle(program);

    ASSERT_FALSE(StartExport(program, folder_ / "link").empty());
    const std::string question = FindWindow(kReplaceTitle, kDialogLimitSeconds);
    ASSERT_FALSE(question.empty());
    PressKeysIn(question, "alt+y");
    EXPECT_TRUE(WaitFor([&] { return TempFolder::FileContent(target) == kExportedRows; }))
        << TempFolder::FileContent(target);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(program.CloseAndWait(kExitLimitSeconds), 0);
}

TEST_F(FileDialogs, ACopiedRowIsReadByAnotherProgramWhileParcelioRuns) {
    ProgramSession program(service_);
    ASSERT_FALSE(program.Window().empty()) << program.ErrorOutput();
    QuerySingle(program);
    program.Click(kFirstSingleRow);
    program.Click(kFirstSingleRow, 3);
    PressKeysInPopup("Down Return", kDialogLimitSeconds);  // "复制本条"
    EXPECT_TRUE(WaitFor([] {
        return CommandOutput("xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null") ==
               kFirstRow;
    })) << CommandOutput("xclip -o -selection clipboard -t UTF8_STRING 2>&1");
    EXPECT_EQ(program.CloseAndWait(kExitLimitSeconds), 0);
    EXPECT_FALSE(HasSanitizerReport(program.ErrorOutput())) << program.ErrorOutput();
}

}  // namespace
