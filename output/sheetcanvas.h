#pragma once

#include <string>

// What the monthly sheet asks of the surface it is drawn on: a printer page, a PDF page or a
// recording in the tests. Coordinates are device units, x to the right, y downward; a text's
// position is the top-left corner of its character cell. Texts are Shift-JIS.
class ISheetCanvas {
public:
    virtual ~ISheetCanvas() = default;

    // Remembers the current pen and font so that RestoreTools can put them back, then selects
    // a solid black pen of the given width for every following line.
    virtual void SelectPen(int width) = 0;
    // Creates the sheet's font (the program's face) with the given character cell height
    // and weight, selects it and releases the font it replaces. Returns the font's line
    // height on this surface: text height plus external leading.
    virtual int SelectFont(int height, int weight) = 0;
    // From now on texts leave what lies under them visible.
    virtual void SetTransparentBackground() = 0;
    virtual void Text(int x, int y, const std::string& text) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Fills left <= x < right, top <= y < bottom with a solid colour.
    virtual void FillRect(int left, int top, int right, int bottom, int red, int green,
                          int blue) = 0;
    // Puts back the pen and font that were selected before SelectPen, releasing the last font.
    virtual void RestoreTools() = 0;
};
