// フォルダの集計: a folder read in the background, red rows, sorting, double-click, the pages
// printed with their heading, the CSV, cancel; and the command in the 処理 menu.
#include <QPdfWriter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "dialogs/folderreportdlg.h"
#include "framework/qt/messagebox.h"
#include "gui/support/apptest.h"

namespace {

// A book of April 2026: every weekday worked from 9:00 to `end`.
void Book(const std::string& path, const char* number, const char* end) {
    DocFixture f;
    f.doc.AppendFiscalYear(2026);
    const auto [first, last] = f.doc.MonthRange(2026, 4);
    for (int k = first; k <= last; ++k)
        if (f.doc.Days()[k]->GetDayType() == 1) f.doc.StoreDayEntry(k, {0, "09:00", end, ""});
    f.doc.SetEmployee(number, S("社員"));
    QVERIFY(f.doc.OnSaveDocument(path));
}

}  // namespace

class FolderReportTest : public QObject {
    Q_OBJECT
private slots:
    void readsSortsOpensPrintsAndSaves() {
        TempDir dir;
        Book(dir.file("heavy.vpx"), "1", "23:30");
        for (int i = 0; i < 60; ++i)
            Book(dir.file("light" + std::to_string(10 + i) + ".vpx"), "2", "18:00");
        WriteFile(dir.file("broken.vpx"), "no book");
        CFolderReportDlg dlg("/nonexistent/vespin.ini", QString::fromStdString(dir.path()), 2026,
                             4);
        dlg.show();
        QSignalSpy done(&dlg, &CFolderReportDlg::finished);
        dlg.m_btnRun->click();
        QVERIFY(!dlg.m_btnRun->isEnabled() && dlg.m_btnCancel->isEnabled());
        QVERIFY(done.wait(20000));
        QCOMPARE(dlg.m_table->rowCount(), 62);
        QCOMPARE(dlg.m_progress->value(), dlg.m_progress->maximum());

        // Sorted by 法定時間外, most first: the heavy book, red with its findings.
        dlg.m_table->sortItems(6, Qt::DescendingOrder);
        QVERIFY(dlg.m_table->item(0, 0)->text().endsWith("heavy.vpx"));
        QCOMPARE(dlg.m_table->item(0, 6)->foreground().color(), QColor(Qt::red));
        QVERIFY(!dlg.m_table->item(0, 13)->text().isEmpty());
        QCOMPARE(dlg.m_table->item(1, 0)->foreground().color() == QColor(Qt::red), false);
        dlg.m_table->sortItems(3, Qt::DescendingOrder);
        QCOMPARE(dlg.m_table->item(0, 3)->text(), QStringLiteral("予期しないﾌｧｲﾙ形式です。"));

        QSignalSpy open(&dlg, &CFolderReportDlg::openBook);
        emit dlg.m_table->cellDoubleClicked(0, 5);
        QCOMPARE(open.size(), 1);
        QCOMPARE(open[0][0].toString(), QString::fromStdString(dir.file("broken.vpx")));

        // A4 landscape: 62 rows take more than one page, each with the heading.
        const QString pdf = QString::fromStdString(dir.file("report.pdf"));
        {
            QPdfWriter writer(pdf);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageOrientation(QPageLayout::Landscape);
            QCOMPARE(dlg.Paint(writer), 2);
        }
        QVERIFY(QFileInfo(pdf).size() > 1000);

        QVERIFY(dlg.SaveCsv(QString::fromStdString(dir.file("r.csv"))));
        const std::string csv = ReadFile(dir.file("r.csv"));
        QCOMPARE(csv.substr(0, 10), S("\"ファイル\""));
        QVERIFY(csv.find("broken.vpx") < csv.find("heavy.vpx"));  // in the table's order
        QStringList messages;
        SetMessageBoxHook([&](const QString& text, MsgKind) {
            messages << text;
            return MsgAnswer::ok;
        });
        QVERIFY(!dlg.SaveCsv(QString::fromStdString(dir.file("no/r.csv"))));
        SetMessageBoxHook(nullptr);
        QCOMPARE(messages.size(), 1);
    }

    void cancelKeepsWhatWasRead() {
        TempDir dir;
        for (int i = 0; i < 40; ++i) Book(dir.file(std::to_string(i) + ".vpx"), "3", "18:00");
        CFolderReportDlg dlg("/nonexistent/vespin.ini", QString::fromStdString(dir.path()), 2026,
                             4);
        QSignalSpy done(&dlg, &CFolderReportDlg::finished);
        dlg.Start();
        dlg.m_btnCancel->click();
        QVERIFY(done.wait(20000));
        QVERIFY(dlg.m_table->rowCount() <= 40);
        for (const monthreport::Row& r : dlg.Rows()) QVERIFY(r.read);
        QVERIFY(dlg.m_btnRun->isEnabled());
    }

    void theCommandOpensTheWindow() {
        AppFixture app;
        app.action(cmd::kFolderReport)->trigger();
        auto* dlg = app.frame()->findChild<CFolderReportDlg*>();
        QVERIFY(dlg && dlg->isVisible());
        dlg->close();
    }
};

QTEST_MAIN(FolderReportTest)
#include "folderreport_test.moc"
