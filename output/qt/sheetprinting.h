#pragma once

#include <functional>

class CVespinDoc;
class QPainter;
class QPrinter;
class QString;
class QWidget;

// Printing of the monthly sheet for the day list: the application's printer settings, the
// print job, the preview and the printer setup. The page is the month selected in the tree.
namespace sheetprinting {

// The application's printer settings, kept for the whole run.
QPrinter& AppPrinter();

// Sets the application's printer to A4 portrait; run once, at the end of the day list's first
// initial update. Says so when no printer can be set up at all (a PDF file counts as a
// printer). Returns whether a printer is ready.
bool SetPrinterDefaults();

// 印刷 (57607): the print dialog, then the page. 57608: the page without the dialog.
void FilePrint(const CVespinDoc& doc, QWidget* parent, bool withDialog = true);
// One page on the application's printer, the print dialog first when asked: paint draws it
// at the printer's dots per inch while the 印刷中 box names the document; a failed job is
// reported.
void PrintOnePage(const QString& document, QWidget* parent, bool withDialog,
                  const std::function<void(QPainter&, int dotsPerInch)>& paint);
// 有給休暇管理簿's 印刷: the grant year containing date (a day number), as vpxtool ledger
// writes it.
void PrintLedger(const CVespinDoc& doc, int date, QWidget* parent);
// 印刷ﾌﾟﾚﾋﾞｭｰ (57609).
void FilePrintPreview(const CVespinDoc& doc, QWidget* parent);
// ﾌﾟﾘﾝﾀの設定 (57606).
void FilePrintSetup(QWidget* parent);

}  // namespace sheetprinting
