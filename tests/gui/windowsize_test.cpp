// Every window of the program at QT_SCALE_FACTOR=2 fits a 1600×1000 screen (800×500 in Qt's
// logical pixels, which at scale 1 a 1366×768 screen holds as well), with room for a title bar
// and a panel; windows whose content can grow can be resized.
#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>
#include <memory>

#include "core/testutil.h"
#include "dialogs/agreementdlg.h"
#include "dialogs/attendancedlg.h"
#include "dialogs/backupdlg.h"
#include "dialogs/employeedlg.h"
#include "dialogs/employmentdlg.h"
#include "dialogs/exportdlg.h"
#include "dialogs/leaveledgerdlg.h"
#include "dialogs/locationdlg.h"
#include "dialogs/passworddlg.h"
#include "dialogs/passwordsetdlg.h"
#include "dialogs/shortcutdlg.h"
#include "dialogs/worksummarydlg.h"
#include "dialogs/yeardlg.h"
#include "framework/qt/japanese.h"
#include "output/qt/printsetupdlg.h"

namespace {
constexpr QSize kRoom(800, 500 - 70);
}

class WindowSizeTest : public QObject {
    Q_OBJECT
private slots:
    void everyDialogFitsAtScaleTwo() {
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        InstallJapaneseSupport();
        DocFixture f;
        f.doc.AppendFiscalYear(2026);
        for (int day = 0; day < 31; ++day)
            f.doc.StoreDayEntry(f.doc.MonthRange(2026, 12).first + day, {0, "08:30", "", ""});
        // November past every limit: 36協定の状況 lists its findings.
        for (int day = 0; day < 30; ++day)
            f.doc.StoreDayEntry(f.doc.MonthRange(2026, 11).first + day, {0, "07:00", "23:30", ""});
        QPrinter printer;
        std::vector<std::pair<const char*, std::unique_ptr<QWidget>>> windows;
        windows.emplace_back("attendance", std::make_unique<CAttendanceDlg>());
        windows.emplace_back("employee", std::make_unique<CEmployeeDlg>());
        windows.emplace_back("export", std::make_unique<CExportDlg>());
        windows.emplace_back("location", std::make_unique<CLocationDlg>());
        windows.emplace_back("password", std::make_unique<CPasswordDlg>());
        windows.emplace_back("passwordSet", std::make_unique<CPasswordSetDlg>());
        windows.emplace_back("shortcut", std::make_unique<CShortcutDlg>());
        windows.emplace_back("year", std::make_unique<CYearDlg>());
        windows.emplace_back("summary", std::make_unique<CWorkSummaryDlg>(f.doc, 2026, 12));
        windows.emplace_back("agreement", std::make_unique<CAgreementDlg>(f.doc, 2026, 12));
        windows.emplace_back(
            "backups",
            std::make_unique<CBackupDlg>(std::vector<GenerationInfo>(30), QStringLiteral("b.vpx")));
        windows.emplace_back("printSetup", std::make_unique<CPrintSetupDlg>(printer));
        windows.emplace_back("print", std::make_unique<QPrintDialog>(&printer));
        auto files = std::make_unique<QFileDialog>();
        UseJapaneseFileDialog(*files);
        windows.emplace_back("file", std::move(files));
        windows.emplace_back("employment", std::make_unique<CEmploymentDlg>(leave::Employment{}));
        windows.emplace_back("leaveLedger", std::make_unique<CLeaveLedgerDlg>(f.doc, 20795));
        for (const auto& [name, w] : windows) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            const QSize size = w->size().expandedTo(w->minimumSizeHint());
            QVERIFY2(
                size.width() <= kRoom.width() && size.height() <= kRoom.height(),
                qPrintable(
                    QStringLiteral("%1: %2×%3").arg(name).arg(size.width()).arg(size.height())));
            w->hide();
        }
        // 月の集計 grows with its list of days.
        auto* summary = windows[8].second.get();
        QVERIFY(summary->minimumSize() != summary->maximumSize());
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    WindowSizeTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "windowsize_test.moc"
