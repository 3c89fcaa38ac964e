#include "views/dayimages.h"

#include <QPainter>
#include <QPainterPath>

#include "framework/qt/paintedicon.h"
#include "model/dayrecord.h"

namespace {

QPen Outline(const QColor& c, qreal width = 1.0) {
    QPen pen(c, width);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// 140: an open book seen from above, two pages with lines of text.
void OpenBook(QPainter& p) {
    const QColor cover(0x2f, 0x5d, 0xa8);
    p.setPen(Outline(cover.darker(140)));
    p.setBrush(cover);
    QPainterPath back;
    back.moveTo(0.5, 4.0);
    back.lineTo(8.0, 5.5);
    back.lineTo(15.5, 4.0);
    back.lineTo(15.5, 14.5);
    back.lineTo(8.0, 15.5);
    back.lineTo(0.5, 14.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setPen(Outline(QColor(0x80, 0x80, 0x80)));
    p.setBrush(Qt::white);
    QPainterPath left;
    left.moveTo(1.5, 2.5);
    left.quadTo(5.0, 2.0, 8.0, 4.0);
    left.lineTo(8.0, 14.0);
    left.quadTo(5.0, 12.5, 1.5, 13.0);
    left.closeSubpath();
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(14.5, 2.5);
    right.quadTo(11.0, 2.0, 8.0, 4.0);
    right.lineTo(8.0, 14.0);
    right.quadTo(11.0, 12.5, 14.5, 13.0);
    right.closeSubpath();
    p.drawPath(right);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.7));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 5.5 + i * 2.2;
        p.drawLine(QPointF(3.0, y), QPointF(6.8, y + 0.4));
        p.drawLine(QPointF(9.2, y + 0.4), QPointF(13.0, y));
    }
}

// One closed book lying flat: cover, page edges on the right.
void FlatBook(QPainter& p, const QRectF& r, const QColor& cover) {
    p.setPen(Outline(cover.darker(160)));
    p.setBrush(cover);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf0, 0xe0));
    p.drawRect(QRectF(r.right() - 3.0, r.top() + 1.0, 2.5, r.height() - 2.0));
    p.setBrush(cover.lighter(150));
    p.drawRect(QRectF(r.left() + 2.0, r.top() + 1.0, 1.0, r.height() - 2.0));
}

// 145: a stack of three closed books.
void BookStack(QPainter& p) {
    FlatBook(p, QRectF(0.5, 11.0, 15.0, 4.5), QColor(0xc8, 0x1e, 0x1e));
    FlatBook(p, QRectF(2.0, 6.5, 12.5, 4.5), QColor(0x2e, 0x8b, 0x3e));
    FlatBook(p, QRectF(1.0, 2.0, 13.0, 4.5), QColor(0x2f, 0x5d, 0xa8));
}

// 146: four books standing on a shelf board.
void BookShelf(QPainter& p) {
    struct Spine {
        qreal x, top, width;
        QColor colour;
    };
    const Spine spines[] = {{1.5, 3.0, 3.0, QColor(0xc8, 0x1e, 0x1e)},
                            {4.5, 1.5, 3.5, QColor(0x2f, 0x5d, 0xa8)},
                            {8.0, 4.0, 2.5, QColor(0x2e, 0x8b, 0x3e)},
                            {10.5, 2.5, 3.0, QColor(0xd8, 0x9a, 0x1c)}};
    for (const Spine& s : spines) {
        p.setPen(Outline(s.colour.darker(170)));
        p.setBrush(s.colour);
        p.drawRect(QRectF(s.x, s.top, s.width, 12.5 - s.top));
        p.setPen(QPen(s.colour.lighter(160), 0.8));
        p.drawLine(QPointF(s.x + 0.8, s.top + 2.0), QPointF(s.x + s.width - 0.8, s.top + 2.0));
    }
    p.setPen(Outline(QColor(0x5a, 0x3a, 0x1a)));
    p.setBrush(QColor(0x9a, 0x6a, 0x3a));
    p.drawRect(QRectF(0.5, 12.5, 15.0, 3.0));
}

}  // namespace

namespace dayimages {

QIcon Image(int index) {
    switch (index) {
        case 0:
            return PaintedIcon(16, OpenBook);
        case 1:
            return PaintedIcon(16, BookStack);
        case 2:
            return PaintedIcon(16, BookShelf);
    }
    return {};
}

int ForDayType(int32_t dayType) {
    switch (dayType) {
        case kSaturday:
            return 2;
        case kHoliday:
            return 1;
        default:
            return 0;
    }
}

}  // namespace dayimages
