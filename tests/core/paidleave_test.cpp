#include "model/paidleave.h"

#include <gtest/gtest.h>

#include "model/civildate.h"
#include "model/holidays.h"
#include "testutil.h"

using namespace leave;

namespace {

int D(const char* iso) { return *civil::ParseIso(iso); }

// Monday to Friday are working days, every one worked, from `from` to `to` inclusive.
std::vector<Day> Weekdays(const char* from, const char* to) {
    std::vector<Day> days;
    for (int s = D(from); s <= D(to); ++s) {
        const civil::Ymd d = civil::FromSerial(s);
        const int w = holidays::DayOfWeek(d.y, d.m, d.d);
        days.push_back({s, w != 0 && w != 6, Attendance::worked, 0, {}});
    }
    return days;
}

// Marks a day as taken leave (2 half days a whole day).
void Leave(std::vector<Day>& days, const char* date, int halfDays = 2) {
    for (Day& d : days)
        if (d.date == D(date)) {
            d.attendance = Attendance::deemed;
            d.leaveHalfDays = halfDays;
            d.category = S(halfDays == 1 ? "半休" : "有休");
        }
}

Employment Hired(const char* date) {
    Employment e;
    e.hire = D(date);
    return e;
}

Policy Uniform(std::vector<MonthDay> first, std::optional<MonthDay> then = std::nullopt) {
    Policy p;
    p.first = std::move(first);
    p.then = then;
    return p;
}

// "date:days" per grant, days in whole or half days.
std::vector<std::string> Grants(const Ledger& l) {
    std::vector<std::string> out;
    for (const Grant& g : l.grants)
        out.push_back(civil::Iso(g.date) + ":" + std::to_string(g.halfDays / 2) +
                      (g.halfDays % 2 ? ".5" : ""));
    return out;
}

using V = std::vector<std::string>;

}  // namespace

TEST(LeaveDates, MonthsCountTheFirstDayAndEndOnTheMonthsLastDay) {
    const std::pair<const char*, const char*> cases[] = {
        {"2025-04-01", "2025-10-01"}, {"2025-08-31", "2026-03-01"}, {"2023-08-29", "2024-02-29"},
        {"2025-08-29", "2026-03-01"}, {"2025-10-01", "2026-04-01"}, {"2025-12-31", "2026-07-01"}};
    for (const auto& [hire, grant] : cases)
        EXPECT_EQ(civil::Iso(civil::AfterMonths(D(hire), 6)), grant) << hire;
    EXPECT_EQ(civil::Iso(civil::AfterMonths(D("2024-02-29"), 12)), "2025-03-01");
    EXPECT_EQ(civil::Iso(civil::AfterMonths(D("2026-03-31"), -1)), "2026-03-01");
    EXPECT_FALSE(civil::ParseIso("2025-02-29"));
    EXPECT_FALSE(civil::ParseIso("2025-2-01"));
    EXPECT_EQ(civil::ParseTyped("2025/4/1"), civil::ParseIso("2025-04-01"));
    EXPECT_EQ(civil::ParseTyped("2025-04-01"), civil::ParseIso("2025-04-01"));
    for (const char* bad : {"2025/4", "2025/4/31", "2025/4-1", "25/4/1", "2025//1", "2025/4/1/"})
        EXPECT_FALSE(civil::ParseTyped(bad)) << bad;
}

TEST(LeavePolicy, ReadsItsOwnFieldsAndLeavesTheOthers) {
    const PolicyReading none = ParsePolicy(S("有休=1,半休=0.5,特欠=除外"));
    EXPECT_TRUE(none.policy.first.empty());
    EXPECT_FALSE(none.policy.then);
    EXPECT_EQ(none.policy.order, Order::oldestFirst);
    EXPECT_TRUE(none.bad.empty());

    const PolicyReading set = ParsePolicy(S("有休=1, 初回=4/1/10/1 ,以降=4/1,順=新しい順"));
    ASSERT_EQ(set.policy.first.size(), 2u);
    EXPECT_EQ(set.policy.first[1].month, 10);
    EXPECT_EQ(set.policy.then->day, 1);
    EXPECT_EQ(set.policy.order, Order::newestFirst);

    const PolicyReading bad =
        ParsePolicy(S("初回=4/31,以降=4/1/10/1,順=早い順,以降=2/29,初回=入社日"));
    EXPECT_TRUE(bad.policy.first.empty());
    EXPECT_FALSE(bad.policy.then);
    ASSERT_EQ(bad.bad.size(), 4u);
    EXPECT_EQ(bad.bad[2].field, 3);
    const std::string msg = U(BadPolicyMessage(bad.bad));
    EXPECT_NE(msg.find("１０行目"), std::string::npos);
    EXPECT_NE(msg.find("3番目の項目「順=早い順」"), std::string::npos);

    std::string many;
    for (int i = 0; i < 12; ++i) many += "順=x,";
    EXPECT_NE(U(BadPolicyMessage(ParsePolicy(S(many)).bad)).find("ほか 2 項目"), std::string::npos);
}

TEST(Employment, ChecksTheDetailsAndKeepsThemInDateOrder) {
    Employment e;
    EXPECT_EQ(SetHire(e, D("2020-04-01")), "");
    Contract c;
    ASSERT_TRUE(ParseContractDays("y216", c));
    c.centiHours = ParseCentiHours("29.5");
    EXPECT_EQ(c.centiHours, 2950);
    c.from = D("2022-04-01");
    EXPECT_EQ(SetContract(e, c), "");
    c.from = D("2020-04-01");
    ASSERT_TRUE(ParseContractDays("5", c));
    c.centiHours = 4000;
    EXPECT_EQ(SetContract(e, c), "");
    c.daysPerWeek = 4;  // replaces the row of the same date
    EXPECT_EQ(SetContract(e, c), "");
    ASSERT_EQ(e.contracts.size(), 2u);
    EXPECT_EQ(e.contracts[0].daysPerWeek, 4);
    EXPECT_EQ(e.ContractOn(D("2022-03-31"))->daysPerWeek, 4);
    EXPECT_EQ(e.ContractOn(D("2022-04-01"))->daysPerYear, 216);

    c.from = D("2019-04-01");
    EXPECT_EQ(U(SetContract(e, c)), "契約の開始日は、入社日以降として下さい。");
    EXPECT_FALSE(ParseContractDays("8", c));
    EXPECT_FALSE(ParseContractDays("y0", c));
    for (const char* bad : {"", "29.", ".5", "29.125", "168.01", "-1", "4O"})
        EXPECT_EQ(ParseCentiHours(bad), -1) << bad;
    EXPECT_EQ(ParseHalfDays("2.5"), 5);
    EXPECT_EQ(ParseHalfDays("2.3"), -1);
    EXPECT_NE(SetOpeningUse(e, {D("2020-10-01"), 41}), "");
    EXPECT_EQ(SetOpeningUse(e, {D("2020-10-01"), 5}), "");
}

TEST(Employment, TheExtensionRoundTripsAndRefusesAnythingElse) {
    Employment e = Hired("2020-04-01");
    e.contracts.push_back({D("2020-04-01"), 3, 0, 2950});
    e.contracts.push_back({D("2023-04-01"), 0, 216, 2000});
    e.opening.push_back({D("2020-10-01"), 7});
    const std::string bytes = EncodeEmployment(e);
    const std::optional<Employment> back = DecodeEmployment(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(EncodeEmployment(*back), bytes);
    EXPECT_EQ(*back->hire, *e.hire);
    EXPECT_EQ(Hex(EncodeEmployment({})), "00 00 00 00 00 00 00 00");

    EXPECT_FALSE(DecodeEmployment(bytes.substr(0, bytes.size() - 1)));
    EXPECT_FALSE(DecodeEmployment(bytes + '\0'));
    std::string badDate = bytes;
    const unsigned long feb29 = 20250229;  // a day that does not exist
    for (int i = 0; i < 4; ++i) badDate[i] = static_cast<char>(feb29 >> (8 * i) & 0xff);
    EXPECT_FALSE(DecodeEmployment(badDate));
    Employment unordered = e;
    std::swap(unordered.contracts[0], unordered.contracts[1]);
    EXPECT_FALSE(DecodeEmployment(EncodeEmployment(unordered)));
    Employment tooMany = e;
    tooMany.contracts[0].daysPerWeek = 8;
    EXPECT_FALSE(DecodeEmployment(EncodeEmployment(tooMany)));
}

TEST(PaidLeave, DaysByTenureAndByTheProportionalTable) {
    struct Case {
        const char* days;
        const char* hours;
        std::vector<int> expected;
    } cases[] = {
        {nullptr, nullptr, {10, 11, 12, 14, 16, 18, 20, 20}},
        {"3", "29.5", {5, 6, 6, 8, 9, 10, 11, 11}},
        {"4", "32", {10, 11, 12, 14, 16, 18, 20, 20}},  // 30 hours or more: the full table
        {"5", "20", {10, 11, 12, 14, 16, 18, 20, 20}},  // 5 days: the full table
        {"y216", "29", {7, 8, 9, 10, 12, 13, 15, 15}},
        {"y217", "29", {10, 11, 12, 14, 16, 18, 20, 20}},
        {"1", "8", {1, 2, 2, 2, 3, 3, 3, 3}},
        {"y47", "8", {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        Employment e = Hired("2018-04-01");
        if (c.days) {
            Contract k;
            ASSERT_TRUE(ParseContractDays(c.days, k));
            k.centiHours = ParseCentiHours(c.hours);
            k.from = *e.hire;
            ASSERT_EQ(SetContract(e, k), "");
        }
        const Ledger l =
            ComputeLedger(e, {}, Weekdays("2018-04-01", "2026-03-31"), D("2026-03-31"));
        std::vector<int> days;
        for (const Grant& g : l.grants) days.push_back(g.halfDays / 2);
        EXPECT_EQ(days, c.expected) << (c.days ? c.days : "full time");
        EXPECT_EQ(civil::Iso(l.grants.back().date), "2025-10-01");
    }
}

TEST(PaidLeave, TheContractOnTheBaseDateDecides) {
    Employment e = Hired("2020-04-01");
    ASSERT_EQ(SetContract(e, {D("2020-04-01"), 3, 0, 2400}), "");
    ASSERT_EQ(SetContract(e, {D("2021-10-01"), 5, 0, 4000}), "");
    const Ledger l = ComputeLedger(e, {}, Weekdays("2020-04-01", "2023-03-31"), D("2023-03-31"));
    EXPECT_EQ(Grants(l), (V{"2020-10-01:5", "2021-10-01:11", "2022-10-01:12"}));
}

TEST(PaidLeave, UniformGrantDates) {
    struct Case {
        const char* hire;
        Policy policy;
        V expected;
    } cases[] = {
        // The uniform date is the law's date.
        {"2025-10-01", Uniform({{4, 1}}), {"2026-04-01:10", "2027-04-01:11"}},
        // Early: 4/1 to 6/30 counts as attended, then every 4/1.
        {"2026-01-01", Uniform({{4, 1}}), {"2026-04-01:10", "2027-04-01:11"}},
        // New graduates: the law's date, then the uniform date six months early.
        {"2025-04-01",
         Uniform({}, MonthDay{4, 1}),
         {"2025-10-01:10", "2026-04-01:11", "2027-04-01:12"}},
        // A company granting on 4/1: new graduates hired on 4/1 get the law's date first.
        {"2025-04-01",
         Uniform({{4, 1}}, MonthDay{4, 1}),
         {"2025-10-01:10", "2026-04-01:11", "2027-04-01:12"}},
        // A uniform first date later than the law's falls back to the law's date.
        {"2025-06-01", Uniform({{4, 1}}), {"2025-12-01:10", "2026-12-01:11"}},
        // Two dates a year: the first after hire, then yearly from it.
        {"2025-05-01", Uniform({{4, 1}, {10, 1}}), {"2025-10-01:10", "2026-10-01:11"}},
        // Hired 8/31: six months end on the last day of February.
        {"2025-08-31", {}, {"2026-03-01:10", "2027-03-01:11"}},
    };
    for (const Case& c : cases) {
        const Ledger l =
            ComputeLedger(Hired(c.hire), c.policy, Weekdays(c.hire, "2028-03-31"), D("2027-05-01"));
        EXPECT_EQ(Grants(l), c.expected) << c.hire;
    }
}

TEST(PaidLeave, EightyPercentOfTheWorkingDays) {
    // 131 working days in the six months, the first `absent` of them missed.
    for (const auto& [absent, eligible] : {std::pair{26, true}, {27, false}}) {
        std::vector<Day> days = Weekdays("2025-04-01", "2026-03-31");
        int n = 0;
        for (Day& d : days) {
            d.workday = d.workday && n < 131 && ++n;
            if (d.workday && n <= absent) d.attendance = Attendance::absent;
        }
        const Ledger l = ComputeLedger(Hired("2025-04-01"), {}, days, D("2025-12-01"));
        ASSERT_EQ(l.grants.size(), 1u);
        EXPECT_EQ(l.grants[0].eligible, eligible);
        EXPECT_EQ(l.grants[0].workdays, 131);
        EXPECT_EQ(l.grants[0].halfDays, eligible ? 20 : 0);
    }
    // No working day at all: nothing granted, no rate.
    std::vector<Day> idle = Weekdays("2025-04-01", "2026-03-31");
    for (Day& d : idle) d.attendance = Attendance::excluded;
    const Grant g = ComputeLedger(Hired("2025-04-01"), {}, idle, D("2025-12-01")).grants.at(0);
    EXPECT_FALSE(g.eligible);
    EXPECT_EQ(g.workdays, 0);
}

TEST(PaidLeave, TakesExpiryAndBalance) {
    std::vector<Day> days = Weekdays("2025-10-01", "2028-06-30");
    Leave(days, "2026-03-02");  // before the first grant
    Leave(days, "2026-04-06", 1);
    Leave(days, "2027-04-05");  // from the 2026 grant, oldest first
    const Employment e = Hired("2025-10-01");
    const Ledger at = ComputeLedger(e, {}, days, D("2028-03-31"));
    ASSERT_EQ(at.takes.size(), 3u);
    EXPECT_TRUE(at.takes[0].from.empty());
    ASSERT_EQ(at.problems.size(), 2u);  // and the five days of the 2026 grant
    EXPECT_EQ(at.problems[0].rule, Rule::noBalance);
    EXPECT_EQ(at.problems[1].rule, Rule::fiveDays);
    EXPECT_EQ(U(at.problems[0].text), "2026/3/2 の有給休暇は、付与される前の日付です。");
    EXPECT_EQ(civil::Iso(at.takes[2].from.at(0).grant), "2026-04-01");
    EXPECT_EQ(civil::Iso(at.grants[0].expires), "2028-03-31");
    EXPECT_EQ(at.grants[0].left, 17);
    EXPECT_EQ(at.balance, 17 + 22);

    const Ledger after = ComputeLedger(e, {}, days, D("2028-04-01"));
    ASSERT_EQ(after.expiries.size(), 1u);
    EXPECT_EQ(civil::Iso(after.expiries[0].date), "2028-04-01");
    EXPECT_EQ(after.expiries[0].halfDays, 17);
    EXPECT_EQ(after.grants[0].left, 0);
    EXPECT_EQ(after.balance, 22 + 24);

    Policy newest;
    newest.order = Order::newestFirst;
    const Ledger lifo = ComputeLedger(e, newest, days, D("2028-03-31"));
    EXPECT_EQ(civil::Iso(lifo.takes[2].from.at(0).grant), "2027-04-01");
}

TEST(PaidLeave, NoBalanceLeft) {
    std::vector<Day> days = Weekdays("2025-10-01", "2026-12-31");
    const char* dates[] = {"2026-04-06", "2026-04-07", "2026-04-08", "2026-04-09", "2026-04-10",
                           "2026-04-13", "2026-04-14", "2026-04-15", "2026-04-16", "2026-04-17"};
    for (const char* d : dates) Leave(days, d);
    Leave(days, "2026-04-20", 1);
    Employment e = Hired("2025-10-01");
    e.opening.push_back({D("2026-04-01"), 1});  // half a day used before the book
    const Ledger l = ComputeLedger(e, {}, days, D("2026-05-01"));
    ASSERT_EQ(l.problems.size(), 2u);
    EXPECT_EQ(civil::Iso(l.problems[0].date), "2026-04-17");
    EXPECT_EQ(U(l.problems[1].text), "2026/4/20 の有給休暇は、残日数が足りません。");
    EXPECT_EQ(l.takes[9].from.at(0).halfDays, 1);
    EXPECT_EQ(l.balance, 0);
}

TEST(PaidLeave, FiveDaysAYear) {
    struct Case {
        std::vector<std::pair<const char*, int>> leave;
        const char* asOf;
        Status status;
        int taken;
    } cases[] = {
        {{{"2026-05-01", 2},
          {"2026-06-01", 2},
          {"2026-07-01", 2},
          {"2026-08-03", 2},
          {"2026-09-01", 2}},
         "2027-06-01",
         Status::met,
         10},
        {{{"2026-05-01", 2}, {"2026-06-01", 1}}, "2027-03-31", Status::pending, 3},
        // Four and a half days by the deadline, the fifth a day late.
        {{{"2026-05-01", 2},
          {"2026-06-01", 2},
          {"2026-07-01", 2},
          {"2026-08-03", 2},
          {"2026-09-01", 1},
          {"2027-04-01", 2}},
         "2027-04-01",
         Status::unmet,
         9},
    };
    for (const Case& c : cases) {
        std::vector<Day> days = Weekdays("2025-10-01", "2027-12-31");
        for (const auto& [date, half] : c.leave) Leave(days, date, half);
        const Ledger l = ComputeLedger(Hired("2025-10-01"), {}, days, D(c.asOf));
        const Obligation& o = l.obligations.at(0);
        EXPECT_EQ(civil::Iso(o.deadline), "2027-03-31");
        EXPECT_EQ(o.status, c.status) << c.asOf;
        EXPECT_EQ(o.taken, c.taken) << c.asOf;
        EXPECT_EQ(l.problems.size(), c.status == Status::unmet ? 1u : 0u);
    }
    // Overlapping years: new graduates' 10/1 and 4/1 grants each count the days within their own.
    std::vector<Day> days = Weekdays("2025-04-01", "2027-06-30");
    Leave(days, "2026-05-01");
    const Ledger l =
        ComputeLedger(Hired("2025-04-01"), Uniform({}, MonthDay{4, 1}), days, D("2026-06-01"));
    ASSERT_EQ(l.obligations.size(), 2u);
    EXPECT_EQ(l.obligations[0].taken, 2);
    EXPECT_EQ(l.obligations[1].taken, 2);
    EXPECT_EQ(civil::Iso(l.obligations[1].deadline), "2027-03-31");
}

TEST(PaidLeave, ABookStartedAfterHire) {
    Employment e = Hired("2015-04-01");
    e.opening.push_back({D("2024-10-01"), 8});
    const Ledger l = ComputeLedger(e, {}, Weekdays("2025-04-01", "2026-03-31"), D("2025-04-01"));
    ASSERT_EQ(l.grants.size(), 10u);
    EXPECT_TRUE(l.grants[9].eligible);
    EXPECT_EQ(l.grants[9].workdays, 0);
    EXPECT_EQ(l.balance, 40 + 40 - 8);   // the 2023 and 2024 grants
    EXPECT_TRUE(l.obligations.empty());  // both periods began before the records
}

TEST(PaidLeave, WorkingDaysLeftForLeave) {
    // Recorded to Wednesday 9/30; Thursday and Friday beyond the book count as weekdays.
    std::vector<Day> days = Weekdays("2026-09-01", "2026-09-30");
    EXPECT_EQ(WorkdaysLeft(days, D("2026-09-25"), D("2026-10-04")), 5);
    Leave(days, "2026-09-29");    // entered ahead: spoken for
    days.back().workday = false;  // 9/30 marked a rest day
    EXPECT_EQ(WorkdaysLeft(days, D("2026-09-25"), D("2026-10-04")), 3);
    EXPECT_EQ(WorkdaysLeft(days, D("2026-10-04"), D("2026-10-04")), 0);
}

TEST(PaidLeave, FiveDaysAtRiskOncePerYearStillOpen) {
    // Hired 2025/10/1: the grant of 2026/4/1 (10 days) asks five days by 2027/3/31.
    struct Case {
        const char* asOf;
        std::vector<const char*> leave;  // whole days, before or after asOf
        int workdays;                    // -1: the calendar's; else only this many days left
        int owed;                        // half days; 0: no reminder
    } cases[] = {
        {"2026-06-01", {}, -1, 0},
        {"2026-06-01", {}, 4, 10},  // four working days left for five days
        {"2026-06-01", {}, 5, 0},
        {"2026-12-31", {}, -1, 0},   // the deadline three months and a day away
        {"2027-01-01", {}, -1, 10},  // within three months
        {"2027-01-04", {"2026-05-01", "2026-06-01", "2026-07-01", "2026-08-03"}, -1, 2},
        // Leave entered ahead counts; five days taken close the year.
        {"2027-01-04",
         {"2026-05-01", "2027-02-01", "2027-02-02", "2027-02-03", "2027-02-04"},
         -1,
         0},
        {"2027-01-04",
         {"2026-05-01", "2026-06-01", "2026-07-01", "2026-08-03", "2026-09-01"},
         -1,
         0},
    };
    for (const Case& c : cases) {
        std::vector<Day> days = Weekdays("2025-10-01", "2027-03-31");
        for (const char* date : c.leave) Leave(days, date);
        if (c.workdays >= 0) {
            int kept = 0;
            for (Day& d : days)
                if (d.date > D(c.asOf) && d.workday) d.workday = kept++ < c.workdays;
        }
        const Ledger l = ComputeLedger(Hired("2025-10-01"), {}, days, D(c.asOf));
        const std::optional<FiveDayReminder> r = FiveDaysAtRisk(l, days, D(c.asOf));
        EXPECT_EQ(r ? r->owed : 0, c.owed) << c.asOf << " " << c.leave.size();
        EXPECT_EQ(r ? civil::Iso(r->deadline) : "2027-03-31", "2027-03-31");
        EXPECT_EQ(r && c.workdays >= 0 ? r->workdaysLeft : c.workdays, c.workdays);
    }
}
