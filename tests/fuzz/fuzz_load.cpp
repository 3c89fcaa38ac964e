// Any bytes as a .vpx file: the whole open path of the document, with the password prompt
// answered both ways; whatever loads must save and load back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/archive.h"
#include "framework/savefile.h"
#include "model/vespindoc.h"
#include "model/vespinui.h"

namespace {

class Ui : public IVespinUi {
public:
    bool acceptPassword = true;
    MsgAnswer MessageBox(const UiText&, MsgKind) override { return MsgAnswer::ok; }
    bool AskPassword(CVespinDoc&, const std::string&) override { return acceptPassword; }
    std::optional<int> AskYear(CVespinDoc&) override { return std::nullopt; }
    bool AskEmployee(CVespinDoc&, std::string&, std::string&) override { return false; }
    std::optional<std::string> AskNewPassword(CVespinDoc&) override { return std::nullopt; }
};

// Touches every day the views could show, as they compute the ranges.
void WalkMonths(const CVespinDoc& doc) {
    for (const auto& yr : doc.Years()) {
        for (int m : doc.MonthOrder()) {
            const auto [first, last] = doc.MonthRange(yr->GetYear(), m);
            if (first < 0 || last >= doc.Days().GetSize() || first > last) std::abort();
            for (int i = first; i <= last; ++i)
                if (doc.Days()[i]->GetCategory() < -1 || doc.Days()[i]->GetCategory() > 9)
                    std::abort();
        }
    }
}

std::string Store(CVespinDoc& doc) {
    std::string out;
    CArchive ar(out);
    doc.Serialize(ar);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Ui ui;
    static CVespinDoc doc(&ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    // The file layer answers with the input, so every execution runs the real open path
    // without touching the disk.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    SetFileReaderForTesting([input](const std::string&, std::string& out) {
        out.assign(input);
        return FileError::none;
    });

    for (bool accept : {false, true}) {
        ui.acceptPassword = accept;
        doc.OnNewDocument();
        if (!doc.OnOpenDocument("/fuzz/book.vpx")) continue;
        WalkMonths(doc);
        // What loaded must survive a save and a load unchanged.
        const std::string saved = Store(doc);
        CVespinDoc again(&ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
        CArchive in{std::string_view(saved)};
        again.Serialize(in);
        if (Store(again) != saved) std::abort();
    }
    SetFileReaderForTesting(nullptr);
    return 0;
}
