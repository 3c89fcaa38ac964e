// Backup generations in the program: kept by every save, listed newest first, opened as an
// untitled book; a generation that cannot be kept is reported once per run.
#include <QSettings>
#include <QTreeWidget>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "dialogs/backupdlg.h"
#include "framework/clock.h"
#include "framework/qt/backupprofile.h"
#include "framework/qt/docmanager.h"
#include "framework/qt/filedialog.h"
#include "gui/support/apptest.h"
#include "model/vespindoc.h"

namespace {
// No registered year holds this day: no attendance entry opens by itself.
const LocalTime kNow{2030, 6, 1, 9, 5, 7, 6};
}  // namespace

class BackupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { clock_::SetFixed(kNow); }
    void cleanup() { clock_::SetFixed(std::nullopt); }

    void aGenerationOpensAsAnUntitledBook() {
        AppFixture app;
        const QString book = app.qfile("b.vpx");
        const std::string old = WriteBook(book.toStdString(), BookSpec{{2026}, "1234", "山田", {}});
        QVERIFY(app.manager()->OpenDocumentFile(book));
        app.doc()->RegisterYear(2027);
        QVERIFY(app.manager()->OnFileSave());
        app.frame()->UpdateCommandUI();
        QVERIFY(app.action(cmd::kFileOpenBackup)->isEnabled());

        QStringList rows;
        WhenModalShown([&](QWidget* w) {
            auto* dlg = qobject_cast<CBackupDlg*>(w);
            QVERIFY(dlg);
            for (int i = 0; i < dlg->List()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = dlg->List()->topLevelItem(i);
                rows << QStringList({item->text(0), item->text(1), item->text(2), item->text(3)})
                            .join(u'|');
            }
            dlg->accept();
        });
        app.action(cmd::kFileOpenBackup)->trigger();
        QCOMPARE(rows, QStringList({QString("2030/06/01 09:05:07|%1 バイト|2026年度|")
                                        .arg(QLocale(QLocale::Japanese).toString(old.size()))}));
        QCOMPARE(app.caption(),
                 QString("無題 (b.vpx 2030/06/01 09:05:07 のバックアップ)-ヴェスピン"));
        QVERIFY(app.doc()->GetPathName().empty());
        QCOMPARE(app.doc()->Years().GetSize(), 1);
        QVERIFY(!app.doc()->IsModified());
        // Still the generations of the book it came from; a save offers that book's name.
        app.frame()->UpdateCommandUI();
        QVERIFY(app.action(cmd::kFileOpenBackup)->isEnabled());
        CFileDialog::SetNextFileName(book);
        QVERIFY(app.manager()->OnFileSave());
        QCOMPARE(ReadFile(book.toStdString()), old);
        QVERIFY(app.manager()->CopySource().isEmpty());
        QCOMPARE(app.caption(), book + "-ヴェスピン");
    }

    void aBackupThatCannotBeKeptIsReportedOncePerRun() {
        AppFixture app;
        WriteFile(app.file("data"), "a file where the data folder should be");
        const QString book = app.qfile("b.vpx");
        WriteBook(book.toStdString(), BookSpec{{2026}, {}, {}, {}});
        QVERIFY(app.manager()->OpenDocumentFile(book));
        for (int year : {2027, 2028}) {
            app.doc()->RegisterYear(year);
            QVERIFY(app.manager()->OnFileSave());
            QVERIFY(!app.doc()->IsModified());
        }
        QCOMPARE(app.boxes.texts.size(), 1);
        QVERIFY(app.boxes.texts[0].startsWith(
            "ファイルは保存しましたが、バックアップを作成できませんでした。\n" +
            app.qfile("data")));

        // No generations at all: the command says so.
        app.boxes.clear();
        app.frame()->UpdateCommandUI();
        app.action(cmd::kFileOpenBackup)->trigger();
        QCOMPARE(app.boxes.texts, QStringList({"このファイルのバックアップはありません。"}));
    }

    void theChoicesLiveInTheProfileOfTheRecentFileList() {
        AppFixture app;
        QSettings settings("ヴェスピン Ver2.0", "ヴェスピン");
        settings.setValue("Backups/Enabled", false);
        settings.setValue("Backups/Generations", 3);
        settings.sync();
        const BackupOptions read = ReadBackupProfile();
        QCOMPARE(read.enabled, false);
        QCOMPARE(read.generations, 3);
        // The tool without Qt finds and reads the same file.
        QCOMPARE(settings.fileName(), app.qfile("config/ヴェスピン Ver2.0/ヴェスピン.conf"));
        const BackupOptions tool =
            backups::FromProfileText(ReadFile(settings.fileName().toStdString()));
        QCOMPARE(tool.enabled, false);
        QCOMPARE(tool.generations, 3);
    }
};

QTEST_MAIN(BackupTest)
#include "backup_test.moc"
