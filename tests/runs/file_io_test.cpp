#include "runs/file_io.h"

#include <gtest/gtest.h>

#include <string>
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

TEST(WriteWholeFile, CreatesTheFileWithNothingBeside) {
    const TempFolder folder;
    const fs::path target = folder.Path() / "export.txt";
    ASSERT_TRUE(WriteWholeFile(target, Bytes("a b c\r\n")));
    EXPECT_EQ(TempFolder::FileContent(target), "a b c\r\n");
    EXPECT_EQ(TempFolder::Names(folder.Path()), Names{"export.txt"});
}

TEST(WriteWholeFile, ReplacesALongerFileWhole) {
    const TempFolder folder;
    const fs::path target = folder.Path() / "export.txt";
    TempFolder::WriteFile(target, std::string(10000, 'x'));
    ASSERT_TRUE(WriteWholeFile(target, Bytes("d e f\r\n")));
    EXPECT_EQ(TempFolder::FileContent(target), "d e f\r\n");
    ASSERT_TRUE(WriteWholeFile(target, ByteArray()));
    EXPECT_EQ(fs::file_size(target), 0u);
    EXPECT_EQ(TempFolder::Names(folder.Path()), Names{"export.txt"});
}

TEST(WriteWholeFile, FailsInAMissingFolderLeavingNothing) {
    const TempFolder folder;
    EXPECT_FALSE(WriteWholeFile(folder.Path() / "missing" / "export.txt", Bytes("abc")));
    EXPECT_EQ(TempFolder::Names(folder.Path()), Names{});
}

TEST(WriteWholeFile, FailsUnderAFileLeavingItIntact) {
    const TempFolder folder;
    const fs::path plain = folder.Path() / "plain.txt";
    TempFolder::WriteFile(plain, "kept");
    EXPECT_FALSE(WriteWholeFile(plain / "export.txt", Bytes("abc")));
    EXPECT_EQ(TempFolder::FileContent(plain), "kept");
    EXPECT_EQ(TempFolder::Names(folder.Path()), Names{"plain.txt"});
}

TEST(WriteWholeFile, NeverReplacesAFolder) {
    const TempFolder folder;
    const fs::path target = folder.Path() / "export.txt";
    fs::create_directory(target);
    TempFolder::WriteFile(target / "inner.txt", "kept");
    EXPECT_FALSE(WriteWholeFile(target, Bytes("abc")));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(TempFolder::FileContent(target / "inner.txt"), "kept");
    EXPECT_EQ(TempFolder::Names(folder.Path()), Names{"export.txt"});
}

}  // namespace
