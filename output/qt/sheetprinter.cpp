#include "output/qt/sheetprinter.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "output/qt/sheetpaint.h"

namespace sheetprinting {

void SetUpSheetPrinter(QPrinter& printer) {
    printer.setResolution(kSheetDpi);
    printer.setFullPage(false);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // As small as the printer allows: the sheet is drawn from the printable area's corner.
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace sheetprinting
