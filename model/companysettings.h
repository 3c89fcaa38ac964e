#pragma once

#include <array>
#include <string>
#include <vector>

#include "framework/uitext.h"
#include "model/calendarrules.h"
#include "model/lawsettings.h"
#include "model/worktime.h"

// The company's practice as vespin.ini gives it: one value, read once at start-up and then
// only looked at. Texts are Shift-JIS, paths UTF-8.
struct CompanySettings {
    static constexpr int kMaxPlaces = 300;

    // The first ten lines of the file as read (CR LF or LF taken off; empty when the file has
    // fewer or none was found). Lines 8 to 10 are kept for the readers that will use them.
    std::array<std::string, 10> m_astrSettingLines;
    // Lines 1 to 4: the ten categories, their codes, whether each takes times, the places.
    std::array<std::string, 10> m_astrCategories;
    std::array<std::string, 10> m_astrCategoryCodes;
    std::array<std::string, 10> m_astrTimeFlags;
    std::vector<std::string> m_astrPlaces;
    // Lines 5 and 6: how registered days are typed.
    CalendarRules m_calendar;
    // Line 7: scheduled time and breaks of a day, for the working-time summary.
    worktime::Rules m_workRules;
    // Lines 8 to 10: working time as the law counts it, and the paid-leave policy.
    lawsettings::Settings m_lawSettings;

    // Where the file was looked for, in order, and the one read (the first when none).
    std::vector<std::string> m_astrSettingsPlaces;
    std::string m_strSettingsPath;
    bool m_bSettingsMissing = false;
    // What the user is told about the file at start-up, in order: the missing file (the
    // defaults are then in force), bad company holidays, bad working-time fields, bad
    // fields of lines 8 to 10.
    std::vector<UiText> m_problems;

    // The non-empty category names in slot order: the entries of the attendance dialog's list.
    std::vector<std::string> CategoryListEntries() const;
};

// Reads the first of places that can be read; the defaults and a problem naming the places
// when none can.
CompanySettings ReadCompanySettings(const std::vector<std::string>& places);

// Fills s from its m_astrSettingLines (the defaults for lines 1 to 4 when the file was missing),
// adding what is wrong with them to its problems.
void ApplySettingLines(CompanySettings& s);
