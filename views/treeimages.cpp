#include "views/treeimages.h"

#include <QPainter>
#include <QPainterPath>

#include "framework/qt/paintedicon.h"

namespace {

QPen Outline(const QColor& c) {
    QPen pen(c, 1.0);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// 130: a closed filing cabinet with three drawers.
void Cabinet(QPainter& p) {
    p.setPen(Outline(QColor(0x4a, 0x3b, 0x2a)));
    p.setBrush(QColor(0xb8, 0x95, 0x63));
    p.drawRect(QRectF(2.5, 0.5, 11, 15));
    p.setBrush(QColor(0xd6, 0xb4, 0x80));
    for (int i = 0; i < 3; ++i) {
        const qreal top = 1.5 + i * 4.7;
        p.drawRect(QRectF(3.5, top, 9, 4));
        p.fillRect(QRectF(6.5, top + 1.5, 3, 1), QColor(0x4a, 0x3b, 0x2a));
    }
}

// 131: an open folder with a sheet standing in it.
void OpenFolder(QPainter& p) {
    const QColor edge(0x8a, 0x66, 0x10);
    p.setPen(Outline(edge));
    p.setBrush(QColor(0xe8, 0xb8, 0x3a));
    QPainterPath back;
    back.moveTo(0.5, 14.5);
    back.lineTo(0.5, 3.5);
    back.lineTo(5.0, 3.5);
    back.lineTo(6.5, 5.0);
    back.lineTo(13.5, 5.0);
    back.lineTo(13.5, 14.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setPen(Outline(QColor(0x70, 0x70, 0x70)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 1.5, 9, 10));
    p.setPen(QPen(QColor(0x60, 0x80, 0xc0), 0.8));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(5, 4 + i * 2), QPointF(11, 4 + i * 2));
    p.setPen(Outline(edge));
    p.setBrush(QColor(0xf7, 0xd3, 0x62));
    QPainterPath front;
    front.moveTo(0.5, 14.5);
    front.lineTo(3.0, 8.0);
    front.lineTo(15.5, 8.0);
    front.lineTo(13.5, 14.5);
    front.closeSubpath();
    p.drawPath(front);
}

const QColor kCover(0xc8, 0x1e, 0x1e);
const QColor kCoverDark(0x7a, 0x0e, 0x0e);

// 132: a closed red book seen from the front, pages showing at the bottom edge.
void ClosedBook(QPainter& p) {
    p.setPen(Outline(kCoverDark));
    p.setBrush(QColor(0xf4, 0xf0, 0xe0));
    p.drawRect(QRectF(3.5, 12.0, 10, 3.5));
    p.setBrush(kCover);
    p.drawRect(QRectF(2.5, 0.5, 11, 12.5));
    p.fillRect(QRectF(3.0, 1.0, 2.0, 11.5), kCoverDark);
    p.setPen(QPen(QColor(0xff, 0xd8, 0x60), 1.0));
    p.drawLine(QPointF(7, 4.5), QPointF(11.5, 4.5));
    p.drawLine(QPointF(7, 6.5), QPointF(11.5, 6.5));
}

// 133: an open red book, two pages spread over the cover.
void OpenBook(QPainter& p) {
    p.setPen(Outline(kCoverDark));
    p.setBrush(kCover);
    p.drawRect(QRectF(0.5, 3.5, 15, 10));
    p.setPen(Outline(QColor(0x80, 0x70, 0x60)));
    p.setBrush(QColor(0xfc, 0xfa, 0xf2));
    QPainterPath left;
    left.moveTo(8, 4.5);
    left.cubicTo(6, 2.5, 3, 2.5, 1.5, 3.0);
    left.lineTo(1.5, 12.0);
    left.cubicTo(3, 11.5, 6, 11.5, 8, 13.0);
    left.closeSubpath();
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(8, 4.5);
    right.cubicTo(10, 2.5, 13, 2.5, 14.5, 3.0);
    right.lineTo(14.5, 12.0);
    right.cubicTo(13, 11.5, 10, 11.5, 8, 13.0);
    right.closeSubpath();
    p.drawPath(right);
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.7));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 5.5 + i * 2;
        p.drawLine(QPointF(3, y), QPointF(6.5, y + 0.3));
        p.drawLine(QPointF(9.5, y + 0.3), QPointF(13, y));
    }
}

IconArtwork Artwork(int image) {
    switch (image) {
        case 0:
            return Cabinet;
        case 1:
            return OpenFolder;
        case 2:
            return ClosedBook;
        default:
            return OpenBook;
    }
}

}  // namespace

QIcon treeimages::ItemIcon(int image, int selectedImage) {
    return PaintedIcon(16, Artwork(image), Artwork(selectedImage));
}
