#pragma once

#include <QByteArray>
#include <string>

class CVespinDoc;
class QPainter;

// The sheet is designed in the units of a 360 dpi page; a 2850 × 3800 sheet then fits A4.
inline constexpr int kSheetDpi = 360;

// Paints month `month` of fiscal year fiscalYear on the painter's page, whose device has
// dotsPerInch; the painter is scaled so that one sheet unit is 1/360 inch.
void PaintSheet(QPainter& painter, int dotsPerInch, const CVespinDoc& doc, int fiscalYear,
                int month);

// The sheet as a one-page A4 portrait PDF document. Needs a QGuiApplication.
QByteArray SheetPdf(const CVespinDoc& doc, int fiscalYear, int month);
