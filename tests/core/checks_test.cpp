#include "model/checks.h"

#include <gtest/gtest.h>

#include "testutil.h"

namespace {

const std::array<std::string, 10> kFlags = {"1", "1", "1", "0", "1", "1", "0", "0", "0", "0"};
constexpr int kShukkin = 0;  // 出勤
constexpr int kKekkin = 3;   // 欠勤

struct Shown {
    std::vector<std::string> texts;
    std::vector<AttendanceField> focus;
};

Shown Press(int category, const std::string& arrival, const std::string& departure,
            const std::string& locations, AttendanceResult* out = nullptr) {
    AttendanceResult r =
        CheckAttendance({category, S(arrival), S(departure), S(locations)}, kFlags);
    Shown s;
    for (const auto& m : r.messages) {
        s.texts.push_back(U(m.text));
        s.focus.push_back(m.focus);
    }
    EXPECT_EQ(r.accepted, r.messages.empty());
    if (out) *out = r;
    return s;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(AttendanceCheck, TimeForms) {
    EXPECT_EQ(Press(kShukkin, "8:30", "", "").texts,
              Texts{"出社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。"});
    EXPECT_EQ(Press(kShukkin, "08-30", "", "").texts,
              Texts{"出社時刻の時間と分の間にコロン(：)を指定して下さい。"});
    EXPECT_EQ(Press(kShukkin, "25:00", "", "").texts, Texts{"出社時刻の時間が正しくありません。"});
    EXPECT_EQ(Press(kShukkin, "08:60", "", "").texts, Texts{"出社時刻の分が正しくありません。"});
    EXPECT_EQ(Press(kShukkin, "０８:３０", "", "").texts,
              Texts{"出社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。"});
    EXPECT_EQ(Press(kShukkin, "08：3", "", "").texts.size(), 1u);  // 6 bytes
    EXPECT_TRUE(Press(kShukkin, "24:30", "", "").texts.empty());
    EXPECT_TRUE(Press(kShukkin, "24:59", "", "").texts.empty());
    EXPECT_TRUE(Press(kShukkin, "00:00", "", "").texts.empty());
    // Byte-wise: "2a" sorts after "24", "0a" is no minute, "/5" before "00".
    EXPECT_EQ(CheckTime("2a:00"), TimeCheck::hourWrong);
    EXPECT_EQ(CheckTime("/5:00"), TimeCheck::hourWrong);
    EXPECT_EQ(CheckTime("10:6a"), TimeCheck::minuteWrong);
    // One message per field: colon before minute before hour.
    EXPECT_EQ(CheckTime("99x99"), TimeCheck::colonMissing);
    EXPECT_EQ(CheckTime("99:99"), TimeCheck::minuteWrong);
}

TEST(AttendanceCheck, BothTimesWrongGiveTwoMessagesArrivalFirst) {
    const Shown s = Press(kShukkin, "8:30", "25:00", "");
    EXPECT_EQ(s.texts, (Texts{"出社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。",
                              "退社時刻の時間が正しくありません。"}));
    EXPECT_EQ(s.focus.back(), AttendanceField::departure);
    // Only a departure time is fine.
    EXPECT_TRUE(Press(kShukkin, "", "18:00", "").texts.empty());
}

TEST(AttendanceCheck, BlankRuleEmptiesTheForbiddenFields) {
    AttendanceResult r;
    const Shown s = Press(kKekkin, "09:00", "", "勤務地１", &r);
    EXPECT_EQ(s.texts, (Texts{"この出勤区分の時、出社時刻はスペースとして下さい。",
                              "この出勤区分の時、勤務地はスペースとして下さい。"}));
    EXPECT_EQ(s.focus.back(), AttendanceField::locations);
    EXPECT_TRUE(r.corrected.start.empty());
    EXPECT_TRUE(r.corrected.place.empty());
    // The dialog empties a field by what the message means, never by its text.
    EXPECT_EQ(r.messages[0].problem, AttendanceProblem::notAllowed);
    EXPECT_EQ(r.messages[1].problem, AttendanceProblem::notAllowed);
    // The second press with the emptied fields closes.
    EXPECT_TRUE(CheckAttendance(r.corrected, kFlags).accepted);
    // A wrong time under a blank category gives both its own message and the blank one.
    EXPECT_EQ(Press(kKekkin, "8:30", "", "").texts.size(), 2u);
}

TEST(AttendanceCheck, CategoryRequired) {
    const Shown s = Press(-1, "", "", "勤務地１");
    EXPECT_EQ(s.texts, Texts{"出勤区分を選択して下さい。"});
    EXPECT_EQ(s.focus.back(), AttendanceField::category);
    // Everything empty clears the day.
    EXPECT_TRUE(Press(-1, "", "", "").texts.empty());
    // 有休 with nothing else.
    EXPECT_TRUE(Press(6, "", "", "").texts.empty());
}

TEST(YearCheck, TextAndRange) {
    CRecordArray<CYearRecord> years;
    auto check = [&](const std::string& t) { return CheckYearText(t, years); };
    EXPECT_TRUE(check("1998").accepted);
    EXPECT_TRUE(check("2036").accepted);
    EXPECT_EQ(check(" \t2026  ").year, 2026);
    EXPECT_TRUE(check("+2026").accepted);
    for (const char* bad :
         {"", "   ", "20a6", "2026年", "2026x", "- 2026", "+", "99999999999999999999"})
        EXPECT_EQ(U(check(S(bad)).message), "整数を入力してください。") << bad;
    for (const char* out : {"1997", "2037", "-2026", "0"})
        EXPECT_EQ(U(check(out).message), "1998 から 2036 までの整数を入力してください。") << out;
    auto rec = std::make_unique<CYearRecord>();
    rec->SetYear(2026);
    years.Add(std::move(rec));
    EXPECT_EQ(U(check("2026").message), "この年度は、既に作成済みです。");
    EXPECT_EQ(check("2026").problem, YearProblem::exists);
    EXPECT_EQ(check("2037").problem, YearProblem::outOfRange);
    EXPECT_TRUE(check("2027").accepted);
}

TEST(EmployeeCheck, NumberThenName) {
    EXPECT_EQ(U(CheckEmployee("", "").message), "社員番号を入力して下さい。");
    EXPECT_EQ(CheckEmployee("", "").focus, EmployeeField::number);
    EXPECT_EQ(U(CheckEmployee("A-012", "").message), "氏名を入力して下さい。");
    EXPECT_EQ(CheckEmployee("A-012", "").focus, EmployeeField::name);
    EXPECT_EQ(CheckEmployee("A-012", " ").focus, EmployeeField::none);
}
