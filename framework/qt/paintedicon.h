#pragma once

#include <QIcon>
#include <functional>

class QPainter;

// Draws an icon on a square canvas of designSize units; the painter is already scaled, so
// the artwork stays sharp at every size and device pixel ratio.
using IconArtwork = std::function<void(QPainter& p)>;

// An icon drawn by code: normal for the normal state, selected (when given) for an item
// that is selected; the disabled look is derived by the style.
QIcon PaintedIcon(int designSize, IconArtwork normal, IconArtwork selected = {});
