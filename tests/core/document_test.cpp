#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "framework/view.h"
#include "model/updatehint.h"
#include "model/vespindocaccess.h"
#include "testutil.h"

namespace {

// A view that records every hint it is sent.
class RecordingView : public CView {
public:
    std::vector<CUpdateHint> hints;
    int focused = 0;
    void OnUpdate(CView*, long, CObject* h) override {
        if (auto* hint = dynamic_cast<CUpdateHint*>(h)) hints.push_back(*hint);
    }
    void SetFocusToView() override { ++focused; }
    int ViewKind() const override { return 2; }
};

class TreeView : public RecordingView {
public:
    int ViewKind() const override { return 1; }
};

class Document : public ::testing::Test {
protected:
    DocFixture f;
    CVespinDoc& doc = f.doc;
    FakeUi& ui = f.ui;

    // A book with two filled years, saved; returns its bytes.
    std::string MakeBook(const std::string& name, const std::string& password = "") {
        doc.OnNewDocument();
        doc.AppendFiscalYear(2025);
        doc.AppendFiscalYear(2026);
        doc.SetEmployee(S("1234"), S("山田 太郎"));
        VespinDocAccess::Password(doc) = S(password);
        doc.StoreDayEntry(3, {0, "08:30", "17:45", S("勤務地１・勤務地２")});
        doc.StoreDayEntry(400, {6, "", "", ""});
        EXPECT_TRUE(doc.OnSaveDocument(f.dir.file(name)));
        return ReadFile(f.dir.file(name));
    }
};

}  // namespace

TEST_F(Document, EmptyBookIsElevenZeroBytesAndLoadsBack) {
    const std::string path = f.dir.file("empty.vpx");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(ReadFile(path), std::string(11, '\0'));
    doc.AppendFiscalYear(2020);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.Years().GetSize(), 0);
    EXPECT_EQ(doc.Days().GetSize(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Document, SaveLoadRoundTripIsByteExact) {
    const std::string bytes = MakeBook("book.vpx");
    doc.OnNewDocument();
    ASSERT_TRUE(doc.OnOpenDocument(f.dir.file("book.vpx")));
    EXPECT_EQ(U(doc.EmployeeName()), "山田 太郎");
    EXPECT_EQ(doc.Days().GetSize(), 730);
    EXPECT_EQ(U(doc.Days()[3]->Place()), "勤務地１・勤務地２");
    EXPECT_EQ(doc.Days()[400]->GetCategory(), 6);
    ASSERT_TRUE(doc.OnSaveDocument(f.dir.file("again.vpx")));
    EXPECT_EQ(ReadFile(f.dir.file("again.vpx")), bytes);
}

TEST_F(Document, LongPasswordUsesTheSixteenBitPrefix) {
    const std::string pw(300, 'p');
    VespinDocAccess::Password(doc) = pw;
    ASSERT_TRUE(doc.OnSaveDocument(f.dir.file("pw.vpx")));
    const std::string bytes = ReadFile(f.dir.file("pw.vpx"));
    EXPECT_EQ(Hex(bytes.substr(0, 3)), "FF 2C 01");
    doc.OnNewDocument();
    ui.typedPassword = pw;
    ASSERT_TRUE(doc.OnOpenDocument(f.dir.file("pw.vpx")));
    EXPECT_EQ(doc.Password(), pw);
    EXPECT_EQ(ui.promptPath, f.dir.file("pw.vpx"));
}

TEST_F(Document, CancelledPasswordKeepsTheOpenBook) {
    MakeBook("secret.vpx", "Himitsu");
    // The open book: one year, modified, saved under another name.
    doc.OnNewDocument();
    doc.AppendFiscalYear(2010);
    VespinDocAccess::Password(doc) = "old";
    ASSERT_TRUE(doc.OnSaveDocument(f.dir.file("mine.vpx")));
    doc.SetEmployee(S("9"), S("N"));
    const std::string caption = ui.caption;
    ui.messages.clear();

    ui.typedPassword.reset();
    EXPECT_EQ(doc.OpenDocument(f.dir.file("secret.vpx")), CDocument::OpenResult::declined);
    EXPECT_EQ(ui.passwordPrompts, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(doc.Years().GetSize(), 1);
    EXPECT_EQ(doc.Years()[0]->GetYear(), 2010);
    EXPECT_EQ(doc.Password(), "old");
    EXPECT_EQ(doc.EmployeeNo(), "9");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ui.caption, caption);
    EXPECT_EQ(doc.GetPathName(), f.dir.file("mine.vpx"));
    EXPECT_EQ(doc.DocPath(), "");

    // A wrong password (the prompt's retries end in Cancel) refuses the same way;
    // an unprotected book opens normally afterwards.
    ui.typedPassword = "himitsu";
    EXPECT_FALSE(doc.OnOpenDocument(f.dir.file("secret.vpx")));
    EXPECT_FALSE(doc.OnOpenDocument(f.dir.file("mine.vpx")));  // its password "old" is not typed
    VespinDocAccess::Password(doc).clear();
    ASSERT_TRUE(doc.OnSaveDocument(f.dir.file("open.vpx")));
    EXPECT_TRUE(doc.OnOpenDocument(f.dir.file("open.vpx")));
    EXPECT_EQ(ui.caption, f.dir.file("open.vpx") + "-ヴェスピン");

    ui.typedPassword = "Himitsu";
    ASSERT_TRUE(doc.OnOpenDocument(f.dir.file("secret.vpx")));
    EXPECT_EQ(doc.Days().GetSize(), 730);
    // New after a protected book has no password.
    doc.OnNewDocument();
    EXPECT_TRUE(doc.Password().empty());
}

TEST_F(Document, EveryTruncationIsAnInvalidFormat) {
    const std::string bytes = MakeBook("book.vpx");
    const std::string path = f.dir.file("cut.vpx");
    // Every prefix length, by steps that cover each field kind; all of them near the end.
    for (size_t n = 0; n < bytes.size(); n += (n < 200 || n > bytes.size() - 200) ? 1 : 97) {
        WriteFile(path, bytes.substr(0, n));
        doc.OnNewDocument();
        doc.AppendFiscalYear(2001);
        ui.messages.clear();
        EXPECT_FALSE(doc.OnOpenDocument(path)) << n;
        ASSERT_EQ(ui.messages.size(), 1u) << n;
        EXPECT_EQ(ui.messages[0], "予期しないﾌｧｲﾙ形式です。");
        // Half a book is never taken in; the caller falls back to New (the open was damaged).
        EXPECT_EQ(doc.Years().GetSize(), 1);
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST_F(Document, InconsistentFilesAreRefused) {
    const std::string good = MakeBook("book.vpx");
    const std::string path = f.dir.file("bad.vpx");
    // Offsets: password(1) number(5) name(1+len) then NY at...
    const size_t nameLen = static_cast<unsigned char>(good[6]);
    const size_t ny = 1 + 5 + 1 + nameLen;
    const size_t firstYear = ny + 4;
    const size_t nd = firstYear + 32;
    auto patchInt = [](std::string b, size_t at, int32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
        return b;
    };
    ASSERT_EQ(good.substr(firstYear, 4), std::string("\xE9\x07\0\0", 4));  // 2025
    std::vector<std::pair<std::string, std::string>> cases = {
        {"day count 0x7FFFFFFF", patchInt(good, nd, 0x7FFFFFFF)},
        {"year count huge", patchInt(good, ny, 0x7FFFFFFF)},
        {"first index outside", patchInt(good, firstYear + 4, 5000)},
        {"last index outside", patchInt(good, firstYear + 8, 9999)},
        {"leap flag 7", patchInt(good, firstYear + 12, 7)},
        {"year before 1998", patchInt(good, firstYear, 1200)},
        {"one day short", patchInt(good, nd, 729)},
    };
    // A category of 10 in the first day.
    std::string cat = good;
    const size_t day0 = nd + 4;
    const size_t catAt = day0 + 12 + 3 + 1 + 1;  // year, month, day, weekday(1+2), start, end
    ASSERT_EQ(cat.substr(catAt, 4), std::string("\xFF\xFF\xFF\xFF", 4));
    cases.push_back({"category 10", patchInt(cat, catAt, 10)});
    cases.push_back({"category -2", patchInt(cat, catAt, -2)});
    cases.push_back(
        {"40-byte file with a huge day count",
         std::string(7, '\0') + std::string("\xFF\xFF\xFF\x7F", 4) + std::string(29, 'x')});
    // What the program never writes either, though each once loaded and then did harm.
    const size_t typeAt = catAt + 4 + 1;  // after the category and an empty place
    ASSERT_EQ(cat.substr(typeAt, 4), std::string("\x01\0\0\0", 4));  // a Tuesday
    std::string weekday = good;
    weekday.replace(day0 + 13, 2, S("水"));
    cases.insert(cases.end(),
                 {{"bytes after the last day", good + "junk"},
                  {"eleven zero bytes, then a disk image", std::string(11, '\0') + "\x55\xAA"},
                  {"negative year count", patchInt(good, ny, -1)},
                  {"negative day count", std::string(7, '\0') + std::string(4, '\xFF')},
                  {"year after 2036", patchInt(good, firstYear, 2037)},
                  {"the same year twice", patchInt(good, firstYear + 16, 2025)},
                  {"leap flag against the year", patchInt(good, firstYear + 12, 1)},
                  {"a date out of order", patchInt(good, day0 + 8, 2)},
                  {"a weekday not the date's", weekday},
                  {"day type 4", patchInt(good, typeAt, 4)},
                  {"day type 0", patchInt(good, typeAt, 0)}});
    for (const auto& [what, bytes] : cases) {
        WriteFile(path, bytes);
        ui.messages.clear();
        EXPECT_FALSE(doc.OnOpenDocument(path)) << what;
        ASSERT_EQ(ui.messages.size(), 1u) << what;
        EXPECT_EQ(ui.messages[0], "予期しないﾌｧｲﾙ形式です。") << what;
    }
    WriteFile(path, good);
    EXPECT_TRUE(doc.OnOpenDocument(path));
}

TEST_F(Document, MissingFileIsReportedAndTheBookKept) {
    doc.AppendFiscalYear(2020);
    doc.SetModifiedFlag(true);
    const std::string path = f.dir.file("none.vpx");
    EXPECT_FALSE(doc.OnOpenDocument(path));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], path + " が見つかりませんでした。");
    EXPECT_EQ(doc.Years().GetSize(), 1);
    EXPECT_TRUE(doc.IsModified());
    // A missing folder names the path as the fault.
    ui.messages.clear();
    EXPECT_FALSE(doc.OnOpenDocument(f.dir.file("nofolder/none.vpx")));
    EXPECT_EQ(ui.messages[0], f.dir.file("nofolder/none.vpx") + " には無効なﾊﾟｽが含まれています。");
    // A folder is no book either.
    ui.messages.clear();
    EXPECT_FALSE(doc.OnOpenDocument(f.dir.path()));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(Document, CaptionAfterNewOpenSaveAndEmployee) {
    // The first New at start-up leaves the caption to the main frame.
    EXPECT_EQ(ui.caption, "");
    doc.OnNewDocument();
    EXPECT_EQ(ui.caption, "無題.vpx-ヴェスピン");
    doc.SetEmployee(S("1"), S("A"));
    EXPECT_EQ(ui.caption, "無題-ヴェスピン");
    const std::string path = f.dir.file("フォルダ 名/出勤簿 2026.vpx");
    std::filesystem::create_directory(f.dir.file("フォルダ 名"));
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(ui.caption, path + "-ヴェスピン");
    EXPECT_EQ(doc.DocPath(), path);
    doc.OnNewDocument();
    EXPECT_EQ(doc.DocPath(), "");
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(ui.caption, path + "-ヴェスピン");
    EXPECT_EQ(doc.GetTitle().Utf8(), "出勤簿 2026.vpx");

    // Names Shift-JIS cannot hold are shown as they are, in the caption and in every message.
    const std::string odd = f.dir.file("café😀 𠮷.vpx");
    ASSERT_TRUE(doc.OnSaveDocument(odd));
    EXPECT_EQ(ui.caption, odd + "-ヴェスピン");
    EXPECT_EQ(doc.GetTitle().Utf8(), "café😀 𠮷.vpx");
    ui.messages.clear();
    EXPECT_FALSE(doc.OnOpenDocument(odd + "%1"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], odd + "%1 が見つかりませんでした。");
}

TEST_F(Document, YearCommandsTellTheViewsAndMoveTheSelection) {
    TreeView tree;
    RecordingView list;
    doc.AddView(&tree);
    doc.AddView(&list);
    doc.OnNewDocument();
    EXPECT_EQ(doc.FindView(1), &tree);
    EXPECT_EQ(doc.FindView(2), &list);
    EXPECT_EQ(doc.GetSelection(), Selection::Top());

    ui.year = 2026;
    doc.OnYearAdd();
    ui.year = 2024;
    tree.hints.clear();
    doc.OnYearAdd();
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(doc.Years().GetSize(), 2);
    EXPECT_EQ(doc.Years()[0]->GetYear(), 2026);
    EXPECT_EQ(doc.Years()[1]->GetYear(), 2024);
    // The tree hears of the new year, then of the selection, which is the new year.
    ASSERT_EQ(tree.hints.size(), 2u);
    EXPECT_EQ(tree.hints[0].m_nKind, CUpdateHint::kYearAdded);
    EXPECT_EQ(tree.hints[0].m_nYear, 2024);
    EXPECT_EQ(tree.hints[1].m_nKind, CUpdateHint::kShowRange);
    EXPECT_EQ(tree.hints[1].m_nYear, 2024);
    EXPECT_EQ(doc.GetSelection(), Selection::Year(2024));

    // Cancelled confirmation: nothing happens.
    ui.answer = MsgAnswer::cancel;
    doc.SetModifiedFlag(false);
    doc.OnYearDelete();
    EXPECT_EQ(ui.messages.back(), "該当の年度を削除しますか？");
    EXPECT_EQ(ui.kinds.back(), MsgKind::okCancel);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Years().GetSize(), 2);

    // Confirmed on the 2026 year: the selection leaves it before the tree is told it goes.
    ui.answer = MsgAnswer::ok;
    doc.SetSelection(Selection::Year(2026));
    tree.hints.clear();
    doc.OnYearDelete();
    ASSERT_EQ(tree.hints.size(), 2u);
    EXPECT_EQ(tree.hints[0].m_nKind, CUpdateHint::kShowRange);
    EXPECT_EQ(tree.hints[1].m_nKind, CUpdateHint::kYearRemoved);
    EXPECT_EQ(tree.hints[1].m_nYear, 2026);
    EXPECT_EQ(doc.GetSelection(), Selection::Year(2024));
    EXPECT_EQ(doc.Years().GetSize(), 1);
    EXPECT_EQ(doc.Years()[0]->GetYear(), 2024);
    EXPECT_EQ(doc.Years()[0]->GetFirstIndex(), 0);
    EXPECT_TRUE(doc.IsModified());

    // Confirmed on a month: nothing deleted, but marked modified.
    doc.SetModifiedFlag(false);
    doc.SetSelection(Selection::Month(2024, 7));
    doc.OnYearDelete();
    EXPECT_EQ(doc.Years().GetSize(), 1);
    EXPECT_TRUE(doc.IsModified());

    // The day list hears of New and of edited days.
    list.hints.clear();
    doc.StoreDayEntry(2, {0, "08:30", "17:45", S("勤務地１")});
    ASSERT_EQ(list.hints.size(), 1u);
    EXPECT_EQ(list.hints[0].m_nKind, 2);
    EXPECT_EQ(list.hints[0].m_nFirst, 2);
    EXPECT_EQ(list.hints[0].m_nLast, 2);
    EXPECT_EQ(list.hints[0].m_nYear, 2024);
    EXPECT_EQ(list.hints[0].m_nMonth, 4);
    doc.OnNewDocument();
    EXPECT_EQ(list.hints.back().m_nKind, 88);
    doc.RemoveView(&tree);
    doc.RemoveView(&list);
}

TEST_F(Document, DeletingTheSelectedYearSelectsItsNeighbour) {
    // Registered 2026, 2024, 2025: the next year in that order, else the one before.
    const struct {
        Selection before;
        int removed;
        Selection after;
    } cases[] = {{Selection::Year(2024), 2024, Selection::Year(2025)},
                 {Selection::Month(2025, 5), 2025, Selection::Year(2024)},
                 {Selection::Year(2026), 2024, Selection::Year(2026)}};
    for (const auto& c : cases) {
        doc.OnNewDocument();
        for (int y : {2026, 2024, 2025}) doc.RegisterYear(y);
        doc.SetSelection(c.before);
        doc.DeleteYear(c.removed);
        EXPECT_EQ(doc.GetSelection(), c.after) << c.removed;
    }
    // The only year: the top. A month of a later year keeps its days on show.
    doc.OnNewDocument();
    doc.RegisterYear(2026);
    doc.DeleteYear(2026);
    EXPECT_EQ(doc.GetSelection(), Selection::Top());
    doc.RegisterYear(2024);
    doc.RegisterYear(2025);
    doc.SetSelection(Selection::Month(2025, 4));
    EXPECT_EQ(doc.ShownFirst(), 365);
    doc.DeleteYear(2024);
    EXPECT_EQ(doc.ShownFirst(), 0);
}

TEST_F(Document, EmployeeAndPasswordCommands) {
    doc.SetModifiedFlag(false);
    ui.employee.reset();
    doc.OnEmployeeInfo();
    EXPECT_FALSE(doc.IsModified());
    ui.employee = {{"A-012", "   "}};
    doc.OnEmployeeInfo();
    EXPECT_EQ(doc.EmployeeNo(), "A-012");
    EXPECT_EQ(doc.EmployeeName(), "   ");
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    doc.OnPasswordSet();
    EXPECT_FALSE(doc.IsModified());
    ui.newPassword = "";
    doc.OnPasswordSet();
    EXPECT_TRUE(doc.IsModified());  // also without change
    ui.newPassword = "abc";
    doc.OnPasswordSet();
    EXPECT_EQ(doc.Password(), "abc");
}

TEST_F(Document, FailedSaveKeepsThePreviousFileAndTheModifiedFlag) {
    const std::string path = f.dir.file("book.vpx");
    const std::string before = MakeBook("book.vpx");
    doc.StoreDayEntry(5, {0, "09:00", "", ""});
    ui.messages.clear();
    // The target has become a folder's name: nothing can be written there.
    const std::string folder = f.dir.file("dir.vpx");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(doc.OnSaveDocument(folder));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], folder + " へのｱｸｾｽは拒否されました。");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.DocPath(), folder);  // already names the new path
    EXPECT_EQ(ReadFile(path), before);
    // A folder that does not exist.
    ui.messages.clear();
    EXPECT_FALSE(doc.OnSaveDocument(f.dir.file("no/such.vpx")));
    EXPECT_EQ(ui.messages[0], f.dir.file("no/such.vpx") + " には無効なﾊﾟｽが含まれています。");
}

TEST_F(Document, SaveFailingAtEveryByteKeepsTheBookAndTheFile) {
    const std::string path = f.dir.file("book.vpx");
    const std::string before = MakeBook("book.vpx");
    doc.StoreDayEntry(40, {1, "09:30", "18:00", S("勤務地３")});
    std::string expected;
    ScopedValue<WriteFault> fault(CDocument::s_writeFault, nullptr);
    {
        std::string probe = f.dir.file("probe.vpx");
        ASSERT_TRUE(doc.OnSaveDocument(probe));
        expected = ReadFile(probe);
        std::filesystem::remove(probe);
        doc.SetModifiedFlag(true);
    }
    // The fault is injected above the disk anyway.
    ScopedValue<bool> noFlush(CDocument::s_flushToDisk, false);
    for (size_t limit = 0; limit < expected.size(); ++limit) {
        fault.Set([limit](size_t offset, size_t& length) {
            if (offset >= limit) return ENOSPC;
            if (offset + length > limit) length = limit - offset;
            return 0;
        });
        ui.messages.clear();
        ASSERT_FALSE(doc.OnSaveDocument(path)) << limit;
        ASSERT_EQ(ui.messages.size(), 1u) << limit;
        ASSERT_EQ(ui.messages[0], path + " へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。") << limit;
        ASSERT_TRUE(doc.IsModified()) << limit;
        ASSERT_EQ(ReadFile(path), before) << limit;
        ASSERT_EQ(f.dir.entries(), std::vector<std::string>{"book.vpx"}) << limit;
    }
    fault.Set(nullptr);
    noFlush.Set(true);
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadFile(path), expected);
}

TEST_F(Document, SaveAsksBeforeOverwritingChangesOrSplittingLinks) {
    const std::string bytes = MakeBook("book.vpx");
    const std::string path = f.dir.file("book.vpx");
    ASSERT_TRUE(doc.OnOpenDocument(path));
    // A sync client writes the file behind the open book's back.
    WriteFile(path, bytes + "x");
    doc.SetModifiedFlag(true);
    ui.answer = MsgAnswer::no;
    ui.messages.clear();
    EXPECT_FALSE(doc.OnSaveDocument(path));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], path +
                                  " は、開いた後に他のプログラムによって変更されています。\n"
                                  "上書き保存しますか?");
    EXPECT_EQ(ReadFile(path), bytes + "x");
    EXPECT_TRUE(doc.IsModified());
    ui.answer = MsgAnswer::yes;
    EXPECT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(ReadFile(path), bytes);

    // Another name of the same file would keep the old contents: asked first.
    ASSERT_EQ(::link(path.c_str(), f.dir.file("other.vpx").c_str()), 0);
    ui.answer = MsgAnswer::no;
    ui.messages.clear();
    EXPECT_FALSE(doc.OnSaveDocument(path));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("ハードリンク"), std::string::npos);
    ::unlink(f.dir.file("other.vpx").c_str());

    // Renamed (or deleted) while open: a new file under the old name is asked for first.
    ASSERT_EQ(::rename(path.c_str(), f.dir.file("renamed.vpx").c_str()), 0);
    ui.messages.clear();
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{path + " は、開いた後に名前が変えられたか削除されて"
                                              "います。\nこの名前で新しく保存しますか?"});
    EXPECT_NE(::access(path.c_str(), F_OK), 0) << "not re-created";
    ui.answer = MsgAnswer::yes;
    EXPECT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(ReadFile(path), bytes);
    // Save As to a new name asks nothing.
    ui.messages.clear();
    EXPECT_TRUE(doc.OnSaveDocument(f.dir.file("new.vpx")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Document, TheLockOfABookEndsWithItsProcess) {
    MakeBook("book.vpx");
    doc.OnNewDocument();  // lets go of the book it saved
    const std::string path = f.dir.file("book.vpx");
    const pid_t child = ::fork();
    if (child == 0) {
        DocFixture other;
        other.doc.OnOpenDocument(path);
        ::_exit(other.doc.IsInUseElsewhere() ? 1 : 0);  // dies holding the lock
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_FALSE(doc.IsInUseElsewhere());
    DocFixture second;
    ASSERT_TRUE(second.doc.OnOpenDocument(path));
    EXPECT_TRUE(second.doc.IsInUseElsewhere());
    // The window that holds the book may open it again and keeps it for writing.
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_FALSE(doc.IsInUseElsewhere());
    ASSERT_TRUE(second.doc.OnOpenDocument(path));
    EXPECT_TRUE(second.doc.IsInUseElsewhere());
}
