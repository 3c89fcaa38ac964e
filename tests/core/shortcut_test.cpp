// The desktop shortcut's file: what a desktop reads back from it must be exactly the program
// and the book, whatever characters their paths hold.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <set>

#include "core/desktopreader.h"
#include "output/desktopentry.h"
#include "output/shelllink.h"
#include "testutil.h"

namespace de = desktopentry;

namespace {

const std::string kProgram = "/opt/ヴェスピン 2/bin/vespin";

// The entry's keys and the words its Exec starts, as a desktop reads them.
struct ReadBack {
    std::map<std::string, std::string> keys;
    std::vector<std::string> argv;
    size_t lines = 0;
};

ReadBack Read(const std::string& text) {
    ReadBack r;
    const auto keys = de::Parse(text);
    EXPECT_TRUE(keys) << text;
    if (!keys) return r;
    r.keys = *keys;
    const auto argv = de::SplitExec(r.keys["Exec"]);
    EXPECT_TRUE(argv) << r.keys["Exec"];
    if (argv) r.argv = *argv;
    for (char c : text) r.lines += c == '\n';
    return r;
}

std::set<std::string> KeyNames(const ReadBack& r) {
    std::set<std::string> out;
    for (const auto& [k, v] : r.keys) out.insert(k);
    return out;
}

const std::set<std::string> kKeys = {"Exec", "Icon", "Name", "Terminal", "Type", "Version"};

}  // namespace

TEST(DesktopEntry, ShortcutForABookInAFolderWithBlanks) {
    const auto text =
        de::Build({"出勤簿", kProgram, {"/home/yamada/My  Books /出勤簿 2026.vpx"}, "vespin"});
    ASSERT_TRUE(text);
    ReadBack r = Read(*text);
    EXPECT_EQ(KeyNames(r), kKeys);
    EXPECT_EQ(r.keys["Type"], "Application");
    EXPECT_EQ(r.keys["Name"], "出勤簿");
    EXPECT_EQ(r.keys["Icon"], "vespin");
    EXPECT_EQ(r.argv,
              (std::vector<std::string>{kProgram, "/home/yamada/My  Books /出勤簿 2026.vpx"}));
    // The start-up joins its arguments with single blanks: one word is the path unchanged.
    EXPECT_EQ(r.argv.size(), 2u);
}

TEST(DesktopEntry, ExactFormOfTheEscapes) {
    // A backslash takes four in the file, $ ` " take two before them, % is doubled.
    const auto text = de::Build({"a", "/p/vespin", {R"(/b/\ $ ` " % x)"}, "vespin"});
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "[Desktop Entry]\n"
              "Version=1.0\n"
              "Type=Application\n"
              "Name=a\n"
              R"(Exec="/p/vespin" "/b/\\\\ \\$ \\` \\" %% x")"
              "\n"
              "Icon=vespin\n"
              "Terminal=false\n");
}

TEST(DesktopEntry, HostilePathsArriveAsOneUnchangedWord) {
    const std::vector<std::string> paths = {
        R"(/tmp/a"b.vpx)",
        R"(/tmp/" ; rm -rf ~ ; ".vpx)",
        "/tmp/$(touch pwned)/$HOME/${X}.vpx",
        "/tmp/`id`.vpx",
        "/tmp/100%/%f %u %F %U %k %c %i %%.vpx",
        R"(/tmp/back\slash\\ \"q\" \$ \`.vpx)",
        "/tmp/'single' & | < > ~ * ? # = [x].vpx",
        "/tmp/ends with blank .vpx ",
        R"(/tmp/trailing backslash\)",
        "/tmp/%",
        "/tmp/Exec=evil\\nType=Link",
        "/tmp/ヴェスピン／出勤簿　全角.vpx",
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const auto text = de::Build({"出勤簿", kProgram, {path}, "vespin"});
        ASSERT_TRUE(text);
        ReadBack r = Read(*text);
        EXPECT_EQ(KeyNames(r), kKeys);
        EXPECT_EQ(r.lines, 7u);  // nothing added to the entry
        EXPECT_EQ(r.argv, (std::vector<std::string>{kProgram, path}));
    }
}

TEST(DesktopEntry, AnyMixOfSpecialCharactersRoundTrips) {
    // Pieces that mean something to a key file, to quoting or to field codes, mixed at random.
    const std::vector<std::string> pieces = {
        " ", "  ", "\"", "'", "\\", "\\\\", "$", "`", "%", "%%",  "%f",  "~", "|",      "&",
        ";", "<",  ">",  "*", "?",  "#",    "=", "[", "]", "\\s", "\\n", "a", "出勤簿", "/"};
    std::mt19937 rng(20260401);
    for (int round = 0; round < 2000; ++round) {
        std::string path = "/";
        const size_t n = rng() % 12;
        for (size_t i = 0; i < n; ++i) path += pieces[rng() % pieces.size()];
        const auto text = de::Build({path, path, {path}, "vespin"});
        ASSERT_TRUE(text) << path;
        ReadBack r = Read(*text);
        ASSERT_EQ(r.argv, (std::vector<std::string>{path, path})) << *text;
        ASSERT_EQ(r.keys["Name"], path) << *text;
        ASSERT_EQ(KeyNames(r), kKeys) << *text;
    }
}

TEST(DesktopEntry, TextsAnEntryCannotCarryAreRefused) {
    const std::vector<std::string> bad = {
        "/tmp/new\nline.vpx",
        "/tmp/tab\t.vpx",
        "/tmp/cr\r.vpx",
        std::string("/tmp/nul\0x", 10),
        "/tmp/bell\x07.vpx",
        "/tmp/del\x7f.vpx",
        "/tmp/c1\xC2\x85.vpx",                // NEL
        "/tmp/\xff\xfe.vpx",                  // not UTF-8
        "/tmp/\x83\x56\x83\x74\x83\x67.vpx",  // Shift-JIS bytes
        "/tmp/\xE3\x81.vpx",                  // cut short
        "/tmp/\xC0\xAF.vpx",                  // overlong "/"
        "/tmp/\xED\xA0\x80.vpx",              // surrogate
        "/tmp/\xF4\x90\x80\x80.vpx",          // beyond U+10FFFF
    };
    for (const std::string& path : bad) {
        SCOPED_TRACE(Hex(path));
        EXPECT_FALSE(de::QuoteArgument(path));
        EXPECT_FALSE(de::Build({"出勤簿", kProgram, {path}, "vespin"}));
        // The program's own path is held to the same rule.
        EXPECT_FALSE(de::Build({"出勤簿", path, {}, "vespin"}));
    }
    EXPECT_TRUE(de::QuoteArgument("/tmp/\xF0\x9F\x98\x80.vpx"));  // 4-byte UTF-8 is fine
}

TEST(DesktopEntry, NameCannotAddKeysAndKeepsItsBlanks) {
    const std::vector<std::string> names = {
        "出勤簿\nExec=/bin/evil", "a\\nb",          " 出勤簿 ", "tab\there",
        "[Desktop Entry]",        "x\r\nIcon=evil", "  ",       "100% \"mine\" $HOME"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const auto text = de::Build({name, kProgram, {}, "vespin"});
        ASSERT_TRUE(text);
        ReadBack r = Read(*text);
        EXPECT_EQ(KeyNames(r), kKeys);
        EXPECT_EQ(r.keys["Name"], name);
        EXPECT_EQ(r.argv, std::vector<std::string>{kProgram});
    }
    EXPECT_FALSE(de::Build({"bell\x07", kProgram, {}, "vespin"}));
    EXPECT_FALSE(de::Build({"\xff", kProgram, {}, "vespin"}));
}

TEST(DesktopEntry, ReaderRefusesWhatBreaksTheRules) {
    // Exec words.
    EXPECT_EQ(de::SplitExec("vespin  \"a b\" %%"),
              (std::vector<std::string>{"vespin", "a b", "%"}));
    EXPECT_FALSE(de::SplitExec("vespin a;b"));  // reserved outside quotes
    EXPECT_FALSE(de::SplitExec("vespin $HOME"));
    EXPECT_FALSE(de::SplitExec("vespin %f"));  // a field code
    EXPECT_FALSE(de::SplitExec("vespin \"%f\""));
    EXPECT_FALSE(de::SplitExec("vespin \"open"));     // no closing quote
    EXPECT_FALSE(de::SplitExec("vespin \"a\"b"));     // quote ends inside a word
    EXPECT_FALSE(de::SplitExec("vespin \"a$b\""));    // $ unescaped inside quotes
    EXPECT_FALSE(de::SplitExec("vespin \"a\\xb\""));  // unknown escape
    // Key file.
    EXPECT_FALSE(de::Parse("Name=x\n[Desktop Entry]\n"));  // key before the group
    EXPECT_FALSE(de::Parse("[Desktop Entry]\nName=a\nName=b\n"));
    EXPECT_FALSE(de::Parse("[Desktop Entry]\nName=a\\q\n"));
    EXPECT_FALSE(de::Parse("[Desktop Entry]\njust text\n"));
    EXPECT_FALSE(de::Parse("[Other]\nName=a\n"));
    const auto keys =
        de::Parse("# c\n[Desktop Entry]\nName = \\sa\\\\b\\s\n[Desktop Action x]\nName=o\n");
    ASSERT_TRUE(keys);
    EXPECT_EQ(keys->at("Name"), " a\\b ");
}

// ---------------------------------------------------------------------------------------------
// The file on the desktop

TEST(ShellLink, FilePathFromTheName) {
    EXPECT_EQ(ShortcutFilePath("/home/u/Desktop", "出勤簿"), "/home/u/Desktop/出勤簿.desktop");
    EXPECT_EQ(ShortcutFilePath("/home/u/Desktop/", "a.desktop"),
              "/home/u/Desktop/a.desktop.desktop");
    EXPECT_EQ(ShortcutFilePath("/d", " .. "), "/d/ .. .desktop");
    EXPECT_FALSE(ShortcutFilePath("", "出勤簿"));  // no desktop folder
    EXPECT_FALSE(ShortcutFilePath("/d", "../../.config/autostart/x"));
    EXPECT_FALSE(ShortcutFilePath("/d", "a/b"));
}

TEST(ShellLink, WritesAnExecutableEntryAndOverwritesWithoutAsking) {
    TempDir dir;
    const mode_t mask = ::umask(022);
    const std::string link = dir.file("出勤簿.desktop.desktop");
    const std::string book = "/home/u/My Books/出勤簿.vpx";
    WriteFile(link, "old");
    ::chmod(link.c_str(), 0600);
    ASSERT_TRUE(CreateShellLink(kProgram, link, book));
    ReadBack r = Read(ReadFile(link));
    EXPECT_EQ(r.keys["Name"], "出勤簿.desktop");  // as typed
    EXPECT_EQ(r.argv, (std::vector<std::string>{kProgram, book}));
    struct stat st {};
    ASSERT_EQ(::stat(link.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);  // the old file's permissions, runnable

    // A new file: the usual permissions, runnable by whoever may read it. No book: no argument.
    const std::string fresh = dir.file("new.desktop");
    ASSERT_TRUE(CreateShellLink(kProgram, fresh, ""));
    ASSERT_EQ(::stat(fresh.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
    EXPECT_EQ(Read(ReadFile(fresh)).argv, std::vector<std::string>{kProgram});
    ::umask(mask);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"new.desktop", "出勤簿.desktop.desktop"}));
}

TEST(ShellLink, FailuresLeaveNothingBehind) {
    TempDir dir;
    WriteFile(dir.file("file"), "x");
    // No such folder, a file where the folder should be, a folder where the file should be.
    EXPECT_FALSE(CreateShellLink(kProgram, dir.file("missing/a.desktop"), ""));
    EXPECT_FALSE(CreateShellLink(kProgram, dir.file("file/a.desktop"), ""));
    ::mkdir(dir.file("taken.desktop").c_str(), 0755);
    EXPECT_FALSE(CreateShellLink(kProgram, dir.file("taken.desktop"), ""));
    // A book path the entry cannot carry, a program that is no full path.
    EXPECT_FALSE(CreateShellLink(kProgram, dir.file("nl.desktop"), "/tmp/a\nb.vpx"));
    EXPECT_FALSE(CreateShellLink("vespin", dir.file("rel.desktop"), ""));
    EXPECT_FALSE(CreateShellLink("", dir.file("none.desktop"), ""));
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"file", "taken.desktop"}));
}

TEST(ShellLink, ReadOnlyDesktopFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "a privileged user writes into read-only folders";
    TempDir dir;
    ::chmod(dir.path().c_str(), 0555);
    EXPECT_FALSE(CreateShellLink(kProgram, dir.file("a.desktop"), ""));
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_TRUE(dir.entries().empty());
}
