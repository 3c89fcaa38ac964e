#include "output/qt/sheetpaint.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include "framework/qt/programfont.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "output/attendancesheet.h"
#include "output/qt/qtsheetcanvas.h"

void BeginSheetUnits(QPainter& painter, int dotsPerInch) {
    painter.save();
    if (dotsPerInch > 0 && dotsPerInch != kSheetDpi) {
        const double s = static_cast<double>(dotsPerInch) / kSheetDpi;
        painter.scale(s, s);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

QFont BeginReportPage(QPainter& painter, int dotsPerInch) {
    BeginSheetUnits(painter, dotsPerInch);
    QFont font = ProgramFont();
    font.setPixelSize(44);
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(font);
    QPen pen(Qt::black);
    pen.setWidth(3);
    painter.setPen(pen);
    return font;
}

QByteArray A4Pdf(const QString& title,
                 const std::function<void(QPainter&, int dotsPerInch)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kSheetDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setCreator(ToQ(texts::kAppTitle));
        writer.setTitle(title);
        QPainter painter(&writer);
        paint(painter, writer.resolution());
    }
    buffer.close();
    return bytes;
}

void PaintSheet(QPainter& painter, int dotsPerInch, const CVespinDoc& doc, int fiscalYear,
                int month) {
    BeginSheetUnits(painter, dotsPerInch);
    CQtSheetCanvas canvas(painter);
    DrawAttendanceSheet(canvas, doc, fiscalYear, month);
    painter.restore();
}

QByteArray SheetPdf(const CVespinDoc& doc, int fiscalYear, int month) {
    return A4Pdf(ToQ(texts::kSheetTitle), [&](QPainter& painter, int dpi) {
        PaintSheet(painter, dpi, doc, fiscalYear, month);
    });
}
