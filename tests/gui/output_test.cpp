// The head-office export dialog and command, the folder chooser's part in it, and printing the
// monthly sheet: print preview and a print job into a PDF file, all offscreen.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include "app/commandids.h"
#include "app/exportcommand.h"
#include "app/mainframe.h"
#include "app/vespinapp.h"
#include "core/testutil.h"
#include "dialogs/exportdlg.h"
#include "dialogs/folderchooser.h"
#include "framework/clock.h"
#include "framework/qt/qtstrings.h"
#include "gui/support/guitest.h"
#include "model/vespindocaccess.h"
#include "output/qt/qtsheetcanvas.h"
#include "output/qt/sheetpaint.h"
#include "output/qt/sheetpreview.h"
#include "output/qt/sheetprinting.h"
#include "views/vespintreeview.h"

namespace {

const QString kNoName = QStringLiteral(
    "ファイル名を指定して下さい。\r\n\r\nファイル名は、  社員番号_年度_月.csv です。");
const QString kNoFolder = QStringLiteral("ディレクトリーを指定して下さい。");
const QString kBadExtension = QStringLiteral("ファイルの拡張子は、.csv を指定して下さい。");
const QString kOverwrite = QStringLiteral("このファイルは既に存在します。\r\n\r\n上書きしますか？");

// A book of employee 1234 with fiscal years 2003 and 2027, the month being exported selected.
struct Book {
    DocFixture f;

    Book() {
        f.doc.SetEmployee(S("1234"), S("山田 太郎"));
        f.doc.AppendFiscalYear(2003);
        f.doc.AppendFiscalYear(2027);
    }
    void Select(int fiscalYear, int month) {
        f.doc.SetSelection(Selection::Month(fiscalYear, month));
    }
    void Fill(int fiscalYear, int month, int day, int category) {
        f.doc.StoreDayEntry(f.doc.MonthRange(fiscalYear, month).first + day - 1,
                            {category, "08:30", "17:45", S("勤務地１")});
    }
};

// The dialog on the screen for the selected month.
struct Dialog {
    CExportDlg dlg;
    explicit Dialog(Book& b) {
        dlg.m_pDoc = &b.f.doc;
        dlg.show();
    }
    void Enter(const QString& name, const QString& folder) {
        dlg.m_editFileName->setText(name);
        dlg.m_editFolder->setText(folder);
        dlg.m_btnOk->click();
    }
};

// Runs the export command, filling in the dialog when it shows and pressing OK.
void RunExport(Book& b, const QString& name, const QString& folder) {
    WhenModalShown([name, folder](QWidget* w) {
        auto* dlg = qobject_cast<CExportDlg*>(w);
        QVERIFY(dlg);
        dlg->m_editFileName->setText(name);
        dlg->m_editFolder->setText(folder);
        dlg->m_btnOk->click();
    });
    OnExportMonthCommand(b.f.doc, nullptr);
}

}  // namespace

class OutputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { clock_::SetFixed(std::nullopt); }

    // ----- In the running program -----

    void commandsFollowTheTreeSelection() {
        clock_::SetFixed(LocalTime{2031, 1, 10, 9, 0, 0, 5});  // no registered year is current
        TempDir dir;
        CVespinApp app(dir.file("missing.ini"));
        {
            MessageBoxRecorder boxes;  // the missing settings file is reported; nothing else
            QVERIFY(app.InitInstance({}));
            QCOMPARE(boxes.texts.size(), 1);
        }
        // The day list's first initial update made the printer A4 portrait.
        QCOMPARE(sheetprinting::AppPrinter().pageLayout().pageSize().id(), QPageSize::A4);
        CMainFrame& frame = *app.MainFrame();
        CVespinDoc& doc = *app.Document();
        doc.RegisterYear(2026);
        auto enabled = [&frame](int id) {
            frame.UpdateCommandUI();
            return frame.Action(id)->isEnabled();
        };
        QVERIFY(!enabled(cmd::kExportMonth));  // the year item is selected
        QVERIFY(!enabled(cmd::kFilePrint));
        QVERIFY(!enabled(cmd::kFilePrintPreview));

        QTreeWidgetItem* year = frame.TreeView()->topLevelItem(0)->child(0);
        frame.TreeView()->SelectItem(year->child(10));  // February
        QVERIFY(enabled(cmd::kExportMonth));
        QVERIFY(enabled(cmd::kFilePrint));
        QVERIFY(enabled(cmd::kFilePrintPreview));
        QVERIFY(enabled(cmd::kFilePrintSetup));

        MessageBoxRecorder boxes;
        QString title;
        WhenModalShown([&title, &dir](QWidget* w) {
            auto* dlg = qobject_cast<CExportDlg*>(w);
            QVERIFY(dlg);
            title = dlg->m_wndTitle->text();
            QCOMPARE(dlg->m_editFileName->text(), QString("_2027_2.csv"));  // no employee yet
            dlg->m_editFolder->setText(PathToQ(dir.path()));
            dlg->m_btnOk->click();
        });
        frame.Action(cmd::kExportMonth)->trigger();
        QCOMPARE(title, QString("2027年度 2月 のデータを出力します。"));
        QCOMPARE(boxes.texts, QStringList{"0件のデータを出力しました。"});
        QVERIFY(QFile::exists(PathToQ(dir.file("_2027_2.csv"))));

        bool previewed = false;
        WhenModalShown([&previewed](QWidget* w) {
            previewed = qobject_cast<CSheetPreviewDlg*>(w) != nullptr;
            w->close();
        });
        frame.Action(cmd::kFilePrintPreview)->trigger();
        QVERIFY(previewed);

        frame.TreeView()->SelectItem(frame.TreeView()->topLevelItem(0));
        QVERIFY(!enabled(cmd::kExportMonth));
        QVERIFY(!enabled(cmd::kFilePrint));
        app.Document()->SetModifiedFlag(false);
    }

    // ----- The export dialog -----

    void opensWithTheDefaultNameAndTitle() {
        Book b;
        b.Select(2003, 1);
        Dialog d(b);
        QCOMPARE(d.dlg.windowTitle(), QString("この月の本部提出用データの作成(CSV形式)"));
        QCOMPARE(d.dlg.m_editFileName->text(), QString("1234_2004_1.csv"));
        QCOMPARE(d.dlg.m_wndTitle->text(), QString("2004年度 1月 のデータを出力します。"));
        QCOMPARE(d.dlg.m_editFolder->text(), QString());
        QCOMPARE(d.dlg.m_nYear, 2004);
        QCOMPARE(d.dlg.m_nMonth, 1);
        QCOMPARE(d.dlg.focusWidget(), d.dlg.m_editFileName);
        QCOMPARE(d.dlg.m_wndTitle->font().pixelSize(), 18);
        QCOMPARE(d.dlg.m_wndTitle->font().weight(), QFont::Bold);
    }

    void checksInOrderWithTheirFocus() {
        Book b;
        b.Select(2003, 5);
        Dialog d(b);
        MessageBoxRecorder boxes;
        d.Enter("", "");  // both empty: only the file name is asked for
        QCOMPARE(boxes.texts, QStringList{kNoName});
        QCOMPARE(boxes.kinds.back(), MsgKind::ok);
        QCOMPARE(d.dlg.focusWidget(), d.dlg.m_editFileName);
        d.Enter("a.csv", "");
        QCOMPARE(boxes.texts.back(), kNoFolder);
        QCOMPARE(d.dlg.focusWidget(), d.dlg.m_editFolder);
        for (const char* bad : {"data.txt", "data", "data.csv.bak"}) {
            boxes.clear();
            d.Enter(QString::fromUtf8(bad), PathToQ(b.f.dir.path()));
            QCOMPARE(boxes.texts, QStringList{kBadExtension});
            QCOMPARE(d.dlg.focusWidget(), d.dlg.m_editFileName);
        }
        QVERIFY(d.dlg.isVisible());
        boxes.clear();
        d.Enter("data.CSV", PathToQ(b.f.dir.path()));
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(d.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(d.dlg.m_strFileName, std::string("data.CSV"));
    }

    void overwriteCancelLeavesTheFileUntouched() {
        Book b;
        b.Select(2003, 5);
        b.Fill(2003, 5, 3, 0);
        const std::string path = b.f.dir.file("may.csv");
        WriteFile(path, "previous");
        Dialog d(b);
        MessageBoxRecorder boxes;
        boxes.answers = {MsgAnswer::cancel};
        d.Enter("may.csv", PathToQ(b.f.dir.path()));
        QCOMPARE(boxes.texts, QStringList{kOverwrite});
        QCOMPARE(boxes.kinds.back(), MsgKind::okCancel);
        QVERIFY(d.dlg.isVisible());
        QCOMPARE(d.dlg.focusWidget(), d.dlg.m_editFileName);
        QCOMPARE(ReadFile(path), std::string("previous"));
        // OK to the same question closes the dialog for the export.
        d.dlg.m_btnOk->click();
        QCOMPARE(d.dlg.result(), int(QDialog::Accepted));
    }

    void enterMovesLikeTabInTheFields() {
        Book b;
        b.Select(2003, 5);
        Dialog d(b);
        d.dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.dlg));
        d.dlg.m_editFileName->setFocus();
        QTest::keyClick(d.dlg.m_editFileName, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d.dlg.m_editFolder);
        QTest::keyClick(d.dlg.m_editFolder, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d.dlg.m_btnOk);
        QVERIFY(d.dlg.isVisible());
    }

    void chosenFolderFillsTheField() {
        Book b;
        b.Select(2003, 5);
        Dialog d(b);
        d.dlg.m_editFileName->setText("typed.csv");
        CFolderChooser::SetNextAnswer(PathToQ(b.f.dir.path()));
        d.dlg.m_btnChoose->click();
        QCOMPARE(d.dlg.m_editFolder->text(), PathToQ(b.f.dir.path()));
        QCOMPARE(d.dlg.m_editFileName->text(), QString("typed.csv"));  // kept
        QCOMPARE(d.dlg.focusWidget(), d.dlg.m_editFolder);
        // Cancelled, or something that is no folder: the field stays.
        CFolderChooser::SetNextAnswer(QString());
        d.dlg.m_btnChoose->click();
        CFolderChooser::SetNextAnswer(PathToQ(b.f.dir.file("nothing-here")));
        d.dlg.m_btnChoose->click();
        QCOMPARE(d.dlg.m_editFolder->text(), PathToQ(b.f.dir.path()));
    }

    // ----- The command -----

    void exportWritesTheMonthAndCounts() {
        Book b;
        b.Select(2027, 2);  // February 2028: 29 days
        b.Fill(2027, 2, 10, 0);
        b.Fill(2027, 2, 3, 6);
        b.Fill(2027, 2, 29, 0);
        MessageBoxRecorder boxes;
        RunExport(b, "feb.csv", PathToQ(b.f.dir.path()));
        QCOMPARE(boxes.texts, QStringList{"3件のデータを出力しました。"});
        QCOMPARE(boxes.kinds.back(), MsgKind::ok);
        const std::string csv = U(ReadFile(b.f.dir.file("feb.csv")));
        QCOMPARE(QString::fromStdString(csv).count("\r\n"), 3);
        QVERIFY(csv.rfind("\"1234\",\"2028\",\"02\",\"03\",\"21\"", 0) == 0);
        QVERIFY(csv.find("\"29\",\"10\",\"08:30\",\"17:45\",\"勤務地１\"\r\n") !=
                std::string::npos);
    }

    void missingFolderIsAFileErrorWithoutCount() {
        Book b;
        b.Select(2003, 5);
        b.Fill(2003, 5, 3, 0);
        MessageBoxRecorder boxes;
        const QString folder = PathToQ(b.f.dir.file("no-such-folder"));
        RunExport(b, "may.csv", folder);
        QCOMPARE(boxes.texts, QStringList{folder + "/may.csv には無効なﾊﾟｽが含まれています。"});
        QCOMPARE(boxes.kinds.back(), MsgKind::stop);
        QVERIFY(!QFile::exists(folder));
    }

    void cancelExportsNothing() {
        Book b;
        b.Select(2003, 5);
        MessageBoxRecorder boxes;
        WhenModalShown([](QWidget* w) { qobject_cast<CExportDlg*>(w)->m_btnCancel->click(); });
        OnExportMonthCommand(b.f.doc, nullptr);
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(b.f.dir.entries(), std::vector<std::string>{});
    }

    // ----- Printing -----

    void canvasReportsTheFontsLineHeights() {
        // On a 360 dpi page the sheet's fonts are as tall as asked, which the layout relies on.
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kSheetDpi);
        QPainter painter(&writer);
        CQtSheetCanvas canvas(painter);
        for (int h : {130, 70, 60, 40}) {
            const int l = canvas.SelectFont(h, 400);
            QVERIFY2(l >= h && l <= h + h / 5, qPrintable(QString("%1 -> %2").arg(h).arg(l)));
        }
        QVERIFY(QFontInfo(CQtSheetCanvas::SheetFont(60, 400)).family().contains("IPA"));
    }

    void printerDefaultsAreA4Portrait() {
        MessageBoxRecorder boxes;
        QVERIFY(sheetprinting::SetPrinterDefaults());
        // Printing to a PDF file counts as a printer: no message.
        QVERIFY(boxes.texts.isEmpty());
        const QPageLayout layout = sheetprinting::AppPrinter().pageLayout();
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(sheetprinting::AppPrinter().resolution(), kSheetDpi);
    }

    void previewOpensOffscreen() {
        Book b;
        b.Select(2027, 5);
        b.Fill(2027, 5, 6, 0);
        sheetprinting::SetPrinterDefaults();
        MessageBoxRecorder boxes;
        bool shown = false;
        WhenModalShown([&shown](QWidget* w) {
            shown = qobject_cast<CSheetPreviewDlg*>(w) != nullptr;
            QVERIFY(QTest::qWaitForWindowExposed(w));
            w->close();
        });
        sheetprinting::FilePrintPreview(b.f.doc, nullptr);
        QVERIFY(shown);
        QVERIFY(boxes.texts.isEmpty());
    }

    void printJobWritesOnePage() {
        Book b;
        b.Select(2027, 5);
        b.Fill(2027, 5, 6, 0);
        sheetprinting::SetPrinterDefaults();
        QPrinter& printer = sheetprinting::AppPrinter();
        const QString pdf = PathToQ(b.f.dir.file("sheet.pdf"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        MessageBoxRecorder boxes;
        sheetprinting::FilePrint(b.f.doc, nullptr, false);
        QVERIFY(boxes.texts.isEmpty());
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                     bytes.count("/Type /Page "),
                 1);
        printer.setOutputFileName(QString());
    }

    void printDialogAcceptedPrints() {
        Book b;
        b.Select(2027, 5);
        sheetprinting::SetPrinterDefaults();
        QPrinter& printer = sheetprinting::AppPrinter();
        const QString pdf = PathToQ(b.f.dir.file("dialog.pdf"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        bool asked = false;
        WhenModalShown([&asked](QWidget* w) {
            auto* dlg = qobject_cast<QPrintDialog*>(w);
            asked = dlg != nullptr;
            if (dlg) QCOMPARE(dlg->maxPage(), 1);
            QTimer::singleShot(0, w, [w] { static_cast<QDialog*>(w)->accept(); });
        });
        sheetprinting::FilePrint(b.f.doc, nullptr);
        QVERIFY(asked);
        QVERIFY(QFile::exists(pdf));
        printer.setOutputFileName(QString());
    }

    void printJobThatCannotStartSaysSo() {
        Book b;
        b.Select(2027, 5);
        QPrinter& printer = sheetprinting::AppPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PathToQ(b.f.dir.file("no-such-folder/sheet.pdf")));
        MessageBoxRecorder boxes;
        sheetprinting::FilePrint(b.f.doc, nullptr, false);
        QCOMPARE(boxes.texts, QStringList{"印刷ｼﾞｮﾌﾞを開始できませんでした。"});
        printer.setOutputFileName(QString());
    }
};

QTEST_MAIN(OutputTest)
#include "output_test.moc"
