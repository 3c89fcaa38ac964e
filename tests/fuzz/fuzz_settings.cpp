// Any bytes as vespin.ini: the lists always come out within their bounds.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/savefile.h"
#include "model/vespindoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    SetFileReaderForTesting([input](const std::string&, std::string& out) {
        out.assign(input);
        return FileError::none;
    });
    static CVespinDoc doc(nullptr, "/nonexistent/vespin", "/fuzz/vespin.ini");
    doc.ReadSettings();
    SetFileReaderForTesting(nullptr);
    if (doc.Settings().m_bSettingsMissing) std::abort();
    if (doc.Settings().m_astrPlaces.size() > CVespinDoc::kMaxPlaces) std::abort();
    for (const auto& p : doc.Settings().m_astrPlaces)
        if (p.empty() || p.find(',') != std::string::npos) std::abort();
    for (const auto& line : doc.Settings().m_astrSettingLines)
        if (line.find('\n') != std::string::npos) std::abort();
    if (doc.Settings().CategoryListEntries().size() > 10) std::abort();
    return 0;
}
