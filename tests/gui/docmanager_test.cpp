// New, Open, Save, Save As and exit through the program: files byte for byte as the core
// writes them, the save prompt only for unsaved work, and what failed opens leave behind.
#include "framework/qt/docmanager.h"

#include <sys/stat.h>

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "dialogs/yeardlg.h"
#include "framework/clock.h"
#include "framework/qt/filedialog.h"
#include "gui/support/apptest.h"
#include "model/vespindoc.h"
#include "views/vespintreeview.h"

namespace {

const QString kPromptUntitled = "無題 への変更を保存しますか?";

void RegisterThroughDialog(AppFixture& app, int year) {
    WhenModalShown([year](QWidget* w) {
        auto* dlg = qobject_cast<CYearDlg*>(w);
        QVERIFY(dlg);
        dlg->m_edit->setText(QString::number(year));
        QTest::mouseClick(dlg->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    });
    app.action(cmd::kYearAdd)->trigger();
}

}  // namespace

class DocManagerTest : public QObject {
    Q_OBJECT
private slots:
    void init() { clock_::SetFixed(LocalTime{2027, 2, 15, 9, 5, 7, 1}); }
    void cleanup() { clock_::SetFixed(std::nullopt); }

    void roundTripIsByteIdentical() {
        TempDir books;
        const std::string original =
            WriteBook(books.file("core.vpx"), BookSpec{{2025, 2026}, "00123", "山田 太郎", {}});
        AppFixture app;

        // Open, then Save As: the same bytes.
        CFileDialog::SetNextFileName(QString::fromStdString(books.file("core.vpx")));
        app.action(cmd::kFileOpen)->trigger();
        QCOMPARE(TreeLines(app.tree()).size(), 27);
        CFileDialog::SetNextFileName(QString::fromStdString(books.file("copy.vpx")));
        app.action(cmd::kFileSaveAs)->trigger();
        QCOMPARE(ReadFile(books.file("copy.vpx")), original);
        QCOMPARE(app.caption(), QString::fromStdString(books.file("copy.vpx")) + "-ヴェスピン");

        // New, two years through the dialog, Save: asks for a name, writes what the core would.
        app.action(cmd::kFileNew)->trigger();
        QCOMPARE(app.caption(), QString("無題.vpx-ヴェスピン"));
        QCOMPARE(TreeLines(app.tree()), QStringList({"勤怠管理"}));
        RegisterThroughDialog(app, 2026);
        RegisterThroughDialog(app, 2024);
        CFileDialog::SetNextFileName(QString::fromStdString(books.file("new.vpx")));
        QVERIFY(app.manager()->OnFileSave());
        QCOMPARE(ReadFile(books.file("new.vpx")),
                 WriteBook(books.file("expected.vpx"), BookSpec{{2026, 2024}, {}, {}, {}}));
        QVERIFY(!app.doc()->IsModified());
        QVERIFY(app.boxes.texts.isEmpty());

        // A later Save writes to the same file without asking.
        app.doc()->RegisterYear(2030);
        QVERIFY(app.manager()->OnFileSave());
        QCOMPARE(ReadFile(books.file("new.vpx")),
                 WriteBook(books.file("expected.vpx"), BookSpec{{2026, 2024, 2030}, {}, {}, {}}));

        // Reopened, the book shows its years in the order they were registered.
        QVERIFY(app.manager()->OpenDocumentFile(QString::fromStdString(books.file("new.vpx"))));
        QCOMPARE(TreeLines(app.tree()).at(1), QString("  2026年度"));
        QCOMPARE(TreeLines(app.tree()).at(14), QString("  2024年度"));
    }

    void savePromptOnlyForUnsavedWork() {
        TempDir books;
        const QString path = QString::fromStdString(books.file("book.vpx"));
        WriteBook(path.toStdString(), BookSpec{{2026}, {}, {}, {}});
        AppFixture app;

        // Nothing changed: no question.
        QVERIFY(app.manager()->OnFileNew());
        QVERIFY(app.manager()->OpenDocumentFile(path));
        QVERIFY(app.boxes.texts.isEmpty());

        // Changed: asked with the file's name; Cancel keeps everything.
        app.doc()->RegisterYear(2027);
        app.boxes.answers = {MsgAnswer::cancel};
        QVERIFY(!app.manager()->OnFileNew());
        QCOMPARE(app.boxes.texts, QStringList({"book.vpx への変更を保存しますか?"}));
        QCOMPARE(app.boxes.kinds.back(), MsgKind::yesNoCancel);
        QCOMPARE(app.doc()->Years().GetSize(), 2);
        QVERIFY(app.doc()->IsModified());

        // No: the work is dropped.
        app.boxes.clear();
        app.boxes.answers = {MsgAnswer::no};
        QVERIFY(app.manager()->OnFileNew());
        QCOMPARE(app.doc()->Years().GetSize(), 0);
        QCOMPARE(ReadFile(path.toStdString()),
                 WriteBook(books.file("x.vpx"), BookSpec{{2026}, {}, {}, {}}));

        // Yes on an untitled book asks for a name; cancelling that dialog abandons the New.
        app.doc()->RegisterYear(2026);
        app.boxes.clear();
        app.boxes.answers = {MsgAnswer::yes};
        CFileDialog::SetNextFileName({});
        QVERIFY(!app.manager()->OnFileNew());
        QCOMPARE(app.boxes.texts, QStringList({kPromptUntitled}));
        QCOMPARE(app.doc()->Years().GetSize(), 1);
        app.boxes.answers = {MsgAnswer::yes};
        CFileDialog::SetNextFileName(QString::fromStdString(books.file("saved.vpx")));
        QVERIFY(app.manager()->OnFileNew());
        QCOMPARE(ReadFile(books.file("saved.vpx")),
                 WriteBook(books.file("x.vpx"), BookSpec{{2026}, {}, {}, {}}));
        QCOMPARE(app.doc()->Years().GetSize(), 0);
    }

    void exitAsksForUnsavedWork() {
        AppFixture app;
        QVERIFY(app.frame()->close());  // nothing to save: no question
        QVERIFY(app.boxes.texts.isEmpty());

        AppFixture second;
        second.frame()->show();
        second.doc()->RegisterYear(2026);
        second.boxes.answers = {MsgAnswer::cancel};
        QVERIFY(!second.frame()->close());
        QVERIFY(second.frame()->isVisible());
        QCOMPARE(second.boxes.texts, QStringList({kPromptUntitled}));
        second.boxes.answers = {MsgAnswer::no};
        QVERIFY(second.frame()->close());
    }

    void damagedFileLeavesAnEmptyUntitledBook() {
        TempDir books;
        const std::string good = WriteBook(books.file("good.vpx"), BookSpec{{2026}, "1", "a", {}});
        WriteFile(books.file("bad.vpx"), good.substr(0, 200));
        AppFixture app({QString::fromStdString(books.file("good.vpx"))});
        QCOMPARE(TreeLines(app.tree()).size(), 14);

        QVERIFY(!app.manager()->OpenDocumentFile(QString::fromStdString(books.file("bad.vpx"))));
        QCOMPARE(app.boxes.texts, QStringList({"予期しないﾌｧｲﾙ形式です。"}));
        QCOMPARE(app.caption(), QString("無題.vpx-ヴェスピン"));
        QCOMPARE(TreeLines(app.tree()), QStringList({"勤怠管理"}));
        QCOMPARE(app.doc()->Years().GetSize(), 0);
        QCOMPARE(app.doc()->Days().GetSize(), 0);
        QVERIFY(app.doc()->EmployeeNo().empty());
        QVERIFY(app.doc()->GetPathName().empty());
        QVERIFY(!app.doc()->IsModified());
        // The new book works like any other.
        RegisterThroughDialog(app, 2026);
        QCOMPARE(TreeLines(app.tree()).size(), 14);
    }

    void missingFileKeepsThePreviousBook() {
        TempDir books;
        const QString good = QString::fromStdString(books.file("good.vpx"));
        WriteBook(good.toStdString(), BookSpec{{2026}, {}, {}, {}});
        AppFixture app({good});
        app.doc()->RegisterYear(2027);  // unsaved work, kept through the failed open
        const QString missing = QString::fromStdString(books.file("gone.vpx"));
        app.boxes.answers = {MsgAnswer::no};
        QVERIFY(!app.manager()->OpenDocumentFile(missing));
        QCOMPARE(app.boxes.texts, QStringList({"good.vpx への変更を保存しますか?",
                                               missing + " が見つかりませんでした。"}));
        QCOMPARE(app.caption(), good + "-ヴェスピン");
        QCOMPARE(TreeLines(app.tree()).size(), 27);
        QCOMPARE(app.doc()->Years().GetSize(), 2);
        QVERIFY(app.doc()->IsModified());
        QCOMPARE(QString::fromStdString(app.doc()->GetPathName()), good);
    }

    void relativePathIsOpenedAsFullPath() {
        TempDir books;
        WriteBook(books.file("rel.vpx"), BookSpec{{2026}, {}, {}, {}});
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(books.path()));
        AppFixture app({"rel.vpx"});
        QDir::setCurrent(cwd);
        QCOMPARE(app.caption(), QString::fromStdString(books.file("rel.vpx")) + "-ヴェスピン");
        // ".." after a link leads where the file system takes it: beside the link's target.
        QVERIFY(QDir().mkpath(QString::fromStdString(books.file("deep/inner"))));
        QVERIFY(QFile::link("deep/inner", QString::fromStdString(books.file("lnk"))));
        QCOMPARE(CDocManager::FullPath(QString::fromStdString(books.file("lnk/../rel.vpx"))),
                 QString::fromStdString(books.file("deep/rel.vpx")));
    }

    void saveFailureKeepsTheWorkUnsaved() {
        AppFixture app;
        app.doc()->RegisterYear(2026);
        const QString bad = QString::fromStdString(app.file("no such folder/b.vpx"));
        CFileDialog::SetNextFileName(bad);
        QVERIFY(!app.manager()->OnFileSaveAs());
        QCOMPARE(app.boxes.texts.size(), 1);
        QVERIFY(app.doc()->IsModified());
        QVERIFY(!QFile::exists(bad));
    }

    void readOnlyFileIsSavedUnderAnotherName() {
        TempDir books;
        const std::string path = books.file("ro.vpx");
        const std::string before = WriteBook(path, BookSpec{{2026}, {}, {}, {}});
        AppFixture app({QString::fromStdString(path)});
        ::chmod(path.c_str(), 0444);
        app.doc()->RegisterYear(2027);
        CFileDialog::SetNextFileName(QString::fromStdString(books.file("other.vpx")));
        QVERIFY(app.manager()->OnFileSave());
        QCOMPARE(ReadFile(path), before);
        QCOMPARE(ReadFile(books.file("other.vpx")),
                 WriteBook(books.file("x.vpx"), BookSpec{{2026, 2027}, {}, {}, {}}));
    }

    void aSecondWindowOnTheSameBookIsReadOnly() {
        TempDir books;
        const std::string path = books.file("shared.vpx");
        const std::string before = WriteBook(path, BookSpec{{2026}, {}, {}, {}});
        // The first window: the same book open for writing.
        DocFixture first;
        QVERIFY(first.doc.OnOpenDocument(path));

        AppFixture app({QString::fromStdString(path)});
        QCOMPARE(app.boxes.texts, QStringList(QString::fromStdString(path) +
                                              " は他のウィンドウまたはプログラムで編集中のため、"
                                              "読み取り専用で開きます。\n"
                                              "変更を保存するときは、別の名前を付けて下さい。"));
        app.doc()->RegisterYear(2027);
        // Save asks for another name; the book under its own name is refused, never replaced.
        CFileDialog::SetNextFileName(QString::fromStdString(path));
        QVERIFY(!app.manager()->OnFileSave());
        QCOMPARE(app.boxes.texts.last(),
                 QString::fromStdString(path) + " へのｱｸｾｽ中に共有違反が発生しました。");
        QCOMPARE(ReadFile(path), before);
        CFileDialog::SetNextFileName(QString::fromStdString(books.file("mine.vpx")));
        QVERIFY(app.manager()->OnFileSave());
        QVERIFY(!app.doc()->IsInUseElsewhere());

        // When the first window lets go, the book opens for writing again.
        first.doc.OnNewDocument();
        app.boxes.clear();
        QVERIFY(app.manager()->OpenDocumentFile(QString::fromStdString(path)));
        QVERIFY(!app.doc()->IsInUseElsewhere());
        QVERIFY(app.boxes.texts.isEmpty());
    }

    void aReadOnlyWindowSaysSoAndOffersNoEntry() {
        TempDir books;
        const std::string path = books.file("today.vpx");
        WriteBook(path, BookSpec{{2026}, {}, {}, {}});  // holds today, 2027-02-15
        // Another program holds the book open for writing.
        QProcess holder;
        holder.start("flock",
                     {"-o", QString::fromStdString(path), "-c", "echo held; exec sleep 60"});
        QVERIFY(holder.waitForReadyRead(10000));
        {
            AppFixture app({QString::fromStdString(path)});
            QCOMPARE(app.entriesDismissed, 0);
            QCOMPARE(app.boxes.texts.size(), 1);
            QVERIFY(app.boxes.texts[0].contains("読み取り専用で開きます"));
            QVERIFY(app.doc()->IsInUseElsewhere());
        }
        holder.kill();
        holder.waitForFinished();
        // Open for writing, the book offers today's entry as always.
        AppFixture app({QString::fromStdString(path)});
        QCOMPARE(app.entriesDismissed, 1);
        QVERIFY(app.boxes.texts.isEmpty());
    }

    void aBookRenamedWhileOpenIsNotRecreatedUnasked() {
        TempDir books;
        const std::string path = books.file("b.vpx");
        const std::string before = WriteBook(path, BookSpec{{2025}, {}, {}, {}});
        AppFixture app({QString::fromStdString(path)});
        QVERIFY(::rename(path.c_str(), books.file("renamed.vpx").c_str()) == 0);
        app.doc()->RegisterYear(2027);
        app.boxes.answers.push_back(MsgAnswer::cancel);
        QVERIFY(!app.manager()->OnFileSave());
        QCOMPARE(app.boxes.texts, QStringList(QString::fromStdString(path) +
                                              " は、開いた後に名前が変えられたか削除されて"
                                              "います。\nこの名前で新しく保存しますか?"));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(path)));
        QVERIFY(app.doc()->IsModified());
        QCOMPARE(ReadFile(books.file("renamed.vpx")), before);
        // Answered yes: a new book under the name, as asked.
        app.boxes.answers.push_back(MsgAnswer::yes);
        QVERIFY(app.manager()->OnFileSave());
        QCOMPARE(ReadFile(path),
                 WriteBook(books.file("x.vpx"), BookSpec{{2025, 2027}, {}, {}, {}}));
    }

    void fileDialogsSpeakTheProgramsWords() {
        AppFixture app;
        QString title, suffix, selected;
        QStringList filters, allFilesPattern;
        WhenModalShown([&](QWidget* w) {
            auto* dlg = qobject_cast<QFileDialog*>(w);
            QVERIFY(dlg);
            title = dlg->windowTitle();
            filters = dlg->nameFilters();
            // Choosing "すべてのﾌｧｲﾙ" shows files without a dot too.
            auto* types = dlg->findChild<QComboBox*>("fileTypeCombo");
            QVERIFY(types);
            types->setCurrentIndex(1);
            emit types->activated(1);
            emit types->textActivated(types->currentText());
            allFilesPattern = dlg->findChild<QFileSystemModel*>()->nameFilters();
            dlg->reject();
        });
        QVERIFY(!app.manager()->OnFileOpen());
        QCOMPARE(title, QString("開く"));
        QCOMPARE(filters, QStringList({"Vespin ﾌｧｲﾙ (*.vpx)", "すべてのﾌｧｲﾙ (*.*)"}));
        QCOMPARE(allFilesPattern, QStringList({"*"}));

        WhenModalShown([&](QWidget* w) {
            auto* dlg = qobject_cast<QFileDialog*>(w);
            QVERIFY(dlg);
            title = dlg->windowTitle();
            suffix = dlg->defaultSuffix();
            selected = dlg->findChild<QLineEdit*>("fileNameEdit")->text();
            dlg->reject();
        });
        QVERIFY(!app.manager()->OnFileSaveAs());
        QCOMPARE(title, QString("名前を付けて保存"));
        QCOMPARE(suffix, QString("vpx"));
        QCOMPARE(selected, QString("無題.vpx"));
    }
};

QTEST_MAIN(DocManagerTest)
#include "docmanager_test.moc"
