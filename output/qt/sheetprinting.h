#pragma once

#include <functional>

class CVespinDoc;
class QPainter;
class QString;
class QPrinter;
class QWidget;

// Printing of the monthly sheet for the day list: the application's printer settings, the
// print job, the preview and the printer setup. The page is the month selected in the tree.
namespace sheetprinting {

// Makes the printer what the sheet expects: A4 portrait, 360 dpi, the page's printable area
// as the origin.
void SetUpSheetPrinter(QPrinter& printer);

// The application's printer settings, kept for the whole run.
QPrinter& AppPrinter();

// Sets the application's printer to A4 portrait; run once, at the end of the day list's first
// initial update. Says so when no printer can be set up at all (a PDF file counts as a
// printer). Returns whether a printer is ready.
bool SetPrinterDefaults();

// OnPrint: draws the selected month on the printer's one page. False when the print job could
// not be started.
bool PrintPage(QPrinter& printer, const CVespinDoc& doc);

// 印刷 (57607): the print dialog, then the page. 57608: the page without the dialog.
void FilePrint(const CVespinDoc& doc, QWidget* parent, bool withDialog = true);
// A page of the program's other than the sheet (月の集計, 36協定の状況): the print dialog, then
// paint(painter, dotsPerInch) on the application's printer; document names the job.
void PrintOtherPage(const QString& document, const std::function<void(QPainter&, int)>& paint,
                    QWidget* parent);
// 印刷ﾌﾟﾚﾋﾞｭｰ (57609).
void FilePrintPreview(const CVespinDoc& doc, QWidget* parent);
// ﾌﾟﾘﾝﾀの設定 (57606).
void FilePrintSetup(QWidget* parent);

}  // namespace sheetprinting
