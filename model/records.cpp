#include "framework/archive.h"
#include "model/dayrecord.h"
#include "model/yearrecord.h"

void CYearRecord::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << m_nYear << m_nFirstIndex << m_nLastIndex << m_nLeap;
    else
        ar >> m_nYear >> m_nFirstIndex >> m_nLastIndex >> m_nLeap;
}

void CDayRecord::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nYear << m_nMonth << m_nDay << m_strWeekday << m_strStart << m_strEnd << m_nCategory
           << m_strPlace << m_nDayType;
    } else {
        ar >> m_nYear >> m_nMonth >> m_nDay >> m_strWeekday >> m_strStart >> m_strEnd >>
            m_nCategory >> m_strPlace >> m_nDayType;
    }
}
