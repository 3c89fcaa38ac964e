#pragma once

#include <string>

#include "framework/frameworktexts.h"

// The program's own texts, held as Shift-JIS bytes like every other text of the core (the
// framework's file and document messages, with S and Format, are in framework/frameworktexts.h).
namespace texts {

inline const std::string kUntitledVpx = S("無題.vpx");
inline const std::string kSettingsFileName = "vespin.ini";
inline const std::string kSettingsMissing =
    S("【 vespin.ini 】がありませんので、\nデフォルトの設定とします。");
// Followed by the places where the settings were looked for, one a line.
inline const std::string kSettingsPlacesLooked = S("\n\n探した場所：");

// Characters Shift-JIS cannot hold.
inline const std::string kCharNotStorable =
    S("%1 は、ファイルに保存できない文字です。別の文字を入力して下さい。");

// Numeric fields.
inline const std::string kNotAnInteger = S("整数を入力してください。");
inline const std::string kIntegerRange = S("%1 から %2 までの整数を入力してください。");

// Years.
inline const std::string kYearSuffix = S("年度");
inline const std::string kMonthItemFormat = S("%d 月");
inline const std::string kYearExists = S("この年度は、既に作成済みです。");
inline const std::string kYearCountWrong = S("不正");
inline const std::string kConfirmYearDelete = S("該当の年度を削除しますか？");
inline const std::string kTreeRoot = S("勤怠管理");

// The calendar's rules (the fifth and sixth lines of the settings) and re-typing a year.
inline const std::string kHolidayLawKeyword = S("祝日法");
inline const std::string kCompanyHoliday = S("会社休日");
inline const std::string kCompanyHolidayBad =
    S("【 vespin.ini 】の６行目(会社休日)の次の項目は日付ではありませんので、\n"
      "会社休日としません。");
// Every settings line names its bad fields the same way, the first ten by number, the rest counted.
inline const std::string kSettingsBadField = S("\n%1番目の項目「%2」");
inline const std::string kSettingsBadMore = S("\nほか %1 項目");
inline const std::string kConfirmYearRetype =
    S("該当の年度の休日を、現在の設定で付け直しますか？\n入力済みの勤怠はそのままです。");
inline const std::string kYearNotRegistered = S("この年度は、登録されていません。");

// Employee.
inline const std::string kEnterEmployeeNo = S("社員番号を入力して下さい。");
inline const std::string kEnterEmployeeName = S("氏名を入力して下さい。");

// Password.
inline const std::string kPasswordWrong = S("パスワードが違います。");
inline const std::string kPasswordPromptNew = S("パスワードを指定して下さい。");
inline const std::string kPasswordPromptChange = S("変更したいパスワードを入力して下さい。");

// Backup generations.
inline const std::string kNoBackups = S("このファイルのバックアップはありません。");
inline const std::string kBackupCaption = S("無題 (%1 %2 のバックアップ)");

// Desktop shortcut.
inline const std::string kShortcutNameMissing = S("作成するショートカットの名前を指定して下さい。");
inline const std::string kShortcutCreatedBefore = S("【 ");  // then the name as typed
inline const std::string kShortcutCreatedAfter = S(" 】で、ショートカットを作成しました。");
inline const std::string kShortcutFailed = S("ショートカットの作成に失敗しました。");

// Attendance entry.
inline const std::string kArrivalForm =
    S("出社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。");
inline const std::string kArrivalHour = S("出社時刻の時間が正しくありません。");
inline const std::string kArrivalMinute = S("出社時刻の分が正しくありません。");
inline const std::string kArrivalColon = S("出社時刻の時間と分の間にコロン(：)を指定して下さい。");
inline const std::string kDepartureForm =
    S("退社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。");
inline const std::string kDepartureHour = S("退社時刻の時間が正しくありません。");
inline const std::string kDepartureMinute = S("退社時刻の分が正しくありません。");
inline const std::string kDepartureColon =
    S("退社時刻の時間と分の間にコロン(：)を指定して下さい。");
inline const std::string kBlankArrival = S("この出勤区分の時、出社時刻はスペースとして下さい。");
inline const std::string kBlankDeparture = S("この出勤区分の時、退社時刻はスペースとして下さい。");
inline const std::string kBlankLocations = S("この出勤区分の時、勤務地はスペースとして下さい。");
inline const std::string kSelectCategory = S("出勤区分を選択して下さい。");
inline const std::string kPlaceSeparator = S("・");
inline const std::string kMark = S("○");
// The date line of the attendance entry: year, month, day, weekday name.
inline const std::string kDateLineFormat = S("%d 年 %d 月 %d 日  ( %s曜日 )");

// Weekday names, Sunday first.
inline const std::string kWeekdays[7] = {S("日"), S("月"), S("火"), S("水"),
                                         S("木"), S("金"), S("土")};

// Head-office CSV export.
inline const std::string kExportCaption = S("この月の本部提出用データの作成(CSV形式)");
inline const std::string kExportFileNameLabel = S("ファイル名");
inline const std::string kExportFolderLabel = S("出力先");
inline const std::string kExportNamingHint = S("(社員番号_年度_月.csv)");
inline const std::string kExportChoose = S("選択...");
inline const std::string kExportTitleFormat = S("%d年度 %d月 のデータを出力します。");
inline const std::string kExportNoFileName =
    S("ファイル名を指定して下さい。\r\n\r\nファイル名は、  社員番号_年度_月.csv です。");
inline const std::string kExportNoFolder = S("ディレクトリーを指定して下さい。");
inline const std::string kExportExtension = S("ファイルの拡張子は、.csv を指定して下さい。");
inline const std::string kExportOverwrite =
    S("このファイルは既に存在します。\r\n\r\n上書きしますか？");
inline const std::string kExportCount = S("%d件のデータを出力しました。");
inline const std::string kFolderChooserCaption = S("フォルダの参照");
inline const std::string kFolderChooserPrompt = S("フォルダを選択してください");

// The monthly attendance sheet.
inline const std::string kSheetTitle = S("出　勤　表");
inline const std::string kSheetSealSupervisor = S("上長印");
inline const std::string kSheetSealAffairs = S("総務印");
inline const std::string kSheetMonthLine = S("年月 %d年 %d月分");
inline const std::string kSheetEmployeeLine = S("社員№：%s    氏名：%s     (印)");
inline const std::string kSheetHeadMonth = S("月");
inline const std::string kSheetHeadDay = S("日");
inline const std::string kSheetHeadWeekday = S("曜");
inline const std::string kSheetHeadArrival = S("出勤時刻");
inline const std::string kSheetHeadDeparture = S("退出時刻");
inline const std::string kSheetHeadPlace = S("出勤場所");
inline const std::string kSheetTotal = S("計");
inline const std::string kSheetNote = S("(注) この資料は、公的に使用します。");
inline const std::string kNoPrinter = S("このパソコンには、プリンタが接続されていません。");
inline const std::string kPrintJobFailed = S("印刷ｼﾞｮﾌﾞを開始できませんでした。");
inline const std::string kNoPrinterSettings =
    S("このパソコンには、プリンタが接続されていません。\nn( 印刷機能は使用できません。)");

// Working time.
inline const std::string kWorkRulesBad =
    S("【 vespin.ini 】の７行目(所定労働時間と休憩)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");

// ---- Working time as the law counts it.

inline const std::string kLawWeekBad =
    S("【 vespin.ini 】の８行目(労働時間)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");
inline const std::string kLawAgreementBad =
    S("【 vespin.ini 】の９行目(３６協定)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");
inline const std::string kLawCategoriesBad =
    S("【 vespin.ini 】の１０行目(出勤区分の意味)の次の項目は正しくありませんので、\n"
      "使用しません。");

// Line 8's words.
inline const std::string kLawNone = S("なし");
inline const std::string kLawPerDay = S("日ごと");
// Line 10's meanings.
inline const std::string kMeaningWorked = S("出勤");
inline const std::string kMeaningDeemed = S("出勤扱い");
inline const std::string kMeaningAbsent = S("欠勤");
inline const std::string kMeaningExcluded = S("除外");
inline const std::string kMeaningRest = S("休日");

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

// ---- The paid-leave ledger and the employee's employment details.

inline const std::string kLeaveFirstKey = S("初回");
inline const std::string kLeaveThenKey = S("以降");
inline const std::string kLeaveOrderKey = S("順");
// Keys of line 10 that belong to the paid-leave policy.
inline const std::string kLeavePolicyKeys[3] = {kLeaveFirstKey, kLeaveThenKey, kLeaveOrderKey};
inline const std::string kLeaveHireDate = S("入社日");
inline const std::string kLeaveOldestFirst = S("古い順");
inline const std::string kLeaveNewestFirst = S("新しい順");
inline const std::string kLeavePolicyBad =
    S("【 vespin.ini 】の１０行目(有給休暇の付与)の次の項目は正しくありませんので、\n"
      "デフォルトの設定とします。");

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

// ---- The month's report over many books.

inline const std::string kReportColumns[17] = {
    S("ファイル"),      S("社員番号"),          S("氏名"),           S("エラー"), S("出勤日数"),
    S("労働時間"),      S("法定時間外"),        S("法定休日"),       S("深夜"),   S("60時間超"),
    S("時間外+休日"),   S("2-6か月平均の最大"), S("45時間超の月数"), S("36協定"), S("有休の残日数"),
    S("5日取得の状況"), S("5日取得の期限"),
};
// The five days' status: met, pending, unmet.
inline const std::string kFiveDaysStatus[3] = {S("達成"), S("期限前"), S("未達成")};

}  // namespace texts
