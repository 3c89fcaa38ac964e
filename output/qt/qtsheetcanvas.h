#pragma once

#include <QFont>

#include "output/sheetcanvas.h"

class QPainter;

// The sheet's surface on a QPainter: a printer page, a preview page or a PDF page. The painter
// must already map one unit to 1/360 inch (see sheetpaint.h).
class CQtSheetCanvas : public ISheetCanvas {
public:
    explicit CQtSheetCanvas(QPainter& painter);

    void SelectPen(int width) override;
    int SelectFont(int height, int weight) override;
    void SetTransparentBackground() override;
    void Text(int x, int y, const std::string& text) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void FillRect(int left, int top, int right, int bottom, int red, int green, int blue) override;
    void RestoreTools() override;

    // The face the sheet asks for, with the installed face of the same metrics behind it.
    static QFont SheetFont(int height, int weight);

private:
    QPainter& m_painter;
    bool m_bSaved = false;
};
