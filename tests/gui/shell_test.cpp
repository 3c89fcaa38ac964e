// Start-up and the main frame: caption, status-bar panes with the clock and the employee,
// the command line, menus and tool bar, command states, the recent-file list, dropped files.
#include <sys/stat.h>
#include <unistd.h>

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/vespinapp.h"
#include "framework/clock.h"
#include "framework/qt/docmanager.h"
#include "gui/support/apptest.h"
#include "model/vespindoc.h"
#include "views/vespintreeview.h"
#include "views/vespinview.h"

namespace {

const LocalTime kToday{2027, 2, 15, 9, 5, 7, 1};

// "text" of every item of a menu, separators as "-".
QStringList MenuItems(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QString("-") : a->text());
    return out;
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void init() { clock_::SetFixed(kToday); }
    void cleanup() { clock_::SetFixed(std::nullopt); }

    void startsWithAnEmptyUntitledBook() {
        AppFixture app;
        QVERIFY(app.started);
        QVERIFY(app.boxes.texts.isEmpty());
        QCOMPARE(app.caption(), QString("無題.vpx-ヴェスピン"));
        QVERIFY(app.frame()->windowState() & Qt::WindowMaximized);
        QCOMPARE(TreeLines(app.tree()), QStringList({"勤怠管理"}));
        QVERIFY(!app.doc()->IsModified());
        QVERIFY(app.doc()->DocPath().empty());
        // The tree is the first view, the day list the second.
        QCOMPARE(app.doc()->Views().size(), size_t(2));
        QCOMPARE(app.doc()->Views()[0], static_cast<CView*>(app.tree()));
        QCOMPARE(app.doc()->FindView(2), static_cast<CView*>(app.frame()->ListView()));
        QCOMPARE(app.frame()->Pane(0)->text(),
                 QString("該当の月を選択し、日付をダブルクリックして登録して下さい。"));
    }

    void clockPanesFollowTheTime() {
        AppFixture app;
        QCOMPARE(app.frame()->Pane(3)->text(), QString("2027/02/15"));
        QCOMPARE(app.frame()->Pane(4)->text(), QString("09:05:07"));
        clock_::SetFixed(LocalTime{2000, 4, 1, 23, 0, 59, 6});
        QTRY_COMPARE_WITH_TIMEOUT(app.frame()->Pane(4)->text(), QString("23:00:59"), 1000);
        QCOMPARE(app.frame()->Pane(3)->text(), QString("2000/04/01"));
    }

    void employeePanesFollowTheMouse() {
        TempDir books;
        WriteBook(books.file("b.vpx"), BookSpec{{2026}, "00123", "山田 太郎", {}});
        AppFixture app({QString::fromStdString(books.file("b.vpx"))});
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(app.tree()->viewport(), &enter);
        QCOMPARE(app.frame()->Pane(1)->text(), QString("00123"));
        QCOMPARE(app.frame()->Pane(2)->text(), QString("山田 太郎"));
        app.manager()->OnFileNew();
        QApplication::sendEvent(app.tree()->viewport(), &enter);
        QCOMPARE(app.frame()->Pane(1)->text(), QString());
        // Without any mouse movement, a book opened shows its employee at once.
        QVERIFY(app.manager()->OpenDocumentFile(QString::fromStdString(books.file("b.vpx"))));
        QCOMPARE(app.frame()->Pane(1)->text(), QString("00123"));
    }

    void frameFollowsTheDocumentWithoutWaiting() {
        AppFixture app;
        app.doc()->SetEmployee(S("7"), S("佐藤 一郎"));
        QCOMPARE(app.frame()->Pane(2)->text(), QString("佐藤 一郎"));
        QVERIFY(app.action(cmd::kFileSave)->isEnabled());
        app.doc()->SetModifiedFlag(false);
        QVERIFY(!app.action(cmd::kFileSave)->isEnabled());
    }

    void commandLineIsOnePath_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        QTest::newRow("none") << QStringList() << "";
        QTest::newRow("plain") << QStringList{"/b/a.vpx"} << "/b/a.vpx";
        QTest::newRow("quoted with spaces")
            << QStringList{"\"/my books/a b.vpx\""} << "/my books/a b.vpx";
        QTest::newRow("two names joined") << QStringList{"a.vpx", "b.vpx"} << "a.vpx b.vpx";
        QTest::newRow("quotes around two") << QStringList{"\"a", "b\""} << "a b";
        QTest::newRow("blank kept inside") << QStringList{"a", "", "b"} << "a  b";
        QTest::newRow("closing quote only") << QStringList{"a.vpx\""} << "a.vpx\"";
        QTest::newRow("empty quotes") << QStringList{"\"\""} << "";
        QTest::newRow("lone quote") << QStringList{"\""} << "";
    }
    void commandLineIsOnePath() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QCOMPARE(CVespinApp::CommandLinePath(arguments), path);
    }

    void quotedPathWithSpacesOpensTheBook() {
        TempDir books;
        ::mkdir(books.file("my books").c_str(), 0700);
        const std::string path = books.file("my books/a b.vpx");
        WriteBook(path, BookSpec{{2025, 2026}, {}, {}, {}});
        AppFixture app({"\"" + QString::fromStdString(path) + "\""});
        QVERIFY(app.boxes.texts.isEmpty());
        QCOMPARE(app.caption(), QString::fromStdString(path) + "-ヴェスピン");
        QCOMPARE(app.doc()->DocPath(), path);
        QCOMPARE(TreeLines(app.tree()).size(), 27);
        QVERIFY(!app.doc()->IsModified());
    }

    void twoNamesFailAsOnePath() {
        TempDir books;
        WriteBook(books.file("a.vpx"), BookSpec{{2026}, {}, {}, {}});
        WriteBook(books.file("b.vpx"), BookSpec{{2026}, {}, {}, {}});
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(books.path()));
        AppFixture app({"a.vpx", "b.vpx"});
        QDir::setCurrent(cwd);
        QCOMPARE(app.boxes.texts, QStringList({QString::fromStdString(books.file("a.vpx b.vpx")) +
                                               " が見つかりませんでした。"}));
        QCOMPARE(app.boxes.kinds.front(), MsgKind::ok);
        QCOMPARE(app.caption(), QString("無題.vpx-ヴェスピン"));
        QCOMPARE(TreeLines(app.tree()), QStringList({"勤怠管理"}));
    }

    void protectedBookWithPromptCancelledKeepsTheEmptyBook() {
        TempDir books;
        const std::string path = books.file("secret.vpx");
        WriteBook(path, BookSpec{{2026}, "1", "x", "pw"});
        bool prompted = false;
        WhenModalShown([&prompted](QWidget* w) {
            prompted = w->inherits("CPasswordDlg");
            qobject_cast<QDialog*>(w)->reject();
        });
        AppFixture app({QString::fromStdString(path)});
        QVERIFY(prompted);
        QVERIFY(app.boxes.texts.isEmpty());
        QCOMPARE(app.caption(), QString("無題.vpx-ヴェスピン"));
        QCOMPARE(TreeLines(app.tree()), QStringList({"勤怠管理"}));
        QVERIFY(app.doc()->Password().empty());
        QVERIFY(app.doc()->DocPath().empty());
        QVERIFY(!app.doc()->IsModified());
    }

    void menusHoldEveryCommand() {
        AppFixture app;
        const QList<QAction*> menus = app.frame()->menuBar()->actions();
        QStringList titles;
        for (QAction* m : menus) titles << m->text();
        QCOMPARE(titles,
                 QStringList({"ﾌｧｲﾙ(&F)", "年度メニュー(&N)", "処理メニュー(&S)", "表示(&V)"}));
        QCOMPARE(
            MenuItems(menus[0]->menu()),
            QStringList({"新規作成(&N)\tCtrl+N", "開く(&O)...\tCtrl+O",
                         "バックアップから開く(&B)...", "上書き保存(&S)\tCtrl+S",
                         "名前を付けて保存(&A)...", "-", "印刷(&P)...\tCtrl+P", "印刷ﾌﾟﾚﾋﾞｭｰ(&V)",
                         "ﾌﾟﾘﾝﾀの設定(&R)...", "-", "最近使ったﾌｧｲﾙ", "-", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"}));
        QCOMPARE(MenuItems(menus[1]->menu()),
                 QStringList(
                     {"年度の登録(&A)...", "-", "年度の削除(&D)", "-", "休日の付け直し(&R)..."}));
        QCOMPARE(
            MenuItems(menus[2]->menu()),
            QStringList({"社員情報登録(&S)...", "ショートカットの作成(&C)", "-",
                         "本部提出用のデータ作成(&D)...", "月の集計(&T)...", "36協定の状況(&A)...",
                         "有給休暇管理簿(&L)...", "雇用情報の設定(&H)...", "フォルダの集計(&F)...",
                         "-", "法定休日の指定(&K)", "所定労働日の指定(&W)", "-",
                         "パスワードの設定・変更(&P)"}));
        QCOMPARE(MenuItems(menus[3]->menu()), QStringList({"ﾂｰﾙ ﾊﾞｰ(&T)", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"}));

        // Each item carries its command id, prompt and tool tip.
        QCOMPARE(menus[1]->menu()->actions()[2]->data().toInt(), cmd::kYearDelete);
        QAction* saveAs = app.action(cmd::kFileSaveAs);
        QCOMPARE(saveAs->statusTip(), QString("作業中のﾌｧｲﾙを新しい名前で保存"));
        QCOMPARE(saveAs->toolTip(), QString("名前をつけて保存"));
        QCOMPARE(app.action(cmd::kFileMruFile1)->statusTip(), QString("指定のﾌｧｲﾙを開く"));
        QCOMPARE(app.action(cmd::kFileNew)->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(app.action(cmd::kFilePrint)->shortcut(), QKeySequence("Ctrl+P"));

        // The tool bar: buttons in groups.
        QStringList buttons;
        for (QAction* a : app.frame()->ToolBar()->actions())
            buttons << (a->isSeparator() ? QString("-") : QString::number(a->data().toInt()));
        QCOMPARE(buttons, QStringList({"57600", "57601", "57603", "-", "57607", "-", "32771",
                                       "32774", "-", "32777", "32776", "32813", "32781"}));
        QVERIFY(!app.action(cmd::kYearAdd)->icon().isNull());
    }

    void commandsFollowTheirRules() {
        TempDir books;
        WriteBook(books.file("b.vpx"), BookSpec{{2026}, {}, {}, {}});
        AppFixture app({QString::fromStdString(books.file("b.vpx"))});
        CMainFrame* frame = app.frame();
        frame->UpdateCommandUI();
        // 2 月 of 2026 is selected.
        QVERIFY(!app.action(cmd::kFileSave)->isEnabled());
        QVERIFY(app.action(cmd::kFilePrint)->isEnabled());
        QVERIFY(app.action(cmd::kFilePrintPreview)->isEnabled());
        QVERIFY(app.action(cmd::kExportMonth)->isEnabled());
        QVERIFY(!app.action(cmd::kYearDelete)->isEnabled());

        app.tree()->setCurrentItem(FindTreeItem(app.tree(), "2026年度"));
        frame->UpdateCommandUI();
        QVERIFY(!app.action(cmd::kFilePrint)->isEnabled());
        QVERIFY(!app.action(cmd::kExportMonth)->isEnabled());
        QVERIFY(app.action(cmd::kYearDelete)->isEnabled());

        app.doc()->SetModifiedFlag(true);
        frame->UpdateCommandUI();
        QVERIFY(app.action(cmd::kFileSave)->isEnabled());

        // View toggles.
        app.action(cmd::kViewToolBar)->trigger();
        QVERIFY(app.frame()->ToolBar()->isHidden());
        frame->UpdateCommandUI();
        QVERIFY(!app.action(cmd::kViewToolBar)->isChecked());
    }

    void recentFileListHoldsTheLastBook() {
        TempDir books;
        const QString a = QString::fromStdString(books.file("a.vpx"));
        const QString b = QString::fromStdString(books.file("b.vpx"));
        WriteBook(a.toStdString(), BookSpec{{2025}, {}, {}, {}});
        WriteBook(b.toStdString(), BookSpec{{2026}, {}, {}, {}});
        {
            AppFixture app;
            QAction* entry = app.action(cmd::kFileMruFile1);
            QVERIFY(!entry->isEnabled());
            QVERIFY(app.manager()->OpenDocumentFile(a));
            QVERIFY(app.manager()->OpenDocumentFile(b));
            QSettings settings("ヴェスピン Ver2.0", "ヴェスピン");
            QCOMPARE(settings.value("Recent File List/File1").toString(), b);
            QVERIFY(!settings.contains("Recent File List/File2"));
            QVERIFY(entry->isEnabled());
            QVERIFY(entry->text().startsWith("&1 "));
            QVERIFY(entry->text().endsWith("/b.vpx"));

            // Opening the entry opens the book; a vanished book leaves the list.
            app.manager()->OnFileNew();
            entry->trigger();
            QCOMPARE(app.doc()->DocPath(), b.toStdString());
            ::unlink(b.toLocal8Bit().constData());
            app.manager()->OnFileNew();
            entry->trigger();
            QCOMPARE(app.boxes.texts.last(), b + " が見つかりませんでした。");
            QVERIFY(!entry->isEnabled());
            QCOMPARE(entry->text(), QString("最近使ったﾌｧｲﾙ"));
        }
    }

    void abbreviatesLongPathsInTheMenu() {
        QCOMPARE(CRecentFileList::Abbreviate("/home/user/a.vpx"), QString("/home/user/a.vpx"));
        const QString shortened =
            CRecentFileList::Abbreviate("/home/someone/documents/attendance/2026/book.vpx");
        QVERIFY(shortened.size() <= 30);
        QCOMPARE(shortened, QString("/.../attendance/2026/book.vpx"));
        QCOMPARE(CRecentFileList::Abbreviate("/x/a-very-long-file-name-for-a-book.vpx"),
                 QString("a-very-long-file-name-for-a-book.vpx"));
    }

    void droppedFileOpensLikeFileOpen() {
        TempDir books;
        const QString path = QString::fromStdString(books.file("dropped.vpx"));
        WriteBook(path.toStdString(), BookSpec{{2026}, {}, {}, {}});
        AppFixture app;
        app.doc()->RegisterYear(2020);  // unsaved work: the prompt comes first
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(app.frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(app.frame(), &drop);
        QTRY_COMPARE(app.caption(), path + "-ヴェスピン");
        QCOMPARE(app.boxes.texts, QStringList({"無題 への変更を保存しますか?"}));
        QCOMPARE(TreeLines(app.tree()).at(1), QString("  2026年度"));
    }

    void f6MovesBetweenThePanes() {
        AppFixture app;
        app.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.frame()));
        app.tree()->setFocus();
        QTest::keyClick(app.frame(), Qt::Key_F6);
        QVERIFY(app.frame()->ListView()->hasFocus());
        QTest::keyClick(app.frame(), Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(app.tree()->hasFocus());
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
