#pragma once

#include <QString>
#include <string>

#include "framework/uitext.h"

// The one place where the core's Shift-JIS texts meet Qt's UTF-16 strings.
QString ToQ(const std::string& sjis);
std::string FromQ(const QString& text);
inline QString ToQ(const UiText& text) { return QString::fromStdString(text.Utf8()); }

// Paths are UTF-8 in the core (the file system's encoding).
inline QString PathToQ(const std::string& path) { return QString::fromStdString(path); }
inline std::string PathFromQ(const QString& path) { return path.toStdString(); }
