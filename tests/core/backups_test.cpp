#include "framework/backups.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include "framework/archive.h"
#include "model/backuplist.h"
#include "testutil.h"

namespace {

int Mode(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return static_cast<int>(st.st_mode & 0777);
}

struct BackupFixture : DocFixture {
    std::string book = dir.file("my book.vpx");
    std::string root = dir.file("data/vespin/backups");
    BackupFixture() {
        doc.SetBackupOptions({true, 20, 5, root});
        clock_::SetFixed(LocalTime{2026, 12, 8, 7, 15, 0, 2});
    }
    ~BackupFixture() { clock_::SetFixed(std::nullopt); }
    std::vector<Generation> List() const { return backups::List(root, book); }
};

}  // namespace

TEST(Backups, EverySaveKeepsTheBytesItReplaces) {
    BackupFixture f;
    ASSERT_TRUE(f.doc.OnSaveDocument(f.book));
    EXPECT_TRUE(f.List().empty()) << "a new book's first save replaces nothing";
    const std::string first = ReadFile(f.book);

    f.doc.RegisterYear(2026);
    f.doc.StoreDayEntry(40, {0, "08:30", "17:45", S("本社")});
    f.doc.SetEmployee(S("1234"), S("山田"));
    ASSERT_TRUE(f.doc.OnSaveDocument(f.book));
    ASSERT_EQ(f.doc.LastBackup().outcome, KeepResult::kept);
    std::vector<Generation> gens = f.List();
    ASSERT_EQ(gens.size(), 1u);
    EXPECT_EQ(ReadFile(gens[0].path), first);
    EXPECT_EQ(gens[0].path, f.doc.LastBackup().path);

    // The same bytes again keep nothing.
    ASSERT_TRUE(f.doc.OnSaveDocument(f.book));
    EXPECT_EQ(f.doc.LastBackup().outcome, KeepResult::nothing);

    const std::string second = ReadFile(f.book);
    f.doc.RemoveFiscalYear(2026);
    clock_::SetFixed(LocalTime{2026, 12, 8, 7, 16, 0, 2});
    ASSERT_TRUE(f.doc.OnSaveDocument(f.book));
    gens = f.List();
    ASSERT_EQ(gens.size(), 2u);
    EXPECT_EQ(ReadFile(gens[0].path), second) << "newest first";
    EXPECT_EQ(gens[0].path.substr(gens[0].path.rfind('/') + 1, 20), "2026-12-08_07-16-00_");

    // Readable by the user alone.
    const std::string folder = gens[0].path.substr(0, gens[0].path.rfind('/'));
    EXPECT_EQ(Mode(f.root), 0700);
    EXPECT_EQ(Mode(folder), 0700);
    EXPECT_EQ(Mode(gens[0].path), 0600);

    // Described with the book loader.
    const std::vector<GenerationInfo> info = DescribeGenerations(f.root, f.book);
    ASSERT_EQ(info.size(), 2u);
    EXPECT_TRUE(info[0].readable);
    EXPECT_EQ(info[0].years, std::vector<int>{2026});
    EXPECT_EQ(std::vector<int>({info[0].lastYear, info[0].lastMonth, info[0].lastDay}),
              std::vector<int>({2026, 5, 11}));
    EXPECT_EQ(info[0].generation.size, second.size());
    EXPECT_TRUE(info[1].years.empty());
    EXPECT_EQ(info[1].lastYear, 0);
}

TEST(Backups, IdenticalContentIsKeptOnce) {
    BackupFixture f;
    ASSERT_TRUE(f.doc.OnSaveDocument(f.book));
    // The empty book, then A, B, A, B ...: three contents are ever replaced.
    for (int i = 0; i < 6; ++i) {
        clock_::SetFixed(LocalTime{2026, 12, 8, 8, i, 0, 2});
        f.doc.SetEmployee(S(i % 2 ? "1" : "2"), S("x"));
        ASSERT_TRUE(f.doc.OnSaveDocument(f.book));
    }
    const std::vector<Generation> gens = f.List();
    ASSERT_EQ(gens.size(), 3u);
    EXPECT_EQ(std::set<std::string>(
                  {ReadFile(gens[0].path), ReadFile(gens[1].path), ReadFile(gens[2].path)})
                  .size(),
              3u);
    // A content kept again moves to the latest time the book held it.
    EXPECT_EQ(gens[0].time.minute, 5);
    EXPECT_EQ(gens[1].time.minute, 4);
    EXPECT_EQ(gens[2].time.minute, 0);
}

TEST(Backups, RetentionOverSixYearsOfSaves) {
    TempDir dir;
    const std::string book = dir.file("b.vpx"), root = dir.file("backups");
    const BackupOptions options{true, 20, 5, root};
    WriteFile(book, "start");
    std::vector<std::pair<LocalTime, std::string>> saves;
    for (int y = 2021; y <= 2026; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d : {1, 9, 17, 25}) {
                const LocalTime t{y, m, d, 12, 0, 0, 0};
                clock_::SetFixed(t);
                const std::string next = std::to_string(saves.size());
                saves.emplace_back(t, ReadFile(book));
                ASSERT_EQ(backups::Keep(options, book, next).outcome, KeepResult::kept);
                WriteFile(book, next);
            }
    clock_::SetFixed(std::nullopt);

    // Expected: the last 20, and the last of each month within five years of December 2026.
    std::set<std::string> expected;
    std::map<int, std::string> lastOfMonth;
    for (size_t i = 0; i < saves.size(); ++i) {
        const LocalTime& t = saves[i].first;
        if (i + 20 >= saves.size()) expected.insert(saves[i].second);
        if ((2026 * 12 + 12) - (t.year * 12 + t.month) <= 60)
            lastOfMonth[t.year * 12 + t.month] = saves[i].second;
    }
    for (const auto& [month, bytes] : lastOfMonth) expected.insert(bytes);

    std::set<std::string> kept;
    for (const Generation& g : backups::List(root, book)) kept.insert(ReadFile(g.path));
    EXPECT_EQ(kept, expected);
    EXPECT_EQ(kept.size(), 20u + 56u);  // Dec 2021 .. Jul 2026 besides the last 20 (Aug-Dec)
}

TEST(Backups, AFailingBackupNeverFailsTheSave) {
    BackupFixture f;
    ASSERT_TRUE(f.doc.OnSaveDocument(f.book));
    WriteFile(f.dir.file("data"), "a file where the folder should be");
    f.doc.RegisterYear(2026);
    ASSERT_TRUE(f.doc.OnSaveDocument(f.book));
    EXPECT_EQ(f.doc.LastBackup().outcome, KeepResult::failed);
    EXPECT_NE(
        BackupFailedText(f.doc.LastBackup()).Utf8().find("バックアップを作成できませんでした"),
        std::string::npos);
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_TRUE(f.ui.messages.empty()) << "the document itself says nothing";
    CVespinDoc back(&f.ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    ASSERT_TRUE(back.OnOpenDocument(f.book));
    EXPECT_EQ(back.Years().GetSize(), 1);

    // A save that fails keeps nothing either: the hook runs only once the new bytes are safe.
    ::unlink(f.dir.file("data").c_str());
    const std::string before = ReadFile(f.book);
    {
        ScopedValue<WriteFault> fault(CDocument::s_writeFault,
                                      [](size_t, size_t&) { return ENOSPC; });
        f.doc.SetEmployee(S("1"), S("x"));
        EXPECT_FALSE(f.doc.OnSaveDocument(f.book));
    }
    EXPECT_EQ(f.doc.LastBackup().outcome, KeepResult::nothing);
    EXPECT_EQ(ReadFile(f.book), before);
}

TEST(Backups, OneReadableFolderPerFullPath) {
    TempDir dir;
    const std::string root = dir.file("backups");
    ::mkdir(dir.file("a").c_str(), 0755);
    ::mkdir(dir.file("b").c_str(), 0755);
    WriteFile(dir.file("a/勤務簿.vpx"), "x");
    WriteFile(dir.file("b/勤務簿.vpx"), "y");
    ASSERT_EQ(::symlink(dir.file("a").c_str(), dir.file("link").c_str()), 0);
    const std::string a = backups::BookFolder(root, dir.file("a/勤務簿.vpx"), true);
    const std::string b = backups::BookFolder(root, dir.file("b/勤務簿.vpx"), true);
    EXPECT_EQ(a.rfind(root + "/勤務簿_", 0), 0u) << a;
    EXPECT_NE(a, b);
    EXPECT_EQ(backups::BookFolder(root, dir.file("link/勤務簿.vpx"), false), a);
    EXPECT_EQ(ReadFile(a + "/source.txt"), dir.file("a/勤務簿.vpx") + "\n");
}

TEST(Backups, NamesAndTheUsersChoices) {
    const LocalTime t{2027, 1, 2, 3, 4, 5, 0};
    const std::string name = backups::FileName(t, 0xfedcba9876543210ull);
    EXPECT_EQ(name, "2027-01-02_03-04-05_fedcba9876543210.vpx");
    LocalTime back;
    uint64_t hash = 0;
    ASSERT_TRUE(backups::ParseFileName(name, back, hash));
    EXPECT_EQ(backups::FileName(back, hash), name);
    uint64_t sequence = 9;
    ASSERT_TRUE(backups::ParseFileName(name, back, hash, &sequence));
    EXPECT_EQ(sequence, 0u) << "unnumbered, as earlier versions named them";
    EXPECT_EQ(backups::FileName(t, 1, 31), "2027-01-02_03-04-05_0000000000000001_31.vpx");
    ASSERT_TRUE(backups::ParseFileName(backups::FileName(t, 1, 31), back, hash, &sequence));
    EXPECT_EQ(sequence, 31u);
    for (const char* other :
         {"source.txt", ".keep-abcdef", "2027-13-02_03-04-05_fedcba9876543210.vpx",
          "2027-01-02_03-04-05_FEDCBA9876543210.vpx", "2027-01-02_03-04-05_fedcba9876543210_0.vpx",
          "2027-01-02_03-04-05_fedcba9876543210_07.vpx",
          "2027-01-02_03-04-05_fedcba9876543210_1x.vpx"})
        EXPECT_FALSE(backups::ParseFileName(other, back, hash)) << other;

    const BackupOptions defaults = backups::FromProfileText("[Recent%20File%20List]\nFile1=/a\n");
    EXPECT_TRUE(defaults.enabled);
    EXPECT_EQ(defaults.generations, 20);
    const BackupOptions set =
        backups::FromProfileText("[Backups]\r\nEnabled=false\r\nGenerations=5\r\n");
    EXPECT_FALSE(set.enabled);
    EXPECT_EQ(set.generations, 5);
    EXPECT_EQ(backups::FromProfileText("[Backups]\nGenerations=lots\n").generations, 20);
    EXPECT_EQ(backups::FromProfileText("[Backups]\nGenerations=0\n").generations, 1);
    EXPECT_EQ(backups::FromProfileText("[Backups]\nGenerations=\"5\"\n").generations, 5);
}

TEST(Backups, TheClockGoingBackLosesNoGeneration) {
    // 21 saves in Tokyo, then 3 in a script under TZ=UTC: nine hours earlier by the clock.
    BackupFixture f;
    f.doc.SetBackupOptions({true, 20, 5, f.root});
    ASSERT_TRUE(f.doc.OnSaveDocument(f.book));
    std::vector<std::string> states;
    for (int i = 0; i < 24; ++i) {
        clock_::SetFixed(i < 21 ? LocalTime{2026, 12, 8, 18, i, 0, 2}
                                : LocalTime{2026, 12, 8, 9, i, 0, 2});
        states.push_back(ReadFile(f.book));
        f.doc.SetEmployee(S(std::to_string(i)), S("x"));
        ASSERT_TRUE(f.doc.OnSaveDocument(f.book));
        ASSERT_EQ(f.List().front().path, f.doc.LastBackup().path) << "the one just kept is newest";
    }
    const std::vector<Generation> gens = f.List();
    ASSERT_EQ(gens.size(), 20u);
    for (size_t k = 0; k < gens.size(); ++k)
        EXPECT_EQ(ReadFile(gens[k].path), states[states.size() - 1 - k]) << k;
    // Shown in the local time of each save, as before.
    EXPECT_EQ(gens[0].time.hour, 9);
    EXPECT_EQ(gens[3].time.hour, 18);

    // Names of earlier versions stay readable and count as older than every numbered one.
    const std::string folder = gens[0].path.substr(0, gens[0].path.rfind('/'));
    const std::string old = folder + "/" + backups::FileName({2030, 1, 1, 0, 0, 0, 0}, 7);
    WriteFile(old, "old");
    EXPECT_EQ(f.List().back().path, old);
    EXPECT_EQ(f.List().front().sequence, 24u);
}

TEST(Backups, AFolderBehindALinkKeepsItsPermissionsAndOneBookHasOneFolder) {
    TempDir dir, shared;
    ::chmod(shared.path().c_str(), 01777);
    const std::string root = dir.file("backups");
    ASSERT_EQ(::symlink(shared.path().c_str(), root.c_str()), 0);
    WriteFile(dir.file("b.vpx"), "old");
    ASSERT_EQ(backups::Keep({true, 20, 5, root}, dir.file("b.vpx"), "new").outcome,
              KeepResult::kept);
    EXPECT_EQ(Mode(shared.path()), 0777) << "never narrowed through the link";
    struct stat st {};
    ::stat(shared.path().c_str(), &st);
    EXPECT_TRUE(st.st_mode & S_ISVTX);

    // The same file by a second path (a hard link here, as a bind mount gives it): one folder.
    WriteFile(dir.file("b.vpx"), "new");
    ASSERT_EQ(::link(dir.file("b.vpx").c_str(), dir.file("same.vpx").c_str()), 0);
    EXPECT_EQ(backups::BookFolder(root, dir.file("same.vpx"), false),
              backups::BookFolder(root, dir.file("b.vpx"), false));
    ASSERT_EQ(backups::Keep({true, 20, 5, root}, dir.file("same.vpx"), "newer").outcome,
              KeepResult::kept);
    EXPECT_EQ(backups::List(root, dir.file("b.vpx")).size(), 2u);
    EXPECT_EQ(backups::List(root, dir.file("same.vpx")).size(), 2u);
    // Another file under the name its folder records no longer joins it.
    ::unlink(dir.file("same.vpx").c_str());
    WriteFile(dir.file("same.vpx"), "other");
    EXPECT_EQ(backups::List(root, dir.file("same.vpx")).size(), 0u);
}

// Saves of a large book with backups on, killed at random moments: nothing but the book is
// ever left beside it once the next save has run, and the book always loads.
TEST(Backups, KilledSavesLeaveNothingBesideTheBook) {
    TempDir books, data;
    FakeUi ui;
    ui.answer = MsgAnswer::yes;  // the killed save changed the file behind this one's back
    CVespinDoc doc(&ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    doc.OnNewDocument();
    doc.SetBackupOptions({true, 20, 5, data.file("backups")});
    for (int y = 2010; y < 2030; ++y) doc.RegisterYear(y);
    for (int k = 0; k < doc.Days().GetSize(); k += 2)
        doc.StoreDayEntry(k, {0, "08:30", "17:45", S("本社・勤務地１")});
    const std::string book = books.file("b.vpx");
    ASSERT_TRUE(doc.OnSaveDocument(book));
    const std::vector<std::string> onlyTheBook{"b.vpx"};
    std::mt19937 rng(20);
    int leftByKill = 0, leftAfterNextSave = 0;
    // VESPIN_KILLS=1000 for a longer run.
    const char* more = std::getenv("VESPIN_KILLS");
    const int kills = more ? std::max(300, std::atoi(more)) : 300;
    for (int i = 0; i < kills; ++i) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int n = 0;; ++n) {
                doc.SetEmployee(S(std::to_string(i * 100000 + n)), S("x"));
                doc.OnSaveDocument(book);
            }
        }
        ::usleep(1000 + rng() % 8000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        if (books.entries() != onlyTheBook) ++leftByKill;
        doc.SetEmployee(S("next"), S(std::to_string(i)));
        ASSERT_TRUE(doc.OnSaveDocument(book)) << i;
        if (books.entries() != onlyTheBook) ++leftAfterNextSave;
    }
    EXPECT_EQ(leftAfterNextSave, 0);
    std::cout << kills << " kills, " << leftByKill << " left a file until the next save\n";
    CVespinDoc back(&ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    EXPECT_TRUE(back.OnOpenDocument(book));
    EXPECT_EQ(backups::List(data.file("backups"), book).size(), 20u);

    // What an earlier version left (unlocked) goes; a save in progress elsewhere (locked) stays.
    WriteFile(books.file(".vpxAbCdEf12"), "stale");
    WriteFile(books.file(".vpxXy34Zw"), "busy");
    const int busy = ::open(books.file(".vpxXy34Zw").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    WriteFile(books.file(".vpxnote"), "not ours: another form of name");
    doc.SetEmployee(S("last"), S("x"));
    ASSERT_TRUE(doc.OnSaveDocument(book));
    EXPECT_EQ(books.entries(), std::vector<std::string>({".vpxXy34Zw", ".vpxnote", "b.vpx"}));
    ::close(busy);
}
