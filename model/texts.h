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
inline const std::string kCompanyHolidayBadField = S("%1番目の項目「%2」");
inline const std::string kCompanyHolidayMore = S("ほか %1 項目");
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
// Both lines name their fields the same way.
inline const std::string kWorkRulesBadField = S("\n%1番目の項目「%2」");
inline const std::string kWorkRulesBadMore = S("\nほか %1 項目");

}  // namespace texts
