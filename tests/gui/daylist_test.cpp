// The day list in the running program: rows of the selected month, the attendance entry opened
// from a row, a recorded month through Save, close and Open.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolTip>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/vespinapp.h"
#include "core/testutil.h"
#include "dialogs/attendancedlg.h"
#include "dialogs/employeedlg.h"
#include "framework/clock.h"
#include "framework/qt/docmanager.h"
#include "framework/qt/filedialog.h"
#include "framework/qt/qtstrings.h"
#include "gui/support/apptest.h"
#include "gui/support/guitest.h"
#include "model/dayrecord.h"
#include "model/vespindoc.h"
#include "model/vespindocaccess.h"
#include "views/vespintreeview.h"
#include "views/vespinview.h"

namespace {

const std::string kDefaultIni =
    S("出勤,遅刻,早退,欠勤,半休,休出,有休,振休,特休,特欠\r\n"
      "10,11,12,20,13,14,21,22,23,24\r\n"
      "1,1,1,0,1,1,0,0,0,0\r\n"
      "直行不帰,勤務地１,勤務地２,勤務地３\r\n");
const std::string kSevenNamesIni =
    S("出勤,遅刻,早退,欠勤,半休,休出,有休\r\n"
      "10,11,12,20,13,14,21\r\n"
      "1,1,1,0,1,1,0\r\n"
      "本社,支店\r\n");

// The running program with its settings file in a folder of its own.
struct Program {
    TempDir dir;
    std::unique_ptr<CVespinApp> app;
    explicit Program(const std::string& ini = kDefaultIni) {
        WriteFile(dir.file("vespin.ini"), ini);
        app = std::make_unique<CVespinApp>(dir.file("vespin.ini"));
        started = app->InitInstance({});
    }
    bool started = false;
    CVespinDoc& doc() const { return *app->Document(); }
    CVespinView& list() const { return *app->MainFrame()->ListView(); }
    CVespinTreeView& tree() const { return *app->MainFrame()->TreeView(); }

    // Selects a month item of a registered fiscal year in the tree.
    bool selectMonth(int fiscalYear, int month) {
        QTreeWidgetItem* root = tree().topLevelItem(0);
        for (int y = 0; root && y < root->childCount(); ++y) {
            QTreeWidgetItem* year = root->child(y);
            if (CVespinTreeView::ItemData(year) != fiscalYear) continue;
            for (int m = 0; m < year->childCount(); ++m) {
                if (CVespinTreeView::ItemData(year->child(m)) == month) {
                    tree().SelectItem(year->child(m));
                    return true;
                }
            }
        }
        return false;
    }
    QString cell(int row, int column) const {
        QTreeWidgetItem* item = list().topLevelItem(row);
        return item ? item->text(column) : QStringLiteral("<no row>");
    }
    // The columns of a row that carry the mark.
    QList<int> marks(int row) const {
        QList<int> out;
        for (int c = 0; c < list().columnCount(); ++c)
            if (cell(row, c) == QStringLiteral("○")) out << c;
        return out;
    }
};

void DoubleClickAt(CVespinView& list, const QPoint& p) {
    // A double-click: the press that selects, then the double-click event.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, p);
}

void DoubleClickRow(CVespinView& list, int row) {
    DoubleClickAt(list, list.visualItemRect(list.topLevelItem(row)).center());
}

// Answers the next attendance entry: category (-1 none), the three texts, OK or Cancel.
void WhenEntryShown(int category, const QString& arrival, const QString& departure,
                    const QString& place, bool ok = true, QString* date = nullptr) {
    WhenModalShown([=](QWidget* w) {
        auto* dlg = qobject_cast<CAttendanceDlg*>(w);
        QVERIFY(dlg);
        if (date) *date = dlg->m_wndDate->text();
        dlg->m_comboCategory->setCurrentIndex(category);
        emit dlg->m_comboCategory->activated(category);
        dlg->m_editArrival->setText(arrival);
        dlg->m_editDeparture->setText(departure);
        dlg->m_editLocations->setText(place);
        if (ok)
            dlg->m_btnOk->click();
        else
            dlg->m_btnCancel->click();
    });
}

}  // namespace

class DayListTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        // A day outside every registered year: no entry opens by itself.
        clock_::SetFixed(LocalTime{2031, 1, 10, 9, 0, 0, 5});
        CFileDialog::ClearNextFileName();
    }
    void cleanup() { clock_::SetFixed(std::nullopt); }

    void columnsFollowTheCategoryNames() {
        Program p;
        QVERIFY(p.started);
        QCOMPARE(p.list().columnCount(), 15);
        QTreeWidgetItem* h = p.list().headerItem();
        QCOMPARE(h->text(0), QString("日付"));
        QCOMPARE(h->text(3), QString("退出時刻"));
        QCOMPARE(h->text(4), QString("出勤"));
        QCOMPARE(h->text(13), QString("特欠"));
        QCOMPARE(h->text(14), QString("出勤場所"));
        QCOMPARE(p.list().header()->sectionSize(2), 62);
        // At least its designed width; it takes what the window leaves.
        QVERIFY(p.list().header()->sectionSize(14) >= 65);
        QCOMPARE(p.list().topLevelItemCount(), 0);
        auto* pane0 = p.app->MainFrame()->findChild<QLabel*>("pane0");
        QCOMPARE(pane0->text(),
                 QString("該当の月を選択し、日付をダブルクリックして登録して下さい。"));
    }

    void monthRowsAndDayTypeImages() {
        Program p;
        p.doc().RegisterYear(2026);
        p.doc().RegisterYear(2027);
        QVERIFY(p.selectMonth(2026, 5));
        QCOMPARE(p.list().topLevelItemCount(), 31);
        QCOMPARE(p.cell(0, 0), QString("1"));
        QCOMPARE(p.cell(30, 0), QString("31"));
        QCOMPARE(p.cell(1, 1), QString("土"));
        // Every row's image by its day: 2 May 2026 a Saturday, 3-6 May holidays.
        const int first = p.doc().ShownFirst();
        const qint64 book = p.list().m_images[0].cacheKey();
        const qint64 stack = p.list().m_images[1].cacheKey();
        const qint64 shelf = p.list().m_images[2].cacheKey();
        for (int row = 0; row < 31; ++row) {
            const int type = p.doc().Days()[first + row]->GetDayType();
            const qint64 want = type == kSaturday ? shelf : type == kHoliday ? stack : book;
            QCOMPARE(p.list().topLevelItem(row)->icon(0).cacheKey(), want);
        }
        QCOMPARE(p.list().topLevelItem(1)->icon(0).cacheKey(), shelf);
        QCOMPARE(p.list().topLevelItem(2)->icon(0).cacheKey(), stack);  // a Sunday
        QCOMPARE(p.list().topLevelItem(3)->icon(0).cacheKey(), stack);  // a holiday
        QCOMPARE(p.list().topLevelItem(6)->icon(0).cacheKey(), book);
        // A day never filled in shows only its day and weekday.
        QCOMPARE(p.cell(6, 2) + p.cell(6, 3) + p.cell(6, 14), QString());
        QVERIFY(p.marks(6).isEmpty());

        QVERIFY(p.selectMonth(2026, 2));
        QCOMPARE(p.list().topLevelItemCount(), 28);
        QVERIFY(p.selectMonth(2027, 2));
        QCOMPARE(p.list().topLevelItemCount(), 29);
        QCOMPARE(p.cell(28, 0), QString("29"));
        // A year item shows nothing.
        p.tree().SelectItem(p.tree().topLevelItem(0)->child(0));
        QCOMPARE(p.list().topLevelItemCount(), 0);
    }

    void holidayNamesAndRetypingFromTheYearMenu() {
        Program p;
        p.doc().RegisterYear(2026);
        QVERIFY(p.selectMonth(2026, 8));
        p.doc().StoreDayEntry(p.doc().ShownFirst() + 10, {0, "08:30", "17:45", S("本社")});
        const qint64 book = p.list().m_images[0].cacheKey();
        const qint64 stack = p.list().m_images[1].cacheKey();
        QCOMPARE(p.list().topLevelItem(10)->toolTip(0), QString());  // the fixed table: no names

        // The settings now ask for the law: names at once, the types only when re-typed.
        VespinDocAccess::Settings(p.doc()).m_calendar.law = true;
        QVERIFY(p.selectMonth(2026, 9));
        QVERIFY(p.selectMonth(2026, 8));
        QCOMPARE(p.list().topLevelItem(10)->toolTip(0), QString("山の日"));
        // Shown as the date's tool tip, not taken for the tip of a cut-off text.
        p.app->MainFrame()->show();
        const QPoint at = p.list().visualRect(p.list().model()->index(10, 0)).center();
        QHelpEvent help(QEvent::ToolTip, at, p.list().viewport()->mapToGlobal(at));
        QApplication::sendEvent(p.list().viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), QString("山の日"));
        QCOMPARE(p.list().topLevelItem(10)->icon(0).cacheKey(), book);
        p.app->MainFrame()->UpdateCommandUI();
        QAction* retype = p.app->MainFrame()->Action(cmd::kYearRetype);
        QVERIFY(retype->isEnabled());
        p.doc().SetModifiedFlag(false);
        MessageBoxRecorder boxes;
        boxes.answers.push_back(MsgAnswer::cancel);
        retype->trigger();
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(p.list().topLevelItem(10)->icon(0).cacheKey(), book);
        QVERIFY(!p.doc().IsModified());

        retype->trigger();
        QCOMPARE(p.list().topLevelItem(10)->icon(0).cacheKey(), stack);
        QCOMPARE(p.cell(10, 2) + p.cell(10, 3) + p.cell(10, 14), QString("08:3017:45本社"));
        QVERIFY(p.doc().IsModified());

        // Nothing to re-type with the top item selected.
        p.tree().SelectItem(p.tree().topLevelItem(0));
        p.app->MainFrame()->UpdateCommandUI();
        QVERIFY(!retype->isEnabled());
    }

    void anEntryRewritesItsRowOnly() {
        Program p;
        p.doc().RegisterYear(2026);
        QVERIFY(p.selectMonth(2026, 5));
        p.doc().SetModifiedFlag(false);
        // Written into row 3 by hand: a refresh of the whole month would overwrite it.
        p.list().topLevelItem(3)->setText(2, "untouched");
        WhenEntryShown(0, "08:30", "17:45", "勤務地１");
        DoubleClickRow(p.list(), 2);
        QCOMPARE(p.cell(2, 2), QString("08:30"));
        QCOMPARE(p.cell(2, 3), QString("17:45"));
        QCOMPARE(p.cell(2, 14), QString("勤務地１"));
        QCOMPARE(p.marks(2), QList<int>{4});
        QCOMPARE(p.cell(3, 2), QString("untouched"));
        QCOMPARE(p.list().topLevelItemCount(), 31);
        QVERIFY(p.doc().IsModified());
        const CDayRecord* r = p.doc().Days()[p.doc().ShownFirst() + 2];
        QCOMPARE(r->GetDay(), 3);
        QCOMPARE(r->GetCategory(), 0);
        QCOMPARE(U(r->Place()), std::string("勤務地１"));
        QCOMPARE(p.app->MainFrame()->focusWidget(), &p.list());

        // Enter on the selected row opens it again; clearing it empties the row.
        WhenModalShown([](QWidget* w) {
            auto* dlg = qobject_cast<CAttendanceDlg*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->m_wndDate->text(), QString("2026 年 5 月 3 日  ( 日曜日 )"));
            QCOMPARE(dlg->m_nDayType, int(kHoliday));
            QCOMPARE(dlg->m_comboCategory->currentText(), QString("出勤"));
            dlg->m_btnClear->click();
            dlg->m_btnOk->click();
        });
        QTest::keyClick(&p.list(), Qt::Key_Return);
        QCOMPARE(p.cell(2, 2) + p.cell(2, 3) + p.cell(2, 14), QString());
        QVERIFY(p.marks(2).isEmpty());
        QCOMPARE(p.doc().Days()[p.doc().ShownFirst() + 2]->GetCategory(), -1);
    }

    void cancelChangesNothing() {
        Program p;
        p.doc().RegisterYear(2026);
        QVERIFY(p.selectMonth(2026, 6));
        p.doc().SetModifiedFlag(false);
        WhenEntryShown(0, "08:30", "17:45", "勤務地１", false);
        DoubleClickRow(p.list(), 9);
        QVERIFY(!p.doc().IsModified());
        QCOMPARE(p.cell(9, 2), QString());
        QCOMPARE(p.doc().Days()[p.doc().ShownFirst() + 9]->GetCategory(), -1);
        QCOMPARE(p.app->MainFrame()->focusWidget(), &p.list());
    }

    void nothingOpensWithoutARow() {
        Program p;
        p.doc().RegisterYear(2026);
        QVERIFY(p.selectMonth(2026, 9));
        ModalWatcher watcher;
        // Below the last row.
        const QRect last = p.list().visualItemRect(p.list().topLevelItem(29));
        QVERIFY(last.bottom() + 20 < p.list().viewport()->height());
        DoubleClickAt(p.list(), QPoint(last.center().x(), last.bottom() + 15));
        // Enter with no row selected.
        p.list().clearSelection();
        p.list().setFocus();
        QTest::keyClick(&p.list(), Qt::Key_Return);
        // The entry opens at once or not at all; what the keys left queued runs first.
        QCoreApplication::processEvents();
        QCOMPARE(watcher.count, 0);
    }

    void openingABookOpensTodaysEntry() {
        TempDir dir;
        const std::string path = dir.file("book.vpx");
        {
            Program p;
            p.doc().RegisterYear(2026);
            CFileDialog::SetNextFileName(QString::fromStdString(path));
            QVERIFY(p.app->DocManager()->OnFileSaveAs());
        }
        clock_::SetFixed(LocalTime{2026, 5, 6, 8, 55, 0, 3});
        Program p;
        p.tree().setFocus();
        QString date;
        int selectedRow = -1;
        WhenModalShown([&](QWidget* w) {
            auto* dlg = qobject_cast<CAttendanceDlg*>(w);
            QVERIFY(dlg);
            date = dlg->m_wndDate->text();
            selectedRow = p.list().FirstSelectedRow();
            dlg->m_btnArrivalNow->click();
            dlg->m_comboCategory->setCurrentIndex(0);
            dlg->m_btnOk->click();
        });
        HintSpy spy(&p.doc());
        QVERIFY(p.app->DocManager()->OpenDocumentFile(QString::fromStdString(path)));
        QCOMPARE(date, QString("2026 年 5 月 6 日  ( 水曜日 )"));
        // The entry ran after the tree's broadcast had reached every view, not inside it.
        QCOMPARE(spy.hints.back().m_nKind, CUpdateHint::kDayChanged);
        QCOMPARE(spy.hints[spy.hints.size() - 2].m_nKind, CUpdateHint::kBuildTree);
        QCOMPARE(selectedRow, 5);
        QCOMPARE(p.list().currentItem(), p.list().topLevelItem(5));
        QCOMPARE(p.cell(5, 2), QString("08:55"));
        QVERIFY(p.doc().IsModified());
        QCOMPARE(p.app->MainFrame()->focusWidget(), &p.list());
        // New: the book is empty, nothing opens.
        p.doc().SetModifiedFlag(false);
        ModalWatcher watcher;
        QVERIFY(p.app->DocManager()->OnFileNew());
        QCOMPARE(watcher.count, 0);
        QCOMPARE(p.list().topLevelItemCount(), 0);
    }

    void sevenNamesPutTheLocationsInColumn11() {
        TempDir dir;
        const std::string path = dir.file("old.vpx");
        {
            // Recorded while all ten names were set: 特欠 (index 9), 振休 (index 7, which
            // would fall on the locations column now) and 有休 (index 6).
            FakeUi ui;
            CVespinDoc doc(&ui, {}, dir.file("none.ini"));
            doc.OnNewDocument();
            doc.RegisterYear(2026);
            const auto [first, last] = doc.MonthRange(2026, 7);
            QVERIFY(last > first);
            doc.StoreDayEntry(first + 0, {9, "", "", ""});
            doc.StoreDayEntry(first + 1, {6, "", "", S("本社")});
            doc.StoreDayEntry(first + 2, {0, "08:30", "17:00", S("支店・本社")});
            doc.StoreDayEntry(first + 3, {7, "", "", S("支店")});
            QVERIFY(doc.OnSaveDocument(path));
        }
        Program p(kSevenNamesIni);
        QCOMPARE(p.list().columnCount(), 12);
        QCOMPARE(p.list().headerItem()->text(10), QString("有休"));
        QCOMPARE(p.list().headerItem()->text(11), QString("出勤場所"));
        QVERIFY(p.app->DocManager()->OpenDocumentFile(QString::fromStdString(path)));
        QVERIFY(p.selectMonth(2026, 7));
        // An index without a column of its own marks nothing, least of all the locations.
        QVERIFY(p.marks(0).isEmpty());
        QCOMPARE(p.cell(0, 11), QString());
        QCOMPARE(p.list().topLevelItem(0)->columnCount(), 12);
        QVERIFY(p.marks(3).isEmpty());
        QCOMPARE(p.cell(3, 11), QString("支店"));
        QCOMPARE(p.marks(1), QList<int>{10});
        QCOMPARE(p.cell(1, 11), QString("本社"));
        QCOMPARE(p.marks(2), QList<int>{4});
        QCOMPARE(p.cell(2, 11), QString("支店・本社"));
        // Editing the day rewrites the row the same way.
        WhenEntryShown(2, "09:00", "18:00", "本社");
        DoubleClickRow(p.list(), 0);
        QCOMPARE(p.marks(0), QList<int>{6});
        QCOMPARE(p.cell(0, 11), QString("本社"));
    }

    void employeeInformationFromTheMenu() {
        Program p;
        p.doc().SetModifiedFlag(false);
        WhenModalShown([](QWidget* w) {
            auto* dlg = qobject_cast<CEmployeeDlg*>(w);
            QVERIFY(dlg);
            dlg->m_editNo->setText("A-012");
            dlg->m_editName->setText("山田 花子");
            dlg->m_btnOk->click();
        });
        p.app->MainFrame()->Action(cmd::kEmployeeInfo)->trigger();
        QCOMPARE(p.doc().EmployeeNo(), std::string("A-012"));
        QCOMPARE(U(p.doc().EmployeeName()), std::string("山田 花子"));
        QVERIFY(p.doc().IsModified());
        QCOMPARE(p.app->MainFrame()->Pane(1)->text(), QString("A-012"));
        QCOMPARE(p.app->MainFrame()->Pane(2)->text(), QString("山田 花子"));
        QCOMPARE(p.app->MainFrame()->windowTitle(), QString("無題-ヴェスピン"));

        // OK without a change still marks the book modified; Cancel does not.
        p.doc().SetModifiedFlag(false);
        WhenModalShown([](QWidget* w) { qobject_cast<CEmployeeDlg*>(w)->m_btnOk->click(); });
        p.app->MainFrame()->Action(cmd::kEmployeeInfo)->trigger();
        QVERIFY(p.doc().IsModified());
        p.doc().SetModifiedFlag(false);
        WhenModalShown([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        p.app->MainFrame()->Action(cmd::kEmployeeInfo)->trigger();
        QVERIFY(!p.doc().IsModified());
    }

    void recordedMonthSurvivesSaveCloseOpen() {
        TempDir dir;
        const QString first = QString::fromStdString(dir.file("month.vpx"));
        const QString second = QString::fromStdString(dir.file("again.vpx"));
        Program p;
        p.doc().RegisterYear(2026);
        p.doc().SetEmployee("0815", S("鈴木 一郎"));
        QVERIFY(p.selectMonth(2026, 10));
        struct Entry {
            int row, category;
            QString start, end, place;
        };
        const Entry entries[] = {{0, 0, "08:30", "17:45", "勤務地１"},
                                 {1, 1, "09:40", "18:00", "直行不帰・勤務地２"},
                                 {5, 3, "", "", ""},
                                 {6, 6, "", "", ""},
                                 {7, 2, "08:25", "15:00", "本社 会議室"},
                                 {30, 5, "10:00", "24:30", ""}};
        for (const Entry& e : entries) {
            WhenEntryShown(e.category, e.start, e.end, e.place);
            DoubleClickRow(p.list(), e.row);
            QCOMPARE(p.cell(e.row, 2), e.start);
        }
        CFileDialog::SetNextFileName(first);
        QVERIFY(p.app->DocManager()->OnFileSaveAs());
        QVERIFY(!p.doc().IsModified());
        const std::string saved = ReadFile(first.toStdString());

        QVERIFY(p.app->DocManager()->OnFileNew());
        QCOMPARE(p.doc().Days().GetSize(), 0);
        QVERIFY(p.app->DocManager()->OpenDocumentFile(first));
        QVERIFY(p.selectMonth(2026, 10));
        for (const Entry& e : entries) {
            QCOMPARE(p.cell(e.row, 3), e.end);
            QCOMPARE(p.cell(e.row, 14), e.place);
            QCOMPARE(p.marks(e.row), QList<int>{4 + e.category});
        }
        CFileDialog::SetNextFileName(second);
        QVERIFY(p.app->DocManager()->OnFileSaveAs());
        QCOMPARE(ReadFile(second.toStdString()), saved);
        QCOMPARE(ReadFile(first.toStdString()), saved);

        // The command-line companion reads the same entries.
        const QString tool = QCoreApplication::applicationDirPath() + "/../tools/vpxtool";
        if (!QFile::exists(tool)) QSKIP("vpxtool not built beside the tests");
        QProcess dump;
        dump.start(tool, {"dump", first});
        QVERIFY(dump.waitForFinished(10000));
        QCOMPARE(dump.exitCode(), 0);
        const QJsonObject json = QJsonDocument::fromJson(dump.readAllStandardOutput()).object();
        QCOMPARE(json["employeeNo"].toString(), QString("0815"));
        QCOMPARE(json["employeeName"].toString(), QString("鈴木 一郎"));
        const QJsonArray days = json["days"].toArray();
        const int shown = p.doc().ShownFirst();
        for (const Entry& e : entries) {
            const QJsonObject d = days.at(shown + e.row).toObject();
            QCOMPARE(d["month"].toInt(), 10);
            QCOMPARE(d["day"].toInt(), e.row + 1);
            QCOMPARE(d["category"].toInt(), e.category);
            QCOMPARE(d["start"].toString(), e.start);
            QCOMPARE(d["end"].toString(), e.end);
            QCOMPARE(d["place"].toString(), e.place);
        }
    }
};

QTEST_MAIN(DayListTest)
#include "daylist_test.moc"
