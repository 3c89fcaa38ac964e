#include "framework/savefile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "framework/archive.h"
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
        const SaveResult r = SaveFileAtomic(path, next, FailAt(limit), false);
        ASSERT_FALSE(r) << limit;
        EXPECT_EQ(r.cause, FileError::diskFull);
        ASSERT_EQ(ReadFile(path), previous) << limit;
        ASSERT_EQ(f.dir.entries(), std::vector<std::string>{"book.vpx"}) << limit;
    }
    ASSERT_TRUE(SaveFileAtomic(path, next, FailAt(next.size()), false));
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
