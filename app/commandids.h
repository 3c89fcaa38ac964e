#pragma once

// Command ids shared by the menus, the tool bar and the accelerators.
namespace cmd {

constexpr int kYearAdd = 32771;
constexpr int kYearDelete = 32774;
constexpr int kExportMonth = 32776;
constexpr int kEmployeeInfo = 32777;
constexpr int kPasswordSet = 32781;
constexpr int kCreateShortcut = 32785;
constexpr int kFileOpenBackup = 32800;  // バックアップから開く
// 年度メニュー: type the selected year's days again by the current calendar rules.
constexpr int kYearRetype = 32812;
constexpr int kWorkSummary = 32813;  // 月の集計
// 処理メニュー → 法定休日の指定 / 所定労働日の指定 of the selected day: by the rules, yes, no.
constexpr int kMarkLegalHolidayAuto = 32814;
constexpr int kMarkLegalHolidayYes = 32815;
constexpr int kMarkLegalHolidayNo = 32816;
constexpr int kMarkWorkdayAuto = 32817;
constexpr int kMarkWorkdayYes = 32818;
constexpr int kMarkWorkdayNo = 32819;
constexpr int kAgreementYear = 32820;   // 36協定の状況
constexpr int kLeaveLedger = 32830;     // 有給休暇管理簿
constexpr int kEmploymentInfo = 32831;  // 雇用情報の設定
constexpr int kFolderReport = 32840;    // フォルダの集計

constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAs = 57604;
constexpr int kFilePrintSetup = 57606;
constexpr int kFilePrint = 57607;
constexpr int kFilePrintPreview = 57609;
constexpr int kFileMruFile1 = 57616;
constexpr int kAppExit = 57665;

constexpr int kViewToolBar = 59392;
constexpr int kViewStatusBar = 59393;

}  // namespace cmd
