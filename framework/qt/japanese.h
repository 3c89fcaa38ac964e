#pragma once

// Makes Qt's own dialogs and buttons speak Japanese (qtbase_ja.qm). Returns false when the
// translation could not be loaded (the program still runs). The program's font is ProgramFont.
bool InstallJapaneseSupport();
