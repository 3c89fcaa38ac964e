#pragma once

#include <QFont>
#include <QStringList>

// The program's one face "ＭＳ Ｐゴシック" for dialogs, status bar and the printed sheet; where it
// is not installed, IPAPGothic (the same metrics), then IPAGothic. pointSize > 0 sets the size.
QFont ProgramFont(int pointSize = -1);
