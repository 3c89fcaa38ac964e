#pragma once

#include <cstdint>

#include "framework/object.h"

// What a broadcast to the views is about.
class CUpdateHint : public CObject {
public:
    enum Kind : int32_t {
        kShowRange = 1,    // the selection changed: show m_nFirst..m_nLast (-1: nothing)
        kDayChanged = 2,   // one day was edited
        kYearAdded = 3,    // fiscal year m_nYear was registered
        kYearRemoved = 4,  // fiscal year m_nYear is about to go
        kBuildTree = 10,   // the tree's top item exists; build years and months
        kNewBook = 88,
        kOpenedBook = 99,
    };

    int32_t m_nKind = 0;
    int32_t m_nLast = -1;
    int32_t m_nFirst = -1;
    int32_t m_nMonth = -1;
    int32_t m_nYear = -1;
};
