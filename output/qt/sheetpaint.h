#pragma once

#include <QByteArray>
#include <functional>
#include <string>

class CVespinDoc;
class QFont;
class QPainter;
class QString;

// The printed pages (the sheet, the leave ledger) are designed in the units of a 360 dpi page;
// a 2850 × 3800 sheet then fits A4.
inline constexpr int kSheetDpi = 360;

// Saves the painter's state and makes one unit 1/360 inch on a device of dotsPerInch, drawn
// antialiased; the caller restores it when the page is done.
void BeginSheetUnits(QPainter& painter, int dotsPerInch);

// BeginSheetUnits, then the report pages' body font (the program's, 44 units, unhinted so that
// the screen and paper measure alike) and pen (black, 3 units); returns the font.
QFont BeginReportPage(QPainter& painter, int dotsPerInch);

// One A4 portrait page as a PDF document, painted by paint at the writer's dots per inch.
// Needs a QGuiApplication.
QByteArray A4Pdf(const QString& title,
                 const std::function<void(QPainter&, int dotsPerInch)>& paint);

// Paints month `month` of fiscal year fiscalYear on the painter's page, whose device has
// dotsPerInch; the painter is scaled so that one sheet unit is 1/360 inch.
void PaintSheet(QPainter& painter, int dotsPerInch, const CVespinDoc& doc, int fiscalYear,
                int month);

// The sheet as a one-page A4 portrait PDF document. Needs a QGuiApplication.
QByteArray SheetPdf(const CVespinDoc& doc, int fiscalYear, int month);
