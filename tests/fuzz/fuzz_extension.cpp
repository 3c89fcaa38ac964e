// Any bytes as what follows a book's last day: an extension that decodes must encode back to
// exactly those bytes, and its marks and the employee's details must read.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/bookextension.h"
#include "model/employment.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::optional<bookext::Extension> ext = bookext::Decode(input);
    if (!ext) return 0;
    if (bookext::Encode(*ext) != input) std::abort();
    for (const bookext::DayMark& m : bookext::DayMarks(*ext))
        if (m.month < 1 || m.month > 12 || m.day < 1 || m.day > 31) std::abort();
    // The employee's details decode (they were checked on load) and encode back the same.
    if (const std::string* e = ext->Find(bookext::kEmploymentTag)) {
        const std::optional<leave::Employment> details = leave::DecodeEmployment(*e);
        if (!details || leave::EncodeEmployment(*details) != *e) std::abort();
    }
    return 0;
}
