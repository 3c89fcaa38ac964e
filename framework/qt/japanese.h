#pragma once

// Makes Qt's own dialogs and buttons speak Japanese (qtbase_ja.qm) and lets the program's
// font name "ＭＳ Ｐゴシック" find IPAPGothic, which has the same metrics, when it is absent.
// Returns false when the translation could not be loaded (the program still runs).
bool InstallJapaneseSupport();

// The family the program's texts ask for.
inline constexpr const char16_t* kProgramFontFamily = u"ＭＳ Ｐゴシック";
