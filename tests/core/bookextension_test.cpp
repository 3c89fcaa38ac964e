#include "model/bookextension.h"

#include <gtest/gtest.h>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include "testutil.h"

using namespace bookext;

namespace {

std::string Le(uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
    return s;
}

// A framed, correctly summed extension around any payload.
std::string Framed(const std::string& payload, uint16_t version = 1) {
    return "VPXE" + Le(version, 2) + Le(static_cast<uint32_t>(payload.size()), 4) + payload +
           Le(XXH32(payload.data(), payload.size(), 0), 4);
}

std::string Sec(uint16_t tag, const std::string& bytes) {
    return Le(tag, 2) + Le(static_cast<uint32_t>(bytes.size()), 4) + bytes;
}

std::string Mark6(int y, int m, int d, int h, int w) {
    return Le(static_cast<uint32_t>(y), 2) + Le(static_cast<uint32_t>(m), 1) +
           Le(static_cast<uint32_t>(d), 1) + Le(static_cast<uint32_t>(h), 1) +
           Le(static_cast<uint32_t>(w), 1);
}

}  // namespace

TEST(BookExtension, SectionsAndMarksRoundTrip) {
    Extension ext;
    EXPECT_EQ(Encode(ext), "");
    ext.Set(7, std::string("\0future", 7));  // a later program's section
    SetDayMark(ext, {2026, 5, 3, Mark::no, Mark::yes});
    SetDayMark(ext, {2026, 4, 29, Mark::yes, Mark::automatic});
    SetDayMark(ext, {2027, 3, 31, Mark::automatic, Mark::no});
    const std::string bytes = Encode(ext);
    EXPECT_EQ(bytes, Framed(Sec(7, std::string("\0future", 7)) +
                            Sec(1, Mark6(2026, 4, 29, 1, 0) + Mark6(2026, 5, 3, 2, 1) +
                                       Mark6(2027, 3, 31, 0, 2))));
    const std::optional<Extension> back = Decode(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, ext);
    EXPECT_EQ(DayMarks(*back)[1], (DayMark{2026, 5, 3, Mark::no, Mark::yes}));
    // Both marks back to auto forget the day; dropping fiscal 2026 the rest.
    SetDayMark(ext, {2026, 5, 3, Mark::automatic, Mark::automatic});
    EXPECT_EQ(DayMarks(ext).size(), 2u);
    DropFiscalYearMarks(ext, 2026);
    EXPECT_EQ(ext.Find(kDayMarksTag), nullptr);
    ext.Set(7, "");
    EXPECT_TRUE(ext.Empty());
    EXPECT_TRUE(Decode("") && Decode("")->Empty());
}

TEST(BookExtension, MalformedBytesAreRefused) {
    const std::string marks = Sec(1, Mark6(2026, 5, 3, 2, 0));
    const std::string good = Framed(marks);
    ASSERT_TRUE(Decode(good));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"junk", "junk"},
        {"magic", "VPXF" + good.substr(4)},
        {"version 2", Framed(marks, 2)},
        {"checksum", good.substr(0, good.size() - 1) + char(good.back() ^ 1)},
        {"length", good.substr(0, 6) + Le(static_cast<uint32_t>(good.size()), 4) + good.substr(10)},
        {"truncated", good.substr(0, good.size() - 1)},
        {"trailing byte", good + "x"},
        {"two extensions", good + good},
        {"no sections", Framed("")},
        {"section past the payload", Framed(marks.substr(0, marks.size() - 1))},
        {"empty section", Framed(Sec(5, ""))},
        {"a tag twice", Framed(Sec(5, "a") + Sec(5, "b"))},
        {"marks not whole", Framed(Sec(1, Mark6(2026, 5, 3, 2, 0) + "x"))},
        {"no such date", Framed(Sec(1, Mark6(2026, 2, 29, 2, 0)))},
        {"mark 3", Framed(Sec(1, Mark6(2026, 5, 3, 3, 0)))},
        {"both auto", Framed(Sec(1, Mark6(2026, 5, 3, 0, 0)))},
        {"dates out of order", Framed(Sec(1, Mark6(2026, 5, 3, 1, 0) + Mark6(2026, 5, 3, 2, 0)))},
    };
    for (const auto& [what, bytes] : cases) EXPECT_FALSE(Decode(bytes)) << what;
}

TEST(BookExtension, TheBookCarriesItAndStaysAsBeforeWithout) {
    DocFixture f;
    CVespinDoc& doc = f.doc;
    doc.AppendFiscalYear(2026);
    const std::string plain = f.dir.file("plain.vpx"), marked = f.dir.file("marked.vpx");
    ASSERT_TRUE(doc.OnSaveDocument(plain));
    const std::string before = ReadFile(plain);

    Extension ext = doc.Extension();
    SetDayMark(ext, {2026, 5, 3, Mark::no, Mark::yes});
    ext.Set(9, "kept");
    doc.SetExtension(ext);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.OnSaveDocument(marked));
    const std::string withExt = ReadFile(marked);
    // The old reader stops at the last day: the book's bytes come first, unchanged.
    EXPECT_EQ(withExt, before + Encode(ext));

    doc.OnNewDocument();
    EXPECT_TRUE(doc.Extension().Empty());
    ASSERT_TRUE(doc.OnOpenDocument(marked));
    EXPECT_EQ(doc.Extension(), ext);
    ASSERT_TRUE(doc.OnSaveDocument(marked));
    EXPECT_EQ(ReadFile(marked), withExt);
    ASSERT_TRUE(doc.OnOpenDocument(plain));
    EXPECT_TRUE(doc.Extension().Empty());

    // A damaged extension is no book.
    WriteFile(marked, withExt.substr(0, withExt.size() - 1));
    f.ui.messages.clear();
    EXPECT_FALSE(doc.OnOpenDocument(marked));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0], "予期しないﾌｧｲﾙ形式です。");
}
