#pragma once

#include "model/vespindoc.h"

// Tests and benchmarks only: they build, damage and inspect books record by record, past the
// operations the program uses. No program code includes this.
struct VespinDocAccess {
    static CRecordArray<CYearRecord>& Years(CVespinDoc& d) { return d.m_aYears; }
    static CRecordArray<CDayRecord>& Days(CVespinDoc& d) { return d.m_aDays; }
    static std::string& EmployeeNo(CVespinDoc& d) { return d.m_strEmployeeNo; }
    static std::string& EmployeeName(CVespinDoc& d) { return d.m_strEmployeeName; }
    static std::string& Password(CVespinDoc& d) { return d.m_strPassword; }
    static CompanySettings& Settings(CVespinDoc& d) { return d.m_settings; }
    static std::string& DocPath(CVespinDoc& d) { return d.m_strDocPath; }
    static std::string& ExeDir(CVespinDoc& d) { return d.m_strExeDir; }
    static std::string& ExeName(CVespinDoc& d) { return d.m_strExeName; }
    // Line i (from 0) of the settings, and what follows from it.
    static void SetSettingLine(CVespinDoc& d, size_t i, const std::string& line) {
        d.m_settings.m_astrSettingLines[i] = line;
        d.m_settings.m_problems.clear();
        ApplySettingLines(d.m_settings);
    }
    static int LoadCancelled(const CVespinDoc& d) { return d.m_bLoadCancelled; }
};
