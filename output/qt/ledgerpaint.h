#pragma once

#include <QByteArray>

class CVespinDoc;
class QPainter;

// The printed 年次有給休暇管理簿 of one grant year: the employee, the base date with the days
// granted and their attendance, every date taken in the year with its days, the days left and
// lapsed, and the five days with their deadline. One A4 portrait page at 360 dpi.

// Whether the book has a grant on or before `date` to print (a hire date and a grant by then).
bool HasLedgerYear(const CVespinDoc& doc, int date);
// Paints the grant year containing `date` (a day number) on the painter's page, whose device
// has dotsPerInch.
void PaintLedger(QPainter& painter, int dotsPerInch, const CVespinDoc& doc, int date);
// The page as a PDF document. Needs a QGuiApplication.
QByteArray LedgerPdf(const CVespinDoc& doc, int date);
