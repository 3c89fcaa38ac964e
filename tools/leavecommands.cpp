#include "tools/leavecommands.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "framework/clock.h"
#include "framework/sjis.h"
#include "model/civildate.h"
#include "model/leavebook.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "tools/toolexit.h"

#ifdef VPXTOOL_SHEET
#include "output/qt/ledgerpaint.h"
#include "tools/pdfpage.h"
#endif

namespace leavetool {
namespace {

using tool::kDone;
using tool::kRefused;
using tool::kUsage;

using json = nlohmann::ordered_json;

int Refuse(const std::string& sjisText) {
    const std::string text = sjis::ToUtf8(sjisText);
    std::fprintf(stderr, "%s\n", text.c_str());
    return kRefused;
}

// Days as numbers in half-day steps: 10, 2.5.
json Days(int halfDays) {
    if (halfDays % 2 == 0) return halfDays / 2;
    return halfDays / 2.0;
}

json Date(int day) { return civil::Iso(day); }

// The attendance rate to two decimals, cut rather than rounded, so that 0.80 always passes.
json Rate(const leave::Grant& g) {
    if (g.workdays == 0) return nullptr;
    const long hundredths = 100L * g.attended / g.workdays;
    return static_cast<double>(hundredths) / 100.0;
}

const char* StatusName(leave::Status s) {
    switch (s) {
        case leave::Status::met:
            return "met";
        case leave::Status::pending:
            return "pending";
        case leave::Status::unmet:
            return "unmet";
    }
    return "";
}

}  // namespace

int SetHired(CVespinDoc& doc, const std::vector<std::string>& a) {
    if (a.size() != 1) return kUsage;
    const std::optional<int> day = civil::ParseIso(a[0]);
    if (!day) return Refuse(texts::kHireDateWrong);
    leave::Employment e = leave::BookEmployment(doc);
    if (std::string no = leave::SetHire(e, *day); !no.empty()) return Refuse(no);
    leave::SetBookEmployment(doc, e);
    return kDone;
}

int SetContract(CVespinDoc& doc, const std::vector<std::string>& a) {
    if (a.size() != 3) return kUsage;
    leave::Contract c;
    const std::optional<int> from = civil::ParseIso(a[0]);
    if (!from) return Refuse(texts::kContractDateWrong);
    c.from = *from;
    if (!leave::ParseContractDays(a[1], c)) return Refuse(texts::kContractDaysWrong);
    c.centiHours = leave::ParseCentiHours(a[2]);
    leave::Employment e = leave::BookEmployment(doc);
    if (std::string no = leave::SetContract(e, c); !no.empty()) return Refuse(no);
    leave::SetBookEmployment(doc, e);
    return kDone;
}

int SetLeaveUsed(CVespinDoc& doc, const std::vector<std::string>& a) {
    if (a.size() != 2) return kUsage;
    const std::optional<int> grant = civil::ParseIso(a[0]);
    if (!grant) return Refuse(texts::kLeaveUsedDateWrong);
    const int halfDays = leave::ParseHalfDays(a[1]);
    if (halfDays < 0) return Refuse(texts::kLeaveUsedDaysWrong);
    leave::Employment e = leave::BookEmployment(doc);
    if (std::string no = leave::SetOpeningUse(e, {*grant, halfDays}); !no.empty())
        return Refuse(no);
    leave::SetBookEmployment(doc, e);
    return kDone;
}

int WriteLedger(const CVespinDoc& doc, const std::vector<std::string>& a) {
    if (a.size() != 2) return kUsage;
    const std::optional<int> date = civil::ParseIso(a[0]);
    if (!date) return kUsage;
    if (!leave::BookEmployment(doc).hire) return Refuse(texts::kHireDateMissing);
#ifdef VPXTOOL_SHEET
    if (!HasLedgerYear(doc, *date)) return Refuse(texts::kLedgerNoGrant);
    return WritePdfPage(a[1], [&] { return LedgerPdf(doc, *date); });
#else
    std::fprintf(stderr, "vpxtool: this vpxtool was built without Qt and cannot draw the ledger\n");
    return kRefused;
#endif
}

int PrintLeave(const CVespinDoc& doc, const std::vector<std::string>& a) {
    if (a.size() > 1) return kUsage;
    int asOf = 0;
    if (a.empty()) {
        const LocalTime now = clock_::Now();
        asOf = civil::Serial(now.year, now.month, now.day);
    } else if (const std::optional<int> day = civil::ParseIso(a[0])) {
        asOf = *day;
    } else {
        return kUsage;
    }
    if (!leave::BookEmployment(doc).hire) return Refuse(texts::kHireDateMissing);
    const leave::Ledger l = leave::BookLedger(doc, asOf);

    json grants = json::array();
    for (const leave::Grant& g : l.grants)
        grants.push_back({{"date", Date(g.date)},
                          {"days", Days(g.halfDays)},
                          {"expires", Date(g.expires)},
                          {"eligible", g.eligible},
                          {"rate", Rate(g)},
                          {"usedDays", Days(g.used)},
                          {"expiredDays", Days(g.expired)},
                          {"leftDays", Days(g.left)}});
    json takes = json::array();
    for (const leave::Take& t : l.takes) {
        json from = json::array();
        for (const leave::Portion& p : t.from)
            from.push_back({{"grant", Date(p.grant)}, {"days", Days(p.halfDays)}});
        takes.push_back({{"date", Date(t.date)},
                         {"category", sjis::ToUtf8(t.category)},
                         {"days", Days(t.halfDays)},
                         {"from", std::move(from)}});
    }
    json expiries = json::array();
    for (const leave::Expiry& e : l.expiries)
        expiries.push_back(
            {{"grant", Date(e.grant)}, {"date", Date(e.date)}, {"days", Days(e.halfDays)}});
    json obligations = json::array();
    for (const leave::Obligation& o : l.obligations)
        obligations.push_back({{"baseDate", Date(o.baseDate)},
                               {"deadline", Date(o.deadline)},
                               {"required", Days(o.required)},
                               {"taken", Days(o.taken)},
                               {"status", StatusName(o.status)}});
    json problems = json::array();
    for (const leave::Problem& p : l.problems)
        problems.push_back({{"rule", p.rule == leave::Rule::noBalance ? "no_balance" : "five_days"},
                            {"date", Date(p.date)},
                            {"text", sjis::ToUtf8(p.text)}});
    const json out = {
        {"grants", std::move(grants)},           {"takes", std::move(takes)},
        {"expiries", std::move(expiries)},       {"balance", {{"days", Days(l.balance)}}},
        {"obligations", std::move(obligations)}, {"problems", std::move(problems)}};
    const std::string text = out.dump(-1, ' ', false, json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    return kDone;
}

}  // namespace leavetool
