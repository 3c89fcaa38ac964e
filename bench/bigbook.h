#pragma once

#include "model/texts.h"
#include "model/vespindoc.h"
#include "model/vespindocaccess.h"

// The largest book there can be: every registrable fiscal year, every day filled.
inline void FillLargestBook(CVespinDoc& doc) {
    for (int y = CVespinDoc::kFirstYear; y <= CVespinDoc::kLastYear; ++y) doc.AppendFiscalYear(y);
    const std::string place = texts::S("勤務地１・勤務地２");
    for (int i = 0; i < doc.Days().GetSize(); ++i) {
        CDayRecord* d = VespinDocAccess::Days(doc)[i];
        d->SetCategory(i % 10);
        d->SetStart("08:30");
        d->SetEnd("17:45");
        d->SetPlace(place);
    }
    VespinDocAccess::EmployeeNo(doc) = "1234";
    VespinDocAccess::EmployeeName(doc) = texts::S("山田 太郎");
}
