#include "views/vespinview.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>
#include <cstdio>

#include "dialogs/attendancedlg.h"
#include "framework/clock.h"
#include "framework/qt/qtstrings.h"
#include "model/calendarrules.h"
#include "model/texts.h"
#include "model/updatehint.h"
#include "model/vespindoc.h"
#include "output/qt/sheetprinting.h"
#include "views/dayimages.h"

namespace {

constexpr int kDayWidth = 36;
constexpr int kWeekdayWidth = 36;
constexpr int kTimeWidth = 62;
constexpr int kCategoryWidth = 36;
constexpr int kPlaceWidth = 65;

}  // namespace

CVespinView::CVespinView(QWidget* parent) : CBookView(parent) {
    setObjectName(QStringLiteral("dayList"));
    // A flat report list: single selection, still shown when the focus is elsewhere.
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A text wider than its column keeps its beginning, as in the platform's own lists.
    setTextElideMode(Qt::ElideRight);
    setIconSize(QSize(16, 16));
    setHeaderHidden(true);  // the report look comes with the first initial update
    // Track selection: the row under a resting pointer becomes the selected one.
    setMouseTracking(true);
    // No hover shading: over the selected row it would break the selection's colour into
    // patches; the pointer selects the row it rests on instead.
    viewport()->setAttribute(Qt::WA_Hover, false);
    m_hoverTimer.setSingleShot(true);
    m_hoverTimer.setInterval(kHoverMs);
    connect(&m_hoverTimer, &QTimer::timeout, this, &CVespinView::OnHoverTimeout);
}

int CVespinView::CategoryColumnCount() const {
    return m_bInitialized ? columnCount() - kColFirstCategory - 1 : 0;
}

int CVespinView::PlaceColumn() const { return m_bInitialized ? columnCount() - 1 : -1; }

// ---------------------------------------------------------------------------------------------
// Updates

void CVespinView::InitialiseColumns() {
    CView::OnInitialUpdate();
    if (m_bInitialized) return;
    CVespinDoc* doc = GetDocument();
    if (!doc) return;

    for (int i = 0; i < dayimages::kCount; ++i)
        m_images[static_cast<size_t>(i)] = dayimages::Image(i);

    // One column per category name that is set, in slot order; made once for the window's life.
    QStringList titles = {QStringLiteral("日付"), QStringLiteral("曜日"),
                          QStringLiteral("出勤時刻"), QStringLiteral("退出時刻")};
    for (const std::string& name : doc->Settings().m_astrCategories)
        if (!name.empty()) titles << ToQ(name);
    titles << QStringLiteral("出勤場所");
    setColumnCount(static_cast<int>(titles.size()));
    auto* headerItem = new QTreeWidgetItem(titles);
    for (int c = 0; c < titles.size(); ++c) headerItem->setTextAlignment(c, Qt::AlignCenter);
    setHeaderItem(headerItem);

    QHeaderView* h = header();
    h->setStretchLastSection(false);
    h->setSectionsMovable(false);
    h->setDefaultAlignment(Qt::AlignCenter);
    h->setMinimumSectionSize(16);
    // The day's image and a two-digit day must both fit, whatever the style's item margins:
    // measured on a sample row.
    auto* sample = new QTreeWidgetItem;
    sample->setIcon(kColDay, m_images[0]);
    sample->setText(kColDay, QStringLiteral("88"));
    addTopLevelItem(sample);
    const int dayNeeds = sizeHintForColumn(kColDay);
    delete sample;
    h->resizeSection(kColDay, std::max(kDayWidth, dayNeeds));
    h->resizeSection(kColWeekday, kWeekdayWidth);
    h->resizeSection(kColStart, kTimeWidth);
    h->resizeSection(kColEnd, kTimeWidth);
    for (int c = kColFirstCategory; c < columnCount() - 1; ++c) h->resizeSection(c, kCategoryWidth);
    h->resizeSection(columnCount() - 1, kPlaceWidth);
    setHeaderHidden(false);

    m_bInitialized = 1;
    FitPlaceColumn();
    // The sheet is printed on A4 portrait unless the user chooses otherwise.
    sheetprinting::SetPrinterDefaults();
}

void CVespinView::OnInitialUpdate() {
    InitialiseColumns();
    // The tree's initial update has finished its broadcasts: the entry it made due can run its
    // own event loop now without running inside them.
    if (m_nTodayDue != -1) {
        const int k = m_nTodayDue;
        m_nTodayDue = -1;
        OpenDayEntry(k);
    }
}

void CVespinView::OnBuildTree() { SelectToday(); }
void CVespinView::OnShowRange(const CUpdateHint& hint) { ShowRange(hint); }
void CVespinView::OnDaysChanged(const CUpdateHint& hint) { ShowRange(hint); }

void CVespinView::ShowRange(const CUpdateHint& hint) {
    if (hint.m_nFirst == -1 && hint.m_nLast == -1) {
        clear();
        return;
    }
    CVespinDoc* doc = GetDocument();
    if (!doc || !m_bInitialized) return;
    const bool insert = hint.m_nKind == CUpdateHint::kShowRange;
    if (insert) clear();
    int w = insert ? 0 : hint.m_nFirst - doc->ShownFirst();
    const int days = doc->Days().GetSize();
    const int categories = CategoryColumnCount();
    const int place = PlaceColumn();
    const QString mark = ToQ(texts::kMark);
    HolidayNames holidayNames(doc->Settings().m_calendar);
    const std::vector<bookext::DayMark> marks = bookext::DayMarks(doc->Extension());

    setUpdatesEnabled(false);
    for (int i = hint.m_nFirst; i <= hint.m_nLast; ++i, ++w) {
        // A range outside the book or a day that is not on show has no row to write.
        if (i < 0 || i >= days) continue;
        const CDayRecord* r = doc->Days()[i];
        QTreeWidgetItem* item = nullptr;
        if (insert) {
            item = new QTreeWidgetItem;
            for (int c = 0; c < columnCount(); ++c) item->setTextAlignment(c, Qt::AlignCenter);
            insertTopLevelItem(w, item);
        } else {
            item = topLevelItem(w);
            if (!item) continue;
        }
        // Also on a rewrite: re-typing a year changes the day types of rows on show.
        item->setIcon(kColDay,
                      m_images[static_cast<size_t>(dayimages::ForDayType(r->GetDayType()))]);
        // A day the user marked says so in its tip, and its date leans.
        std::string tip = holidayNames.Name(r->GetYear(), r->GetMonth(), r->GetDay());
        const auto marked =
            std::find_if(marks.begin(), marks.end(), [r](const bookext::DayMark& m) {
                return m.year == r->GetYear() && m.month == r->GetMonth() && m.day == r->GetDay();
            });
        if (marked != marks.end()) {
            using bookext::Mark;
            for (const std::string* text :
                 {marked->legalHoliday == Mark::yes  ? &texts::kMarkedLegalHoliday
                  : marked->legalHoliday == Mark::no ? &texts::kMarkedNotLegalHoliday
                                                     : nullptr,
                  marked->workday == Mark::yes  ? &texts::kMarkedWorkday
                  : marked->workday == Mark::no ? &texts::kMarkedRestDay
                                                : nullptr})
                if (text) tip += (tip.empty() ? "" : "\n") + *text;
        }
        item->setToolTip(kColDay, ToQ(tip));
        QFont dayFont = font();
        dayFont.setItalic(marked != marks.end());
        item->setFont(kColDay, dayFont);
        item->setText(kColDay, QString::number(r->GetDay()));
        item->setText(kColWeekday, ToQ(r->Weekday()));
        item->setText(kColStart, ToQ(r->Start()));
        item->setText(kColEnd, ToQ(r->End()));
        item->setText(place, ToQ(r->Place()));
        for (int c = 0; c < categories; ++c) item->setText(kColFirstCategory + c, QString());
        // A category index beyond the names now set (names removed from the settings after the
        // day was recorded) has no column: it gets no mark rather than one in a wrong column.
        const int category = r->GetCategory();
        if (category >= 0 && category < categories)
            item->setText(kColFirstCategory + category, mark);
    }
    setUpdatesEnabled(true);
}

void CVespinView::SelectToday() {
    m_nTodayDue = -1;
    CVespinDoc* doc = GetDocument();
    if (!doc || topLevelItemCount() == 0) return;
    const int r = clock_::Now().day - 1;
    // The tree has just shown the current month, so today's row exists.
    QTreeWidgetItem* item = topLevelItem(r);
    if (!item) return;
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item, QAbstractItemView::EnsureVisible);
    // A book open for writing elsewhere is read-only here: today's entry belongs to the window
    // that can save it, and this one says it is read-only instead.
    if (!doc->IsInUseElsewhere()) m_nTodayDue = doc->ShownFirst() + r;
}

// ---------------------------------------------------------------------------------------------
// The attendance entry

void CVespinView::OpenDayEntry(int k) {
    CVespinDoc* doc = GetDocument();
    if (!doc || k < 0 || k >= doc->Days().GetSize()) return;
    const CDayRecord* r = doc->Days()[k];

    CAttendanceDlg dlg(window());
    dlg.m_pDoc = doc;
    dlg.m_nCurSel = r->GetCategory();
    dlg.m_nDayType = r->GetDayType();
    char date[128];
    std::snprintf(date, sizeof date, texts::kDateLineFormat.c_str(), r->GetYear(), r->GetMonth(),
                  r->GetDay(), r->Weekday().c_str());
    dlg.m_strDate = date;
    dlg.m_strArrival = r->Start();
    dlg.m_strDeparture = r->End();
    dlg.m_strLocations = r->Place();

    if (dlg.exec() == QDialog::Accepted) {
        // Stores the day, tells every view (kind 2) and marks the book modified.
        doc->StoreDayEntry(k, dlg.Entry());
    }
    if (CView* list = doc->GetListView())
        list->SetFocusToView();
    else
        SetFocusToView();
}

int CVespinView::FirstSelectedRow() const {
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (topLevelItem(row)->isSelected()) return row;
    return -1;
}

int CVespinView::SelectedDay() const {
    const CVespinDoc* doc = GetDocument();
    const int row = FirstSelectedRow();
    if (!doc || row == -1 || doc->ShownFirst() < 0) return -1;
    const int k = doc->ShownFirst() + row;
    return k < doc->Days().GetSize() ? k : -1;
}

bookext::DayMark CVespinView::SelectedDayMarks() const {
    const int k = SelectedDay();
    if (k < 0) return {};
    const CDayRecord* r = GetDocument()->Days()[k];
    return bookext::FindDayMark(GetDocument()->Extension(), r->GetYear(), r->GetMonth(),
                                r->GetDay());
}

void CVespinView::MarkSelectedDay(bool legalHoliday, bookext::Mark mark) {
    if (SelectedDay() < 0) return;
    bookext::DayMark marks = SelectedDayMarks();
    (legalHoliday ? marks.legalHoliday : marks.workday) = mark;
    GetDocument()->MarkDay(marks);
}

void CVespinView::SetDayMarkMenus(QMenu* legalHoliday, QMenu* workday) {
    m_pMarkMenus[0] = legalHoliday;
    m_pMarkMenus[1] = workday;
}

void CVespinView::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_pMarkMenus[0] || !m_pMarkMenus[1]) return;
    // The day under the pointer becomes the selected one; from the keyboard, the selected day.
    QPoint at = event->globalPos();
    if (event->reason() != QContextMenuEvent::Keyboard) {
        QTreeWidgetItem* item = itemAt(event->pos());
        if (!item) return;
        setCurrentItem(item);
    } else if (QTreeWidgetItem* item = currentItem()) {
        at = viewport()->mapToGlobal(visualItemRect(item).center());
    }
    if (SelectedDay() < 0) return;
    QMenu popup(this);
    popup.setObjectName(QStringLiteral("dayMenu"));
    popup.addMenu(m_pMarkMenus[0]);
    popup.addMenu(m_pMarkMenus[1]);
    popup.exec(at);
    event->accept();
}

void CVespinView::OnDblClk() {
    if (m_nHotItem == -1) return;
    CVespinDoc* doc = GetDocument();
    const int row = FirstSelectedRow();
    if (doc && row != -1) OpenDayEntry(doc->ShownFirst() + row);
}

// ---------------------------------------------------------------------------------------------
// Mouse and keyboard

void CVespinView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The press before it has selected the row under the pointer.
    m_nHotItem = indexOfTopLevelItem(itemAt(event->position().toPoint()));
    if (event->button() == Qt::LeftButton) {
        OnDblClk();
        event->accept();
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void CVespinView::mouseMoveEvent(QMouseEvent* event) {
    const int hot = indexOfTopLevelItem(itemAt(event->position().toPoint()));
    if (hot != m_nHotItem) {
        m_nHotItem = hot;
        if (hot == -1)
            m_hoverTimer.stop();
        else
            m_hoverTimer.start();
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CVespinView::leaveEvent(QEvent* event) {
    m_nHotItem = -1;
    m_hoverTimer.stop();
    QTreeWidget::leaveEvent(event);
}

void CVespinView::OnHoverTimeout() {
    if (QTreeWidgetItem* item = topLevelItem(m_nHotItem)) setCurrentItem(item);
}

void CVespinView::FitPlaceColumn() {
    // Work locations are the longest texts: their column takes whatever width is left, and
    // gives it back when the window narrows.
    if (!m_bInitialized) return;
    QHeaderView* h = header();
    const int place = PlaceColumn();
    const int others = h->sectionPosition(place);
    h->resizeSection(place, std::max(kPlaceWidth, viewport()->width() - others));
}

void CVespinView::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    FitPlaceColumn();
}

bool CVespinView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // A cell with a tip of its own (the holiday's name on the date) shows that; any other
        // cell whose text is cut off shows it whole.
        auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (!index.data(Qt::ToolTipRole).toString().isEmpty())
            return QTreeWidget::viewportEvent(event);
        const QString text = index.data(Qt::DisplayRole).toString();
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = visualRect(index);
        if (index.isValid() && !text.isEmpty() &&
            itemDelegateForIndex(index)->sizeHint(option, index).width() > option.rect.width())
            QToolTip::showText(help->globalPos(), text, viewport(), option.rect);
        else
            QToolTip::hideText();
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

void CVespinView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        CVespinDoc* doc = GetDocument();
        const int row = FirstSelectedRow();
        if (doc && row != -1) {
            OpenDayEntry(doc->ShownFirst() + row);
            event->accept();
            return;
        }
    }
    QTreeWidget::keyPressEvent(event);
}
