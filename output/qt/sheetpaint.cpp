#include "output/qt/sheetpaint.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "output/attendancesheet.h"
#include "output/qt/qtsheetcanvas.h"

void PaintSheet(QPainter& painter, int dotsPerInch, const CVespinDoc& doc, int fiscalYear,
                int month) {
    painter.save();
    if (dotsPerInch > 0 && dotsPerInch != kSheetDpi) {
        const double s = static_cast<double>(dotsPerInch) / kSheetDpi;
        painter.scale(s, s);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    CQtSheetCanvas canvas(painter);
    DrawAttendanceSheet(canvas, doc, fiscalYear, month);
    painter.restore();
}

QByteArray SheetPdf(const CVespinDoc& doc, int fiscalYear, int month) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kSheetDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setCreator(ToQ(texts::kAppTitle));
        writer.setTitle(ToQ(texts::kSheetTitle));
        QPainter painter(&writer);
        PaintSheet(painter, writer.resolution(), doc, fiscalYear, month);
    }
    buffer.close();
    return bytes;
}
