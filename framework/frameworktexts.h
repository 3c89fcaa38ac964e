#pragma once

#include <string>
#include <string_view>

#include "framework/sjis.h"

// The framework's own texts, held as Shift-JIS bytes like every other text of the core.
// The source spells them in UTF-8; each is converted once, on first use of this header's
// variables (inline variables are initialised before anything that follows them).
namespace texts {

inline std::string S(std::string_view utf8) { return sjis::FromUtf8(utf8); }

// Replaces every "%1" (and "%2") in a Shift-JIS template. "%" never occurs inside a
// double-byte character, so a byte-wise search is safe.
std::string Format1(const std::string& fmt, const std::string& a1);
std::string Format2(const std::string& fmt, const std::string& a1, const std::string& a2);

inline const std::string kAppTitle = S("ヴェスピン");
inline const std::string kUntitled = S("無題");

// File errors.
inline const std::string kFileErrGeneric = S("%1 へのｱｸｾｽ中に不明なｴﾗｰが発生しました。");
inline const std::string kFileErrNotFound = S("%1 が見つかりませんでした。");
inline const std::string kFileErrBadPath = S("%1 には無効なﾊﾟｽが含まれています。");
inline const std::string kFileErrTooMany =
    S("開いているﾌｧｲﾙが多すぎるため、%1 を開けませんでした。");
inline const std::string kFileErrAccess = S("%1 へのｱｸｾｽは拒否されました。");
inline const std::string kFileErrInvalidHandle =
    S("%1 へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられていました。");
inline const std::string kFileErrRemoveDir = S("現在のﾃﾞｨﾚｸﾄﾘ %1 は削除できませんでした。");
inline const std::string kFileErrDirFull =
    S("%1 を作成できませんでした。そのﾃﾞｨﾚｸﾄﾘはいっぱいです。");
inline const std::string kFileErrBadSeek = S("%1 のｼｰｸに失敗しました。");
inline const std::string kFileErrHardIO = S("%1 へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。");
inline const std::string kFileErrSharing = S("%1 へのｱｸｾｽ中に共有違反が発生しました。");
inline const std::string kFileErrLock = S("%1 へのｱｸｾｽ中にﾛｯｸ違反が発生しました。");
inline const std::string kFileErrDiskFull = S("%1 へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
inline const std::string kFileErrEndOfFile = S("%1 の末尾以降にｱｸｾｽしようとしました。");

// Document open and save.
inline const std::string kInvalidFormat = S("予期しないﾌｧｲﾙ形式です。");
inline const std::string kFailedToOpen = S("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。");
inline const std::string kInvalidFileName = S("無効なﾌｧｲﾙ名です。");
inline const std::string kFailedToSave = S("ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。");
inline const std::string kSavePrompt = S("%1 への変更を保存しますか?");
// A menu command that failed where no file-specific text applies.
inline const std::string kCommandFailed = S("ｺﾏﾝﾄﾞの実行に失敗しました。");

// Keeping a book safe: one writer at a time, and nothing overwritten unasked.
inline const std::string kBookInUse = S("%1 は他のウィンドウまたはプログラムで編集中です。");
inline const std::string kBookInUseReadOnly =
    S("%1 は他のウィンドウまたはプログラムで編集中のため、読み取り専用で開きます。\n"
      "変更を保存するときは、別の名前を付けて下さい。");
inline const std::string kBookChangedOnDisk =
    S("%1 は、開いた後に他のプログラムによって変更されています。\n上書き保存しますか?");
inline const std::string kBookExists =
    S("%1 は既にあります。上書きしないため、新しい出勤簿は別の名前で作成して下さい。");
inline const std::string kOutputIsBook =
    S("%1 は出勤簿のため、出力で上書きできません。別のファイル名を指定して下さい。");
inline const std::string kBookGoneFromDisk =
    S("%1 は、開いた後に名前が変えられたか削除されています。\n"
      "この名前で新しく保存しますか?");
inline const std::string kBookHardLinked =
    S("%1 には別の名前 (ハードリンク) があります。\n"
      "保存すると、別の名前のファイルは以前の内容のままになります。保存しますか?");

// A save that kept no backup generation.
inline const std::string kBackupFailed =
    S("ファイルは保存しましたが、バックアップを作成できませんでした。\n%1");

}  // namespace texts
