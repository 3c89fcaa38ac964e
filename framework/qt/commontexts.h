#pragma once

#include <QString>

// The words of buttons and titles that many windows share, spelled once.
namespace commontexts {

inline QString Ok() { return QStringLiteral("OK"); }
inline QString Cancel() { return QStringLiteral("ｷｬﾝｾﾙ"); }
inline QString Open() { return QStringLiteral("開く"); }
inline QString SaveAs() { return QStringLiteral("名前を付けて保存"); }

}  // namespace commontexts
