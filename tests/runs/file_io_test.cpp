#include "runs/file_io.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/literals.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

TEST(ReadWholeFile, GivesEveryByteOrNothing) {
    const TempFolder folder;
    const fs::path empty = folder.Path() / "empty.txt";
    const fs::path zeros = folder.Path() / "zeros.txt";
    const fs::path large = folder.Path() / "large.txt";
    TempFolder::WriteFile(empty, "");
    const std::string with_zeros("a\0b\r\n\0", 6);
    TempFolder::WriteFile(zeros, with_zeros);
    std::string many_chunks;
    for (int index = 0; index < 30000; ++index) {
        many_chunks += std::to_string(index) + "\r\n";
    }
    TempFolder::WriteFile(large, many_chunks);

    EXPECT_EQ(ReadWholeFile(empty), ByteArray());
    EXPECT_EQ(ReadWholeFile(zeros), Bytes(with_zeros));
    EXPECT_EQ(ReadWholeFile(large), Bytes(many_chunks));
    EXPECT_EQ(ReadWholeFile(folder.Path() / "missing.txt"), std::nullopt);
    EXPECT_EQ(ReadWholeFile(folder.Path()), std::nullopt);
    EXPECT_EQ(ReadWholeFile(""), std::nullopt);
}

// Creates the file, then replaces it by a shorter one and by an empty one.
TEST(WriteWholeFile, WritesTheFileWholeWithNothingBeside) {
    const TempFolder folder;
    const fs::path target = folder.Path() / "export.txt";
    for (const std::string& content :
         {std::string(10000, 'x'), std::string("d e f\r\n"), std::string()}) {
        ASSERT_TRUE(WriteWholeFile(target, Bytes(content))) << content.size();
        EXPECT_EQ(TempFolder::FileContent(target), content);
        EXPECT_EQ(TempFolder::Names(folder.Path()), Names{"export.txt"});
    }
}

// A target that cannot be written: the write fails and the folder is left as it was.
TEST(WriteWholeFile, FailsLeavingTheFolderAsItWas) {
    const std::vector<std::pair<const char*, std::function<fs::path(const fs::path&)>>> cases = {
        {"missing folder",
         [](const fs::path& folder) { return folder / "missing" / "export.txt"; }},
        {"under a file",
         [](const fs::path& folder) {
             TempFolder::WriteFile(folder / "plain.txt", "kept");
             return folder / "plain.txt" / "export.txt";
         }},
        {"a folder",
         [](const fs::path& folder) {
             fs::create_directory(folder / "export.txt");
             TempFolder::WriteFile(folder / "export.txt" / "inner.txt", "kept");
             return folder / "export.txt";
         }},
    };
    for (const auto& [what, make] : cases) {
        const TempFolder folder;
        const fs::path target = make(folder.Path());
        const Names names_before = TempFolder::Names(folder.Path());
        EXPECT_FALSE(WriteWholeFile(target, Bytes("abc"))) << what;
        EXPECT_EQ(TempFolder::Names(folder.Path()), names_before) << what;
        for (const fs::path& kept : {folder.Path() / "plain.txt", target / "inner.txt"}) {
            if (fs::is_regular_file(kept)) {
                EXPECT_EQ(TempFolder::FileContent(kept), "kept") << what;
            }
        }
    }
}

}  // namespace
