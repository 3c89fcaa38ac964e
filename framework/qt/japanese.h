#pragma once

#include <QString>

class QFileDialog;

// Makes Qt's own dialogs and buttons speak Japanese (qtbase_ja.qm and the few texts it lacks)
// in every locale, with Japanese dates and a proportional Japanese font, and lets the
// program's font name "ＭＳ Ｐゴシック" find IPAPGothic, which has the same metrics, when it is
// absent. Returns false when the translation could not be loaded (the program still runs).
bool InstallJapaneseSupport();

// The proportional Japanese family the windows use; empty when none is installed.
QString JapaneseUiFamily();

// Qt's own file dialog (not the desktop's), its dates written the Japanese way.
void UseJapaneseFileDialog(QFileDialog& dialog);

// The family the program's texts ask for.
inline constexpr const char16_t* kProgramFontFamily = u"ＭＳ Ｐゴシック";
