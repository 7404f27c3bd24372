// POSIX only: writes cut short by the process's file size limit (which holds for every user,
// root included) or by a full file system, the permission bits of a replaced file, and
// symbolic links.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include "runs/file_io.h"
#include "tests/support/literals.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

// Lowers the largest file this process may write, for every user, root included. Writing past
// the limit fails with EFBIG instead of raising SIGXFSZ. The old limit and signal handling come
// back when the object goes away.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previous_handler_)(int) = SIG_DFL;
};

// A 64 KiB file system mounted on a fresh folder for as long as the object lives.
class SmallFileSystem {
  public:
    SmallFileSystem() {
        mounted_ = mount("parcelio-test", folder_.Path().c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) {
            umount2(folder_.Path().c_str(), MNT_DETACH);
        }
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    const fs::path& Path() const { return folder_.Path(); }

  private:
    TempFolder folder_;
    bool mounted_ = false;
};

// Writes 100000 bytes over an earlier file in folder and checks that it failed and that the
// earlier file is all the folder holds.
void ExpectFailedWriteKeepsTheEarlierFile(const fs::path& folder) {
    const fs::path target = folder / "export.txt";
    TempFolder::WriteFile(target, "earlier export\r\n");
    EXPECT_FALSE(WriteWholeFile(target, ByteArray(100000, 'x')));
    EXPECT_EQ(TempFolder::FileContent(target), "earlier export\r\n");
    EXPECT_EQ(TempFolder::Names(folder), std::vector<std::string>{"export.txt"});
}

// A write cut short by the file size limit or by a full file system; a device that is always full.
TEST(WriteWholeFile, AWriteCutShortKeepsTheExistingFile) {
    {
        const TempFolder folder;
        const FileSizeLimit limit(4096);
        ExpectFailedWriteKeepsTheEarlierFile(folder.Path());
    }
    EXPECT_FALSE(WriteWholeFile("/dev/full", Bytes("abc")));
    const SmallFileSystem disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << "this process may not mount a file system";
    }
    ExpectFailedWriteKeepsTheEarlierFile(disk.Path());
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

struct LinkCase {
    const char* name;
    const char* link_to;  // relative to the folder
    const char* target;   // the file that must get the bytes
};

TEST(WriteWholeFile, WritingThroughASymbolicLinkReplacesItsTargetAndKeepsTheLink) {
    const LinkCase cases[] = {
        {"link beside its target", "target.txt", "target.txt"},
        {"link into a sub-folder", "sub/target.txt", "sub/target.txt"},
        {"link to a link", "second.txt", "target.txt"},
        {"dangling link", "missing.txt", "missing.txt"},
    };
    for (const LinkCase& c : cases) {
        const TempFolder folder;
        fs::create_directory(folder.Path() / "sub");
        TempFolder::WriteFile(folder.Path() / "target.txt", "earlier");
        TempFolder::WriteFile(folder.Path() / "sub" / "target.txt", "earlier");
        fs::create_symlink("target.txt", folder.Path() / "second.txt");
        const fs::perms mode =
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
        fs::permissions(folder.Path() / "target.txt", mode);
        const fs::path link = folder.Path() / "export.txt";
        fs::create_symlink(c.link_to, link);
        ASSERT_TRUE(WriteWholeFile(link, Bytes("later"))) << c.name;
        EXPECT_TRUE(fs::is_symlink(link)) << c.name;
        EXPECT_EQ(fs::read_symlink(link), c.link_to) << c.name;
        EXPECT_EQ(TempFolder::FileContent(folder.Path() / c.target), "later") << c.name;
        if (std::string_view(c.target) == "target.txt") {
            EXPECT_EQ(fs::status(folder.Path() / c.target).permissions(), mode) << c.name;
        }
    }
}

TEST(WriteWholeFile, ALoopOfLinksIsLeftAlone) {
    const TempFolder folder;
    const fs::path first = folder.Path() / "first.txt";
    fs::create_symlink("second.txt", first);
    fs::create_symlink("first.txt", folder.Path() / "second.txt");
    EXPECT_FALSE(WriteWholeFile(first, Bytes("later")));
    EXPECT_TRUE(fs::is_symlink(first));
    std::vector<std::string> names = TempFolder::Names(folder.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"first.txt", "second.txt"}));
}

}  // namespace
