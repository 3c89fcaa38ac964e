#pragma once

#include <QIcon>

// An image of the program's resource (res/icons.qrc), named by its SVG file without ".svg".
// The selected look is its own file or, by default, the normal one, so that a selected item's
// image stays untinted; the disabled look is derived by the style.
QIcon ResourceIcon(const char* normal, const char* selected = nullptr);
