#pragma once

#include <cstdint>

#include "framework/object.h"

// One registered fiscal year: where its days lie in the document's day list.
class CYearRecord : public CObject {
public:
    void Serialize(CArchive& ar) override;

    int32_t GetLeap() const { return m_nLeap; }
    void SetLeap(int32_t v) { m_nLeap = v; }
    int32_t GetLastIndex() const { return m_nLastIndex; }
    void SetLastIndex(int32_t v) { m_nLastIndex = v; }
    int32_t GetFirstIndex() const { return m_nFirstIndex; }
    void SetFirstIndex(int32_t v) { m_nFirstIndex = v; }
    int32_t GetYear() const { return m_nYear; }
    void SetYear(int32_t v) { m_nYear = v; }

    // Days in the block: 365 or 366.
    int32_t DayCount() const { return m_nLastIndex - m_nFirstIndex + 1; }

private:
    int32_t m_nLeap = 0;
    int32_t m_nLastIndex = 0;
    int32_t m_nFirstIndex = 0;
    int32_t m_nYear = 0;
};
