// 月の集計: when the command is available, the dialog's figures and overtime warning, and an
// incomplete day's entry opened from the dialog.
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "dialogs/attendancedlg.h"
#include "dialogs/worksummarydlg.h"
#include "framework/qt/docmanager.h"
#include "gui/support/apptest.h"
#include "views/vespintreeview.h"
#include "views/vespinview.h"

namespace {

void Fill(CVespinDoc& doc, int month, int day, int category, const char* a, const char* d) {
    doc.StoreDayEntry(doc.MonthRange(2026, month).first + day - 1, {category, a, d, ""});
}

}  // namespace

class WorkSummaryTest : public QObject {
    Q_OBJECT
private slots:
    void commandNeedsASelectedMonth() {
        TempDir books;
        WriteBook(books.file("b.vpx"), BookSpec{{2026}, {}, {}, {}});
        AppFixture app({QString::fromStdString(books.file("b.vpx"))});
        app.tree()->setCurrentItem(MonthItem(app.tree(), 2026, 12));
        app.frame()->UpdateCommandUI();
        QVERIFY(app.action(cmd::kWorkSummary)->isEnabled());
        app.tree()->setCurrentItem(FindTreeItem(app.tree(), "2026年度"));
        app.frame()->UpdateCommandUI();
        QVERIFY(!app.action(cmd::kWorkSummary)->isEnabled());
        app.manager()->OnFileNew();
        app.frame()->UpdateCommandUI();
        QVERIFY(!app.action(cmd::kWorkSummary)->isEnabled());
    }

    void figuresOfAFilledMonthAndTheOvertimeWarning() {
        DocFixture f;
        f.doc.AppendFiscalYear(2026);
        Fill(f.doc, 11, 2, 0, "09:00", "22:30");
        // 20 weekdays of 10:15 worked (the 23rd is a holiday): 2:15 a day beyond 8 hours.
        for (int day : {1, 2, 3, 4, 7, 8, 9, 10, 11, 14, 15, 16, 17, 18, 21, 22, 24, 25, 28, 29})
            Fill(f.doc, 12, day, 0, "08:30", "19:45");
        Fill(f.doc, 12, 26, 3, "", "");
        Fill(f.doc, 12, 31, 0, "", "18:00");
        {
            CWorkSummaryDlg dlg(f.doc, 2026, 12);
            QCOMPARE(dlg.windowTitle(), QString("月の集計"));
            QCOMPARE(dlg.Figure("days", 0)->text(), QString("20日"));
            QCOMPARE(dlg.Figure("worked", 0)->text(), QString("205:00"));
            QCOMPARE(dlg.Figure("overtime", 0)->text(), QString("45:00"));
            QCOMPARE(dlg.Figure("night", 1)->text(), QString("0:30"));
            QCOMPARE(dlg.Figure("worked", 1)->text(), QString("217:30"));
            QCOMPARE(dlg.findChild<QLabel*>("category0")->text(), QString("出勤  21日"));
            QCOMPARE(dlg.findChild<QLabel*>("category3")->text(), QString("欠勤  1日"));
            QCOMPARE(dlg.m_listIncomplete->count(), 1);
            QVERIFY(dlg.m_listIncomplete->item(0)->text().startsWith("12月31日"));
            QCOMPARE(dlg.Figure("overtimeLaw", 0)->text(), QString("45:00"));
            QCOMPARE(dlg.Figure("overtimeDaily", 0)->text(), QString("45:00"));
            QCOMPARE(dlg.Figure("breakShort", 0)->text(), QString("0日"));
            // Exactly 45 hours is within the limit.
            QVERIFY(dlg.m_overtimeNote->isHidden());
            QVERIFY(dlg.Figure("overtimeLaw", 0)->styleSheet().isEmpty());
        }
        // Work on the holiday counts toward the 40 hours of its week, whose Friday then ends a
        // minute beyond them: one minute of 法定時間外, while all of the holiday is 所定外.
        Fill(f.doc, 12, 23, 0, "09:00", "18:01");
        CWorkSummaryDlg dlg(f.doc, 2026, 12);
        QCOMPARE(dlg.Figure("overtime", 0)->text(), QString("53:01"));
        QCOMPARE(dlg.Figure("overtimeLaw", 0)->text(), QString("45:01"));
        QCOMPARE(dlg.Figure("otherHolidayWork", 0)->text(), QString("8:01"));
        QVERIFY(!dlg.m_overtimeNote->isHidden());
        QVERIFY(dlg.m_overtimeNote->text().contains("月45時間"));
        QVERIFY(dlg.Figure("overtimeLaw", 0)->styleSheet().contains("#c00000"));
        QVERIFY(dlg.Figure("overtime", 0)->styleSheet().isEmpty());
    }

    void doubleClickOnAnIncompleteDayOpensItsEntry() {
        TempDir books;
        WriteBook(books.file("b.vpx"), BookSpec{{2026}, {}, {}, {}});
        AppFixture app({QString::fromStdString(books.file("b.vpx"))});
        app.entryDismisser->stop();
        Fill(*app.doc(), 12, 4, 0, "09:00", "");
        app.tree()->setCurrentItem(MonthItem(app.tree(), 2026, 12));

        QString opened;
        WhenModalShown([&](QWidget* w) {
            auto* dlg = qobject_cast<CWorkSummaryDlg*>(w);
            QVERIFY(dlg);
            WhenModalShown([&](QWidget* entry) {
                if (auto* a = qobject_cast<CAttendanceDlg*>(entry))
                    opened = QString::fromStdString(U(a->m_strDate));
                entry->close();
            });
            QListWidget* list = dlg->m_listIncomplete;
            const QPoint p = list->visualItemRect(list->item(0)).center();
            // A double-click is a click followed by the double-click event.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
        });
        app.action(cmd::kWorkSummary)->trigger();
        QTRY_VERIFY(opened.startsWith("2026 年 12 月 4 日"));
        QCOMPARE(app.frame()->ListView()->FirstSelectedRow(), 3);
    }
};

QTEST_MAIN(WorkSummaryTest)
#include "worksummary_test.moc"
