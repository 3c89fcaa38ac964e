#pragma once

#include <string>

#include "framework/frameworktexts.h"

// The texts of the month's report over many books (Shift-JIS, like every text of the core).
namespace texts {

inline const std::string kReportColumns[17] = {
    S("ファイル"),      S("社員番号"),          S("氏名"),           S("エラー"), S("出勤日数"),
    S("労働時間"),      S("法定時間外"),        S("法定休日"),       S("深夜"),   S("60時間超"),
    S("時間外+休日"),   S("2-6か月平均の最大"), S("45時間超の月数"), S("36協定"), S("有休の残日数"),
    S("5日取得の状況"), S("5日取得の期限"),
};
// The five days' status: met, pending, unmet.
inline const std::string kFiveDaysStatus[3] = {S("達成"), S("期限前"), S("未達成")};

}  // namespace texts
