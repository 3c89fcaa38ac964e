#pragma once

#include <cstdint>
#include <string>

#include "framework/object.h"

// Day types.
enum : int32_t { kWeekday = 1, kSaturday = 2, kHoliday = 3 };

// One calendar day of a registered fiscal year and what the employee recorded for it.
// One day's entry as the user gives it (Shift-JIS): what the entry dialog and the tool check
// and the book stores into the day.
struct DayEntry {
    int32_t category = -1;
    std::string start;
    std::string end;
    std::string place;
};

class CDayRecord : public CObject {
public:
    void Serialize(CArchive& ar) override;

    int32_t GetDayType() const { return m_nDayType; }
    void SetDayType(int32_t v) { m_nDayType = v; }
    int32_t GetYear() const { return m_nYear; }
    void SetYear(int32_t v) { m_nYear = v; }
    int32_t GetMonth() const { return m_nMonth; }
    void SetMonth(int32_t v) { m_nMonth = v; }
    std::string GetPlace() const { return m_strPlace; }
    void SetPlace(std::string v) { m_strPlace = std::move(v); }
    std::string GetStart() const { return m_strStart; }
    void SetStart(std::string v) { m_strStart = std::move(v); }
    std::string GetEnd() const { return m_strEnd; }
    void SetEnd(std::string v) { m_strEnd = std::move(v); }
    int32_t GetCategory() const { return m_nCategory; }
    void SetCategory(int32_t v) { m_nCategory = v; }
    std::string GetWeekday() const { return m_strWeekday; }
    void SetWeekday(std::string v) { m_strWeekday = std::move(v); }
    int32_t GetDay() const { return m_nDay; }
    void SetDay(int32_t v) { m_nDay = v; }

    // Read-only views of the texts for the hot paths (lists, CSV, sheet), without a copy.
    const std::string& Place() const { return m_strPlace; }
    const std::string& Start() const { return m_strStart; }
    const std::string& End() const { return m_strEnd; }
    const std::string& Weekday() const { return m_strWeekday; }

private:
    int32_t m_nDayType = 0;
    int32_t m_nYear = 0;
    int32_t m_nMonth = 0;
    std::string m_strPlace;
    std::string m_strStart;
    std::string m_strEnd;
    int32_t m_nCategory = -1;
    std::string m_strWeekday;
    int32_t m_nDay = 0;
};
