// The law's views: a day marked from the menu and the day list, 36協定の状況, and both pages
// printed to PDF.
#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "dialogs/agreementdlg.h"
#include "dialogs/worksummarydlg.h"
#include "gui/support/apptest.h"
#include "model/vespindoc.h"
#include "output/qt/lawpaint.h"
#include "views/vespintreeview.h"
#include "views/vespinview.h"

namespace {

// June and July 2026: weekdays 09:00–21:30 (3:30 a day beyond 8 hours), and one Sunday.
void FillBusySummer(CVespinDoc& doc) {
    for (int month : {6, 7}) {
        const auto [first, last] = doc.MonthRange(2026, month);
        for (int k = first; k <= last; ++k)
            if (doc.Days()[k]->GetDayType() == 1) doc.StoreDayEntry(k, {0, "09:00", "21:30", ""});
    }
    doc.StoreDayEntry(doc.MonthRange(2026, 6).first + 6, {5, "09:00", "15:00", ""});
}

// What pdfinfo and pdftotext say of a PDF: its page count and its text without blanks.
std::pair<QString, QString> ReadPdf(const QByteArray& pdf, const TempDir& dir) {
    const QString path = QString::fromStdString(dir.file("page.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) return {};
    file.close();
    QProcess info, text;
    info.start(QStringLiteral("pdfinfo"), {path});
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!info.waitForFinished() || !text.waitForFinished()) return {};
    const QString pages = QString::fromUtf8(info.readAllStandardOutput())
                              .section(QStringLiteral("Pages:"), 1)
                              .section(u'\n', 0, 0)
                              .trimmed();
    return {pages, QString::fromUtf8(text.readAllStandardOutput()).remove(u' ').remove(u'\n')};
}

}  // namespace

class LawViewsTest : public QObject {
    Q_OBJECT
private slots:
    void aDayMarkedFromTheMenuAndTheDayList() {
        TempDir books;
        WriteBook(books.file("b.vpx"), BookSpec{{2026}, {}, {}, {}});
        AppFixture app({QString::fromStdString(books.file("b.vpx"))});
        app.tree()->setCurrentItem(MonthItem(app.tree(), 2026, 12));
        CVespinView* list = app.frame()->ListView();
        app.frame()->UpdateCommandUI();
        list->setCurrentItem(nullptr);
        list->clearSelection();
        app.frame()->UpdateCommandUI();
        QVERIFY(!app.action(cmd::kMarkLegalHolidayYes)->isEnabled());

        // Saturday 5 December: the 法定休日 (a 振替), shown discreetly in the list.
        QTreeWidgetItem* row = list->topLevelItem(4);
        list->setCurrentItem(row);
        app.frame()->UpdateCommandUI();
        QVERIFY(app.action(cmd::kMarkLegalHolidayAuto)->isChecked());
        app.action(cmd::kMarkLegalHolidayYes)->trigger();
        QCOMPARE(bookext::DayMarks(app.doc()->Extension()),
                 (std::vector<bookext::DayMark>{
                     {2026, 12, 5, bookext::Mark::yes, bookext::Mark::automatic}}));
        QVERIFY(app.doc()->IsModified());
        QVERIFY(list->topLevelItem(4)->toolTip(0).contains("法定休日 (指定)"));
        QVERIFY(list->topLevelItem(4)->font(0).italic());
        app.frame()->UpdateCommandUI();
        QVERIFY(app.action(cmd::kMarkLegalHolidayYes)->isChecked());
        QVERIFY(app.action(cmd::kMarkWorkdayAuto)->isChecked());

        // The day list's menu offers the same commands, on the day under the pointer.
        {
            PopupProbe probe;
            const QPoint at = list->visualItemRect(list->topLevelItem(6)).center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                    list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &event);
            QVERIFY(probe.shown);
            QCOMPARE(probe.items, QStringList({"法定休日の指定(&K)", "所定労働日の指定(&W)"}));
            QCOMPARE(list->SelectedDay(), app.doc()->MonthRange(2026, 12).first + 6);
        }
        app.action(cmd::kMarkWorkdayYes)->trigger();
        QVERIFY(list->topLevelItem(6)->toolTip(0).contains("所定労働日 (指定)"));
        QCOMPARE(bookext::DayMarks(app.doc()->Extension()).size(), size_t{2});

        // Back to the rules: no marks, no extension, the tip as before.
        app.action(cmd::kMarkWorkdayAuto)->trigger();
        list->setCurrentItem(list->topLevelItem(4));
        app.action(cmd::kMarkLegalHolidayAuto)->trigger();
        QVERIFY(app.doc()->Extension().Empty());
        QVERIFY(list->topLevelItem(4)->toolTip(0).isEmpty());
        QVERIFY(!list->topLevelItem(4)->font(0).italic());
    }

    void theAgreementYearWithItsFindings() {
        DocFixture f;
        f.doc.AppendFiscalYear(2026);
        FillBusySummer(f.doc);
        CAgreementDlg dlg(f.doc, 2026, 12);
        QCOMPARE(dlg.windowTitle(), QString("36協定の状況"));
        QTableWidget* t = dlg.m_months;
        QCOMPARE(t->rowCount(), 13);
        // June: 22 weekdays × 3:30 beyond 8 hours; the Sunday's 5 hours are 休日.
        QCOMPARE(t->item(2, 0)->text(), QString("2026年6月"));
        QCOMPARE(t->item(2, 1)->text(), QString("77:00"));
        QCOMPARE(t->item(2, 2)->text(), QString("5:00"));
        QCOMPARE(t->item(2, 3)->text(), QString("82:00"));
        QCOMPARE(t->item(2, 1)->foreground().color(), QColor(0xc0, 0, 0));
        QCOMPARE(t->item(1, 1)->foreground().color(), QColor(Qt::black));
        // July: 22 working days (海の日 is a holiday); the two months average 79:30.
        QCOMPARE(t->item(3, 4)->text(), QString("79:30"));
        QCOMPARE(t->item(3, 4)->foreground().color(), QColor(Qt::black));
        QCOMPARE(t->item(12, 0)->text(), QString("年間"));
        QCOMPARE(t->item(12, 1)->text(), QString("154:00"));
        QVERIFY(dlg.m_yearLine->text().startsWith("月45時間を超えた月  2回"));
        QStringList findings;
        for (int i = 0; i < dlg.m_findings->count(); ++i)
            findings << dlg.m_findings->item(i)->text();
        QVERIFY2(
            findings.filter("【月の限度時間】時間外労働が、３６協定の月の限度時間を超えています。")
                    .size() == 2,
            qPrintable(findings.join('\n')));
        QVERIFY(findings.first().startsWith("2026年6月"));
        QVERIFY(dlg.m_btnPrint->isHidden());

        // A quiet year says so.
        DocFixture quiet;
        quiet.doc.AppendFiscalYear(2026);
        CAgreementDlg calm(quiet.doc, 2026, 4);
        QCOMPARE(calm.m_findings->count(), 1);
        QCOMPARE(calm.m_findings->item(0)->text(), QString("限度を超えたものはありません。"));
        QCOMPARE(calm.m_months->item(0, 1)->text(), QString("0:00"));
    }

    void bothPagesPrintOnOneA4Page() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        DocFixture f;
        f.doc.AppendFiscalYear(2026);
        FillBusySummer(f.doc);
        const auto [summaryPages, summary] = ReadPdf(WorkSummaryPdf(f.doc, 2026, 7), f.dir);
        QCOMPARE(summaryPages, QString("1"));
        QVERIFY2(summary.contains("月の集計2026年7月") && summary.contains("法定時間外労働") &&
                     summary.contains("法定時間外労働77:00"),
                 qPrintable(summary));
        const auto [yearPages, year] = ReadPdf(AgreementPdf(f.doc, 2026, 7), f.dir);
        QCOMPARE(yearPages, QString("1"));
        QVERIFY2(year.contains("36協定の状況") && year.contains("【月の限度時間】") &&
                     year.contains("154:00"),
                 qPrintable(year));
    }

    void theSummaryOffersPrintingWhenItsCallerCan() {
        DocFixture f;
        f.doc.AppendFiscalYear(2026);
        CWorkSummaryDlg dlg(f.doc, 2026, 7);
        QVERIFY(dlg.m_btnPrint->isHidden());
        QWidget* printedFrom = nullptr;
        dlg.SetPrint([&](QWidget* parent) { printedFrom = parent; });
        QVERIFY(!dlg.m_btnPrint->isHidden());
        dlg.m_btnPrint->click();
        QCOMPARE(printedFrom, &dlg);
    }
};

QTEST_MAIN(LawViewsTest)
#include "lawviews_test.moc"
