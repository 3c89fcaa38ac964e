// The main window as a user meets it: the right button in the tree, the width of the work
// locations, prompts of greyed menu items, and Qt's own dialogs in Japanese under any locale.
#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolTip>
#include <QTreeView>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "framework/clock.h"
#include "framework/qt/docmanager.h"
#include "framework/qt/filedialog.h"
#include "framework/qt/japanese.h"
#include "gui/support/apptest.h"
#include "model/vespindoc.h"
#include "views/vespintreeview.h"
#include "views/vespinview.h"

namespace {

// A book with fiscal year 2026 opened on 5 December 2026, December shown.
struct OpenBook {
    std::unique_ptr<AppFixture> app;
    OpenBook() {
        clock_::SetFixed(LocalTime{2026, 12, 5, 9, 5, 7, 6});
        TempDir books;
        const std::string path = books.file("book.vpx");
        WriteBook(path, BookSpec{{2026}, {}, {}, {}});
        app = std::make_unique<AppFixture>(QStringList{QString::fromStdString(path)});
    }
    ~OpenBook() { clock_::SetFixed(std::nullopt); }
    CVespinTreeView* tree() const { return app->tree(); }
    CVespinView* list() const { return app->frame()->ListView(); }
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void rightButtonSelectsNothingButAYear() {
        OpenBook book;
        CVespinTreeView* tree = book.tree();
        CVespinDoc* doc = book.app->doc();
        QCOMPARE(CurrentTreeText(tree), QString("12 月"));
        auto press = [tree](QTreeWidgetItem* item) {
            const QPoint at = item ? tree->visualItemRect(item).center()
                                   : QPoint(5, tree->viewport()->height() - 5);
            QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, at);
        };
        {
            PopupProbe probe;
            press(MonthItem(tree, 2026, 5));
            press(tree->topLevelItem(0));
            press(nullptr);
            QVERIFY(!probe.shown);
            QCOMPARE(CurrentTreeText(tree), QString("12 月"));
            QCOMPARE(doc->SelMonth(), 12);
            QCOMPARE(book.list()->topLevelItemCount(), 31);
        }
        // The keyboard's menu requests act on the current item: nothing for a month ...
        for (const auto& [key, mods] :
             {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
            PopupProbe probe;
            QTest::keyClick(tree, key, mods);
            QVERIFY(!probe.shown);
            QCOMPARE(doc->SelMonth(), 12);
        }
        // ... and "削 除" for a year.
        tree->setCurrentItem(FindTreeItem(tree, "2026年度"));
        PopupProbe probe;
        QTest::keyClick(tree, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(probe.shown);
        QCOMPARE(probe.items, QStringList({"削 除"}));
        QCOMPARE(doc->Years().GetSize(), 1);
    }

    void workLocationsTakeTheRestOfTheWidth() {
        OpenBook book;
        CVespinDoc* doc = book.app->doc();
        const QString place = QStringLiteral("直行不帰・勤務地２");
        doc->StoreDayEntry(doc->ShownFirst(), {0, "08:30", "17:45", S(place.toStdString())});
        book.app->frame()->showNormal();
        book.app->frame()->resize(1600, 900);
        CVespinView* list = book.list();
        const int column = list->PlaceColumn();
        QTRY_VERIFY(list->columnViewportPosition(column) + list->columnWidth(column) >=
                    list->viewport()->width() - 1);
        const QModelIndex cell = list->model()->index(0, column);
        QVERIFY(list->columnWidth(column) > list->sizeHintForIndex(cell).width());

        // Squeezed: the whole text as the cell's tool tip, none for a text that fits.
        auto askTip = [list](int col) {
            const QPoint at = list->visualRect(list->model()->index(0, col)).center();
            QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &help);
        };
        book.app->frame()->resize(500, 600);
        QTRY_VERIFY(list->columnWidth(column) < list->sizeHintForIndex(cell).width());
        askTip(column);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), place);
        askTip(CVespinView::kColDay);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void commandStatesAreRightWithoutAMenuOpened() {
        TempDir books;
        WriteBook(books.file("b.vpx"), BookSpec{{2026}, {}, {}, {}});
        AppFixture app;
        QAction* remove = app.action(cmd::kYearDelete);
        QAction* exportMonth = app.action(cmd::kExportMonth);
        const auto states = [&] {
            QCoreApplication::processEvents();
            return QString("%1%2").arg(remove->isEnabled()).arg(exportMonth->isEnabled());
        };
        QCOMPARE(states(), QString("00"));  // the empty book at start-up
        app.doc()->RegisterYear(2027);
        app.tree()->setCurrentItem(FindTreeItem(app.tree(), "2027年度"));
        QCOMPARE(states(), QString("10"));
        app.tree()->setCurrentItem(MonthItem(app.tree(), 2027, 5));
        QCOMPARE(states(), QString("01"));
        app.tree()->setCurrentItem(FindTreeItem(app.tree(), "2027年度"));
        app.doc()->OnYearDelete();
        QCOMPARE(app.doc()->Years().GetSize(), 0);
        QCOMPARE(states(), QString("00"));
        app.manager()->OpenDocumentFile(QString::fromStdString(books.file("b.vpx")));
        app.tree()->setCurrentItem(MonthItem(app.tree(), 2026, 5));
        QCOMPARE(states(), QString("01"));
        app.manager()->OnFileNew();
        QCOMPARE(states(), QString("00"));
    }

    void greyedMenuItemsShowTheirPrompt() {
        OpenBook book;
        CMainFrame* frame = book.app->frame();
        frame->UpdateCommandUI();
        QAction* save = frame->Action(cmd::kFileSave);
        QVERIFY(!save->isEnabled());
        auto* menu = qobject_cast<QMenu*>(frame->menuBar()->actions().first()->menu());
        menu->popup(frame->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseMove(menu->windowHandle(), menu->actionGeometry(save).center());
        QTRY_COMPARE(frame->statusBar()->currentMessage(), QString("作業中のﾌｧｲﾙを上書きして保存"));
        QTest::mouseMove(menu->windowHandle(),
                         menu->actionGeometry(frame->Action(cmd::kFileOpen)).center());
        QTRY_COMPARE(frame->statusBar()->currentMessage(), QString("既存のﾌｧｲﾙを開く"));
        QTest::mouseMove(menu->windowHandle(), menu->actionGeometry(save).center());
        QTRY_COMPARE(frame->statusBar()->currentMessage(), QString("作業中のﾌｧｲﾙを上書きして保存"));
        menu->hide();
        QCOMPARE(frame->statusBar()->currentMessage(), QString());
    }

    void qtsOwnFileDialogSpeaksJapaneseUnderCLocale() {
        QCOMPARE(QLocale::system().name(), QString("C"));  // as the test runs: LC_ALL=C.UTF-8
        AppFixture app;
        TempDir folder;
        QVERIFY(QDir().mkpath(QString::fromStdString(folder.file("sub"))));
        QStringList texts;
        QString type, date;
        WhenModalShown([&](QWidget* w) {
            for (auto* label : w->findChildren<QLabel*>())
                if (label->isVisible()) texts << label->text();
            for (auto* button : w->findChildren<QAbstractButton*>())
                if (button->isVisible()) texts << button->text() << button->toolTip();
            auto* view = w->findChild<QTreeView*>(QStringLiteral("treeView"));
            QTRY_VERIFY(view->model()->rowCount(view->rootIndex()) == 1);
            type = view->model()->index(0, 2, view->rootIndex()).data().toString();
            date = view->model()->index(0, 3, view->rootIndex()).data().toString();
            static_cast<QDialog*>(w)->reject();
        });
        CFileDialog::GetOpenFileName(app.frame(), QString::fromStdString(folder.file("")));
        texts.removeAll(QString());
        // The framework's katakana half-width, as in the program's own dialogs.
        QVERIFY(texts.contains("ﾌｧｲﾙ名(&N):"));
        QVERIFY(texts.contains("ｷｬﾝｾﾙ"));
        const QRegularExpression english(QStringLiteral("[A-Za-z]{2,}"));
        for (const QString& text : texts) QVERIFY2(!text.contains(english), qPrintable(text));
        QCOMPARE(type, QString("ﾌｫﾙﾀﾞ"));
        QVERIFY2(
            QRegularExpression(QStringLiteral("^\\d{4}/\\d{2}/\\d{2} ")).match(date).hasMatch(),
            qPrintable(date));
        // A proportional Japanese face for the windows.
        QVERIFY(!QFontInfo(QApplication::font()).fixedPitch());
        QCOMPARE(QApplication::font().family(), JapaneseUiFamily());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
