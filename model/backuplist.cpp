#include "model/backuplist.h"

#include <cstdio>

#include "framework/fileerror.h"
#include "model/quietui.h"
#include "model/texts.h"
#include "model/vespindoc.h"

namespace {

bool HasEntry(const CDayRecord& d) {
    return d.GetCategory() != -1 || !d.Start().empty() || !d.End().empty() || !d.Place().empty();
}

}  // namespace

std::vector<GenerationInfo> DescribeGenerations(const std::string& root, const std::string& book) {
    std::vector<GenerationInfo> out;
    // A protected generation is listed without its password (see the header).
    CQuietVespinUi ui;
    CVespinDoc doc(&ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    for (Generation& g : backups::List(root, book)) {
        GenerationInfo info;
        info.generation = std::move(g);
        doc.OnNewDocument();
        info.readable = doc.OnOpenDocument(info.generation.path);
        if (info.readable) {
            info.hasPassword = !doc.Password().empty();
            for (const auto& y : doc.Years()) info.years.push_back(y->GetYear());
            // Years may be registered in any order: the latest date, not the last record.
            int latest = 0;
            for (const auto& d : doc.Days()) {
                const int key = d->GetYear() * 10000 + d->GetMonth() * 100 + d->GetDay();
                if (key <= latest || !HasEntry(*d)) continue;
                latest = key;
                info.lastYear = d->GetYear();
                info.lastMonth = d->GetMonth();
                info.lastDay = d->GetDay();
            }
        }
        out.push_back(std::move(info));
    }
    return out;
}

std::string GenerationTime(const LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}
