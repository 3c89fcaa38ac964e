#include "framework/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "framework/backups.h"
#include "testutil.h"

namespace {

// Written by QSettings (Qt 6) with these values set, byte for byte.
constexpr char kQtWritten[] =
    "[Backups]\nEnabled=false\nGenerations=3\n\n"
    "[Recent%20File%20List]\n"
    "File1=\"/home/ユーザー/出勤簿 2026/a;b,c=d \\\"q\\\" \\\\x\\t.vpx\"\n\n"
    "[Zeta]\nAt=@@at\nCtl=a\\x1\\x62\\x1f\\x63\nKey=\" lead@\"\n";
const std::string kPath = "/home/ユーザー/出勤簿 2026/a;b,c=d \"q\" \\x\t.vpx";

}  // namespace

TEST(Profile, ReadsAndWritesWhatQSettingsWrites) {
    const profile::Store qt(kQtWritten);
    EXPECT_EQ(qt.Value("Recent File List", "File1"), kPath);
    EXPECT_EQ(qt.Value("Zeta", "At"), "@at");
    EXPECT_EQ(qt.Value("Zeta", "Ctl"), std::string("a\x01"
                                                   "b\x1f"
                                                   "c"));
    EXPECT_EQ(qt.Value("Zeta", "Key"), " lead@");
    EXPECT_EQ(qt.Value("Zeta", "Missing"), std::nullopt);
    EXPECT_EQ(qt.Value("Recent%20File%20List", "File1"), std::nullopt) << "names are unescaped";
    const BackupOptions backup = backups::FromProfileText(kQtWritten);
    EXPECT_FALSE(backup.enabled);
    EXPECT_EQ(backup.generations, 3);

    // Set in QSettings' order, the same values make the same bytes.
    profile::Store mine;
    mine.SetValue("Backups", "Enabled", "false");
    mine.SetValue("Backups", "Generations", "3");
    mine.SetValue("Recent File List", "File1", kPath);
    mine.SetValue("Zeta", "At", "@at");
    mine.SetValue("Zeta", "Ctl",
                  std::string("a\x01"
                              "b\x1f"
                              "c"));
    mine.SetValue("Zeta", "Key", " lead@");
    EXPECT_EQ(mine.Text(), kQtWritten);
    // Removing what QSettings removed leaves what it left.
    mine.Remove("Zeta", "At");
    mine.Remove("Zeta", "Ctl");
    mine.Remove("Zeta", "Key");
    mine.Remove("Recent File List", "File1");
    EXPECT_EQ(mine.Text(), "[Backups]\nEnabled=false\nGenerations=3\n");
}

TEST(Profile, AChangeKeepsEveryOtherLine) {
    const std::string other = "; the user's note\r\n[Other]\r\nkey = \"a, b\" ;why\r\nodd line\r\n";
    profile::Store store(other +
                         "\r\n[Recent%20File%20List]\r\nFile1=/old.vpx\r\n\r\n[Tail]\r\nx=1\r\n");
    store.SetValue("Recent File List", "File1", "/new.vpx");
    EXPECT_EQ(store.Text(),
              other + "\r\n[Recent%20File%20List]\r\nFile1=/new.vpx\r\n\r\n[Tail]\r\nx=1\r\n");
    store.Remove("Recent File List", "File1");
    EXPECT_EQ(store.Text(), other + "\r\n[Tail]\r\nx=1\r\n");
    store.SetValue("Tail", "y", "2");
    store.SetValue("Recent File List", "File1", "/b.vpx");
    EXPECT_EQ(store.Text(),
              other + "\r\n[Tail]\r\nx=1\r\ny=2\r\n\r\n[Recent%20File%20List]\r\nFile1=/b.vpx\r\n");
    // Odd lines are passed over; a list is no single text; the last of a key counts.
    const profile::Store odd(
        "=\n[unclosed\nFile1\n[Backups]\nEnabled=a,b\nGenerations=5\n"
        "[Backups]\nGenerations=6 ;x\n");
    EXPECT_EQ(odd.Value("Backups", "Enabled"), std::nullopt);
    EXPECT_EQ(odd.Value("Backups", "Generations"), "6");
    EXPECT_EQ(profile::Store("[a]\nk=\"x\ny\"\n").Value("a", "k"), "x\ny");
}

TEST(Profile, WritersOnTheSameFileLoseNothing) {
    TempDir dir;
    const std::string path = dir.file("config/ヴェスピン Ver2.0/ヴェスピン.conf");
    ASSERT_EQ(profile::Update(path, [](profile::Store& s) { s.SetValue("Keep", "me", "1"); }),
              FileError::none);
    std::vector<std::thread> writers;
    for (int w = 0; w < 4; ++w)
        writers.emplace_back([&path, w] {
            for (int i = 0; i < 10; ++i)
                EXPECT_EQ(profile::Update(path,
                                          [&](profile::Store& s) {
                                              s.SetValue("W" + std::to_string(w),
                                                         "k" + std::to_string(i), "v");
                                          }),
                          FileError::none);
        });
    for (std::thread& t : writers) t.join();
    const profile::Store store = profile::Read(path);
    EXPECT_EQ(store.Value("Keep", "me"), "1");
    for (int w = 0; w < 4; ++w)
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(store.Value("W" + std::to_string(w), "k" + std::to_string(i)), "v");
    // A change that changes nothing leaves no file behind.
    const std::string other = dir.file("other.conf");
    EXPECT_EQ(profile::Update(other, [](profile::Store& s) { s.Remove("Keep", "me"); }),
              FileError::none);
    EXPECT_NE(::access(other.c_str(), F_OK), 0);
    // What cannot be read is never written over.
    ::chmod(path.c_str(), 0);
    if (::access(path.c_str(), R_OK) != 0) {
        EXPECT_NE(profile::Update(path, [](profile::Store& s) { s.Remove("Keep", "me"); }),
                  FileError::none);
        ::chmod(path.c_str(), 0600);
        EXPECT_EQ(profile::Read(path).Value("Keep", "me"), "1");
    }
}
