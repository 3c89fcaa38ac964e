// Writes the seed books of the load fuzzer: real books of several shapes.
//   make_corpus OUTDIR
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bigbook.h"
#include "framework/archive.h"
#include "framework/savefile.h"
#include "model/bookextension.h"
#include "model/texts.h"

namespace {

std::string Store(CVespinDoc& doc) {
    std::string out;
    CArchive ar(out);
    doc.Serialize(ar);
    return out;
}

// The same book with its three leading strings in the wide (UTF-16LE) form.
std::string WideHead(const std::string& rest) {
    auto wide = [](const std::u16string& s) {
        std::string out("\xFF\xFE\xFF", 3);
        out += static_cast<char>(s.size());
        for (char16_t c : s) {
            out += static_cast<char>(c & 0xFF);
            out += static_cast<char>(c >> 8);
        }
        return out;
    };
    return wide(u"") + wide(u"1234") + wide(u"山田 太郎") + rest;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string dir = argv[1];
    auto write = [&](const std::string& name, const std::string& bytes) {
        if (!SaveFileAtomic(dir + "/" + name, bytes, {.flushToDisk = false})) std::exit(1);
    };
    CVespinDoc doc(nullptr, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    write("empty.vpx", Store(doc));

    doc.AppendFiscalYear(2000);
    write("one-blank-year.vpx", Store(doc));
    const std::string afterHead = Store(doc).substr(3);
    write("wide-strings.vpx", WideHead(afterHead));

    doc.SetEmployee("1234", texts::S("山田 太郎"));
    doc.StoreDayEntry(3, {0, "08:30", "17:45", texts::S("勤務地１・勤務地２")});
    doc.StoreDayEntry(10, {6, "", "", ""});
    write("one-filled-year.vpx", Store(doc));

    // The extension after the last day: marks, and a section of a later program.
    bookext::Extension ext;
    bookext::SetDayMark(ext, {2000, 5, 3, bookext::Mark::no, bookext::Mark::yes});
    bookext::SetDayMark(ext, {2001, 1, 7, bookext::Mark::yes, bookext::Mark::automatic});
    ext.Set(40, "later");
    doc.SetExtension(ext);
    write("extension.vpx", Store(doc));
    doc.SetExtension({});

    VespinDocAccess::Password(doc) = "secret";
    write("password.vpx", Store(doc));
    VespinDocAccess::Password(doc) = std::string(300, 'p');  // 16-bit length prefix
    write("long-password.vpx", Store(doc));
    VespinDocAccess::Password(doc).clear();
    doc.StoreDayEntry(20, {1, "09:10", "18:00", std::string(70000, 'x')});  // 32-bit prefix
    write("long-place.vpx", Store(doc));

    CVespinDoc two(nullptr, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    two.AppendFiscalYear(2003);  // leap
    two.AppendFiscalYear(1999);
    write("two-years-out-of-order.vpx", Store(two));
    two.AppendFiscalYear(2030);
    two.RemoveFiscalYear(2003);
    write("first-year-deleted.vpx", Store(two));

    CVespinDoc big(nullptr, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    for (int y = 2020; y <= 2024; ++y) big.AppendFiscalYear(y);
    for (int i = 0; i < big.Days().GetSize(); i += 3)
        big.StoreDayEntry(i, {i % 10, "07:05", "", ""});
    write("five-years.vpx", Store(big));
    return 0;
}
