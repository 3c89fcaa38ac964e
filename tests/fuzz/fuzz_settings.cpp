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
    // Lines 8-10 always come out as values the computation can take.
    const lawsettings::Settings& law = doc.LawSettings();
    if (law.week.wageMonthStart < 1 || law.week.wageMonthStart > 28 || law.week.weekStart < 0 ||
        law.week.weekStart > 6 || (law.week.weeklyLimit != 2400 && law.week.weeklyLimit != 2640) ||
        law.agreement.startDay < 1 || law.agreement.startDay > 28)
        std::abort();
    for (const lawsettings::CategoryMeaning& m : law.categories)
        if (m.leaveHundredths < 0 || m.leaveHundredths > 100) std::abort();
    return 0;
}
