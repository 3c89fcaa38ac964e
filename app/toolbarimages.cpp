#include "app/toolbarimages.h"

#include <QPainter>
#include <QPainterPath>

#include "app/commandids.h"
#include "framework/qt/paintedicon.h"

namespace {

const QColor kInk(0x30, 0x30, 0x30);

QPen Pen(const QColor& c, qreal w = 1.0) {
    QPen pen(c, w);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A sheet with a folded corner.
void Sheet(QPainter& p, const QRectF& r, const QColor& fill = Qt::white) {
    const qreal fold = r.width() * 0.3;
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setPen(Pen(QColor(0x60, 0x60, 0x60)));
    p.setBrush(fill);
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(0xdd, 0xdd, 0xdd));
    p.drawPath(corner);
}

void NewFile(QPainter& p) {
    Sheet(p, QRectF(5.5, 2.5, 13, 19));
    // A spark for "new".
    p.setPen(Pen(QColor(0xe0, 0xa0, 0x00), 1.5));
    p.drawLine(QPointF(18, 13), QPointF(22, 13));
    p.drawLine(QPointF(20, 11), QPointF(20, 15));
}

void OpenFile(QPainter& p) {
    const QColor edge(0x8a, 0x66, 0x10);
    p.setPen(Pen(edge));
    p.setBrush(QColor(0xe8, 0xb8, 0x3a));
    QPainterPath back;
    back.moveTo(2.5, 20.5);
    back.lineTo(2.5, 5.5);
    back.lineTo(8.5, 5.5);
    back.lineTo(10.5, 7.5);
    back.lineTo(18.5, 7.5);
    back.lineTo(18.5, 20.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(0xf7, 0xd3, 0x62));
    QPainterPath front;
    front.moveTo(2.5, 20.5);
    front.lineTo(6.0, 11.5);
    front.lineTo(22.5, 11.5);
    front.lineTo(18.5, 20.5);
    front.closeSubpath();
    p.drawPath(front);
}

void SaveFile(QPainter& p) {
    p.setPen(Pen(QColor(0x1c, 0x3a, 0x70)));
    p.setBrush(QColor(0x3a, 0x6e, 0xc8));
    QPainterPath disk;
    disk.moveTo(3.5, 3.5);
    disk.lineTo(18.5, 3.5);
    disk.lineTo(20.5, 5.5);
    disk.lineTo(20.5, 20.5);
    disk.lineTo(3.5, 20.5);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 3.5, 11, 7));
    p.setBrush(QColor(0xc8, 0xcc, 0xd4));
    p.drawRect(QRectF(6.5, 13.5, 11, 7));
    p.fillRect(QRectF(14, 4.5, 2, 5), QColor(0x1c, 0x3a, 0x70));
}

void Print(QPainter& p) {
    Sheet(p, QRectF(7.5, 2.5, 9, 9));
    p.setPen(Pen(QColor(0x40, 0x40, 0x40)));
    p.setBrush(QColor(0xb0, 0xb4, 0xbc));
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 15.5, 11, 6));
    p.fillRect(QRectF(17.5, 11.5, 2, 1.5), QColor(0x20, 0xb0, 0x40));
}

// A desk calendar page, the base of the two year buttons.
void Calendar(QPainter& p) {
    p.setPen(Pen(QColor(0x50, 0x50, 0x50)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 4.5, 15, 15));
    p.fillRect(QRectF(3, 5, 14, 4), QColor(0xc8, 0x1e, 0x1e));
    p.setPen(Pen(kInk, 1.5));
    p.drawLine(QPointF(6.5, 3), QPointF(6.5, 6));
    p.drawLine(QPointF(13.5, 3), QPointF(13.5, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x70, 0x70, 0x70));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p.drawRect(QRectF(5 + c * 4, 11 + r * 2.7, 2, 1.6));
}

void YearAdd(QPainter& p) {
    Calendar(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x90, 0x30));
    p.drawEllipse(QPointF(18, 18), 5, 5);
    p.setPen(Pen(Qt::white, 2));
    p.drawLine(QPointF(15.5, 18), QPointF(20.5, 18));
    p.drawLine(QPointF(18, 15.5), QPointF(18, 20.5));
}

void YearDelete(QPainter& p) {
    Calendar(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0x20, 0x20));
    p.drawEllipse(QPointF(18, 18), 5, 5);
    p.setPen(Pen(Qt::white, 2));
    p.drawLine(QPointF(16, 16), QPointF(20, 20));
    p.drawLine(QPointF(20, 16), QPointF(16, 20));
}

void Employee(QPainter& p) {
    p.setPen(Pen(QColor(0x2a, 0x40, 0x60)));
    p.setBrush(QColor(0xf2, 0xc8, 0x9c));
    p.drawEllipse(QPointF(12, 8), 4.5, 4.5);
    p.setBrush(QColor(0x3a, 0x5a, 0x90));
    QPainterPath body;
    body.moveTo(3.5, 21.5);
    body.cubicTo(3.5, 15, 7, 13.5, 12, 13.5);
    body.cubicTo(17, 13.5, 20.5, 15, 20.5, 21.5);
    body.closeSubpath();
    p.drawPath(body);
}

void ExportMonth(QPainter& p) {
    Sheet(p, QRectF(2.5, 2.5, 14, 19));
    p.setPen(Pen(QColor(0x90, 0x90, 0x90), 0.8));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(5, 9 + i * 3), QPointF(14, 9 + i * 3));
    p.drawLine(QPointF(9, 8), QPointF(9, 18));
    // An arrow leaving the sheet: data sent to head office.
    p.setPen(Pen(QColor(0x20, 0x80, 0x30), 2));
    p.drawLine(QPointF(13, 16), QPointF(21, 16));
    p.setBrush(QColor(0x20, 0x80, 0x30));
    p.setPen(Pen(QColor(0x20, 0x80, 0x30), 1));
    QPainterPath head;
    head.moveTo(22.5, 16);
    head.lineTo(18.5, 12.5);
    head.lineTo(18.5, 19.5);
    head.closeSubpath();
    p.drawPath(head);
}

// A sheet of figures with a clock: the month's working time added up.
void WorkSummary(QPainter& p) {
    Sheet(p, QRectF(2.5, 2.5, 14, 19));
    p.setPen(Pen(QColor(0x90, 0x90, 0x90), 0.8));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(5, 8 + i * 3), QPointF(13, 8 + i * 3));
    p.setPen(Pen(QColor(0x1c, 0x3a, 0x70), 1));
    p.setBrush(QColor(0xe4, 0xee, 0xfc));
    p.drawEllipse(QPointF(16.5, 16.5), 5.5, 5.5);
    p.setPen(Pen(QColor(0x1c, 0x3a, 0x70), 1.4));
    p.drawLine(QPointF(16.5, 16.5), QPointF(16.5, 12.8));
    p.drawLine(QPointF(16.5, 16.5), QPointF(19, 18));
}

void Password(QPainter& p) {
    const QColor gold(0xd8, 0xa8, 0x20);
    p.setPen(Pen(QColor(0x7a, 0x5a, 0x08), 1));
    p.setBrush(gold);
    p.drawEllipse(QPointF(8, 9), 5.5, 5.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(6.5, 7.5), 1.6, 1.6);
    p.setBrush(gold);
    QPainterPath shaft;
    shaft.moveTo(11, 12);
    shaft.lineTo(20.5, 21.5);
    shaft.lineTo(18.5, 23);
    shaft.lineTo(17, 21.5);
    shaft.lineTo(15.5, 22.5);
    shaft.lineTo(14, 21);
    shaft.lineTo(15, 19.5);
    shaft.lineTo(9.5, 14);
    shaft.closeSubpath();
    p.drawPath(shaft);
}

// The program: a red attendance book with a clock face.
void Program(QPainter& p) {
    p.setPen(Pen(QColor(0x7a, 0x0e, 0x0e)));
    p.setBrush(QColor(0xf4, 0xf0, 0xe0));
    p.drawRect(QRectF(4.5, 19.5, 15, 3));
    p.setBrush(QColor(0xc8, 0x1e, 0x1e));
    p.drawRoundedRect(QRectF(3.5, 1.5, 16, 19), 1, 1);
    p.fillRect(QRectF(4, 2, 3, 18), QColor(0x7a, 0x0e, 0x0e));
    p.setPen(Pen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(13.5, 11), 5, 5);
    p.setPen(Pen(QColor(0x30, 0x30, 0x30), 1.2));
    p.drawLine(QPointF(13.5, 11), QPointF(13.5, 7.5));
    p.drawLine(QPointF(13.5, 11), QPointF(16, 12.5));
}

}  // namespace

QIcon toolbarimages::ButtonIcon(int id) {
    switch (id) {
        case cmd::kFileNew:
            return PaintedIcon(24, NewFile);
        case cmd::kFileOpen:
            return PaintedIcon(24, OpenFile);
        case cmd::kFileSave:
            return PaintedIcon(24, SaveFile);
        case cmd::kFilePrint:
            return PaintedIcon(24, Print);
        case cmd::kYearAdd:
            return PaintedIcon(24, YearAdd);
        case cmd::kYearDelete:
            return PaintedIcon(24, YearDelete);
        case cmd::kEmployeeInfo:
            return PaintedIcon(24, Employee);
        case cmd::kExportMonth:
            return PaintedIcon(24, ExportMonth);
        case cmd::kWorkSummary:
            return PaintedIcon(24, WorkSummary);
        case cmd::kPasswordSet:
            return PaintedIcon(24, Password);
        default:
            return {};
    }
}

QIcon toolbarimages::ProgramIcon() { return PaintedIcon(24, Program); }
