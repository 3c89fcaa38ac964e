#include "framework/savefile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "framework/archive.h"
#include "framework/booklock.h"
#include "framework/readfile.h"
#include "framework/uniquefd.h"
#include "testutil.h"

namespace {

// A write that fails with ENOSPC once `limit` bytes have been written.
WriteFault FailAt(size_t limit) {
    return [limit](size_t offset, size_t& length) {
        if (offset >= limit) return ENOSPC;
        if (offset + length > limit) length = limit - offset;
        return 0;
    };
}

}  // namespace

TEST(SaveFile, WritesAndReplaces) {
    TempDir dir;
    const std::string path = dir.file("a.vpx");
    ASSERT_TRUE(SaveFileAtomic(path, "first"));
    ASSERT_TRUE(SaveFileAtomic(path, "second"));
    EXPECT_EQ(ReadFile(path), "second");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.vpx"});
}

TEST(SaveFile, KeepsThePermissionsOfTheBook) {
    TempDir dir;
    const std::string path = dir.file("a.vpx");
    WriteFile(path, "x");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(SaveFileAtomic(path, "y"));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(SaveFile, NewFilesTakeTheUmaskWhichStaysAsItWas) {
    TempDir dir;
    const mode_t mask = ::umask(027);
    struct stat st {};
    ASSERT_TRUE(SaveFileAtomic(dir.file("a"), "x"));
    ASSERT_EQ(::stat(dir.file("a").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    bool existed = false;
    ASSERT_TRUE(SaveNewFile(dir.file("b"), "x", existed));
    ASSERT_EQ(::stat(dir.file("b").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(::umask(mask), 027u);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"a", "b"}));
}

// The lock moves to the new file; one that is not taken is never claimed, so another
// program's lock still keeps the save out.
TEST(SaveFile, TheLockMovesToTheNewFileAndOnlyATakenOneCounts) {
    TempDir dir;
    const std::string path = dir.file("book.vpx");
    BookLock lock;
    const SaveResult first = SaveFileAtomic(path, "a", {.lock = &lock});
    ASSERT_TRUE(first);
    EXPECT_FALSE(first.lockLost);
    EXPECT_TRUE(FileLockedByOther(path));
    ASSERT_TRUE(SaveFileAtomic(path, "b", {.lock = &lock}));
    EXPECT_TRUE(FileLockedByOther(path));

    // As after a save on a file system without locks: the book is open, its lock not taken.
    lock.Adopt(UniqueFd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)), false);
    EXPECT_TRUE(lock.Held());
    const UniqueFd other(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(::flock(other.Get(), LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(SaveFileAtomic(path, "c", {.lock = &lock}).cause, FileError::sharingViolation);
    EXPECT_EQ(ReadFile(path), "b");
}

TEST(UniqueFd, ClosesOnceWhereverItsOwnerGoes) {
    const int raw = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(raw, 0);
    auto open = [](int fd) { return ::fcntl(fd, F_GETFD) != -1; };
    {
        UniqueFd a(raw);
        UniqueFd b(std::move(a));
        EXPECT_FALSE(a);  // NOLINT(bugprone-use-after-move): moved-from is empty
        a = std::move(b);
        EXPECT_EQ(a.Get(), raw);
        EXPECT_TRUE(open(raw));
        errno = EINTR;
        a.Reset();
        EXPECT_EQ(errno, EINTR);  // a caller's errno survives the close
        EXPECT_FALSE(open(raw));
    }
    const int again = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    { const UniqueFd c(again); }
    EXPECT_FALSE(open(again));
}

TEST(SaveFile, FailureAtEveryOffsetLeavesThePreviousFile) {
    // A real book of a few kilobytes, with every record kind.
    DocFixture f;
    f.doc.AppendFiscalYear(2026);
    f.doc.StoreDayEntry(0, {0, "08:30", "17:45", S("勤務地１・勤務地２")});
    f.doc.SetEmployee(S("1234"), S("山田"));
    const std::string path = f.dir.file("book.vpx");
    ASSERT_TRUE(f.doc.OnSaveDocument(path));
    const std::string previous = ReadFile(path);
    f.doc.StoreDayEntry(1, {6, "", "", ""});
    std::string next;
    {
        CArchive ar(next);
        f.doc.Serialize(ar);
        f.doc.SetModifiedFlag(true);
    }
    ASSERT_NE(next, previous);
    for (size_t limit = 0; limit < next.size(); ++limit) {
        const SaveResult r =
            SaveFileAtomic(path, next, {.fault = FailAt(limit), .flushToDisk = false});
        ASSERT_FALSE(r) << limit;
        EXPECT_EQ(r.cause, FileError::diskFull);
        ASSERT_EQ(ReadFile(path), previous) << limit;
        ASSERT_EQ(f.dir.entries(), std::vector<std::string>{"book.vpx"}) << limit;
    }
    ASSERT_TRUE(SaveFileAtomic(path, next, {.fault = FailAt(next.size()), .flushToDisk = false}));
    EXPECT_EQ(ReadFile(path), next);
}

TEST(SaveFile, ReadOnlyFileAndFolder) {
    TempDir dir;
    const std::string path = dir.file("ro.vpx");
    WriteFile(path, "keep");
    ::chmod(path.c_str(), 0444);
    const SaveResult r = SaveFileAtomic(path, "new");
    EXPECT_EQ(r.cause, FileError::accessDenied);
    EXPECT_EQ(ReadFile(path), "keep");

    if (::geteuid() == 0) GTEST_SKIP() << "a privileged user writes into read-only folders";
    const std::string sub = dir.file("locked");
    std::filesystem::create_directory(sub);
    WriteFile(sub + "/b.vpx", "keep");
    ::chmod(sub.c_str(), 0555);
    EXPECT_EQ(SaveFileAtomic(sub + "/b.vpx", "new").cause, FileError::accessDenied);
    EXPECT_EQ(ReadFile(sub + "/b.vpx"), "keep");
}

TEST(SaveFile, JapaneseNamesAndBlanks) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("出勤 簿"));
    const std::string path = dir.file("出勤 簿/山田 太郎 2026.vpx");
    ASSERT_TRUE(SaveFileAtomic(path, "data"));
    std::string back;
    EXPECT_EQ(ReadWholeFile(path, back), FileError::none);
    EXPECT_EQ(back, "data");
}

TEST(SaveFile, WritesThroughLinksAndOnlyIntoRegularFiles) {
    TempDir dir;
    const std::string real = dir.file("real.vpx"), link = dir.file("link.vpx");
    WriteFile(real, "old");
    ASSERT_EQ(::symlink("real.vpx", link.c_str()), 0);
    ASSERT_TRUE(SaveFileAtomic(link, "new"));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadFile(real), "new");

    // A link to nowhere, or to itself, is a bad path: nothing is created.
    ASSERT_EQ(::symlink("gone/none.vpx", dir.file("dangling").c_str()), 0);
    ASSERT_EQ(::symlink("loop", dir.file("loop").c_str()), 0);
    EXPECT_EQ(SaveFileAtomic(dir.file("dangling"), "x").cause, FileError::badPath);
    EXPECT_EQ(SaveFileAtomic(dir.file("loop"), "x").cause, FileError::badPath);

    ::mkfifo(dir.file("fifo").c_str(), 0666);
    for (const std::string& special : {dir.file("fifo"), std::string("/dev/null")}) {
        EXPECT_EQ(SaveFileAtomic(special, "x").cause, FileError::accessDenied) << special;
        ASSERT_EQ(::stat(special.c_str(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode)) << special;
    }
    EXPECT_EQ(dir.entries(),
              (std::vector<std::string>{"dangling", "fifo", "link.vpx", "loop", "real.vpx"}));
}

TEST(SaveFile, KeepsOwnerGroupAndAttributesButNeverSetId) {
    TempDir dir;
    const std::string path = dir.file("a.vpx");
    WriteFile(path, "x");
    const bool xattrs = ::setxattr(path.c_str(), "user.note", "kept", 4, 0) == 0;
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 1234, 5678), 0);
    }
    ::chmod(path.c_str(), 06660);
    ASSERT_TRUE(SaveFileAtomic(path, "y"));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0660u);
    if (root) {
        EXPECT_EQ(std::make_pair(st.st_uid, st.st_gid), std::make_pair(1234u, 5678u));
    }
    char value[8] = {};
    if (xattrs) {
        EXPECT_EQ(::getxattr(path.c_str(), "user.note", value, sizeof value), 4);
    }
}

TEST(SaveFile, LongestNamesSaveAndAKilledSaveLeavesNothing) {
    TempDir dir;
    const std::string longest = dir.file(std::string(251, 'n') + ".vpx");
    ASSERT_TRUE(SaveFileAtomic(longest, "first"));
    ASSERT_TRUE(SaveFileAtomic(longest, "second"));
    EXPECT_EQ(ReadFile(longest), "second");

    // The process dies half-way through the write, as under kill -9.
    const pid_t child = ::fork();
    if (child == 0) {
        (void)SaveFileAtomic(longest, std::string(100000, 'p'),
                             {.fault = [](size_t offset, size_t& length) {
                                 if (offset > 0) ::_exit(9);
                                 length = 50000;
                                 return 0;
                             }});
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 9);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{std::string(251, 'n') + ".vpx"});
    EXPECT_EQ(ReadFile(longest), "second");
}

TEST(ReadFile, RefusesSpecialFilesAndWhatNoBookCouldBe) {
    TempDir dir;
    std::string out;
    ::mkfifo(dir.file("fifo").c_str(), 0666);  // with no writer: an open that waited would hang
    EXPECT_EQ(ReadWholeFile(dir.file("fifo"), out), FileError::accessDenied);
    EXPECT_EQ(ReadWholeFile("/dev/zero", out), FileError::accessDenied);
    EXPECT_EQ(ReadFileHead(dir.file("fifo"), out, 10, 1 << 20), FileError::accessDenied);

    const std::string big = dir.file("big");
    WriteFile(big, std::string("a\nb\nc\n"));
    ASSERT_EQ(::truncate(big.c_str(), static_cast<off_t>(kMaxBookBytes) + 1), 0);
    EXPECT_EQ(ReadWholeFile(big, out), FileError::tooLarge);
    EXPECT_EQ(ReadFileHead(big, out, 2, 1 << 20), FileError::none);
    EXPECT_LE(out.size(), size_t{65536});
    EXPECT_EQ(out.substr(0, 4), "a\nb\n");
}

TEST(FileErrors, EachCauseHasItsOwnTextNamingThePath) {
    EXPECT_EQ(FileErrorText(FileErrorFromErrno(ENOENT), "a😀").Utf8(),
              "a😀 が見つかりませんでした。");
    EXPECT_EQ(FileErrorText(FileErrorFromErrno(EBUSY), "a").Utf8(),
              "a へのｱｸｾｽ中に共有違反が発生しました。");
    EXPECT_EQ(FileErrorText(FileErrorFromErrno(ENOLCK), "a").Utf8(),
              "a へのｱｸｾｽ中にﾛｯｸ違反が発生しました。");
    EXPECT_EQ(FileErrorText(FileErrorFromErrno(ENOSPC), "a").Utf8(),
              "a へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    EXPECT_EQ(FileErrorText(FileError::tooLarge, "a").Utf8(), "予期しないﾌｧｲﾙ形式です。");
    EXPECT_EQ(FileErrorText(FileError::none, "a").Utf8(),
              FileErrorText(FileError::generic, "a").Utf8());
}
