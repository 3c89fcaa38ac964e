// The year/month tree in the running program: what it selects after an open depending on the
// date, the ranges it broadcasts, registration order, and its pop-up menu.
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "dialogs/yeardlg.h"
#include "framework/clock.h"
#include "gui/support/apptest.h"
#include "model/vespindoc.h"
#include "views/vespintreeview.h"

namespace {

LocalTime Date(int y, int m, int d) { return LocalTime{y, m, d, 9, 5, 7, 0}; }

// A book with these fiscal years, opened from the command line on the given date.
struct OpenedBook {
    std::unique_ptr<AppFixture> app;
    OpenedBook(const std::vector<int>& years, LocalTime today) {
        clock_::SetFixed(today);
        TempDir books;
        const std::string path = books.file("book.vpx");
        WriteBook(path, BookSpec{years, {}, {}, {}});
        app = std::make_unique<AppFixture>(QStringList{QString::fromStdString(path)});
    }
    CVespinTreeView* tree() const { return app->tree(); }
    CVespinDoc* doc() const { return app->doc(); }
};

// Registers year through the menu command and the dialog, as a user types it.
void RegisterThroughDialog(AppFixture& app, int year) {
    WhenModalShown([year](QWidget* w) {
        auto* dlg = qobject_cast<CYearDlg*>(w);
        QVERIFY(dlg);
        dlg->m_edit->setText(QString::number(year));
        QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    app.action(cmd::kYearAdd)->trigger();
}

}  // namespace

class TreeTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { clock_::SetFixed(std::nullopt); }

    void openSelectsCurrentMonthOfCurrentFiscalYear() {
        OpenedBook book({2025, 2026}, Date(2027, 2, 15));
        HintSpy spy(book.doc());
        QCOMPARE(TreeLines(book.tree()).mid(0, 3),
                 QStringList({"勤怠管理", "  2025年度", "    4 月"}));
        QCOMPARE(TreeLines(book.tree()).size(), 1 + 2 * 13);
        QCOMPARE(CurrentTreeText(book.tree()), QString("2 月"));
        QCOMPARE(book.tree()->currentItem()->parent()->text(0), QString("2026年度"));
        QVERIFY(FindTreeItem(book.tree(), "2026年度")->isExpanded());
        QVERIFY(!FindTreeItem(book.tree(), "2025年度")->isExpanded());
        QCOMPARE(book.doc()->SelYear(), 2026);
        QCOMPARE(book.doc()->SelMonth(), 2);
        // 2025 fills 0..364; in 2026, April to January are 306 days; February 2027 has 28.
        QCOMPARE(book.doc()->ShownFirst(), 365 + 306);
        // The day list, told after the tree, opened today's entry.
        QCOMPARE(book.app->entriesDismissed, 1);

        // Selecting the same month again from elsewhere broadcasts its range.
        book.tree()->setCurrentItem(FindTreeItem(book.tree(), "2026年度"));
        book.tree()->setCurrentItem(MonthItem(book.tree(), 2026, 2));
        const CUpdateHint h = spy.Last(CUpdateHint::kShowRange);
        QCOMPARE(h.m_nFirst, 671);
        QCOMPARE(h.m_nLast, 698);
        QCOMPARE(h.m_nYear, 2026);
        QCOMPARE(h.m_nMonth, 2);
    }

    void openWithCurrentYearMissingSelectsNothing() {
        OpenedBook book({2025, 2026}, Date(2027, 4, 1));
        QCOMPARE(TreeLines(book.tree()).size(), 27);
        QVERIFY(book.tree()->currentItem() == nullptr);
        QVERIFY(!book.tree()->topLevelItem(0)->isExpanded());
        QCOMPARE(book.doc()->SelYear(), -1);
        QCOMPARE(book.doc()->SelMonth(), -1);
        QCOMPARE(book.doc()->ShownFirst(), -1);
        QCOMPARE(book.app->entriesDismissed, 0);
        // The deletion works on the item selected last: here the top item.
        QVERIFY(book.tree()->GetCurItem());
        QCOMPARE(CVespinTreeView::ItemData(book.tree()->GetCurItem()), -1);
    }

    void theDocumentsSelectionIsShownOnceWithoutAnEcho() {
        OpenedBook book({2025, 2026}, Date(2027, 2, 15));
        HintSpy spy(book.doc());
        // Chosen by the document: the tree follows, its ancestors open, and reports nothing.
        book.doc()->SetSelection(Selection::Month(2025, 7));
        QCOMPARE(CurrentTreeText(book.tree()), QString("7 月"));
        QVERIFY(FindTreeItem(book.tree(), "2025年度")->isExpanded());
        // Chosen by the user: the document hears it once.
        book.tree()->setCurrentItem(FindTreeItem(book.tree(), "2026年度"));
        QCOMPARE(book.doc()->GetSelection(), Selection::Year(2026));
        QCOMPARE(spy.hints.size(), size_t(2));
        QCOMPARE(spy.hints[0].m_nMonth, 7);
        QCOMPARE(spy.hints[1].m_nYear, 2026);
    }

    void leapFebruaryHas29DaysAndShiftsMarch() {
        // Fiscal 2027 ends in March 2028: its February has 29 days.
        OpenedBook book({2026, 2027}, Date(2028, 2, 10));
        HintSpy spy(book.doc());
        QCOMPARE(CurrentTreeText(book.tree()), QString("2 月"));
        QCOMPARE(book.doc()->ShownFirst(), 365 + 306);
        book.tree()->setCurrentItem(MonthItem(book.tree(), 2027, 3));
        CUpdateHint march = spy.Last(CUpdateHint::kShowRange);
        QCOMPARE(march.m_nFirst, 365 + 306 + 29);
        QCOMPARE(march.m_nLast, 365 + 365);
        book.tree()->setCurrentItem(MonthItem(book.tree(), 2027, 2));
        CUpdateHint feb = spy.Last(CUpdateHint::kShowRange);
        QCOMPARE(feb.m_nLast - feb.m_nFirst + 1, 29);
        // The common year before it: February 28 days, March one index earlier.
        book.tree()->setCurrentItem(MonthItem(book.tree(), 2026, 3));
        march = spy.Last(CUpdateHint::kShowRange);
        QCOMPARE(march.m_nFirst, 306 + 28);
        QCOMPARE(march.m_nLast, 364);
    }

    void yearAndTopItemsShowNoRange() {
        OpenedBook book({2026}, Date(2026, 12, 6));
        HintSpy spy(book.doc());
        book.tree()->setCurrentItem(FindTreeItem(book.tree(), "2026年度"));
        CUpdateHint h = spy.Last(CUpdateHint::kShowRange);
        QCOMPARE(h.m_nYear, 2026);
        QCOMPARE(h.m_nMonth, -1);
        QCOMPARE(h.m_nFirst, -1);
        QCOMPARE(h.m_nLast, -1);
        QCOMPARE(book.doc()->SelYear(), 2026);
        QCOMPARE(book.doc()->SelMonth(), -1);
        QCOMPARE(book.doc()->ShownFirst(), -1);
        book.app->frame()->UpdateCommandUI();
        QVERIFY(!book.app->action(cmd::kFilePrint)->isEnabled());

        book.tree()->setCurrentItem(book.tree()->topLevelItem(0));
        h = spy.Last(CUpdateHint::kShowRange);
        QCOMPARE(h.m_nYear, -1);
        QCOMPARE(book.doc()->SelYear(), -1);
        QCOMPARE(book.doc()->SelMonth(), -1);
    }

    void registeredYearsKeepRegistrationOrder() {
        clock_::SetFixed(Date(2026, 12, 6));
        AppFixture app;
        QCOMPARE(TreeLines(app.tree()), QStringList({"勤怠管理"}));
        RegisterThroughDialog(app, 2026);
        RegisterThroughDialog(app, 2024);
        const QStringList lines = TreeLines(app.tree());
        QCOMPARE(lines.size(), 27);
        QCOMPARE(lines.at(1), QString("  2026年度"));
        QCOMPARE(lines.at(14), QString("  2024年度"));
        QCOMPARE(lines.mid(15, 12), QStringList({"    4 月", "    5 月", "    6 月", "    7 月",
                                                 "    8 月", "    9 月", "    10 月", "    11 月",
                                                 "    12 月", "    1 月", "    2 月", "    3 月"}));
        // The new year is selected and open; the book is modified.
        QCOMPARE(CurrentTreeText(app.tree()), QString("2024年度"));
        QVERIFY(FindTreeItem(app.tree(), "2024年度")->isExpanded());
        QVERIFY(app.doc()->IsModified());
        QCOMPARE(app.doc()->Years().GetSize(), 2);
        QCOMPARE(app.doc()->Days().GetSize(), 365 + 365);
        // Item data and images: year 0/1, month 2/3.
        QTreeWidgetItem* year = FindTreeItem(app.tree(), "2024年度");
        QCOMPARE(CVespinTreeView::ItemData(year), 2024);
        QCOMPARE(year->data(0, CVespinTreeView::kImageRole).toInt(), 0);
        QCOMPARE(year->data(0, CVespinTreeView::kSelectedImageRole).toInt(), 1);
        QCOMPARE(year->child(9)->data(0, CVespinTreeView::kImageRole).toInt(), 2);
        QCOMPARE(year->child(9)->data(0, CVespinTreeView::kSelectedImageRole).toInt(), 3);
        QCOMPARE(CVespinTreeView::ItemData(year->child(9)), 1);
        QCOMPARE(CVespinTreeView::ItemData(app.tree()->topLevelItem(0)), -1);
    }

    void rightClickOffersDeleteOnYearItemsOnly() {
        OpenedBook book({2025, 2026}, Date(2027, 2, 15));
        CVespinTreeView* tree = book.tree();
        auto pos = [tree](QTreeWidgetItem* item) { return tree->visualItemRect(item).center(); };
        {
            PopupProbe probe;
            QVERIFY(!tree->OnRClick(pos(tree->topLevelItem(0))));
            QVERIFY(!tree->OnRClick(pos(MonthItem(tree, 2026, 5))));
            QVERIFY(!tree->OnRClick(QPoint(5, tree->viewport()->height() - 5)));
            QVERIFY(!probe.shown);
            QCOMPARE(CurrentTreeText(tree), QString("2 月"));
        }
        {
            // A year item not selected: selected first, then the menu; closed without a choice.
            PopupProbe probe;
            const QPoint at = pos(FindTreeItem(tree, "2025年度"));
            QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                    tree->viewport()->mapToGlobal(at));
            QApplication::sendEvent(tree->viewport(), &event);
            QVERIFY(probe.shown);
            QCOMPARE(probe.items, QStringList({"削 除"}));
            QCOMPARE(CurrentTreeText(tree), QString("2025年度"));
            QCOMPARE(book.doc()->SelMonth(), -1);
            QCOMPARE(book.doc()->Years().GetSize(), 2);
            QVERIFY(book.app->boxes.texts.isEmpty());
        }
        {
            // Chosen and confirmed: the year goes, its neighbour is selected.
            PopupProbe probe("削 除");
            QVERIFY(tree->OnRClick(pos(FindTreeItem(tree, "2025年度"))));
            QCOMPARE(book.app->boxes.texts, QStringList({"該当の年度を削除しますか？"}));
            QCOMPARE(TreeLines(tree).size(), 14);
            QVERIFY(!FindTreeItem(tree, "2025年度"));
            QCOMPARE(CurrentTreeText(tree), QString("2026年度"));
            QCOMPARE(book.doc()->Years().GetSize(), 1);
            QCOMPARE(book.doc()->Years()[0]->GetFirstIndex(), 0);
            QVERIFY(book.doc()->IsModified());
        }
    }

    void yearDeleteCommandFollowsTheCurrentItem() {
        OpenedBook book({2025, 2026}, Date(2027, 2, 15));
        CMainFrame* frame = book.app->frame();
        QAction* del = book.app->action(cmd::kYearDelete);
        frame->UpdateCommandUI();
        QVERIFY(!del->isEnabled());  // a month is selected
        book.tree()->setCurrentItem(FindTreeItem(book.tree(), "2026年度"));
        frame->UpdateCommandUI();
        QVERIFY(del->isEnabled());

        // Cancelled: nothing changes.
        book.app->boxes.answers.push_back(MsgAnswer::cancel);
        del->trigger();
        QCOMPARE(book.doc()->Years().GetSize(), 2);
        QVERIFY(!book.doc()->IsModified());

        // Confirmed: the last year goes, the one before it becomes current.
        del->trigger();
        QCOMPARE(book.doc()->Years().GetSize(), 1);
        QCOMPARE(book.doc()->Years()[0]->GetYear(), 2025);
        QCOMPARE(CurrentTreeText(book.tree()), QString("2025年度"));
        QCOMPARE(book.doc()->SelYear(), 2025);
        book.tree()->setCurrentItem(book.tree()->topLevelItem(0));
        frame->UpdateCommandUI();
        QVERIFY(!del->isEnabled());
    }
};

QTEST_MAIN(TreeTest)
#include "tree_test.moc"
