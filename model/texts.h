#pragma once

#include <string>

#include "framework/frameworktexts.h"

// The program's own texts, held as Shift-JIS bytes like every other text of the core (the
// framework's file and document messages, with S and Format, are in framework/frameworktexts.h).
namespace texts {

inline const Sjis kUntitledVpx = S("無題.vpx");
inline const std::string kSettingsFileName = "vespin.ini";
inline const Sjis kSettingsMissing =
    S("【 vespin.ini 】がありませんので、\nデフォルトの設定とします。");
// Followed by the places where the settings were looked for, one a line.
inline const Sjis kSettingsPlacesLooked = S("\n\n探した場所：");

// Characters Shift-JIS cannot hold.
inline const Sjis kCharNotStorable =
    S("%1 は、ファイルに保存できない文字です。別の文字を入力して下さい。");

// Numeric fields.
inline const Sjis kNotAnInteger = S("整数を入力してください。");
inline const Sjis kIntegerRange = S("%1 から %2 までの整数を入力してください。");

// Years.
inline const Sjis kYearSuffix = S("年度");
inline const Sjis kMonthItemFormat = S("%1 月");
inline const Sjis kYearExists = S("この年度は、既に作成済みです。");
inline const Sjis kYearCountWrong = S("不正");
inline const Sjis kConfirmYearDelete = S("該当の年度を削除しますか？");
inline const Sjis kTreeRoot = S("勤怠管理");

// The calendar's rules (the fifth and sixth lines of the settings) and re-typing a year.
inline const Sjis kHolidayLawKeyword = S("祝日法");
inline const Sjis kCompanyHoliday = S("会社休日");
inline const Sjis kCompanyHolidayBad =
    S("【 vespin.ini 】の６行目(会社休日)の次の項目は日付ではありませんので、\n"
      "会社休日としません。");
// Every settings line names its bad fields the same way, the first ten by number, the rest counted.
inline const Sjis kSettingsBadField = S("\n%1番目の項目「%2」");
inline const Sjis kSettingsBadMore = S("\nほか %1 項目");
inline const Sjis kConfirmYearRetype =
    S("該当の年度の休日を、現在の設定で付け直しますか？\n入力済みの勤怠はそのままです。");
inline const Sjis kYearNotRegistered = S("この年度は、登録されていません。");

// Employee.
inline const Sjis kEnterEmployeeNo = S("社員番号を入力して下さい。");
inline const Sjis kEnterEmployeeName = S("氏名を入力して下さい。");

// Password.
inline const Sjis kPasswordWrong = S("パスワードが違います。");
inline const Sjis kPasswordPromptNew = S("パスワードを指定して下さい。");
inline const Sjis kPasswordPromptChange = S("変更したいパスワードを入力して下さい。");

// Backup generations.
inline const Sjis kNoBackups = S("このファイルのバックアップはありません。");
inline const Sjis kBackupCaption = S("無題 (%1 %2 のバックアップ)");

// Desktop shortcut.
inline const Sjis kShortcutNameMissing = S("作成するショートカットの名前を指定して下さい。");
inline const Sjis kShortcutCreatedBefore = S("【 ");  // then the name as typed
inline const Sjis kShortcutCreatedAfter = S(" 】で、ショートカットを作成しました。");
inline const Sjis kShortcutFailed = S("ショートカットの作成に失敗しました。");

// Attendance entry.
inline const Sjis kArrivalForm = S("出社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。");
inline const Sjis kArrivalHour = S("出社時刻の時間が正しくありません。");
inline const Sjis kArrivalMinute = S("出社時刻の分が正しくありません。");
inline const Sjis kArrivalColon = S("出社時刻の時間と分の間にコロン(：)を指定して下さい。");
inline const Sjis kDepartureForm = S("退社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。");
inline const Sjis kDepartureHour = S("退社時刻の時間が正しくありません。");
inline const Sjis kDepartureMinute = S("退社時刻の分が正しくありません。");
inline const Sjis kDepartureColon = S("退社時刻の時間と分の間にコロン(：)を指定して下さい。");
inline const Sjis kBlankArrival = S("この出勤区分の時、出社時刻はスペースとして下さい。");
inline const Sjis kBlankDeparture = S("この出勤区分の時、退社時刻はスペースとして下さい。");
inline const Sjis kBlankLocations = S("この出勤区分の時、勤務地はスペースとして下さい。");
inline const Sjis kSelectCategory = S("出勤区分を選択して下さい。");
inline const Sjis kPlaceSeparator = S("・");
inline const Sjis kMark = S("○");
// The date line of the attendance entry: year, month, day, weekday name.
inline const Sjis kDateLineFormat = S("%1 年 %2 月 %3 日  ( %4曜日 )");

// Weekday names, Sunday first.
inline const Sjis kWeekdays[7] = {S("日"), S("月"), S("火"), S("水"), S("木"), S("金"), S("土")};

// Head-office CSV export.
inline const Sjis kExportCaption = S("この月の本部提出用データの作成(CSV形式)");
inline const Sjis kExportFileNameLabel = S("ファイル名");
inline const Sjis kExportFolderLabel = S("出力先");
inline const Sjis kExportNamingHint = S("(社員番号_年度_月.csv)");
inline const Sjis kExportChoose = S("選択...");
inline const Sjis kExportTitleFormat = S("%1年度 %2月 のデータを出力します。");
inline const Sjis kExportNoFileName =
    S("ファイル名を指定して下さい。\r\n\r\nファイル名は、  社員番号_年度_月.csv です。");
inline const Sjis kExportNoFolder = S("ディレクトリーを指定して下さい。");
inline const Sjis kExportExtension = S("ファイルの拡張子は、.csv を指定して下さい。");
inline const Sjis kExportOverwrite = S("このファイルは既に存在します。\r\n\r\n上書きしますか？");
inline const Sjis kExportCount = S("%1件のデータを出力しました。");
inline const Sjis kFolderChooserCaption = S("フォルダの参照");
inline const Sjis kFolderChooserPrompt = S("フォルダを選択してください");

// The monthly attendance sheet.
inline const Sjis kSheetTitle = S("出　勤　表");
inline const Sjis kSheetSealSupervisor = S("上長印");
inline const Sjis kSheetSealAffairs = S("総務印");
inline const Sjis kSheetMonthLine = S("年月 %1年 %2月分");
inline const Sjis kSheetEmployeeLine = S("社員№：%1    氏名：%2     (印)");
inline const Sjis kSheetHeadMonth = S("月");
inline const Sjis kSheetHeadDay = S("日");
inline const Sjis kSheetHeadWeekday = S("曜");
inline const Sjis kSheetHeadArrival = S("出勤時刻");
inline const Sjis kSheetHeadDeparture = S("退出時刻");
inline const Sjis kSheetHeadPlace = S("出勤場所");
inline const Sjis kSheetTotal = S("計");
inline const Sjis kSheetNote = S("(注) この資料は、公的に使用します。");
inline const Sjis kNoPrinter = S("このパソコンには、プリンタが接続されていません。");
inline const Sjis kPrintJobFailed = S("印刷ｼﾞｮﾌﾞを開始できませんでした。");
inline const Sjis kNoPrinterSettings =
    S("このパソコンには、プリンタが接続されていません。\nn( 印刷機能は使用できません。)");

// Working time.
inline const Sjis kWorkRulesBad =
    S("【 vespin.ini 】の７行目(所定労働時間と休憩)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");

// ---- Working time as the law counts it.

inline const Sjis kLawWeekBad =
    S("【 vespin.ini 】の８行目(労働時間)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");
inline const Sjis kLawAgreementBad =
    S("【 vespin.ini 】の９行目(３６協定)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");
inline const Sjis kLawCategoriesBad =
    S("【 vespin.ini 】の１０行目(出勤区分の意味)の次の項目は正しくありませんので、\n"
      "使用しません。");

// Line 8's words.
inline const Sjis kLawNone = S("なし");
inline const Sjis kLawPerDay = S("日ごと");
// Line 10's meanings.
inline const Sjis kMeaningWorked = S("出勤");
inline const Sjis kMeaningDeemed = S("出勤扱い");
inline const Sjis kMeaningAbsent = S("欠勤");
inline const Sjis kMeaningExcluded = S("除外");
inline const Sjis kMeaningRest = S("休日");

inline const Sjis kShiftOverlaps = S("%1 の勤務が、翌日の出社時刻と重なっています。");

// A day's marks, as the day list's tip names them.
inline const Sjis kMarkedLegalHoliday = S("法定休日 (指定)");
inline const Sjis kMarkedNotLegalHoliday = S("法定休日でない日 (指定)");
inline const Sjis kMarkedWorkday = S("所定労働日 (指定)");
inline const Sjis kMarkedRestDay = S("所定休日 (指定)");

// What each finding of the law's limits says.
inline const Sjis kFindingTexts[9] = {
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
inline const Sjis kRuleLabels[9] = {
    S("月の限度時間"),     S("年の限度時間"),       S("特別条項の適用"),
    S("特別条項の回数"),   S("特別条項の月の上限"), S("単月100時間未満"),
    S("複数月平均80時間"), S("休憩時間 (34条)"),    S("月80時間 (安衛法)"),
};
// A finding's value against its limit.
inline const Sjis kFindingLimit = S("%1 (限度 %2)");
inline const Sjis kFindingBelow = S("%1 (%2 未満)");
inline const Sjis kFindingCount = S("%1回 (限度 %2回)");
inline const Sjis kFindingAverage = S("平均 %1 (限度 %2)");
inline const Sjis kFindingBreak = S("休憩 %1 (必要 %2)");

// 36協定の状況, on the screen and on paper.
inline const Sjis kAgreementTitle = S("36協定の状況");
inline const Sjis kAgreementPeriod = S("%1 ～ %2");
inline const Sjis kAgreementLimits = S("限度時間  月%1・年%2");
inline const Sjis kAgreementSpecial = S("  特別条項  月%1・年%2・%3回まで");
inline const Sjis kAgreementColumns[9] = {
    S("月"),        S("時間外労働"), S("休日労働"),  S("合計"),      S("2か月平均"),
    S("3か月平均"), S("4か月平均"),  S("5か月平均"), S("6か月平均"),
};
inline const Sjis kAgreementYearRow = S("年間");
inline const Sjis kAgreementNoDays = S("－");
inline const Sjis kAgreementOver45 = S("月45時間を超えた月  %1回");
inline const Sjis kAgreementOver45Max = S(" (特別条項は年%1回まで)");
inline const Sjis kAgreementBreakShort = S("      休憩が足りない日 (34条)  %1日");
inline const Sjis kNoFindings = S("限度を超えたものはありません。");
inline const Sjis kFindingLine = S("%1  【%2】%3  %4");
inline const Sjis kMonthOfYear = S("%1年%2月");
inline const Sjis kDateLong = S("%1年%2月%3日");

// 月の集計 on paper.
inline const Sjis kSummaryTitle = S("月の集計  %1年%2月 の勤務時間  (%3年度)");
inline const Sjis kSummaryEmployee = S("社員№：%1　　氏名：%2");
inline const Sjis kSummaryRules = S("所定労働時間 %1　　休憩 %2");
inline const Sjis kSummaryNoBreaks = S("なし");
inline const Sjis kSummaryTimesHead[3] = {S("勤務時間"), S("この月"), S("年度累計")};
inline const Sjis kSummaryYearToDate = S("年度累計 (4月～%1月)");
inline const Sjis kSummaryTimes[7] = {S("集計した日数"), S("拘束時間"),   S("休憩時間"),
                                      S("実働時間"),     S("所定外労働"), S("深夜労働"),
                                      S("休日労働")};
inline const Sjis kSummaryLawHead[2] = {S("法定労働時間による集計"), S("この月")};
inline const Sjis kSummaryLaw[9] = {
    S("法定内残業"),        S("法定時間外労働"), S("　うち 1日8時間超"),
    S("　うち 週40時間超"), S("法定休日労働"),   S("所定休日労働"),
    S("深夜労働"),          S("月60時間超"),     S("休憩が足りない日 (34条)"),
};
inline const Sjis kSummaryDays = S("%1日");
inline const Sjis kSummaryOverLimit =
    S("法定時間外労働が月%1を超えています。36協定の限度時間は、月%1です。");
inline const Sjis kSummaryCategories = S("出勤区分別の日数");
inline const Sjis kSummaryCategory = S("%1  %2日");
inline const Sjis kSummaryIncomplete = S("集計できない日");
inline const Sjis kSummaryIncompleteDay = S("%1月%2日 (%3)   %4 ～ %5   %6");
inline const Sjis kSummaryNone = S("ありません");
inline const Sjis kSummaryNoTime = S("--:--");

// ---- The paid-leave ledger and the employee's employment details.

inline const Sjis kLeaveFirstKey = S("初回");
inline const Sjis kLeaveThenKey = S("以降");
inline const Sjis kLeaveOrderKey = S("順");
// Keys of line 10 that belong to the paid-leave policy.
inline const Sjis kLeavePolicyKeys[3] = {kLeaveFirstKey, kLeaveThenKey, kLeaveOrderKey};
inline const Sjis kLeaveHireDate = S("入社日");
inline const Sjis kLeaveOldestFirst = S("古い順");
inline const Sjis kLeaveNewestFirst = S("新しい順");
inline const Sjis kLeavePolicyBad =
    S("【 vespin.ini 】の１０行目(有給休暇の付与)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");

// The ledger's problems.
inline const Sjis kLeaveBeforeGrant = S("%1 の有給休暇は、付与される前の日付です。");
inline const Sjis kLeaveNoBalance = S("%1 の有給休暇は、残日数が足りません。");
inline const Sjis kLeaveFiveDaysUnmet =
    S("基準日 %1 の有給休暇が、期限の %2 までに５日取得されていません。");

// The employment details.
inline const Sjis kHireDateWrong = S("入社日が正しくありません。");
inline const Sjis kHireDateMissing = S("入社日が設定されていません。");
inline const Sjis kContractDateWrong = S("契約の開始日が正しくありません。");
inline const Sjis kContractBeforeHire = S("契約の開始日は、入社日以降として下さい。");
inline const Sjis kContractDaysWrong =
    S("週所定労働日数は 1 から 7 まで、年間所定労働日数は 1 から 366 までとして下さい。");
inline const Sjis kContractHoursWrong =
    S("週所定労働時間は、0 より大きく 168 以下の時間を、小数第２位までで入力して下さい。");
inline const Sjis kLeaveUsedDateWrong = S("付与日が正しくありません。");
inline const Sjis kLeaveUsedBeforeHire = S("付与日は、入社日より後として下さい。");
inline const Sjis kLeaveUsedDaysWrong =
    S("使用済みの日数は、0 から 20 までを 0.5 日単位で入力して下さい。");
inline const Sjis kLedgerNoGrant = S("この日までに、有給休暇は付与されていません。");
inline const Sjis kEmploymentTooMany = S("これ以上登録できません。");

// ---- The month's report over many books.

inline const Sjis kReportColumns[17] = {
    S("ファイル"),      S("社員番号"),          S("氏名"),           S("エラー"), S("出勤日数"),
    S("労働時間"),      S("法定時間外"),        S("法定休日"),       S("深夜"),   S("60時間超"),
    S("時間外+休日"),   S("2-6か月平均の最大"), S("45時間超の月数"), S("36協定"), S("有休の残日数"),
    S("5日取得の状況"), S("5日取得の期限"),
};
// The five days' status: met, pending, unmet.
inline const Sjis kFiveDaysStatus[3] = {S("達成"), S("期限前"), S("未達成")};

}  // namespace texts
