#pragma once

#include <QString>
#include <string>

#include "framework/encoded.h"
#include "framework/uitext.h"

// The one place where the core's texts and paths meet Qt's UTF-16 strings. Each takes its
// encoding's type: ToQ a Shift-JIS text or a UiText, PathToQ a path; a plain std::string goes
// through neither until it is named (Sjis(…) for the book's bytes, Utf8Path(…) for a path).
QString ToQ(const Sjis& text);
inline QString ToQ(const UiText& text) { return QString::fromStdString(text.Utf8()); }
Sjis FromQ(const QString& text);

inline QString PathToQ(const Utf8Path& path) { return QString::fromStdString(path); }
inline Utf8Path PathFromQ(const QString& path) { return Utf8Path(path.toStdString()); }
