#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "framework/encoded.h"
#include "framework/sjis.h"

// The framework's own texts, held as Shift-JIS bytes like every other text of the core.
// The source spells them in UTF-8; each is converted once, on first use of this header's
// variables (inline variables are initialised before anything that follows them).
namespace texts {

inline Sjis S(std::string_view utf8) { return Sjis(sjis::FromUtf8(utf8)); }

// Replaces every "%1" … "%9" in a Shift-JIS (or UTF-8) template by the arguments, in one pass, so
// an argument that itself holds "%2" is left alone. "%" never occurs inside a double-byte
// character, so a byte-wise search is safe. The program's one way to put values into a text.
std::string Format(const std::string& fmt, std::initializer_list<std::string> args);
inline std::string Format1(const std::string& fmt, const std::string& a1) {
    return Format(fmt, {a1});
}
inline std::string Format2(const std::string& fmt, const std::string& a1, const std::string& a2) {
    return Format(fmt, {a1, a2});
}

inline const Sjis kAppTitle = S("ヴェスピン");
inline const Sjis kUntitled = S("無題");

// File errors.
inline const Sjis kFileErrGeneric = S("%1 へのｱｸｾｽ中に不明なｴﾗｰが発生しました。");
inline const Sjis kFileErrNotFound = S("%1 が見つかりませんでした。");
inline const Sjis kFileErrBadPath = S("%1 には無効なﾊﾟｽが含まれています。");
inline const Sjis kFileErrTooMany = S("開いているﾌｧｲﾙが多すぎるため、%1 を開けませんでした。");
inline const Sjis kFileErrAccess = S("%1 へのｱｸｾｽは拒否されました。");
inline const Sjis kFileErrInvalidHandle = S("%1 へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられていました。");
inline const Sjis kFileErrRemoveDir = S("現在のﾃﾞｨﾚｸﾄﾘ %1 は削除できませんでした。");
inline const Sjis kFileErrDirFull = S("%1 を作成できませんでした。そのﾃﾞｨﾚｸﾄﾘはいっぱいです。");
inline const Sjis kFileErrBadSeek = S("%1 のｼｰｸに失敗しました。");
inline const Sjis kFileErrHardIO = S("%1 へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。");
inline const Sjis kFileErrSharing = S("%1 へのｱｸｾｽ中に共有違反が発生しました。");
inline const Sjis kFileErrLock = S("%1 へのｱｸｾｽ中にﾛｯｸ違反が発生しました。");
inline const Sjis kFileErrDiskFull = S("%1 へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
inline const Sjis kFileErrEndOfFile = S("%1 の末尾以降にｱｸｾｽしようとしました。");

// Document open and save.
inline const Sjis kInvalidFormat = S("予期しないﾌｧｲﾙ形式です。");
inline const Sjis kFailedToOpen = S("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。");
inline const Sjis kInvalidFileName = S("無効なﾌｧｲﾙ名です。");
inline const Sjis kFailedToSave = S("ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。");
inline const Sjis kSavePrompt = S("%1 への変更を保存しますか?");
// A menu command that failed where no file-specific text applies.
inline const Sjis kCommandFailed = S("ｺﾏﾝﾄﾞの実行に失敗しました。");

// Keeping a book safe: one writer at a time, and nothing overwritten unasked.
inline const Sjis kBookInUse = S("%1 は他のウィンドウまたはプログラムで編集中です。");
inline const Sjis kBookInUseReadOnly =
    S("%1 は他のウィンドウまたはプログラムで編集中のため、読み取り専用で開きます。\n"
      "変更を保存するときは、別の名前を付けて下さい。");
inline const Sjis kBookChangedOnDisk =
    S("%1 は、開いた後に他のプログラムによって変更されています。\n上書き保存しますか?");
inline const Sjis kBookExists =
    S("%1 は既にあります。上書きしないため、新しい出勤簿は別の名前で作成して下さい。");
inline const Sjis kOutputIsBook =
    S("%1 は出勤簿のため、出力で上書きできません。別のファイル名を指定して下さい。");
inline const Sjis kBookGoneFromDisk =
    S("%1 は、開いた後に名前が変えられたか削除されています。\n"
      "この名前で新しく保存しますか?");
inline const Sjis kBookHardLinked =
    S("%1 には別の名前 (ハードリンク) があります。\n"
      "保存すると、別の名前のファイルは以前の内容のままになります。保存しますか?");

// A save that kept no backup generation.
inline const Sjis kBackupFailed =
    S("ファイルは保存しましたが、バックアップを作成できませんでした。\n%1");

}  // namespace texts
