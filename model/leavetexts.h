#pragma once

#include <string>

#include "model/texts.h"

// The texts of the paid-leave ledger and the employee's employment details (Shift-JIS).
namespace texts {

inline const std::string kLeaveFirstKey = S("初回");
inline const std::string kLeaveThenKey = S("以降");
inline const std::string kLeaveOrderKey = S("順");
inline const std::string kLeaveHireDate = S("入社日");
inline const std::string kLeaveOldestFirst = S("古い順");
inline const std::string kLeaveNewestFirst = S("新しい順");
inline const std::string kLeavePolicyBad =
    S("【 vespin.ini 】の１０行目(有給休暇の付与)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");
inline const std::string kLeavePolicyMore = S("\nほか %1 項目");

// The ledger's problems.
inline const std::string kLeaveBeforeGrant = S("%1 の有給休暇は、付与される前の日付です。");
inline const std::string kLeaveNoBalance = S("%1 の有給休暇は、残日数が足りません。");
inline const std::string kLeaveFiveDaysUnmet =
    S("基準日 %1 の有給休暇が、期限の %2 までに５日取得されていません。");

// The employment details.
inline const std::string kHireDateWrong = S("入社日が正しくありません。");
inline const std::string kHireDateMissing = S("入社日が設定されていません。");
inline const std::string kContractDateWrong = S("契約の開始日が正しくありません。");
inline const std::string kContractBeforeHire = S("契約の開始日は、入社日以降として下さい。");
inline const std::string kContractDaysWrong =
    S("週所定労働日数は 1 から 7 まで、年間所定労働日数は 1 から 366 までとして下さい。");
inline const std::string kContractHoursWrong =
    S("週所定労働時間は、0 より大きく 168 以下の時間を、小数第２位までで入力して下さい。");
inline const std::string kLeaveUsedDateWrong = S("付与日が正しくありません。");
inline const std::string kLeaveUsedBeforeHire = S("付与日は、入社日より後として下さい。");
inline const std::string kLeaveUsedDaysWrong =
    S("使用済みの日数は、0 から 20 までを 0.5 日単位で入力して下さい。");
inline const std::string kLedgerNoGrant = S("この日までに、有給休暇は付与されていません。");
inline const std::string kEmploymentTooMany = S("これ以上登録できません。");

}  // namespace texts
