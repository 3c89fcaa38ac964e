#pragma once

#include <QString>

class QFileDialog;

// Makes Qt's own dialogs and buttons speak Japanese (qtbase_ja.qm and the few texts it lacks)
// in every locale, with Japanese dates and a proportional Japanese font. Returns false when
// the translation could not be loaded (the program still runs). The program's font is
// ProgramFont.
bool InstallJapaneseSupport();

// The text with its katakana half-width (ファイル → ﾌｧｲﾙ), as the framework writes them.
QString HalfWidthKatakana(const QString& text);

// The proportional Japanese family the windows use; empty when none is installed.
QString JapaneseUiFamily();

// Qt's own file dialog (not the desktop's), its dates written the Japanese way.
void UseJapaneseFileDialog(QFileDialog& dialog);
