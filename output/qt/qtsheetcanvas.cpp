#include "output/qt/qtsheetcanvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <cmath>

#include "framework/qt/programfont.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"

CQtSheetCanvas::CQtSheetCanvas(QPainter& painter) : m_painter(painter) {
    // A printer's device context draws text on an opaque white box until told otherwise.
    m_painter.setBackground(Qt::white);
    m_painter.setBackgroundMode(Qt::OpaqueMode);
}

QFont CQtSheetCanvas::SheetFont(int height, int weight) {
    QFont font = ProgramFont();
    font.setPixelSize(height);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    // Positions are designed in whole device units; no hinting moves them.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void CQtSheetCanvas::SelectPen(int width) {
    if (!m_bSaved) {
        m_painter.save();
        m_bSaved = true;
    }
    m_painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

int CQtSheetCanvas::SelectFont(int height, int weight) {
    const QFont font = SheetFont(height, weight);
    m_painter.setFont(font);
    const QFontMetricsF fm(font, m_painter.device());
    return static_cast<int>(std::lround(fm.height() + fm.leading()));
}

void CQtSheetCanvas::SetTransparentBackground() {
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

void CQtSheetCanvas::Text(int x, int y, const std::string& text) {
    const QFontMetricsF fm(m_painter.font(), m_painter.device());
    m_painter.drawText(QPointF(x, y + fm.ascent()), ToQ(Sjis(text)));
}

void CQtSheetCanvas::Line(int x1, int y1, int x2, int y2) {
    m_painter.drawLine(QPoint(x1, y1), QPoint(x2, y2));
}

void CQtSheetCanvas::FillRect(int left, int top, int right, int bottom, int red, int green,
                              int blue) {
    m_painter.fillRect(QRect(left, top, right - left, bottom - top), QColor(red, green, blue));
}

void CQtSheetCanvas::RestoreTools() {
    if (m_bSaved) {
        m_painter.restore();
        m_bSaved = false;
    }
}
