#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "core/testutil.h"
#include "framework/clock.h"
#include "framework/view.h"
#include "gui/support/guitest.h"
#include "model/updatehint.h"

class CDocManager;
class CMainFrame;
class CVespinApp;
class CVespinDoc;
class CVespinTreeView;
class QAction;
class QTimer;
class QTreeWidgetItem;

// What a book written by the core alone holds.
struct BookSpec {
    std::vector<int> years;
    std::string number;    // UTF-8
    std::string name;      // UTF-8
    std::string password;  // UTF-8
};

// Writes the book with the core and returns its bytes: what a save through the program must
// reproduce.
std::string WriteBook(const std::string& path, const BookSpec& book);

// The whole program started as from the command line, with vespin.ini and the per-user
// settings store in a temporary folder and every message box recorded.
class AppFixture {
public:
    explicit AppFixture(const QStringList& arguments = {});
    ~AppFixture();

    // Today, unless the test has fixed the clock first: a day in no year the tests register, so
    // that no test depends on the day it runs; one that needs today in a year fixes its own.
    static constexpr LocalTime kToday{2040, 1, 10, 9, 0, 0, 2};
    bool pinnedClock = false;
    TempDir dir;
    QByteArray oldDataHome;
    QByteArray oldConfigHome;
    MessageBoxRecorder boxes;
    // Opening a book that holds today opens today's attendance entry by itself; the fixture
    // closes it with Cancel and counts it. Another entry left open fails the test after
    // kStrayEntryMs.
    static constexpr int kStrayEntryMs = 5000;
    int entriesDismissed = 0;
    std::unique_ptr<QTimer> entryDismisser;
    std::unique_ptr<CVespinApp> app;
    bool started = false;

    CMainFrame* frame() const;
    CVespinDoc* doc() const;
    CVespinTreeView* tree() const;
    CDocManager* manager() const;
    QAction* action(int id) const;
    QString caption() const;
    std::string file(const std::string& name) const { return dir.file(name); }
    QString qfile(const std::string& name) const { return QString::fromStdString(dir.file(name)); }

private:
    QElapsedTimer m_strayEntry;
};

// The tree as indented lines: "勤怠管理", "  2026年度", "    4 月", ...
QStringList TreeLines(const CVespinTreeView* tree);
// The item with this text, searched depth first; nullptr when there is none.
QTreeWidgetItem* FindTreeItem(const CVespinTreeView* tree, const QString& text);
// The text of the tree's current item, empty when none.
QString CurrentTreeText(const CVespinTreeView* tree);

// The month item of a fiscal year, nullptr when there is none.
QTreeWidgetItem* MonthItem(const CVespinTreeView* tree, int year, int month);

// A view that records every hint the document broadcasts.
class HintSpy : public CView {
public:
    explicit HintSpy(CVespinDoc* doc);
    ~HintSpy() override;
    HintSpy(const HintSpy&) = delete;
    HintSpy& operator=(const HintSpy&) = delete;
    void OnUpdate(CView*, long, CObject* hintObject) override;
    std::vector<CUpdateHint> hints;
    // The last hint of this kind; a default one (kind 0) when there was none.
    CUpdateHint Last(int kind) const;

private:
    CVespinDoc* m_pDoc;
};

// Watches for a pop-up menu while it lives: records the texts of its items, then chooses the
// item with the text given (or closes the menu when none is given).
class PopupProbe {
public:
    explicit PopupProbe(const QString& choose = {});
    ~PopupProbe();
    PopupProbe(const PopupProbe&) = delete;
    PopupProbe& operator=(const PopupProbe&) = delete;
    bool shown = false;
    QStringList items;

private:
    QTimer* m_timer;
};
