#pragma once

#include <QByteArray>

class CVespinDoc;
class QPainter;

// The printed pages of 月の集計 and of 36協定の状況: one A4 portrait page each, at 360 dpi,
// laid out by output/lawreport.

// Paints 月の集計 of month `month` of fiscal year fiscalYear on the painter's page, whose
// device has dotsPerInch.
void PaintWorkSummary(QPainter& painter, int dotsPerInch, const CVespinDoc& doc, int fiscalYear,
                      int month);
// Paints 36協定の状況 of the agreement year holding month `month` of fiscal year fiscalYear.
void PaintAgreement(QPainter& painter, int dotsPerInch, const CVespinDoc& doc, int fiscalYear,
                    int month);
// The pages as PDF documents. Need a QGuiApplication.
QByteArray WorkSummaryPdf(const CVespinDoc& doc, int fiscalYear, int month);
QByteArray AgreementPdf(const CVespinDoc& doc, int fiscalYear, int month);
