// POSIX only: a write cut short by the process's file size limit, which holds for every user,
// root included, and the permission bits of a replaced file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runs/file_io.h"
#include "tests/support/file_size_limit_posix.h"
#include "tests/support/literals.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(WriteWholeFile, FailedWriteKeepsTheExistingFile) {
    const TempFolder folder;
    const fs::path target = folder.Path() / "export.txt";
    TempFolder::WriteFile(target, "earlier export\r\n");
    bool written = true;
    {
        const FileSizeLimit limit(4096);
        written = WriteWholeFile(target, ByteArray(100000, 'x'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(TempFolder::FileContent(target), "earlier export\r\n");
    EXPECT_EQ(TempFolder::Names(folder.Path()), std::vector<std::string>{"export.txt"});
}

TEST(WriteWholeFile, ReplacedFileKeepsItsPermissions) {
    const TempFolder folder;
    const fs::path target = folder.Path() / "export.txt";
    TempFolder::WriteFile(target, "earlier");
    const fs::perms owner_only = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(target, owner_only);
    ASSERT_TRUE(WriteWholeFile(target, Bytes("later")));
    EXPECT_EQ(fs::status(target).permissions(), owner_only);
    EXPECT_EQ(TempFolder::FileContent(target), "later");
}

}  // namespace
