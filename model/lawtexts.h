#pragma once

#include <string>

#include "framework/frameworktexts.h"

// The texts of working time as the law counts it (Shift-JIS, like every text of the core).
namespace texts {

inline const std::string kLawWeekBad =
    S("【 vespin.ini 】の８行目(労働時間)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");
inline const std::string kLawAgreementBad =
    S("【 vespin.ini 】の９行目(３６協定)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");
inline const std::string kLawCategoriesBad =
    S("【 vespin.ini 】の１０行目(出勤区分の意味)の次の項目は正しくありませんので、\n"
      "使用しません。");
inline const std::string kLawBadField = S("\n%1番目の項目「%2」");
inline const std::string kLawBadMore = S("\nほか %1 項目");

// Line 8's words.
inline const std::string kLawNone = S("なし");
inline const std::string kLawPerDay = S("日ごと");
// Line 10's meanings.
inline const std::string kMeaningWorked = S("出勤");
inline const std::string kMeaningDeemed = S("出勤扱い");
inline const std::string kMeaningAbsent = S("欠勤");
inline const std::string kMeaningExcluded = S("除外");
inline const std::string kMeaningRest = S("休日");
// Keys of line 10 that belong to the paid-leave policy.
inline const std::string kLeavePolicyKeys[3] = {S("初回"), S("以降"), S("順")};

inline const std::string kShiftOverlaps = S("%1 の勤務が、翌日の出社時刻と重なっています。");

// A day's marks, as the day list's tip names them.
inline const std::string kMarkedLegalHoliday = S("法定休日 (指定)");
inline const std::string kMarkedNotLegalHoliday = S("法定休日でない日 (指定)");
inline const std::string kMarkedWorkday = S("所定労働日 (指定)");
inline const std::string kMarkedRestDay = S("所定休日 (指定)");

// What each finding of the law's limits says.
inline const std::string kFindingTexts[9] = {
    S("時間外労働が、３６協定の月の限度時間を超えています。"),
    S("時間外労働が、３６協定の年の限度時間を超えました。"),
    S("時間外労働が月の限度時間を超えましたので、特別条項によります。"),
    S("月４５時間を超える時間外労働が、特別条項の回数を超えています。"),
    S("時間外労働と休日労働の合計が、特別条項の月の上限を超えています。"),
    S("時間外労働と休日労働の合計が、月１００時間以上です。"),
    S("時間外労働と休日労働の%1か月平均が、８０時間を超えています。"),
    S("途中の休憩時間が、労働時間に対して足りません。"),
    S("週４０時間を超える労働時間が、月８０時間を超えています。"),
};

// Each rule's short name, in the order of the findings above.
inline const std::string kRuleLabels[9] = {
    S("月の限度時間"),     S("年の限度時間"),       S("特別条項の適用"),
    S("特別条項の回数"),   S("特別条項の月の上限"), S("単月100時間未満"),
    S("複数月平均80時間"), S("休憩時間 (34条)"),    S("月80時間 (安衛法)"),
};
// A finding's value against its limit.
inline const std::string kFindingLimit = S("%1 (限度 %2)");
inline const std::string kFindingBelow = S("%1 (%2 未満)");
inline const std::string kFindingCount = S("%1回 (限度 %2回)");
inline const std::string kFindingAverage = S("平均 %1 (限度 %2)");
inline const std::string kFindingBreak = S("休憩 %1 (必要 %2)");

// 36協定の状況, on the screen and on paper.
inline const std::string kAgreementTitle = S("36協定の状況");
inline const std::string kAgreementPeriod = S("%1 ～ %2");
inline const std::string kAgreementLimits = S("限度時間  月%1・年%2");
inline const std::string kAgreementSpecial = S("  特別条項  月%1・年%2・%3回まで");
inline const std::string kAgreementColumns[9] = {
    S("月"),        S("時間外労働"), S("休日労働"),  S("合計"),      S("2か月平均"),
    S("3か月平均"), S("4か月平均"),  S("5か月平均"), S("6か月平均"),
};
inline const std::string kAgreementYearRow = S("年間");
inline const std::string kAgreementNoDays = S("－");
inline const std::string kAgreementOver45 = S("月45時間を超えた月  %1回");
inline const std::string kAgreementOver45Max = S(" (特別条項は年%1回まで)");
inline const std::string kAgreementBreakShort = S("      休憩が足りない日 (34条)  %1日");
inline const std::string kNoFindings = S("限度を超えたものはありません。");
inline const std::string kFindingLine = S("%1  【%2】%3  %4");
inline const std::string kMonthOfYear = S("%1年%2月");
inline const std::string kDateLong = S("%1年%2月%3日");

// 月の集計 on paper.
inline const std::string kSummaryTitle = S("月の集計  %1年%2月 の勤務時間  (%3年度)");
inline const std::string kSummaryEmployee = S("社員№：%1　　氏名：%2");
inline const std::string kSummaryRules = S("所定労働時間 %1　　休憩 %2");
inline const std::string kSummaryNoBreaks = S("なし");
inline const std::string kSummaryTimesHead[3] = {S("勤務時間"), S("この月"), S("年度累計")};
inline const std::string kSummaryYearToDate = S("年度累計 (4月～%1月)");
inline const std::string kSummaryTimes[7] = {S("集計した日数"), S("拘束時間"),   S("休憩時間"),
                                             S("実働時間"),     S("所定外労働"), S("深夜労働"),
                                             S("休日労働")};
inline const std::string kSummaryLawHead[2] = {S("法定労働時間による集計"), S("この月")};
inline const std::string kSummaryLaw[9] = {
    S("法定内残業"),        S("法定時間外労働"), S("　うち 1日8時間超"),
    S("　うち 週40時間超"), S("法定休日労働"),   S("所定休日労働"),
    S("深夜労働"),          S("月60時間超"),     S("休憩が足りない日 (34条)"),
};
inline const std::string kSummaryDays = S("%1日");
inline const std::string kSummaryOverLimit =
    S("法定時間外労働が月%1を超えています。36協定の限度時間は、月%1です。");
inline const std::string kSummaryCategories = S("出勤区分別の日数");
inline const std::string kSummaryCategory = S("%1  %2日");
inline const std::string kSummaryIncomplete = S("集計できない日");
inline const std::string kSummaryIncompleteDay = S("%1月%2日 (%3)   %4 ～ %5   %6");
inline const std::string kSummaryNone = S("ありません");
inline const std::string kSummaryNoTime = S("--:--");

}  // namespace texts
