#include "model/companysettings.h"

#include "framework/fileerror.h"
#include "framework/readfile.h"
#include "model/leavepolicy.h"
#include "model/settingsline.h"
#include "model/settingsplaces.h"
#include "model/texts.h"

namespace {

const std::array<const char*, 10> kDefaultCategories = {"出勤", "遅刻", "早退", "欠勤", "半休",
                                                        "休出", "有休", "振休", "特休", "特欠"};
const std::array<const char*, 10> kDefaultCodes = {"10", "11", "12", "20", "13",
                                                   "14", "21", "22", "23", "24"};
const std::array<const char*, 10> kDefaultFlags = {"1", "1", "1", "0", "1",
                                                   "1", "0", "0", "0", "0"};
const std::array<const char*, 4> kDefaultPlaces = {"直行不帰", "勤務地１", "勤務地２", "勤務地３"};

// The first lines of the file at path into lines; false when it cannot be read.
bool ReadLines(const std::string& path, std::array<std::string, 10>& lines) {
    std::string bytes;
    // Only the first ten lines are ever used: nothing past them is read, and no settings file
    // needs more than a megabyte for them (300 places of a hundred bytes are 30 KB).
    if (ReadFileHead(path, bytes, lines.size(), size_t{1} << 20) != FileError::none) return false;
    size_t pos = 0;
    for (size_t i = 0; i < lines.size() && pos < bytes.size(); ++i) {
        size_t end = bytes.find('\n', pos);
        const size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos) end = bytes.size();
        // CR LF is the file's form, but a file saved with LF alone loses nothing.
        if (end > pos && bytes[end - 1] == '\r') --end;
        lines[i].assign(bytes, pos, end - pos);
        pos = next;
    }
    return true;
}

void SetDefaults(CompanySettings& s) {
    for (size_t i = 0; i < 10; ++i) {
        s.m_astrCategories[i] = texts::S(kDefaultCategories[i]);
        s.m_astrCategoryCodes[i] = kDefaultCodes[i];
        s.m_astrTimeFlags[i] = kDefaultFlags[i];
    }
    s.m_astrPlaces.clear();
    for (const char* p : kDefaultPlaces) s.m_astrPlaces.push_back(texts::S(p));
}

}  // namespace

CompanySettings ReadCompanySettings(const std::vector<std::string>& places) {
    CompanySettings s;
    s.m_astrSettingsPlaces = places;
    bool read = false;
    for (const auto& place : places) {
        s.m_strSettingsPath = place;
        s.m_astrSettingLines = {};
        if ((read = ReadLines(place, s.m_astrSettingLines))) break;
    }
    if (!read) {
        s.m_bSettingsMissing = true;
        if (!places.empty()) s.m_strSettingsPath = places.front();
        s.m_problems.push_back(SettingsMissingMessage(places));
    }
    ApplySettingLines(s);
    return s;
}

void ApplySettingLines(CompanySettings& s) {
    if (s.m_bSettingsMissing) {
        SetDefaults(s);
    } else {
        s.m_astrPlaces.clear();
        for (int i = 1; i <= 10; ++i) {
            const size_t k = static_cast<size_t>(i - 1);
            s.m_astrCategories[k] = SettingsField(s.m_astrSettingLines[0], i);
            s.m_astrCategoryCodes[k] = SettingsField(s.m_astrSettingLines[1], i);
            s.m_astrTimeFlags[k] = SettingsField(s.m_astrSettingLines[2], i);
        }
        for (int i = 1; i <= CompanySettings::kMaxPlaces; ++i) {
            std::string field = SettingsField(s.m_astrSettingLines[3], i);
            if (field.empty()) break;
            s.m_astrPlaces.push_back(std::move(field));
        }
    }
    std::string problem;
    s.m_calendar = ReadCalendarRules(s.m_astrSettingLines[4], s.m_astrSettingLines[5], problem);
    if (!problem.empty()) s.m_problems.push_back(UiText::FromSjis(problem));
    worktime::RulesReading r = worktime::ParseRules(s.m_astrSettingLines[6]);
    s.m_workRules = std::move(r.rules);
    if (!r.bad.empty()) s.m_problems.push_back(UiText::FromSjis(worktime::BadRulesMessage(r.bad)));
    std::vector<std::string> messages;
    s.m_lawSettings =
        lawsettings::ReadSettings(s.m_astrSettingLines[7], s.m_astrSettingLines[8],
                                  s.m_astrSettingLines[9], s.m_astrCategories, messages);
    for (const std::string& m : messages) s.m_problems.push_back(UiText::FromSjis(m));
    if (const auto policy = leave::ParsePolicy(s.m_astrSettingLines[9]); !policy.bad.empty())
        s.m_problems.push_back(UiText::FromSjis(leave::BadPolicyMessage(policy.bad)));
}

std::vector<std::string> CompanySettings::CategoryListEntries() const {
    std::vector<std::string> out;
    for (const auto& name : m_astrCategories)
        if (!name.empty()) out.push_back(name);
    return out;
}
