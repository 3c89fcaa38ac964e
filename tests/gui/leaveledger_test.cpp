// 有給休暇管理簿 and 雇用情報の設定: the ledger's rows from a book, and the details checked
// before they are kept.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "core/testutil.h"
#include "dialogs/employmentdlg.h"
#include "dialogs/leaveledgerdlg.h"
#include "framework/sjis.h"
#include "gui/support/guitest.h"
#include "model/civildate.h"
#include "model/leavebook.h"
#include "model/vespindocaccess.h"

namespace {

QString Cell(const QTableWidget* t, int r, int c) { return t->item(r, c)->text(); }

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
