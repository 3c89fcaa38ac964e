#include "gui/support/apptest.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <QTreeWidgetItem>
#include <QtTest>

#include "app/mainframe.h"
#include "app/vespinapp.h"
#include "dialogs/attendancedlg.h"
#include "framework/clock.h"
#include "framework/qt/docmanager.h"
#include "framework/qt/filedialog.h"
#include "model/vespindoc.h"
#include "model/vespindocaccess.h"
#include "views/vespintreeview.h"

std::string WriteBook(const std::string& path, const BookSpec& book) {
    CVespinDoc doc(nullptr, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    doc.OnNewDocument();
    for (int y : book.years) doc.RegisterYear(y);
    if (!book.number.empty() || !book.name.empty()) doc.SetEmployee(S(book.number), S(book.name));
    VespinDocAccess::Password(doc) = S(book.password);
    doc.OnSaveDocument(path);
    return ReadFile(path);
}

AppFixture::AppFixture(const QStringList& arguments) {
    if (!clock_::IsFixed()) {
        clock_::SetFixed(kToday);
        pinnedClock = true;
    }
    // The settings file the program finds, and a settings store of its own.
    WriteFile(dir.file("vespin.ini"), S("出勤,遅刻,早退,欠勤,半休,休出,有休,振休,特休,特欠\r\n"
                                        "10,11,12,20,13,14,21,22,23,24\r\n1,1,1,0,1,1,0,0,0,0\r\n"
                                        "直行不帰,勤務地１,勤務地２,勤務地３\r\n"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(dir.file("config")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(dir.file("config")));
    // The core reads the same store (the backup choices) where Qt puts it.
    oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.file("config")));
    // Backup generations too.
    oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.file("data")));
    CFileDialog::ClearNextFileName();
    entryDismisser = std::make_unique<QTimer>();
    entryDismisser->setInterval(5);
    QObject::connect(entryDismisser.get(), &QTimer::timeout, [this] {
        auto* dlg = qobject_cast<CAttendanceDlg*>(QApplication::activeModalWidget());
        if (!dlg) {
            m_strayEntry.invalidate();
            return;
        }
        const LocalTime t = clock_::Now();
        const QString today =
            QStringLiteral("%1 年 %2 月 %3 日").arg(t.year).arg(t.month).arg(t.day);
        if (dlg->m_wndDate->text().startsWith(today)) {
            ++entriesDismissed;
            dlg->reject();
            return;
        }
        // Any other entry belongs to the test; one it leaves unanswered fails it.
        if (!m_strayEntry.isValid()) m_strayEntry.start();
        if (m_strayEntry.elapsed() > kStrayEntryMs) {
            m_strayEntry.invalidate();
            dlg->reject();
            QTest::qFail("an attendance entry was left unanswered", __FILE__, __LINE__);
        }
    });
    entryDismisser->start();
    app = std::make_unique<CVespinApp>(dir.file("vespin.ini"));
    started = app->InitInstance(arguments);
}

AppFixture::~AppFixture() {
    CFileDialog::ClearNextFileName();
    app.reset();
    qputenv("XDG_DATA_HOME", oldDataHome);
    qputenv("XDG_CONFIG_HOME", oldConfigHome);
    if (pinnedClock) clock_::SetFixed(std::nullopt);
}

CMainFrame* AppFixture::frame() const { return app->MainFrame(); }
CVespinDoc* AppFixture::doc() const { return app->Document(); }
CVespinTreeView* AppFixture::tree() const { return frame()->TreeView(); }
CDocManager* AppFixture::manager() const { return app->DocManager(); }
QAction* AppFixture::action(int id) const { return frame()->Action(id); }
QString AppFixture::caption() const { return frame()->windowTitle(); }

namespace {
void Collect(const QTreeWidgetItem* item, int depth, QStringList& out) {
    out << QString(depth * 2, u' ') + item->text(0);
    for (int i = 0; i < item->childCount(); ++i) Collect(item->child(i), depth + 1, out);
}
}  // namespace

QStringList TreeLines(const CVespinTreeView* tree) {
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) Collect(tree->topLevelItem(i), 0, out);
    return out;
}

QTreeWidgetItem* FindTreeItem(const CVespinTreeView* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

QString CurrentTreeText(const CVespinTreeView* tree) {
    return tree->currentItem() ? tree->currentItem()->text(0) : QString();
}

QTreeWidgetItem* MonthItem(const CVespinTreeView* tree, int year, int month) {
    QTreeWidgetItem* y = FindTreeItem(tree, QStringLiteral("%1年度").arg(year));
    for (int i = 0; y && i < y->childCount(); ++i)
        if (CVespinTreeView::ItemData(y->child(i)) == month) return y->child(i);
    return nullptr;
}

HintSpy::HintSpy(CVespinDoc* doc) : m_pDoc(doc) { m_pDoc->AddView(this); }
HintSpy::~HintSpy() {
    if (GetDocument()) m_pDoc->RemoveView(this);
}

void HintSpy::OnUpdate(CView*, long, CObject* hintObject) {
    if (const auto* h = dynamic_cast<const CUpdateHint*>(hintObject)) hints.push_back(*h);
}

CUpdateHint HintSpy::Last(int kind) const {
    for (auto it = hints.rbegin(); it != hints.rend(); ++it)
        if (it->m_nKind == kind) return *it;
    CUpdateHint none;
    return none;
}

PopupProbe::PopupProbe(const QString& choose) : m_timer(new QTimer) {
    m_timer->setInterval(5);
    QObject::connect(m_timer, &QTimer::timeout, [this, choose] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || shown) return;
        shown = true;
        QAction* chosen = nullptr;
        for (QAction* a : menu->actions()) {
            items << a->text();
            if (!choose.isEmpty() && a->text() == choose) chosen = a;
        }
        if (chosen) {
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            menu->close();
        }
    });
    m_timer->start();
}

PopupProbe::~PopupProbe() { delete m_timer; }
