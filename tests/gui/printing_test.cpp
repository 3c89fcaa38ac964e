// Printing the monthly sheet as a user meets it: the program's preview window and its bar,
// the printer setup whose choice the print job uses, and the "印刷中" box.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/testutil.h"
#include "framework/qt/qtstrings.h"
#include "gui/support/guitest.h"
#include "model/vespindocaccess.h"
#include "output/qt/printingbox.h"
#include "output/qt/printsetupdlg.h"
#include "output/qt/sheetpreview.h"
#include "output/qt/sheetprinting.h"

namespace {

// May of fiscal year 2026 selected, the application's printer writing a PDF file.
struct Sheet {
    DocFixture f;
    QString pdf = PathToQ(f.dir.file("sheet.pdf"));
    Sheet() {
        f.doc.AppendFiscalYear(2026);
        f.doc.SetSelection(Selection::Month(2026, 5));
        sheetprinting::SetPrinterDefaults();
        sheetprinting::AppPrinter().setOutputFileName(pdf);
    }
    ~Sheet() { sheetprinting::AppPrinter().setOutputFileName(QString()); }
    QByteArray Printed() const {
        QFile file(pdf);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

int DarkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) n += qGray(image.pixel(x, y)) < 80;
    return n;
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void previewShowsThePageUnderItsBar() {
        Sheet s;
        QWidget main;
        main.setGeometry(20, 20, 760, 560);
        main.show();
        CSheetPreviewDlg dlg(sheetprinting::AppPrinter(), s.f.doc, &main);
        QList<QPushButton*> bar = {dlg.m_btnPrint,  dlg.m_btnNext,    dlg.m_btnPrev, dlg.m_btnPages,
                                   dlg.m_btnZoomIn, dlg.m_btnZoomOut, dlg.m_btnClose};
        QStringList texts, greyed;
        for (QPushButton* b : bar) {
            texts << b->text();
            if (!b->isEnabled()) greyed << b->text();
        }
        QCOMPARE(texts, QStringList({"印刷(&P)...", "次ﾍﾟｰｼﾞ(&N)", "前ﾍﾟｰｼﾞ(&V)", "2 ﾍﾟｰｼﾞ(&T)",
                                     "拡大(&I)", "縮小(&O)", "閉じる(&C)"}));
        // One page, seen whole: no paging, no second page, nothing smaller.
        QCOMPARE(greyed, QStringList({"次ﾍﾟｰｼﾞ(&N)", "前ﾍﾟｰｼﾞ(&V)", "2 ﾍﾟｰｼﾞ(&T)", "縮小(&O)"}));
        QCOMPARE(dlg.Preview()->pageCount(), 1);
        QCOMPARE(dlg.geometry(), main.geometry());

        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(DarkPixels(dlg.Preview()->grab().toImage()) > 200);  // the sheet's rules and texts

        const qreal whole = dlg.Preview()->zoomFactor();
        dlg.m_btnZoomIn->click();
        dlg.m_btnZoomIn->click();
        QVERIFY(dlg.Preview()->zoomFactor() > whole);
        QVERIFY(!dlg.m_btnZoomIn->isEnabled());
        QVERIFY(dlg.m_btnZoomOut->isEnabled());
        dlg.m_btnZoomOut->click();
        dlg.m_btnZoomOut->click();
        QCOMPARE(dlg.Preview()->zoomFactor(), whole);
        QVERIFY(!dlg.m_btnZoomOut->isEnabled());
        dlg.m_btnClose->click();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }

    void printFromThePreviewPrintsAfterTheDialog() {
        Sheet s;
        MessageBoxRecorder boxes;
        QStringList seen;
        WhenModalShown([&seen](QWidget* w) {
            seen << w->metaObject()->className();
            static_cast<CSheetPreviewDlg*>(w)->m_btnPrint->click();
            WhenModalShown([&seen](QWidget* dlg) {
                seen << dlg->metaObject()->className();
                QTimer::singleShot(0, dlg, [dlg] { static_cast<QDialog*>(dlg)->accept(); });
            });
        });
        sheetprinting::FilePrintPreview(s.f.doc, nullptr);
        QCOMPARE(seen, QStringList({"CSheetPreviewDlg", "QPrintDialog"}));
        QVERIFY(s.Printed().startsWith("%PDF-"));
        QVERIFY(boxes.texts.isEmpty());
    }

    void theChosenPrinterAndPaperReachThePrintJob() {
        Sheet s;
        const QString chosen = PathToQ(s.f.dir.file("chosen.pdf"));
        WhenModalShown([&chosen](QWidget* w) {
            auto* dlg = qobject_cast<CPrintSetupDlg*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QString("ﾌﾟﾘﾝﾀの設定"));
            dlg->m_comboPrinter->setCurrentText(CPrintSetupDlg::PdfEntry());
            dlg->m_editFile->setText(chosen);
            dlg->m_radioLandscape->setChecked(true);
            dlg->m_btnOk->click();
        });
        sheetprinting::FilePrintSetup(nullptr);
        sheetprinting::FilePrint(s.f.doc, nullptr, false);
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // A4 turned on its side: 842 × 595 points.
        const QByteArray bytes = file.readAll();
        const qsizetype box = bytes.indexOf("/MediaBox");
        QVERIFY(box >= 0);
        QVERIFY2(bytes.mid(box).startsWith("/MediaBox [0 0 842.000000 595.000000]"),
                 bytes.mid(box, 40).constData());
        QVERIFY(!QFile::exists(s.pdf));
        // The preview shows the same printer's page.
        CSheetPreviewDlg preview(sheetprinting::AppPrinter(), s.f.doc);
        QCOMPARE(preview.Preview()->orientation(), QPageLayout::Landscape);
    }

    void printerSetUpLabelsTakeTheirAccessKeys() {
        QPrinter printer;
        CPrintSetupDlg dlg(printer);
        QStringList shown;
        for (QLabel* label : dlg.findChildren<QLabel*>())
            if (label->text().contains(u'&')) {
                QVERIFY2(label->buddy(), qPrintable(label->text()));
                shown << label->text();
            }
        QVERIFY(shown.contains("ﾌｧｲﾙ名(&F):"));
    }

    void printingBoxCanCancelTheJob() {
        Sheet s;
        MessageBoxRecorder boxes;
        QString title, cancel;
        WhenModalShown([&](QWidget* w) {
            auto* box = qobject_cast<CPrintingBox*>(w);
            QVERIFY(box);
            title = box->windowTitle();
            cancel = box->m_btnCancel->text();
            box->m_btnCancel->click();
        });
        sheetprinting::FilePrint(s.f.doc, nullptr, false);
        QCOMPARE(title, QString("印刷中"));
        QCOMPARE(cancel, QString("ｷｬﾝｾﾙ"));
        QVERIFY(!QFile::exists(s.pdf));
        QVERIFY(boxes.texts.isEmpty());

        // A job that cannot start: the box goes, the message says so.
        sheetprinting::AppPrinter().setOutputFileName(PathToQ(s.f.dir.file("none/x.pdf")));
        sheetprinting::FilePrint(s.f.doc, nullptr, false);
        QCOMPARE(boxes.texts, QStringList{"印刷ｼﾞｮﾌﾞを開始できませんでした。"});
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
