#include "tools/reportcommand.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "framework/sjis.h"
#include "model/monthreport.h"
#include "model/vespindoc.h"
#include "model/vespinui.h"
#include "tools/toolexit.h"

namespace reportcommand {
namespace {

using tool::kDone;
using tool::kSomeUnread;
using tool::kUsage;

using json = nlohmann::ordered_json;

// Shows the settings' problems once, as every command does; books are read quietly.
class SettingsUi : public IVespinUi {
public:
    MsgAnswer MessageBox(const UiText& text, MsgKind kind) override {
        std::fprintf(stderr, "%s\n", text.Utf8().c_str());
        return kind == MsgKind::yesNoCancel ? MsgAnswer::no : MsgAnswer::ok;
    }
    bool AskPassword(const CVespinDoc&, const std::string&) override { return false; }
    std::optional<int> AskYear(const CVespinDoc&) override { return std::nullopt; }
    bool AskEmployee(const CVespinDoc&, std::string&, std::string&) override { return false; }
    std::optional<std::string> AskNewPassword(const CVespinDoc&) override { return std::nullopt; }
};

const char* StatusName(leave::Status s) {
    return s == leave::Status::met ? "met" : s == leave::Status::pending ? "pending" : "unmet";
}

json RowJson(const monthreport::Row& r) {
    using worktime::FormatHours;
    const auto u = [](const std::string& s) { return sjis::ToUtf8(s); };
    json j = {{"path", r.path}};
    if (!r.read) {
        j.update({{"employeeNo", nullptr}, {"employeeName", nullptr}, {"error", r.error.Utf8()}});
        for (const char* k :
             {"days", "worked", "overtime", "legalHolidayWork", "night", "over60", "total",
              "maxAverage", "monthsOver45", "findings", "leaveLeft", "fiveDays"})
            j[k] = nullptr;
        return j;
    }
    j.update(
        {{"employeeNo", u(r.employeeNo)}, {"employeeName", u(r.employeeName)}, {"error", nullptr}});
    const labourlaw::Figures& f = r.figures;
    const auto hours = [&](int minutes) {
        return r.monthInBook ? json(FormatHours(minutes)) : json(nullptr);
    };
    j["days"] = r.monthInBook ? json(r.days) : json(nullptr);
    j["worked"] = hours(f.worked);
    j["overtime"] = hours(f.Overtime());
    j["legalHolidayWork"] = hours(f.legalHolidayWork);
    j["night"] = hours(f.night);
    j["over60"] = hours(f.over60);
    j["total"] = r.total >= 0 ? json(FormatHours(r.total)) : json(nullptr);
    j["maxAverage"] = r.maxAverage >= 0 ? json(r.maxAverage / 100.0) : json(nullptr);
    j["monthsOver45"] = r.monthsOver45;
    json findings = json::array();
    for (labourlaw::Rule rule : monthreport::FindingRules(r))
        findings.push_back(labourlaw::RuleName(rule));
    j["findings"] = std::move(findings);
    j["leaveLeft"] = r.leaveLeft
                         ? (*r.leaveLeft % 2 ? json(*r.leaveLeft / 2.0) : json(*r.leaveLeft / 2))
                         : json(nullptr);
    j["fiveDays"] = r.fiveDays ? json{{"status", StatusName(r.fiveDays->status)},
                                      {"deadline", labourlaw::FormatDate(r.fiveDays->deadline)}}
                               : json(nullptr);
    return j;
}

}  // namespace

int Run(const std::vector<std::string>& args, const std::optional<std::string>& password,
        const std::string& settingsPath) {
    std::optional<monthreport::Month> month;
    std::string monthText;
    bool asJson = false;
    std::vector<std::string> books;
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        if (options && args[i] == "--") {
            options = false;
        } else if (options && args[i] == "--month" && i + 1 < args.size() && !month) {
            monthText = args[++i];
            if (!(month = monthreport::ParseMonth(monthText))) return kUsage;
        } else if (options && args[i] == "--json") {
            asJson = true;
        } else if (options && args[i].rfind("--", 0) == 0) {
            return kUsage;
        } else {
            books.push_back(args[i]);
        }
    }
    if (!month || books.empty()) return kUsage;

    SettingsUi settingsUi;
    { CVespinDoc settings(&settingsUi, {}, settingsPath); }

    monthreport::Options o;
    o.settingsPath = settingsPath;
    o.password = password;
    const std::vector<monthreport::Row> rows =
        monthreport::ReadAll(monthreport::CollectBooks(books), *month, o);

    std::string out;
    if (asJson) {
        json list = json::array();
        for (const monthreport::Row& r : rows) list.push_back(RowJson(r));
        out = json{{"month", monthText}, {"rows", std::move(list)}}.dump(
                  -1, ' ', false, json::error_handler_t::replace) +
              "\n";
    } else {
        out = monthreport::Csv(rows);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    for (const monthreport::Row& r : rows)
        if (!r.read) return kSomeUnread;
    return kDone;
}

}  // namespace reportcommand
