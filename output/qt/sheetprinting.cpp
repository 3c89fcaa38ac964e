#include "output/qt/sheetprinting.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "framework/qt/messagebox.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "output/qt/printingbox.h"
#include "output/qt/printsetupdlg.h"
#include "output/qt/sheetpaint.h"
#include "output/qt/sheetpreview.h"

namespace sheetprinting {
namespace {

QPrinter*& PrinterSlot() {
    static QPrinter* printer = nullptr;
    return printer;
}

void ReleasePrinter() {
    delete PrinterSlot();
    PrinterSlot() = nullptr;
}

}  // namespace

void SetUpSheetPrinter(QPrinter& printer) {
    printer.setResolution(kSheetDpi);
    printer.setFullPage(false);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // As small as the printer allows: the sheet is drawn from the printable area's corner.
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QPrinter& AppPrinter() {
    QPrinter*& printer = PrinterSlot();
    if (!printer) {
        printer = new QPrinter(QPrinter::HighResolution);
        // Released with the application, while the print support it uses is still there.
        qAddPostRoutine(ReleasePrinter);
    }
    return *printer;
}

bool SetPrinterDefaults() {
    QPrinter& printer = AppPrinter();
    if (!printer.isValid()) {
        VespinMessageBox(texts::kNoPrinter);
        return false;
    }
    SetUpSheetPrinter(printer);
    const QPageLayout layout = printer.pageLayout();
    if (layout.pageSize().id() != QPageSize::A4 || layout.orientation() != QPageLayout::Portrait) {
        VespinMessageBox(texts::kNoPrinterSettings);
        return false;
    }
    return true;
}

bool PrintPage(QPrinter& printer, const CVespinDoc& doc) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PaintSheet(painter, printer.resolution(), doc, doc.SelYear(), doc.SelMonth());
    return painter.end();
}

void FilePrint(const CVespinDoc& doc, QWidget* parent, bool withDialog) {
    QPrinter& printer = AppPrinter();
    // The sheet is always one page.
    printer.setFromTo(0, 0);
    if (withDialog) {
        QPrintDialog dlg(&printer, parent);
        dlg.setObjectName(QStringLiteral("printDialog"));
        dlg.setMinMax(1, 1);
        if (dlg.exec() != QDialog::Accepted) return;
    }
    const QString target = printer.outputFileName().isEmpty()
                               ? printer.printerName()
                               : QFileInfo(printer.outputFileName()).fileName();
    CPrintingBox box(ToQ(doc.GetTitle()), target, parent);
    if (!box.ShowAndWait()) return;
    const bool printed = PrintPage(printer, doc);
    box.hide();
    if (!printed) VespinMessageBox(texts::kPrintJobFailed, MsgKind::ok, parent);
}

void PrintOtherPage(const QString& document, const std::function<void(QPainter&, int)>& paint,
                    QWidget* parent) {
    QPrinter& printer = AppPrinter();
    printer.setFromTo(0, 0);
    QPrintDialog dlg(&printer, parent);
    dlg.setObjectName(QStringLiteral("printDialog"));
    dlg.setMinMax(1, 1);
    if (dlg.exec() != QDialog::Accepted) return;
    const QString target = printer.outputFileName().isEmpty()
                               ? printer.printerName()
                               : QFileInfo(printer.outputFileName()).fileName();
    CPrintingBox box(document, target, parent);
    if (!box.ShowAndWait()) return;
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        paint(painter, printer.resolution());
        printed = painter.end();
    }
    box.hide();
    if (!printed) VespinMessageBox(texts::kPrintJobFailed, MsgKind::ok, parent);
}

void FilePrintPreview(const CVespinDoc& doc, QWidget* parent) {
    int result = 0;
    {
        CSheetPreviewDlg dlg(AppPrinter(), doc, parent);
        result = dlg.exec();
    }
    // 印刷 in the preview's bar: the preview closes, then the print command runs.
    if (result == CSheetPreviewDlg::kPrintRequested) FilePrint(doc, parent);
}

void FilePrintSetup(QWidget* parent) {
    CPrintSetupDlg dlg(AppPrinter(), parent);
    dlg.exec();
}

}  // namespace sheetprinting
