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

}  // namespace texts
