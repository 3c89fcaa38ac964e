// 有給休暇管理簿 and 雇用情報の設定: the ledger's rows from a book, and the details checked
// before they are kept.
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "core/testutil.h"
#include "dialogs/employmentdlg.h"
#include "dialogs/leaveledgerdlg.h"
#include "framework/clock.h"
#include "framework/qt/docmanager.h"
#include "framework/sjis.h"
#include "gui/support/apptest.h"
#include "gui/support/guitest.h"
#include "model/civildate.h"
#include "model/leavebook.h"
#include "model/vespindoc.h"
#include "model/vespindocaccess.h"
#include "output/qt/sheetprinting.h"

namespace {

QString Cell(const QTableWidget* t, int r, int c) { return t->item(r, c)->text(); }

// Hired on 2025/10/1 and at work every day until the first grant of 2026/4/1 (10 days), whose
// five days are due by 2027/3/31.
void WriteLeaveBook(const std::string& path) {
    DocFixture f;
    f.doc.RegisterYear(2025);
    f.doc.RegisterYear(2026);
    for (int i = f.doc.MonthRange(2025, 10).first; i <= f.doc.MonthRange(2025, 3).second; ++i)
        f.doc.StoreDayEntry(i, {0, "09:00", "18:00", ""});
    leave::Employment e;
    e.hire = civil::Serial(2025, 10, 1);
    leave::SetBookEmployment(f.doc, e);
    QVERIFY(f.doc.OnSaveDocument(path));
}

const QString kReminder =
    "基準日 2026/4/1 の有給休暇を、期限の 2027/3/31 までに、\nあと 5 日取得する必要があります。\n"
    "期限までの所定労働日は、残り ";

}  // namespace

class LeaveLedgerTest : public QObject {
    Q_OBJECT
private slots:
    void ledgerOfABook() {
        DocFixture f;
        VespinDocAccess::SetSettingLine(f.doc, 9, sjis::FromUtf8("有休=1,半休=0.5"));
        f.doc.AppendFiscalYear(2025);
        f.doc.AppendFiscalYear(2026);
        leave::Employment e;
        e.hire = civil::Serial(2024, 4, 1);
        leave::SetBookEmployment(f.doc, e);
        const int first = f.doc.MonthRange(2025, 11).first;
        f.doc.StoreDayEntry(first + 3, {6, "", "", ""});            // 11/4 有休
        f.doc.StoreDayEntry(first + 4, {4, "09:00", "13:00", ""});  // 11/5 半休

        CLeaveLedgerDlg dlg(f.doc, civil::Serial(2026, 3, 31));
        QCOMPARE(dlg.windowTitle(), QString("有給休暇管理簿"));
        QCOMPARE(dlg.m_grants->rowCount(), 2);
        QCOMPARE(Cell(dlg.m_grants, 1, 0), QString("2025/10/01"));
        QCOMPARE(Cell(dlg.m_grants, 1, 1), QString("11"));
        QCOMPARE(Cell(dlg.m_takes, 1, 2), QString("0.5"));
        QCOMPARE(Cell(dlg.m_takes, 1, 3), QString("2024/10/01 (0.5日)"));
        QCOMPARE(Cell(dlg.m_obligations, 0, 3), QString("期限前"));
        QCOMPARE(dlg.m_balance->text(), QString("2026/03/31 現在の残日数：19.5日"));
    }

    void theStatusBarShowsTheDaysLeftAndAnOpenWarnsOnce() {
        clock_::SetFixed(LocalTime{2027, 1, 4, 9, 0, 0, 1});  // within three months of the deadline
        TempDir books;
        const std::string path = books.file("leave.vpx");
        WriteLeaveBook(path);
        AppFixture app({QString::fromStdString(path)});
        QCOMPARE(app.entriesDismissed, 1);  // the reminder comes after today's entry
        QCOMPARE(app.boxes.texts.size(), 1);
        QVERIFY2(app.boxes.texts[0].startsWith(kReminder), qPrintable(app.boxes.texts[0]));
        QLabel* pane = app.frame()->LeavePane();
        QCOMPARE(pane->text(), QString("有休残 10日"));
        QVERIFY(!pane->isHidden());

        // A day of leave stored today counts at once, and says nothing more.
        VespinDocAccess::SetSettingLine(*app.doc(), 9, sjis::FromUtf8("有休=1"));
        app.doc()->StoreDayEntry(app.doc()->MonthRange(2026, 1).first + 3, {6, "", "", ""});
        QCOMPARE(pane->text(), QString("有休残 9日"));
        QCOMPARE(app.boxes.texts.size(), 1);

        // A new book has no hire date; opening the book again warns again.
        QVERIFY(app.manager()->CreateNewDocument());
        QVERIFY(pane->isHidden());
        app.boxes.clear();
        QVERIFY(app.manager()->OpenDocumentFile(QString::fromStdString(path)));
        QCOMPARE(app.boxes.texts.size(), 1);
        QVERIFY(app.boxes.texts[0].startsWith(kReminder));
        clock_::SetFixed(std::nullopt);
    }

    void theLedgerWindowPrintsTheGrantYear() {
        clock_::SetFixed(
            LocalTime{2026, 6, 1, 9, 0, 0, 1});  // five days still far off: no reminder
        TempDir books;
        const std::string path = books.file("leave.vpx");
        WriteLeaveBook(path);
        AppFixture app({QString::fromStdString(path)});
        QVERIFY(app.boxes.texts.isEmpty());
        const QString pdf = app.qfile("ledger.pdf");
        sheetprinting::AppPrinter().setOutputFileName(pdf);
        QStringList seen;
        WhenModalShown([&seen](QWidget* w) {
            auto* ledger = qobject_cast<CLeaveLedgerDlg*>(w);
            QVERIFY(ledger && ledger->m_btnPrint->isEnabled());
            WhenModalShown([&seen](QWidget* dlg) {
                seen << dlg->objectName();
                QTimer::singleShot(0, dlg, [dlg] { static_cast<QDialog*>(dlg)->accept(); });
            });
            ledger->m_btnPrint->click();
            ledger->m_btnOk->click();
        });
        app.action(cmd::kLeaveLedger)->trigger();
        sheetprinting::AppPrinter().setOutputFileName(QString());
        QCOMPARE(seen, QStringList{"printDialog"});
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF-"));
        QVERIFY(app.boxes.texts.isEmpty());
        clock_::SetFixed(std::nullopt);
    }

    void employmentDetailsAreCheckedBeforeTheyAreKept() {
        MessageBoxRecorder boxes;
        CEmploymentDlg dlg({});
        dlg.m_editHire->setText("2025/2/30");
        dlg.m_btnOk->click();
        QCOMPARE(boxes.texts, QStringList{"入社日が正しくありません。"});
        QVERIFY(!dlg.m_employment.hire);

        dlg.m_editHire->setText("2025/4/1");
        dlg.m_contracts->insertRow(0);
        const char* cells[] = {"2025/3/1", "3", "24"};
        for (int c = 0; c < 3; ++c) dlg.m_contracts->setItem(0, c, new QTableWidgetItem(cells[c]));
        dlg.m_btnOk->click();
        QCOMPARE(boxes.texts.last(), QString("契約の開始日は、入社日以降として下さい。"));

        dlg.m_contracts->item(0, 0)->setText("2025/4/1");
        dlg.m_btnOk->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_employment.contracts.at(0).centiHours, 2400);
        QCOMPARE(*dlg.m_employment.hire, civil::Serial(2025, 4, 1));
    }
};

QTEST_MAIN(LeaveLedgerTest)
#include "leaveledger_test.moc"
